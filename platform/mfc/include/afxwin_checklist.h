// CCheckListBox: an owner-drawn list box whose rows carry check boxes. The list must have
// LBS_OWNERDRAWFIXED and LBS_HASSTRINGS. A click on a row's box, or the space bar on the row
// with the caret, turns its mark (and, in a list with several rows selected, the marks of every
// selected row when the row is among them) and tells the parent with CLBN_CHKCHANGE.
#pragma once

#ifndef CLBN_CHKCHANGE
#define CLBN_CHKCHANGE 40
#endif

class AFX_API CCheckListBox : public CListBox {
  DECLARE_DYNAMIC(CCheckListBox)
public:
  CCheckListBox() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // BS_CHECKBOX, BS_AUTOCHECKBOX (the default), BS_3STATE or BS_AUTO3STATE.
  void SetCheckStyle(UINT nStyle);
  UINT GetCheckStyle();
  // 0 clear, 1 checked, 2 indeterminate; an index out of range is ignored (-1 read).
  void SetCheck(int nIndex, int nCheck);
  int GetCheck(int nIndex);
  // A disabled row keeps its mark against clicks and keys.
  void Enable(int nIndex, BOOL bEnabled = TRUE);
  BOOL IsEnabled(int nIndex);

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
  void PreSubclassWindow() override;
  // The next mark after nCheck under the check style.
  int NextCheck(int nCheck) const;
  // Turns the row's mark (with the selected rows when it is one of them) and tells the parent.
  void ToggleFromRow(int nIndex);
  // Selects a row about to be turned by the space bar, as a click on its box would.
  void SelectForToggle(int nIndex);
  void SetItemHeightFromFont();

  UINT m_nStyle = BS_AUTOCHECKBOX;
};
