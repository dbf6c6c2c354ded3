// The page base: tooltips from string resources, and the group's life: fetched when a page is
// first shown, committed by save, held by no page never shown.
#include "settings_sheet.h"
#include <commctrl.h>

using namespace AfxScript;

namespace {

using PropertyPageTest = HostedTest;

// Asks the page for a tool's text as its tooltip control does; the answer's text and instance.
struct TipAnswer {
  bool answered = false;
  std::string text;
  HINSTANCE hinst = nullptr;
};
TipAnswer AskTip(HWND page, HWND tool, UINT flags) {
  static char sentinel[] = "unchanged";
  TOOLTIPTEXTA ttt{};
  ttt.hdr.code = TTN_NEEDTEXTA;
  ttt.uFlags = flags;
  ttt.lpszText = sentinel;
  CWnd* wnd = CWnd::FromHandlePermanent(page);
  ttt.hdr.hwndFrom = wnd->GetToolTipHandle();
  ttt.hdr.idFrom = reinterpret_cast<UINT_PTR>(tool);
  wnd->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ttt));
  TipAnswer a;
  a.answered = ttt.lpszText != sentinel;
  if (a.answered && ttt.lpszText) a.text = ttt.lpszText;
  a.hinst = ttt.hinst;
  return a;
}

// Every control's tip is the string with its identifier, given by pointer, so with no instance
// (an instance would make the tooltip control read the pointer as a string identifier); a label
// without a string gets an empty text, which the tooltip control does not show.
TEST_F(PropertyPageTest, TooltipsComeFromTheStringOfEachControl) {
  MpAppUiStepPage step;
  MpAppUiQyPage qy;
  MpAppUiCatiaQyPage catia;
  MpAppUiCorvanePage corvane;
  Sheet sheet({&step, &qy, &catia, &corvane});
  int pagesSeen = 0;
  auto checkPage = [&](HWND h, int next) {
    HWND p = SheetPage(h);
    HWND tip = CWnd::FromHandlePermanent(p)->GetToolTipHandle();
    ASSERT_NE(nullptr, tip) << "tooltips are on";
    int controls = 0, labels = 0;
    for (HWND c = ::GetWindow(p, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
      const int id = ::GetDlgCtrlID(c);
      const TipAnswer a = AskTip(p, c, TTF_IDISHWND);
      EXPECT_TRUE(a.answered) << id;
      EXPECT_EQ(nullptr, a.hinst) << "a text given by pointer: " << id;
      if (id > 0 && id < 0xFFFF) {
        ++controls;
        CString expected;
        expected.LoadString(id);
        EXPECT_EQ(std::string((LPCSTR)expected), a.text) << id;
        EXPECT_FALSE(a.text.empty()) << "every control of the page has its tooltip: " << id;
      } else {
        ++labels;
        EXPECT_EQ("", a.text);
      }
    }
    EXPECT_GE(controls, 9);
    EXPECT_GT(labels, 0);
    EXPECT_EQ(300, ::SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0));
    EXPECT_EQ(32767, ::SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    EXPECT_FALSE(AskTip(p, ::GetWindow(p, GW_CHILD), 0).answered) << "a tool not named by its window";
    ++pagesSeen;
    if (next < 4) SheetSelectPage(h, next);
    else SheetCancel(h);
  };
  for (int next = 1; next <= 4; ++next) script.Sheet(kCaption, [&, next](HWND h) { checkPage(h, next); });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_EQ(4, pagesSeen);
}

TEST_F(PropertyPageTest, SaveCommitsTheGroupsOfTheShownPagesOnly) {
  MpAppUiStepPage step;
  MpAppUiQyPage qy;
  MpAppUiCorvanePage corvane;
  Sheet sheet({&step, &qy, &corvane});
  script
      .Sheet(kCaption, [&](HWND h) {
        Click(SheetPage(h), IDC_STEP_DEBUG);
        SheetSelectPage(h, 2);
      })
      .Sheet(kCaption, [&](HWND h) { SheetOK(h); });
  ASSERT_EQ(IDOK, sheet.DoModal());
  EXPECT_EQ(nullptr, qy.settings()) << "a page never shown holds no group";
  EXPECT_EQ(MpHostSettings(MpHostSettingsGroup::Step), step.settings()) << "kept after the sheet closed";

  // Default on a page never shown reaches no group.
  MpHostSettings(MpHostSettingsGroup::Qy)->setString("qy_attrib", "changed");
  qy.restoreDefaults();
  EXPECT_EQ("changed", MpHostSettings(MpHostSettingsGroup::Qy)->getString("qy_attrib"));

  for (MpAppUiPropertyPage* page : std::initializer_list<MpAppUiPropertyPage*>{&step, &qy, &corvane}) page->save();
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Step));
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Corvane));
  EXPECT_EQ(0, MpHostCommitCount(MpHostSettingsGroup::Qy));
  IMpOptionsPtr committed;
  committed.attach(MpHostCommittedSettings(MpHostSettingsGroup::Step));
  ASSERT_FALSE(committed.isNull());
  EXPECT_EQ("on", committed->getString("debug"));
  EXPECT_TRUE(Logs().empty());

  // A commit that fails is logged as an error naming the page.
  MpHostSetCommitFailure(true);
  corvane.save();
  const std::vector<MpLogRecord> logs = Logs();
  ASSERT_EQ(1u, logs.size());
  EXPECT_EQ(400, logs[0].severity);
  EXPECT_EQ(0, logs[0].flag);
  EXPECT_NE(std::string::npos, logs[0].message.find("MpAppUiCorvanePage")) << logs[0].message;
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Corvane));
}

}  // namespace
