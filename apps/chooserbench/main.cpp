// Times the node chooser over generated data stores of 1,000, 10,000 and 100,000 nodes (filling
// and showing the list, sorting it by a column, applying a filter) beside a plain list view filled
// with the same texts by plain Win32 calls, in the same run: the same list of the same dialog
// template, shown as a plain Win32 dialog and written as a careful engineer would (the names sorted
// in memory and inserted in order, the deletion of all rows answered). Under Wine a window's
// creation and painting wait on the server, whose answers come late now and then, so each figure
// is the median of several runs, the two sides taking turns. Prints one line per size and step
// with both medians in milliseconds, their ratio with the spread of the runs' own ratios (lowest
// to highest), whether the ratio meets its size's goal, and each side's time per node. Sizes named
// on the command line (1000, 10000, 100000) limit the run to them.
#include <afxwin.h>
#include <afxscript.h>
#include <commctrl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
const int kSizes[3] = {1000, 10000, 100000};
const int kRuns[3] = {15, 9, 5};
// The most the chooser may take as a multiple of the plain list at each size, at every step: looser
// below 10,000 rows, where a step takes under a millisecond and a few microseconds weigh on the ratio.
const double kGoal[3] = {1.5, 1.2, 1.2};

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

// The script player is installed for the whole run, so that both sides are measured under the
// same hooks.
Times timeChooser(AfxScript::Script& script, MpHostData* data, MpZulSmartList& input) {
  Times t;
  std::string title = "Bench", ok;
  MpZulSmartList none;
  Clock::time_point start;
  script.Dialog(2210, [&](HWND dlg) {
    t.fill = since(start);
    HWND list = ::GetDlgItem(dlg, kList);
    Clock::time_point s = Clock::now();
    sortByHeader(dlg, list);  // the sorted column again: descending
    t.sort = since(s);
    s = Clock::now();
    ::SetDlgItemTextA(dlg, kFilter, kFilterText);
    ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kFilter, EN_MAXTEXT), (LPARAM)::GetDlgItem(dlg, kFilter));
    t.filter = since(s);
    ::PostMessageA(dlg, WM_COMMAND, IDCANCEL, 0);
  });
  start = Clock::now();
  MpUiCNodeDlg dlg(title, data, input, false, false, true, true, false, nullptr, ok, none);
  dlg.DoModal();
  return t;
}

// The baseline: the same texts in the same list view of the same dialog template, shown as a plain
// Win32 dialog with no code of ours, so that the two differ only by the chooser's own work. Each
// row's data is its name, for the list's own sort on a header click.
int CALLBACK compareTexts(LPARAM a, LPARAM b, LPARAM descending) {
  const int r = reinterpret_cast<const std::string*>(a)->compare(*reinterpret_cast<const std::string*>(b));
  return descending ? -r : r;
}

// The names that pass the filter, sorted in memory and inserted in that order.
void fillBare(HWND list, const std::vector<std::string>& names, const char* filter) {
  std::vector<const std::string*> rows;
  rows.reserve(names.size());
  for (const std::string& name : names)
    if (!*filter || name.find(filter) != std::string::npos) rows.push_back(&name);
  std::sort(rows.begin(), rows.end(), [](const std::string* a, const std::string* b) { return *a < *b; });
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
  int row = 0;
  for (const std::string* name : rows) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row++;
    item.pszText = const_cast<char*>(name->c_str());
    item.lParam = reinterpret_cast<LPARAM>(name);
    ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
}

INT_PTR CALLBACK bareDialog(HWND dlg, UINT message, WPARAM, LPARAM lParam) {
  // With the deletion of all rows answered, the list gives no notice of each row it deletes.
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == LVN_DELETEALLITEMS) {
    ::SetWindowLongPtrA(dlg, DWLP_MSGRESULT, TRUE);
    return TRUE;
  }
  return message == WM_INITDIALOG;
}

// Handles what is queued, as the chooser's modal loop does before the script's step runs.
void runUntilIdle() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

Times timeBare(const std::vector<std::string>& names) {
  Times t;
  Clock::time_point s = Clock::now();
  HWND dlg = ::CreateDialogParamA(::GetModuleHandleA("WidgetDeckRes.dll"), MAKEINTRESOURCEA(2210), nullptr,
                                  &bareDialog, 0);
  HWND list = ::GetDlgItem(dlg, kList);
  RECT client{};
  ::GetClientRect(list, &client);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = client.right - 20;
  column.pszText = const_cast<char*>("Name");
  ::SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  fillBare(list, names, "");
  ::ShowWindow(dlg, SW_SHOW);
  runUntilIdle();
  t.fill = since(s);
  s = Clock::now();
  ::SendMessageA(list, LVM_SORTITEMS, 1, reinterpret_cast<LPARAM>(&compareTexts));
  t.sort = since(s);
  s = Clock::now();
  fillBare(list, names, kFilterText);
  t.filter = since(s);
  ::DestroyWindow(dlg);
  runUntilIdle();
  return t;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  MpHostInstall();
  IMpUtOsDllPtr os(CLSID_MpUtOs, nullptr);
  if (os.isNull() || !os->loadResourceModule("WidgetDeckRes.dll")) {
    std::fprintf(stderr, "ChooserBench: WidgetDeckRes.dll not found\n");
    return 2;
  }
  std::printf("medians of %d, %d and %d runs; times in ms, per node in microseconds\n", kRuns[0], kRuns[1], kRuns[2]);
  std::printf("%-8s %-7s %10s %10s %6s %-11s %-9s %9s %9s\n", "nodes", "step", "chooser", "plain", "ratio", "spread",
              "goal", "chooser/n", "plain/n");
  AfxScript::Script script;
  AfxScript::ScopedPlayer player(&script);
  bool warm = false;
  for (int size = 0; size < 3; ++size) {
    const int count = kSizes[size];
    const auto named = [&](const char* arg) { return std::atoi(arg) == count; };
    if (argc > 1 && std::none_of(argv + 1, argv + argc, named)) continue;
    MpHostData* data = MpHostData::create();
    MpZulSmartList input(data);
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i) {
      char name[32];
      std::snprintf(name, sizeof(name), "Part %06d", (i * 7919) % count);
      names.push_back(name);
      input.push_back(static_cast<IMpZulNode*>(data->node(data->addNode("Product", name))), true);
    }
    if (!warm) {  // the first window of the process pays for fonts, classes and the desktop
      timeChooser(script, data, input);
      timeBare(names);
      warm = true;
    }
    std::vector<double> c[3], b[3];
    for (int run = 0; run < kRuns[size]; ++run) {
      const Times chooser = timeChooser(script, data, input);
      const Times bare = timeBare(names);
      c[0].push_back(chooser.fill), c[1].push_back(chooser.sort), c[2].push_back(chooser.filter);
      b[0].push_back(bare.fill), b[1].push_back(bare.sort), b[2].push_back(bare.filter);
    }
    const char* steps[3] = {"fill", "sort", "filter"};
    for (int i = 0; i < 3; ++i) {
      const double cm = median(c[i]), bm = median(b[i]), ratio = bm > 0 ? cm / bm : 0.0;
      std::vector<double> ratios;
      for (size_t run = 0; run < c[i].size(); ++run) ratios.push_back(b[i][run] > 0 ? c[i][run] / b[i][run] : 0.0);
      char spread[32], goal[16];
      std::snprintf(spread, sizeof(spread), "%.2f-%.2f", *std::min_element(ratios.begin(), ratios.end()),
                    *std::max_element(ratios.begin(), ratios.end()));
      std::snprintf(goal, sizeof(goal), "<=%.1f %s", kGoal[size], ratio <= kGoal[size] ? "met" : "NOT");
      std::printf("%-8d %-7s %10.1f %10.1f %6.2f %-11s %-9s %9.2f %9.2f\n", count, steps[i], cm, bm, ratio, spread, goal,
                  cm * 1000 / count, bm * 1000 / count);
    }
    std::fflush(stdout);
    input.clear();
    data->Release();
  }
  MpHostUninstall();
  for (const std::string& failure : script.failures) std::fprintf(stderr, "ChooserBench: %s\n", failure.c_str());
  return script.failures.empty() ? 0 : 1;
}
