// Times the node chooser over generated data stores of 1,000, 10,000 and 100,000 nodes (filling
// and showing the list, sorting it by a column, applying a filter) beside a bare list view filled
// with the same texts by plain Win32 calls, in the same run. Prints one line per size and step
// with both times in milliseconds and their ratio.
#include <afxwin.h>
#include <afxscript.h>
#include <commctrl.h>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>
#include "MpHost.h"
#include "MpHostData.h"
#include "MpSmartPointers.h"
#include "MpUiCNodeDlg.h"

namespace {

using Clock = std::chrono::steady_clock;
double since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

const int kList = 2404, kFilter = 2577;
const char kFilterText[] = "7";

struct Times {
  double fill = 0, sort = 0, filter = 0;
};

void sortByHeader(HWND dlg, HWND list) {
  NMHEADERA header{};
  header.hdr.hwndFrom = (HWND)::SendMessageA(list, LVM_GETHEADER, 0, 0);
  header.hdr.code = HDN_ITEMCLICKA;
  header.iItem = 0;
  ::SendMessageA(dlg, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

Times timeChooser(MpHostData* data, MpZulSmartList& input) {
  Times t;
  std::string title = "Bench", ok;
  MpZulSmartList none;
  AfxScript::Script script;
  Clock::time_point start;
  script.Dialog(2210, [&](HWND dlg) {
    t.fill = since(start);
    HWND list = ::GetDlgItem(dlg, kList);
    Clock::time_point s = Clock::now();
    sortByHeader(dlg, list);  // the sorted column again: descending
    t.sort = since(s);
    s = Clock::now();
    ::SetDlgItemTextA(dlg, kFilter, kFilterText);
    ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kFilter, 0x0501), (LPARAM)::GetDlgItem(dlg, kFilter));
    t.filter = since(s);
    ::PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
  });
  AfxScript::ScopedPlayer player(&script);
  start = Clock::now();
  MpUiCNodeDlg dlg(title, data, input, false, false, true, true, false, nullptr, ok, none);
  dlg.DoModal();
  return t;
}

// The same texts in a plain report list view of a window of its own.
int CALLBACK compareTexts(LPARAM a, LPARAM b, LPARAM descending) {
  const int r = reinterpret_cast<const std::string*>(a)->compare(*reinterpret_cast<const std::string*>(b));
  return descending ? -r : r;
}

void fillBare(HWND list, const std::vector<std::string>& names, const char* filter) {
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  int row = 0;
  for (const std::string& name : names) {
    if (*filter && name.find(filter) == std::string::npos) continue;
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row++;
    item.pszText = const_cast<char*>(name.c_str());
    item.lParam = reinterpret_cast<LPARAM>(&name);
    ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::SendMessageA(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&compareTexts));
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

Times timeBare(const std::vector<std::string>& names) {
  Times t;
  Clock::time_point s = Clock::now();
  HWND frame = ::CreateWindowExA(0, "STATIC", "bare", WS_OVERLAPPEDWINDOW, 0, 0, 500, 400, nullptr, nullptr, nullptr, nullptr);
  HWND list = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 480, 380, frame, nullptr,
                                nullptr, nullptr);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 400;
  column.pszText = const_cast<char*>("Name");
  ::SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  fillBare(list, names, "");
  ::ShowWindow(frame, SW_SHOW);
  ::UpdateWindow(frame);
  t.fill = since(s);
  s = Clock::now();
  ::SendMessageA(list, LVM_SORTITEMS, 1, reinterpret_cast<LPARAM>(&compareTexts));
  t.sort = since(s);
  s = Clock::now();
  fillBare(list, names, kFilterText);
  t.filter = since(s);
  ::DestroyWindow(frame);
  return t;
}

}  // namespace

int main() {
  MpHostInstall();
  IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
  if (os.isNull() || !os->loadResourceModule("WidgetDeckRes.dll")) {
    std::fprintf(stderr, "ChooserBench: WidgetDeckRes.dll not found\n");
    return 2;
  }
  std::printf("%-8s %-7s %10s %10s %6s\n", "nodes", "step", "chooser", "bare", "ratio");
  for (int count : {1000, 10000, 100000}) {
    MpHostData* data = MpHostData::create();
    MpZulSmartList input(data);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
      char name[32];
      std::snprintf(name, sizeof(name), "Part %06d", (i * 7919) % count);
      names.push_back(name);
      input.push_back(static_cast<IMpZulNode*>(data->node(data->addNode("Product", name))), true);
    }
    const Times chooser = timeChooser(data, input);
    const Times bare = timeBare(names);
    const char* steps[3] = {"fill", "sort", "filter"};
    const double c[3] = {chooser.fill, chooser.sort, chooser.filter}, b[3] = {bare.fill, bare.sort, bare.filter};
    for (int i = 0; i < 3; ++i)
      std::printf("%-8d %-7s %10.1f %10.1f %6.2f\n", count, steps[i], c[i], b[i], b[i] > 0 ? c[i] / b[i] : 0.0);
    std::fflush(stdout);
    input.clear();
    data->Release();
  }
  MpHostUninstall();
  return 0;
}
