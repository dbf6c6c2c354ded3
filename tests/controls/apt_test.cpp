// The APT listing window: its colours, read-only text, line selection for a simulation step
// and the double-click message to its parent's parent.
#include "MpAppUiMenu.h"
#include "MpSimAptEditWnd.h"
#include "hosted.h"

namespace {

// Counts the "SIMULATION_GOTO" messages it gets.
struct Grandparent : CWnd {
  int gotos = 0;
  LRESULT WindowProc(UINT msg, WPARAM w, LPARAM l) override {
    if (msg == SIMULATION_GOTO && w == 0 && l == 0) ++gotos;
    return CWnd::WindowProc(msg, w, l);
  }
};

TEST(AptListing, ColoursSelectionAndDoubleClick) {
  HWND host = wdtest::HostWindow();
  Grandparent grand;
  ASSERT_TRUE(grand.CreateEx(0, AfxRegisterWndClass(0), "grand", WS_CHILD, CRect(0, 0, 300, 300),
                             CWnd::FromHandle(host), 1));
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_CHILD, CRect(0, 0, 300, 300), &grand, 2));
  MpSimAptEditWnd apt;
  ASSERT_TRUE(apt.CreateEx(WS_EX_CLIENTEDGE, &parent, 3));
  EXPECT_TRUE(apt.GetExStyle() & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(apt.getReadOnly());
  EXPECT_EQ(0xFFFFFFu, apt.GetEdit()->m_crColors[5]);  // read-only without the tint

  std::string listing;
  for (int i = 1; i <= 14; ++i) listing += std::to_string(i * 10) + (i == 2 ? " GOTO/1,2,3 RAPID ON goto" : " FEDRAT/100") + "\r\n";
  apt.SetWindowTextA(listing.c_str());
  EXPECT_TRUE(apt.getReadOnly());
  apt.SendMessage(WM_CHAR, 'x', 1);  // typing changes nothing
  CString text;
  apt.GetWindowTextA(text);
  EXPECT_EQ(listing, (LPCSTR)text);

  std::vector<OEColorRun> runs;
  apt.GetEdit()->ColorLine(1, runs);
  std::vector<OEColorRun> keywords;
  for (const OEColorRun& r : runs)
    if (r.crColor != apt.GetEdit()->m_crColors[1]) keywords.push_back(r);
  EXPECT_EQ((std::vector<OEColorRun>{{3, 7, 0x00AA00}, {14, 19, 0xAA0000}, {20, 22, 0x0000AA}}), keywords);

  EXPECT_TRUE(apt.SelectLines("GOTO/1,2,3\r\n"));  // the text of the last line, found
  EXPECT_EQ(1, apt.CaretLine());
  EXPECT_EQ(apt.GetEdit()->GetLine(1), (LPCSTR)apt.GetSelection());
  EXPECT_TRUE(apt.SelectLines("10 X\n125\r\n"));  // not found: statement 125 is line 13
  EXPECT_EQ(12, apt.CaretLine());
  EXPECT_TRUE(apt.SelectLines("990"));  // beyond the listing: its last line
  EXPECT_EQ(apt.GetEdit()->GetLineCount() - 1, apt.CaretLine());
  EXPECT_FALSE(apt.SelectLines("no number\r\n"));
  EXPECT_EQ(apt.GetEdit()->GetLineCount() - 1, apt.CaretLine());

  apt.SelectLines("20");
  apt.ClearSelection(1);
  apt.SendMessage(WM_LBUTTONDBLCLK, 0, 0);  // the caret's line, selected and reported
  EXPECT_EQ(1, grand.gotos);
  EXPECT_EQ(apt.GetEdit()->GetLine(1), (LPCSTR)apt.GetSelection());
  apt.DestroyWindow();
  parent.DestroyWindow();
  grand.DestroyWindow();
}

}  // namespace
