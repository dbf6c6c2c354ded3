// The host's start-up picture: a borderless window with one bitmap and the product's name on it,
// centred over its owner, that closes itself after 750 ms or at the first key or mouse-button
// press the host forwards. At most one exists; it deletes itself when its window goes.
#pragma once
#include <afxwin.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpUiCSplashScreen : public CWnd {
 public:
  static void enableSplashScreen(int enable);
  static void showSplashScreen(CWnd* parent);
  static void removeSplashScreen();
  // For every message of the host's loop before it is dispatched: true when it closed the
  // splash window and is not to be dispatched.
  static int PreTranslateAppMessage(MSG* pMsg);

  static int c_bShowSplashWnd;
  static MpUiCSplashScreen* c_pSplashWnd;

 protected:
  MpUiCSplashScreen();
  ~MpUiCSplashScreen() override;

  int Create(CWnd* parent);
  void hideSplashScreen();
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
  afx_msg void OnPaint();
  afx_msg void OnTimer(UINT_PTR nIDEvent);

  DECLARE_MESSAGE_MAP()

  CBitmap m_bitmap;
};
