// The standard control wrappers against the real controls: the searches, texts, selections
// and check states the library relies on, and owner-draw messages reaching the right object.
#include "wdtest.h"

namespace {

CWnd* Host() { return CWnd::FromHandle(wdtest::HostWindow()); }
const RECT kRect = {10, 10, 210, 160};
// Longer than the 512 characters through which the system passes 8-bit entry texts.
const std::string kLongText = std::string(600, 'x') + "\xE4nd";

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
  EXPECT_STREQ(combo.GetRuntimeClass()->m_lpszClassName, "CComboBox");
  for (const char* s : {"Apple", "banana", "Apricot", "cherry", "apple pie"}) combo.AddString(s);

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
  EXPECT_EQ(combo.SelectString(-1, "nothing"), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), 3);  // a failed search keeps the selection
  CString text;
  combo.GetWindowText(text);
  EXPECT_STREQ(text, "cherry");
  combo.GetLBText(1, text);
  EXPECT_STREQ(text, "banana");
  combo.GetLBText(99, text);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(combo.AddString(kLongText.c_str()), 5);
  EXPECT_EQ(combo.FindStringExact(-1, kLongText.c_str()), 5);
  EXPECT_EQ(combo.SelectString(-1, kLongText.c_str()), 5);
  combo.GetLBText(5, text);
  EXPECT_EQ(std::string(text), kLongText);
  combo.DestroyWindow();
}

TEST(Controls, ListBoxTextsSelectionsAndHitTest) {
  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL, CRect(0, 0, 150, 60), Host(), 303));
  for (int i = 0; i < 20; ++i) list.AddString(("item " + std::to_string(i)).c_str());
  CString text;
  list.GetText(4, text);
  EXPECT_STREQ(text, "item 4");
  list.GetText(50, text);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(list.AddString(kLongText.c_str()), 20);
  list.GetText(20, text);
  EXPECT_EQ(std::string(text), kLongText);
  // "item 1" starts "item 1", "item 10" ... the search after 1 finds 10.
  EXPECT_EQ(list.FindString(1, "ITEM 1"), 10);
  EXPECT_EQ(list.SelectString(-1, "item 19"), 19);
  EXPECT_EQ(list.GetCurSel(), 19);

  // The item under a point; beyond the last item the point is outside.
  list.SetTopIndex(0);
  const int h = list.GetItemHeight(0);
  BOOL outside = TRUE;
  EXPECT_EQ(list.ItemFromPoint(CPoint(2, h + 1), outside), 1u);
  EXPECT_FALSE(outside);
  list.ResetContent();
  list.AddString("only");
  EXPECT_EQ(list.ItemFromPoint(CPoint(2, h + 1), outside), 0u);
  EXPECT_TRUE(outside);
  list.DestroyWindow();

  CListBox multi;
  ASSERT_TRUE(multi.Create(WS_VISIBLE | LBS_EXTENDEDSEL, CRect(0, 0, 150, 200), Host(), 304));
  for (const char* s : {"a", "b", "c", "d", "e"}) multi.AddString(s);
  ::SendMessageA(multi.m_hWnd, LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 1));
  ::SendMessageA(multi.m_hWnd, LB_SELITEMRANGE, TRUE, MAKELPARAM(3, 3));
  EXPECT_EQ(multi.GetSelCount(), 2);
  int items[5] = {-1, -1, -1, -1, -1};
  EXPECT_EQ(multi.GetSelItems(5, items), 2);
  EXPECT_EQ(items[0], 1);
  EXPECT_EQ(items[1], 3);
  multi.DestroyWindow();
}

TEST(Controls, EditSelectsAllAndButtonsKeepTheThirdState) {
  CEdit edit;
  ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_AUTOHSCROLL, kRect, Host(), 305));
  edit.SetWindowText("hello world");
  edit.SetSel(0, -1);  // everything
  DWORD start = 9, end = 0;
  ::SendMessageA(edit.m_hWnd, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 11u);
  edit.DestroyWindow();

  // "Any checked state" and "exactly checked" differ for a three-state box.
  CButton box;
  ASSERT_TRUE(box.Create("Tick", WS_VISIBLE | BS_AUTO3STATE, kRect, Host(), 308));
  EXPECT_EQ(box.GetCheck(), BST_UNCHECKED);
  box.SetCheck(BST_INDETERMINATE);
  EXPECT_EQ(box.GetCheck(), BST_INDETERMINATE);
  box.DestroyWindow();
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
