// Resizable dialogs: a template dialog with a sizing border, a size grip, anchored controls,
// its initial size as the smallest it can be dragged to, and an optional saved placement.
#pragma once
#include <afxwin.h>
#include "MpAppUiResizableLayout.h"
#include "WidgetDeckApi.h"

// The size grip in the bottom-right corner of the client area: a size-grip scroll bar cut to a
// triangle, which answers hit tests as the window's bottom-right sizing corner.
class MpAppUiResizableGrip {
 public:
  MpAppUiResizableGrip();
  MpAppUiResizableGrip(const MpAppUiResizableGrip&) = delete;
  MpAppUiResizableGrip& operator=(const MpAppUiResizableGrip&) = delete;

  virtual CWnd* GetResizableWnd() = 0;
  virtual ~MpAppUiResizableGrip();

 protected:
  BOOL CreateGrip();
  // To the bottom-right corner, at the bottom of the z-order; disabled while maximized.
  void PlaceGrip();
  void ShowGrip(BOOL bShow);
  static LRESULT CALLBACK GripSubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

  SIZE m_sizeGrip;
  CScrollBar m_wndGrip;
};

// Limits of the window's size while it is dragged, and its maximized rectangle. Each limit
// applies only once it has been set.
class MpAppUiResizableMinMax {
 public:
  MpAppUiResizableMinMax();
  virtual ~MpAppUiResizableMinMax();

  void SetMinimumTrackSize(const CSize& size);
  void ResetMinimumTrackSize();
  void SetMaximumTrackSize(const CSize& size);
  void ResetMaximumTrackSize();
  void SetMaximizedRect(const CRect& rc);
  void ResetMaximizedRect();
  // Writes the limits that are set into the system's proposal.
  void ApplyMinMaxInfo(MINMAXINFO* lpMMI);

 protected:
  BOOL m_bUseMaxTrack;
  BOOL m_bUseMinTrack;
  BOOL m_bUseMaxRect;
  POINT m_ptMinTrackSize;
  POINT m_ptMaxTrackSize;
  POINT m_ptMaxPos;
  POINT m_ptMaxSize;
};

// The window's placement kept in the application profile, entry "WindowPlacement" of a section:
// "left,top,right,bottom,show command,flags".
class MpAppUiResizableState {
 public:
  MpAppUiResizableState();
  virtual CWnd* GetResizableWnd() = 0;
  virtual ~MpAppUiResizableState();

 protected:
  // In rectangle-only mode the window rectangle alone counts (show command 1, flags 0).
  BOOL SavePlacement(LPCSTR pszSection, BOOL bRectOnly);
  // FALSE, changing nothing, when the entry is missing or holds fewer than six numbers.
  BOOL LoadPlacement(LPCSTR pszSection, BOOL bRectOnly);
};

class WIDGETDECK_API MpAppUiResizableDialog : public CDialog,
                                              public MpAppUiResizableLayout,
                                              public MpAppUiResizableGrip,
                                              public MpAppUiResizableMinMax,
                                              public MpAppUiResizableState {
 public:
  MpAppUiResizableDialog();
  explicit MpAppUiResizableDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  explicit MpAppUiResizableDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd = nullptr);
  ~MpAppUiResizableDialog() override;

  // Keeps the placement under the section when the window is destroyed, and restores the one
  // kept there now. Called once the window exists (in OnInitDialog).
  void EnableSaveRestore(LPCSTR pszSection, BOOL bRectOnly = FALSE);

 protected:
  BOOL OnInitDialog() override;
  CWnd* GetResizableWnd() override;

  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnDestroy();
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);

  BOOL m_bEnableSaveRestore;
  BOOL m_bRectOnly;
  CString m_sSection;
  // Set at the end of OnInitDialog: only then do sizing and the tracking limits act.
  BOOL m_bInitDone;

  DECLARE_MESSAGE_MAP()
};
