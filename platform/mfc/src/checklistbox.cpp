// CCheckListBox: the marks live in each row's item data; the list draws them itself.
#include "afxwin.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

namespace {

// Item data: the mark in the low bits, the disabled flag above them.
constexpr LRESULT kCheckMask = 0x3;
constexpr LRESULT kDisabled = 0x100;

LRESULT Send(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) { return ::SendMessageA(h, msg, w, l); }

}  // namespace

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  // Rows are drawn here, and their texts kept by the list.
  dwStyle |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
  dwStyle &= ~static_cast<DWORD>(LBS_OWNERDRAWVARIABLE);
  return CListBox::Create(dwStyle, rect, pParentWnd, nID);
}

void CCheckListBox::PreSubclassWindow() {
  CListBox::PreSubclassWindow();
  SetItemHeightFromFont();
}

void CCheckListBox::SetItemHeightFromFont() {
  if (!m_hWnd) return;
  HDC hdc = ::GetDC(m_hWnd);
  HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HFONT>(Send(m_hWnd, WM_GETFONT)));
  TEXTMETRICA tm{};
  ::GetTextMetricsA(hdc, &tm);
  ::SelectObject(hdc, hOld);
  ::ReleaseDC(m_hWnd, hdc);
  // Room for the text and for a box of the system's size.
  const int nHeight = std::max<int>(tm.tmHeight, ::GetSystemMetrics(SM_CYMENUCHECK)) + 2;
  Send(m_hWnd, LB_SETITEMHEIGHT, 0, MAKELPARAM(nHeight, 0));
}

void CCheckListBox::SetCheckStyle(UINT nStyle) {
  if (nStyle == BS_CHECKBOX || nStyle == BS_AUTOCHECKBOX || nStyle == BS_3STATE || nStyle == BS_AUTO3STATE)
    m_nStyle = nStyle;
}

UINT CCheckListBox::GetCheckStyle() { return m_nStyle; }

void CCheckListBox::SetCheck(int nIndex, int nCheck) {
  const LRESULT data = Send(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex));
  if (data == LB_ERR) return;
  Send(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), (data & ~kCheckMask) | (nCheck & kCheckMask));
  RECT rc;
  if (Send(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&rc)) != LB_ERR)
    ::InvalidateRect(m_hWnd, &rc, FALSE);
}

int CCheckListBox::GetCheck(int nIndex) {
  const LRESULT data = Send(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex));
  return data == LB_ERR ? -1 : static_cast<int>(data & kCheckMask);
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled) {
  const LRESULT data = Send(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex));
  if (data == LB_ERR) return;
  Send(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(nIndex), bEnabled ? (data & ~kDisabled) : (data | kDisabled));
  ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

BOOL CCheckListBox::IsEnabled(int nIndex) {
  const LRESULT data = Send(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex));
  return data != LB_ERR && !(data & kDisabled);
}

int CCheckListBox::NextCheck(int nCheck) const {
  if (m_nStyle == BS_AUTO3STATE || m_nStyle == BS_3STATE) return (nCheck + 1) % 3;
  return nCheck ? 0 : 1;
}

void CCheckListBox::ToggleFromRow(int nIndex) {
  if (nIndex < 0 || nIndex >= GetCount() || !IsEnabled(nIndex)) return;
  const int nNew = NextCheck(GetCheck(nIndex));
  const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
  const bool bMulti = (dwStyle & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
  if (bMulti && Send(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nIndex)) > 0) {
    for (int i = 0; i < GetCount(); ++i) {
      if (Send(m_hWnd, LB_GETSEL, static_cast<WPARAM>(i)) > 0 && IsEnabled(i)) SetCheck(i, nNew);
    }
  } else {
    SetCheck(nIndex, nNew);
  }
  ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), CLBN_CHKCHANGE),
                 reinterpret_cast<LPARAM>(m_hWnd));
}

// The space bar turns the row it selects, as a click on the box does: an unselected row is
// selected first (alone, unless Ctrl adds it to an extended selection), so that the row turned is
// always among the selected rows the parent reads.
void CCheckListBox::SelectForToggle(int nIndex) {
  if (nIndex < 0 || nIndex >= GetCount()) return;
  const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
  if (!(dwStyle & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))) {
    if (Send(m_hWnd, LB_GETCURSEL) == nIndex) return;
    Send(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(nIndex));
  } else {
    if (Send(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nIndex)) > 0) return;
    if ((dwStyle & LBS_EXTENDEDSEL) && ::GetKeyState(VK_CONTROL) >= 0) Send(m_hWnd, LB_SETSEL, FALSE, -1);
    Send(m_hWnd, LB_SETSEL, TRUE, nIndex);
    Send(m_hWnd, LB_SETCARETINDEX, static_cast<WPARAM>(nIndex));
  }
  if (dwStyle & LBS_NOTIFY)
    ::SendMessageA(::GetParent(m_hWnd), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(m_hWnd), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(m_hWnd));
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    const POINT pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    BOOL bOutside = TRUE;
    const int nIndex = static_cast<int>(ItemFromPoint(CPoint(pt.x, pt.y), bOutside));
    RECT rc;
    if (!bOutside && Send(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&rc)) != LB_ERR &&
        pt.x < rc.left + (rc.bottom - rc.top)) {
      // A click on the box: a row not yet selected is selected first, as any click does; a
      // selected row keeps the selection, so that the mark goes to all selected rows.
      if (Send(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nIndex)) <= 0) CListBox::WindowProc(message, wParam, lParam);
      else ::SetFocus(m_hWnd);
      ToggleFromRow(nIndex);
      return 0;
    }
  } else if (message == WM_KEYDOWN && wParam == VK_SPACE) {
    const int nIndex = static_cast<int>(Send(m_hWnd, LB_GETCARETINDEX));
    SelectForToggle(nIndex);
    ToggleFromRow(nIndex);
    return 0;
  } else if (message == WM_CHAR && wParam == ' ') {
    return 0;  // the space bar only turns marks
  } else if (message == WM_SETFONT) {
    const LRESULT r = CListBox::WindowProc(message, wParam, lParam);
    SetItemHeightFromFont();
    return r;
  }
  return CListBox::WindowProc(message, wParam, lParam);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
  lpMeasureItemStruct->itemHeight = static_cast<UINT>(std::max(::GetSystemMetrics(SM_CYMENUCHECK) + 2, 16));
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  const DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
  HDC hdc = dis.hDC;
  RECT rc = dis.rcItem;
  const bool bSelected = (dis.itemState & ODS_SELECTED) != 0;
  if (static_cast<int>(dis.itemID) < 0) {
    if (dis.itemState & ODS_FOCUS) ::DrawFocusRect(hdc, &rc);
    return;
  }
  if (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
    const int nBox = rc.bottom - rc.top;
    RECT rcBox = {rc.left, rc.top, rc.left + nBox, rc.bottom};
    ::FillRect(hdc, &rcBox, ::GetSysColorBrush(COLOR_WINDOW));
    ::InflateRect(&rcBox, -2, -2);
    const int nCheck = static_cast<int>(dis.itemData & kCheckMask);
    UINT uState = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (nCheck == 1) uState |= DFCS_CHECKED;
    if (nCheck == 2) uState = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
    if ((dis.itemData & kDisabled) || !::IsWindowEnabled(m_hWnd)) uState |= DFCS_INACTIVE;
    ::DrawFrameControl(hdc, &rcBox, DFC_BUTTON, uState);

    RECT rcText = {rc.left + nBox, rc.top, rc.right, rc.bottom};
    ::FillRect(hdc, &rcText, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CString text;
    GetText(static_cast<int>(dis.itemID), text);
    const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
    const bool bGrey = (dis.itemData & kDisabled) || !::IsWindowEnabled(m_hWnd);
    const COLORREF crOld = ::SetTextColor(
        hdc, ::GetSysColor(bGrey ? COLOR_GRAYTEXT : (bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT)));
    rcText.left += 2;
    ::DrawTextA(hdc, static_cast<LPCSTR>(text), -1, &rcText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    ::SetTextColor(hdc, crOld);
    ::SetBkMode(hdc, nOldMode);
    rcText.left -= 2;
    if (dis.itemState & ODS_FOCUS) ::DrawFocusRect(hdc, &rcText);
  } else if (dis.itemAction & ODA_FOCUS) {
    RECT rcText = {rc.left + (rc.bottom - rc.top), rc.top, rc.right, rc.bottom};
    ::DrawFocusRect(hdc, &rcText);
  }
}
