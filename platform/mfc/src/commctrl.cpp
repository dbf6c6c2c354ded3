// The common controls: each member is the control's own message.
#include "afxcmn.h"
#include "afxpriv_.h"
#include <cstring>

IMPLEMENT_DYNCREATE(CImageList, CObject)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

namespace {
inline LRESULT Send(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) {
  return ::SendMessageA(h, msg, w, l);
}
template <class T>
inline LPARAM Ptr(T* p) {
  return reinterpret_cast<LPARAM>(p);
}
}  // namespace

// ---------------------------------------------------------------------------------------
// CImageList, in the thread's handle maps (afxpriv_.h)
// ---------------------------------------------------------------------------------------
CImageList::~CImageList() {
  if (m_hImageList != nullptr && !m_bTempObject) DeleteImageList();
  m_hImageList = nullptr;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) {
  if (hImageList == nullptr) return nullptr;
  AfxHandleMap<HIMAGELIST, CImageList>& map = AfxGetThreadState().imageLists;
  if (CImageList* p = map.LookupPermanent(hImageList)) return p;
  if (CImageList* p = map.LookupTemporary(hImageList)) return p;
  CImageList* p = new CImageList;
  p->m_bTempObject = TRUE;
  p->m_hImageList = hImageList;
  map.SetTemporary(hImageList, p);
  return p;
}

void PASCAL CImageList::DeleteTempMap() {
  // Whether a list still exists cannot be asked: a temporary goes once the list's owner
  // destroyed it through DeleteImageList, never while the list may still live.
  AfxGetThreadState().imageLists.DeleteTemps([](HIMAGELIST) { return true; });
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  if (hImageList == nullptr || m_hImageList != nullptr) return FALSE;
  m_hImageList = hImageList;
  if (!m_bTempObject) AfxGetThreadState().imageLists.SetPermanent(hImageList, this);
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST h = m_hImageList;
  if (h != nullptr && !m_bTempObject) AfxGetThreadState().imageLists.RemovePermanent(h, this);
  m_hImageList = nullptr;
  return h;
}

HIMAGELIST CImageList::GetSafeHandle() const {
  const CImageList* volatile self = this;
  return self ? self->m_hImageList : nullptr;
}

namespace {
// Takes a list just made for the object; destroys it when the object cannot take it.
BOOL Adopt(CImageList* p, HIMAGELIST h) {
  if (h == nullptr) return FALSE;
  if (!p->Attach(h)) {
    ImageList_Destroy(h);
    return FALSE;
  }
  return TRUE;
}
HBITMAP Bmp(CBitmap* p) { return static_cast<HBITMAP>(p->GetSafeHandle()); }
}  // namespace

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow) {
  return Adopt(this, ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}
BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) return FALSE;
  HIMAGELIST h = Detach();
  AfxGetThreadState().imageLists.RetireTemporary(h);
  return ImageList_Destroy(h);
}

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Add(m_hImageList, Bmp(pbmImage), Bmp(pbmMask));
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  return ImageList_AddMasked(m_hImageList, Bmp(pbmImage), crMask);
}
int CImageList::Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
int CImageList::Replace(int nImage, HICON hIcon) {
  return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}
BOOL CImageList::Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
HICON CImageList::ExtractIcon(int nImage) {
  return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
COLORREF CImageList::SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
BOOL CImageList::SetOverlayImage(int nImage, int nOverlay) {
  return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

// ---------------------------------------------------------------------------------------
// CListCtrl
// ---------------------------------------------------------------------------------------
BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
  return (DWORD)Send(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dwNewStyle);
}
BOOL CListCtrl::SetBkColor(COLORREF cr) {
  return (BOOL)Send(m_hWnd, LVM_SETBKCOLOR, 0, (LPARAM)cr);
}
BOOL CListCtrl::SetTextBkColor(COLORREF cr) {
  return (BOOL)Send(m_hWnd, LVM_SETTEXTBKCOLOR, 0, (LPARAM)cr);
}
CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
      Send(m_hWnd, LVM_SETIMAGELIST, (WPARAM)nImageListType, Ptr(pImageList->GetSafeHandle()))));
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMNA* pColumn) {
  return (int)Send(m_hWnd, LVM_INSERTCOLUMNA, (WPARAM)nCol, Ptr(pColumn));
}
int CListCtrl::InsertColumn(int nCol, LPCSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem) {
  LVCOLUMNA col{};
  col.mask = LVCF_TEXT | LVCF_FMT;
  col.pszText = const_cast<LPSTR>(lpszColumnHeading);
  col.fmt = nFormat;
  if (nWidth != -1) {
    col.mask |= LVCF_WIDTH;
    col.cx = nWidth;
  }
  if (nSubItem != -1) {
    col.mask |= LVCF_SUBITEM;
    col.iSubItem = nSubItem;
  }
  return InsertColumn(nCol, &col);
}
int CListCtrl::GetColumnWidth(int nCol) const {
  return (int)Send(m_hWnd, LVM_GETCOLUMNWIDTH, (WPARAM)nCol);
}
BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
  return (BOOL)Send(m_hWnd, LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM(cx, 0));
}

int CListCtrl::GetItemCount() const { return (int)Send(m_hWnd, LVM_GETITEMCOUNT); }
int CListCtrl::InsertItem(const LVITEMA* pItem) {
  return (int)Send(m_hWnd, LVM_INSERTITEMA, 0, Ptr(pItem));
}
int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
  return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}
int CListCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage) {
  return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}
int CListCtrl::InsertItem(UINT nMask, int nItem, LPCSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam) {
  LVITEMA item{};
  item.mask = nMask;
  item.iItem = nItem;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.state = nState;
  item.stateMask = nStateMask;
  item.iImage = nImage;
  item.lParam = lParam;
  return InsertItem(&item);
}
BOOL CListCtrl::DeleteAllItems() { return (BOOL)Send(m_hWnd, LVM_DELETEALLITEMS); }
BOOL CListCtrl::SetItem(const LVITEMA* pItem) {
  return (BOOL)Send(m_hWnd, LVM_SETITEMA, 0, Ptr(pItem));
}
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
  // The indent is read only when the mask asks for it.
  return SetItem(nItem, nSubItem, nMask & ~LVIF_INDENT, lpszItem, nImage, nState, nStateMask, lParam, 0);
}
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam, int nIndent) {
  LVITEMA item{};
  item.mask = nMask;
  item.iItem = nItem;
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  item.state = nState;
  item.stateMask = nStateMask;
  item.lParam = lParam;
  item.iIndent = nIndent;
  return SetItem(&item);
}
CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  // The control gives no length: grow the buffer until the text fits with room to spare.
  CString s;
  for (int size = 256;; size *= 2) {
    LPSTR p = s.GetBuffer(size);  // room for size characters and a NUL
    p[0] = '\0';
    LVITEMA item{};
    item.iSubItem = nSubItem;
    item.cchTextMax = size;
    item.pszText = p;
    Send(m_hWnd, LVM_GETITEMTEXTA, (WPARAM)nItem, Ptr(&item));
    // A full buffer may come back without its NUL.
    p[size] = '\0';
    if (item.pszText != p && item.pszText != nullptr) ::lstrcpynA(p, item.pszText, size + 1);
    int n = (int)std::strlen(p);
    if (n < size - 1 || size >= (1 << 20)) {
      s.ReleaseBuffer(n);
      return s;
    }
    s.ReleaseBuffer(0);
  }
}
BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCSTR lpszText) {
  LVITEMA item{};
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPSTR>(lpszText);
  return (BOOL)Send(m_hWnd, LVM_SETITEMTEXTA, (WPARAM)nItem, Ptr(&item));
}
BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
  return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, (LPARAM)dwData);
}
DWORD_PTR CListCtrl::GetItemData(int nItem) const {
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = nItem;
  return Send(m_hWnd, LVM_GETITEMA, 0, Ptr(&item)) ? (DWORD_PTR)item.lParam : 0;
}
BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  LVITEMA item{};
  item.state = nState;
  item.stateMask = nMask;
  return (BOOL)Send(m_hWnd, LVM_SETITEMSTATE, (WPARAM)nItem, Ptr(&item));
}
BOOL CListCtrl::GetCheck(int nItem) const {
  UINT state = (UINT)Send(m_hWnd, LVM_GETITEMSTATE, (WPARAM)nItem, LVIS_STATEIMAGEMASK);
  return (state >> 12) == 2;
}
BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck) {
  return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

UINT CListCtrl::GetSelectedCount() const { return (UINT)Send(m_hWnd, LVM_GETSELECTEDCOUNT); }
int CListCtrl::GetNextItem(int nItem, int nFlags) const {
  return (int)Send(m_hWnd, LVM_GETNEXTITEM, (WPARAM)nItem, MAKELPARAM(nFlags, 0));
}
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  return reinterpret_cast<POSITION>((INT_PTR)(1 + GetNextItem(-1, LVNI_SELECTED)));
}
int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  int nItem = (int)reinterpret_cast<INT_PTR>(pos) - 1;
  pos = reinterpret_cast<POSITION>((INT_PTR)(1 + GetNextItem(nItem, LVNI_SELECTED)));
  return nItem;
}
int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo) {
  return (int)Send(m_hWnd, LVM_SUBITEMHITTEST, 0, Ptr(pInfo));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
  return (BOOL)Send(m_hWnd, LVM_ENSUREVISIBLE, (WPARAM)nItem, (LPARAM)bPartialOK);
}
BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
  lpRect->left = (LONG)nCode;
  return (BOOL)Send(m_hWnd, LVM_GETITEMRECT, (WPARAM)nItem, Ptr(lpRect));
}
BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
  return (BOOL)Send(m_hWnd, LVM_SORTITEMS, (WPARAM)dwData, reinterpret_cast<LPARAM>(pfnCompare));
}

// ---------------------------------------------------------------------------------------
// CTabCtrl
// ---------------------------------------------------------------------------------------
BOOL CTabCtrl::SetItem(int nItem, TCITEMA* pTabCtrlItem) {
  return (BOOL)Send(m_hWnd, TCM_SETITEMA, (WPARAM)nItem, Ptr(pTabCtrlItem));
}

// ---------------------------------------------------------------------------------------
// CSliderCtrl
// ---------------------------------------------------------------------------------------
void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
  // Two messages keep the full 32-bit range (TBM_SETRANGE packs 16-bit halves).
  Send(m_hWnd, TBM_SETRANGEMIN, FALSE, (LPARAM)nMin);
  Send(m_hWnd, TBM_SETRANGEMAX, (WPARAM)bRedraw, (LPARAM)nMax);
}
int CSliderCtrl::GetPos() const { return (int)Send(m_hWnd, TBM_GETPOS); }
void CSliderCtrl::SetPos(int nPos) { Send(m_hWnd, TBM_SETPOS, TRUE, (LPARAM)nPos); }
void CSliderCtrl::SetTicFreq(int nFreq) { Send(m_hWnd, TBM_SETTICFREQ, (WPARAM)nFreq); }
