// Control bars and toolbars. The toolbar window is the common toolbar control, so TB_ messages
// sent to the bar's window work as they do on the control.
#pragma once
#include "afxwin.h"
#include <commctrl.h>

// Bar styles and layout modes.
#define CBRS_FLOATING 0x0001L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_GRIPPER 0x00400000L
#define LM_STRETCH 0x01
#define LM_HORZ 0x02
#define LM_MRUWIDTH 0x04
#define LM_HORZDOCK 0x08
#define LM_VERTDOCK 0x10
#define LM_LENGTHY 0x20
#define LM_COMMIT 0x40
#define AFX_IDW_TOOLBAR 0xE800
#define WM_IDLEUPDATECMDUI 0x0363
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// The state of one command's user-interface element, handed to ON_UPDATE_COMMAND_UI handlers.
class AFX_API CCmdUI {
public:
  UINT m_nID = 0;
  UINT m_nIndex = 0;
  CWnd* m_pOther = nullptr;  // the toolbar
  BOOL m_bEnableChanged = FALSE;
  virtual ~CCmdUI() = default;
  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);
  // Asks the target's map for an update handler; when there is none and the command has no
  // handler either, the element is disabled if bDisableIfNoHndler is set.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};
#define ON_UPDATE_COMMAND_UI(id, fn) \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), nullptr, \
   AFX_THUNK(_p->fn(reinterpret_cast<CCmdUI*>(_l)))},

class CDockContext;

class AFX_API CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)
public:
  CControlBar() = default;
  DWORD m_dwStyle = 0;
  int m_cxLeftBorder = 6, m_cxRightBorder = 6, m_cyTopBorder = 2, m_cyBottomBorder = 2;
  int m_nMRUWidth = 32767;
  BOOL m_bDelayedButtonLayout = TRUE;
  CDockContext* m_pDockContext = nullptr;  // null: docking was never enabled

  DWORD GetBarStyle() const { return m_dwStyle; }
  void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
  virtual void OnUpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) = 0;
  // Shrinks the rectangle by the borders (and the gripper) of the given orientation.
  void CalcInsideRect(CRect& rect, BOOL bHorz) const;
  virtual void DrawBorders(CDC* pDC, CRect& rect);
  virtual void DrawGripper(CDC* pDC, const CRect& rect);
  void EraseNonClient();
  LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
};

// Frames' docking sites; nothing here creates one, but a bar may ask whether it stands in one.
class AFX_API CDockBar : public CControlBar {
  DECLARE_DYNAMIC(CDockBar)
public:
  void OnUpdateCmdUI(CCmdTarget*, BOOL) override {}
};

class AFX_API CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)
public:
  CToolBar() = default;
  ~CToolBar() override;
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
              UINT nID = AFX_IDW_TOOLBAR);
  virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                        CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);
  // Buttons and bitmap from the toolbar resource (version 1: width, height, count, command
  // ids, 0 for a separator) and the bitmap of the same id.
  BOOL LoadToolBar(UINT nIDResource);
  int GetCount() const;
  UINT GetItemID(int nIndex) const;
  int CommandToIndex(UINT nIDFind) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;
  UINT GetButtonStyle(int nIndex) const;
  void SetButtonStyle(int nIndex, UINT nStyle);
  void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) override;

protected:
  // Size of the laid-out buttons (the records' TBSTATE_WRAP bits end rows).
  CSize CalcSize(TBBUTTON* pData, int nCount);
  // Sets TBSTATE_WRAP so that no row is wider than nWidth; returns the number of rows.
  int WrapToolBar(TBBUTTON* pData, int nCount, int nWidth);
  HBITMAP m_hbmImageWell = nullptr;
};

// A 16-colour bitmap resource with its black, dark grey, light grey and white entries replaced
// by the system's button text, shadow, face and highlight colours.
AFX_API HBITMAP AFXAPI AfxLoadSysColorBitmap(HINSTANCE hInst, HRSRC hRsrc, BOOL bMono = FALSE);
#include "afxext_split.h"  // CSplitterWnd
