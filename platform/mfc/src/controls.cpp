// The standard Windows controls: each member is the control's own message.
#include "afxwin.h"
#include <vector>

IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

namespace {
inline LRESULT Send(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) {
  return ::SendMessageA(h, msg, w, l);
}
inline LPARAM Text(LPCSTR s) { return reinterpret_cast<LPARAM>(s); }

// Set by the owner-draw members' default bodies: the class did not override the member,
// so the message goes on to the parent.
thread_local bool t_bOwnerDrawDefault = false;

// Calls the owner-draw member for the message; FALSE (and nothing set) when the message is
// not an owner-draw one or the class left the member to its default.
template <class T>
BOOL CallOwnerDraw(T* p, UINT message, LPARAM lParam, LRESULT* pResult) {
  bool saved = t_bOwnerDrawDefault;  // owner-draw members may send messages themselves
  t_bOwnerDrawDefault = false;
  LRESULT r = TRUE;
  switch (message) {
    case WM_DRAWITEM:
      p->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
      break;
    case WM_MEASUREITEM:
      p->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
      break;
    case WM_COMPAREITEM:
      r = p->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
      break;
    case WM_DELETEITEM:
      p->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
      break;
    default:
      t_bOwnerDrawDefault = saved;
      return FALSE;
  }
  bool handled = !t_bOwnerDrawDefault;
  t_bOwnerDrawDefault = saved;
  if (handled && pResult) *pResult = r;
  return handled;
}

// A button draws but never measures, compares or deletes.
struct ButtonOwnerDraw {
  CButton* button;
  void DrawItem(LPDRAWITEMSTRUCT dis) { button->DrawItem(dis); }
  void MeasureItem(LPMEASUREITEMSTRUCT) { t_bOwnerDrawDefault = true; }
  int CompareItem(LPCOMPAREITEMSTRUCT) {
    t_bOwnerDrawDefault = true;
    return 0;
  }
  void DeleteItem(LPDELETEITEMSTRUCT) { t_bOwnerDrawDefault = true; }
};
}  // namespace

// ---------------------------------------------------------------------------------------
// CButton
// ---------------------------------------------------------------------------------------
BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
  return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}
UINT CButton::GetState() const { return (UINT)Send(m_hWnd, BM_GETSTATE); }
void CButton::SetState(BOOL bHighlight) { Send(m_hWnd, BM_SETSTATE, (WPARAM)bHighlight); }
int CButton::GetCheck() const { return (int)Send(m_hWnd, BM_GETCHECK); }
void CButton::SetCheck(int nCheck) { Send(m_hWnd, BM_SETCHECK, (WPARAM)nCheck); }
UINT CButton::GetButtonStyle() const { return (UINT)::GetWindowLongA(m_hWnd, GWL_STYLE) & 0xFFFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw) {
  Send(m_hWnd, BM_SETSTYLE, (WPARAM)nStyle, (LPARAM)bRedraw);
}
HBITMAP CButton::SetBitmap(HBITMAP hBitmap) {
  return reinterpret_cast<HBITMAP>(Send(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap));
}
HBITMAP CButton::GetBitmap() const {
  return reinterpret_cast<HBITMAP>(Send(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP));
}
HICON CButton::SetIcon(HICON hIcon) {
  return reinterpret_cast<HICON>(Send(m_hWnd, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon));
}
HICON CButton::GetIcon() const {
  return reinterpret_cast<HICON>(Send(m_hWnd, BM_GETIMAGE, IMAGE_ICON));
}
HCURSOR CButton::SetCursor(HCURSOR hCursor) {
  return reinterpret_cast<HCURSOR>(Send(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor));
}
HCURSOR CButton::GetCursor() {
  return reinterpret_cast<HCURSOR>(Send(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR));
}
void CButton::Click() { Send(m_hWnd, BM_CLICK); }
void CButton::DrawItem(LPDRAWITEMSTRUCT) { t_bOwnerDrawDefault = true; }
BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  ButtonOwnerDraw draw{this};
  if (CallOwnerDraw(&draw, message, lParam, pResult)) return TRUE;
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------------------
// CEdit
// ---------------------------------------------------------------------------------------
BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}
DWORD CEdit::GetSel() const { return (DWORD)Send(m_hWnd, EM_GETSEL); }
void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  DWORD start = 0, end = 0;
  Send(m_hWnd, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
  nStartChar = (int)start;
  nEndChar = (int)end;
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
  SetSel((int)(short)LOWORD(dwSelection), (int)(short)HIWORD(dwSelection), bNoScroll);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
  Send(m_hWnd, EM_SETSEL, (WPARAM)nStartChar, (LPARAM)nEndChar);
  if (!bNoScroll) Send(m_hWnd, EM_SCROLLCARET);
}
void CEdit::ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo) {
  Send(m_hWnd, EM_REPLACESEL, (WPARAM)bCanUndo, Text(lpszNewText));
}
void CEdit::LimitText(int nChars) { Send(m_hWnd, EM_LIMITTEXT, (WPARAM)nChars); }
void CEdit::SetLimitText(UINT nMax) { Send(m_hWnd, EM_SETLIMITTEXT, (WPARAM)nMax); }
UINT CEdit::GetLimitText() const { return (UINT)Send(m_hWnd, EM_GETLIMITTEXT); }
int CEdit::GetLineCount() const { return (int)Send(m_hWnd, EM_GETLINECOUNT); }
int CEdit::GetLine(int nIndex, LPSTR lpszBuffer) const {
  return (int)Send(m_hWnd, EM_GETLINE, (WPARAM)nIndex, Text(lpszBuffer));
}
int CEdit::GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const {
  if (nMaxLength <= 0) return 0;
  // The control reads the size from the buffer's first WORD; a tiny buffer cannot hold it.
  std::vector<char> buf((size_t)nMaxLength + sizeof(WORD));
  *reinterpret_cast<WORD*>(buf.data()) = (WORD)(nMaxLength > 0xFFFF ? 0xFFFF : nMaxLength);
  int n = (int)Send(m_hWnd, EM_GETLINE, (WPARAM)nIndex, Text(buf.data()));
  if (n > nMaxLength) n = nMaxLength;
  for (int i = 0; i < n; ++i) lpszBuffer[i] = buf[(size_t)i];
  if (n < nMaxLength) lpszBuffer[n] = '\0';
  return n;
}
int CEdit::LineIndex(int nLine) const { return (int)Send(m_hWnd, EM_LINEINDEX, (WPARAM)nLine); }
int CEdit::LineLength(int nLine) const { return (int)Send(m_hWnd, EM_LINELENGTH, (WPARAM)nLine); }
int CEdit::LineFromChar(int nIndex) const {
  return (int)Send(m_hWnd, EM_LINEFROMCHAR, (WPARAM)nIndex);
}
void CEdit::LineScroll(int nLines, int nChars) {
  Send(m_hWnd, EM_LINESCROLL, (WPARAM)nChars, (LPARAM)nLines);
}
int CEdit::GetFirstVisibleLine() const { return (int)Send(m_hWnd, EM_GETFIRSTVISIBLELINE); }
BOOL CEdit::GetModify() const { return (BOOL)Send(m_hWnd, EM_GETMODIFY); }
void CEdit::SetModify(BOOL bModified) { Send(m_hWnd, EM_SETMODIFY, (WPARAM)bModified); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
  return (BOOL)Send(m_hWnd, EM_SETREADONLY, (WPARAM)bReadOnly);
}
void CEdit::SetPasswordChar(char ch) { Send(m_hWnd, EM_SETPASSWORDCHAR, (WPARAM)(BYTE)ch); }
char CEdit::GetPasswordChar() const { return (char)Send(m_hWnd, EM_GETPASSWORDCHAR); }
void CEdit::GetRect(LPRECT lpRect) const { Send(m_hWnd, EM_GETRECT, 0, (LPARAM)lpRect); }
void CEdit::SetRect(LPCRECT lpRect) { Send(m_hWnd, EM_SETRECT, 0, (LPARAM)lpRect); }
void CEdit::SetMargins(UINT nLeft, UINT nRight) {
  Send(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(nLeft, nRight));
}
DWORD CEdit::GetMargins() const { return (DWORD)Send(m_hWnd, EM_GETMARGINS); }
BOOL CEdit::CanUndo() const { return (BOOL)Send(m_hWnd, EM_CANUNDO); }
void CEdit::EmptyUndoBuffer() { Send(m_hWnd, EM_EMPTYUNDOBUFFER); }
BOOL CEdit::Undo() { return (BOOL)Send(m_hWnd, EM_UNDO); }
void CEdit::Clear() { Send(m_hWnd, WM_CLEAR); }
void CEdit::Copy() { Send(m_hWnd, WM_COPY); }
void CEdit::Cut() { Send(m_hWnd, WM_CUT); }
void CEdit::Paste() { Send(m_hWnd, WM_PASTE); }

// ---------------------------------------------------------------------------------------
// CStatic
// ---------------------------------------------------------------------------------------
BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}
HICON CStatic::SetIcon(HICON hIcon) {
  return reinterpret_cast<HICON>(Send(m_hWnd, STM_SETICON, (WPARAM)hIcon));
}
HICON CStatic::GetIcon() const { return reinterpret_cast<HICON>(Send(m_hWnd, STM_GETICON)); }
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap) {
  return reinterpret_cast<HBITMAP>(Send(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap));
}
HBITMAP CStatic::GetBitmap() const {
  return reinterpret_cast<HBITMAP>(Send(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP));
}
HCURSOR CStatic::SetCursor(HCURSOR hCursor) {
  return reinterpret_cast<HCURSOR>(Send(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor));
}
HCURSOR CStatic::GetCursor() {
  return reinterpret_cast<HCURSOR>(Send(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR));
}

// ---------------------------------------------------------------------------------------
// CComboBox
// ---------------------------------------------------------------------------------------
BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}
int CComboBox::GetCount() const { return (int)Send(m_hWnd, CB_GETCOUNT); }
int CComboBox::GetCurSel() const { return (int)Send(m_hWnd, CB_GETCURSEL); }
int CComboBox::SetCurSel(int nSelect) { return (int)Send(m_hWnd, CB_SETCURSEL, (WPARAM)nSelect); }
int CComboBox::AddString(LPCSTR lpszString) {
  return (int)Send(m_hWnd, CB_ADDSTRING, 0, Text(lpszString));
}
int CComboBox::InsertString(int nIndex, LPCSTR lpszString) {
  return (int)Send(m_hWnd, CB_INSERTSTRING, (WPARAM)nIndex, Text(lpszString));
}
int CComboBox::DeleteString(UINT nIndex) { return (int)Send(m_hWnd, CB_DELETESTRING, nIndex); }
void CComboBox::ResetContent() { Send(m_hWnd, CB_RESETCONTENT); }
int CComboBox::GetLBText(int nIndex, LPSTR lpszText) const {
  return (int)Send(m_hWnd, CB_GETLBTEXT, (WPARAM)nIndex, Text(lpszText));
}
void CComboBox::GetLBText(int nIndex, CString& rString) const {
  int n = GetLBTextLen(nIndex);
  if (n == CB_ERR) {
    rString.Empty();
    return;
  }
  int got = GetLBText(nIndex, rString.GetBuffer(n));
  rString.ReleaseBuffer(got == CB_ERR ? 0 : got);
}
int CComboBox::GetLBTextLen(int nIndex) const {
  return (int)Send(m_hWnd, CB_GETLBTEXTLEN, (WPARAM)nIndex);
}
int CComboBox::FindString(int nStartAfter, LPCSTR lpszString) const {
  return (int)Send(m_hWnd, CB_FINDSTRING, (WPARAM)nStartAfter, Text(lpszString));
}
int CComboBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
  return (int)Send(m_hWnd, CB_FINDSTRINGEXACT, (WPARAM)nIndexStart, Text(lpszFind));
}
int CComboBox::SelectString(int nStartAfter, LPCSTR lpszString) {
  return (int)Send(m_hWnd, CB_SELECTSTRING, (WPARAM)nStartAfter, Text(lpszString));
}
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  return (int)Send(m_hWnd, CB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData);
}
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  return (DWORD_PTR)Send(m_hWnd, CB_GETITEMDATA, (WPARAM)nIndex);
}
int CComboBox::SetItemDataPtr(int nIndex, void* pData) {
  return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}
void* CComboBox::GetItemDataPtr(int nIndex) const {
  return reinterpret_cast<void*>(GetItemData(nIndex));
}
int CComboBox::GetTopIndex() const { return (int)Send(m_hWnd, CB_GETTOPINDEX); }
int CComboBox::SetTopIndex(int nIndex) { return (int)Send(m_hWnd, CB_SETTOPINDEX, (WPARAM)nIndex); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const {
  Send(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
}
BOOL CComboBox::GetDroppedState() const { return (BOOL)Send(m_hWnd, CB_GETDROPPEDSTATE); }
void CComboBox::ShowDropDown(BOOL bShowIt) { Send(m_hWnd, CB_SHOWDROPDOWN, (WPARAM)bShowIt); }
int CComboBox::GetDroppedWidth() const { return (int)Send(m_hWnd, CB_GETDROPPEDWIDTH); }
int CComboBox::SetDroppedWidth(UINT nWidth) {
  return (int)Send(m_hWnd, CB_SETDROPPEDWIDTH, nWidth);
}
int CComboBox::GetItemHeight(int nIndex) const {
  return (int)Send(m_hWnd, CB_GETITEMHEIGHT, (WPARAM)nIndex);
}
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
  return (int)Send(m_hWnd, CB_SETITEMHEIGHT, (WPARAM)nIndex, (LPARAM)cyItemHeight);
}
BOOL CComboBox::GetExtendedUI() const { return (BOOL)Send(m_hWnd, CB_GETEXTENDEDUI); }
int CComboBox::SetExtendedUI(BOOL bExtended) {
  return (int)Send(m_hWnd, CB_SETEXTENDEDUI, (WPARAM)bExtended);
}
BOOL CComboBox::LimitText(int nMaxChars) {
  return (BOOL)Send(m_hWnd, CB_LIMITTEXT, (WPARAM)nMaxChars);
}
DWORD CComboBox::GetEditSel() const { return (DWORD)Send(m_hWnd, CB_GETEDITSEL); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
  return (BOOL)Send(m_hWnd, CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar));
}
void CComboBox::Clear() { Send(m_hWnd, WM_CLEAR); }
void CComboBox::Copy() { Send(m_hWnd, WM_COPY); }
void CComboBox::Cut() { Send(m_hWnd, WM_CUT); }
void CComboBox::Paste() { Send(m_hWnd, WM_PASTE); }
void CComboBox::DrawItem(LPDRAWITEMSTRUCT) { t_bOwnerDrawDefault = true; }
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) { t_bOwnerDrawDefault = true; }
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) {
  t_bOwnerDrawDefault = true;
  return 0;
}
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) { t_bOwnerDrawDefault = true; }
BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (CallOwnerDraw(this, message, lParam, pResult)) return TRUE;
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------------------
// CListBox
// ---------------------------------------------------------------------------------------
BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}
int CListBox::GetCount() const { return (int)Send(m_hWnd, LB_GETCOUNT); }
int CListBox::AddString(LPCSTR lpszItem) {
  return (int)Send(m_hWnd, LB_ADDSTRING, 0, Text(lpszItem));
}
int CListBox::InsertString(int nIndex, LPCSTR lpszItem) {
  return (int)Send(m_hWnd, LB_INSERTSTRING, (WPARAM)nIndex, Text(lpszItem));
}
int CListBox::DeleteString(UINT nIndex) { return (int)Send(m_hWnd, LB_DELETESTRING, nIndex); }
void CListBox::ResetContent() { Send(m_hWnd, LB_RESETCONTENT); }
int CListBox::GetText(int nIndex, LPSTR lpszBuffer) const {
  return (int)Send(m_hWnd, LB_GETTEXT, (WPARAM)nIndex, Text(lpszBuffer));
}
void CListBox::GetText(int nIndex, CString& rString) const {
  int n = GetTextLen(nIndex);
  if (n == LB_ERR) {
    rString.Empty();
    return;
  }
  int got = GetText(nIndex, rString.GetBuffer(n));
  rString.ReleaseBuffer(got == LB_ERR ? 0 : got);
}
int CListBox::GetTextLen(int nIndex) const {
  return (int)Send(m_hWnd, LB_GETTEXTLEN, (WPARAM)nIndex);
}
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  return (int)Send(m_hWnd, LB_SETITEMDATA, (WPARAM)nIndex, (LPARAM)dwItemData);
}
DWORD_PTR CListBox::GetItemData(int nIndex) const {
  return (DWORD_PTR)Send(m_hWnd, LB_GETITEMDATA, (WPARAM)nIndex);
}
int CListBox::SetItemDataPtr(int nIndex, void* pData) {
  return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}
void* CListBox::GetItemDataPtr(int nIndex) const {
  return reinterpret_cast<void*>(GetItemData(nIndex));
}
int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const {
  return (int)Send(m_hWnd, LB_FINDSTRING, (WPARAM)nStartAfter, Text(lpszItem));
}
int CListBox::FindStringExact(int nIndexStart, LPCSTR lpszFind) const {
  return (int)Send(m_hWnd, LB_FINDSTRINGEXACT, (WPARAM)nIndexStart, Text(lpszFind));
}
int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem) {
  return (int)Send(m_hWnd, LB_SELECTSTRING, (WPARAM)nStartAfter, Text(lpszItem));
}
int CListBox::GetCurSel() const { return (int)Send(m_hWnd, LB_GETCURSEL); }
int CListBox::SetCurSel(int nSelect) { return (int)Send(m_hWnd, LB_SETCURSEL, (WPARAM)nSelect); }
int CListBox::GetSel(int nIndex) const { return (int)Send(m_hWnd, LB_GETSEL, (WPARAM)nIndex); }
int CListBox::SetSel(int nIndex, BOOL bSelect) {
  return (int)Send(m_hWnd, LB_SETSEL, (WPARAM)bSelect, (LPARAM)nIndex);
}
int CListBox::GetSelCount() const { return (int)Send(m_hWnd, LB_GETSELCOUNT); }
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
  return (int)Send(m_hWnd, LB_GETSELITEMS, (WPARAM)nMaxItems, (LPARAM)rgIndex);
}
int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem) {
  return (int)Send(m_hWnd, LB_SELITEMRANGE, (WPARAM)bSelect, MAKELPARAM(nFirstItem, nLastItem));
}
int CListBox::GetAnchorIndex() const { return (int)Send(m_hWnd, LB_GETANCHORINDEX); }
void CListBox::SetAnchorIndex(int nIndex) { Send(m_hWnd, LB_SETANCHORINDEX, (WPARAM)nIndex); }
int CListBox::GetCaretIndex() const { return (int)Send(m_hWnd, LB_GETCARETINDEX); }
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll) {
  return (int)Send(m_hWnd, LB_SETCARETINDEX, (WPARAM)nIndex, (LPARAM)bScroll);
}
int CListBox::GetTopIndex() const { return (int)Send(m_hWnd, LB_GETTOPINDEX); }
int CListBox::SetTopIndex(int nIndex) { return (int)Send(m_hWnd, LB_SETTOPINDEX, (WPARAM)nIndex); }
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const {
  return (int)Send(m_hWnd, LB_GETITEMRECT, (WPARAM)nIndex, (LPARAM)lpRect);
}
int CListBox::GetItemHeight(int nIndex) const {
  return (int)Send(m_hWnd, LB_GETITEMHEIGHT, (WPARAM)nIndex);
}
int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight) {
  return (int)Send(m_hWnd, LB_SETITEMHEIGHT, (WPARAM)nIndex, MAKELPARAM(cyItemHeight, 0));
}
UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
  DWORD r = (DWORD)Send(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
  bOutside = HIWORD(r) != 0;
  return LOWORD(r);
}
void CListBox::SetHorizontalExtent(int cxExtent) {
  Send(m_hWnd, LB_SETHORIZONTALEXTENT, (WPARAM)cxExtent);
}
int CListBox::GetHorizontalExtent() const { return (int)Send(m_hWnd, LB_GETHORIZONTALEXTENT); }
void CListBox::SetColumnWidth(int cxWidth) { Send(m_hWnd, LB_SETCOLUMNWIDTH, (WPARAM)cxWidth); }
BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops) {
  return (BOOL)Send(m_hWnd, LB_SETTABSTOPS, (WPARAM)nTabStops, (LPARAM)rgTabStops);
}
void CListBox::DrawItem(LPDRAWITEMSTRUCT) { t_bOwnerDrawDefault = true; }
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) { t_bOwnerDrawDefault = true; }
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) {
  t_bOwnerDrawDefault = true;
  return 0;
}
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) { t_bOwnerDrawDefault = true; }
BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (CallOwnerDraw(this, message, lParam, pResult)) return TRUE;
  return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

// ---------------------------------------------------------------------------------------
// CScrollBar
// ---------------------------------------------------------------------------------------
BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}
int CScrollBar::GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw) {
  return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
}
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const {
  ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw) {
  ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
}
void CScrollBar::ShowScrollBar(BOOL bShow) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags) {
  return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
}
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
  return TRUE;
}
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) {
  lpScrollInfo->cbSize = sizeof(SCROLLINFO);
  lpScrollInfo->fMask = nMask;
  return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}
int CScrollBar::GetScrollLimit() {
  SCROLLINFO si{};
  si.cbSize = sizeof(si);
  si.fMask = SIF_RANGE | SIF_PAGE;
  if (!::GetScrollInfo(m_hWnd, SB_CTL, &si)) return 0;
  int limit = si.nMax - (si.nPage > 1 ? (int)si.nPage - 1 : 0);
  return limit < si.nMin ? si.nMin : limit;
}
