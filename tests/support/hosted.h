// A test inside the in-memory host: its services installed (a fresh settings store with its
// defaults), the resource module's texts registered, the recording logger emptied, a script
// player, and a leak check of host objects at the end.
#pragma once
#include <string>
#include <vector>
#include "MpHost.h"
#include "MpHostOptions.h"
#include "MpHostSettings.h"
#include "MpLogging.h"
#include "MpResourceString.h"
#include "wdtest.h"

namespace wdtest {

inline bool Checked(HWND dlg, int id) { return ::SendMessageA(::GetDlgItem(dlg, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
inline bool Enabled(HWND dlg, int id) { return ::IsWindowEnabled(::GetDlgItem(dlg, id)) != FALSE; }
// The text of the chosen entry of a combo box, "" when none is chosen; read as the library reads
// entries, so that one of any length comes back whole.
inline std::string Chosen(HWND dlg, int id) {
  auto* combo = static_cast<CComboBox*>(CWnd::FromHandle(::GetDlgItem(dlg, id)));
  CString text;
  const int index = combo->GetCurSel();
  if (index >= 0) combo->GetLBText(index, text);
  return std::string(text);
}
// Whether the edit has the focus with its whole text selected.
inline bool FocusedAndSelected(HWND dlg, int id) {
  HWND edit = ::GetDlgItem(dlg, id);
  DWORD start = 0, end = 0;
  ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return ::GetFocus() == edit && start == 0 && end == (DWORD)::GetWindowTextLengthA(edit);
}

}  // namespace wdtest

class HostedTest : public ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    m_liveBefore = MpHostLiveObjects();
    ASSERT_TRUE(MpHostInstall());
    ASSERT_TRUE(MpRegisterResourceModule(wdtest::ResourceModule()));
    MpResetLogger();
  }
  void TearDown() override {
    MpHostSetCommitFailure(false);
    MpHostUninstall();
    MpResetLogger();
    EXPECT_EQ(m_liveBefore, MpHostLiveObjects()) << "host objects left alive";
    ScriptedTest::TearDown();
  }

  // Every log call since the test began (or since the last ClearLogs).
  static std::vector<MpLogRecord> Logs() { return MpDefaultLogger()->records(); }
  static void ClearLogs() { MpDefaultLogger()->clear(); }
  static std::string Message(unsigned id, const std::string& insert1 = "") { return MpGetResourceString(id, insert1); }

  // A new bag of the host's, one reference for the test, with string values.
  static IMpOptions* Bag(const std::vector<std::pair<std::string, std::string>>& strings = {}) {
    IMpOptions* bag = MpHostCreateOptions();
    for (const auto& kv : strings) bag->setString(kv.first, kv.second);
    return bag;
  }

  // The message boxes shown so far as (text, icon bits).
  std::vector<std::pair<std::string, UINT>> Boxes() const {
    std::vector<std::pair<std::string, UINT>> result;
    for (const AfxScript::ShownBox& b : script.boxes) result.emplace_back(b.text, b.type & MB_ICONMASK);
    return result;
  }

 private:
  long m_liveBefore = 0;
};
