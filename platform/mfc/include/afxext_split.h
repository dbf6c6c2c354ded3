// Splitter windows: a grid of panes (children whose control identifiers name their row and
// column) separated by bars that the mouse drags. Row and column records keep each line's
// minimum, wanted (ideal) and current size; the last row and column take what is left.
#pragma once

#define SPLS_DYNAMIC_SPLIT 0x0001

class AFX_API CSplitterWnd : public CWnd {
  DECLARE_DYNAMIC(CSplitterWnd)
public:
  struct CRowColInfo {
    int nMinSize;
    int nIdealSize;
    int nCurSize;
  };

  CSplitterWnd();
  ~CSplitterWnd() override;

  // A splitter of up to nMaxRows x nMaxCols panes that starts with one pane, a view of the
  // context's class.
  virtual BOOL Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin,
                      CCreateContext* pContext, DWORD dwStyle = WS_CHILD | WS_VISIBLE | SPLS_DYNAMIC_SPLIT,
                      UINT nID = AFX_IDW_PANE_FIRST);
  // A fixed grid of nRows x nCols panes, filled with CreateView.
  virtual BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols,
                            DWORD dwStyle = WS_CHILD | WS_VISIBLE, UINT nID = AFX_IDW_PANE_FIRST);
  // A window of the run-time class in the pane; sizeInit's non-zero extents become the
  // row's and column's wanted sizes; the panes are laid out anew.
  virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                          CCreateContext* pContext);

  int GetRowCount() const { return m_nRows; }
  int GetColumnCount() const { return m_nCols; }
  int GetMaxRowCount() const { return m_nMaxRows; }
  int GetMaxColumnCount() const { return m_nMaxCols; }
  void GetRowInfo(int row, int& cyCur, int& cyMin) const;
  void SetRowInfo(int row, int cyIdeal, int cyMin);
  void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
  void SetColumnInfo(int col, int cxIdeal, int cxMin);

  // The pane window with the identifier of (row, col), or null.
  CWnd* GetPane(int row, int col) const;
  int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
  // Whether the window is one of the visible panes; its row and column when asked.
  BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol) const;
  // The frame's active view, else the focus window, when it is a visible pane.
  virtual CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr);
  virtual void SetActivePane(int row, int col, CWnd* pWnd = nullptr);
  // Sizes the rows and columns from their records and moves the panes into place.
  virtual void RecalcLayout();
  CFrameWnd* GetParentFrame() const { return AfxGetParentFrame(this); }

  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

protected:
  int m_nMaxRows = 0, m_nMaxCols = 0;
  int m_nRows = 0, m_nCols = 0;  // visible rows and columns
  CRowColInfo* m_pRowInfo = nullptr;
  CRowColInfo* m_pColInfo = nullptr;
  int m_cxSplitter = 6, m_cySplitter = 6;  // width of the bars
  CSize m_sizeMin;
  CRuntimeClass* m_pDynamicViewClass = nullptr;
  // The bar being dragged: 1 + column for a column's right bar, -(1 + row) for a row's lower
  // bar, 0 for none.
  int m_nTrackBar = 0;

  BOOL CreateCommon(CWnd* pParentWnd, DWORD dwStyle, UINT nID);
  // The pane rectangle of a visible (row, col) from the current sizes.
  CRect GetPaneRect(int row, int col) const;
  int HitTestBar(CPoint point) const;
  void TrackTo(CPoint point);
  DECLARE_MESSAGE_MAP()
};
