// The code editor's completion list: a list box under the caret that finds entries by their
// first letter and reports picks to its owner, the editor.
#pragma once

#include <afxwin.h>

class CIntellisenseListBox : public CListBox {
public:
  CIntellisenseListBox() = default;
  ~CIntellisenseListBox() override = default;
  // Adds an entry and widens the list to the longest one.
  int AddEntry(LPCSTR text);
  int LongestEntry() const { return m_nLongest; }

protected:
  void PreSubclassWindow() override;
  afx_msg void OnMouseMove(UINT nFlags, CPoint point);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
  void NotifySelChange();

  CPoint m_ptLast;
  CString m_strSearch;
  int m_nLongest = 0;
  DECLARE_MESSAGE_MAP()
};
