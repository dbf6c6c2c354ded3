// Toolbar with true-colour images in three states, drop-down buttons that pop up owner-drawn
// menus, its own layout and its own gripper and borders.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <afxext.h>
#include <afxtempl.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiToolBar : public CToolBar {
 public:
  struct stDropDownInfo {
    UINT buttonId;
    UINT menuId;
    CWnd* parentWnd;  // receives the menu's commands and owner-draw messages; not owned
  };

  MpAppUiToolBar();
  ~MpAppUiToolBar() override;

  BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR) override;
  BOOL LoadTrueColorToolBar(int buttonWidth, UINT normalBitmapId, UINT hotBitmapId = 0,
                            UINT disabledBitmapId = 0);
  void AddDropDownButton(CWnd* parentWnd, UINT buttonId, UINT menuId);
  void OnToolbarDropDown(NMHDR* pNotifyStruct, LRESULT* pResult);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
  void CalcInsideRect(CRect& rect, BOOL bHorz, BOOL);
  void AdjustInsideRectForGripper(CRect& rect, BOOL bHorz);
  void DrawBorders(CDC* pDC, CRect& rect) override;
  void DrawGripper(CDC* pDC, const CRect& rect) override;
  void EraseNonClient();
  void OnNcPaint();
  void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

 protected:
  CSize CalcLayout(DWORD dwMode, int nLength = -1);
  void SizeToolBar(TBBUTTON* pData, int nCount, int nLength, BOOL bVert = FALSE);
  void _GetButton(int nIndex, TBBUTTON* pButton) const;
  void _SetButton(int nIndex, TBBUTTON* pButton);

  BOOL m_bDropDownArrows;
  CArray<stDropDownInfo, stDropDownInfo&> m_arrDropDownInfo;

 private:
  BOOL SetTrueColorToolBar(UINT imageListMessage, UINT normalBitmapId, int buttonWidth);
  // The image lists given to the control, destroyed with the toolbar.
  CImageList m_normalImages, m_hotImages, m_disabledImages;
  DECLARE_MESSAGE_MAP()
};
