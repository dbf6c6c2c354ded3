// GDI objects, device contexts and menus over their Win32 handles.
#include "afxwin.h"
#include "afxpriv_.h"
#include <cstring>
#include <vector>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNCREATE(CMenu, CObject)

// ---------------------------------------------------------------------------------------
// The thread's handle maps of GDI objects, DCs and menus (afxpriv_.h).
// ---------------------------------------------------------------------------------------
struct AfxGdiInternals {
  static CGdiObject* NewOfClass(const CRuntimeClass* pClass) {
    if (pClass == RUNTIME_CLASS(CPen)) return new CPen;
    if (pClass == RUNTIME_CLASS(CBrush)) return new CBrush;
    if (pClass == RUNTIME_CLASS(CFont)) return new CFont;
    if (pClass == RUNTIME_CLASS(CBitmap)) return new CBitmap;
    if (pClass == RUNTIME_CLASS(CRgn)) return new CRgn;
    return new CGdiObject;
  }

  static const CRuntimeClass* ClassOfHandle(HGDIOBJ h) {
    switch (::GetObjectType(h)) {
      case OBJ_PEN:
      case OBJ_EXTPEN:
        return RUNTIME_CLASS(CPen);
      case OBJ_BRUSH:
        return RUNTIME_CLASS(CBrush);
      case OBJ_FONT:
        return RUNTIME_CLASS(CFont);
      case OBJ_BITMAP:
        return RUNTIME_CLASS(CBitmap);
      case OBJ_REGION:
        return RUNTIME_CLASS(CRgn);
      default:
        return RUNTIME_CLASS(CGdiObject);
    }
  }

  // The object for a handle, of class pClass or derived from it; null pClass: the class
  // that matches the handle's kind. A temporary of another class is retired, not deleted.
  static CGdiObject* GdiFromHandle(HGDIOBJ h, const CRuntimeClass* pClass) {
    if (h == nullptr) return nullptr;
    AfxHandleMap<HGDIOBJ, CGdiObject>& map = AfxGetThreadState().gdiObjects;
    CGdiObject* perm = map.LookupPermanent(h);
    if (perm && (!pClass || perm->IsKindOf(pClass))) return perm;
    if (!pClass) pClass = ClassOfHandle(h);
    CGdiObject* temp = map.LookupTemporary(h);
    if (temp && temp->IsKindOf(pClass)) return temp;
    CGdiObject* p = NewOfClass(pClass);
    p->m_hObject = h;
    p->m_bTempObject = TRUE;
    map.SetTemporary(h, p);
    return p;
  }

  template <class H, class T>
  static T* FromHandle(AfxHandleMap<H, T>& map, H h) {
    if (h == nullptr) return nullptr;
    if (T* p = map.LookupPermanent(h)) return p;
    if (T* p = map.LookupTemporary(h)) return p;
    T* p = new T;
    p->m_bTempObject = TRUE;
    p->Attach(h);
    map.SetTemporary(h, p);
    return p;
  }
};

namespace {
// Takes ownership of a handle just created for the object; frees it when the object
// cannot take it.
BOOL Adopt(CGdiObject* p, HGDIOBJ h) {
  if (h == nullptr) return FALSE;
  if (!p->Attach(h)) {
    ::DeleteObject(h);
    return FALSE;
  }
  return TRUE;
}
BOOL Adopt(CMenu* p, HMENU h) {
  if (h == nullptr) return FALSE;
  if (!p->Attach(h)) {
    ::DestroyMenu(h);
    return FALSE;
  }
  return TRUE;
}
RECT Normalized(int x1, int y1, int x2, int y2) {
  RECT r{x1 < x2 ? x1 : x2, y1 < y2 ? y1 : y2, x1 < x2 ? x2 : x1, y1 < y2 ? y2 : y1};
  return r;
}
}  // namespace

// ---------------------------------------------------------------------------------------
// CGdiObject
// ---------------------------------------------------------------------------------------
CGdiObject::~CGdiObject() {
  if (m_hObject != nullptr && !m_bTempObject) {
    AfxGetThreadState().gdiObjects.RemovePermanent(m_hObject, this);
    ::DeleteObject(m_hObject);
  }
  m_hObject = nullptr;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
  return AfxGdiInternals::GdiFromHandle(hObject, nullptr);
}

void PASCAL CGdiObject::DeleteTempMap() {
  AfxGetThreadState().gdiObjects.DeleteTemps([](HGDIOBJ h) { return ::GetObjectType(h) != 0; });
}

HGDIOBJ CGdiObject::GetSafeHandle() const {
  // Read through a volatile copy: the compiler may otherwise assume this is never null.
  const CGdiObject* volatile self = this;
  return self ? self->m_hObject : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr || m_hObject != nullptr) return FALSE;
  m_hObject = hObject;
  if (!m_bTempObject) AfxGetThreadState().gdiObjects.SetPermanent(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  if (h != nullptr && !m_bTempObject) AfxGetThreadState().gdiObjects.RemovePermanent(h, this);
  m_hObject = nullptr;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

// ---------------------------------------------------------------------------------------
// CPen, CBrush, CFont, CBitmap, CRgn
// ---------------------------------------------------------------------------------------
CPen* PASCAL CPen::FromHandle(HPEN hPen) {
  return static_cast<CPen*>(AfxGdiInternals::GdiFromHandle(hPen, RUNTIME_CLASS(CPen)));
}
BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  return Adopt(this, ::CreatePen(nPenStyle, nWidth, crColor));
}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush) {
  return static_cast<CBrush*>(AfxGdiInternals::GdiFromHandle(hBrush, RUNTIME_CLASS(CBrush)));
}
BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Adopt(this, ::CreateSolidBrush(crColor)); }
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
  return Adopt(this, ::CreateHatchBrush(nIndex, crColor));
}

CFont* PASCAL CFont::FromHandle(HFONT hFont) {
  return static_cast<CFont*>(AfxGdiInternals::GdiFromHandle(hFont, RUNTIME_CLASS(CFont)));
}
BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont) {
  return Adopt(this, ::CreateFontIndirectA(lpLogFont));
}
BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCSTR lpszFacename) {
  return Adopt(this, ::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                   bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                   nQuality, nPitchAndFamily, lpszFacename));
}
int CFont::GetLogFont(LOGFONTA* pLogFont) const {
  return ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont);
}

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap) {
  return static_cast<CBitmap*>(AfxGdiInternals::GdiFromHandle(hBitmap, RUNTIME_CLASS(CBitmap)));
}
BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  LPCSTR lpszResourceName = MAKEINTRESOURCEA(nIDResource);
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  if (hInst == nullptr) return FALSE;
  return Adopt(this, ::LoadBitmapA(hInst, lpszResourceName));
}
BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount,
                           const void* lpBits) {
  return Adopt(this, ::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}
BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  return Adopt(this, ::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}
int CBitmap::GetBitmap(BITMAP* pBitMap) const {
  return ::GetObjectA(m_hObject, sizeof(BITMAP), pBitMap);
}

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn) {
  return static_cast<CRgn*>(AfxGdiInternals::GdiFromHandle(hRgn, RUNTIME_CLASS(CRgn)));
}
BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
  return Adopt(this, ::CreateRectRgn(x1, y1, x2, y2));
}
BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) {
  return Adopt(this, ::CreateRectRgnIndirect(lpRect));
}
void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
  ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
}
void CRgn::SetRectRgn(LPCRECT r) { SetRectRgn(r->left, r->top, r->right, r->bottom); }
int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
  return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn1->GetSafeHandle()),
                      static_cast<HRGN>(pRgn2->GetSafeHandle()), nCombineMode);
}
int CRgn::OffsetRgn(int x, int y) { return ::OffsetRgn(static_cast<HRGN>(m_hObject), x, y); }
int CRgn::OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }

// ---------------------------------------------------------------------------------------
// CDC
// ---------------------------------------------------------------------------------------
CDC::~CDC() {
  if (m_hDC != nullptr && !m_bTempObject) {
    AfxGetThreadState().dcs.RemovePermanent(m_hDC, this);
    ::DeleteDC(m_hDC);
  }
  m_hDC = nullptr;
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
  return AfxGdiInternals::FromHandle(AfxGetThreadState().dcs, hDC);
}

void PASCAL CDC::DeleteTempMap() {
  // A DC that GetDC handed out stays valid once given back (the system keeps it for the
  // next caller): ReleaseDC retires its temporary.
  AfxGetThreadState().dcs.DeleteTemps([](HDC h) { return ::GetObjectType(h) != 0; });
}

BOOL CDC::Attach(HDC hDC) {
  if (hDC == nullptr || m_hDC != nullptr) return FALSE;
  m_hDC = hDC;
  if (!m_bTempObject) AfxGetThreadState().dcs.SetPermanent(hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC h = m_hDC;
  if (h != nullptr && !m_bTempObject) AfxGetThreadState().dcs.RemovePermanent(h, this);
  m_hDC = nullptr;
  return h;
}

HDC CDC::GetSafeHdc() const {
  const CDC* volatile self = this;
  return self ? self->m_hDC : nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  HDC h = ::CreateCompatibleDC(pDC->GetSafeHdc());
  if (h == nullptr) return FALSE;
  if (!Attach(h)) {
    ::DeleteDC(h);
    return FALSE;
  }
  return TRUE;
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  return ::DeleteDC(Detach());
}

int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }

CPen* CDC::SelectObject(CPen* pPen) {
  return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, pPen->GetSafeHandle())));
}
CBrush* CDC::SelectObject(CBrush* pBrush) {
  return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, pBrush->GetSafeHandle())));
}
CFont* CDC::SelectObject(CFont* pFont) {
  return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, pFont->GetSafeHandle())));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, pBitmap->GetSafeHandle())));
}

COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ::DPtoLP(m_hDC, lpPoints, nCount); }
void CDC::DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hDC, reinterpret_cast<LPPOINT>(lpRect), 2); }

int CDC::SelectClipRgn(CRgn* pRgn) {
  return ::SelectClipRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()));
}
int CDC::SelectClipRgn(CRgn* pRgn, int nMode) { return ExtSelectClipRgn(pRgn, nMode); }
int CDC::ExtSelectClipRgn(CRgn* pRgn, int nMode) {
  return ::ExtSelectClipRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()), nMode);
}
BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }

CPoint CDC::MoveTo(int x, int y) {
  POINT p{};
  ::MoveToEx(m_hDC, x, y, &p);
  return CPoint(p);
}
CPoint CDC::MoveTo(POINT point) { return MoveTo(point.x, point.y); }
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::LineTo(POINT point) { return LineTo(point.x, point.y); }
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
  ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  RECT r = Normalized(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  ::SetBkColor(m_hDC, clr);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  RECT r = Normalized(x, y, x + cx, y + cy);
  FillSolidRect(&r, clr);
}
void CDC::Draw3dRect(LPCRECT r, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, clrTopLeft, clrBottomRight);
}
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);           // top, short of the right corner
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);           // left, short of the bottom corner
  FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);  // right, whole height
  FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);  // bottom, whole width
}
BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags) {
  return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState) {
  return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}
void CDC::DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::SetPixel(POINT point, COLORREF crColor) {
  return SetPixel(point.x, point.y, crColor);
}

int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  if (nFormat & DT_MODIFYSTRING) {
    // The caller's text is read-only here: draw from a copy with room for the ellipsis.
    int n = nCount < 0 ? (int)std::strlen(lpszString) : nCount;
    std::vector<char> copy(lpszString, lpszString + n);
    copy.resize((size_t)n + 5, '\0');
    return ::DrawTextA(m_hDC, copy.data(), n, lpRect, nFormat);
  }
  return ::DrawTextA(m_hDC, const_cast<LPSTR>(lpszString), nCount, lpRect, nFormat);
}
int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
  return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
}
CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
  SIZE s{};
  ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &s);
  return CSize(s);
}
CSize CDC::GetTextExtent(const CString& str) const {
  return GetTextExtent(str.GetString(), str.GetLength());
}

// ---------------------------------------------------------------------------------------
// CPaintDC
// ---------------------------------------------------------------------------------------
CPaintDC::CPaintDC(CWnd* pWnd) {
  m_hWnd = pWnd->GetSafeHwnd();
  Attach(::BeginPaint(m_hWnd, &m_ps));
}
CPaintDC::~CPaintDC() {
  if (m_hDC != nullptr) {
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
  }
}

// ---------------------------------------------------------------------------------------
// CMenu
// ---------------------------------------------------------------------------------------
CMenu::~CMenu() {
  if (m_hMenu != nullptr && !m_bTempObject) DestroyMenu();
  m_hMenu = nullptr;
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu) {
  return hMenu ? AfxGetThreadState().menus.LookupPermanent(hMenu) : nullptr;
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) {
  return AfxGdiInternals::FromHandle(AfxGetThreadState().menus, hMenu);
}

void PASCAL CMenu::DeleteTempMap() {
  AfxGetThreadState().menus.DeleteTemps([](HMENU h) { return ::IsMenu(h) != FALSE; });
}

BOOL CMenu::Attach(HMENU hMenu) {
  if (hMenu == nullptr || m_hMenu != nullptr) return FALSE;
  m_hMenu = hMenu;
  if (!m_bTempObject) AfxGetThreadState().menus.SetPermanent(hMenu, this);
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU h = m_hMenu;
  if (h != nullptr && !m_bTempObject) AfxGetThreadState().menus.RemovePermanent(h, this);
  m_hMenu = nullptr;
  return h;
}

HMENU CMenu::GetSafeHmenu() const {
  const CMenu* volatile self = this;
  return self ? self->m_hMenu : nullptr;
}

BOOL CMenu::CreateMenu() { return Adopt(this, ::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Adopt(this, ::CreatePopupMenu()); }
BOOL CMenu::LoadMenu(UINT nIDResource) {
  LPCSTR lpszResourceName = MAKEINTRESOURCEA(nIDResource);
  if (m_hMenu != nullptr) return FALSE;
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
  if (hInst == nullptr) return FALSE;
  return Adopt(this, ::LoadMenuA(hInst, lpszResourceName));
}
BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
  return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}
BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
  return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
  return ::GetMenuState(m_hMenu, nID, nFlags);
}
int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const {
  return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}
int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  int n = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
  if (n <= 0) {
    rString.Empty();
    return 0;
  }
  int r = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(n), n + 1, nFlags);
  rString.ReleaseBuffer(r);
  return r;
}
CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) const {
  return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  HMENU outer = AfxSetTrackingMenu(m_hMenu);
  BOOL result = ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
  AfxSetTrackingMenu(outer);
  return result;
}
void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
