// Routing of the menu owner-draw messages to the menu objects.
#include "afxwin.h"

namespace {
thread_local HMENU t_hTrackingMenu = nullptr;

// The menu (this one or one below it) whose item carries the item data, or null.
HMENU FindItemData(HMENU hMenu, ULONG_PTR itemData, int depth = 0) {
  if (!hMenu || depth > 32) return nullptr;
  const int n = ::GetMenuItemCount(hMenu);
  for (int i = 0; i < n; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_SUBMENU | MIIM_FTYPE;
    if (!::GetMenuItemInfoA(hMenu, i, TRUE, &info)) continue;
    if ((info.fType & MFT_OWNERDRAW) && info.dwItemData == itemData) return hMenu;
    if (HMENU sub = FindItemData(info.hSubMenu, itemData, depth + 1)) return sub;
  }
  return nullptr;
}
}  // namespace

HMENU AFXAPI AfxGetTrackingMenu() { return t_hTrackingMenu; }
HMENU AFXAPI AfxSetTrackingMenu(HMENU hMenu) {
  HMENU old = t_hTrackingMenu;
  t_hTrackingMenu = hMenu;
  return old;
}

BOOL AFXAPI AfxRouteMenuMessage(CWnd* pWnd, UINT message, WPARAM, LPARAM lParam,
                                LRESULT* pResult) {
  if (message == WM_DRAWITEM) {
    auto* dis = reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
    if (dis->CtlType != ODT_MENU) return FALSE;
    CMenu* menu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(dis->hwndItem));
    if (!menu) return FALSE;
    menu->DrawItem(dis);
  } else if (message == WM_MEASUREITEM) {
    auto* mis = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
    if (mis->CtlType != ODT_MENU) return FALSE;
    HMENU hMenu = FindItemData(t_hTrackingMenu, mis->itemData);
    if (!hMenu && pWnd->GetSafeHwnd()) hMenu = FindItemData(::GetMenu(pWnd->m_hWnd), mis->itemData);
    CMenu* menu = CMenu::FromHandlePermanent(hMenu);
    if (!menu) return FALSE;
    menu->MeasureItem(mis);
  } else {
    return FALSE;
  }
  if (pResult) *pResult = TRUE;
  return TRUE;
}
