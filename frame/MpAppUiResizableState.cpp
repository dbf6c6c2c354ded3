// A resizable dialog's placement kept in the application profile.
#include "MpAppUiResizableDialog.h"
#include <algorithm>
#include <cstdio>

namespace {
const char kPlacementEntry[] = "WindowPlacement";
const char kPlacementFormat[] = "%d,%d,%d,%d,%d,%d";

// The show command a saved placement is applied with: maximized stays, every other one is the
// normal one. A hidden or minimised dialog would be out of sight with its owner disabled, and
// one shown without activation would hold the input while staying behind other windows.
UINT RestoredShowCommand(int showCmd) {
  return showCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}

// A rectangle on no monitor (a screen since removed, a corrupted entry) is moved into the work
// area of the nearest monitor, keeping its size where it fits.
void KeepOnMonitor(RECT* rc) {
  if (::MonitorFromRect(rc, MONITOR_DEFAULTTONULL) != nullptr) return;
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  if (!::GetMonitorInfoA(::MonitorFromRect(rc, MONITOR_DEFAULTTONEAREST), &mi)) return;
  const RECT& work = mi.rcWork;
  LONG cx = std::min(rc->right - rc->left, work.right - work.left);
  LONG cy = std::min(rc->bottom - rc->top, work.bottom - work.top);
  LONG x = std::max(work.left, std::min(rc->left, work.right - cx));
  LONG y = std::max(work.top, std::min(rc->top, work.bottom - cy));
  *rc = RECT{x, y, x + cx, y + cy};
}
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
  // A rectangle without area would make the window vanish: the entry is as good as malformed.
  if (right <= left || bottom <= top) return FALSE;
  RECT rc{left, top, right, bottom};
  KeepOnMonitor(&rc);
  wp.rcNormalPosition = rc;
  wp.showCmd = RestoredShowCommand(showCmd);
  wp.flags = (UINT)flags;

  if (bRectOnly) {
    return ::SetWindowPos(pWnd->GetSafeHwnd(), nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                          SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  }
  return pWnd->SetWindowPlacement(&wp);
}
