// The find, view-name and hyperlink dialogs, driven as a user would.
#include "MpAppUICreateViewDlg.h"
#include "MpAppUiHyperlinkDlg.h"
#include "MpUiCFindDialog.h"
#include "hosted.h"
#include "resource.h"

using namespace AfxScript;
using wdtest::Enabled;

namespace {

std::vector<std::string> g_opened;
BOOL RecordOpen(LPCSTR url) {
  g_opened.push_back(url);
  return TRUE;
}

void Check3(HWND dlg, int id, int state) { ::SendMessageA(::GetDlgItem(dlg, id), BM_SETCHECK, state, 0); }

RECT ItemRect(HWND dlg, int id) {
  RECT r;
  ::GetWindowRect(::GetDlgItem(dlg, id), &r);
  return r;
}

}  // namespace

TEST_F(HostedTest, FindDialogHandsBackTextWholeWordAndPlace) {
  std::string title = "Find Operations";
  MpUiCFindDialog dlg(title, nullptr);
  script.Dialog(IDD_FIND, [&](HWND h) {
    char caption[64];
    ::GetWindowTextA(h, caption, sizeof caption);
    EXPECT_STREQ("Find Operations", caption);
    Type(h, IDC_FIND_WHAT, "drill");
    SetCheck(h, IDC_FIND_WHOLE_WORD, true);
    Click(h, IDC_FIND_ELSEWHERE);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ("drill", dlg.getFindString());
  EXPECT_TRUE(dlg.isMatchWholeWord());
  EXPECT_FALSE(dlg.isUseName());

  // An empty text is accepted; an indeterminate box is no whole-word match; Cancel keeps the start values.
  MpUiCFindDialog second(title, nullptr);
  script.Dialog(IDD_FIND, [&](HWND h) {
    Check3(h, IDC_FIND_WHOLE_WORD, BST_INDETERMINATE);
    Click(h, IDOK);
  });
  script.Dialog(IDD_FIND, [&](HWND h) {
    Type(h, IDC_FIND_WHAT, "mill");
    SetCheck(h, IDC_FIND_WHOLE_WORD, true);
    Click(h, IDC_FIND_ELSEWHERE);
    Click(h, IDCANCEL);
  });
  ASSERT_EQ(IDOK, second.DoModal());
  EXPECT_EQ("", second.getFindString());
  EXPECT_FALSE(second.isMatchWholeWord());
  EXPECT_TRUE(second.isUseName());
  MpUiCFindDialog third(title, nullptr);
  ASSERT_EQ(IDCANCEL, third.DoModal());
  EXPECT_EQ("", third.getFindString());
  EXPECT_FALSE(third.isMatchWholeWord());
  EXPECT_TRUE(third.isUseName());
}

TEST_F(HostedTest, ViewNameDialogOffersOkOnlyForANameAndLimitsIt) {
  std::string title = "Name the View", proposed = "Top";
  MpAppUICreateViewDlg dlg(title, nullptr);
  dlg.setViewName(proposed);
  script.Dialog(IDD_CREATE_VIEW, [&](HWND h) {
    EXPECT_EQ("Top", Text(h, IDC_VIEW_NAME));
    EXPECT_TRUE(Enabled(h, IDOK));
    Type(h, IDC_VIEW_NAME, "");
    EXPECT_FALSE(Enabled(h, IDOK));
    ::SendMessageA(h, WM_KEYDOWN, 'A', 0);
    EXPECT_FALSE(Enabled(h, IDOK));
    // Typing stops at 128 characters, and a name enables OK again.
    const std::string longName(140, 'v');
    ::SendMessageA(::GetDlgItem(h, IDC_VIEW_NAME), EM_REPLACESEL, FALSE, (LPARAM)longName.c_str());
    EXPECT_EQ(std::string(128, 'v'), Text(h, IDC_VIEW_NAME));
    EXPECT_TRUE(Enabled(h, IDOK));
    Click(h, IDCANCEL);
  });
  ASSERT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ("Top", dlg.getViewName());

  std::string none;
  dlg.setViewName(none);
  script.Dialog(IDD_CREATE_VIEW, [&](HWND h) {
    EXPECT_EQ("", Text(h, IDC_VIEW_NAME));
    EXPECT_FALSE(Enabled(h, IDOK));
    Type(h, IDC_VIEW_NAME, "Side");
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ("Side", dlg.getViewName());
}

TEST_F(HostedTest, HyperlinkDialogShowsAndOpensItsLink) {
  AfxLinkOpener previous = AfxSetLinkOpener(RecordOpen);
  g_opened.clear();
  std::string url = "https://example.org/help", text = "Help pages";
  MpAppUiHyperlinkDlg dlg;
  dlg.setURL(url);
  dlg.setText(text);
  RECT templateRect{};
  script.Dialog(IDD_HYPERLINK, [&](HWND h) {
    EXPECT_EQ("Help pages", Text(h, IDC_HYPERLINK));
    RECT r = ItemRect(h, IDC_HYPERLINK);
    EXPECT_GT(r.right - r.left, 10);
    templateRect = r;
    Click(h, IDC_HYPERLINK);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(std::vector<std::string>{"https://example.org/help"}, g_opened);

  // Without an address the control keeps its template size and text, and a click opens nothing.
  MpAppUiHyperlinkDlg bare;
  script.Dialog(IDD_HYPERLINK, [&](HWND h) {
    EXPECT_EQ("Open the page", Text(h, IDC_HYPERLINK));
    RECT r = ItemRect(h, IDC_HYPERLINK);
    EXPECT_NE(templateRect.right - templateRect.left, r.right - r.left);
    Click(h, IDC_HYPERLINK);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, bare.DoModal());
  EXPECT_EQ(1u, g_opened.size());
  AfxSetLinkOpener(previous);
}
