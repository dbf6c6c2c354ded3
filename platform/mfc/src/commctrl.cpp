// The common controls: each member is the control's own message.
#include "afxcmn.h"
#include <cstring>
#include <mutex>
#include <unordered_map>
#include <vector>

IMPLEMENT_DYNCREATE(CImageList, CObject)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

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
// CImageList and its handle map (permanent: attached objects; temporary: FromHandle)
// ---------------------------------------------------------------------------------------
struct AfxImageListInternals {
  std::mutex lock;
  std::unordered_map<HIMAGELIST, CImageList*> permanent;
  std::unordered_map<HIMAGELIST, CImageList*> temporary;

  static AfxImageListInternals& Get() {
    static AfxImageListInternals* p = new AfxImageListInternals;  // outlives static objects
    return *p;
  }
  static CImageList* NewTemp(HIMAGELIST h) {
    CImageList* p = new CImageList;
    p->m_hImageList = h;
    p->m_bTempObject = TRUE;
    return p;
  }
};

CImageList::~CImageList() {
  if (m_hImageList != nullptr && !m_bTempObject) DeleteImageList();
  m_hImageList = nullptr;
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList) {
  if (hImageList == nullptr) return nullptr;
  AfxImageListInternals& s = AfxImageListInternals::Get();
  std::lock_guard<std::mutex> guard(s.lock);
  auto it = s.permanent.find(hImageList);
  return it == s.permanent.end() ? nullptr : it->second;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList) {
  if (hImageList == nullptr) return nullptr;
  AfxImageListInternals& s = AfxImageListInternals::Get();
  std::lock_guard<std::mutex> guard(s.lock);
  auto perm = s.permanent.find(hImageList);
  if (perm != s.permanent.end()) return perm->second;
  auto temp = s.temporary.find(hImageList);
  if (temp != s.temporary.end()) return temp->second;
  CImageList* p = AfxImageListInternals::NewTemp(hImageList);
  s.temporary[hImageList] = p;
  return p;
}

void PASCAL CImageList::DeleteTempMap() {
  AfxImageListInternals& s = AfxImageListInternals::Get();
  std::vector<CImageList*> doomed;
  {
    std::lock_guard<std::mutex> guard(s.lock);
    for (auto& e : s.temporary) doomed.push_back(e.second);
    s.temporary.clear();
  }
  for (CImageList* p : doomed) delete p;  // temporaries never destroy their list
}

BOOL CImageList::Attach(HIMAGELIST hImageList) {
  if (hImageList == nullptr || m_hImageList != nullptr) return FALSE;
  m_hImageList = hImageList;
  if (!m_bTempObject) {
    AfxImageListInternals& s = AfxImageListInternals::Get();
    std::lock_guard<std::mutex> guard(s.lock);
    s.permanent[hImageList] = this;
  }
  return TRUE;
}

HIMAGELIST CImageList::Detach() {
  HIMAGELIST h = m_hImageList;
  if (h != nullptr && !m_bTempObject) {
    AfxImageListInternals& s = AfxImageListInternals::Get();
    std::lock_guard<std::mutex> guard(s.lock);
    auto it = s.permanent.find(h);
    if (it != s.permanent.end() && it->second == this) s.permanent.erase(it);
  }
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
BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
  return Create(MAKEINTRESOURCEA(nBitmapID), cx, nGrow, crMask);
}
BOOL CImageList::Create(LPCSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
  if (hInst == nullptr) return FALSE;
  return Adopt(this, ImageList_LoadImageA(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, 0));
}
BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2,
                        int dx, int dy) {
  return Adopt(this, ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList,
                                     nImage2, dx, dy));
}
BOOL CImageList::Create(CImageList* pImageList) {
  HIMAGELIST src = pImageList->GetSafeHandle();
  return src ? Adopt(this, ImageList_Duplicate(src)) : FALSE;
}
BOOL CImageList::DeleteImageList() {
  if (m_hImageList == nullptr) return FALSE;
  return ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const { return ImageList_GetImageCount(m_hImageList); }
BOOL CImageList::SetImageCount(UINT uNewCount) {
  return ImageList_SetImageCount(m_hImageList, uNewCount);
}
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const {
  return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}
int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Add(m_hImageList, Bmp(pbmImage), Bmp(pbmMask));
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
  return ImageList_AddMasked(m_hImageList, Bmp(pbmImage), crMask);
}
int CImageList::Add(HICON hIcon) { return ImageList_ReplaceIcon(m_hImageList, -1, hIcon); }
BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask) {
  return ImageList_Replace(m_hImageList, nImage, Bmp(pbmImage), Bmp(pbmMask));
}
int CImageList::Replace(int nImage, HICON hIcon) {
  return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}
BOOL CImageList::Remove(int nImage) { return ImageList_Remove(m_hImageList, nImage); }
BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags) {
  return ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}
HICON CImageList::ExtractIcon(int nImage) {
  return ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) {
  return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}
BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp) {
  pimldp->himl = m_hImageList;
  return ImageList_DrawIndirect(pimldp);
}
COLORREF CImageList::SetBkColor(COLORREF cr) { return ImageList_SetBkColor(m_hImageList, cr); }
COLORREF CImageList::GetBkColor() const { return ImageList_GetBkColor(m_hImageList); }
BOOL CImageList::SetOverlayImage(int nImage, int nOverlay) {
  return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

// ---------------------------------------------------------------------------------------
// CListCtrl
// ---------------------------------------------------------------------------------------
BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}
BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID) {
  return CWnd::CreateEx(dwExStyle, WC_LISTVIEWA, nullptr, dwStyle | WS_CHILD, rect, pParentWnd,
                        nID);
}
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
  return (DWORD)Send(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, (LPARAM)dwNewStyle);
}
DWORD CListCtrl::GetExtendedStyle() const {
  return (DWORD)Send(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE);
}
COLORREF CListCtrl::GetBkColor() const { return (COLORREF)Send(m_hWnd, LVM_GETBKCOLOR); }
BOOL CListCtrl::SetBkColor(COLORREF cr) {
  return (BOOL)Send(m_hWnd, LVM_SETBKCOLOR, 0, (LPARAM)cr);
}
COLORREF CListCtrl::GetTextColor() const { return (COLORREF)Send(m_hWnd, LVM_GETTEXTCOLOR); }
BOOL CListCtrl::SetTextColor(COLORREF cr) {
  return (BOOL)Send(m_hWnd, LVM_SETTEXTCOLOR, 0, (LPARAM)cr);
}
COLORREF CListCtrl::GetTextBkColor() const { return (COLORREF)Send(m_hWnd, LVM_GETTEXTBKCOLOR); }
BOOL CListCtrl::SetTextBkColor(COLORREF cr) {
  return (BOOL)Send(m_hWnd, LVM_SETTEXTBKCOLOR, 0, (LPARAM)cr);
}
CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
      Send(m_hWnd, LVM_SETIMAGELIST, (WPARAM)nImageListType, Ptr(pImageList->GetSafeHandle()))));
}
CImageList* CListCtrl::GetImageList(int nImageList) const {
  return CImageList::FromHandle(
      reinterpret_cast<HIMAGELIST>(Send(m_hWnd, LVM_GETIMAGELIST, (WPARAM)nImageList)));
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
BOOL CListCtrl::DeleteColumn(int nCol) {
  return (BOOL)Send(m_hWnd, LVM_DELETECOLUMN, (WPARAM)nCol);
}
BOOL CListCtrl::GetColumn(int nCol, LVCOLUMNA* pColumn) const {
  return (BOOL)Send(m_hWnd, LVM_GETCOLUMNA, (WPARAM)nCol, Ptr(pColumn));
}
BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMNA* pColumn) {
  return (BOOL)Send(m_hWnd, LVM_SETCOLUMNA, (WPARAM)nCol, Ptr(pColumn));
}
int CListCtrl::GetColumnWidth(int nCol) const {
  return (int)Send(m_hWnd, LVM_GETCOLUMNWIDTH, (WPARAM)nCol);
}
BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
  return (BOOL)Send(m_hWnd, LVM_SETCOLUMNWIDTH, (WPARAM)nCol, MAKELPARAM(cx, 0));
}

int CListCtrl::GetItemCount() const { return (int)Send(m_hWnd, LVM_GETITEMCOUNT); }
void CListCtrl::SetItemCount(int nItems) { Send(m_hWnd, LVM_SETITEMCOUNT, (WPARAM)nItems); }
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
BOOL CListCtrl::DeleteItem(int nItem) { return (BOOL)Send(m_hWnd, LVM_DELETEITEM, (WPARAM)nItem); }
BOOL CListCtrl::DeleteAllItems() { return (BOOL)Send(m_hWnd, LVM_DELETEALLITEMS); }
BOOL CListCtrl::GetItem(LVITEMA* pItem) const {
  return (BOOL)Send(m_hWnd, LVM_GETITEMA, 0, Ptr(pItem));
}
BOOL CListCtrl::SetItem(const LVITEMA* pItem) {
  return (BOOL)Send(m_hWnd, LVM_SETITEMA, 0, Ptr(pItem));
}
BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam) {
  LVITEMA item{};
  item.mask = nMask;
  item.iItem = nItem;
  item.iSubItem = nSubItem;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  item.state = nState;
  item.stateMask = nStateMask;
  item.lParam = lParam;
  return SetItem(&item);
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
int CListCtrl::GetItemText(int nItem, int nSubItem, LPSTR lpszText, int nLen) const {
  if (nLen <= 0) return 0;
  LVITEMA item{};
  item.iSubItem = nSubItem;
  item.cchTextMax = nLen;
  item.pszText = lpszText;
  lpszText[0] = '\0';
  Send(m_hWnd, LVM_GETITEMTEXTA, (WPARAM)nItem, Ptr(&item));
  // Cut to the buffer even when the control filled it without a NUL.
  lpszText[nLen - 1] = '\0';
  return (int)std::strlen(lpszText);
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
  return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}
UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
  return (UINT)Send(m_hWnd, LVM_GETITEMSTATE, (WPARAM)nItem, (LPARAM)nMask);
}
BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  LVITEMA item{};
  item.state = nState;
  item.stateMask = nMask;
  return SetItemState(nItem, &item);
}
BOOL CListCtrl::SetItemState(int nItem, LVITEMA* pItem) {
  return (BOOL)Send(m_hWnd, LVM_SETITEMSTATE, (WPARAM)nItem, Ptr(pItem));
}
BOOL CListCtrl::GetCheck(int nItem) const {
  return (GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) == 2;
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
int CListCtrl::GetSelectionMark() const { return (int)Send(m_hWnd, LVM_GETSELECTIONMARK); }
int CListCtrl::SetSelectionMark(int iIndex) {
  return (int)Send(m_hWnd, LVM_SETSELECTIONMARK, 0, (LPARAM)iIndex);
}
int CListCtrl::FindItem(LVFINDINFOA* pFindInfo, int nStart) const {
  return (int)Send(m_hWnd, LVM_FINDITEMA, (WPARAM)nStart, Ptr(pFindInfo));
}
int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const {
  return (int)Send(m_hWnd, LVM_HITTEST, 0, Ptr(pHitTestInfo));
}
int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  LVHITTESTINFO info{};
  info.pt = pt;
  int n = HitTest(&info);
  if (pFlags) *pFlags = info.flags;
  return n;
}
int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo) {
  return (int)Send(m_hWnd, LVM_SUBITEMHITTEST, 0, Ptr(pInfo));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK) {
  return (BOOL)Send(m_hWnd, LVM_ENSUREVISIBLE, (WPARAM)nItem, (LPARAM)bPartialOK);
}
int CListCtrl::GetTopIndex() const { return (int)Send(m_hWnd, LVM_GETTOPINDEX); }
int CListCtrl::GetCountPerPage() const { return (int)Send(m_hWnd, LVM_GETCOUNTPERPAGE); }
BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const {
  lpRect->left = (LONG)nCode;
  return (BOOL)Send(m_hWnd, LVM_GETITEMRECT, (WPARAM)nItem, Ptr(lpRect));
}
BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const {
  ref.top = iSubItem;
  ref.left = nArea;
  return (BOOL)Send(m_hWnd, LVM_GETSUBITEMRECT, (WPARAM)iItem, Ptr(static_cast<RECT*>(&ref)));
}
BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const {
  return (BOOL)Send(m_hWnd, LVM_GETITEMPOSITION, (WPARAM)nItem, Ptr(lpPoint));
}
int CListCtrl::GetStringWidth(LPCSTR lpsz) const {
  return (int)Send(m_hWnd, LVM_GETSTRINGWIDTHA, 0, Ptr(lpsz));
}
BOOL CListCtrl::RedrawItems(int nFirst, int nLast) {
  return (BOOL)Send(m_hWnd, LVM_REDRAWITEMS, (WPARAM)nFirst, (LPARAM)nLast);
}
BOOL CListCtrl::Update(int nItem) { return (BOOL)Send(m_hWnd, LVM_UPDATE, (WPARAM)nItem); }
BOOL CListCtrl::Scroll(CSize size) {
  return (BOOL)Send(m_hWnd, LVM_SCROLL, (WPARAM)size.cx, (LPARAM)size.cy);
}
BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
  return (BOOL)Send(m_hWnd, LVM_SORTITEMS, (WPARAM)dwData, reinterpret_cast<LPARAM>(pfnCompare));
}
BOOL CListCtrl::SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData) {
  return (BOOL)Send(m_hWnd, LVM_SORTITEMSEX, (WPARAM)dwData, reinterpret_cast<LPARAM>(pfnCompare));
}

// ---------------------------------------------------------------------------------------
// CTreeCtrl
// ---------------------------------------------------------------------------------------
BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_TREEVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}
HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCTA lpInsertStruct) {
  return reinterpret_cast<HTREEITEM>(Send(m_hWnd, TVM_INSERTITEMA, 0, Ptr(lpInsertStruct)));
}
HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
  return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}
HTREEITEM CTreeCtrl::InsertItem(LPCSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
  return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage,
                    0, 0, 0, hParent, hInsertAfter);
}
HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCSTR lpszItem, int nImage, int nSelectedImage,
                                UINT nState, UINT nStateMask, LPARAM lParam, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
  TVINSERTSTRUCTA tvis{};
  tvis.hParent = hParent;
  tvis.hInsertAfter = hInsertAfter;
  tvis.item.mask = nMask;
  tvis.item.pszText = const_cast<LPSTR>(lpszItem);
  tvis.item.iImage = nImage;
  tvis.item.iSelectedImage = nSelectedImage;
  tvis.item.state = nState;
  tvis.item.stateMask = nStateMask;
  tvis.item.lParam = lParam;
  return InsertItem(&tvis);
}
BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
  return (BOOL)Send(m_hWnd, TVM_DELETEITEM, 0, Ptr(hItem));
}
BOOL CTreeCtrl::DeleteAllItems() { return (BOOL)Send(m_hWnd, TVM_DELETEITEM, 0, Ptr(TVI_ROOT)); }
UINT CTreeCtrl::GetCount() const { return (UINT)Send(m_hWnd, TVM_GETCOUNT); }
HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
  return reinterpret_cast<HTREEITEM>(Send(m_hWnd, TVM_GETNEXTITEM, nCode, Ptr(hItem)));
}
HTREEITEM CTreeCtrl::GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const { return GetNextItem(hItem, TVGN_CHILD); }
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
  return GetNextItem(hItem, TVGN_NEXT);
}
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const {
  return GetNextItem(hItem, TVGN_PREVIOUS);
}
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const {
  return GetNextItem(hItem, TVGN_PARENT);
}
BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
  TVITEMA item{};
  item.mask = TVIF_CHILDREN;
  item.hItem = hItem;
  return GetItem(&item) && item.cChildren != 0;
}
BOOL CTreeCtrl::GetItem(TVITEMA* pItem) const {
  return (BOOL)Send(m_hWnd, TVM_GETITEMA, 0, Ptr(pItem));
}
BOOL CTreeCtrl::SetItem(TVITEMA* pItem) { return (BOOL)Send(m_hWnd, TVM_SETITEMA, 0, Ptr(pItem)); }
CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
  CString s;
  for (int size = 256;; size *= 2) {
    LPSTR p = s.GetBuffer(size);
    p[0] = '\0';
    TVITEMA item{};
    item.mask = TVIF_TEXT;
    item.hItem = hItem;
    item.cchTextMax = size;
    item.pszText = p;
    if (!GetItem(&item)) {
      s.ReleaseBuffer(0);
      return s;
    }
    p[size] = '\0';  // a full buffer may come back without its NUL
    int n = (int)std::strlen(p);
    s.ReleaseBuffer(n);
    if (n < size - 1 || size >= (1 << 20)) return s;
  }
}
BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCSTR lpszItem) {
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = hItem;
  item.pszText = const_cast<LPSTR>(lpszItem);
  return SetItem(&item);
}
BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
  TVITEMA item{};
  item.mask = TVIF_PARAM;
  item.hItem = hItem;
  item.lParam = (LPARAM)dwData;
  return SetItem(&item);
}
DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
  TVITEMA item{};
  item.mask = TVIF_PARAM;
  item.hItem = hItem;
  return GetItem(&item) ? (DWORD_PTR)item.lParam : 0;
}
BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
  TVITEMA item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = hItem;
  BOOL ok = GetItem(&item);
  if (ok) {
    nImage = item.iImage;
    nSelectedImage = item.iSelectedImage;
  }
  return ok;
}
BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
  TVITEMA item{};
  item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  item.hItem = hItem;
  item.iImage = nImage;
  item.iSelectedImage = nSelectedImage;
  return SetItem(&item);
}
UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
  return (UINT)Send(m_hWnd, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(hItem), (LPARAM)nStateMask) &
         nStateMask;
}
BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
  TVITEMA item{};
  item.mask = TVIF_STATE;
  item.hItem = hItem;
  item.state = nState;
  item.stateMask = nStateMask;
  return SetItem(&item);
}
BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) {
  return (BOOL)Send(m_hWnd, TVM_SELECTITEM, TVGN_CARET, Ptr(hItem));
}
HTREEITEM CTreeCtrl::GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
  return (BOOL)Send(m_hWnd, TVM_EXPAND, nCode, Ptr(hItem));
}
BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) {
  return (BOOL)Send(m_hWnd, TVM_ENSUREVISIBLE, 0, Ptr(hItem));
}
HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
  TVHITTESTINFO info{};
  info.pt = pt;
  HTREEITEM h = reinterpret_cast<HTREEITEM>(Send(m_hWnd, TVM_HITTEST, 0, Ptr(&info)));
  if (pFlags) *pFlags = info.flags;
  return h;
}
BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
  // The control reads the item from the start of the rectangle.
  std::memcpy(lpRect, &hItem, sizeof(hItem));
  return (BOOL)Send(m_hWnd, TVM_GETITEMRECT, (WPARAM)bTextOnly, Ptr(lpRect));
}
CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
      Send(m_hWnd, TVM_SETIMAGELIST, (WPARAM)nImageListType, Ptr(pImageList->GetSafeHandle()))));
}
CImageList* CTreeCtrl::GetImageList(int nImageList) const {
  return CImageList::FromHandle(
      reinterpret_cast<HIMAGELIST>(Send(m_hWnd, TVM_GETIMAGELIST, (WPARAM)nImageList)));
}

// ---------------------------------------------------------------------------------------
// CToolTipCtrl
// ---------------------------------------------------------------------------------------
BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
  return CWnd::CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(),
                        nullptr);
}

void CToolTipCtrl::FillInToolInfo(TTTOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) {
  std::memset(&ti, 0, sizeof(ti));
  // The version-2 size is understood by every version of the control.
  ti.cbSize = TTTOOLINFOA_V2_SIZE;
  HWND hWnd = pWnd->GetSafeHwnd();
  if (nIDTool == 0) {
    ti.hwnd = ::GetParent(hWnd);
    ti.uFlags = TTF_IDISHWND;
    ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
  } else {
    ti.hwnd = hWnd;
    ti.uId = nIDTool;
  }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  TTTOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  if (lpRectTool)
    ti.rect = *lpRectTool;
  else if (nIDTool != 0)
    ::GetClientRect(pWnd->GetSafeHwnd(), &ti.rect);
  // The tip watches the tool's mouse messages itself; RelayEvent is then optional.
  ti.uFlags |= TTF_SUBCLASS;
  ti.lpszText = const_cast<LPSTR>(lpszText);
  return (BOOL)Send(m_hWnd, TTM_ADDTOOLA, 0, Ptr(&ti));
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
  TTTOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  if (lpRectTool)
    ti.rect = *lpRectTool;
  else if (nIDTool != 0)
    ::GetClientRect(pWnd->GetSafeHwnd(), &ti.rect);
  ti.uFlags |= TTF_SUBCLASS;
  HINSTANCE hInst = AfxFindStringResourceHandle(nIDText);
  ti.hinst = hInst ? hInst : AfxGetResourceHandle();
  ti.lpszText = MAKEINTRESOURCEA(nIDText);
  return (BOOL)Send(m_hWnd, TTM_ADDTOOLA, 0, Ptr(&ti));
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
  TTTOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  Send(m_hWnd, TTM_DELTOOLA, 0, Ptr(&ti));
}

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
  TTTOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.lpszText = const_cast<LPSTR>(lpszText);
  Send(m_hWnd, TTM_UPDATETIPTEXTA, 0, Ptr(&ti));
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
  CString text;
  text.LoadString(nIDText);
  UpdateTipText(text.GetString(), pWnd, nIDTool);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
  TTTOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  const int kSize = 1024;
  ti.lpszText = str.GetBuffer(kSize);
  ti.lpszText[0] = '\0';
  Send(m_hWnd, TTM_GETTEXTA, (WPARAM)kSize, Ptr(&ti));
  str.ReleaseBuffer();
}

BOOL CToolTipCtrl::GetToolInfo(TTTOOLINFOA* pToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
  FillInToolInfo(*pToolInfo, pWnd, nIDTool);
  return (BOOL)Send(m_hWnd, TTM_GETTOOLINFOA, 0, Ptr(pToolInfo));
}
void CToolTipCtrl::SetToolInfo(TTTOOLINFOA* pToolInfo) {
  Send(m_hWnd, TTM_SETTOOLINFOA, 0, Ptr(pToolInfo));
}
void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
  TTTOOLINFOA ti;
  FillInToolInfo(ti, pWnd, nIDTool);
  ti.rect = *lpRect;
  Send(m_hWnd, TTM_NEWTOOLRECTA, 0, Ptr(&ti));
}
int CToolTipCtrl::GetToolCount() const { return (int)Send(m_hWnd, TTM_GETTOOLCOUNT); }
void CToolTipCtrl::Activate(BOOL bActivate) { Send(m_hWnd, TTM_ACTIVATE, (WPARAM)bActivate); }
int CToolTipCtrl::SetMaxTipWidth(int iWidth) {
  return (int)Send(m_hWnd, TTM_SETMAXTIPWIDTH, 0, (LPARAM)iWidth);
}
int CToolTipCtrl::GetMaxTipWidth() const { return (int)Send(m_hWnd, TTM_GETMAXTIPWIDTH); }
void CToolTipCtrl::SetDelayTime(UINT nDelay) {
  Send(m_hWnd, TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)nDelay);
}
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) {
  Send(m_hWnd, TTM_SETDELAYTIME, (WPARAM)dwDuration, MAKELPARAM(iTime, 0));
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const {
  return (int)Send(m_hWnd, TTM_GETDELAYTIME, (WPARAM)dwDuration);
}
void CToolTipCtrl::SetTipBkColor(COLORREF clr) { Send(m_hWnd, TTM_SETTIPBKCOLOR, (WPARAM)clr); }
void CToolTipCtrl::SetTipTextColor(COLORREF clr) { Send(m_hWnd, TTM_SETTIPTEXTCOLOR, (WPARAM)clr); }
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { Send(m_hWnd, TTM_RELAYEVENT, 0, Ptr(lpMsg)); }
void CToolTipCtrl::Pop() { Send(m_hWnd, TTM_POP); }
void CToolTipCtrl::Update() { Send(m_hWnd, TTM_UPDATE); }

// ---------------------------------------------------------------------------------------
// CTabCtrl
// ---------------------------------------------------------------------------------------
BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CTabCtrl::GetItemCount() const { return (int)Send(m_hWnd, TCM_GETITEMCOUNT); }
BOOL CTabCtrl::GetItem(int nItem, TCITEMA* pTabCtrlItem) const {
  return (BOOL)Send(m_hWnd, TCM_GETITEMA, (WPARAM)nItem, Ptr(pTabCtrlItem));
}
BOOL CTabCtrl::SetItem(int nItem, TCITEMA* pTabCtrlItem) {
  return (BOOL)Send(m_hWnd, TCM_SETITEMA, (WPARAM)nItem, Ptr(pTabCtrlItem));
}
LONG CTabCtrl::InsertItem(int nItem, TCITEMA* pTabCtrlItem) {
  return (LONG)Send(m_hWnd, TCM_INSERTITEMA, (WPARAM)nItem, Ptr(pTabCtrlItem));
}
LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem) {
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPSTR>(lpszItem);
  return InsertItem(nItem, &item);
}
LONG CTabCtrl::InsertItem(int nItem, LPCSTR lpszItem, int nImage) {
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = const_cast<LPSTR>(lpszItem);
  item.iImage = nImage;
  return InsertItem(nItem, &item);
}
BOOL CTabCtrl::DeleteItem(int nItem) { return (BOOL)Send(m_hWnd, TCM_DELETEITEM, (WPARAM)nItem); }
BOOL CTabCtrl::DeleteAllItems() { return (BOOL)Send(m_hWnd, TCM_DELETEALLITEMS); }
int CTabCtrl::GetCurSel() const { return (int)Send(m_hWnd, TCM_GETCURSEL); }
int CTabCtrl::SetCurSel(int nItem) { return (int)Send(m_hWnd, TCM_SETCURSEL, (WPARAM)nItem); }
int CTabCtrl::GetCurFocus() const { return (int)Send(m_hWnd, TCM_GETCURFOCUS); }
void CTabCtrl::SetCurFocus(int nItem) { Send(m_hWnd, TCM_SETCURFOCUS, (WPARAM)nItem); }
BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const {
  return (BOOL)Send(m_hWnd, TCM_GETITEMRECT, (WPARAM)nItem, Ptr(lpRect));
}
void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect) {
  Send(m_hWnd, TCM_ADJUSTRECT, (WPARAM)bLarger, Ptr(lpRect));
}
int CTabCtrl::GetRowCount() const { return (int)Send(m_hWnd, TCM_GETROWCOUNT); }
int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const {
  return (int)Send(m_hWnd, TCM_HITTEST, 0, Ptr(pHitTestInfo));
}
CImageList* CTabCtrl::SetImageList(CImageList* pImageList) {
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(
      Send(m_hWnd, TCM_SETIMAGELIST, 0, Ptr(pImageList->GetSafeHandle()))));
}
CImageList* CTabCtrl::GetImageList() const {
  return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(Send(m_hWnd, TCM_GETIMAGELIST)));
}

// ---------------------------------------------------------------------------------------
// CProgressCtrl
// ---------------------------------------------------------------------------------------
BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}
void CProgressCtrl::SetRange(short nLower, short nUpper) {
  Send(m_hWnd, PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}
void CProgressCtrl::SetRange32(int nLower, int nUpper) {
  Send(m_hWnd, PBM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
}
void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
  PBRANGE range{};
  Send(m_hWnd, PBM_GETRANGE, TRUE, Ptr(&range));
  nLower = range.iLow;
  nUpper = range.iHigh;
}
int CProgressCtrl::GetPos() const { return (int)Send(m_hWnd, PBM_GETPOS); }
int CProgressCtrl::SetPos(int nPos) { return (int)Send(m_hWnd, PBM_SETPOS, (WPARAM)nPos); }
int CProgressCtrl::OffsetPos(int nPos) { return (int)Send(m_hWnd, PBM_DELTAPOS, (WPARAM)nPos); }
int CProgressCtrl::SetStep(int nStep) { return (int)Send(m_hWnd, PBM_SETSTEP, (WPARAM)nStep); }
int CProgressCtrl::StepIt() { return (int)Send(m_hWnd, PBM_STEPIT); }
COLORREF CProgressCtrl::SetBarColor(COLORREF clrBar) {
  return (COLORREF)Send(m_hWnd, PBM_SETBARCOLOR, 0, (LPARAM)clrBar);
}
COLORREF CProgressCtrl::SetBkColor(COLORREF clrNew) {
  return (COLORREF)Send(m_hWnd, PBM_SETBKCOLOR, 0, (LPARAM)clrNew);
}
BOOL CProgressCtrl::SetMarquee(BOOL fMarqueeMode, int nInterval) {
  return (BOOL)Send(m_hWnd, PBM_SETMARQUEE, (WPARAM)fMarqueeMode, (LPARAM)nInterval);
}

// ---------------------------------------------------------------------------------------
// CSliderCtrl
// ---------------------------------------------------------------------------------------
BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(TRACKBAR_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}
int CSliderCtrl::GetRangeMin() const { return (int)Send(m_hWnd, TBM_GETRANGEMIN); }
int CSliderCtrl::GetRangeMax() const { return (int)Send(m_hWnd, TBM_GETRANGEMAX); }
void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
  nMin = GetRangeMin();
  nMax = GetRangeMax();
}
void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) {
  Send(m_hWnd, TBM_SETRANGEMIN, (WPARAM)bRedraw, (LPARAM)nMin);
}
void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) {
  Send(m_hWnd, TBM_SETRANGEMAX, (WPARAM)bRedraw, (LPARAM)nMax);
}
void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
  // Two messages keep the full 32-bit range (TBM_SETRANGE packs 16-bit halves).
  SetRangeMin(nMin, FALSE);
  SetRangeMax(nMax, bRedraw);
}
int CSliderCtrl::GetPos() const { return (int)Send(m_hWnd, TBM_GETPOS); }
void CSliderCtrl::SetPos(int nPos) { Send(m_hWnd, TBM_SETPOS, TRUE, (LPARAM)nPos); }
int CSliderCtrl::GetLineSize() const { return (int)Send(m_hWnd, TBM_GETLINESIZE); }
int CSliderCtrl::SetLineSize(int nSize) {
  return (int)Send(m_hWnd, TBM_SETLINESIZE, 0, (LPARAM)nSize);
}
int CSliderCtrl::GetPageSize() const { return (int)Send(m_hWnd, TBM_GETPAGESIZE); }
int CSliderCtrl::SetPageSize(int nSize) {
  return (int)Send(m_hWnd, TBM_SETPAGESIZE, 0, (LPARAM)nSize);
}
void CSliderCtrl::SetTicFreq(int nFreq) { Send(m_hWnd, TBM_SETTICFREQ, (WPARAM)nFreq); }
BOOL CSliderCtrl::SetTic(int nTic) { return (BOOL)Send(m_hWnd, TBM_SETTIC, 0, (LPARAM)nTic); }
void CSliderCtrl::ClearTics(BOOL bRedraw) { Send(m_hWnd, TBM_CLEARTICS, (WPARAM)bRedraw); }
UINT CSliderCtrl::GetNumTics() const { return (UINT)Send(m_hWnd, TBM_GETNUMTICS); }

// ---------------------------------------------------------------------------------------
// CSpinButtonCtrl
// ---------------------------------------------------------------------------------------
BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}
void CSpinButtonCtrl::SetRange(short nLower, short nUpper) {
  Send(m_hWnd, UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
}
void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
  Send(m_hWnd, UDM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
}
DWORD CSpinButtonCtrl::GetRange() const { return (DWORD)Send(m_hWnd, UDM_GETRANGE); }
void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
  DWORD r = GetRange();
  lower = (short)HIWORD(r);
  upper = (short)LOWORD(r);
}
void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const {
  Send(m_hWnd, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), Ptr(&upper));
}
int CSpinButtonCtrl::SetPos(int nPos) {
  return (short)LOWORD(Send(m_hWnd, UDM_SETPOS, 0, MAKELPARAM(nPos, 0)));
}
int CSpinButtonCtrl::GetPos() const { return (int)Send(m_hWnd, UDM_GETPOS); }
int CSpinButtonCtrl::SetPos32(int nPos) { return (int)Send(m_hWnd, UDM_SETPOS32, 0, (LPARAM)nPos); }
int CSpinButtonCtrl::GetPos32(LPBOOL lpbError) const {
  return (int)Send(m_hWnd, UDM_GETPOS32, 0, Ptr(lpbError));
}
CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
  return CWnd::FromHandle(reinterpret_cast<HWND>(
      Send(m_hWnd, UDM_SETBUDDY, reinterpret_cast<WPARAM>(pWndBuddy->GetSafeHwnd()))));
}
CWnd* CSpinButtonCtrl::GetBuddy() const {
  return CWnd::FromHandle(reinterpret_cast<HWND>(Send(m_hWnd, UDM_GETBUDDY)));
}
int CSpinButtonCtrl::SetBase(int nBase) { return (int)Send(m_hWnd, UDM_SETBASE, (WPARAM)nBase); }
UINT CSpinButtonCtrl::GetBase() const { return (UINT)Send(m_hWnd, UDM_GETBASE); }
BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel) {
  return (BOOL)Send(m_hWnd, UDM_SETACCEL, (WPARAM)nAccel, Ptr(pAccel));
}
UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const {
  return (UINT)Send(m_hWnd, UDM_GETACCEL, (WPARAM)nAccel, Ptr(pAccel));
}
