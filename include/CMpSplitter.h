// A splitter that keeps several views per pane, shows one of them at a time, and hides one row
// and one column at a time.
#pragma once
#include <afxwin.h>
#include <afxext.h>
#include <map>
#include "WidgetDeckApi.h"

class WIDGETDECK_API CMpSplitter : public CSplitterWnd {
  DECLARE_DYNCREATE(CMpSplitter)
 public:
  CMpSplitter();
  ~CMpSplitter() override;

  // Rows and columns are positions in the visible grid.
  int AddView(int row, int col, CRuntimeClass* pViewClass, CCreateContext* pContext);
  void ShowView(int id);
  CWnd* GetView(int id);
  bool IsCurrentView(int row, int col, int id);
  void HideRow(int row);
  void ShowRow();
  void HideColumn(int col);
  void ShowColumn();
  bool IsRowHidden(int row);
  bool IsColumnHidden(int col);

  afx_msg void OnSize(UINT nType, int cx, int cy);

 protected:
  CWnd* GetCurrentView(int row, int col, int* pId);
  void SetCurrentView(int row, int col, int id);
  int HideCurrentView(int row, int col);
  bool GetPaneFromViewID(int id, CPoint* pPane);

  std::map<int, CWnd*> m_mapViews;
  std::map<long, int> m_mapCurrentView;
  std::map<int, long> m_mapViewPane;
  int m_nNextViewID = 1;
  int m_nHiddenCol = -1;
  int m_nHiddenRow = -1;

 private:
  CWnd* linePane(bool isRow, int line, int other) const;
  int lineId(bool isRow, int line, int other) const;
  void hideLine(int lineHide, bool isRow);
  void showLine(bool isRow);
  DECLARE_MESSAGE_MAP()
};
