// A resizable dialog's placement kept in the application profile.
#include "MpAppUiResizableDialog.h"
#include <cstdio>

namespace {
const char kPlacementEntry[] = "WindowPlacement";
const char kPlacementFormat[] = "%d,%d,%d,%d,%d,%d";
}  // namespace

MpAppUiResizableState::MpAppUiResizableState() = default;
MpAppUiResizableState::~MpAppUiResizableState() = default;

BOOL MpAppUiResizableState::SavePlacement(LPCSTR pszSection, BOOL bRectOnly) {
  CWnd* pWnd = GetResizableWnd();
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return FALSE;

  WINDOWPLACEMENT wp{};
  wp.length = sizeof(wp);
  if (!pWnd->GetWindowPlacement(&wp)) return FALSE;

  char data[128];
  if (bRectOnly) {
    CRect rc;
    pWnd->GetWindowRect(&rc);
    std::snprintf(data, sizeof(data), kPlacementFormat, (int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom,
                  1, 0);
  } else {
    const RECT& rc = wp.rcNormalPosition;
    std::snprintf(data, sizeof(data), kPlacementFormat, (int)rc.left, (int)rc.top, (int)rc.right, (int)rc.bottom,
                  (int)wp.showCmd, (int)wp.flags);
  }
  return pApp->WriteProfileString(pszSection, kPlacementEntry, data);
}

BOOL MpAppUiResizableState::LoadPlacement(LPCSTR pszSection, BOOL bRectOnly) {
  CWnd* pWnd = GetResizableWnd();
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return FALSE;

  CString data = pApp->GetProfileString(pszSection, kPlacementEntry);
  if (data.IsEmpty()) return FALSE;

  WINDOWPLACEMENT wp{};
  wp.length = sizeof(wp);
  if (!pWnd->GetWindowPlacement(&wp)) return FALSE;

  int left = 0, top = 0, right = 0, bottom = 0, showCmd = 0, flags = 0;
  if (std::sscanf(data, kPlacementFormat, &left, &top, &right, &bottom, &showCmd, &flags) != 6) return FALSE;
  wp.rcNormalPosition.left = left;
  wp.rcNormalPosition.top = top;
  wp.rcNormalPosition.right = right;
  wp.rcNormalPosition.bottom = bottom;
  wp.showCmd = (UINT)showCmd;
  wp.flags = (UINT)flags;

  if (bRectOnly) {
    return ::SetWindowPos(pWnd->GetSafeHwnd(), nullptr, left, top, right - left, bottom - top,
                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
  return pWnd->SetWindowPlacement(&wp);
}
