// The size grip of a resizable dialog.
#include "MpAppUiResizableDialog.h"

namespace {
// Window property that keeps the grip's previous window procedure.
const char kGripProp[] = "ResizableGrip";
}  // namespace

MpAppUiResizableGrip::MpAppUiResizableGrip() {
  m_sizeGrip.cx = ::GetSystemMetrics(SM_CXVSCROLL);
  m_sizeGrip.cy = ::GetSystemMetrics(SM_CYHSCROLL);
}

MpAppUiResizableGrip::~MpAppUiResizableGrip() = default;

BOOL MpAppUiResizableGrip::CreateGrip() {
  CRect rect(0, 0, m_sizeGrip.cx, m_sizeGrip.cy);
  if (!m_wndGrip.Create(WS_CHILD | WS_CLIPSIBLINGS | SBS_SIZEGRIP, rect, GetResizableWnd(), 0)) return FALSE;

  // Only the lower-right triangle belongs to the grip, so the controls beside it stay reachable:
  // row y keeps its last y pixels.
  CRgn rgnGrip, rgnRow;
  rgnGrip.CreateRectRgnIndirect(&rect);
  rgnRow.CreateRectRgn(0, 0, 0, 0);
  for (int y = 0; y < m_sizeGrip.cy; ++y) {
    rgnRow.SetRectRgn(0, y, m_sizeGrip.cx - y, y + 1);
    rgnGrip.CombineRgn(&rgnGrip, &rgnRow, RGN_DIFF);
  }
  if (m_wndGrip.SetWindowRgn(rgnGrip, FALSE)) rgnGrip.Detach();  // the window owns it now

  HWND hGrip = m_wndGrip.GetSafeHwnd();
  ::SetPropA(hGrip, kGripProp, reinterpret_cast<HANDLE>(::GetWindowLongPtrA(hGrip, GWLP_WNDPROC)));
  ::SetWindowLongPtrA(hGrip, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GripSubclassProc));

  PlaceGrip();
  ShowGrip(TRUE);
  return TRUE;
}

void MpAppUiResizableGrip::PlaceGrip() {
  CWnd* pWnd = GetResizableWnd();
  if (m_wndGrip.GetSafeHwnd() == nullptr) return;
  CRect rc;
  pWnd->GetClientRect(&rc);
  ::SetWindowPos(m_wndGrip.GetSafeHwnd(), HWND_BOTTOM, rc.right - m_sizeGrip.cx, rc.bottom - m_sizeGrip.cy, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  // A maximized window cannot be sized.
  m_wndGrip.EnableWindow(pWnd->IsZoomed() ? FALSE : TRUE);
}

void MpAppUiResizableGrip::ShowGrip(BOOL bShow) { m_wndGrip.ShowWindow(bShow ? SW_SHOW : SW_HIDE); }

LRESULT CALLBACK MpAppUiResizableGrip::GripSubclassProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  WNDPROC oldProc = reinterpret_cast<WNDPROC>(::GetPropA(hWnd, kGripProp));
  switch (msg) {
    case WM_NCHITTEST:
      // Dragging the grip is dragging the window's sizing corner (mirrored in right-to-left).
      return (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? HTBOTTOMLEFT : HTBOTTOMRIGHT;
    case WM_DESTROY:
      ::RemovePropA(hWnd, kGripProp);
      if (oldProc) ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc));
      break;
    default:
      break;
  }
  if (oldProc == nullptr) return ::DefWindowProcA(hWnd, msg, wParam, lParam);
  return ::CallWindowProcA(oldProc, hWnd, msg, wParam, lParam);
}
