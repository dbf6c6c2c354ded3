// Resizable dialogs: sizing border, grip, anchored controls, size limits, saved placement.
#include "MpAppUiResizableDialog.h"

BEGIN_MESSAGE_MAP(MpAppUiResizableDialog, CDialog)
  ON_WM_GETMINMAXINFO()
  ON_WM_SIZE()
  ON_WM_DESTROY()
  ON_WM_CREATE()
  ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

MpAppUiResizableDialog::MpAppUiResizableDialog()
    : m_bEnableSaveRestore(FALSE), m_bRectOnly(FALSE), m_bInitDone(FALSE) {}

MpAppUiResizableDialog::MpAppUiResizableDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_bEnableSaveRestore(FALSE), m_bRectOnly(FALSE), m_bInitDone(FALSE) {}

MpAppUiResizableDialog::MpAppUiResizableDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : CDialog(lpszTemplateName, pParentWnd),
      m_bEnableSaveRestore(FALSE),
      m_bRectOnly(FALSE),
      m_bInitDone(FALSE) {}

MpAppUiResizableDialog::~MpAppUiResizableDialog() {
  // A window still open goes now, while its handlers can still save the placement and the grip
  // can still take its subclass off.
  if (m_hWnd != nullptr) DestroyWindow();
}

CWnd* MpAppUiResizableDialog::GetResizableWnd() { return this; }

int MpAppUiResizableDialog::OnCreate(LPCREATESTRUCT lpCreateStruct) {
  if (CDialog::OnCreate(lpCreateStruct) == -1) return -1;

  // A sizing border in place of the modal frame, with the client area keeping its size.
  CRect rect;
  GetClientRect(&rect);
  ModifyStyle(DS_MODALFRAME, WS_POPUP | WS_THICKFRAME);
  ::AdjustWindowRectEx(&rect, GetStyle(), ::GetMenu(m_hWnd) != nullptr, GetExStyle());
  SetWindowPos(nullptr, 0, 0, rect.Width(), rect.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);

  if (!CreateGrip()) return -1;
  return 0;
}

BOOL MpAppUiResizableDialog::OnInitDialog() {
  CDialog::OnInitDialog();

  // The dialog cannot be made smaller than it starts.
  CRect rc;
  GetWindowRect(&rc);
  SetMinimumTrackSize(rc.Size());

  PlaceGrip();
  m_bInitDone = TRUE;
  return TRUE;
}

void MpAppUiResizableDialog::OnSize(UINT nType, int cx, int cy) {
  CDialog::OnSize(nType, cx, cy);
  // Another window being maximized or restored does not change this one.
  if (nType == SIZE_MAXSHOW || nType == SIZE_MAXHIDE) return;
  if (!m_bInitDone) return;
  PlaceGrip();
  ArrangeLayout();
}

void MpAppUiResizableDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
  if (m_bInitDone) ApplyMinMaxInfo(lpMMI);
}

BOOL MpAppUiResizableDialog::OnEraseBkgnd(CDC* pDC) {
  ClipChildren(pDC);
  return CDialog::OnEraseBkgnd(pDC);
}

void MpAppUiResizableDialog::OnDestroy() {
  if (m_bEnableSaveRestore) SavePlacement(m_sSection, m_bRectOnly);
  RemoveAllAnchors();
  CDialog::OnDestroy();
}

void MpAppUiResizableDialog::EnableSaveRestore(LPCSTR pszSection, BOOL bRectOnly) {
  m_sSection = pszSection;
  m_bRectOnly = bRectOnly;
  m_bEnableSaveRestore = TRUE;
  LoadPlacement(m_sSection, m_bRectOnly);
}
