// Control bars and the toolbar over the common toolbar control.
#include "afxext.h"
#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CDockBar, CControlBar)
IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

void CCmdUI::Enable(BOOL bOn) {
  m_bEnableChanged = TRUE;
  if (m_pOther) {
    LRESULT state = ::SendMessageA(m_pOther->m_hWnd, TB_GETSTATE, m_nID, 0);
    if (state == -1) return;
    state = bOn ? (state | TBSTATE_ENABLED) : (state & ~TBSTATE_ENABLED);
    ::SendMessageA(m_pOther->m_hWnd, TB_SETSTATE, m_nID, MAKELPARAM(state, 0));
  }
}
void CCmdUI::SetCheck(int nCheck) {
  if (m_pOther) ::SendMessageA(m_pOther->m_hWnd, TB_CHECKBUTTON, m_nID, MAKELPARAM(nCheck != 0, 0));
}
BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  if (m_nID == 0 || pTarget == nullptr) return TRUE;
  m_bEnableChanged = FALSE;
  struct Caller : CCmdTarget {
    static const AFX_MSGMAP_ENTRY* Find(CCmdTarget* t, UINT code, UINT id) {
      return static_cast<Caller*>(t)->FindMessageEntry(WM_COMMAND, code, id);
    }
  };
  if (const AFX_MSGMAP_ENTRY* e = Caller::Find(pTarget, CN_UPDATE_COMMAND_UI, m_nID)) {
    LRESULT r = 0;
    e->pfn(pTarget, m_nID, 0, reinterpret_cast<LPARAM>(this), &r);
    return TRUE;
  }
  if (bDisableIfNoHndler) Enable(Caller::Find(pTarget, 0, m_nID) != nullptr);
  return FALSE;
}

// ---------------------------------------------------------------------------------------
// CControlBar
// ---------------------------------------------------------------------------------------
CSize CControlBar::CalcFixedLayout(BOOL, BOOL bHorz) {
  CRect rect;
  ::GetClientRect(m_hWnd, &rect);
  return bHorz ? CSize(32767, rect.Height()) : CSize(rect.Width(), 32767);
}
CSize CControlBar::CalcDynamicLayout(int, DWORD nMode) {
  return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}
void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const {
  if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += 2;
  if (m_dwStyle & CBRS_BORDER_TOP) rect.top += 2;
  if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= 2;
  if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= 2;
  if (bHorz) {
    rect.left += m_cxLeftBorder;
    rect.top += m_cyTopBorder;
    rect.right -= m_cxRightBorder;
    rect.bottom -= m_cyBottomBorder;
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER) rect.left += 8;
  } else {
    rect.left += m_cyTopBorder;
    rect.top += m_cxLeftBorder;
    rect.right -= m_cyBottomBorder;
    rect.bottom -= m_cxRightBorder;
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER) rect.top += 8;
  }
}
void CControlBar::DrawBorders(CDC*, CRect& rect) {
  // What the borders take is left out of the rectangle the caller goes on with.
  if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += 2;
  if (m_dwStyle & CBRS_BORDER_TOP) rect.top += 2;
  if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= 2;
  if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= 2;
}
void CControlBar::DrawGripper(CDC*, const CRect&) {}
void CControlBar::EraseNonClient() {
  HDC hdc = ::GetWindowDC(m_hWnd);
  if (!hdc) return;
  CRect rcClient, rcWindow;
  ::GetClientRect(m_hWnd, &rcClient);
  ::ClientToScreen(m_hWnd, reinterpret_cast<POINT*>(&rcClient.left));
  ::ClientToScreen(m_hWnd, reinterpret_cast<POINT*>(&rcClient.right));
  ::GetWindowRect(m_hWnd, &rcWindow);
  rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
  ::ExcludeClipRect(hdc, rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
  rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);
  CDC* pDC = CDC::FromHandle(hdc);
  DrawBorders(pDC, rcWindow);
  ::FillRect(hdc, &rcWindow, ::GetSysColorBrush(COLOR_BTNFACE));
  DrawGripper(pDC, rcWindow);
  ::ReleaseDC(m_hWnd, hdc);
}
LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM) {
  if (!IsWindowVisible()) return 0;
  CWnd* target = GetParent();
  if (CWnd* owner = GetOwner()) target = owner;
  OnUpdateCmdUI(target, (BOOL)wParam);
  return 0;
}

// ---------------------------------------------------------------------------------------
// CToolBar
// ---------------------------------------------------------------------------------------
CToolBar::~CToolBar() {
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();
  if (m_hbmImageWell) ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder,
                                                m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                        UINT nID) {
  m_cxLeftBorder = rcBorders.left;
  m_cyTopBorder = rcBorders.top;
  m_cxRightBorder = rcBorders.right;
  m_cyBottomBorder = rcBorders.bottom;
  m_dwStyle = (dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM | CBRS_BORDER_ANY | CBRS_BORDER_3D |
                          CBRS_SIZE_DYNAMIC | CBRS_SIZE_FIXED | CBRS_FLOATING | CBRS_GRIPPER));
  DWORD wndStyle = (dwStyle & (WS_CHILD | WS_VISIBLE | WS_DISABLED)) | dwCtrlStyle | CCS_NOPARENTALIGN |
                   CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
  ::InitCommonControlsEx(&icc);
  if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, wndStyle, CRect(0, 0, 100, 30), pParentWnd,
                      nID))
    return FALSE;
  ::SendMessageA(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
  LPCSTR name = MAKEINTRESOURCEA(nIDResource);
  HINSTANCE hInst = AfxFindResourceHandle(name, MAKEINTRESOURCEA(241));
  HRSRC hRsrc = hInst ? ::FindResourceA(hInst, name, MAKEINTRESOURCEA(241)) : nullptr;
  if (!hRsrc || !m_hWnd) return FALSE;
  const DWORD size = ::SizeofResource(hInst, hRsrc);
  HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
  const WORD* data = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
  if (!data || size < 8 || data[0] != 1 || size < 8u + 2u * data[3]) return FALSE;
  const int cx = data[1], cy = data[2], count = data[3];
  HBITMAP bmp = static_cast<HBITMAP>(::LoadImageA(hInst, name, IMAGE_BITMAP, 0, 0, 0));
  if (!bmp) return FALSE;
  if (m_hbmImageWell) ::DeleteObject(m_hbmImageWell);
  m_hbmImageWell = bmp;
  BITMAP bm{};
  ::GetObjectA(bmp, sizeof(bm), &bm);
  while (::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0) > 0) ::SendMessageA(m_hWnd, TB_DELETEBUTTON, 0, 0);
  ::SendMessageA(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(cx, cy));
  ::SendMessageA(m_hWnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(cx + 7, cy + 7));
  TBADDBITMAP ab{nullptr, reinterpret_cast<UINT_PTR>(bmp)};
  ::SendMessageA(m_hWnd, TB_ADDBITMAP, cx > 0 ? bm.bmWidth / cx : 0, reinterpret_cast<LPARAM>(&ab));
  std::vector<TBBUTTON> buttons(count);
  int image = 0;
  for (int i = 0; i < count; ++i) {
    TBBUTTON& b = buttons[i];
    b = TBBUTTON{};
    b.idCommand = data[4 + i];
    if (b.idCommand == 0) {
      b.fsStyle = TBSTYLE_SEP;
      b.iBitmap = 6;
    } else {
      b.fsStyle = TBSTYLE_BUTTON;
      b.fsState = TBSTATE_ENABLED;
      b.iBitmap = image++;
    }
  }
  if (count) ::SendMessageA(m_hWnd, TB_ADDBUTTONSA, count, reinterpret_cast<LPARAM>(buttons.data()));
  return TRUE;
}

int CToolBar::GetCount() const { return (int)::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0); }
UINT CToolBar::GetItemID(int nIndex) const {
  TBBUTTON b{};
  if (!::SendMessageA(m_hWnd, TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&b))) return 0;
  return (b.fsStyle & TBSTYLE_SEP) ? 0 : (UINT)b.idCommand;
}
int CToolBar::CommandToIndex(UINT nIDFind) const {
  return (int)::SendMessageA(m_hWnd, TB_COMMANDTOINDEX, nIDFind, 0);
}
void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
  if (!::SendMessageA(m_hWnd, TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)))
    ::SetRectEmpty(lpRect);
}
UINT CToolBar::GetButtonStyle(int nIndex) const {
  TBBUTTON b{};
  if (!::SendMessageA(m_hWnd, TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&b))) return 0;
  return MAKELONG(b.fsStyle, b.fsState);
}
void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
  TBBUTTONINFOA info{};
  info.cbSize = sizeof(info);
  info.dwMask = TBIF_STYLE | TBIF_BYINDEX;
  info.fsStyle = (BYTE)LOWORD(nStyle);
  ::SendMessageA(m_hWnd, TB_SETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info));
}
void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
  TBBUTTON b{};
  ::SendMessageA(m_hWnd, TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&b));
  nID = (UINT)b.idCommand;
  nStyle = MAKELONG(b.fsStyle, b.fsState);
  iImage = b.iBitmap;
}

CSize CToolBar::CalcSize(TBBUTTON* pData, int nCount) {
  SIZE button{};
  const DWORD bs = (DWORD)::SendMessageA(m_hWnd, TB_GETBUTTONSIZE, 0, 0);
  button.cx = LOWORD(bs);
  button.cy = HIWORD(bs);
  CPoint cur(0, 0);
  CSize size(0, 0);
  for (int i = 0; i < nCount; ++i) {
    if (pData[i].fsState & TBSTATE_HIDDEN) continue;
    const int cx = (pData[i].fsStyle & TBSTYLE_SEP) ? pData[i].iBitmap : button.cx;
    cur.x += cx;
    size.cx = std::max<LONG>(size.cx, cur.x);
    size.cy = std::max<LONG>(size.cy, cur.y + button.cy);
    if (pData[i].fsState & TBSTATE_WRAP) {
      cur.x = 0;
      cur.y += button.cy;
    }
  }
  return size;
}

int CToolBar::WrapToolBar(TBBUTTON* pData, int nCount, int nWidth) {
  const int cxButton = LOWORD(::SendMessageA(m_hWnd, TB_GETBUTTONSIZE, 0, 0));
  int rows = nCount > 0 ? 1 : 0, x = 0;
  for (int i = 0; i < nCount; ++i) {
    pData[i].fsState &= ~TBSTATE_WRAP;
    if (pData[i].fsState & TBSTATE_HIDDEN) continue;
    const int cx = (pData[i].fsStyle & TBSTYLE_SEP) ? pData[i].iBitmap : cxButton;
    if (x + cx > nWidth && x > 0 && i > 0) {
      pData[i - 1].fsState |= TBSTATE_WRAP;
      ++rows;
      x = 0;
    }
    x += cx;
  }
  return rows;
}

CSize CToolBar::CalcFixedLayout(BOOL, BOOL bHorz) {
  const int n = GetCount();
  std::vector<TBBUTTON> buttons(n > 0 ? n : 0);
  for (int i = 0; i < n; ++i)
    ::SendMessageA(m_hWnd, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&buttons[i]));
  WrapToolBar(buttons.data(), n, bHorz ? 32767 : 0);
  CSize size = CalcSize(buttons.data(), n);
  CRect rect;
  CalcInsideRect(rect, bHorz);
  size.cx -= rect.Width();
  size.cy -= rect.Height();
  return size;
}

void CToolBar::OnUpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  CCmdUI state;
  state.m_pOther = this;
  const int n = GetCount();
  for (int i = 0; i < n; ++i) {
    state.m_nIndex = (UINT)i;
    state.m_nID = GetItemID(i);
    if (state.m_nID != 0) state.DoUpdate(pTarget, bDisableIfNoHndler);
  }
}

HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono) {
  HGLOBAL hGlobal = hRsrc ? ::LoadResource(hInst, hRsrc) : nullptr;
  const auto* header = hGlobal ? static_cast<const BITMAPINFOHEADER*>(::LockResource(hGlobal)) : nullptr;
  const DWORD size = hRsrc ? ::SizeofResource(hInst, hRsrc) : 0;
  if (!header || size < sizeof(BITMAPINFOHEADER) || header->biBitCount > 8) return nullptr;
  const DWORD colours = header->biClrUsed ? header->biClrUsed : (1u << header->biBitCount);
  const DWORD headerBytes = header->biSize + colours * sizeof(RGBQUAD);
  if (header->biSize < sizeof(BITMAPINFOHEADER) || headerBytes > size) return nullptr;
  std::vector<BYTE> info(reinterpret_cast<const BYTE*>(header),
                         reinterpret_cast<const BYTE*>(header) + headerBytes);
  auto* table = reinterpret_cast<RGBQUAD*>(info.data() + header->biSize);
  static const struct { COLORREF from; int to; } map[] = {
      {RGB(0, 0, 0), COLOR_BTNTEXT}, {RGB(128, 128, 128), COLOR_BTNSHADOW},
      {RGB(192, 192, 192), COLOR_BTNFACE}, {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
  for (DWORD i = 0; i < colours; ++i) {
    const COLORREF c = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
    for (const auto& m : map) {
      if (c != m.from || (bMono && m.to != COLOR_BTNFACE)) continue;
      const COLORREF s = ::GetSysColor(m.to);
      table[i] = RGBQUAD{GetBValue(s), GetGValue(s), GetRValue(s), 0};
      break;
    }
  }
  const int width = header->biWidth, height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
  const DWORD stride = ((width * header->biBitCount + 31) / 32) * 4;
  if (width <= 0 || height <= 0 || headerBytes + (DWORD64)stride * height > size) return nullptr;
  HDC screen = ::GetDC(nullptr);
  HBITMAP bmp = ::CreateCompatibleBitmap(screen, width, height);
  if (bmp) {
    HDC mem = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(mem, bmp);
    ::StretchDIBits(mem, 0, 0, width, height, 0, 0, width, height,
                    reinterpret_cast<const BYTE*>(header) + headerBytes,
                    reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, SRCCOPY);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
  }
  ::ReleaseDC(nullptr, screen);
  return bmp;
}
