// The order of the messages a modal dialog, a property sheet and their owner receive, compared
// with the order Windows sends them (the stand-in creates, runs and ends these windows itself).
#include "message_log.h"
#include "test_ids.h"
#include "wdtest.h"
#include <afxdlgs.h>

using namespace AfxScript;
using wdtest::MessageLog;

namespace {

// A page that refuses to be left while told to.
class LoggedPage : public wdtest::Logged<CPropertyPage> {
 public:
  LoggedPage(MessageLog& log, const char* who, UINT templateId) : Logged(log, who, templateId) {}
  bool refuseToLeave = false;
  BOOL OnKillActive() override { return !refuseToLeave && CPropertyPage::OnKillActive(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    // How the sheet destroys its pages is the common controls' own business.
    if (message == WM_DESTROY || message == WM_NCDESTROY) return CPropertyPage::WindowProc(message, wParam, lParam);
    return Logged::WindowProc(message, wParam, lParam);
  }
};

class LoggedSheet : public wdtest::Logged<CPropertySheet> {
 public:
  LoggedSheet(MessageLog& log, CWnd* owner)
      : Logged(log, "sheet", "Ordered", owner), m_first(log, "page1", IDD_WD_SAMPLE_PAGE1),
        m_second(log, "page2", IDD_WD_SAMPLE_PAGE2) {
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPage(&m_first);
    AddPage(&m_second);
  }
  LoggedPage m_first, m_second;
};

// A modal window's owner: a visible, active top-level window whose messages are kept as "owner".
class MessageOrderTest : public ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    m_owner = ::CreateWindowExA(0, "STATIC", "Owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(m_owner, nullptr);
    ::SetActiveWindow(m_owner);
    ASSERT_EQ(::GetActiveWindow(), m_owner);
  }
  void TearDown() override {
    ::DestroyWindow(m_owner);
    ScriptedTest::TearDown();
  }
  CWnd* Owner() const { return CWnd::FromHandle(m_owner); }
  HWND m_owner = nullptr;
};

}  // namespace

// A modal dialog: the owner is disabled before the dialog exists; the dialog gets its font, then
// WM_INITDIALOG, is activated and shown; the owner hears each time the loop runs out of messages.
// On OK the owner is enabled again before the dialog is hidden, takes the activation back, and
// only then is the dialog destroyed.
TEST_F(MessageOrderTest, ModalDialogFromCreationToDestruction) {
  MessageLog log({WM_CREATE, WM_SETFONT, WM_INITDIALOG, WM_SHOWWINDOW, WM_ACTIVATE, WM_ENABLE, WM_ENTERIDLE,
                  WM_COMMAND, WM_DESTROY, WM_NCDESTROY});
  log.Watch(m_owner, "owner");
  wdtest::Logged<CDialog> dlg(log, "dialog", IDD_WD_SAMPLE);
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    EXPECT_TRUE(log.Matches({{"owner", WM_ENABLE, FALSE},
                             {"dialog", WM_CREATE},
                             {"dialog", WM_SETFONT},
                             {"dialog", WM_INITDIALOG},
                             // its default focus, the first control, activates it
                             {"owner", WM_ACTIVATE, WA_INACTIVE},
                             {"dialog", WM_ACTIVATE, WA_ACTIVE},
                             {"dialog", WM_COMMAND, IDC_WD_SAMPLE_NAME},
                             {"dialog", WM_SHOWWINDOW, TRUE},
                             {"owner", WM_ENTERIDLE, MSGF_DIALOGBOX}}));
    log.Clear();
    Click(h, IDOK);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_TRUE(log.Matches({{"dialog", WM_COMMAND, IDC_WD_SAMPLE_NAME},  // the edit loses the focus
                           {"dialog", WM_COMMAND, IDOK},
                           {"owner", WM_ENABLE, TRUE},
                           {"dialog", WM_ACTIVATE, WA_INACTIVE},
                           {"owner", WM_ACTIVATE, WA_ACTIVE},
                           {"dialog", WM_DESTROY},
                           {"dialog", WM_NCDESTROY}}));
  EXPECT_EQ(::GetActiveWindow(), m_owner);
}

// A property sheet: each page is created when first shown and told it is active; leaving a page
// asks it first, and a page that refuses keeps the sheet on it; OK asks the current page, then
// applies every page that exists, in order, and the sheet ends with OK; Cancel asks the current
// page, then resets every page that exists.
TEST_F(MessageOrderTest, PropertySheetActivationApplyAndResult) {
  MessageLog log({WM_INITDIALOG, PSN_SETACTIVE, PSN_KILLACTIVE, PSN_APPLY, PSN_RESET, PSN_QUERYCANCEL, WM_ENABLE,
                  WM_ENTERIDLE, WM_DESTROY, WM_NCDESTROY});
  log.Watch(m_owner, "owner");
  LoggedSheet sheet(log, Owner());
  script
      .Sheet("Ordered", [&](HWND h) {
        EXPECT_TRUE(log.Matches({{"owner", WM_ENABLE, FALSE},
                                 {"sheet", WM_INITDIALOG},
                                 {"page1", WM_INITDIALOG},
                                 {"page1", PSN_SETACTIVE},
                                 {"owner", WM_ENTERIDLE, MSGF_DIALOGBOX}}));
        log.Clear();
        SheetSelectPage(h, 1);
        EXPECT_TRUE(log.Matches({{"page1", PSN_KILLACTIVE}, {"page2", WM_INITDIALOG}, {"page2", PSN_SETACTIVE}}));
        log.Clear();
        SheetSelectPage(h, 0);
        sheet.m_first.refuseToLeave = true;
        SheetSelectPage(h, 1);
        EXPECT_TRUE(log.Matches({{"page2", PSN_KILLACTIVE}, {"page1", PSN_SETACTIVE}, {"page1", PSN_KILLACTIVE}}));
        EXPECT_EQ(sheet.GetActiveIndex(), 0);
        sheet.m_first.refuseToLeave = false;
      })
      .Sheet("Ordered", [&](HWND h) {
        log.Clear();
        SheetOK(h);
      });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(sheet.m_first.m_hWnd, nullptr);
  EXPECT_EQ(sheet.m_second.m_hWnd, nullptr);
  EXPECT_TRUE(log.Matches({{"page1", PSN_KILLACTIVE},
                           {"page1", PSN_APPLY, TRUE},
                           {"page2", PSN_APPLY, TRUE},
                           {"owner", WM_ENABLE, TRUE},
                           {"sheet", WM_DESTROY},
                           {"sheet", WM_NCDESTROY}}));

  LoggedSheet cancelled(log, Owner());
  log.Clear();
  script.Sheet("Ordered", [&](HWND h) {
    SheetSelectPage(h, 1);
    log.Clear();
    SheetCancel(h);
  });
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_TRUE(log.Matches({{"page2", PSN_QUERYCANCEL},
                           {"page1", PSN_RESET, FALSE},
                           {"page2", PSN_RESET, FALSE},
                           {"owner", WM_ENABLE, TRUE},
                           {"sheet", WM_DESTROY},
                           {"sheet", WM_NCDESTROY}}));
}
