// The common controls: image lists, list views, tabs and sliders. Each member sends the
// control its own message.
#pragma once
#include "afxwin.h"

// ---------------------------------------------------------------------------------------
// CImageList: owns its image list (destroyed with the object unless detached).
// ---------------------------------------------------------------------------------------
class AFX_API CImageList : public CObject {
  DECLARE_DYNCREATE(CImageList)
public:
  HIMAGELIST m_hImageList = nullptr;

  CImageList() = default;
  ~CImageList() override;

  // The object attached to the handle, or a temporary that never destroys it.
  static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HIMAGELIST hImageList);
  HIMAGELIST Detach();
  // Null when called through a null pointer.
  HIMAGELIST GetSafeHandle() const;
  operator HIMAGELIST() const { return m_hImageList; }

  BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
  BOOL DeleteImageList();

  int GetImageCount() const;
  // Each Add returns the index of the first new image, or -1.
  int Add(CBitmap* pbmImage, CBitmap* pbmMask);
  int Add(CBitmap* pbmImage, COLORREF crMask);
  int Add(HICON hIcon);
  int Replace(int nImage, HICON hIcon);
  BOOL Remove(int nImage);  // -1 removes every image
  // A new icon the caller destroys.
  HICON ExtractIcon(int nImage);
  BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
  COLORREF SetBkColor(COLORREF cr);
  BOOL SetOverlayImage(int nImage, int nOverlay);

protected:
  BOOL m_bTempObject = FALSE;
};

// ---------------------------------------------------------------------------------------
// CListCtrl (list view)
// ---------------------------------------------------------------------------------------
class AFX_API CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)
public:
  CListCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  DWORD SetExtendedStyle(DWORD dwNewStyle);  // returns the previous extended style
  BOOL SetBkColor(COLORREF cr);
  BOOL SetTextBkColor(COLORREF cr);
  // The previous list of that kind (LVSIL_NORMAL, LVSIL_SMALL, LVSIL_STATE).
  CImageList* SetImageList(CImageList* pImageList, int nImageListType);

  // Columns
  int InsertColumn(int nCol, const LVCOLUMNA* pColumn);
  // nWidth -1: no width given; nSubItem -1: the sub-item is the column's index.
  int InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                   int nSubItem = -1);
  int GetColumnWidth(int nCol) const;
  BOOL SetColumnWidth(int nCol, int cx);  // cx may be LVSCW_AUTOSIZE(_USEHEADER)

  // Items
  int GetItemCount() const;
  int InsertItem(const LVITEMA* pItem);
  int InsertItem(int nItem, LPCSTR lpszItem);
  int InsertItem(int nItem, LPCSTR lpszItem, int nImage);
  int InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                 LPARAM lParam);
  BOOL DeleteAllItems();
  BOOL SetItem(const LVITEMA* pItem);
  BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
               UINT nStateMask, LPARAM lParam);
  BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage, UINT nState,
               UINT nStateMask, LPARAM lParam, int nIndent);
  CString GetItemText(int nItem, int nSubItem) const;
  BOOL SetItemText(int nItem, int nSubItem, LPCSTR lpszText);
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nItem) const;
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);  // nItem -1: every item
  // Check boxes (LVS_EX_CHECKBOXES): the state image, 1 clear and 2 ticked.
  BOOL GetCheck(int nItem) const;
  BOOL SetCheck(int nItem, BOOL fCheck = TRUE);

  // Selection
  UINT GetSelectedCount() const;
  int GetNextItem(int nItem, int nFlags) const;
  // Positions run over the selected items: the position is the item's index plus one,
  // so that null ends the walk.
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;
  int SubItemHitTest(LPLVHITTESTINFO pInfo);

  // Display
  BOOL EnsureVisible(int nItem, BOOL bPartialOK);
  BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
  BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);
};

// ---------------------------------------------------------------------------------------
// CTabCtrl: the tabs of a property sheet.
// ---------------------------------------------------------------------------------------
class AFX_API CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)
public:
  CTabCtrl() = default;
  BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem);
};

// ---------------------------------------------------------------------------------------
// CSliderCtrl (trackbar)
// ---------------------------------------------------------------------------------------
class AFX_API CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
public:
  CSliderCtrl() = default;
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
  int GetPos() const;
  void SetPos(int nPos);  // clamped to the range by the control
  void SetTicFreq(int nFreq);
};
#include "afxcmn_animate.h"  // CAnimateCtrl
