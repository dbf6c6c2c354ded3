// The common controls: image lists, list views, tree views, tooltips, tabs, progress bars,
// sliders and spin buttons. Each member sends the control its own message.
#pragma once
#include "afxwin.h"

// ---------------------------------------------------------------------------------------
// CImageList: owns its image list (destroyed with the object unless detached).
// ---------------------------------------------------------------------------------------
class CImageList : public CObject {
  DECLARE_DYNCREATE(CImageList)
public:
  HIMAGELIST m_hImageList = nullptr;

  CImageList() = default;
  ~CImageList() override;

  // The object attached to the handle, or a temporary that never destroys it.
  static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
  static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();
  // Null when called through a null pointer.
  HIMAGELIST GetSafeHandle() const;
  operator HIMAGELIST() const { return m_hImageList; }

  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  // From a bitmap of the resource chain, cut into images cx wide; crMask marks the
  // transparent colour (CLR_NONE for none).
  BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
  BOOL Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);
  // Image nImage1 of the first list with image nImage2 of the second drawn over it.
  BOOL Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx,
              int dy);
  // A copy of another list.
  BOOL Create(CImageList* pImageList);
  BOOL DeleteImageList();

  int GetImageCount() const;
  BOOL SetImageCount(UINT uNewCount);
  BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
  // Each Add returns the index of the first new image, or -1.
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon);
  BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
  int Replace(int nImage, HICON hIcon);
  BOOL Remove(int nImage);  // -1 removes every image
  BOOL Copy(int iDst, int iSrc, UINT uFlags = ILCF_MOVE);
  // A new icon the caller destroys.
  HICON ExtractIcon(int nImage);
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
  BOOL DrawIndirect(IMAGELISTDRAWPARAMS* pimldp);
  COLORREF SetBkColor(COLORREF cr);
  COLORREF GetBkColor() const;
  BOOL SetOverlayImage(int nImage, int nOverlay);

protected:
  BOOL m_bTempObject = FALSE;
  friend struct AfxImageListInternals;
};

// ---------------------------------------------------------------------------------------
// CListCtrl (list view)
// ---------------------------------------------------------------------------------------
class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)
public:
  CListCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  DWORD SetExtendedStyle(DWORD dwNewStyle);  // returns the previous extended style
  DWORD GetExtendedStyle() const;
  COLORREF GetBkColor() const;
  BOOL SetBkColor(COLORREF cr);
  COLORREF GetTextColor() const;
  BOOL SetTextColor(COLORREF cr);
  COLORREF GetTextBkColor() const;
  BOOL SetTextBkColor(COLORREF cr);
  // The previous list of that kind (LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE).
  CImageList* SetImageList(CImageList* pImageList, int nImageListType);
  CImageList* GetImageList(int nImageList) const;

  // Columns
  int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
  // nWidth -1: no width given; nSubItem -1: the sub-item is the column's index.
  int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                   int nSubItem = -1);
  BOOL DeleteColumn(int nCol);
  BOOL GetColumn(int nCol, LVCOLUMNA* pColumn) const;
  BOOL SetColumn(int nCol, const LVCOLUMNA* pColumn);
  int GetColumnWidth(int nCol) const;
  BOOL SetColumnWidth(int nCol, int cx);  // cx may be LVSCW_AUTOSIZE(_USEHEADER)

  // Items
  int GetItemCount() const;
  void SetItemCount(int nItems);
  int InsertItem(const LVITEMA* pItem);
  int InsertItem(int nItem, LPCSTR lpszItem);
  int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
  int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                 LPARAM lParam);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  BOOL GetItem(LVITEMA* pItem) const;
  BOOL SetItem(const LVITEMA* pItem);
  BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
               UINT nStateMask, LPARAM lParam);
  BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
               UINT nStateMask, LPARAM lParam, int nIndent);
  CString GetItemText(int nItem, int nSubItem) const;
  // At most nLen - 1 characters and a NUL; the length copied.
  int GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const;
  BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nItem) const;
  UINT GetItemState(int nItem, UINT nMask) const;
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);  // nItem -1: every item
  BOOL SetItemState(int nItem, LVITEMA* pItem);
  // Check boxes (LVS_EX_CHECKBOXES): the state image, 1 clear and 2 ticked.
  BOOL GetCheck(int nItem) const;
  BOOL SetCheck(int nItem, BOOL fCheck = TRUE);

  // Selection and search
  UINT GetSelectedCount() const;
  int GetNextItem(int nItem, int nFlags) const;
  // Positions run over the selected items: the position is the item's index plus one,
  // so that null ends the walk.
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;
  int GetSelectionMark() const;
  int SetSelectionMark(int iIndex);
  int FindItem(LVFINDINFOA* pFindInfo, int nStart = -1) const;
  int HitTest(LVHITTESTINFO* pHitTestInfo) const;
  int HitTest(CPoint pt, UINT* pFlags = nullptr) const;
  int SubItemHitTest(LPLVHITTESTINFO pInfo);

  // Display
  BOOL EnsureVisible(int nItem, BOOL bPartialOK);
  int GetTopIndex() const;
  int GetCountPerPage() const;
  BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
  BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const;
  BOOL GetItemPosition(int nItem, LPPOINT lpPoint) const;
  int GetStringWidth(LPCSTR lpsz) const;
  BOOL RedrawItems(int nFirst, int nLast);
  BOOL Update(int nItem);
  BOOL Scroll(CSize size);
  BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
  BOOL SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
};

// ---------------------------------------------------------------------------------------
// CTreeCtrl (tree view)
// ---------------------------------------------------------------------------------------
class CTreeCtrl : public CWnd {
  DECLARE_DYNAMIC(CTreeCtrl)
public:
  CTreeCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  HTREEITEM InsertItem(LPTVINSERTSTRUCTA lpInsertStruct);
  HTREEITEM InsertItem(LPCSTR lpszItem, HTREEITEM hParent = TVI_ROOT,
                       HTREEITEM hInsertAfter = TVI_LAST);
  HTREEITEM InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage,
                       HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
  HTREEITEM InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                       UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
  BOOL DeleteItem(HTREEITEM hItem);
  BOOL DeleteAllItems();
  UINT GetCount() const;

  HTREEITEM GetRootItem() const;
  HTREEITEM GetChildItem(HTREEITEM hItem) const;
  HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
  HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
  HTREEITEM GetParentItem(HTREEITEM hItem) const;
  HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
  BOOL ItemHasChildren(HTREEITEM hItem) const;

  BOOL GetItem(TVITEMA* pItem) const;
  BOOL SetItem(TVITEMA* pItem);
  CString GetItemText(HTREEITEM hItem) const;
  BOOL SetItemText(HTREEITEM hItem, LPCSTR lpszItem);
  BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(HTREEITEM hItem) const;
  BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
  BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
  UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
  BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);

  BOOL SelectItem(HTREEITEM hItem);
  HTREEITEM GetSelectedItem() const;
  BOOL Expand(HTREEITEM hItem, UINT nCode);
  BOOL EnsureVisible(HTREEITEM hItem);
  HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;
  BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;
  CImageList* SetImageList(CImageList* pImageList, int nImageListType);
  CImageList* GetImageList(int nImageList) const;
};

// ---------------------------------------------------------------------------------------
// CToolTipCtrl
// ---------------------------------------------------------------------------------------
class CToolTipCtrl : public CWnd {
  DECLARE_DYNAMIC(CToolTipCtrl)
public:
  CToolTipCtrl() = default;
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

  // A tool is a window (nIDTool 0: the tip asks pWnd's parent for its text, with idFrom
  // the window's handle) or a rectangle nIDTool of pWnd (the window's client area when the
  // rectangle is null). LPSTR_TEXTCALLBACKA asks for the text with TTN_NEEDTEXT.
  BOOL AddTool(CWnd* pWnd, LPCSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = nullptr,
               UINT_PTR nIDTool = 0);
  BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
  void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
  void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  BOOL GetToolInfo(TTTOOLINFOA* pToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
  void SetToolInfo(TTTOOLINFOA* pToolInfo);
  void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
  int GetToolCount() const;

  void Activate(BOOL bActivate);
  int SetMaxTipWidth(int iWidth);
  int GetMaxTipWidth() const;
  void SetDelayTime(UINT nDelay);                  // sets all three delays from one
  void SetDelayTime(DWORD dwDuration, int iTime);  // TTDT_AUTOPOP, TTDT_INITIAL, TTDT_RESHOW
  int GetDelayTime(DWORD dwDuration) const;
  void SetTipBkColor(COLORREF clr);
  void SetTipTextColor(COLORREF clr);
  void RelayEvent(LPMSG lpMsg);
  void Pop();
  void Update();

private:
  static void FillInToolInfo(TTTOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool);
};

// ---------------------------------------------------------------------------------------
// CTabCtrl
// ---------------------------------------------------------------------------------------
class CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)
public:
  CTabCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  int GetItemCount() const;
  BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const;
  BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem);
  LONG InsertItem(int nItem, TCITEMA* pTabCtrlItem);
  LONG InsertItem(int nItem, LPCSTR lpszItem);
  LONG InsertItem(int nItem, LPCSTR lpszItem, int nImage);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  int GetCurSel() const;
  int SetCurSel(int nItem);
  int GetCurFocus() const;
  void SetCurFocus(int nItem);
  BOOL GetItemRect(int nItem, LPRECT lpRect) const;
  void AdjustRect(BOOL bLarger, LPRECT lpRect);
  int GetRowCount() const;
  int HitTest(TCHITTESTINFO* pHitTestInfo) const;
  CImageList* SetImageList(CImageList* pImageList);
  CImageList* GetImageList() const;
};

// ---------------------------------------------------------------------------------------
// CProgressCtrl, CSliderCtrl, CSpinButtonCtrl
// ---------------------------------------------------------------------------------------
class CProgressCtrl : public CWnd {
  DECLARE_DYNAMIC(CProgressCtrl)
public:
  CProgressCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  void SetRange(short nLower, short nUpper);
  void SetRange32(int nLower, int nUpper);
  void GetRange(int& nLower, int& nUpper) const;
  int GetPos() const;
  int SetPos(int nPos);  // each returns the previous position
  int OffsetPos(int nPos);
  int SetStep(int nStep);
  int StepIt();
  COLORREF SetBarColor(COLORREF clrBar);
  COLORREF SetBkColor(COLORREF clrNew);
  BOOL SetMarquee(BOOL fMarqueeMode, int nInterval);
};

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
public:
  CSliderCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  int GetRangeMin() const;
  int GetRangeMax() const;
  void GetRange(int& nMin, int& nMax) const;
  void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
  void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
  int GetPos() const;
  void SetPos(int nPos);  // clamped to the range by the control
  int GetLineSize() const;
  int SetLineSize(int nSize);
  int GetPageSize() const;
  int SetPageSize(int nSize);
  void SetTicFreq(int nFreq);
  BOOL SetTic(int nTic);
  void ClearTics(BOOL bRedraw = FALSE);
  UINT GetNumTics() const;
};

class CSpinButtonCtrl : public CWnd {
  DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
  CSpinButtonCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  void SetRange(short nLower, short nUpper);
  void SetRange32(int nLower, int nUpper);
  DWORD GetRange() const;  // lower in the high word, upper in the low word
  void GetRange(int& lower, int& upper) const;
  void GetRange32(int& lower, int& upper) const;
  int SetPos(int nPos);  // returns the previous position
  int GetPos() const;    // the high word is non-zero when the position is invalid
  int SetPos32(int nPos);
  int GetPos32(LPBOOL lpbError = nullptr) const;
  CWnd* SetBuddy(CWnd* pWndBuddy);
  CWnd* GetBuddy() const;
  int SetBase(int nBase);
  UINT GetBase() const;
  BOOL SetAccel(int nAccel, UDACCEL* pAccel);
  UINT GetAccel(int nAccel, UDACCEL* pAccel) const;
};
