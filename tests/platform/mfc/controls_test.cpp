// The standard control wrappers against the real controls: searches, selections, texts,
// check states, scroll ranges, and owner-draw messages reaching the right object.
#include "wdtest.h"
#include <cstring>
#include <string>

namespace {

CWnd* Host() { return CWnd::FromHandle(wdtest::HostWindow()); }
const RECT kRect = {10, 10, 210, 160};

// A parent whose messages go through the class library, so owner-draw messages are routed.
class OwnerWnd : public CWnd {
public:
  int parentDrawn = 0;
  afx_msg void OnDrawItem(int, LPDRAWITEMSTRUCT) { ++parentDrawn; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(OwnerWnd, CWnd)
ON_WM_DRAWITEM()
END_MESSAGE_MAP()

class DrawnButton : public CButton {
public:
  int drawn = 0;
  void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
};

class DrawnListBox : public CListBox {
public:
  int drawn = 0, measured = 0;
  void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
  void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
    ++measured;
    mis->itemHeight = 21;
  }
};

}  // namespace

TEST(Controls, ComboBoxSearchesFromAfterTheStartAndWraps) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, kRect, Host(), 301));
  EXPECT_TRUE(combo.IsKindOf(RUNTIME_CLASS(CWnd)));
  EXPECT_STREQ(combo.GetRuntimeClass()->m_lpszClassName, "CComboBox");
  for (const char* s : {"Apple", "banana", "Apricot", "cherry", "apple pie"}) combo.AddString(s);
  ASSERT_EQ(combo.GetCount(), 5);

  // Prefix, ignoring case, beginning after the start index and wrapping round.
  EXPECT_EQ(combo.FindString(-1, "ap"), 0);
  EXPECT_EQ(combo.FindString(0, "ap"), 2);
  EXPECT_EQ(combo.FindString(2, "AP"), 4);
  EXPECT_EQ(combo.FindString(4, "ap"), 0);
  EXPECT_EQ(combo.FindString(-1, "zz"), CB_ERR);
  // Whole text only, still ignoring case.
  EXPECT_EQ(combo.FindStringExact(-1, "APPLE"), 0);
  EXPECT_EQ(combo.FindStringExact(0, "apple"), 0);  // wraps back to the only match
  EXPECT_EQ(combo.FindStringExact(-1, "app"), CB_ERR);

  EXPECT_EQ(combo.SelectString(-1, "CH"), 3);
  EXPECT_EQ(combo.GetCurSel(), 3);
  EXPECT_EQ(combo.SelectString(-1, "nothing"), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), 3);  // a failed search keeps the selection
  CString text;
  combo.GetWindowText(text);
  EXPECT_STREQ(text, "cherry");

  combo.GetLBText(1, text);
  EXPECT_STREQ(text, "banana");
  EXPECT_EQ(combo.GetLBTextLen(1), 6);
  combo.GetLBText(99, text);
  EXPECT_TRUE(text.IsEmpty());
  char buf[32] = {};
  EXPECT_EQ(combo.GetLBText(2, buf), 7);
  EXPECT_STREQ(buf, "Apricot");

  EXPECT_EQ(combo.InsertString(1, "first"), 1);
  EXPECT_EQ(combo.GetCount(), 6);
  int payload = 7;
  EXPECT_NE(combo.SetItemData(0, 0xBEEF), CB_ERR);
  EXPECT_NE(combo.SetItemDataPtr(1, &payload), CB_ERR);
  EXPECT_EQ(combo.GetItemData(0), (DWORD_PTR)0xBEEF);
  EXPECT_EQ(combo.GetItemDataPtr(1), &payload);
  EXPECT_EQ(combo.DeleteString(1), 5);  // the count left

  // The edit field of a drop-down combo.
  combo.SetWindowText("typed text");
  EXPECT_TRUE(combo.SetEditSel(2, 5));
  DWORD sel = combo.GetEditSel();
  EXPECT_EQ(LOWORD(sel), 2);
  EXPECT_EQ(HIWORD(sel), 5);

  EXPECT_GT(combo.GetItemHeight(0), 0);
  EXPECT_NE(combo.SetItemHeight(-1, 30), CB_ERR);  // the selection field
  int field = combo.GetItemHeight(-1);
  EXPECT_GE(field, 30);
  combo.SetItemHeight(-1, 40);
  EXPECT_EQ(combo.GetItemHeight(-1), field + 10);
  RECT dropped{};
  combo.GetDroppedControlRect(&dropped);
  EXPECT_EQ(dropped.right - dropped.left, kRect.right - kRect.left);
  EXPECT_GT(dropped.bottom - dropped.top, field);

  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
  combo.DestroyWindow();
}

TEST(Controls, ComboBoxDropDownShowsAndHides) {
  CWnd* host = Host();
  host->ShowWindow(SW_SHOWNA);
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, kRect, host, 302));
  combo.AddString("one");
  combo.AddString("two");
  EXPECT_FALSE(combo.GetDroppedState());
  combo.ShowDropDown(TRUE);
  EXPECT_TRUE(combo.GetDroppedState());
  combo.ShowDropDown(FALSE);
  EXPECT_FALSE(combo.GetDroppedState());
  combo.DestroyWindow();
  host->ShowWindow(SW_HIDE);
}

TEST(Controls, ListBoxSingleAndMultipleSelection) {
  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL, CRect(0, 0, 150, 60), Host(), 303));
  for (int i = 0; i < 20; ++i) list.AddString(("item " + std::to_string(i)).c_str());
  EXPECT_EQ(list.GetCount(), 20);
  EXPECT_EQ(list.GetCurSel(), LB_ERR);
  EXPECT_EQ(list.SetCurSel(4), 4);
  EXPECT_EQ(list.GetCurSel(), 4);
  CString text;
  list.GetText(4, text);
  EXPECT_STREQ(text, "item 4");
  EXPECT_EQ(list.GetTextLen(12), 7);
  list.GetText(50, text);
  EXPECT_TRUE(text.IsEmpty());
  // "item 1" starts "item 1", "item 10" ... the search after 1 finds 10.
  EXPECT_EQ(list.FindString(-1, "ITEM 1"), 1);
  EXPECT_EQ(list.FindString(1, "item 1"), 10);
  EXPECT_EQ(list.FindStringExact(1, "item 1"), 1);
  EXPECT_EQ(list.SelectString(-1, "item 19"), 19);
  EXPECT_EQ(list.GetCurSel(), 19);
  EXPECT_GT(list.GetTopIndex(), 0);  // scrolled to show the selection
  EXPECT_EQ(list.SetTopIndex(2), 0);
  EXPECT_EQ(list.GetTopIndex(), 2);

  // The item under a point; beyond the last item the point is outside.
  RECT r{};
  ASSERT_NE(list.GetItemRect(3, &r), LB_ERR);
  BOOL outside = TRUE;
  EXPECT_EQ(list.ItemFromPoint(CPoint(r.left + 2, r.top + 1), outside), 3u);
  EXPECT_FALSE(outside);
  EXPECT_EQ(list.DeleteString(0), 19);
  list.DestroyWindow();

  CListBox multi;
  ASSERT_TRUE(multi.Create(WS_VISIBLE | LBS_EXTENDEDSEL, CRect(0, 0, 150, 200), Host(), 304));
  for (const char* s : {"a", "b", "c", "d", "e"}) multi.AddString(s);
  EXPECT_NE(multi.SetSel(1), LB_ERR);
  EXPECT_NE(multi.SetSel(3), LB_ERR);
  EXPECT_EQ(multi.GetSelCount(), 2);
  int items[5] = {-1, -1, -1, -1, -1};
  EXPECT_EQ(multi.GetSelItems(5, items), 2);
  EXPECT_EQ(items[0], 1);
  EXPECT_EQ(items[1], 3);
  EXPECT_GT(multi.GetSel(3), 0);
  EXPECT_EQ(multi.GetSel(2), 0);
  EXPECT_NE(multi.SetSel(-1, FALSE), LB_ERR);  // every item
  EXPECT_EQ(multi.GetSelCount(), 0);
  EXPECT_NE(multi.SelItemRange(TRUE, 1, 3), LB_ERR);
  EXPECT_EQ(multi.GetSelCount(), 3);
  EXPECT_NE(multi.SetItemData(4, 44), LB_ERR);
  EXPECT_EQ(multi.GetItemData(4), 44u);
  multi.ResetContent();
  EXPECT_EQ(multi.GetCount(), 0);
  multi.DestroyWindow();
}

TEST(Controls, EditSelectionLinesAndLimits) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, kRect, Host(), 305));
  edit.SetWindowText("hello world");
  edit.SetSel(0, 5);
  int start = -1, end = -1;
  edit.GetSel(start, end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 5);
  EXPECT_EQ(edit.GetSel(), (DWORD)MAKELONG(0, 5));
  edit.ReplaceSel("HELLO");
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(text, "HELLO world");
  edit.SetSel(0, -1);  // everything
  edit.GetSel(start, end);
  EXPECT_EQ(end, 11);
  edit.SetSel(MAKELONG(6, 11));
  edit.GetSel(start, end);
  EXPECT_EQ(start, 6);
  EXPECT_EQ(end, 11);
  edit.Clear();
  edit.GetWindowText(text);
  EXPECT_STREQ(text, "HELLO ");
  EXPECT_TRUE(edit.CanUndo());
  edit.Undo();
  edit.GetWindowText(text);
  EXPECT_STREQ(text, "HELLO world");

  edit.LimitText(8);
  EXPECT_EQ(edit.GetLimitText(), 8u);
  edit.SetLimitText(20);
  EXPECT_EQ(edit.GetLimitText(), 20u);
  EXPECT_TRUE(edit.SetReadOnly());
  EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
  edit.SetReadOnly(FALSE);
  EXPECT_FALSE(edit.GetStyle() & ES_READONLY);
  edit.DestroyWindow();

  CEdit multi;
  ASSERT_TRUE(multi.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, kRect, Host(), 306));
  multi.SetWindowText("one\r\nbb\r\nthree");
  EXPECT_EQ(multi.GetLineCount(), 3);
  char line[16];
  std::memset(line, 'x', sizeof(line));
  EXPECT_EQ(multi.GetLine(1, line, (int)sizeof(line)), 2);
  EXPECT_STREQ(line, "bb");
  std::memset(line, 'x', sizeof(line));
  EXPECT_EQ(multi.GetLine(2, line, 3), 3);  // cut to the buffer, no room for a NUL
  EXPECT_EQ(std::string(line, 4), "thrx");
  EXPECT_EQ(multi.LineIndex(2), 9);
  EXPECT_EQ(multi.LineLength(9), 5);
  EXPECT_EQ(multi.LineFromChar(5), 1);
  multi.DestroyWindow();
}

TEST(Controls, EditCopiesAndPastesThroughTheClipboard) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, kRect, Host(), 307));
  edit.SetWindowText("abc def");
  edit.SetSel(0, 3);
  edit.Copy();
  edit.SetSel(7, 7);
  edit.Paste();
  CString text;
  edit.GetWindowText(text);
  EXPECT_STREQ(text, "abc defabc");
  edit.SetSel(0, 4);
  edit.Cut();
  edit.GetWindowText(text);
  EXPECT_STREQ(text, "defabc");
  edit.DestroyWindow();
}

TEST(Controls, ButtonCheckStateStyleAndImage) {
  CButton box;
  ASSERT_TRUE(box.Create("Tick", WS_VISIBLE | BS_AUTO3STATE, kRect, Host(), 308));
  EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
  box.SetCheck(BST_CHECKED);
  EXPECT_EQ(box.GetCheck(), BST_CHECKED);
  box.SetCheck(BST_INDETERMINATE);
  EXPECT_EQ(box.GetCheck(), BST_INDETERMINATE);
  EXPECT_EQ(box.GetButtonStyle(), (UINT)BS_AUTO3STATE);
  box.SetButtonStyle(BS_AUTOCHECKBOX);
  EXPECT_EQ(box.GetButtonStyle(), (UINT)BS_AUTOCHECKBOX);
  EXPECT_TRUE(box.GetStyle() & WS_VISIBLE);  // only the button bits changed
  box.SetState(TRUE);
  EXPECT_TRUE(box.GetState() & BST_PUSHED);
  box.SetState(FALSE);
  EXPECT_FALSE(box.GetState() & BST_PUSHED);
  box.DestroyWindow();

  CButton push;
  ASSERT_TRUE(push.Create("Image", WS_VISIBLE | BS_PUSHBUTTON | BS_BITMAP, kRect, Host(), 309));
  CBitmap bmp1, bmp2;
  ASSERT_TRUE(bmp1.CreateBitmap(8, 8, 1, 1, nullptr));
  ASSERT_TRUE(bmp2.CreateBitmap(8, 8, 1, 1, nullptr));
  EXPECT_EQ(push.SetBitmap(bmp1), nullptr);
  EXPECT_EQ(push.SetBitmap(bmp2), (HBITMAP)bmp1);  // the previous image comes back
  EXPECT_EQ(push.GetBitmap(), (HBITMAP)bmp2);
  push.DestroyWindow();
}

TEST(Controls, StaticShowsIconsAndBitmaps) {
  CStatic icon;
  ASSERT_TRUE(icon.Create("", WS_VISIBLE | SS_ICON, kRect, Host()));
  EXPECT_EQ(icon.GetDlgCtrlID(), 0xffff);
  HICON h1 = ::LoadIconA(nullptr, IDI_APPLICATION);
  HICON h2 = ::LoadIconA(nullptr, IDI_WARNING);
  icon.SetIcon(h1);
  EXPECT_EQ(icon.SetIcon(h2), h1);
  EXPECT_EQ(icon.GetIcon(), h2);
  icon.DestroyWindow();

  CStatic picture;
  ASSERT_TRUE(picture.Create("", WS_VISIBLE | SS_BITMAP, kRect, Host(), 310));
  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateBitmap(4, 4, 1, 1, nullptr));
  EXPECT_EQ(picture.SetBitmap(bmp), nullptr);
  EXPECT_EQ(picture.GetBitmap(), (HBITMAP)bmp);
  picture.DestroyWindow();
}

TEST(Controls, ScrollBarPositionRangeAndLimit) {
  CScrollBar bar;
  ASSERT_TRUE(bar.Create(WS_VISIBLE | SBS_HORZ, CRect(0, 0, 200, 16), Host(), 311));
  bar.SetScrollRange(0, 50);
  int lo = -1, hi = -1;
  bar.GetScrollRange(&lo, &hi);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 50);
  EXPECT_EQ(bar.SetScrollPos(20), 0);  // the previous position
  EXPECT_EQ(bar.GetScrollPos(), 20);
  bar.SetScrollPos(80);
  EXPECT_EQ(bar.GetScrollPos(), 50);  // held inside the range
  SCROLLINFO si{};
  si.fMask = SIF_PAGE;
  si.nPage = 11;
  bar.SetScrollInfo(&si);
  EXPECT_EQ(bar.GetScrollLimit(), 40);
  EXPECT_TRUE(bar.GetScrollInfo(&si, SIF_ALL));
  EXPECT_EQ(si.nPage, 11u);
  bar.ShowScrollBar(FALSE);
  EXPECT_FALSE(bar.IsWindowVisible());
  bar.DestroyWindow();
}

TEST(Controls, OwnerDrawGoesToTheOverrideOrOnToTheParent) {
  OwnerWnd owner;
  ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, 0, 0, 300, 300, nullptr,
                             nullptr));
  DrawnButton drawn;
  CButton plain;
  ASSERT_TRUE(drawn.Create("d", WS_VISIBLE | BS_OWNERDRAW, kRect, &owner, 401));
  ASSERT_TRUE(plain.Create("p", WS_VISIBLE | BS_OWNERDRAW, kRect, &owner, 402));

  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = 401;
  dis.hwndItem = drawn.m_hWnd;
  owner.SendMessage(WM_DRAWITEM, 401, (LPARAM)&dis);
  EXPECT_EQ(drawn.drawn, 1);
  EXPECT_EQ(owner.parentDrawn, 0);
  // A button class that draws nothing itself leaves the drawing to the parent.
  dis.CtlID = 402;
  dis.hwndItem = plain.m_hWnd;
  owner.SendMessage(WM_DRAWITEM, 402, (LPARAM)&dis);
  EXPECT_EQ(owner.parentDrawn, 1);

  // An owner-drawn list box measures its items through the override while it is created.
  DrawnListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, kRect, &owner, 403));
  EXPECT_GE(list.measured, 1);
  EXPECT_EQ(list.GetItemHeight(0), 21);
  list.AddString("x");
  dis.CtlType = ODT_LISTBOX;
  dis.CtlID = 403;
  dis.hwndItem = list.m_hWnd;
  owner.SendMessage(WM_DRAWITEM, 403, (LPARAM)&dis);
  EXPECT_EQ(list.drawn, 1);
  EXPECT_EQ(owner.parentDrawn, 1);
  owner.DestroyWindow();
}
