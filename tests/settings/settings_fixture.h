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

// A check box of a page and the key it shows.
struct BoxKey {
  const char* key;
  int id;
};
// Each box shows its key's value: checked for exactly "on".
template <size_t N>
void ExpectBoxesShow(HWND page, MpHostSettingsGroup group, const BoxKey (&boxes)[N]) {
  for (const BoxKey& b : boxes) EXPECT_EQ(Value(group, b.key) == "on", Checked(page, b.id)) << b.key;
}
// Clicks each enabled plain check box once: its key is written "on" or "off" as the box now is.
template <size_t N>
void ExpectClicksWrite(HWND page, MpHostSettingsGroup group, const BoxKey (&boxes)[N]) {
  for (const BoxKey& b : boxes) {
    const DWORD type = ::GetWindowLongA(::GetDlgItem(page, b.id), GWL_STYLE) & BS_TYPEMASK;
    if (type != BS_AUTOCHECKBOX || !Enabled(page, b.id)) continue;
    const bool before = Checked(page, b.id);
    AfxScript::Click(page, b.id);
    EXPECT_EQ(before ? "off" : "on", Value(group, b.key)) << b.key;
  }
}

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

  // Expects exactly `count` log calls since the last ClearLogs, each a refused number of the page
  // whose source file is given.
  static void ExpectRefusals(const char* sourceFile, const char* what, size_t count) {
    const std::vector<MpLogRecord> logs = Logs();
    ASSERT_EQ(count, logs.size()) << what;
    for (const MpLogRecord& log : logs) {
      EXPECT_EQ(200, log.severity) << what;
      EXPECT_EQ(0, log.flag) << what;
      EXPECT_EQ(settingstest::RefusalText(), log.message) << what;
      EXPECT_FALSE(log.message.empty()) << what;
      EXPECT_EQ(sourceFile, log.sourceFile) << what;
      EXPECT_GT(log.line, 0) << what;
    }
  }
  static void ExpectOneRefusal(const char* sourceFile, const char* what) { ExpectRefusals(sourceFile, what, 1); }

 private:
  long m_liveBefore = 0;
};
