// The drop-menu button: a push button with a small arrow pointing right.
#include "CMenuButton.h"

BEGIN_MESSAGE_MAP(CMenuButton, CButton)
END_MESSAGE_MAP()

CMenuButton::CMenuButton() = default;
CMenuButton::~CMenuButton() = default;

DWORD CMenuButton::DoSingleClick(UINT nResourceMenu) {
  // The loaded menu is destroyed once, with its pop-ups, when it goes out of scope.
  CMenu menu;
  if (!menu.LoadMenu(nResourceMenu)) return 0;
  CMenu* pPopup = menu.GetSubMenu(0);
  if (!pPopup) return 0;
  CRect rc;
  GetWindowRect(&rc);
  CString text;
  GetWindowText(text);
  const CPoint at = text.IsEmpty() ? CPoint(rc.left, rc.bottom) : CPoint(rc.right, rc.top);
  return (DWORD)pPopup->TrackPopupMenu(TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, this, nullptr);
}

void CMenuButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  const UINT state = lpDrawItemStruct->itemState;
  CRect rc(lpDrawItemStruct->rcItem);
  CPen pen;
  pen.CreatePen(PS_SOLID, 0, ::GetSysColor(state & ODS_DISABLED ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  CPen* pOldPen = pDC->SelectObject(&pen);
  pDC->DrawFrameControl(rc, DFC_BUTTON, DFCS_BUTTONPUSH | (state & ODS_SELECTED ? DFCS_PUSHED : 0));

  CString text;
  GetWindowText(text);
  const int x = text.IsEmpty() ? rc.Width() / 2 - 2 : rc.right - 6 - 4;
  const int y = rc.Height() / 2 - 3;
  for (int i = 0; i < 4; ++i) {
    pDC->MoveTo(x + i, y + i);
    pDC->LineTo(x + i, y + 7 - i);
  }
  if (state & ODS_FOCUS) {
    CRect focus = rc;
    focus.DeflateRect(3, 3);
    pDC->DrawFocusRect(focus);
  }
  if (!text.IsEmpty()) {
    CRect rcText(rc.left + 5, rc.top + 4, rc.right - 15, rc.bottom - 4);
    pDC->DrawText(text, rcText, DT_CENTER | DT_VCENTER);
  }
  pDC->SelectObject(pOldPen);
}
