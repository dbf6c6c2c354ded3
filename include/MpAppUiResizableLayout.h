// Anchored layout of a resizable window's controls, and the anchor points it uses.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>
#include "WidgetDeckApi.h"

// Anchor points: cx in percent of the client width, cy in percent of the client height.
// ANCHOR_NONE as the second corner of an anchor means "keep the control's size".
const CSize ANCHOR_NONE(-1, -1);
const CSize ANCHOR_TOP_LEFT(0, 0);
const CSize ANCHOR_TOP_CENTER(50, 0);
const CSize ANCHOR_TOP_RIGHT(100, 0);
const CSize ANCHOR_MIDDLE_LEFT(0, 50);
const CSize ANCHOR_MIDDLE_CENTER(50, 50);
const CSize ANCHOR_MIDDLE_RIGHT(100, 50);
const CSize ANCHOR_BOTTOM_LEFT(0, 100);
const CSize ANCHOR_BOTTOM_CENTER(50, 100);
const CSize ANCHOR_BOTTOM_RIGHT(100, 100);

// Keeps each registered control at fixed distances from two anchor points of the client area,
// one for its top-left and one for its bottom-right corner. Callback entries let a derived
// class place windows that are not known when the anchors are added.
class WIDGETDECK_API MpAppUiResizableLayout {
 public:
  // One anchored control. All zeros by default.
  struct LayoutInfo {
    HWND hWnd = nullptr;       // null in a callback entry until the callback fills it
    UINT nCallbackID = 0;      // 0 for an ordinary anchor
    BOOL bAdjHScroll = FALSE;  // a list box: refresh when its horizontal scrolling shifts
    BOOL bNeedRefresh = FALSE;
    CSize sizeTypeTL;    // top-left anchor point, in percent
    CSize sizeMarginTL;  // top-left corner's distance from it, in pixels
    CSize sizeTypeBR;    // bottom-right anchor point, in percent
    CSize sizeMarginBR;  // bottom-right corner's distance from it, in pixels
  };

  MpAppUiResizableLayout();
  MpAppUiResizableLayout(const MpAppUiResizableLayout&) = delete;
  MpAppUiResizableLayout& operator=(const MpAppUiResizableLayout&) = delete;

  // Anchors a control as it lies now. ANCHOR_NONE as bottom-right keeps its size.
  void AddAnchor(HWND hWnd, CSize typeTopLeft, CSize typeBottomRight);
  void AddAnchor(UINT controlId, CSize typeTopLeft, CSize typeBottomRight);
  // Appends an entry that ArrangeLayoutCallback fills each time the layout is arranged.
  void AddAnchorCallback(UINT callbackId);
  // Moves every anchored control to its place in the current client area.
  void ArrangeLayout();
  // Takes the anchored controls out of the device context's clip region (or adds the ones that
  // must be painted over), so that erasing the background spares them.
  void ClipChildren(CDC* pDC);
  void RemoveAllAnchors();

 protected:
  virtual BOOL LikesClipping(HWND hWnd);
  virtual BOOL NeedsRefresh(HWND hWnd);
  virtual void GetTotalClientRect(LPRECT lpRect);
  // Fills the entry's window, anchor points and margins; FALSE skips it this time.
  virtual BOOL ArrangeLayoutCallback(LayoutInfo& layout);
  virtual CWnd* GetResizableWnd() = 0;

 public:
  virtual ~MpAppUiResizableLayout();

 protected:
  // Ordinary anchors first, in the order added, then the callback entries.
  CArray<LayoutInfo, LayoutInfo&> m_arrLayout;
  // The number of ordinary anchors, which is also the index of the first callback entry.
  int m_iFirstCallback;
};
