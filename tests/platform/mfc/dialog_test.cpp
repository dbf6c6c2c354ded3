// Dialogs from the resource module, run by the scripted modal loop.
#include "resource.h"
#include "sample_dialog.h"
#include <afxdllx.h>

using namespace AfxScript;

using DialogTest = ScriptedTest;

TEST_F(DialogTest, TypesPressesOkAndReadsValuesBack) {
  SampleDlg dlg;
  dlg.m_name = "preset";
  std::string shownName;
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    shownName = Text(h, IDC_WD_SAMPLE_NAME);  // filled from the member at start
    TypeAndLeave(h, IDC_WD_SAMPLE_NAME, "Bracket");
    Type(h, IDC_WD_SAMPLE_COUNT, "12");
    SetCheck(h, IDC_WD_SAMPLE_CHECK, true);
    EXPECT_TRUE(ChooseComboText(h, IDC_WD_SAMPLE_COMBO, "beta"));
    Click(h, IDOK);
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(shownName, "preset");
  EXPECT_STREQ(dlg.m_name, "Bracket");
  EXPECT_EQ(dlg.m_count, 12);
  EXPECT_TRUE(dlg.m_enabled);
  EXPECT_EQ(dlg.m_nameKillFocus, 1);  // tabbing away
  EXPECT_EQ(dlg.m_hWnd, nullptr);     // the window is gone after DoModal
}

TEST_F(DialogTest, KillFocusArrivesWhenOkIsClickedAndKeysWork) {
  SampleDlg dlg;
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    Type(h, IDC_WD_SAMPLE_NAME, "x");
    Click(h, IDOK);  // the button takes the focus from the edit
  });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_nameKillFocus, 1);

  // Escape through the dialog manager cancels; Enter presses the default button.
  SampleDlg esc;
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    Focus(h, IDC_WD_SAMPLE_NAME);
    PressEscape();
  });
  EXPECT_EQ(esc.DoModal(), IDCANCEL);
  SampleDlg enter;
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    Type(h, IDC_WD_SAMPLE_NAME, "typed");
    PressEnter();
  });
  EXPECT_EQ(enter.DoModal(), IDOK);
  EXPECT_STREQ(enter.m_name, "typed");
}

// DoModal shows the dialog, normal and active, when its initialisation left it hidden; one that
// its initialisation showed (maximized here, as a restored placement may) keeps that state.
TEST_F(DialogTest, ShownByDoModalOnlyWhenInitialisationLeftItHidden) {
  struct MaximizedDlg : SampleDlg {
    BOOL OnInitDialog() override {
      SampleDlg::OnInitDialog();
      ShowWindow(SW_SHOWMAXIMIZED);
      return TRUE;
    }
  };
  SampleDlg plain;
  MaximizedDlg maximized;
  for (CDialog* dlg : {static_cast<CDialog*>(&plain), static_cast<CDialog*>(&maximized)}) {
    script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
      EXPECT_TRUE(::IsWindowVisible(h));
      EXPECT_EQ(dlg == &maximized, ::IsZoomed(h) != FALSE);
      EXPECT_EQ(h, ::GetActiveWindow());
      Click(h, IDCANCEL);
    });
    EXPECT_EQ(dlg->DoModal(), IDCANCEL);
  }
}

TEST_F(DialogTest, RefusedValueKeepsTheDialogUp) {
  SampleDlg dlg;
  int focusAfterRefusal = 0, killFocusByBox = 0;
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
          Type(h, IDC_WD_SAMPLE_COUNT, "500");
          PressEnter();  // the focus stays in the edit until the box takes it
        })
      .MessageBox(IDOK)
      .Dialog(IDD_WD_SAMPLE, [&](HWND h) {
        focusAfterRefusal = ::GetDlgCtrlID(::GetFocus());
        killFocusByBox = dlg.m_countKillFocus;
        EXPECT_TRUE(::IsWindow(h));
        Type(h, IDC_WD_SAMPLE_COUNT, "100");
        Click(h, IDOK);
      });
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_count, 100);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_NE(script.boxes[0].text.find("100"), std::string::npos) << script.boxes[0].text;
  EXPECT_EQ(focusAfterRefusal, IDC_WD_SAMPLE_COUNT);
  EXPECT_EQ(killFocusByBox, 1);
}

// A dialog or message box nobody expected fails the test and is named: the dialog ends at once,
// the box is answered with its default button. Boxes that other code shows are answered too.
TEST_F(DialogTest, UnexpectedWindowsAreNamedAndOtherCodesBoxesAnswered) {
  SampleDlg dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  script.Dialog(4242, [](HWND) {});  // a step for another dialog does not run in this one
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  ASSERT_EQ(AfxMessageBox("Surprise"), IDOK);
  EXPECT_EQ(::MessageBoxA(nullptr, "Sure?", "Save", MB_YESNO | MB_DEFBUTTON2), IDNO);
  ASSERT_EQ(script.failures.size(), 4u);
  EXPECT_NE(script.failures[0].find("9100"), std::string::npos) << script.failures[0];
  EXPECT_NE(script.failures[1].find("dialog 4242"), std::string::npos) << script.failures[1];
  EXPECT_NE(script.failures[2].find("\"Surprise\""), std::string::npos) << script.failures[2];
  EXPECT_NE(script.failures[3].find("\"Sure?\""), std::string::npos) << script.failures[3];

  script = AfxScript::Script();
  script.MessageBox(IDYES);
  EXPECT_EQ(::MessageBoxA(nullptr, "Replace the file?", "Save", MB_YESNO | MB_ICONEXCLAMATION), IDYES);
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].text, "Replace the file?");
  EXPECT_EQ(script.boxes[0].type, (UINT)(MB_YESNO | MB_ICONEXCLAMATION));
}

TEST(ResourceChain, TemplatesAndStringsFoundOnceTheModuleJoins) {
  HINSTANCE h = ::LoadLibraryA("WidgetDeckRes.dll");
  ASSERT_NE(h, nullptr);
  // Take the module out of the chain if an earlier test put it there.
  for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p;) {
    CDynLinkLibrary* next = p->m_pNextDLL;
    if (p->m_hResource == h) delete p;
    p = next;
  }
  EXPECT_FALSE(IsInExtensionChain(h));
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_EVENT_VIEWER), (LPCSTR)RT_DIALOG), nullptr);
  CString s;
  EXPECT_FALSE(s.LoadString(IDS_EVENT_VIEWER_TITLE));

  new CDynLinkLibrary(h, h);
  EXPECT_TRUE(IsInExtensionChain(h));
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_EVENT_VIEWER), (LPCSTR)RT_DIALOG), h);
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_EVENT_VIEWER_TITLE), h);
  // An id in the same string block that the module lacks is not found there.
  EXPECT_EQ(AfxFindStringResourceHandle(IDS_EVENT_VIEWER_TITLE + 1), nullptr);
  ASSERT_TRUE(s.LoadString(IDS_EVENT_VIEWER_TITLE));
  EXPECT_STREQ(s, "Messages of %1");
  // The executable's own resources come first.
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_WD_SAMPLE), (LPCSTR)RT_DIALOG), ::GetModuleHandleA(nullptr));
  CString fmt;
  ASSERT_TRUE(fmt.LoadString(IDS_WD_SAMPLE_FORMAT));
  s.Format(fmt, 3);
  EXPECT_STREQ(s, "Entry3");

  // Extension modules: initialising fails when told to, and termination leaves the chain.
  AFX_EXTENSION_MODULE ext;
  SetExtensionInitResult(FALSE);
  EXPECT_FALSE(AfxInitExtensionModule(ext, ::GetModuleHandleA(nullptr)));
  SetExtensionInitResult(TRUE);
  ASSERT_TRUE(AfxInitExtensionModule(ext, ::GetModuleHandleA(nullptr)));
  new CDynLinkLibrary(ext);
  EXPECT_TRUE(IsInExtensionChain(::GetModuleHandleA(nullptr)));
  AfxTermExtensionModule(ext);
  EXPECT_FALSE(IsInExtensionChain(::GetModuleHandleA(nullptr)));
}

TEST(ToolTips, EveryChildIsOneToolHoweverOftenTheyAreEnabled) {
  ASSERT_NE(wdtest::ResourceModule(), nullptr);
  SampleDlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_WD_SAMPLE, nullptr));
  int children = 0;
  for (HWND h = ::GetWindow(dlg.m_hWnd, GW_CHILD); h; h = ::GetWindow(h, GW_HWNDNEXT)) ++children;
  ASSERT_TRUE(dlg.EnableToolTips(TRUE));
  ASSERT_TRUE(dlg.EnableToolTips(TRUE));
  HWND tip = dlg.GetToolTipHandle();
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), children);
  dlg.DestroyWindow();
}

namespace {
// The tooltip controls the thread has made for a window, found without asking the window.
int TipsOwnedBy(HWND owner) {
  struct Search {
    HWND owner;
    int count;
  } search{owner, 0};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND h, LPARAM l) -> BOOL {
        auto* s = reinterpret_cast<Search*>(l);
        char cls[64] = "";
        ::GetClassNameA(h, cls, sizeof(cls));
        if (::lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0 && ::GetWindow(h, GW_OWNER) == s->owner) ++s->count;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.count;
}
}  // namespace

TEST(ToolTips, TheControlIsMadeAtTheFirstMouseMessageAndNotWhenDisabled) {
  ASSERT_NE(wdtest::ResourceModule(), nullptr);
  SampleDlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_WD_SAMPLE, nullptr));
  HWND child = ::GetWindow(dlg.m_hWnd, GW_CHILD);
  ASSERT_NE(child, nullptr);
  MSG move{child, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2), 0, {0, 0}};
  MSG key{child, WM_KEYDOWN, VK_SHIFT, 0, 0, {0, 0}};

  // Disabled before any mouse came: no control at all.
  ASSERT_TRUE(dlg.EnableToolTips(TRUE));
  ASSERT_TRUE(dlg.EnableToolTips(FALSE));
  dlg.PreTranslateMessage(&move);
  EXPECT_EQ(TipsOwnedBy(dlg.m_hWnd), 0);

  // Enabled: nothing until a mouse message passes, then one control with every child a tool.
  ASSERT_TRUE(dlg.EnableToolTips(TRUE));
  dlg.PreTranslateMessage(&key);
  EXPECT_EQ(TipsOwnedBy(dlg.m_hWnd), 0) << "only mouse messages need the control";
  dlg.PreTranslateMessage(&move);
  ASSERT_EQ(TipsOwnedBy(dlg.m_hWnd), 1);
  HWND tip = dlg.GetToolTipHandle();
  int children = 0;
  for (HWND h = child; h; h = ::GetWindow(h, GW_HWNDNEXT)) ++children;
  EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), children);
  dlg.PreTranslateMessage(&move);
  EXPECT_EQ(TipsOwnedBy(dlg.m_hWnd), 1);
  EXPECT_EQ(dlg.GetToolTipHandle(), tip);
  dlg.DestroyWindow();
  EXPECT_EQ(dlg.GetToolTipHandle(), nullptr) << "gone with its window, and not made again without one";
}
