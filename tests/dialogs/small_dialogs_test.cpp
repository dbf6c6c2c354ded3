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

int Width(HWND dlg, int id) {
  RECT r;
  ::GetWindowRect(::GetDlgItem(dlg, id), &r);
  return r.right - r.left;
}

}  // namespace

TEST_F(HostedTest, FindDialogHandsBackTextWholeWordAndPlace) {
  std::string title = "Find Operations";
  MpUiCFindDialog dlg(title, nullptr);
  script.Dialog(IDD_FIND, [&](HWND h) {
    CString caption;
    CWnd::FromHandle(h)->GetWindowText(caption);
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

  // An empty text is accepted and an indeterminate box is no whole-word match; after Cancel
  // the start values.
  for (bool ok : {true, false}) {
    MpUiCFindDialog other(title, nullptr);
    script.Dialog(IDD_FIND, [&](HWND h) {
      ::SendMessageA(::GetDlgItem(h, IDC_FIND_WHOLE_WORD), BM_SETCHECK, BST_INDETERMINATE, 0);
      if (!ok) Click(h, IDC_FIND_ELSEWHERE);
      Click(h, ok ? IDOK : IDCANCEL);
    });
    ASSERT_EQ(ok ? IDOK : IDCANCEL, other.DoModal());
    EXPECT_EQ("", other.getFindString());
    EXPECT_FALSE(other.isMatchWholeWord());
    EXPECT_TRUE(other.isUseName());
  }
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
  int fitted = 0;
  script.Dialog(IDD_HYPERLINK, [&](HWND h) {
    EXPECT_EQ("Help pages", Text(h, IDC_HYPERLINK));
    fitted = Width(h, IDC_HYPERLINK);
    Click(h, IDC_HYPERLINK);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, dlg.DoModal());
  EXPECT_EQ(std::vector<std::string>{"https://example.org/help"}, g_opened);

  // Without an address the control keeps its template size and text, and a click opens nothing.
  MpAppUiHyperlinkDlg bare;
  script.Dialog(IDD_HYPERLINK, [&](HWND h) {
    EXPECT_EQ("Open the page", Text(h, IDC_HYPERLINK));
    EXPECT_GT(Width(h, IDC_HYPERLINK), fitted + 50);  // the template's width
    Click(h, IDC_HYPERLINK);
    Click(h, IDOK);
  });
  ASSERT_EQ(IDOK, bare.DoModal());
  EXPECT_EQ(1u, g_opened.size());

  // Only web and mail addresses open; any other is not handed on, and is logged with the address.
  const std::vector<std::string> addresses = {"mailto:help@example.org", "C:\\Windows\\notepad.exe",
                                              "\\\\server\\share\\run.exe", "file:///C:/run.bat",
                                              "ms-settings:%s%n", "  http://padded"};
  for (std::string address : addresses) {
    MpAppUiHyperlinkDlg link;
    link.setURL(address);
    script.Dialog(IDD_HYPERLINK, [&](HWND h) {
      Click(h, IDC_HYPERLINK);
      Click(h, IDOK);
    });
    ASSERT_EQ(IDOK, link.DoModal());
  }
  EXPECT_EQ((std::vector<std::string>{"https://example.org/help", "mailto:help@example.org"}), g_opened);
  const std::vector<MpLogRecord> logs = Logs();
  ASSERT_EQ(addresses.size() - 1, logs.size());
  for (size_t i = 0; i < logs.size(); ++i) {
    EXPECT_EQ(300, logs[i].severity);
    EXPECT_EQ("MpAppUiHyperlinkDlg - address not opened: " + addresses[i + 1], logs[i].message);
  }
  AfxSetLinkOpener(previous);
}
