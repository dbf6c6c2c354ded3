// The standard Windows controls. Included by afxwin.h.
//
// Each member sends the control its own message and returns the control's answer
// unchanged (CB_ERR, LB_ERR and so on included). Owner-drawn controls: DrawItem and its
// companions are called for the owner-draw messages the parent receives; when a class does
// not override them the message goes on to the parent's own handlers.
#pragma once

class AFX_API CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
public:
  CButton() = default;
  BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  int GetCheck() const;
  void SetCheck(int nCheck);

  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
public:
  CEdit() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Unless bNoScroll, the caret is scrolled into view.
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void LimitText(int nChars = 0);
};

class AFX_API CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
public:
  CStatic() = default;
  BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID = 0xffff);
};

class AFX_API CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
public:
  CComboBox() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  int AddString(LPCSTR lpszString);
  int InsertString(int nIndex, LPCSTR lpszString);
  int DeleteString(UINT nIndex);
  void ResetContent();
  // Empty when the index is out of range.
  void GetLBText(int nIndex, CString& rString) const;
  // Prefix search, ignoring case, from the item after nStartAfter (-1: from the top),
  // wrapping round to the top.
  int FindString(int nStartAfter, LPCSTR lpszString) const;
  // Whole-text search, ignoring case, in the same order.
  int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
  // Prefix search that selects the item found (CB_ERR and no change when none).
  int SelectString(int nStartAfter, LPCSTR lpszString);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData);
  void* GetItemDataPtr(int nIndex) const;

  void GetDroppedControlRect(LPRECT lprect) const;
  void ShowDropDown(BOOL bShowIt = TRUE);
  // nIndex -1: the selection field; otherwise the list items.
  int GetItemHeight(int nIndex) const;
};

class AFX_API CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
public:
  CListBox() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const;
  int AddString(LPCSTR lpszItem);
  int DeleteString(UINT nIndex);
  void ResetContent();
  // Empty when the index is out of range.
  void GetText(int nIndex, CString& rString) const;
  // Searches as the combo box's.
  int FindString(int nStartAfter, LPCSTR lpszItem) const;
  int SelectString(int nStartAfter, LPCSTR lpszItem);

  // Single-selection list boxes
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  // Multiple-selection list boxes
  int GetSelCount() const;
  int GetSelItems(int nMaxItems, LPINT rgIndex) const;

  int SetTopIndex(int nIndex);
  int GetItemHeight(int nIndex) const;
  // The nearest item to the point (client coordinates); bOutside is TRUE when the point
  // lies outside the items' area.
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_API CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)
public:
  CScrollBar() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
};
