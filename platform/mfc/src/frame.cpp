// Frame windows and views.
#include "afxwin.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)
IMPLEMENT_DYNAMIC(CView, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CView, CWnd)
  ON_WM_PAINT()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CFrameWnd* AFXAPI AfxGetParentFrame(const CWnd* pWnd) {
  if (!pWnd) return nullptr;
  for (HWND h = ::GetParent(pWnd->GetSafeHwnd()); h; h = ::GetParent(h))
    if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(h))) return pFrame;
  return nullptr;
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext) {
  HMENU hMenu = nullptr;
  if (lpszMenuName) {
    HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
    if (!hInst || !(hMenu = ::LoadMenuA(hInst, lpszMenuName))) return FALSE;
  }
  if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu,
                pContext)) {
    if (hMenu) ::DestroyMenu(hMenu);
    return FALSE;
  }
  return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  return OnCreateClient(lpcs, static_cast<CCreateContext*>(lpcs->lpCreateParams)) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
  if (pContext && pContext->m_pNewViewClass) return CreateView(pContext) != nullptr;
  return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
  CObject* pObject = pContext->m_pNewViewClass->CreateObject();
  CWnd* pView = DYNAMIC_DOWNCAST(CWnd, pObject);
  if (!pView) {
    delete pObject;
    return nullptr;
  }
  CRect rc;
  GetClientRect(&rc);
  // A view that fails deletes itself once its window is gone; one that never got a window
  // is ours to delete.
  if (!pView->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, rc, this, nID, pContext)) {
    if (!DYNAMIC_DOWNCAST(CView, pView)) delete pView;
    return nullptr;
  }
  return pView;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL) {
  m_pViewActive = pViewNew;
  if (pViewNew && pViewNew->GetSafeHwnd()) pViewNew->SetFocus();
}

void CFrameWnd::RecalcLayout(BOOL) {
  CRect rc;
  GetClientRect(&rc);
  if (HWND hClient = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_FIRST))
    ::MoveWindow(hClient, rc.left, rc.top, rc.Width(), rc.Height(), TRUE);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::PostNcDestroy() { delete this; }

BOOL CView::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                   CWnd* pParentWnd, UINT nID, void* pContext) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                  pContext);
}

CFrameWnd* CView::GetParentFrame() const { return AfxGetParentFrame(this); }

void CView::OnPaint() {
  CPaintDC dc(this);
  OnDraw(&dc);
}

void CView::OnDestroy() {
  if (CFrameWnd* pFrame = GetParentFrame())
    if (pFrame->m_pViewActive == this) pFrame->m_pViewActive = nullptr;
  CWnd::OnDestroy();
}

void CView::PostNcDestroy() { delete this; }
