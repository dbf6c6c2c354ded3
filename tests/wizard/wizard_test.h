// The task-sheet tests: the shared hosted fixture and the sheet's caption and start.
#pragma once
#include <string>
#include "MpAppUiOptionsWizard.h"
#include "hosted.h"
#include "resource.h"

class WizardTest : public HostedTest {
 protected:
  static std::string Caption() { return Message(IDS_TASK_SHEET_CAPTION); }
  // Starts the sheet on a task with a preset (or none) and an empty selection.
  static bool Init(MpAppUiOptionsWizard& sheet, std::string task, IMpOptions* preset) {
    MpZulSmartList selection;
    return sheet.init(task, selection, preset);
  }
};
