// Splitters in a real frame: pane layout and identifiers, views switched and kept, rows and
// columns hidden and shown, a bar dragged with posted mouse input.
#include <gtest/gtest.h>
#include "CMpSplitter.h"
#include "MpAppUiSplitterWnd.h"

namespace {
class PaneView : public CView {
  DECLARE_DYNCREATE(PaneView)
 public:
  void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(PaneView, CView)

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
}
CRect RectIn(CWnd* w, CWnd* parent) {
  CRect r;
  w->GetWindowRect(&r);
  parent->ScreenToClient(&r);
  return r;
}
int Id(CWnd* w) { return w->GetDlgCtrlID(); }
}  // namespace
void PrintTo(const CRect& r, std::ostream* os) { *os << r.left << "," << r.top << "," << r.right << "," << r.bottom; }
namespace {

struct Wnd : MpAppUiSplitterWnd {
  using MpAppUiSplitterWnd::m_pColInfo;
};
struct Mp : CMpSplitter {
  using CMpSplitter::m_pRowInfo;
};

class SplitterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(frame->Create(nullptr, "split", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300)));
    hFrame = frame->m_hWnd;
  }
  void TearDown() override { ::DestroyWindow(hFrame); }
  CFrameWnd* frame = nullptr;
  HWND hFrame = nullptr;
};
}  // namespace

TEST_F(SplitterTest, AnyRowsAndColumnsHideWhileEveryPaneKeepsItsViews) {
  Wnd s;
  ASSERT_TRUE(s.CreateStatic(frame, 2, 3));
  s.SetColumnInfo(0, 100, 0);
  s.SetColumnInfo(1, 80, 0);
  s.SetRowInfo(0, 60, 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(i + 1, s.addView(i / 3, i % 3, RUNTIME_CLASS(PaneView), nullptr));
  frame->RecalcLayout();
  CRect client;
  s.GetClientRect(&client);
  CWnd* v6 = s.getView(6);
  EXPECT_EQ(CRect(106, 0, 186, 60), RectIn(s.getView(2), &s));
  EXPECT_EQ(CRect(192, 66, client.right, client.bottom), RectIn(v6, &s));
  EXPECT_EQ(v6, CWnd::FromHandlePermanent(s.GetPane(1, 2)->m_hWnd));

  // A second view in pane (0, 0) hides the first; showing the first hides the second; a view
  // that cannot be made leaves the pane as it was.
  EXPECT_EQ(7, s.addView(0, 0, RUNTIME_CLASS(PaneView), nullptr));
  CWnd *v1 = s.getView(1), *v7 = s.getView(7);
  EXPECT_TRUE(0 == Id(v1) && !v1->IsWindowVisible() && v7->IsWindowVisible());
  s.showView(1);
  EXPECT_TRUE(0xE900 == Id(v1) && v1->IsWindowVisible() && 0 == Id(v7) && !v7->IsWindowVisible());
  EXPECT_EQ(-1, s.addView(0, 0, RUNTIME_CLASS(CMenu), nullptr));
  int id = 0;
  EXPECT_EQ(v1, s.getCurrentView(0, 0, id));
  EXPECT_TRUE(1 == id && v1->IsWindowVisible());

  // Columns 0 and 2 hidden: column 1 fills the splitter; the hidden panes' identifiers lie
  // outside the visible grid. The last column, indices outside and visible ones stay.
  s.hideColumn(0);
  s.hideColumn(2);
  s.hideColumn(1);
  s.hideColumn(9);
  s.showColumn(1);
  s.showColumn(-1);
  EXPECT_EQ(1, s.GetColumnCount());
  EXPECT_TRUE(s.isColumnHidden(0) && s.isColumnHidden(2) && !s.isColumnHidden(1));
  EXPECT_EQ(s.IdFromRowCol(1, 0), Id(s.getView(5)));
  EXPECT_EQ(CRect(0, 66, client.right, client.bottom), RectIn(s.getView(5), &s));
  for (int v : {1, 3, 4, 6}) EXPECT_TRUE(Id(s.getView(v)) > AFX_IDW_PANE_LAST && !s.getView(v)->IsWindowVisible()) << v;
  EXPECT_EQ(nullptr, s.GetPane(0, 1));

  // Shown again in another order: ascending places, each with its size record.
  s.showColumn(2);
  s.showColumn(0);
  EXPECT_EQ(3, s.GetColumnCount());
  EXPECT_EQ(100, s.m_pColInfo[0].nIdealSize);
  EXPECT_EQ(80, s.m_pColInfo[1].nIdealSize);
  EXPECT_EQ(CRect(192, 66, client.right, client.bottom), RectIn(v6, &s));
  EXPECT_TRUE(v6->IsWindowVisible() && s.IdFromRowCol(1, 2) == Id(v6));

  // Rows alike; then the bar right of column 0 dragged 50 pixels to the right.
  s.hideRow(0);
  EXPECT_TRUE(s.isRowHidden(0) && !v1->IsWindowVisible() && s.IdFromRowCol(0, 0) == Id(s.getView(4)));
  s.showRow(0);
  EXPECT_TRUE(v1->IsWindowVisible() && s.IdFromRowCol(1, 0) == Id(s.getView(4)));
  s.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(103, 20));
  s.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(140, 20));
  s.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(150, 25));
  Pump();
  EXPECT_EQ(CRect(0, 0, 150, 60), RectIn(v1, &s));
  EXPECT_EQ(CRect(156, 0, 236, 60), RectIn(s.getView(2), &s));
}

TEST_F(SplitterTest, ACreatedSplitterCountsOnlyThePanesItHas) {
  Wnd s;
  CCreateContext ctx;
  ctx.m_pNewViewClass = RUNTIME_CLASS(PaneView);
  ASSERT_TRUE(s.Create(frame, 2, 2, CSize(10, 10), &ctx));
  EXPECT_TRUE(s.GetPane(0, 0) && 1 == s.GetRowCount() && 1 == s.GetColumnCount());
  s.showRow(1);
  s.hideRow(0);
  EXPECT_TRUE(1 == s.GetRowCount() && !s.isRowHidden(0) && !s.isRowHidden(1));
}

TEST_F(SplitterTest, OneRowAndOneColumnHideWithTheActivePaneMoved) {
  CObject* made = RUNTIME_CLASS(CMpSplitter)->CreateObject();
  EXPECT_TRUE(made && made->IsKindOf(RUNTIME_CLASS(CMpSplitter)));
  delete made;
  Mp s;
  ASSERT_TRUE(s.CreateStatic(frame, 2, 3));
  s.SetRowInfo(0, 100, 0);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(i + 1, s.AddView(i / 3, i % 3, RUNTIME_CLASS(PaneView), nullptr));
  frame->RecalcLayout();
  EXPECT_TRUE(s.IsCurrentView(1, 2, 6) && !s.IsCurrentView(1, 2, 3) && s.IsRowHidden(-1));
  EXPECT_EQ(-1, s.AddView(0, 0, RUNTIME_CLASS(CMenu), nullptr));
  EXPECT_TRUE(s.IsCurrentView(0, 0, 1));
  const int row1Height = [&] { int cur, min; s.GetRowInfo(1, cur, min); return cur; }();

  s.SetActivePane(1, 1);
  EXPECT_EQ(s.GetView(5), frame->GetActiveView());
  s.HideRow(1);
  s.HideRow(0);  // one row at a time
  int row = -1, col = -1;
  EXPECT_EQ(s.GetView(2), s.GetActivePane(&row, &col));
  EXPECT_TRUE(0 == row && 1 == col && 1 == s.GetRowCount() && s.IsRowHidden(1));
  // With more columns than rows the hidden panes still keep out of the visible grid.
  for (int c = 0; c < 3; ++c) EXPECT_EQ(s.GetView(c + 1), CWnd::FromHandlePermanent(s.GetPane(0, c)->m_hWnd));
  EXPECT_FALSE(s.GetView(4)->IsWindowVisible());

  s.ShowRow();
  s.ShowRow();
  EXPECT_TRUE(2 == s.GetRowCount() && !s.IsRowHidden(1) && s.GetView(4)->IsWindowVisible());
  EXPECT_EQ(row1Height, s.m_pRowInfo[1].nIdealSize);
  EXPECT_EQ(s.IdFromRowCol(1, 0), Id(s.GetView(4)));

  s.HideColumn(0);
  EXPECT_TRUE(2 == s.GetColumnCount() && s.IdFromRowCol(1, 0) == Id(s.GetView(5)));
  s.ShowColumn();
  EXPECT_TRUE(3 == s.GetColumnCount() && s.IdFromRowCol(1, 0) == Id(s.GetView(4)));
  s.ShowView(1);  // already current: stays
  EXPECT_TRUE(s.IsCurrentView(0, 0, 1) && s.GetView(1)->IsWindowVisible());
}

TEST_F(SplitterTest, ARowAndAColumnHiddenTogetherComeBackWithThePaneWhereTheyCross) {
  // Every order of hiding and showing one row and one column of a 3 x 3 splitter.
  for (int order = 0; order < 4; ++order) {
    const bool rowFirst = order & 1, showRowFirst = order & 2;
    Mp s;
    ASSERT_TRUE(s.CreateStatic(frame, 3, 3));
    for (int i = 0; i < 9; ++i) ASSERT_EQ(i + 1, s.AddView(i / 3, i % 3, RUNTIME_CLASS(PaneView), nullptr));
    frame->RecalcLayout();
    auto view = [&](int r, int c) { return s.GetView(r * 3 + c + 1); };
    if (rowFirst) s.HideRow(1), s.HideColumn(1);
    else s.HideColumn(1), s.HideRow(1);
    EXPECT_EQ(2, s.GetRowCount());
    EXPECT_EQ(2, s.GetColumnCount());
    for (int r : {0, 2})
      for (int c : {0, 2}) EXPECT_EQ(s.IdFromRowCol(r / 2, c / 2), Id(view(r, c))) << order;
    if (showRowFirst) {
      s.ShowRow();
      // The row is back but for the pane in the column still hidden.
      EXPECT_FALSE(view(1, 1)->IsWindowVisible()) << order;
      EXPECT_TRUE(view(1, 0)->IsWindowVisible() && view(1, 2)->IsWindowVisible()) << order;
      EXPECT_EQ(s.IdFromRowCol(1, 1), Id(view(1, 2))) << order;
      s.ShowColumn();
    } else {
      s.ShowColumn();
      EXPECT_FALSE(view(1, 1)->IsWindowVisible()) << order;
      EXPECT_TRUE(view(0, 1)->IsWindowVisible() && view(2, 1)->IsWindowVisible()) << order;
      EXPECT_EQ(s.IdFromRowCol(1, 1), Id(view(2, 1))) << order;
      s.ShowRow();
    }
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) {
        EXPECT_TRUE(view(r, c)->IsWindowVisible()) << order << ": " << r << "," << c;
        EXPECT_EQ(s.IdFromRowCol(r, c), Id(view(r, c))) << order << ": " << r << "," << c;
      }
    s.DestroyWindow();
  }
}
