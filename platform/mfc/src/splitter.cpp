// Splitter windows: panes found by control identifier, laid out from row and column records,
// with bars between them that the left mouse button drags.
#include <algorithm>
#include "afxext.h"

IMPLEMENT_DYNAMIC(CSplitterWnd, CWnd)

BEGIN_MESSAGE_MAP(CSplitterWnd, CWnd)
  ON_WM_SIZE()
  ON_WM_LBUTTONDOWN()
  ON_WM_MOUSEMOVE()
  ON_WM_LBUTTONUP()
  ON_WM_SETCURSOR()
END_MESSAGE_MAP()

namespace {
// Gives each line its wanted size while room is left; the last line takes the rest.
void LayoutLines(CSplitterWnd::CRowColInfo* pInfo, int nCount, int nSize, int nGap) {
  int left = nSize;
  for (int i = 0; i < nCount; ++i) {
    int cur = i == nCount - 1 ? left : std::min(pInfo[i].nIdealSize, left);
    pInfo[i].nCurSize = std::max(cur, 0);
    left -= pInfo[i].nCurSize + nGap;
  }
}

CSplitterWnd::CRowColInfo* NewInfo(int nCount, int nMin) {
  auto* p = new CSplitterWnd::CRowColInfo[nCount];
  for (int i = 0; i < nCount; ++i) p[i] = {nMin, 0, 0};
  return p;
}
}  // namespace

CSplitterWnd::CSplitterWnd() = default;

CSplitterWnd::~CSplitterWnd() {
  delete[] m_pRowInfo;
  delete[] m_pColInfo;
}

BOOL CSplitterWnd::CreateCommon(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
  delete[] m_pRowInfo;
  delete[] m_pColInfo;
  m_pRowInfo = NewInfo(m_nMaxRows, m_sizeMin.cy);
  m_pColInfo = NewInfo(m_nMaxCols, m_sizeMin.cx);
  CRect rc;
  pParentWnd->GetClientRect(&rc);
  LPCSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                   reinterpret_cast<HBRUSH>(COLOR_3DFACE + 1));
  return CreateEx(0, cls, nullptr, (dwStyle | WS_CHILD | WS_CLIPCHILDREN) & ~SPLS_DYNAMIC_SPLIT, rc,
                  pParentWnd, nID);
}

BOOL CSplitterWnd::Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin,
                          CCreateContext* pContext, DWORD dwStyle, UINT nID) {
  if (!pParentWnd || nMaxRows < 1 || nMaxCols < 1 || nMaxRows > 16 || nMaxCols > 16 || !pContext ||
      !pContext->m_pNewViewClass)
    return FALSE;
  m_nMaxRows = nMaxRows;
  m_nMaxCols = nMaxCols;
  m_nRows = m_nCols = 1;
  m_sizeMin = sizeMin;
  m_pDynamicViewClass = pContext->m_pNewViewClass;
  if (!CreateCommon(pParentWnd, dwStyle, nID)) return FALSE;
  if (!CreateView(0, 0, m_pDynamicViewClass, CSize(0, 0), pContext)) {
    DestroyWindow();
    return FALSE;
  }
  return TRUE;
}

BOOL CSplitterWnd::CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle, UINT nID) {
  if (!pParentWnd || nRows < 1 || nCols < 1 || nRows > 16 || nCols > 16) return FALSE;
  m_nRows = m_nMaxRows = nRows;
  m_nCols = m_nMaxCols = nCols;
  return CreateCommon(pParentWnd, dwStyle, nID);
}

BOOL CSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                              CCreateContext* pContext) {
  if (!m_hWnd || row < 0 || col < 0 || row >= m_nRows || col >= m_nCols || !pViewClass ||
      GetPane(row, col))
    return FALSE;
  if (sizeInit.cx > 0) m_pColInfo[col].nIdealSize = sizeInit.cx;
  if (sizeInit.cy > 0) m_pRowInfo[row].nIdealSize = sizeInit.cy;
  CObject* pObject = pViewClass->CreateObject();
  CWnd* pWnd = DYNAMIC_DOWNCAST(CWnd, pObject);
  if (!pWnd) {
    delete pObject;
    return FALSE;
  }
  // A view deletes itself when its window goes, even a window that failed to be created.
  const BOOL bSelfDeleting = DYNAMIC_DOWNCAST(CView, pWnd) != nullptr;
  if (!pWnd->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, GetPaneRect(row, col),
                    this, IdFromRowCol(row, col), pContext)) {
    if (!bSelfDeleting) delete pWnd;
    return FALSE;
  }
  RecalcLayout();
  return TRUE;
}

void CSplitterWnd::GetRowInfo(int row, int& cyCur, int& cyMin) const {
  cyCur = m_pRowInfo[row].nCurSize;
  cyMin = m_pRowInfo[row].nMinSize;
}
void CSplitterWnd::SetRowInfo(int row, int cyIdeal, int cyMin) {
  m_pRowInfo[row].nIdealSize = cyIdeal;
  m_pRowInfo[row].nMinSize = cyMin;
}
void CSplitterWnd::GetColumnInfo(int col, int& cxCur, int& cxMin) const {
  cxCur = m_pColInfo[col].nCurSize;
  cxMin = m_pColInfo[col].nMinSize;
}
void CSplitterWnd::SetColumnInfo(int col, int cxIdeal, int cxMin) {
  m_pColInfo[col].nIdealSize = cxIdeal;
  m_pColInfo[col].nMinSize = cxMin;
}

CWnd* CSplitterWnd::GetPane(int row, int col) const {
  HWND h = m_hWnd ? ::GetDlgItem(m_hWnd, IdFromRowCol(row, col)) : nullptr;
  return h ? CWnd::FromHandle(h) : nullptr;
}

BOOL CSplitterWnd::IsChildPane(CWnd* pWnd, int* pRow, int* pCol) const {
  HWND h = pWnd->GetSafeHwnd();
  if (!h || !m_hWnd || ::GetParent(h) != m_hWnd) return FALSE;
  const int id = ::GetDlgCtrlID(h) - AFX_IDW_PANE_FIRST;
  if (id < 0 || id / 16 >= m_nRows || id % 16 >= m_nCols) return FALSE;
  if (pRow) *pRow = id / 16;
  if (pCol) *pCol = id % 16;
  return TRUE;
}

CWnd* CSplitterWnd::GetActivePane(int* pRow, int* pCol) {
  CWnd* pView = nullptr;
  if (CFrameWnd* pFrame = GetParentFrame()) pView = pFrame->GetActiveView();
  if (!pView) pView = CWnd::GetFocus();
  return pView && IsChildPane(pView, pRow, pCol) ? pView : nullptr;
}

void CSplitterWnd::SetActivePane(int row, int col, CWnd* pWnd) {
  CWnd* pPane = pWnd ? pWnd : GetPane(row, col);
  if (!pPane) return;
  CFrameWnd* pFrame = GetParentFrame();
  CView* pView = DYNAMIC_DOWNCAST(CView, CWnd::FromHandlePermanent(pPane->GetSafeHwnd()));
  if (pFrame && pView)
    pFrame->SetActiveView(pView);
  else
    pPane->SetFocus();
}

CRect CSplitterWnd::GetPaneRect(int row, int col) const {
  CRect rc;
  rc.left = rc.top = 0;
  for (int c = 0; c < col; ++c) rc.left += m_pColInfo[c].nCurSize + m_cxSplitter;
  for (int r = 0; r < row; ++r) rc.top += m_pRowInfo[r].nCurSize + m_cySplitter;
  rc.right = rc.left + m_pColInfo[col].nCurSize;
  rc.bottom = rc.top + m_pRowInfo[row].nCurSize;
  return rc;
}

void CSplitterWnd::RecalcLayout() {
  if (!m_hWnd) return;
  CRect rc;
  GetClientRect(&rc);
  LayoutLines(m_pColInfo, m_nCols, rc.Width(), m_cxSplitter);
  LayoutLines(m_pRowInfo, m_nRows, rc.Height(), m_cySplitter);
  for (int r = 0; r < m_nRows; ++r)
    for (int c = 0; c < m_nCols; ++c)
      if (HWND h = ::GetDlgItem(m_hWnd, IdFromRowCol(r, c))) {
        const CRect pane = GetPaneRect(r, c);
        ::MoveWindow(h, pane.left, pane.top, pane.Width(), pane.Height(), TRUE);
      }
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CSplitterWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

int CSplitterWnd::HitTestBar(CPoint point) const {
  int x = 0;
  for (int c = 0; c + 1 < m_nCols; ++c) {
    x += m_pColInfo[c].nCurSize;
    if (point.x >= x && point.x < x + m_cxSplitter) return 1 + c;
    x += m_cxSplitter;
  }
  int y = 0;
  for (int r = 0; r + 1 < m_nRows; ++r) {
    y += m_pRowInfo[r].nCurSize;
    if (point.y >= y && point.y < y + m_cySplitter) return -(1 + r);
    y += m_cySplitter;
  }
  return 0;
}

// The dragged bar's line becomes as long as the distance from its start to the mouse.
void CSplitterWnd::TrackTo(CPoint point) {
  if (m_nTrackBar > 0) {
    const int col = m_nTrackBar - 1;
    m_pColInfo[col].nIdealSize = std::max(0, (int)(point.x - GetPaneRect(0, col).left));
  } else {
    const int row = -m_nTrackBar - 1;
    m_pRowInfo[row].nIdealSize = std::max(0, (int)(point.y - GetPaneRect(row, 0).top));
  }
  RecalcLayout();
}

void CSplitterWnd::OnLButtonDown(UINT, CPoint point) {
  m_nTrackBar = HitTestBar(point);
  if (m_nTrackBar) ::SetCapture(m_hWnd);
}

void CSplitterWnd::OnMouseMove(UINT, CPoint point) {
  if (m_nTrackBar) TrackTo(point);
}

void CSplitterWnd::OnLButtonUp(UINT, CPoint point) {
  if (!m_nTrackBar) return;
  TrackTo(point);
  m_nTrackBar = 0;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

BOOL CSplitterWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
  POINT pt;
  ::GetCursorPos(&pt);
  ScreenToClient(&pt);
  const int bar = pWnd->GetSafeHwnd() == m_hWnd && nHitTest == HTCLIENT ? HitTestBar(pt) : 0;
  if (!bar) return CWnd::OnSetCursor(pWnd, nHitTest, message);
  ::SetCursor(::LoadCursorA(nullptr, bar > 0 ? IDC_SIZEWE : IDC_SIZENS));
  return TRUE;
}
