// The standard Windows controls: each member is the control's own message.
#include "afxwin.h"
#include "afxpriv_.h"
#include <algorithm>
#include <string>

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

// An entry's text, read through the wide messages and converted here. The system answers an
// 8-bit CB_GETLBTEXT or LB_GETTEXT of a wide control, and a wide one that meets a procedure of
// 8-bit text on its way (ours, when the control is bound to an object), through a fixed buffer
// of 512 characters that a longer entry overruns. So the messages go straight to the control
// class's own wide procedure: subclasses never change what an entry holds. Empty for an index
// with no entry.
void AfxEntryText(HWND h, UINT lengthMsg, UINT textMsg, int nIndex, CString& rString) {
  rString.Empty();
  const WNDPROC proc = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(h, GCLP_WNDPROC));
  if (proc == nullptr) return;
  const LRESULT n = ::CallWindowProcW(proc, h, lengthMsg, (WPARAM)nIndex, 0);
  if (n < 0) return;  // CB_ERR, LB_ERR
  std::wstring wide((size_t)n + 1, L'\0');
  const LRESULT got = ::CallWindowProcW(proc, h, textMsg, (WPARAM)nIndex, reinterpret_cast<LPARAM>(&wide[0]));
  if (got <= 0) return;
  rString = CString(wide.data(), (int)std::min<LRESULT>(got, n));
}

// ---------------------------------------------------------------------------------------
// CButton
// ---------------------------------------------------------------------------------------
BOOL CButton::Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                     UINT nID) {
  return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}
int CButton::GetCheck() const { return (int)Send(m_hWnd, BM_GETCHECK); }
void CButton::SetCheck(int nCheck) { Send(m_hWnd, BM_SETCHECK, (WPARAM)nCheck); }
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
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
  Send(m_hWnd, EM_SETSEL, (WPARAM)nStartChar, (LPARAM)nEndChar);
  if (!bNoScroll) Send(m_hWnd, EM_SCROLLCARET);
}
void CEdit::LimitText(int nChars) { Send(m_hWnd, EM_LIMITTEXT, (WPARAM)nChars); }

// ---------------------------------------------------------------------------------------
// CStatic
// ---------------------------------------------------------------------------------------
BOOL CStatic::Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
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
void CComboBox::GetLBText(int nIndex, CString& rString) const {
  AfxEntryText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
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
DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  return (DWORD_PTR)Send(m_hWnd, CB_GETITEMDATA, (WPARAM)nIndex);
}
int CComboBox::SetItemDataPtr(int nIndex, void* pData) {
  return (int)Send(m_hWnd, CB_SETITEMDATA, (WPARAM)nIndex, reinterpret_cast<LPARAM>(pData));
}
void* CComboBox::GetItemDataPtr(int nIndex) const {
  return reinterpret_cast<void*>(GetItemData(nIndex));
}
void CComboBox::GetDroppedControlRect(LPRECT lprect) const {
  Send(m_hWnd, CB_GETDROPPEDCONTROLRECT, 0, (LPARAM)lprect);
}
void CComboBox::ShowDropDown(BOOL bShowIt) { Send(m_hWnd, CB_SHOWDROPDOWN, (WPARAM)bShowIt); }
int CComboBox::GetItemHeight(int nIndex) const {
  return (int)Send(m_hWnd, CB_GETITEMHEIGHT, (WPARAM)nIndex);
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
int CListBox::DeleteString(UINT nIndex) { return (int)Send(m_hWnd, LB_DELETESTRING, nIndex); }
void CListBox::ResetContent() { Send(m_hWnd, LB_RESETCONTENT); }
void CListBox::GetText(int nIndex, CString& rString) const {
  AfxEntryText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}
int CListBox::FindString(int nStartAfter, LPCSTR lpszItem) const {
  return (int)Send(m_hWnd, LB_FINDSTRING, (WPARAM)nStartAfter, Text(lpszItem));
}
int CListBox::SelectString(int nStartAfter, LPCSTR lpszItem) {
  return (int)Send(m_hWnd, LB_SELECTSTRING, (WPARAM)nStartAfter, Text(lpszItem));
}
int CListBox::GetCurSel() const { return (int)Send(m_hWnd, LB_GETCURSEL); }
int CListBox::SetCurSel(int nSelect) { return (int)Send(m_hWnd, LB_SETCURSEL, (WPARAM)nSelect); }
int CListBox::GetSelCount() const { return (int)Send(m_hWnd, LB_GETSELCOUNT); }
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
  return (int)Send(m_hWnd, LB_GETSELITEMS, (WPARAM)nMaxItems, (LPARAM)rgIndex);
}
int CListBox::SetTopIndex(int nIndex) { return (int)Send(m_hWnd, LB_SETTOPINDEX, (WPARAM)nIndex); }
int CListBox::GetItemHeight(int nIndex) const {
  return (int)Send(m_hWnd, LB_GETITEMHEIGHT, (WPARAM)nIndex);
}
UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
  DWORD r = (DWORD)Send(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
  bOutside = HIWORD(r) != 0;
  return LOWORD(r);
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
