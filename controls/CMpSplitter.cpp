// Splitter with several views per pane that hides one row and one column at a time.
#include "CMpSplitter.h"

IMPLEMENT_DYNCREATE(CMpSplitter, CSplitterWnd)

BEGIN_MESSAGE_MAP(CMpSplitter, CSplitterWnd)
  ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
// The panes of a hidden row or column wait under identifiers of their own, past every
// identifier a visible pane can have, so that the base never finds them.
constexpr int kHiddenRowPaneFirst = AFX_IDW_PANE_LAST + 1;          // + column
constexpr int kHiddenColPaneFirst = AFX_IDW_PANE_LAST + 1 + 16;     // + row
}  // namespace

CMpSplitter::CMpSplitter() = default;
CMpSplitter::~CMpSplitter() = default;

void CMpSplitter::OnSize(UINT nType, int cx, int cy) { CSplitterWnd::OnSize(nType, cx, cy); }

// ---- the view registry ----

CWnd* CMpSplitter::GetView(int id) {
  auto it = m_mapViews.find(id);
  return it == m_mapViews.end() ? nullptr : it->second;
}

CWnd* CMpSplitter::GetCurrentView(int row, int col, int* pId) {
  auto it = m_mapCurrentView.find(MAKELONG(row, col));
  if (it == m_mapCurrentView.end()) return nullptr;
  *pId = it->second;
  return GetView(*pId);
}

bool CMpSplitter::IsCurrentView(int row, int col, int id) {
  int current = 0;
  GetCurrentView(row, col, &current);
  return current == id;
}

bool CMpSplitter::GetPaneFromViewID(int id, CPoint* pPane) {
  auto it = m_mapViewPane.find(id);
  if (it == m_mapViewPane.end()) return false;
  *pPane = CPoint(LOWORD(it->second), HIWORD(it->second));
  return true;
}

void CMpSplitter::SetCurrentView(int row, int col, int id) {
  m_mapCurrentView[MAKELONG(row, col)] = id;
  if (CWnd* pView = GetView(id)) {
    pView->SetDlgCtrlID(IdFromRowCol(row, col));
    pView->ShowWindow(SW_SHOW);
  }
}

int CMpSplitter::HideCurrentView(int row, int col) {
  int id = -1;
  CWnd* pView = GetCurrentView(row, col, &id);
  if (!pView) return -1;
  pView->SetDlgCtrlID(0);
  pView->ShowWindow(SW_HIDE);
  return id;
}

int CMpSplitter::AddView(int row, int col, CRuntimeClass* pViewClass, CCreateContext* pContext) {
  if (row < 0 || col < 0 || row >= m_nRows || col >= m_nCols) return -1;
  const int previous = HideCurrentView(row, col);
  if (!CreateView(row, col, pViewClass, CSize(0, 0), pContext)) {
    if (previous != -1) SetCurrentView(row, col, previous);
    return -1;
  }
  const int id = m_nNextViewID++;
  m_mapViews[id] = GetPane(row, col);
  m_mapViewPane[id] = MAKELONG(row, col);
  SetCurrentView(row, col, id);
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return id;
}

void CMpSplitter::ShowView(int id) {
  CPoint pane;
  if (!GetView(id) || !GetPaneFromViewID(id, &pane)) return;
  HideCurrentView(pane.x, pane.y);
  SetCurrentView(pane.x, pane.y, id);
  RecalcLayout();
}

// ---- hiding and showing ----

bool CMpSplitter::IsRowHidden(int row) { return row == m_nHiddenRow; }
bool CMpSplitter::IsColumnHidden(int col) { return col == m_nHiddenCol; }

void CMpSplitter::HideRow(int rowHide) {
  if (m_nHiddenRow != -1 || m_nRows < 2 || rowHide < 0 || rowHide >= m_nRows) return;
  m_nHiddenRow = rowHide;
  int row = 0, col = 0;
  if (GetActivePane(&row, &col) && row == rowHide)
    SetActivePane(rowHide + 1 < m_nRows ? rowHide + 1 : 0, col);
  for (int c = 0; c < m_nCols; ++c) {
    if (CWnd* pHide = GetPane(rowHide, c)) {
      pHide->ShowWindow(SW_HIDE);
      pHide->SetDlgCtrlID(kHiddenRowPaneFirst + c);
    }
    for (int r = rowHide + 1; r < m_nRows; ++r)
      if (CWnd* pPane = GetPane(r, c)) pPane->SetDlgCtrlID(IdFromRowCol(r - 1, c));
  }
  --m_nRows;
  m_pRowInfo[m_nRows].nCurSize = m_pRowInfo[rowHide].nCurSize;
  RecalcLayout();
}

void CMpSplitter::ShowRow() {
  if (m_nHiddenRow == -1 || m_nRows >= m_nMaxRows) return;
  const int rowNew = m_nHiddenRow;
  m_nHiddenRow = -1;
  const int saved = m_pRowInfo[m_nRows].nCurSize;
  ++m_nRows;
  for (int c = 0; c < m_nCols; ++c) {
    HWND hShow = ::GetDlgItem(m_hWnd, kHiddenRowPaneFirst + c);
    CWnd* pShow = hShow ? CWnd::FromHandle(hShow) : nullptr;
    if (pShow) pShow->ShowWindow(SW_SHOWNA);
    for (int r = m_nRows - 2; r >= rowNew; --r)
      if (CWnd* pPane = GetPane(r, c)) pPane->SetDlgCtrlID(IdFromRowCol(r + 1, c));
    if (pShow) pShow->SetDlgCtrlID(IdFromRowCol(rowNew, c));
  }
  for (int r = rowNew + 1; r < m_nRows; ++r) m_pRowInfo[r].nIdealSize = m_pRowInfo[r - 1].nCurSize;
  m_pRowInfo[rowNew].nIdealSize = saved;
  RecalcLayout();
}

void CMpSplitter::HideColumn(int colHide) {
  if (m_nHiddenCol != -1 || m_nCols < 2 || colHide < 0 || colHide >= m_nCols) return;
  m_nHiddenCol = colHide;
  int row = 0, col = 0;
  if (GetActivePane(&row, &col) && col == colHide)
    SetActivePane(row, colHide + 1 < m_nCols ? colHide + 1 : 0);
  for (int r = 0; r < m_nRows; ++r) {
    if (CWnd* pHide = GetPane(r, colHide)) {
      pHide->ShowWindow(SW_HIDE);
      pHide->SetDlgCtrlID(kHiddenColPaneFirst + r);
    }
    for (int c = colHide + 1; c < m_nCols; ++c)
      if (CWnd* pPane = GetPane(r, c)) pPane->SetDlgCtrlID(IdFromRowCol(r, c - 1));
  }
  --m_nCols;
  m_pColInfo[m_nCols].nCurSize = m_pColInfo[colHide].nCurSize;
  RecalcLayout();
}

void CMpSplitter::ShowColumn() {
  if (m_nHiddenCol == -1 || m_nCols >= m_nMaxCols) return;
  const int colNew = m_nHiddenCol;
  m_nHiddenCol = -1;
  const int saved = m_pColInfo[m_nCols].nCurSize;
  ++m_nCols;
  for (int r = 0; r < m_nRows; ++r) {
    HWND hShow = ::GetDlgItem(m_hWnd, kHiddenColPaneFirst + r);
    CWnd* pShow = hShow ? CWnd::FromHandle(hShow) : nullptr;
    if (pShow) pShow->ShowWindow(SW_SHOWNA);
    for (int c = m_nCols - 2; c >= colNew; --c)
      if (CWnd* pPane = GetPane(r, c)) pPane->SetDlgCtrlID(IdFromRowCol(r, c + 1));
    if (pShow) pShow->SetDlgCtrlID(IdFromRowCol(r, colNew));
  }
  for (int c = colNew + 1; c < m_nCols; ++c) m_pColInfo[c].nIdealSize = m_pColInfo[c - 1].nCurSize;
  m_pColInfo[colNew].nIdealSize = saved;
  RecalcLayout();
}
