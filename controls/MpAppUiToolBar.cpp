// Toolbar with true-colour images and drop-down buttons.
#include "MpAppUiToolBar.h"
#include <algorithm>
#include <cstring>
#include <vector>
#include "MpAppUiMenu.h"
#include "MpAppUiMenuSupport.h"

BEGIN_MESSAGE_MAP(MpAppUiToolBar, CToolBar)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnToolbarDropDown)
AFX_MSG_ENTRY(WM_NCPAINT, _p->OnNcPaint())
AFX_MSG_ENTRY(WM_NCCALCSIZE, _p->OnNcCalcSize((BOOL)_w, reinterpret_cast<NCCALCSIZE_PARAMS*>(_l)))
END_MESSAGE_MAP()

MpAppUiToolBar::MpAppUiToolBar() : m_bDropDownArrows(FALSE) {}
MpAppUiToolBar::~MpAppUiToolBar() {
  m_arrDropDownInfo.RemoveAll();
  if (m_hWnd && ::IsWindow(m_hWnd)) DestroyWindow();  // before the image lists go
}

BOOL MpAppUiToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect,
                              UINT nID) {
  dwStyle |= CBRS_GRIPPER | CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM | CBRS_BORDER_ANY | CBRS_BORDER_3D | CBRS_SIZE_DYNAMIC;
  return CToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle,
                            CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL MpAppUiToolBar::LoadTrueColorToolBar(int buttonWidth, UINT normalBitmapId, UINT hotBitmapId,
                                          UINT disabledBitmapId) {
  if (!SetTrueColorToolBar(TB_SETIMAGELIST, normalBitmapId, buttonWidth)) return FALSE;
  if (hotBitmapId != 0 && !SetTrueColorToolBar(TB_SETHOTIMAGELIST, hotBitmapId, buttonWidth))
    return FALSE;
  if (disabledBitmapId == 0) return TRUE;
  return SetTrueColorToolBar(TB_SETDISABLEDIMAGELIST, disabledBitmapId, buttonWidth);
}

BOOL MpAppUiToolBar::SetTrueColorToolBar(UINT imageListMessage, UINT normalBitmapId, int buttonWidth) {
  if (buttonWidth <= 0 || !m_hWnd) return FALSE;
  CBitmap bmp;  // freed once its images are in the list
  HBITMAP hbm = loadDibSection(normalBitmapId);
  if (!hbm || !bmp.Attach(hbm)) {
    if (hbm) ::DeleteObject(hbm);
    return FALSE;
  }
  BITMAP info{};
  if (!bmp.GetBitmap(&info)) return FALSE;
  const int count = info.bmWidth / buttonWidth;
  const COLORREF mask = firstMemoryPixel(hbm);
  CImageList& list = imageListMessage == TB_SETHOTIMAGELIST        ? m_hotImages
                     : imageListMessage == TB_SETDISABLEDIMAGELIST ? m_disabledImages
                                                                   : m_normalImages;
  CImageList fresh;
  if (!fresh.Create(buttonWidth, info.bmHeight, ILC_COLOR24 | ILC_MASK, count, 0)) return FALSE;
  if (fresh.Add(&bmp, mask) == -1) return FALSE;
  ::SendMessageA(m_hWnd, imageListMessage, 0, reinterpret_cast<LPARAM>(fresh.GetSafeHandle()));
  list.DeleteImageList();
  list.Attach(fresh.Detach());
  return TRUE;
}

void MpAppUiToolBar::AddDropDownButton(CWnd* parentWnd, UINT buttonId, UINT menuId) {
  const int index = CommandToIndex(buttonId);
  if (index < 0) return;  // the command must be on the bar
  if (!m_bDropDownArrows) {
    const LRESULT ex = ::SendMessageA(m_hWnd, TB_GETEXTENDEDSTYLE, 0, 0);
    ::SendMessageA(m_hWnd, TB_SETEXTENDEDSTYLE, 0, ex | TBSTYLE_EX_DRAWDDARROWS);
    m_bDropDownArrows = TRUE;
  }
  SetButtonStyle(index, GetButtonStyle(index) | TBSTYLE_DROPDOWN);
  stDropDownInfo info{buttonId, menuId, parentWnd};
  m_arrDropDownInfo.Add(info);
}

void MpAppUiToolBar::OnToolbarDropDown(NMHDR* pNotifyStruct, LRESULT* pResult) {
  if (pResult) *pResult = TBDDRET_DEFAULT;
  auto* nm = reinterpret_cast<NMTOOLBARA*>(pNotifyStruct);
  for (INT_PTR i = 0; i < m_arrDropDownInfo.GetSize(); ++i) {
    const stDropDownInfo& info = m_arrDropDownInfo.GetAt(i);
    if ((int)info.buttonId != nm->iItem) continue;
    MpAppUiMenu menu;
    if (!menu.LoadMenuA((int)info.menuId)) return;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup) return;
    CRect rc;
    ::SendMessageA(m_hWnd, TB_GETRECT, nm->iItem, reinterpret_cast<LPARAM>(&rc));
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&rc), 2);
    popup->TrackPopupMenu(TPM_VERTICAL, rc.left, rc.bottom, info.parentWnd, &rc);
    return;
  }
}

// ---------------------------------------------------------------------------------------
// Buttons and layout
// ---------------------------------------------------------------------------------------
void MpAppUiToolBar::_GetButton(int nIndex, TBBUTTON* pButton) const {
  const_cast<MpAppUiToolBar*>(this)->CWnd::DefWindowProc(TB_GETBUTTON, nIndex,
                                                          reinterpret_cast<LPARAM>(pButton));
  pButton->fsState ^= TBSTATE_ENABLED;
}

void MpAppUiToolBar::_SetButton(int nIndex, TBBUTTON* pButton) {
  TBBUTTON old{};
  CWnd::DefWindowProc(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(&old));
  old.bReserved[0] = old.bReserved[1] = 0;
  pButton->fsState ^= TBSTATE_ENABLED;
  pButton->bReserved[0] = pButton->bReserved[1] = 0;
  if (std::memcmp(pButton, &old, sizeof(TBBUTTON)) == 0) return;
  const DWORD style = (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE);
  ::SetWindowLongA(m_hWnd, GWL_STYLE, style & ~WS_VISIBLE);
  CWnd::DefWindowProc(TB_DELETEBUTTON, nIndex, 0);
  CWnd::DefWindowProc(TB_INSERTBUTTONA, nIndex, reinterpret_cast<LPARAM>(pButton));
  ::SetWindowLongA(m_hWnd, GWL_STYLE, style);
  if (((pButton->fsStyle ^ old.fsStyle) & TBSTYLE_SEP) ||
      ((pButton->fsStyle & TBSTYLE_SEP) && pButton->iBitmap != old.iBitmap)) {
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
  } else {
    RECT rc;
    if (::SendMessageA(m_hWnd, TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(&rc)))
      ::InvalidateRect(m_hWnd, &rc, TRUE);
  }
}

CSize MpAppUiToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
  return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0));
}

CSize MpAppUiToolBar::CalcDynamicLayout(int nLength, DWORD dwMode) {
  if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
    return CalcFixedLayout(dwMode & LM_STRETCH, dwMode & LM_HORZDOCK);
  return CalcLayout(dwMode, nLength);
}

void MpAppUiToolBar::SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert) {
  if (!bVert) {
    const int target = WrapToolBar(pData, nCount, nLength);
    int lo = 0, hi = nLength;
    int current = WrapToolBar(pData, nCount, 0);
    if (current != target) {
      while (lo < hi) {
        const int mid = (lo + hi) / 2;
        current = WrapToolBar(pData, nCount, mid);
        if (current == target) {
          hi = mid;
        } else if (lo == mid) {
          WrapToolBar(pData, nCount, hi);
          break;
        } else {
          lo = mid;
        }
      }
    }
    WrapToolBar(pData, nCount, CalcSize(pData, nCount).cx);
    return;
  }
  WrapToolBar(pData, nCount, 0);
  CSize smallest = CalcSize(pData, nCount);
  WrapToolBar(pData, nCount, 32767);
  CSize largest = CalcSize(pData, nCount);
  while (smallest.cx < largest.cx) {
    const int mid = (smallest.cx + largest.cx) / 2;
    WrapToolBar(pData, nCount, mid);
    const CSize size = CalcSize(pData, nCount);
    if (nLength < size.cy) {
      if (size == smallest) {
        WrapToolBar(pData, nCount, largest.cx);
        break;
      }
      smallest = size;
    } else if (nLength > size.cy) {
      if (size == largest) break;
      largest = size;
    } else {
      break;
    }
  }
}

CSize MpAppUiToolBar::CalcLayout(DWORD dwMode, int nLength) {
  const int count = (int)::SendMessageA(m_hWnd, TB_BUTTONCOUNT, 0, 0);
  std::vector<TBBUTTON> data(count > 0 ? count : 0);
  for (int i = 0; i < count; ++i) _GetButton(i, &data[i]);
  CSize size(0, 0);
  if (!(m_dwStyle & CBRS_SIZE_FIXED)) {
    const bool dynamic = m_dwStyle & CBRS_SIZE_DYNAMIC;
    if (dynamic && (dwMode & LM_MRUWIDTH)) {
      SizeToolBar(data.data(), count, m_nMRUWidth);
    } else if (dynamic && (dwMode & LM_HORZDOCK)) {
      SizeToolBar(data.data(), count, 32767);
    } else if (dynamic && (dwMode & LM_VERTDOCK)) {
      SizeToolBar(data.data(), count, 0);
    } else if (dynamic && nLength != -1) {
      CRect rect(0, 0, 0, 0);
      CalcInsideRect(rect, (dwMode & LM_HORZ) != 0, FALSE);
      const bool vert = dwMode & LM_LENGTHY;
      SizeToolBar(data.data(), count, nLength + (vert ? rect.Height() : rect.Width()), vert);
    } else if (dynamic && (m_dwStyle & CBRS_FLOATING)) {
      SizeToolBar(data.data(), count, m_nMRUWidth);
    } else {
      SizeToolBar(data.data(), count, (dwMode & LM_HORZ) ? 32767 : 0);
    }
  }
  size = CalcSize(data.data(), count);
  if (dwMode & LM_COMMIT) {
    const BOOL delayed = m_bDelayedButtonLayout;
    m_bDelayedButtonLayout = FALSE;
    struct Control { int index; UINT id; CRect rect; };
    std::vector<Control> controls;
    for (int i = 0; i < count; ++i) {
      if (!(data[i].fsStyle & TBSTYLE_SEP) || data[i].idCommand == 0) continue;
      Control c{i, (UINT)data[i].idCommand, CRect()};
      GetItemRect(i, &c.rect);
      ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<POINT*>(&c.rect), 2);
      controls.push_back(c);
    }
    if ((m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC)) m_nMRUWidth = size.cx;
    for (int i = 0; i < count; ++i) _SetButton(i, &data[i]);
    for (const Control& c : controls) {
      HWND child = ::GetDlgItem(m_hWnd, (int)c.id);
      if (!child) continue;
      CRect window, item;
      ::GetWindowRect(child, &window);
      GetItemRect(c.index, &item);
      const CPoint offset(window.left - c.rect.left, window.top - c.rect.top);
      ::SetWindowPos(child, nullptr, item.left + offset.x, item.top + offset.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_bDelayedButtonLayout = delayed;
  }
  CRect rect(0, 0, 0, 0);
  CalcInsideRect(rect, (dwMode & LM_HORZ) != 0, FALSE);
  size.cy -= rect.Height();
  size.cx -= rect.Width();
  return size;
}

void MpAppUiToolBar::CalcInsideRect(CRect& rect, BOOL bHorz, BOOL) {
  CControlBar::CalcInsideRect(rect, bHorz);
}
void MpAppUiToolBar::AdjustInsideRectForGripper(CRect&, BOOL) {}

// ---------------------------------------------------------------------------------------
// Non-client area and drawing
// ---------------------------------------------------------------------------------------
void MpAppUiToolBar::EraseNonClient() { CControlBar::EraseNonClient(); }
void MpAppUiToolBar::OnNcPaint() { EraseNonClient(); }

void MpAppUiToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
  CRect rect(0, 0, 0, 0);
  CalcInsideRect(rect, (m_dwStyle & CBRS_ORIENT_HORZ) != 0, FALSE);
  lpncsp->rgrc[0].left += rect.left;
  lpncsp->rgrc[0].top += rect.top - 2;
  lpncsp->rgrc[0].right += rect.right;
  lpncsp->rgrc[0].bottom += rect.bottom;
}

LRESULT MpAppUiToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam) {
  if (!IsWindowVisible()) return 0;
  CWnd* parent = GetParent();
  if (parent && parent->IsKindOf(RUNTIME_CLASS(CDockBar)))
    return CControlBar::OnIdleUpdateCmdUI(wParam, lParam);
  OnUpdateCmdUI(parent, (BOOL)wParam);
  return 0;
}

void MpAppUiToolBar::DrawBorders(CDC* pDC, CRect& rect) {
  if (!(m_dwStyle & CBRS_BORDER_ANY)) return;
  const int W = rect.Width(), H = rect.Height();
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF c = (m_dwStyle & CBRS_BORDER_3D) ? light : shadow;
  if (m_dwStyle & CBRS_BORDER_LEFT) pDC->FillSolidRect(0, 0, 1, H - 1, c);
  if (m_dwStyle & CBRS_BORDER_TOP) pDC->FillSolidRect(0, 0, W - 1, 1, c);
  if (m_dwStyle & CBRS_BORDER_RIGHT) pDC->FillSolidRect(rect.right, 1, -1, H - 2, shadow);
  if (m_dwStyle & CBRS_BORDER_BOTTOM) pDC->FillSolidRect(0, rect.bottom, W - 1, -1, shadow);
  if (!m_pDockContext) {
    pDC->FillSolidRect(0, 0, W, 1, shadow);
    pDC->FillSolidRect(0, 1, W, 1, light);
  }
  CControlBar::DrawBorders(pDC, rect);
}

void MpAppUiToolBar::DrawGripper(CDC* pDC, const CRect& rect) {
  if ((m_dwStyle & CBRS_FLOATING) || !(m_dwStyle & CBRS_GRIPPER)) return;
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const int L = rect.left, T = rect.top, W = rect.Width(), H = rect.Height();
  if (m_dwStyle & CBRS_ORIENT_HORZ) {
    pDC->Draw3dRect(L + 3, T + 2, 3, H - 4, light, shadow);
    pDC->SetPixel(L + 3, T + H - 3, shadow);
    pDC->Draw3dRect(L + 6, T + 2, 3, H - 4, light, shadow);
    pDC->SetPixel(L + 6, T + H - 3, light);
  } else {
    pDC->Draw3dRect(L + 2, T + 3, W - 4, 3, light, shadow);
    pDC->SetPixel(L + W - 3, T + 3, light);
    pDC->Draw3dRect(L + 2, T + 6, W - 4, 3, light, shadow);
    pDC->SetPixel(L + W - 3, T + 6, light);
  }
  ::GdiFlush();
}
