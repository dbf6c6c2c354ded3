// The result viewer, driven through the scripted modal loop.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <commctrl.h>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>
#include "MpUiCEventViewerDlg.h"
#include "viewer_rows.h"
#include "resource.h"
#include "wdtest.h"

namespace {

// A column as "name width alignment".
std::string ReadColumn(HWND list, int i) {
  char name[32] = {};
  LVCOLUMNA c{};
  c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  c.pszText = name;
  c.cchTextMax = sizeof(name);
  ::SendMessageA(list, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&c));
  return std::string(name) + " " + std::to_string(c.cx) + ((c.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_LEFT ? " left" : " other");
}

CRect ChildRect(HWND dlg, int id) {
  CRect rc;
  ::GetWindowRect(::GetDlgItem(dlg, id), &rc);
  ::MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

class EventViewerTest : public ScriptedTest {};

}  // namespace

// Empty lines and lines without "-" take no row; the kind keeps its blank; the message starts two
// characters after the first "-" (empty when the line ends sooner); an unterminated last line is
// not shown. setEvents before opening replaces the text, while open the rows. Title, columns and
// list style are set as the viewer opens.
TEST_F(EventViewerTest, RowsFromTheEventText) {
  std::string title = "Import of plan 7";
  std::string unused = "error - never shown\n";
  MpUiCEventViewerDlg viewer(title, unused, nullptr);
  std::string events = "error - A\n\nno dash here\nwarning - B\na - b - c\nx-\nnote -xy\nwarning - unterminated";
  viewer.setEvents(events);

  Rows atOpen, afterSet;
  char caption[64] = {};
  std::string col0, col1;
  CRect listClient;
  DWORD exStyle = 0;
  script.Dialog(IDD_EVENT_VIEWER, [&](HWND h) {
    atOpen = ViewerRows(h);
    ::GetWindowTextA(h, caption, sizeof(caption));
    HWND list = ::GetDlgItem(h, IDC_EVENT_VIEWER_LIST);
    col0 = ReadColumn(list, 0);
    col1 = ReadColumn(list, 1);
    ::GetClientRect(list, &listClient);
    exStyle = (DWORD)::SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    std::string next = "warning - one\nerror - two";
    viewer.setEvents(next);
    afterSet = ViewerRows(h);
    AfxScript::Click(h, IDOK);
  });
  EXPECT_EQ(viewer.DoModal(), IDOK);

  EXPECT_EQ(atOpen, (Rows{{"error ", "A"}, {"warning ", "B"}, {"a ", "b - c"}, {"x", ""}, {"note ", "y"}}));
  EXPECT_EQ(afterSet, (Rows{{"warning ", "one"}}));
  EXPECT_STREQ(caption, title.c_str());
  EXPECT_EQ(col0, "Type 60 left");
  EXPECT_EQ(col1, "Description " + std::to_string(listClient.Width() - 80) + " left");
  EXPECT_EQ(exStyle, (DWORD)LVS_EX_FULLROWSELECT);
}

// Enlarging the viewer widens and lengthens the list; the OK button keeps its size and stays
// centred under it. The viewer cannot be made smaller than it opens.
TEST_F(EventViewerTest, ListGrowsWithTheViewerAndOkStaysCentred) {
  std::string title = "Viewer", events = "error - A\n";
  MpUiCEventViewerDlg viewer(title, events, nullptr);
  CRect list0, ok0, list1, ok1, window0, shrunk;
  script.Dialog(IDD_EVENT_VIEWER, [&](HWND h) {
    list0 = ChildRect(h, IDC_EVENT_VIEWER_LIST);
    ok0 = ChildRect(h, IDOK);
    ::GetWindowRect(h, &window0);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(h, nullptr, 0, 0, window0.Width() + 120, window0.Height() + 70, flags);
    list1 = ChildRect(h, IDC_EVENT_VIEWER_LIST);
    ok1 = ChildRect(h, IDOK);
    ::SetWindowPos(h, nullptr, 0, 0, window0.Width() - 40, window0.Height() - 40, flags);
    ::GetWindowRect(h, &shrunk);
    AfxScript::Click(h, IDOK);
  });
  EXPECT_EQ(viewer.DoModal(), IDOK);

  EXPECT_EQ(list1, CRect(list0.left, list0.top, list0.right + 120, list0.bottom + 70));
  EXPECT_EQ(ok1.Size(), ok0.Size());
  EXPECT_EQ(ok1.top, ok0.top + 70);
  // The button's centre keeps its offset from the list's centre (odd halves may round apart).
  const int before = ok0.CenterPoint().x - list0.CenterPoint().x;
  EXPECT_LE(std::abs(ok1.CenterPoint().x - list1.CenterPoint().x - before), 1);
  EXPECT_EQ(shrunk.Size(), window0.Size());
}
