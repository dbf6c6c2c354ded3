// Shared set-up of the task-sheet tests: the host installed, the resource module's strings
// reachable, the recording logger cleared, a script player, and a leak check of host objects.
#pragma once
#include <string>
#include <vector>
#include "MpAppUiOptionsWizard.h"
#include "MpHost.h"
#include "MpHostData.h"
#include "MpHostOptions.h"
#include "MpLogging.h"
#include "MpResourceString.h"
#include "MpUiResourceString.h"
#include "resource.h"
#include "wdtest.h"

class WizardTest : public ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    m_liveBefore = MpHostLiveObjects();
    ASSERT_TRUE(MpHostInstall());
    ASSERT_TRUE(MpRegisterResourceModule(wdtest::ResourceModule()));
    MpResetLogger();
  }
  void TearDown() override {
    MpHostUninstall();
    EXPECT_EQ(m_liveBefore, MpHostLiveObjects()) << "host objects left alive";
    ScriptedTest::TearDown();
  }

  static std::string Caption() { return getResourceString(IDS_TASK_SHEET_CAPTION, "", "", "", ""); }
  static std::string Message(unsigned id, const std::string& insert1 = "") {
    return getResourceString(id, insert1, "", "", "");
  }
  static std::vector<MpLogRecord> Logged() { return MpDefaultLogger()->records(); }

  // Starts the sheet on a task with a preset (or none) and an empty selection.
  static bool Init(MpAppUiOptionsWizard& sheet, std::string task, IMpOptions* preset) {
    MpZulSmartList selection;
    return sheet.init(task, selection, preset);
  }

  // A new bag of the host's, one reference for the test, with string values.
  static IMpOptions* Bag(const std::vector<std::pair<std::string, std::string>>& strings = {}) {
    IMpOptions* bag = MpHostCreateOptions();
    for (const auto& kv : strings) bag->setString(kv.first, kv.second);
    return bag;
  }

  // The boxes shown so far as (message id found by text, icon bits).
  std::vector<std::pair<std::string, UINT>> Boxes() const {
    std::vector<std::pair<std::string, UINT>> result;
    for (const AfxScript::ShownBox& b : script.boxes) result.emplace_back(b.text, b.type & MB_ICONMASK);
    return result;
  }

 private:
  long m_liveBefore = 0;
};
