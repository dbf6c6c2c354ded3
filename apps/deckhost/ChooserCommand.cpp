// DeckHost's "chooser" command: the node chooser in its four modes over the sample data.
#include "ChooserCommand.h"
#include <afxscript.h>
#include <commctrl.h>
#include <cstdio>
#include <string>
#include <vector>
#include "CommandScript.h"
#include "MpHostSample.h"
#include "MpUiCNodeDlg.h"
#include "MpUiCSelAttachDlg.h"

namespace {

const int kChooser = 2210, kList = 2404, kChildClasses = 2451;

void selectRows(HWND dlg, std::vector<int> rows, UINT state, UINT mask) {
  for (int row : rows) {
    LVITEMA item{};
    item.state = state;
    item.stateMask = mask;
    ::SendMessageA(::GetDlgItem(dlg, kList), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
  }
}

void pickTwoStatic(HWND h) {
  selectRows(h, {0, 1}, LVIS_SELECTED, LVIS_SELECTED);
  AfxScript::Click(h, IDOK);
}

void print(const char* mode, INT_PTR result, MpUiCNodeDlg& dlg, bool amounts) {
  std::printf("%s chooser: %s\n", mode, result == IDOK ? "OK" : "Cancel");
  const std::vector<int> counts = dlg.getAmounts();
  size_t i = 0;
  for (IUnknown* object : dlg.getSelection()) {
    IMpZulNodePtr node(object, true);
    IMpZulClassPtr zulClass(object, true);
    std::string name;
    if (node.isValid()) node->getName(name);
    if (zulClass.isValid()) zulClass->getName(name);
    if (amounts && i < counts.size())
      std::printf("  %s x %d\n", name.c_str(), counts[i]);
    else
      std::printf("  %s\n", name.c_str());
    ++i;
  }
}

}  // namespace

extern "C" int RunChooserCommand(bool scripted) {
  deckhost::CommandScript script(scripted);
  MpHostData* data = MpHostCreateSampleData();
  MpZulSmartList features(data), products(data), attachments(data), none;
  data->objectsOfClass("Feature", true, features);
  data->objectsOfClass("Product", false, products);
  data->objectsOfClass("Attachment", false, attachments);
  if (scripted) {
    script.Dialog(kChooser, pickTwoStatic);
    script.Dialog(kChooser, [](HWND h) {
      AfxScript::SetCheck(h, kChildClasses, false);
      pickTwoStatic(h);
    });
    script.Dialog(kChooser, [](HWND h) {
      AfxScript::SetCheck(h, kChildClasses, false);
      selectRows(h, {1}, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
      ::SetWindowTextA(::GetFocus(), "4");
      AfxScript::PressEnter();
    });
    script.Dialog(kChooser, [](HWND h) { AfxScript::Click(h, IDOK); });
    script.Dialog(kChooser, [](HWND h) {
      selectRows(h, {0}, LVIS_SELECTED, LVIS_SELECTED);
      AfxScript::Click(h, IDOK);
    });
  }
  std::string title = "Choose features", ok;
  {
    MpUiCNodeDlg dlg(title, data, features, false, false, true, true, false, nullptr, ok, none);
    const INT_PTR r = dlg.DoModal();
    print("node", r, dlg, false);
  }
  title = "Choose child classes";
  {
    MpUiCNodeDlg dlg(title, data, products, true, false, true, true, false, nullptr, ok, none);
    const INT_PTR r = dlg.DoModal();
    print("class", r, dlg, false);
  }
  {
    MpUiCNodeDlg dlg(title, data, products, true, false, true, true, true, nullptr, ok, none);
    const INT_PTR r = dlg.DoModal();
    print("amounts", r, dlg, true);
  }
  title = "Choose an attachment";
  {
    MpUiCSelAttachDlg dlg(title, data, attachments, false);
    const INT_PTR r = dlg.DoModal();
    print("attachment", r, dlg, false);
  }
  data->Release();
  return script.Verdict() ? 0 : 1;
}
