// What the settings-page tests share: the host with its settings store, the recording logger,
// the resource module's texts, and a plain property sheet to show pages in.
#pragma once
#include <afxdlgs.h>
#include <initializer_list>
#include <string>
#include <vector>
#include "MpHost.h"
#include "MpHostSettings.h"
#include "MpLogging.h"
#include "MpResourceString.h"
#include "MpSmartPointers.h"
#include "resource.h"
#include "wdtest.h"

namespace settingstest {

constexpr const char* kSheetCaption = "Settings test";

// A plain sheet with the given pages, in order.
class TestSheet : public CPropertySheet {
 public:
  explicit TestSheet(std::initializer_list<CPropertyPage*> pages) : CPropertySheet(kSheetCaption) {
    for (CPropertyPage* page : pages) AddPage(page);
  }
};

inline bool Checked(HWND page, int id) {
  return ::SendMessageA(::GetDlgItem(page, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}
inline bool Enabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }
// The text of the chosen entry of a combo box, "" when none is chosen.
inline std::string Chosen(HWND page, int id) {
  HWND combo = ::GetDlgItem(page, id);
  const int index = (int)::SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index < 0) return "";
  char buf[64] = {};
  ::SendMessageA(combo, CB_GETLBTEXT, (WPARAM)index, reinterpret_cast<LPARAM>(buf));
  return buf;
}
// Whether the edit has the focus with its whole text selected.
inline bool FocusedAndSelected(HWND page, int id) {
  HWND edit = ::GetDlgItem(page, id);
  DWORD start = 0, end = 0;
  ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return ::GetFocus() == edit && start == 0 && end == (DWORD)::GetWindowTextLengthA(edit);
}
// Ticks or clears a check box without a click: no notification reaches the page.
inline void SetCheckQuietly(HWND page, int id, bool checked) {
  ::SendMessageA(::GetDlgItem(page, id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

inline IMpOptions* Group(MpHostSettingsGroup group) { return MpHostSettings(group); }
inline std::string Value(MpHostSettingsGroup group, const char* key) { return Group(group)->getString(key); }
inline std::string Default(MpHostSettingsGroup group, const char* key) {
  const auto& defaults = MpHostSettingsDefaults(group);
  auto it = defaults.find(key);
  return it == defaults.end() ? std::string() : it->second;
}

// The text of the message a page logs for a refused number.
inline std::string RefusalText() { return MpGetResourceString(IDS_SETTINGS_NOT_POSITIVE); }

}  // namespace settingstest

// A scripted test with the host installed (a fresh settings store with its defaults), the
// default recording logger emptied, and the resource module's texts registered.
class SettingsTest : public ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    m_liveBefore = MpHostLiveObjects();
    ASSERT_TRUE(MpHostInstall());
    MpRegisterResourceModule(wdtest::ResourceModule());
    MpResetLogger();
  }
  void TearDown() override {
    MpHostSetCommitFailure(false);
    MpHostUninstall();
    MpResetLogger();
    EXPECT_EQ(m_liveBefore, MpHostLiveObjects()) << "host objects left alive";
    ScriptedTest::TearDown();
  }

  // Every log call since the test began.
  static std::vector<MpLogRecord> Logs() { return MpDefaultLogger()->records(); }
  static void ClearLogs() { MpDefaultLogger()->clear(); }

  // Expects exactly one log call since the last ClearLogs: a refused number of the page whose
  // source file is given.
  static void ExpectOneRefusal(const char* sourceFile, const char* what) {
    const std::vector<MpLogRecord> logs = Logs();
    ASSERT_EQ(1u, logs.size()) << what;
    EXPECT_EQ(200, logs[0].severity) << what;
    EXPECT_EQ(0, logs[0].flag) << what;
    EXPECT_EQ(settingstest::RefusalText(), logs[0].message) << what;
    EXPECT_FALSE(logs[0].message.empty()) << what;
    EXPECT_EQ(sourceFile, logs[0].sourceFile) << what;
    EXPECT_GT(logs[0].line, 0) << what;
  }

 private:
  long m_liveBefore = 0;
};
