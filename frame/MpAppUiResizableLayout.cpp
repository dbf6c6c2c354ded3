// Anchored layout of a resizable window's controls.
#include "MpAppUiResizableLayout.h"
#include <commctrl.h>

namespace {

const int kClassNameSize = 260;

// The window's class name compared without regard to case, as the system compares class names.
bool IsClass(HWND hWnd, const char* className) {
  char buf[kClassNameSize + 1] = {};
  if (::GetClassNameA(hWnd, buf, kClassNameSize + 1) == 0) return false;
  return ::lstrcmpiA(buf, className) == 0;
}

// Window rectangle of a child in the client coordinates of its resizable parent.
CRect ChildRect(CWnd* pParent, HWND hWnd) {
  CRect rc;
  ::GetWindowRect(hWnd, &rc);
  pParent->ScreenToClient(&rc);
  return rc;
}

}  // namespace

MpAppUiResizableLayout::MpAppUiResizableLayout() : m_iFirstCallback(0) {}

MpAppUiResizableLayout::~MpAppUiResizableLayout() { RemoveAllAnchors(); }

void MpAppUiResizableLayout::AddAnchor(UINT controlId, CSize typeTopLeft, CSize typeBottomRight) {
  CWnd* pWnd = GetResizableWnd();
  HWND hCtrl = pWnd ? ::GetDlgItem(pWnd->GetSafeHwnd(), (int)controlId) : nullptr;
  AddAnchor(hCtrl, typeTopLeft, typeBottomRight);
}

void MpAppUiResizableLayout::AddAnchor(HWND hWnd, CSize typeTopLeft, CSize typeBottomRight) {
  LayoutInfo layout;
  layout.hWnd = hWnd;
  layout.sizeTypeTL = typeTopLeft;
  // Without a second anchor point the control moves with the first and keeps its size.
  layout.sizeTypeBR = (typeBottomRight == ANCHOR_NONE) ? typeTopLeft : typeBottomRight;

  // A control the window lacks gets an entry without a window and zero margins: arranging and
  // clipping pass over it.
  if (hWnd != nullptr) {
    // A group box drawn over its siblings would hide them while they are moved.
    DWORD style = (DWORD)::GetWindowLongA(hWnd, GWL_STYLE);
    if (IsClass(hWnd, "Button") && (style & 0x1F) == BS_GROUPBOX) {
      ::SetWindowLongA(hWnd, GWL_STYLE, (LONG)(style | WS_CLIPSIBLINGS));
    }
    layout.bAdjHScroll = IsClass(hWnd, "ListBox") ? TRUE : FALSE;
    layout.bNeedRefresh = NeedsRefresh(hWnd);

    CRect rcParent;
    GetTotalClientRect(&rcParent);
    CRect rc = ChildRect(GetResizableWnd(), hWnd);
    // Product first, then the division, exactly as ArrangeLayout rebuilds the rectangle, so that
    // an unchanged client area gives back the same rectangle.
    const int width = rcParent.Width();
    const int height = rcParent.Height();
    layout.sizeMarginTL = CSize(rc.left - width * layout.sizeTypeTL.cx / 100,
                                rc.top - height * layout.sizeTypeTL.cy / 100);
    layout.sizeMarginBR = CSize(rc.right - width * layout.sizeTypeBR.cx / 100,
                                rc.bottom - height * layout.sizeTypeBR.cy / 100);
  }

  m_arrLayout.InsertAt(m_iFirstCallback, layout);
  ++m_iFirstCallback;
}

void MpAppUiResizableLayout::AddAnchorCallback(UINT callbackId) {
  LayoutInfo layout;
  layout.nCallbackID = callbackId;
  m_arrLayout.Add(layout);
}

BOOL MpAppUiResizableLayout::ArrangeLayoutCallback(LayoutInfo&) { return FALSE; }

void MpAppUiResizableLayout::ArrangeLayout() {
  CWnd* pParent = GetResizableWnd();
  CRect rcParent;
  GetTotalClientRect(&rcParent);
  const int width = rcParent.Width();
  const int height = rcParent.Height();
  const int count = (int)m_arrLayout.GetSize();

  HDWP hdwp = ::BeginDeferWindowPos(count);
  for (int i = 0; i < count; ++i) {
    LayoutInfo layout = m_arrLayout[i];
    if (layout.hWnd == nullptr) {
      if (i == m_iFirstCallback) {
        // The ordinary controls move now, so that callbacks see them in place.
        if (hdwp) ::EndDeferWindowPos(hdwp);
        hdwp = ::BeginDeferWindowPos(count - i);
      }
      if (!ArrangeLayoutCallback(layout)) continue;
    }
    if (!::IsWindow(layout.hWnd)) continue;  // one bad handle would void the whole batch

    CRect rcNew(layout.sizeMarginTL.cx + width * layout.sizeTypeTL.cx / 100,
                layout.sizeMarginTL.cy + height * layout.sizeTypeTL.cy / 100,
                layout.sizeMarginBR.cx + width * layout.sizeTypeBR.cx / 100,
                layout.sizeMarginBR.cy + height * layout.sizeTypeBR.cy / 100);
    CRect rcOld = ChildRect(pParent, layout.hWnd);
    if (::EqualRect(&rcNew, &rcOld)) continue;

    BOOL bRefresh = layout.bNeedRefresh;
    if (layout.bAdjHScroll) {
      // A list box scrolled near its right end shifts its contents when it is widened: its old
      // bits would be in the wrong place.
      CWnd* pCtrl = CWnd::FromHandle(layout.hWnd);
      const int widthChange = rcNew.Width() - rcOld.Width();
      const int limit = pCtrl->GetScrollLimit(SB_HORZ);
      bRefresh = (limit > 0 && pCtrl->GetScrollPos(SB_HORZ) > limit - widthChange) ? TRUE : FALSE;
    }

    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
    if (bRefresh) flags |= SWP_NOCOPYBITS;
    if (rcNew.TopLeft() == rcOld.TopLeft()) flags |= SWP_NOMOVE;
    if (rcNew.Size() == rcOld.Size()) flags |= SWP_NOSIZE;

    HDWP next = hdwp ? ::DeferWindowPos(hdwp, layout.hWnd, nullptr, rcNew.left, rcNew.top, rcNew.Width(),
                                        rcNew.Height(), flags)
                     : nullptr;
    if (next == nullptr) {
      // Without a batch the control is still moved, only one at a time.
      ::SetWindowPos(layout.hWnd, nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(), flags);
    }
    hdwp = next;
  }
  if (hdwp) ::EndDeferWindowPos(hdwp);
}

void MpAppUiResizableLayout::GetTotalClientRect(LPRECT lpRect) { GetResizableWnd()->GetClientRect(lpRect); }

BOOL MpAppUiResizableLayout::NeedsRefresh(HWND hWnd) {
  if (!IsClass(hWnd, "Static")) return FALSE;
  const DWORD style = (DWORD)::GetWindowLongA(hWnd, GWL_STYLE);
  switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_BITMAP:
    case SS_ENHMETAFILE:
      // Text and pictures are laid out relative to the control's size.
      return TRUE;
    case SS_ICON:
    case SS_SIMPLE:
    case SS_ETCHEDHORZ:
    case SS_ETCHEDVERT:
      return FALSE;
    default:
      return (style & SS_CENTERIMAGE) ? TRUE : FALSE;
  }
}

BOOL MpAppUiResizableLayout::LikesClipping(HWND hWnd) {
  const DWORD style = (DWORD)::GetWindowLongA(hWnd, GWL_STYLE);
  if (IsClass(hWnd, "ToolbarWindow32")) return (style & TBSTYLE_TRANSPARENT) ? FALSE : TRUE;
  // A group box's frame does not paint its inside: the background must be erased there.
  if (IsClass(hWnd, "Button")) return ((style & 0x1F) == BS_GROUPBOX) ? FALSE : TRUE;
  if (IsClass(hWnd, "Static")) {
    switch (style & SS_TYPEMASK) {
      case SS_ICON:
      case SS_ENHMETAFILE:
        return (style & SS_CENTERIMAGE) ? FALSE : TRUE;
      case SS_BLACKRECT:
      case SS_GRAYRECT:
      case SS_WHITERECT:
      case SS_BITMAP:
      case SS_ETCHEDHORZ:
      case SS_ETCHEDVERT:
        return TRUE;
      default:
        return FALSE;
    }
  }
  return TRUE;
}

void MpAppUiResizableLayout::ClipChildren(CDC* pDC) {
  CWnd* pParent = GetResizableWnd();
  const int count = (int)m_arrLayout.GetSize();
  for (int i = 0; i < count; ++i) {
    HWND hWnd = m_arrLayout[i].hWnd;
    if (hWnd == nullptr || !::IsWindowVisible(hWnd)) continue;

    CRect rc = ChildRect(pParent, hWnd);
    pDC->DPtoLP(&rc);

    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    if (::GetWindowRgn(hWnd, rgn) == COMPLEXREGION) {
      rgn.OffsetRgn(rc.TopLeft());
    } else {
      rgn.SetRectRgn(&rc);
    }
    pDC->SelectClipRgn(&rgn, LikesClipping(hWnd) ? RGN_DIFF : RGN_OR);
  }
}

void MpAppUiResizableLayout::RemoveAllAnchors() {
  m_arrLayout.RemoveAll();
  m_iFirstCallback = 0;
}
