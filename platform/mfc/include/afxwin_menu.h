// Owner-drawn menus: WM_MEASUREITEM and WM_DRAWITEM for menu items reach the CMenu object that
// holds the item; WM_MENUCHAR reaches the window's OnMenuChar with the menu's object.
#pragma once

// Handles a menu's owner-draw message for a window whose map has no entry for it. FALSE when
// the item belongs to no menu object.
AFX_API BOOL AFXAPI AfxRouteMenuMessage(CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        LRESULT* pResult);
// The pop-up menu being tracked on this thread through CMenu::TrackPopupMenu, or null.
AFX_API HMENU AFXAPI AfxGetTrackingMenu();
AFX_API HMENU AFXAPI AfxSetTrackingMenu(HMENU hMenu);

#define ON_WM_MENUCHAR() \
  AFX_MSG_ENTRY(WM_MENUCHAR, *_r = _p->OnMenuChar((UINT)LOWORD(_w), (UINT)HIWORD(_w), \
                                                 CMenu::FromHandle(reinterpret_cast<HMENU>(_l))))
