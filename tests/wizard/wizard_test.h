// The task-sheet tests: the shared hosted fixture and the sheet's caption and start.
#pragma once
#include <string>
#include <vector>
#include "MpAppUiOptionsWizard.h"
#include "MpHostData.h"
#include "MpHostSample.h"
#include "hosted.h"
#include "resource.h"
#include <commctrl.h>

class WizardTest : public HostedTest {
 protected:
  static std::string Caption() { return Message(IDS_TASK_SHEET_CAPTION); }
  // Starts the sheet on a task with a preset (or none) and an empty selection.
  static bool Init(MpAppUiOptionsWizard& sheet, std::string task, IMpOptions* preset) {
    MpZulSmartList selection;
    return sheet.init(task, selection, preset);
  }
  // The objects of the data store with those names, as a selection.
  static MpZulSmartList Select(MpHostData* data, std::initializer_list<const char*> names) {
    MpZulSmartList selection;
    for (const char* name : names)
      selection.push_back(static_cast<IMpZulNode*>(data->node(data->find("", name))), true);
    return selection;
  }
  // The entries of a combo box (or list box), in order.
  static std::vector<std::string> Entries(HWND page, int id, bool listBox = false) {
    std::vector<std::string> entries;
    const int count = (int)::SendDlgItemMessageA(page, id, listBox ? LB_GETCOUNT : CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
      char text[128] = {};
      ::SendDlgItemMessageA(page, id, listBox ? LB_GETTEXT : CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
      entries.push_back(text);
    }
    return entries;
  }
  // The text of one of the sheet's tabs.
  static std::string Tab(HWND sheet, int index) {
    char text[64] = {};
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ::SendMessageA(PropSheet_GetTabControl(sheet), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
  }
};
