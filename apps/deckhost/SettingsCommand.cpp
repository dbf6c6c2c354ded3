// DeckHost's "settings" command: the settings sheet and the options sheet over the host's
// settings service; unattended, a few values are changed, both sheets saved, and the committed
// groups printed with the values that differ from their defaults.
#include "SettingsCommand.h"
#include <afxscript.h>
#include <cstdio>
#include <string>
#include <vector>
#include "CommandScript.h"
#include "MpAppUiOptionsDlg.h"
#include "MpAppUiSettingsDlg.h"
#include "MpHostData.h"
#include "MpHostSettings.h"
#include "MpResourceString.h"
#include "resource.h"

namespace {

using G = MpHostSettingsGroup;

// Each committed group, with the values that differ from its defaults.
void PrintCommitted() {
  for (int i = 0; i < MpHostSettingsGroupCount; ++i) {
    const G group = static_cast<G>(i);
    if (MpHostCommitCount(group) == 0) continue;
    IMpOptions* committed = MpHostCommittedSettings(group);
    std::string changed;
    for (const auto& kv : MpHostSettingsDefaults(group)) {
      const std::string value = committed->getString(kv.first);
      if (value != kv.second) changed += "\n    " + kv.first + " = \"" + value + "\"";
    }
    committed->Release();
    std::printf("  %s committed%s\n", MpHostSettingsGroupName(group), changed.empty() ? ", all defaults" : ":");
    if (!changed.empty()) std::printf("%s\n", changed.c_str() + 1);
  }
}

}  // namespace

extern "C" int RunSettingsCommand(bool scripted) {
  IMpDataCustomization2* customization = MpHostCustomization::create();
  const std::string caption = MpGetResourceString(IDS_SETTINGS_CAPTION);
  deckhost::CommandScript script(scripted);
  if (scripted) {
    script.Sheet(caption, [](HWND h) {
      for (int i = 1; i < 10; ++i) AfxScript::SheetSelectPage(h, i);  // every page shown
      AfxScript::SheetSelectPage(h, 8);
      AfxScript::ChooseCombo(AfxScript::SheetPage(h), IDC_UNITS_TIME, 2);
      AfxScript::SheetSelectPage(h, 0);
      AfxScript::Click(AfxScript::SheetPage(h), IDC_STEP_DEBUG);
      AfxScript::SheetOK(h);
    });
    script.Sheet(caption, [](HWND h) {
      AfxScript::SheetSelectPage(h, 1);
      HWND p = AfxScript::SheetPage(h);
      AfxScript::Click(p, IDC_JQ_USE);
      AfxScript::TypeAndLeave(p, IDC_JQ_USER, "planner");
      AfxScript::SheetOK(h);
    });
  }
  int result = 0;
  {
    MpAppUiSettingsDlg sheet;
    sheet.addPages(customization);
    if (sheet.DoModal() == IDOK) {
      sheet.save();
      std::vector<std::string> notes;
      if (sheet.getNotifications(notes)) {
        for (const std::string& note : notes) std::printf("settings sheet: notification \"%s\"\n", note.c_str());
      }
    } else if (scripted) {
      result = 1;
    }
  }
  {
    MpAppUiOptionsDlg sheet;
    sheet.addPages(customization);
    if (sheet.DoModal() == IDOK) sheet.save();
    else if (scripted) result = 1;
  }
  customization->Release();
  std::printf("settings groups:\n");
  PrintCommitted();
  return script.Verdict() && result == 0 ? 0 : 1;
}
