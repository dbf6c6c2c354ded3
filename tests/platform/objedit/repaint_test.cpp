// The edit control's window repaints what changed and no more, however often one keystroke
// asks for its line, and the caret follows every move while the window has the focus.
#include <gtest/gtest.h>

#include <string>

#include "seceditctrl.h"
#include "wdtest.h"

namespace {

// The rows the window still has to paint, as [first, last] in window rows; {-1, -1} for none.
std::pair<int, int> RowsToPaint(SECEditCtrl& edit) {
  RECT rc;
  if (!::GetUpdateRect(edit.m_hWnd, &rc, FALSE)) return {-1, -1};
  return {rc.top / edit.m_nLineHeight, (rc.bottom - 1) / edit.m_nLineHeight};
}

// Whether the window still has to paint a point of the given row.
bool RowWaits(SECEditCtrl& edit, int row) {
  HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
  ::GetUpdateRgn(edit.m_hWnd, rgn, FALSE);
  const bool waits = ::PtInRegion(rgn, 30, row * edit.m_nLineHeight + 1) != 0;
  ::DeleteObject(rgn);
  return waits;
}

struct Lines : SECEditCtrl {
  using SECEditCore<CWnd>::InvalidateLines;
};

POINT Caret() {
  POINT p{-1, -1};
  ::GetCaretPos(&p);
  return p;
}

// An edit control in a frame that is shown: painting needs one.
class EditRepaint : public ::testing::Test {
protected:
  void SetUp() override {
    frame = ::CreateWindowExA(0, "STATIC", "Repaint", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
    ::ShowWindow(frame, SW_SHOW);
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 120), CWnd::FromHandle(frame), 100));
  }
  void TearDown() override {
    edit.DestroyWindow();
    ::DestroyWindow(frame);
  }
  HWND frame = nullptr;
  Lines edit;
};

TEST_F(EditRepaint, ATypedCharacterRepaintsItsLineEveryTimeAndTheCaretFollows) {
  std::string text;
  for (int i = 0; i < 20; ++i) text += "line " + std::to_string(i) + "\r\n";
  SECEdit* doc = edit.GetEdit();
  doc->SetText(text.data(), text.size());
  edit.SetFocus();
  ASSERT_EQ(edit.m_hWnd, ::GetFocus());
  const int lh = edit.m_nLineHeight, cw = edit.m_nCharWidth, left = edit.m_nLeftMargin;
  ASSERT_GT(lh, 0);
  edit.SetCaret(OEPos(2, 4));
  edit.UpdateEditor();
  edit.Invalidate(FALSE);
  edit.UpdateWindow();
  EXPECT_EQ(left + 4 * cw, Caret().x);
  EXPECT_EQ(2 * lh, Caret().y);

  for (char c : {'x', 'y'}) {
    edit.SendMessage(WM_CHAR, (WPARAM)c, 1);
    // Only the typed line waits for paint, and it does after every character.
    EXPECT_EQ(std::make_pair(2, 2), RowsToPaint(edit)) << c;
    EXPECT_EQ(left + (c == 'x' ? 5 : 6) * cw, Caret().x) << c;
    // Painting it colours that one line: the row below is outside the update.
    doc->InitChroma();
    const long long before = doc->m_nLinesColoured;
    edit.UpdateWindow();
    EXPECT_EQ(before + 1, doc->m_nLinesColoured) << c;
    EXPECT_EQ(std::make_pair(-1, -1), RowsToPaint(edit)) << c;
  }
  EXPECT_EQ("linexy 2", doc->GetLine(2));

  // A selection is shown and taken away again, each time on its own line.
  edit.SetSelection(OEPos(5, 0), OEPos(5, 3), TRUE);
  EXPECT_EQ(std::make_pair(2, 5), RowsToPaint(edit));
  edit.UpdateWindow();
  edit.ClearSelection(TRUE);
  EXPECT_EQ(std::make_pair(5, 5), RowsToPaint(edit));
  edit.UpdateWindow();

  // Rows asked for apart are each painted, and so is a row between them asked for later.
  edit.InvalidateLines(1, 1);
  edit.InvalidateLines(4, 4);
  edit.InvalidateLines(2, 3);
  edit.InvalidateLines(6, 6);
  for (int row = 0; row < 7; ++row) EXPECT_EQ(row != 0 && row != 5, RowWaits(edit, row)) << row;
  edit.UpdateWindow();

  // The caret leaves with the focus and comes back where the control's caret stands.
  ::SetFocus(frame);
  edit.SetCaret(OEPos(1, 2));
  edit.SetFocus();
  EXPECT_EQ(left + 2 * cw, Caret().x);
  EXPECT_EQ(lh, Caret().y);
  edit.SetCaret(OEPos(0, 0));
  EXPECT_EQ(left, Caret().x);
  EXPECT_EQ(0, Caret().y);
}

// Whether a row of the window, as it stands on screen, shows text in the colour.
bool RowShows(SECEditCtrl& edit, int row, COLORREF colour) {
  CRect rc;
  edit.GetClientRect(&rc);
  HDC dc = ::GetDC(edit.m_hWnd);
  bool shown = false;
  for (int y = row * edit.m_nLineHeight; y < (row + 1) * edit.m_nLineHeight && !shown; ++y)
    for (int x = edit.m_nLeftMargin; x < rc.right && !shown; ++x) shown = ::GetPixel(dc, x, y) == colour;
  ::ReleaseDC(edit.m_hWnd, dc);
  return shown;
}

TEST_F(EditRepaint, OpeningOrClosingABlockCommentRepaintsTheLinesBelow) {
  SECEdit* doc = edit.GetEdit();
  const std::string text = "first\r\nsecond\r\nthird\r\nfourth";
  doc->SetText(text.data(), text.size());
  const COLORREF plain = doc->m_crColors[4], comment = doc->m_crColors[3];
  edit.Invalidate(FALSE);
  edit.UpdateWindow();
  ASSERT_TRUE(RowShows(edit, 2, plain));
  ASSERT_FALSE(RowShows(edit, 2, comment));

  // "/*" typed at the start of the first line: every line below turns into comment on screen.
  edit.SetCaret(OEPos(0, 0));
  edit.SendMessage(WM_CHAR, '/', 1);
  edit.UpdateWindow();
  EXPECT_TRUE(RowShows(edit, 2, plain));  // a plain slash opens nothing
  edit.SendMessage(WM_CHAR, '*', 1);
  edit.UpdateWindow();
  for (int row = 1; row < 4; ++row) {
    EXPECT_TRUE(RowShows(edit, row, comment)) << row;
    EXPECT_FALSE(RowShows(edit, row, plain)) << row;
  }
  // "*/" typed at the end of the second line closes it again for the lines below.
  edit.SetCaret(OEPos(1, 6));
  edit.SendMessage(WM_CHAR, '*', 1);
  edit.SendMessage(WM_CHAR, '/', 1);
  edit.UpdateWindow();
  EXPECT_TRUE(RowShows(edit, 1, comment));
  EXPECT_TRUE(RowShows(edit, 2, plain));
  EXPECT_FALSE(RowShows(edit, 3, comment));
  // Deleted again, with Backspace: comment below once more; then the opening "/*" goes.
  edit.SendMessage(WM_CHAR, '\b', 1);
  edit.UpdateWindow();
  EXPECT_TRUE(RowShows(edit, 3, comment));
  edit.SetCaret(OEPos(0, 2));
  edit.SendMessage(WM_CHAR, '\b', 1);
  edit.UpdateWindow();
  for (int row = 1; row < 4; ++row) EXPECT_FALSE(RowShows(edit, row, comment)) << row;
  EXPECT_EQ("/first", doc->GetLine(0));
  EXPECT_EQ("second*", doc->GetLine(1));
}

}  // namespace
