// CCheckListBox against a real list box: marks turned by a click on the box or the space bar,
// the selected rows turned together, disabled rows kept, the parent told, the box drawn.
#include "wdtest.h"
#include <vector>

namespace {

class ChangeCounter : public CWnd {
public:
  int changes = 0;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (HIWORD(wParam) == CLBN_CHKCHANGE && LOWORD(wParam) == 501) ++changes;
    return CWnd::OnCommand(wParam, lParam);
  }
};

void ClickAt(CListBox& list, int row, int x) {
  RECT rc{};
  list.SendMessage(LB_GETITEMRECT, row, (LPARAM)&rc);
  const LPARAM at = MAKELPARAM(rc.left + x, (rc.top + rc.bottom) / 2);
  list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
  list.SendMessage(WM_LBUTTONUP, 0, at);
}

// The row drawn into a bitmap, as its pixels.
std::vector<DWORD> Drawn(CCheckListBox& list, int row, UINT state) {
  BITMAPINFO bmi{};
  bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), 60, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bmp = ::CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(dc, bmp);
  DRAWITEMSTRUCT dis{ODT_LISTBOX, 501, (UINT)row, ODA_DRAWENTIRE, state, list.m_hWnd, dc, {0, 0, 60, 16},
                     (ULONG_PTR)list.SendMessage(LB_GETITEMDATA, row)};
  list.DrawItem(&dis);
  ::GdiFlush();
  std::vector<DWORD> pixels((DWORD*)bits, (DWORD*)bits + 60 * 16);
  ::SelectObject(dc, old);
  ::DeleteObject(bmp);
  ::DeleteDC(dc);
  return pixels;
}

TEST(CheckListBox, MarksTurnByBoxOrSpaceAndTellTheParent) {
  ChangeCounter owner;
  ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr));
  CCheckListBox list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOTIFY, {0, 0, 200, 200}, &owner, 501));
  EXPECT_TRUE(list.GetStyle() & LBS_OWNERDRAWFIXED);
  for (const char* text : {"a", "b", "c"}) list.AddString(text);
  EXPECT_EQ(0, list.GetCheck(0));
  EXPECT_EQ(-1, list.GetCheck(7));

  ClickAt(list, 1, 40);  // on the text: selects only
  EXPECT_EQ(0, list.GetCheck(1));
  EXPECT_EQ(0, owner.changes);
  ClickAt(list, 1, 2);
  EXPECT_EQ(1, list.GetCheck(1));
  EXPECT_EQ(1, owner.changes);

  // With rows 0 and 1 selected, a click on the box of a selected row marks both.
  list.SendMessage(LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 1));
  list.SetCheck(1, 0);
  ClickAt(list, 0, 2);
  EXPECT_EQ(1, list.GetCheck(0));
  EXPECT_EQ(1, list.GetCheck(1));
  EXPECT_EQ(0, list.GetCheck(2));

  list.Enable(2, FALSE);
  EXPECT_FALSE(list.IsEnabled(2));
  ClickAt(list, 2, 2);
  EXPECT_EQ(0, list.GetCheck(2)) << "a disabled row keeps its mark";
  list.SendMessage(LB_SETSEL, FALSE, -1);
  list.SendMessage(LB_SETCARETINDEX, 0);
  const int before = owner.changes;
  list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(0, list.GetCheck(0));
  EXPECT_EQ(before + 1, owner.changes);

  // The box shows the mark; the same state draws the same pixels.
  list.Enable(2, TRUE);
  const std::vector<DWORD> clear = Drawn(list, 2, 0);
  EXPECT_EQ(clear, Drawn(list, 2, 0));
  list.SetCheck(2, 1);
  const std::vector<DWORD> checked = Drawn(list, 2, 0);
  EXPECT_NE(clear, checked);
  EXPECT_NE(checked, Drawn(list, 2, ODS_SELECTED));
  owner.DestroyWindow();
}

// The space bar turns the row it selects, as a click on the box does: a row just taken out of the
// selection (Ctrl+click) is selected again, alone, before its mark turns, so the parent finds
// the turned row among the selected ones; a selected row keeps the selection as it is.
TEST(CheckListBox, SpaceSelectsTheRowItTurns) {
  ChangeCounter owner;
  ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr));
  CCheckListBox list;
  ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOTIFY, {0, 0, 200, 200}, &owner, 501));
  for (const char* text : {"a", "b", "c"}) list.AddString(text);
  auto selected = [&] {
    std::vector<int> rows;
    for (int i = 0; i < list.GetCount(); ++i)
      if (list.SendMessage(LB_GETSEL, i) > 0) rows.push_back(i);
    return rows;
  };

  list.SendMessage(LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 1));
  list.SendMessage(LB_SETSEL, FALSE, 1);  // Ctrl+click on a selected row: out of the selection
  list.SendMessage(LB_SETCARETINDEX, 1);
  list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(1, list.GetCheck(1));
  EXPECT_EQ(0, list.GetCheck(0)) << "the row no longer selected before does not turn";
  EXPECT_EQ(std::vector<int>{1}, selected());
  EXPECT_EQ(1, owner.changes);

  list.SendMessage(LB_SETSEL, TRUE, 2);
  list.SendMessage(LB_SETCARETINDEX, 2);
  list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ((std::vector<int>{1, 2}), selected()) << "a selected row keeps the selection";
  EXPECT_EQ(1, list.GetCheck(1));
  EXPECT_EQ(1, list.GetCheck(2)) << "both take the caret row's next mark";
  owner.DestroyWindow();
}

}  // namespace
