// A splitter that keeps several views per pane, shows one of them at a time, and hides and
// shows any of its rows and columns.
#pragma once
#include <afxwin.h>
#include <afxext.h>
#include <list>
#include <map>
#include "WidgetDeckApi.h"

// Pane windows by absolute row and column (row-major); no bounds test.
class C2DArray {
 public:
  C2DArray() = default;
  virtual ~C2DArray() { delete[] m_pData; }
  C2DArray(const C2DArray&) = delete;
  C2DArray& operator=(const C2DArray&) = delete;
  void Init(int nRows, int nCols) {
    delete[] m_pData;
    m_nRowCount = nRows;
    m_nColCount = nCols;
    m_pData = new CWnd*[nRows * nCols]();
  }
  CWnd*& At(int row, int col) { return m_pData[row * m_nColCount + col]; }

  CWnd** m_pData = nullptr;
  int m_nRowCount = 0, m_nColCount = 0;
};

class WIDGETDECK_API MpAppUiSplitterWnd : public CSplitterWnd {
 public:
  MpAppUiSplitterWnd();
  ~MpAppUiSplitterWnd() override;

  BOOL Create(CWnd* pParent, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
              DWORD dwStyle = WS_CHILD | WS_VISIBLE | SPLS_DYNAMIC_SPLIT,
              UINT nID = AFX_IDW_PANE_FIRST) override;
  BOOL CreateStatic(CWnd* pParent, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                    UINT nID = AFX_IDW_PANE_FIRST) override;
  // Rows and columns here and below are absolute: positions in the grid as created.
  BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                  CCreateContext* pContext) override;

  void setPaneWindow(int row, int col, CWnd* pWnd);
  CWnd* getActivePane();
  // A new view in the pane, made its current view; its identifier, or -1.
  int addView(int row, int col, CRuntimeClass* pViewClass, CCreateContext* pContext);
  void showView(int id);
  CWnd* getView(int id);
  CWnd* getCurrentView(int row, int col, int& id);

  void hideColumn(int col);
  void showColumn(int col);
  bool isColumnHidden(int col);
  void hideRow(int row);
  void showRow(int row);
  bool isRowHidden(int row);

 protected:
  void init(int rows, int cols);
  static int AbsToRelPosition(const std::list<int>& shown, int abs);
  static int RelToAbsPosition(const std::list<int>& shown, const std::list<int>& hidden, int rel);
  CPoint RelToAbsPosition(int row, int col);
  bool IsPaneVisible(int absRow, int absCol);
  void RemoveColInfo(int rel, int col);
  void RestoreColInfo(int rel, int col);
  void RemoveRowInfo(int rel, int row);
  void RestoreRowInfo(int rel, int row);
  void RenumeratePanes();
  bool getPaneFromViewID(int id, int& row, int& col);
  void setCurrentView(int row, int col, int id);
  int hideCurrentView(int row, int col);

  std::map<int, CWnd*> m_mapViews;
  std::map<long, int> m_mapCurrentView;
  std::map<int, long> m_mapViewPane;
  int m_nViewCount = 0;
  std::list<int> m_shownCols, m_hiddenCols, m_shownRows, m_hiddenRows;
  C2DArray m_pPanes;
  CRowColInfo* m_pSavedColInfo = nullptr;
  CRowColInfo* m_pSavedRowInfo = nullptr;

 private:
  bool inside(int row, int col) const;
  // The position in the layout of an absolute index: visible ones first, then the hidden.
  static int layoutIndex(const std::list<int>& shown, const std::list<int>& hidden, int abs);
  int paneId(int relRow, int relCol) const;
  void hideLine(int index, bool isRow);
  void showLine(int index, bool isRow);
};
