// Splitter with several views per pane that hides one row and one column at a time.
#include "CMpSplitter.h"

#include <vector>

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

void CMpSplitter::HideRow(int row) { hideLine(row, true); }
void CMpSplitter::ShowRow() { showLine(true); }
void CMpSplitter::HideColumn(int col) { hideLine(col, false); }
void CMpSplitter::ShowColumn() { showLine(false); }

// Rows and columns alike: "line" is the row (column) index, "other" the column (row) index.
CWnd* CMpSplitter::linePane(bool isRow, int line, int other) const {
  return isRow ? GetPane(line, other) : GetPane(other, line);
}
int CMpSplitter::lineId(bool isRow, int line, int other) const {
  return isRow ? IdFromRowCol(line, other) : IdFromRowCol(other, line);
}

void CMpSplitter::hideLine(int lineHide, bool isRow) {
  int& hidden = isRow ? m_nHiddenRow : m_nHiddenCol;
  int& count = isRow ? m_nRows : m_nCols;
  if (hidden != -1 || count < 2 || lineHide < 0 || lineHide >= count) return;
  hidden = lineHide;
  int row = 0, col = 0;
  if (GetActivePane(&row, &col) && (isRow ? row : col) == lineHide) {
    const int next = lineHide + 1 < count ? lineHide + 1 : 0;  // the next line, wrapping
    SetActivePane(isRow ? next : row, isRow ? col : next);
  }
  const int others = isRow ? m_nCols : m_nRows;
  const int otherHidden = isRow ? m_nHiddenCol : m_nHiddenRow;
  for (int o = 0; o < others; ++o) {
    if (CWnd* pHide = linePane(isRow, lineHide, o)) {
      pHide->ShowWindow(SW_HIDE);
      // Numbered by its index in the full grid, whatever else is hidden now.
      const int full = otherHidden != -1 && o >= otherHidden ? o + 1 : o;
      pHide->SetDlgCtrlID((isRow ? kHiddenRowPaneFirst : kHiddenColPaneFirst) + full);
    }
    for (int l = lineHide + 1; l < count; ++l)
      if (CWnd* pPane = linePane(isRow, l, o)) pPane->SetDlgCtrlID(lineId(isRow, l - 1, o));
  }
  --count;
  CRowColInfo* info = isRow ? m_pRowInfo : m_pColInfo;
  info[count].nCurSize = info[lineHide].nCurSize;  // kept in the slot past the last
  RecalcLayout();
}

void CMpSplitter::showLine(bool isRow) {
  int& hidden = isRow ? m_nHiddenRow : m_nHiddenCol;
  int& count = isRow ? m_nRows : m_nCols;
  if (hidden == -1 || count >= (isRow ? m_nMaxRows : m_nMaxCols)) return;
  const int lineNew = hidden;
  hidden = -1;
  CRowColInfo* info = isRow ? m_pRowInfo : m_pColInfo;
  const int saved = info[count].nCurSize;
  ++count;
  const int ownFirst = isRow ? kHiddenRowPaneFirst : kHiddenColPaneFirst;
  const int otherFirst = isRow ? kHiddenColPaneFirst : kHiddenRowPaneFirst;
  const int otherHidden = isRow ? m_nHiddenCol : m_nHiddenRow;
  const int others = isRow ? m_nCols : m_nRows;
  // The line's panes by their index in the full grid. The one where it crosses a line of the
  // other kind that is still hidden stays hidden, numbered as a pane of that line, so that
  // showing that line later finds it.
  std::vector<HWND> panes;
  for (int full = 0; full < others + (otherHidden != -1 ? 1 : 0); ++full) {
    HWND hPane = ::GetDlgItem(m_hWnd, ownFirst + full);
    if (full == otherHidden) {
      if (!hPane) hPane = ::GetDlgItem(m_hWnd, otherFirst + lineNew);
      if (hPane) ::SetWindowLongPtrA(hPane, GWLP_ID, otherFirst + lineNew);
      continue;
    }
    panes.push_back(hPane);
  }
  for (int o = 0; o < others; ++o)
    for (int l = count - 2; l >= lineNew; --l)
      if (CWnd* pPane = linePane(isRow, l, o)) pPane->SetDlgCtrlID(lineId(isRow, l + 1, o));
  for (int o = 0; o < (int)panes.size(); ++o) {
    if (!panes[(size_t)o]) continue;
    ::SetWindowLongPtrA(panes[(size_t)o], GWLP_ID, lineId(isRow, lineNew, o));
    ::ShowWindow(panes[(size_t)o], SW_SHOWNA);
  }
  for (int l = lineNew + 1; l < count; ++l) info[l].nIdealSize = info[l - 1].nCurSize;
  info[lineNew].nIdealSize = saved;
  RecalcLayout();
}
