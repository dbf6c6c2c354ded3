// The page base: tooltips from string resources, the run-time classes, and the group's life:
// fetched when a page is first shown, committed by save, held by no page never shown.
#include "MpAppUiCatiaQyPage.h"
#include "MpAppUiCorvanePage.h"
#include "MpAppUiQyPage.h"
#include "MpAppUiStepPage.h"
#include "settings_fixture.h"
#include <commctrl.h>
#include <memory>

using namespace AfxScript;
using namespace settingstest;

namespace {

typedef SettingsTest PropertyPageTest;

// Asks the page for the tooltip text of a control, as the page's tooltip control does.
struct TipRequest {
  std::string text;
  bool textSet = false;  // the page answered
};
TipRequest AskTip(HWND page, HWND tool, UINT flags) {
  static char sentinel[] = "unchanged";
  TOOLTIPTEXTA ttt{};
  ttt.hdr.code = TTN_NEEDTEXTA;
  ttt.uFlags = flags;
  ttt.lpszText = sentinel;
  CWnd* wnd = CWnd::FromHandlePermanent(page);
  ttt.hdr.hwndFrom = wnd ? wnd->GetToolTipHandle() : nullptr;
  ttt.hdr.idFrom = reinterpret_cast<UINT_PTR>(tool);
  TipRequest r;
  if (wnd) wnd->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&ttt));
  r.textSet = ttt.lpszText != sentinel;
  if (r.textSet && ttt.lpszText) r.text = ttt.lpszText;
  return r;
}

// A label of the page: a control with no string of its own.
HWND FirstLabel(HWND page) {
  for (HWND c = ::GetWindow(page, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    char cls[16] = {};
    ::GetClassNameA(c, cls, sizeof(cls));
    if (lstrcmpiA(cls, "Static") == 0) return c;
  }
  return nullptr;
}

TEST_F(PropertyPageTest, TooltipsComeFromTheStringOfEachControl) {
  MpAppUiStepPage step;
  MpAppUiQyPage qy;
  MpAppUiCatiaQyPage catia;
  MpAppUiCorvanePage corvane;
  TestSheet sheet({&step, &qy, &catia, &corvane});
  int pagesSeen = 0;
  auto checkPage = [&](HWND h) {
    HWND p = SheetPage(h);
    CWnd* wnd = CWnd::FromHandlePermanent(p);
    ASSERT_NE(nullptr, wnd);
    HWND tip = wnd->GetToolTipHandle();
    ASSERT_NE(nullptr, tip) << "tooltips are on";
    EXPECT_GT(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    int controls = 0;
    for (HWND c = ::GetWindow(p, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
      const int id = ::GetDlgCtrlID(c);
      if (id <= 0 || id >= 0xFFFF) continue;
      ++controls;
      CString expected;
      ASSERT_TRUE(expected.LoadString(id)) << "every control of the page has its tooltip: " << id;
      TipRequest r = AskTip(p, c, TTF_IDISHWND);
      EXPECT_TRUE(r.textSet) << id;
      EXPECT_EQ(std::string(static_cast<LPCSTR>(expected)), r.text) << id;
    }
    EXPECT_GE(controls, 9);
    EXPECT_EQ(300, ::SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0));
    EXPECT_EQ(32767, ::SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0))
        << "the tip stays up as long as the control allows";

    // A label has no string: an empty text, which the tooltip control does not show.
    HWND label = FirstLabel(p);
    ASSERT_NE(nullptr, label);
    TipRequest empty = AskTip(p, label, TTF_IDISHWND);
    EXPECT_TRUE(empty.textSet);
    EXPECT_EQ("", empty.text);
    // A tool not named by its window is not the page's business.
    TipRequest byId = AskTip(p, ::GetDlgItem(p, ::GetDlgCtrlID(::GetWindow(p, GW_CHILD))), 0);
    EXPECT_FALSE(byId.textSet);
    ++pagesSeen;
  };
  script.Sheet(kSheetCaption, [&](HWND h) { checkPage(h); SheetSelectPage(h, 1); })
      .Sheet(kSheetCaption, [&](HWND h) { checkPage(h); SheetSelectPage(h, 2); })
      .Sheet(kSheetCaption, [&](HWND h) { checkPage(h); SheetSelectPage(h, 3); })
      .Sheet(kSheetCaption, [&](HWND h) { checkPage(h); SheetCancel(h); });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_EQ(4, pagesSeen);
}

TEST_F(PropertyPageTest, PagesAreCreatableByRunTimeClassAndTellNothing) {
  for (const auto& e : std::initializer_list<std::pair<CRuntimeClass*, const char*>>{
           {RUNTIME_CLASS(MpAppUiStepPage), "MpAppUiStepPage"},
           {RUNTIME_CLASS(MpAppUiQyPage), "MpAppUiQyPage"},
           {RUNTIME_CLASS(MpAppUiCatiaQyPage), "MpAppUiCatiaQyPage"},
           {RUNTIME_CLASS(MpAppUiCorvanePage), "MpAppUiCorvanePage"},
           {RUNTIME_CLASS(MpAppUiPropertyPage), "MpAppUiPropertyPage"}}) {
    EXPECT_STREQ(e.second, e.first->m_lpszClassName);
    std::unique_ptr<CObject> object(e.first->CreateObject());
    MpAppUiPropertyPage* page = DYNAMIC_DOWNCAST(MpAppUiPropertyPage, object.get());
    ASSERT_NE(nullptr, page) << e.second;
    std::vector<std::string> words = {"kept"};
    EXPECT_FALSE(page->getNotifications(words)) << e.second;
    EXPECT_EQ(std::vector<std::string>{"kept"}, words) << e.second;
  }
}

TEST_F(PropertyPageTest, SaveCommitsTheGroupsOfTheShownPagesOnly) {
  MpAppUiStepPage step;
  MpAppUiQyPage qy;
  MpAppUiCatiaQyPage catia;
  MpAppUiCorvanePage corvane;
  TestSheet sheet({&step, &qy, &catia, &corvane});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        Click(SheetPage(h), IDC_STEP_DEBUG);
        SheetSelectPage(h, 3);
      })
      .Sheet(kSheetCaption, [&](HWND h) {
        Click(SheetPage(h), IDC_CORVANE_HEALING);
        SheetOK(h);
      });
  ASSERT_EQ(IDOK, sheet.DoModal());
  EXPECT_EQ(nullptr, qy.settings()) << "a page never shown holds no group";
  EXPECT_EQ(nullptr, catia.settings());
  EXPECT_EQ(MpHostSettings(MpHostSettingsGroup::Step), step.settings()) << "kept after the sheet closed";

  // Default on a page never shown reaches no group and refills nothing.
  Group(MpHostSettingsGroup::Qy)->setString("qy_attrib", "changed");
  qy.restoreDefaults();
  EXPECT_EQ("changed", Value(MpHostSettingsGroup::Qy, "qy_attrib"));

  for (MpAppUiPropertyPage* page : std::initializer_list<MpAppUiPropertyPage*>{&step, &qy, &catia, &corvane})
    page->save();
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Step));
  EXPECT_EQ(1, MpHostCommitCount(MpHostSettingsGroup::Corvane));
  EXPECT_EQ(0, MpHostCommitCount(MpHostSettingsGroup::Qy));
  EXPECT_EQ(0, MpHostCommitCount(MpHostSettingsGroup::CatiaQy));
  IMpOptionsPtr committed;
  committed.attach(MpHostCommittedSettings(MpHostSettingsGroup::Step));
  ASSERT_FALSE(committed.isNull());
  EXPECT_EQ(Default(MpHostSettingsGroup::Step, "debug") == "on" ? "off" : "on", committed->getString("debug"));
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

TEST_F(PropertyPageTest, WithoutALoggerARefusalStillPutsTheFocusBack) {
  g_spLogger = nullptr;
  MpAppUiCorvanePage page;
  TestSheet sheet({&page});
  script.Sheet(kSheetCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    TypeAndLeave(p, IDC_CORVANE_TOLERANCE, "-1");
    EXPECT_TRUE(FocusedAndSelected(p, IDC_CORVANE_TOLERANCE));
    EXPECT_EQ(Default(MpHostSettingsGroup::Corvane, "corvane_simpli_tol"),
              Value(MpHostSettingsGroup::Corvane, "corvane_simpli_tol"));
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  MpResetLogger();
  EXPECT_TRUE(Logs().empty());
}

}  // namespace
