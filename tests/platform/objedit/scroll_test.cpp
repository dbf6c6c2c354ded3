// The edit control's vertical scroll bar: set only when range, page or position change, it
// must still follow every change, whichever way it comes, and a new window starts afresh.
#include <gtest/gtest.h>

#include <string>

#include "seceditctrl.h"
#include "wdtest.h"

namespace {

SCROLLINFO Bar(HWND hwnd) {
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  ::GetScrollInfo(hwnd, SB_VERT, &si);
  return si;
}

TEST(EditScrollBar, FollowsTypingScrollingAndANewWindow) {
  SECEditCtrl edit;
  for (int window = 0; window < 2; ++window) {
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 300, 100),
                            CWnd::FromHandle(wdtest::HostWindow()), 100));
    std::string text;
    for (int i = 0; i < 50; ++i) text += "line\r\n";
    SECEdit* doc = edit.GetEdit();
    doc->SetText(text.data(), text.size());
    edit.SetCaret(OEPos(0, 0));
    edit.SendMessage(WM_CHAR, 'x', 1);  // sets the range for the 51 lines
    EXPECT_EQ(50, Bar(edit.m_hWnd).nMax) << window;
    const UINT page = Bar(edit.m_hWnd).nPage;
    ASSERT_GT(page, 0u);

    // Scrolled by the bar, then typed at the top again: the position goes back to 0.
    edit.OnVScroll(SB_THUMBPOSITION, 30, nullptr);
    EXPECT_EQ(30, Bar(edit.m_hWnd).nPos);
    edit.SetCaret(OEPos(0, 0));
    edit.MakeCursorVisible();
    edit.SendMessage(WM_CHAR, 'y', 1);
    EXPECT_EQ(0, Bar(edit.m_hWnd).nPos);
    // A new line grows the range; typed on the last line, the caret is scrolled into view.
    edit.SetCaret(OEPos(50, 0));
    edit.SendMessage(WM_CHAR, '\r', 1);
    const SCROLLINFO after = Bar(edit.m_hWnd);
    EXPECT_EQ(51, after.nMax);
    EXPECT_EQ(51 - (int)page + 1, after.nPos);
    edit.DestroyWindow();
  }
}

}  // namespace
