// Splitter with several views per pane and any number of hidden rows and columns. The pane
// table holds each pane's current window by absolute position; renumbering gives the visible
// panes the identifiers of their place in the visible grid, so that the base class, which
// finds panes by identifier, lays out exactly the visible ones.
#include "MpAppUiSplitterWnd.h"
#include <algorithm>
#include <iterator>

namespace {
bool contains(const std::list<int>& l, int v) { return std::find(l.begin(), l.end(), v) != l.end(); }
int indexOf(const std::list<int>& l, int v) {
  return (int)std::distance(l.begin(), std::find(l.begin(), l.end(), v));
}
// The records of the lines after rel move down one place; the removed one is saved.
void removeInfo(CSplitterWnd::CRowColInfo* info, int count, CSplitterWnd::CRowColInfo& saved, int rel) {
  saved = info[rel];
  for (int i = rel; i < count; ++i) info[i] = info[i + 1];
}
// The records from rel on move up one place; the saved one comes back at rel.
void restoreInfo(CSplitterWnd::CRowColInfo* info, int count, const CSplitterWnd::CRowColInfo& saved, int rel) {
  for (int i = count - 2; i >= rel; --i) info[i + 1] = info[i];
  info[rel] = saved;
}
}  // namespace

MpAppUiSplitterWnd::MpAppUiSplitterWnd() = default;

MpAppUiSplitterWnd::~MpAppUiSplitterWnd() {
  delete[] m_pSavedColInfo;
  delete[] m_pSavedRowInfo;
}

BOOL MpAppUiSplitterWnd::Create(CWnd* pParent, int nMaxRows, int nMaxCols, SIZE sizeMin,
                                CCreateContext* pContext, DWORD dwStyle, UINT nID) {
  if (m_hWnd || nMaxRows < 1 || nMaxCols < 1) return FALSE;
  init(nMaxRows, nMaxCols);
  if (!CSplitterWnd::Create(pParent, nMaxRows, nMaxCols, sizeMin, pContext, dwStyle, nID)) return FALSE;
  // The base starts with fewer panes than its maxima: those that exist are the visible ones.
  m_shownRows.resize(m_nRows);
  m_shownCols.resize(m_nCols);
  return TRUE;
}

BOOL MpAppUiSplitterWnd::CreateStatic(CWnd* pParent, int nRows, int nCols, DWORD dwStyle, UINT nID) {
  if (m_hWnd || !CSplitterWnd::CreateStatic(pParent, nRows, nCols, dwStyle, nID)) return FALSE;
  init(m_nMaxRows, m_nMaxCols);
  return TRUE;
}

BOOL MpAppUiSplitterWnd::CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                                    CCreateContext* pContext) {
  // A pane of a hidden row or column takes no new view until it is shown again.
  if (!inside(row, col) || !IsPaneVisible(row, col)) return FALSE;
  const int relRow = indexOf(m_shownRows, row), relCol = indexOf(m_shownCols, col);
  if (!CSplitterWnd::CreateView(relRow, relCol, pViewClass, sizeInit, pContext)) return FALSE;
  setPaneWindow(row, col, GetPane(relRow, relCol));
  return TRUE;
}

void MpAppUiSplitterWnd::init(int rows, int cols) {
  m_pPanes.Init(rows, cols);
  m_shownRows.clear();
  m_shownCols.clear();
  m_hiddenRows.clear();
  m_hiddenCols.clear();
  for (int r = 0; r < rows; ++r) m_shownRows.push_back(r);
  for (int c = 0; c < cols; ++c) m_shownCols.push_back(c);
  delete[] m_pSavedColInfo;
  delete[] m_pSavedRowInfo;
  m_pSavedColInfo = new CRowColInfo[cols]();
  m_pSavedRowInfo = new CRowColInfo[rows]();
}

bool MpAppUiSplitterWnd::inside(int row, int col) const {
  return row >= 0 && col >= 0 && row < m_pPanes.m_nRowCount && col < m_pPanes.m_nColCount;
}

void MpAppUiSplitterWnd::setPaneWindow(int row, int col, CWnd* pWnd) {
  if (inside(row, col)) m_pPanes.At(row, col) = pWnd;
}

CWnd* MpAppUiSplitterWnd::getActivePane() { return GetActivePane(); }

// ---- the view registry ----

CWnd* MpAppUiSplitterWnd::getView(int id) {
  auto it = m_mapViews.find(id);
  return it == m_mapViews.end() ? nullptr : it->second;
}

CWnd* MpAppUiSplitterWnd::getCurrentView(int row, int col, int& id) {
  auto it = m_mapCurrentView.find(MAKELONG(row, col));
  if (it == m_mapCurrentView.end()) return nullptr;
  id = it->second;
  return getView(id);
}

bool MpAppUiSplitterWnd::getPaneFromViewID(int id, int& row, int& col) {
  auto it = m_mapViewPane.find(id);
  if (it == m_mapViewPane.end()) return false;
  row = LOWORD(it->second);
  col = HIWORD(it->second);
  return true;
}

// Panes of hidden rows and columns wait under identifiers past every visible pane's, so that
// the base, which finds panes by identifier, never finds them.
int MpAppUiSplitterWnd::paneId(int relRow, int relCol) const {
  const int id = IdFromRowCol(relRow, relCol);
  return relRow < m_nRows && relCol < m_nCols ? id : id - AFX_IDW_PANE_FIRST + AFX_IDW_PANE_LAST + 1;
}

int MpAppUiSplitterWnd::layoutIndex(const std::list<int>& shown, const std::list<int>& hidden, int abs) {
  return contains(shown, abs) ? indexOf(shown, abs) : (int)shown.size() + indexOf(hidden, abs);
}

void MpAppUiSplitterWnd::setCurrentView(int row, int col, int id) {
  m_mapCurrentView[MAKELONG(row, col)] = id;
  CWnd* pView = getView(id);
  if (!pView) return;
  pView->SetDlgCtrlID(paneId(layoutIndex(m_shownRows, m_hiddenRows, row),
                             layoutIndex(m_shownCols, m_hiddenCols, col)));
  pView->ShowWindow(IsPaneVisible(row, col) ? SW_SHOW : SW_HIDE);
  setPaneWindow(row, col, pView);
}

int MpAppUiSplitterWnd::hideCurrentView(int row, int col) {
  int id = -1;
  CWnd* pView = getCurrentView(row, col, id);
  if (!pView) return -1;
  pView->SetDlgCtrlID(0);
  pView->ShowWindow(SW_HIDE);
  setPaneWindow(row, col, nullptr);
  return id;
}

int MpAppUiSplitterWnd::addView(int row, int col, CRuntimeClass* pViewClass, CCreateContext* pContext) {
  if (!inside(row, col)) return -1;
  const int previous = hideCurrentView(row, col);
  if (!CreateView(row, col, pViewClass, CSize(0, 0), pContext)) {
    if (previous != -1) setCurrentView(row, col, previous);
    return -1;
  }
  const int id = ++m_nViewCount;
  m_mapViews[id] = m_pPanes.At(row, col);
  m_mapViewPane[id] = MAKELONG(row, col);
  setCurrentView(row, col, id);
  RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  return id;
}

void MpAppUiSplitterWnd::showView(int id) {
  int row = 0, col = 0;
  if (!getView(id) || !getPaneFromViewID(id, row, col)) return;
  hideCurrentView(row, col);
  setCurrentView(row, col, id);
  RecalcLayout();
}

// ---- positions ----

int MpAppUiSplitterWnd::AbsToRelPosition(const std::list<int>& shown, int abs) {
  int i = 0;
  for (int v : shown) {
    if (v > abs) return i;
    ++i;
  }
  return i;
}

int MpAppUiSplitterWnd::RelToAbsPosition(const std::list<int>& shown, const std::list<int>& hidden, int rel) {
  const std::list<int>& l = rel < (int)shown.size() ? shown : hidden;
  if (&l == &hidden) rel -= (int)shown.size();
  auto it = l.begin();
  std::advance(it, rel);
  return *it;
}

CPoint MpAppUiSplitterWnd::RelToAbsPosition(int row, int col) {
  return CPoint(RelToAbsPosition(m_shownRows, m_hiddenRows, row),
                RelToAbsPosition(m_shownCols, m_hiddenCols, col));
}

bool MpAppUiSplitterWnd::IsPaneVisible(int absRow, int absCol) {
  return contains(m_shownRows, absRow) && contains(m_shownCols, absCol);
}

void MpAppUiSplitterWnd::RenumeratePanes() {
  for (int r = 0; r < m_nMaxRows; ++r)
    for (int c = 0; c < m_nMaxCols; ++c) {
      try {
        const CPoint abs = RelToAbsPosition(r, c);
        if (CWnd* pWnd = m_pPanes.At(abs.x, abs.y)) {
          pWnd->SetDlgCtrlID(paneId(r, c));
          pWnd->ShowWindow(IsPaneVisible(abs.x, abs.y) ? SW_SHOW : SW_HIDE);
        }
      } catch (...) {
        // one pane that cannot be renumbered does not stop the others
      }
    }
}

void MpAppUiSplitterWnd::RemoveColInfo(int rel, int col) { removeInfo(m_pColInfo, m_nCols, m_pSavedColInfo[col], rel); }
void MpAppUiSplitterWnd::RestoreColInfo(int rel, int col) { restoreInfo(m_pColInfo, m_nCols, m_pSavedColInfo[col], rel); }
void MpAppUiSplitterWnd::RemoveRowInfo(int rel, int row) { removeInfo(m_pRowInfo, m_nRows, m_pSavedRowInfo[row], rel); }
void MpAppUiSplitterWnd::RestoreRowInfo(int rel, int row) { restoreInfo(m_pRowInfo, m_nRows, m_pSavedRowInfo[row], rel); }

// ---- hiding and showing ----

void MpAppUiSplitterWnd::hideLine(int index, bool isRow) {
  std::list<int>& shown = isRow ? m_shownRows : m_shownCols;
  std::list<int>& hidden = isRow ? m_hiddenRows : m_hiddenCols;
  // The last visible line stays: a splitter without panes has nothing to give back.
  if (!contains(shown, index) || shown.size() < 2) return;
  const int rel = indexOf(shown, index);
  shown.remove(index);
  hidden.push_back(index);
  --(isRow ? m_nRows : m_nCols);
  RenumeratePanes();
  if (isRow)
    RemoveRowInfo(rel, index);
  else
    RemoveColInfo(rel, index);
  RecalcLayout();
}

void MpAppUiSplitterWnd::showLine(int index, bool isRow) {
  std::list<int>& shown = isRow ? m_shownRows : m_shownCols;
  std::list<int>& hidden = isRow ? m_hiddenRows : m_hiddenCols;
  if (!contains(hidden, index)) return;
  const int rel = AbsToRelPosition(shown, index);
  ++(isRow ? m_nRows : m_nCols);
  shown.push_back(index);
  shown.sort();
  hidden.remove(index);
  RenumeratePanes();
  if (isRow)
    RestoreRowInfo(rel, index);
  else
    RestoreColInfo(rel, index);
  RecalcLayout();
}

void MpAppUiSplitterWnd::hideColumn(int col) { hideLine(col, false); }
void MpAppUiSplitterWnd::showColumn(int col) { showLine(col, false); }
bool MpAppUiSplitterWnd::isColumnHidden(int col) { return contains(m_hiddenCols, col); }
void MpAppUiSplitterWnd::hideRow(int row) { hideLine(row, true); }
void MpAppUiSplitterWnd::showRow(int row) { showLine(row, true); }
bool MpAppUiSplitterWnd::isRowHidden(int row) { return contains(m_hiddenRows, row); }
