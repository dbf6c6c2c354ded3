#include "afxlinkctrl.h"
#include <shellapi.h>

namespace {

const COLORREF kLinkColour = RGB(0, 0, 255);
const int kMargin = 2;  // pixels on every side of the text, room for the focus frame

BOOL ShellOpen(LPCSTR lpszURL) {
  return reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, "open", lpszURL, nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

AfxLinkOpener g_pfnOpener = ShellOpen;

}  // namespace

AfxLinkOpener AFXAPI AfxSetLinkOpener(AfxLinkOpener pfnOpener) {
  AfxLinkOpener previous = g_pfnOpener;
  g_pfnOpener = pfnOpener ? pfnOpener : ShellOpen;
  return previous;
}

IMPLEMENT_DYNAMIC(CMFCLinkCtrl, CButton)

CMFCLinkCtrl::~CMFCLinkCtrl() = default;

void CMFCLinkCtrl::SetURL(LPCSTR lpszURL) { m_strURL = lpszURL ? lpszURL : ""; }

CFont* CMFCLinkCtrl::LinkFont() {
  if (!m_fontLink.GetSafeHandle()) {
    LOGFONTA lf{};
    CFont* font = GetFont();
    if (!font || !font->GetSafeHandle() || !font->GetLogFont(&lf))
      ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfUnderline = TRUE;
    m_fontLink.CreateFontIndirect(&lf);
  }
  return &m_fontLink;
}

CSize CMFCLinkCtrl::SizeToContent(BOOL bVCenter, BOOL bHCenter) {
  CString text;
  GetWindowText(text);
  HDC hdc = ::GetDC(m_hWnd);
  HGDIOBJ old = ::SelectObject(hdc, LinkFont()->GetSafeHandle());
  SIZE extent{0, 0};
  ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &extent);
  ::SelectObject(hdc, old);
  ::ReleaseDC(m_hWnd, hdc);
  const CSize size(extent.cx + 2 * kMargin, extent.cy + 2 * kMargin);

  RECT rect;
  ::GetWindowRect(m_hWnd, &rect);
  HWND parent = ::GetParent(m_hWnd);
  if (parent) ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  int x = rect.left, y = rect.top;
  if (bHCenter) x += (rect.right - rect.left - size.cx) / 2;
  if (bVCenter) y += (rect.bottom - rect.top - size.cy) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  return size;
}

void CMFCLinkCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  HDC hdc = lpDrawItemStruct->hDC;
  RECT rect = lpDrawItemStruct->rcItem;
  ::FillRect(hdc, &rect, ::GetSysColorBrush(COLOR_BTNFACE));
  CString text;
  GetWindowText(text);
  HGDIOBJ old = ::SelectObject(hdc, LinkFont()->GetSafeHandle());
  ::SetTextColor(hdc, kLinkColour);
  ::SetBkMode(hdc, TRANSPARENT);
  RECT textRect = rect;
  ::InflateRect(&textRect, -kMargin, -kMargin);
  ::DrawTextA(hdc, text, text.GetLength(), &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  ::SelectObject(hdc, old);
  if (lpDrawItemStruct->itemState & ODS_FOCUS) ::DrawFocusRect(hdc, &rect);
}

BOOL CMFCLinkCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  // A click opens the address; the parent still hears of the click.
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && !m_strURL.IsEmpty()) g_pfnOpener(m_strURL);
  return CButton::OnChildNotify(message, wParam, lParam, pResult);
}
