// The standard Windows controls. Included by afxwin.h.
//
// Each member sends the control its own message and returns the control's answer
// unchanged (CB_ERR, LB_ERR and so on included). Owner-drawn controls: DrawItem and its
// companions are called for the owner-draw messages the parent receives; when a class does
// not override them the message goes on to the parent's own handlers.
#pragma once

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)
public:
  CButton() = default;
  BOOL Create(LPCSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  UINT GetState() const;
  void SetState(BOOL bHighlight);
  // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
  int GetCheck() const;
  void SetCheck(int nCheck);
  // The button-style bits (the low word of the window style).
  UINT GetButtonStyle() const;
  void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
  // Each returns the image the button showed before.
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  HCURSOR SetCursor(HCURSOR hCursor);
  HCURSOR GetCursor();
  void Click();

  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CEdit : public CWnd {
  DECLARE_DYNAMIC(CEdit)
public:
  CEdit() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Selection: start in the low word, end in the high word. Unless bNoScroll, the caret is
  // scrolled into view.
  DWORD GetSel() const;
  void GetSel(int& nStartChar, int& nEndChar) const;
  void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);

  void LimitText(int nChars = 0);
  void SetLimitText(UINT nMax);
  UINT GetLimitText() const;
  int GetLineCount() const;
  // Copies line nIndex (not NUL-terminated) into the buffer, whose first WORD holds its size.
  int GetLine(int nIndex, LPSTR lpszBuffer) const;
  // Copies at most nMaxLength characters and adds a NUL when there is room.
  int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;
  int LineIndex(int nLine = -1) const;
  int LineLength(int nLine = -1) const;
  int LineFromChar(int nIndex = -1) const;
  void LineScroll(int nLines, int nChars = 0);
  int GetFirstVisibleLine() const;
  BOOL GetModify() const;
  void SetModify(BOOL bModified = TRUE);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  void SetPasswordChar(char ch);
  char GetPasswordChar() const;
  void GetRect(LPRECT lpRect) const;
  void SetRect(LPCRECT lpRect);
  void SetMargins(UINT nLeft, UINT nRight);
  DWORD GetMargins() const;

  BOOL CanUndo() const;
  void EmptyUndoBuffer();
  BOOL Undo();
  void Clear();
  void Copy();
  void Cut();
  void Paste();
};

class CStatic : public CWnd {
  DECLARE_DYNAMIC(CStatic)
public:
  CStatic() = default;
  BOOL Create(LPCSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
              UINT nID = 0xffff);
  // Each returns the image the control showed before.
  HICON SetIcon(HICON hIcon);
  HICON GetIcon() const;
  HBITMAP SetBitmap(HBITMAP hBitmap);
  HBITMAP GetBitmap() const;
  HCURSOR SetCursor(HCURSOR hCursor);
  HCURSOR GetCursor();
};

class CComboBox : public CWnd {
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
  int GetLBText(int nIndex, LPSTR lpszText) const;
  // Empty when the index is out of range.
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const;
  // Prefix search, ignoring case, from the item after nStartAfter (-1: from the top),
  // wrapping round to the top.
  int FindString(int nStartAfter, LPCSTR lpszString) const;
  // Whole-text search, ignoring case, in the same order.
  int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
  // Prefix search that selects the item found (CB_ERR and no change when none).
  int SelectString(int nStartAfter, LPCSTR lpszString);
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData);
  void* GetItemDataPtr(int nIndex) const;
  int GetTopIndex() const;
  int SetTopIndex(int nIndex);

  void GetDroppedControlRect(LPRECT lprect) const;
  BOOL GetDroppedState() const;
  void ShowDropDown(BOOL bShowIt = TRUE);
  int GetDroppedWidth() const;
  int SetDroppedWidth(UINT nWidth);
  // nIndex -1: the selection field; otherwise the list items.
  int GetItemHeight(int nIndex) const;
  int SetItemHeight(int nIndex, UINT cyItemHeight);
  BOOL GetExtendedUI() const;
  int SetExtendedUI(BOOL bExtended = TRUE);

  // The edit field of a drop-down combo box.
  BOOL LimitText(int nMaxChars);
  DWORD GetEditSel() const;
  BOOL SetEditSel(int nStartChar, int nEndChar);
  void Clear();
  void Copy();
  void Cut();
  void Paste();

  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
public:
  CListBox() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetCount() const;
  int AddString(LPCSTR lpszItem);
  int InsertString(int nIndex, LPCSTR lpszItem);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetText(int nIndex, LPSTR lpszBuffer) const;
  // Empty when the index is out of range.
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData);
  void* GetItemDataPtr(int nIndex) const;
  // Searches as the combo box's.
  int FindString(int nStartAfter, LPCSTR lpszItem) const;
  int FindStringExact(int nIndexStart, LPCSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCSTR lpszItem);

  // Single-selection list boxes
  int GetCurSel() const;
  int SetCurSel(int nSelect);
  // Multiple-selection list boxes
  int GetSel(int nIndex) const;
  int SetSel(int nIndex, BOOL bSelect = TRUE);  // nIndex -1: every item
  int GetSelCount() const;
  int GetSelItems(int nMaxItems, LPINT rgIndex) const;
  int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);
  int GetAnchorIndex() const;
  void SetAnchorIndex(int nIndex);
  int GetCaretIndex() const;
  int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);

  int GetTopIndex() const;
  int SetTopIndex(int nIndex);
  int GetItemRect(int nIndex, LPRECT lpRect) const;
  int GetItemHeight(int nIndex) const;
  int SetItemHeight(int nIndex, UINT cyItemHeight);
  // The nearest item to the point (client coordinates); bOutside is TRUE when the point
  // lies outside the items' area.
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
  void SetHorizontalExtent(int cxExtent);
  int GetHorizontalExtent() const;
  void SetColumnWidth(int cxWidth);
  BOOL SetTabStops(int nTabStops, LPINT rgTabStops);

  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)
public:
  CScrollBar() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetScrollPos() const;
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
  void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  void ShowScrollBar(BOOL bShow = TRUE);
  BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH);
  BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
  // The largest position the thumb can reach (the range less the page).
  int GetScrollLimit();
};
