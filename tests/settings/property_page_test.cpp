// The page base: tooltips from string resources, and the group's life: fetched when a page is
// first shown, committed by save, held by no page never shown.
#include "settings_sheet.h"
#include <commctrl.h>
#include "MpAppUiCustomerPage.h"
#include "MpAppUiExchangeAdpaterJQINPage.h"
#include "MpAppUiExchangeAdpaterPage.h"
#include "MpAppUiExportGraphicalObjectPage.h"
#include "MpAppUiFeaturePage.h"
#include "MpAppUiHondaPage.h"
#include "MpAppUiOperationPage.h"
#include "MpAppUiOutputPage.h"
#include "MpAppUiSequencePage.h"
#include "MpAppUiUnitsPage.h"

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

// On every settings page, every control's tip is the string with its identifier, given by
// pointer, so with no instance (an instance would make the tooltip control read the pointer as a
// string identifier); a label without a string gets an empty text, which the tooltip control does
// not show. (The output page's option list answers with its rows' own tips, seen elsewhere.)
TEST_F(PropertyPageTest, TooltipsComeFromTheStringOfEachControl) {
  MpAppUiStepPage step;
  MpAppUiQyPage qy;
  MpAppUiCatiaQyPage catia;
  MpAppUiCorvanePage corvane;
  MpAppUiUnitsPage units;
  MpAppUiExportGraphicalObjectPage exportPage;
  MpAppUiCustomerPage customer;
  MpAppUiFeaturePage feature;
  MpAppUiOperationPage operation;
  MpAppUiHondaPage honda;
  MpAppUiSequencePage sequence;
  MpAppUiExchangeAdpaterPage exchange;
  MpAppUiExchangeAdpaterJQINPage jqin;
  MpAppUiOutputPage output;
  Sheet sheet({&step, &qy, &catia, &corvane, &units, &exportPage, &customer, &feature, &operation, &honda, &sequence,
               &exchange, &jqin, &output});
  const int pageCount = sheet.GetPageCount();
  int pagesSeen = 0, labels = 0;
  auto checkPage = [&](HWND h, int next) {
    HWND p = SheetPage(h);
    const std::string page = CWnd::FromHandlePermanent(p)->GetRuntimeClass()->m_lpszClassName;
    HWND tip = CWnd::FromHandlePermanent(p)->GetToolTipHandle();
    ASSERT_NE(nullptr, tip) << "tooltips are on: " << page;
    int controls = 0;
    for (HWND c = ::GetWindow(p, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
      const int id = ::GetDlgCtrlID(c);
      if (id == IDC_OUT_OPTIONS) continue;
      const TipAnswer a = AskTip(p, c, TTF_IDISHWND);
      EXPECT_TRUE(a.answered) << page << " " << id;
      EXPECT_EQ(nullptr, a.hinst) << "a text given by pointer: " << page << " " << id;
      if (id > 0 && id < 0xFFFF) {
        ++controls;
        CString expected;
        expected.LoadString(id);
        EXPECT_EQ(std::string((LPCSTR)expected), a.text) << page << " " << id;
        EXPECT_FALSE(a.text.empty()) << "every control of the page has its tooltip: " << page << " " << id;
      } else {
        ++labels;
        EXPECT_EQ("", a.text) << page;
      }
    }
    EXPECT_GE(controls, 3) << page;
    EXPECT_EQ(300, ::SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0)) << page;
    EXPECT_EQ(32767, ::SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0)) << page;
    EXPECT_FALSE(AskTip(p, ::GetWindow(p, GW_CHILD), 0).answered) << "a tool not named by its window: " << page;
    ++pagesSeen;
    if (next < pageCount) SheetSelectPage(h, next);
    else SheetCancel(h);
  };
  for (int next = 1; next <= pageCount; ++next) script.Sheet(kCaption, [&, next](HWND h) { checkPage(h, next); });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_EQ(pageCount, pagesSeen);
  EXPECT_GT(labels, 0);
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
