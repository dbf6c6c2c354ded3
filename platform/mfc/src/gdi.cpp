// GDI objects, device contexts and menus over their Win32 handles.
#include "afxwin.h"
#include "afxcmn.h"
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>
#include <vector>

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)
IMPLEMENT_DYNCREATE(CMenu, CObject)

// ---------------------------------------------------------------------------------------
// Handle maps. Permanent entries are objects that own their handle (Attach); temporary
// entries are wrappers made by FromHandle. A temporary that has to be replaced (the handle
// was wrapped as another kind of object) is retired, not deleted, because a caller may still
// hold it until the next idle time.
// ---------------------------------------------------------------------------------------
template <class H, class T>
struct HandleMap {
  std::unordered_map<H, T*> permanent;
  std::unordered_map<H, T*> temporary;
  std::vector<T*> retired;
};

struct AfxGdiInternals {
  std::recursive_mutex lock;
  HandleMap<HGDIOBJ, CGdiObject> gdi;
  HandleMap<HDC, CDC> dc;
  HandleMap<HMENU, CMenu> menu;

  static AfxGdiInternals& Get() {
    static AfxGdiInternals* p = new AfxGdiInternals;  // outlives every static object
    return *p;
  }

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
  // that matches the handle's kind.
  static CGdiObject* GdiFromHandle(HGDIOBJ h, const CRuntimeClass* pClass) {
    if (h == nullptr) return nullptr;
    AfxGdiInternals& s = Get();
    std::lock_guard<std::recursive_mutex> guard(s.lock);
    auto perm = s.gdi.permanent.find(h);
    if (perm != s.gdi.permanent.end() && (!pClass || perm->second->IsKindOf(pClass)))
      return perm->second;
    if (!pClass) pClass = ClassOfHandle(h);
    auto temp = s.gdi.temporary.find(h);
    if (temp != s.gdi.temporary.end()) {
      if (temp->second->IsKindOf(pClass)) return temp->second;
      s.gdi.retired.push_back(temp->second);
      s.gdi.temporary.erase(temp);
    }
    CGdiObject* p = NewOfClass(pClass);
    p->m_hObject = h;
    p->m_bTempObject = TRUE;
    s.gdi.temporary[h] = p;
    return p;
  }

  // Frees the temporaries whose handle is gone (and the retired ones). A wrapper of a live
  // handle stays, so that a pointer held across idle time (a font selected out of a DC
  // before a message box, say) never dangles.
  template <class H, class T, class Alive>
  static void DeleteTemps(HandleMap<H, T>& map, Alive alive) {
    std::vector<T*> doomed;
    {
      std::lock_guard<std::recursive_mutex> guard(Get().lock);
      for (auto it = map.temporary.begin(); it != map.temporary.end();) {
        if (alive(it->first)) {
          ++it;
        } else {
          doomed.push_back(it->second);
          it = map.temporary.erase(it);
        }
      }
      doomed.insert(doomed.end(), map.retired.begin(), map.retired.end());
      map.retired.clear();
    }
    for (T* p : doomed) delete p;  // temporaries never free their handle
  }

  template <class H, class T>
  static void AddPermanent(HandleMap<H, T>& map, H h, T* p) {
    std::lock_guard<std::recursive_mutex> guard(Get().lock);
    map.permanent[h] = p;
  }

  template <class H, class T>
  static void RemovePermanent(HandleMap<H, T>& map, H h, T* p) {
    std::lock_guard<std::recursive_mutex> guard(Get().lock);
    auto it = map.permanent.find(h);
    if (it != map.permanent.end() && it->second == p) map.permanent.erase(it);
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

void AFXAPI AfxDeleteTempDCMap() {
  CDC::DeleteTempMap();
  CGdiObject::DeleteTempMap();
  CMenu::DeleteTempMap();
  CImageList::DeleteTempMap();
}

// ---------------------------------------------------------------------------------------
// CGdiObject
// ---------------------------------------------------------------------------------------
CGdiObject::~CGdiObject() {
  if (m_hObject != nullptr && !m_bTempObject) {
    AfxGdiInternals::RemovePermanent(AfxGdiInternals::Get().gdi, m_hObject, this);
    ::DeleteObject(m_hObject);
  }
  m_hObject = nullptr;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject) {
  return AfxGdiInternals::GdiFromHandle(hObject, nullptr);
}

void PASCAL CGdiObject::DeleteTempMap() {
  AfxGdiInternals::DeleteTemps(AfxGdiInternals::Get().gdi,
                               [](HGDIOBJ h) { return ::GetObjectType(h) != 0; });
}

HGDIOBJ CGdiObject::GetSafeHandle() const {
  // Read through a volatile copy: the compiler may otherwise assume this is never null.
  const CGdiObject* volatile self = this;
  return self ? self->m_hObject : nullptr;
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr || m_hObject != nullptr) return FALSE;
  m_hObject = hObject;
  if (!m_bTempObject) AfxGdiInternals::AddPermanent(AfxGdiInternals::Get().gdi, hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  if (h != nullptr && !m_bTempObject)
    AfxGdiInternals::RemovePermanent(AfxGdiInternals::Get().gdi, h, this);
  m_hObject = nullptr;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }
BOOL CGdiObject::UnrealizeObject() { return ::UnrealizeObject(m_hObject); }
int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
  return ::GetObjectA(m_hObject, nCount, lpObject);
}
UINT CGdiObject::GetObjectType() const { return (UINT)::GetObjectType(m_hObject); }

// ---------------------------------------------------------------------------------------
// CPen, CBrush, CFont, CBitmap, CRgn
// ---------------------------------------------------------------------------------------
CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
CPen* PASCAL CPen::FromHandle(HPEN hPen) {
  return static_cast<CPen*>(AfxGdiInternals::GdiFromHandle(hPen, RUNTIME_CLASS(CPen)));
}
BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  return Adopt(this, ::CreatePen(nPenStyle, nWidth, crColor));
}
BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen) {
  return Adopt(this, ::CreatePenIndirect(lpLogPen));
}
int CPen::GetLogPen(LOGPEN* pLogPen) const {
  return ::GetObjectA(m_hObject, sizeof(LOGPEN), pLogPen);
}

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
CBrush::CBrush(int nIndex, COLORREF crColor) { CreateHatchBrush(nIndex, crColor); }
CBrush::CBrush(CBitmap* pBitmap) { CreatePatternBrush(pBitmap); }
CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush) {
  return static_cast<CBrush*>(AfxGdiInternals::GdiFromHandle(hBrush, RUNTIME_CLASS(CBrush)));
}
BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Adopt(this, ::CreateSolidBrush(crColor)); }
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
  return Adopt(this, ::CreateHatchBrush(nIndex, crColor));
}
BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  HBITMAP hbm = static_cast<HBITMAP>(pBitmap->GetSafeHandle());
  return hbm ? Adopt(this, ::CreatePatternBrush(hbm)) : FALSE;
}
BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
  return Adopt(this, ::CreateBrushIndirect(lpLogBrush));
}
BOOL CBrush::CreateSysColorBrush(int nIndex) {
  // The system owns these brushes; deleting one later is harmless, so no special case.
  return Attach(::GetSysColorBrush(nIndex));
}
int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const {
  return ::GetObjectA(m_hObject, sizeof(LOGBRUSH), pLogBrush);
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
BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC) {
  LOGFONTA lf{};
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfHeight = nPointSize;
  if (lpszFaceName) ::lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
  return CreatePointFontIndirect(&lf, pDC);
}
BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC) {
  HDC hDC = pDC ? pDC->m_hDC : ::GetDC(nullptr);
  LOGFONTA lf = *lpLogFont;
  // Tenths of a point to device pixels, then to the DC's logical units.
  POINT pt{0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720)};
  POINT org{0, 0};
  ::DPtoLP(hDC, &pt, 1);
  ::DPtoLP(hDC, &org, 1);
  lf.lfHeight = -std::abs(pt.y - org.y);
  if (!pDC) ::ReleaseDC(nullptr, hDC);
  return CreateFontIndirect(&lf);
}
int CFont::GetLogFont(LOGFONTA* pLogFont) const {
  return ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont);
}

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap) {
  return static_cast<CBitmap*>(AfxGdiInternals::GdiFromHandle(hBitmap, RUNTIME_CLASS(CBitmap)));
}
BOOL CBitmap::LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName) {
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  if (hInst == nullptr) return FALSE;
  return Adopt(this, ::LoadBitmapA(hInst, lpszResourceName));
}
BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) {
  return Adopt(this, ::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}
BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount,
                           const void* lpBits) {
  return Adopt(this, ::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}
BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap) {
  return Adopt(this, ::CreateBitmapIndirect(lpBitmap));
}
BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  return Adopt(this, ::CreateCompatibleBitmap(pDC->GetSafeHdc(), nWidth, nHeight));
}
BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight) {
  return CreateCompatibleBitmap(pDC, nWidth, nHeight);
}
int CBitmap::GetBitmap(BITMAP* pBitMap) const {
  return ::GetObjectA(m_hObject, sizeof(BITMAP), pBitMap);
}
DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const {
  return (DWORD)::GetBitmapBits(static_cast<HBITMAP>(m_hObject), (LONG)dwCount, lpBits);
}
DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits) {
  return (DWORD)::SetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits);
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
BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
  return Adopt(this, ::CreateEllipticRgn(x1, y1, x2, y2));
}
BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect) {
  return Adopt(this, ::CreateEllipticRgnIndirect(lpRect));
}
BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3) {
  return Adopt(this, ::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}
BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
  return Adopt(this, ::CreatePolygonRgn(lpPoints, nCount, nMode));
}
BOOL CRgn::CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount,
                                int nPolyFillMode) {
  return Adopt(this, ::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}
void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
  ::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
}
void CRgn::SetRectRgn(LPCRECT r) { SetRectRgn(r->left, r->top, r->right, r->bottom); }
int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
  return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn1->GetSafeHandle()),
                      static_cast<HRGN>(pRgn2->GetSafeHandle()), nCombineMode);
}
int CRgn::CopyRgn(const CRgn* pRgnSrc) {
  return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgnSrc->GetSafeHandle()),
                      nullptr, RGN_COPY);
}
BOOL CRgn::EqualRgn(const CRgn* pRgn) const {
  return ::EqualRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn->GetSafeHandle()));
}
int CRgn::OffsetRgn(int x, int y) { return ::OffsetRgn(static_cast<HRGN>(m_hObject), x, y); }
int CRgn::OffsetRgn(POINT point) { return OffsetRgn(point.x, point.y); }
int CRgn::GetRgnBox(LPRECT lpRect) const {
  return ::GetRgnBox(static_cast<HRGN>(m_hObject), lpRect);
}
BOOL CRgn::PtInRegion(int x, int y) const {
  return ::PtInRegion(static_cast<HRGN>(m_hObject), x, y);
}
BOOL CRgn::PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
BOOL CRgn::RectInRegion(LPCRECT lpRect) const {
  return ::RectInRegion(static_cast<HRGN>(m_hObject), lpRect);
}

// ---------------------------------------------------------------------------------------
// CDC
// ---------------------------------------------------------------------------------------
CDC::~CDC() {
  if (m_hDC != nullptr && !m_bTempObject) {
    AfxGdiInternals::RemovePermanent(AfxGdiInternals::Get().dc, m_hDC, this);
    ::DeleteDC(m_hDC);
  }
  m_hDC = m_hAttribDC = nullptr;
}

CDC* PASCAL CDC::FromHandle(HDC hDC) {
  if (hDC == nullptr) return nullptr;
  AfxGdiInternals& s = AfxGdiInternals::Get();
  std::lock_guard<std::recursive_mutex> guard(s.lock);
  auto perm = s.dc.permanent.find(hDC);
  if (perm != s.dc.permanent.end()) return perm->second;
  auto temp = s.dc.temporary.find(hDC);
  if (temp != s.dc.temporary.end()) return temp->second;
  CDC* p = new CDC;
  p->m_hDC = p->m_hAttribDC = hDC;
  p->m_bTempObject = TRUE;
  s.dc.temporary[hDC] = p;
  return p;
}

void PASCAL CDC::DeleteTempMap() {
  AfxGdiInternals::DeleteTemps(AfxGdiInternals::Get().dc,
                               [](HDC h) { return ::GetObjectType(h) != 0; });
}

BOOL CDC::Attach(HDC hDC) {
  if (hDC == nullptr || m_hDC != nullptr) return FALSE;
  m_hDC = m_hAttribDC = hDC;
  if (!m_bTempObject) AfxGdiInternals::AddPermanent(AfxGdiInternals::Get().dc, hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC h = m_hDC;
  if (h != nullptr && !m_bTempObject)
    AfxGdiInternals::RemovePermanent(AfxGdiInternals::Get().dc, h, this);
  m_hDC = m_hAttribDC = nullptr;
  return h;
}

HDC CDC::GetSafeHdc() const {
  const CDC* volatile self = this;
  return self ? self->m_hDC : nullptr;
}

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData) {
  HDC h = ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput,
                      static_cast<const DEVMODEA*>(lpInitData));
  if (h == nullptr) return FALSE;
  if (!Attach(h)) {
    ::DeleteDC(h);
    return FALSE;
  }
  return TRUE;
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

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
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
int CDC::SelectObject(CRgn* pRgn) {
  return ::SelectClipRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()));
}
CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  HGDIOBJ h = pObject->GetSafeHandle();
  // A region becomes the clip region and replaces no object.
  if (h != nullptr && ::GetObjectType(h) == OBJ_REGION) {
    ::SelectClipRgn(m_hDC, static_cast<HRGN>(h));
    return nullptr;
  }
  return CGdiObject::FromHandle(::SelectObject(m_hDC, h));
}
HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
CGdiObject* CDC::SelectStockObject(int nIndex) {
  HGDIOBJ h = ::GetStockObject(nIndex);
  return h ? CGdiObject::FromHandle(::SelectObject(m_hDC, h)) : nullptr;
}
CPen* CDC::GetCurrentPen() const {
  return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}
CBrush* CDC::GetCurrentBrush() const {
  return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}
CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}
CBitmap* CDC::GetCurrentBitmap() const {
  return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hDC); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hDC); }
int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hDC); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hDC); }
UINT CDC::SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
int CDC::GetROP2() const { return ::GetROP2(m_hDC); }
int CDC::SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
int CDC::GetPolyFillMode() const { return ::GetPolyFillMode(m_hDC); }
int CDC::SetPolyFillMode(int nPolyFillMode) { return ::SetPolyFillMode(m_hDC, nPolyFillMode); }
CPoint CDC::GetBrushOrg() const {
  POINT p{};
  ::GetBrushOrgEx(m_hDC, &p);
  return CPoint(p);
}
CPoint CDC::SetBrushOrg(int x, int y) {
  POINT p{};
  ::SetBrushOrgEx(m_hDC, x, y, &p);
  return CPoint(p);
}
CPoint CDC::SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }

int CDC::GetMapMode() const { return ::GetMapMode(m_hDC); }
int CDC::SetMapMode(int nMapMode) { return ::SetMapMode(m_hDC, nMapMode); }
CPoint CDC::GetViewportOrg() const {
  POINT p{};
  ::GetViewportOrgEx(m_hDC, &p);
  return CPoint(p);
}
CPoint CDC::SetViewportOrg(int x, int y) {
  POINT p{};
  ::SetViewportOrgEx(m_hDC, x, y, &p);
  return CPoint(p);
}
CPoint CDC::SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  POINT p{};
  ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &p);
  return CPoint(p);
}
CSize CDC::GetViewportExt() const {
  SIZE s{};
  ::GetViewportExtEx(m_hDC, &s);
  return CSize(s);
}
CSize CDC::SetViewportExt(int cx, int cy) {
  SIZE s{};
  ::SetViewportExtEx(m_hDC, cx, cy, &s);
  return CSize(s);
}
CSize CDC::SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
CPoint CDC::GetWindowOrg() const {
  POINT p{};
  ::GetWindowOrgEx(m_hDC, &p);
  return CPoint(p);
}
CPoint CDC::SetWindowOrg(int x, int y) {
  POINT p{};
  ::SetWindowOrgEx(m_hDC, x, y, &p);
  return CPoint(p);
}
CPoint CDC::SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  POINT p{};
  ::OffsetWindowOrgEx(m_hDC, nWidth, nHeight, &p);
  return CPoint(p);
}
CSize CDC::GetWindowExt() const {
  SIZE s{};
  ::GetWindowExtEx(m_hDC, &s);
  return CSize(s);
}
CSize CDC::SetWindowExt(int cx, int cy) {
  SIZE s{};
  ::SetWindowExtEx(m_hDC, cx, cy, &s);
  return CSize(s);
}
CSize CDC::SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ::DPtoLP(m_hDC, lpPoints, nCount); }
void CDC::DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hDC, reinterpret_cast<LPPOINT>(lpRect), 2); }
void CDC::DPtoLP(LPSIZE lpSize) const {
  // A size is the distance between two points: convert both ends.
  POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
  ::DPtoLP(m_hDC, pts, 2);
  lpSize->cx = pts[1].x - pts[0].x;
  lpSize->cy = pts[1].y - pts[0].y;
}
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { ::LPtoDP(m_hDC, lpPoints, nCount); }
void CDC::LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hDC, reinterpret_cast<LPPOINT>(lpRect), 2); }
void CDC::LPtoDP(LPSIZE lpSize) const {
  POINT pts[2] = {{0, 0}, {lpSize->cx, lpSize->cy}};
  ::LPtoDP(m_hDC, pts, 2);
  lpSize->cx = pts[1].x - pts[0].x;
  lpSize->cy = pts[1].y - pts[0].y;
}

int CDC::GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }
int CDC::SelectClipRgn(CRgn* pRgn) {
  return ::SelectClipRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()));
}
int CDC::SelectClipRgn(CRgn* pRgn, int nMode) { return ExtSelectClipRgn(pRgn, nMode); }
int CDC::ExtSelectClipRgn(CRgn* pRgn, int nMode) {
  return ::ExtSelectClipRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()), nMode);
}
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::IntersectClipRect(LPCRECT r) {
  return IntersectClipRect(r->left, r->top, r->right, r->bottom);
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
  return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::ExcludeClipRect(LPCRECT r) {
  return ExcludeClipRect(r->left, r->top, r->right, r->bottom);
}
int CDC::OffsetClipRgn(int x, int y) { return ::OffsetClipRgn(m_hDC, x, y); }
BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
BOOL CDC::RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

CPoint CDC::GetCurrentPosition() const {
  POINT p{};
  ::GetCurrentPositionEx(m_hDC, &p);
  return CPoint(p);
}
CPoint CDC::MoveTo(int x, int y) {
  POINT p{};
  ::MoveToEx(m_hDC, x, y, &p);
  return CPoint(p);
}
CPoint CDC::MoveTo(POINT point) { return MoveTo(point.x, point.y); }
BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
BOOL CDC::LineTo(POINT point) { return LineTo(point.x, point.y); }
BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
  return ::Polyline(m_hDC, lpPoints, nCount);
}
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
  return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
BOOL CDC::Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
  ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}
void CDC::InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }
BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
  return ::FillRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()),
                   static_cast<HBRUSH>(pBrush->GetSafeHandle()));
}
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight) {
  return ::FrameRgn(m_hDC, static_cast<HRGN>(pRgn->GetSafeHandle()),
                    static_cast<HBRUSH>(pBrush->GetSafeHandle()), nWidth, nHeight);
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
BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
BOOL CDC::DrawIcon(POINT point, HICON hIcon) { return DrawIcon(point.x, point.y, hIcon); }
BOOL CDC::DrawIconEx(int x, int y, HICON hIcon, int cx, int cy, UINT diFlags) {
  return ::DrawIconEx(m_hDC, x, y, hIcon, cx, cy, 0, nullptr, diFlags);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
  return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop) {
  return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                      nSrcHeight, dwRop);
}
int CDC::SetStretchBltMode(int nStretchMode) { return ::SetStretchBltMode(m_hDC, nStretchMode); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::GetPixel(POINT point) const { return GetPixel(point.x, point.y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::SetPixel(POINT point, COLORREF crColor) {
  return SetPixel(point.x, point.y, crColor);
}
BOOL CDC::SetPixelV(int x, int y, COLORREF crColor) { return ::SetPixelV(m_hDC, x, y, crColor); }

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount) {
  return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}
BOOL CDC::TextOut(int x, int y, const CString& str) {
  return TextOut(x, y, str.GetString(), str.GetLength());
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                     LPINT lpDxWidths) {
  return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                     LPINT lpDxWidths) {
  return ExtTextOut(x, y, nOptions, lpRect, str.GetString(), (UINT)str.GetLength(), lpDxWidths);
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
CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const {
  return GetTextExtent(lpszString, nCount);
}
CSize CDC::GetOutputTextExtent(const CString& str) const { return GetTextExtent(str); }
BOOL CDC::GetTextMetrics(LPTEXTMETRICA lpMetrics) const {
  return ::GetTextMetricsA(m_hDC, lpMetrics);
}
int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const {
  return ::GetTextFaceA(m_hDC, nCount, lpszFacename);
}
int CDC::GetTextFace(CString& rString) const {
  int n = ::GetTextFaceA(m_hDC, 0, nullptr);  // length with the terminating NUL
  if (n <= 0) {
    rString.Empty();
    return 0;
  }
  int r = ::GetTextFaceA(m_hDC, n, rString.GetBuffer(n));
  rString.ReleaseBuffer();
  return r;
}

// ---------------------------------------------------------------------------------------
// CPaintDC, CClientDC, CWindowDC
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

CClientDC::CClientDC(CWnd* pWnd) {
  m_hWnd = pWnd->GetSafeHwnd();
  Attach(::GetDC(m_hWnd));
}
CClientDC::~CClientDC() {
  if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) {
  m_hWnd = pWnd->GetSafeHwnd();
  Attach(::GetWindowDC(m_hWnd));
}
CWindowDC::~CWindowDC() {
  if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, Detach());
}

// ---------------------------------------------------------------------------------------
// CMenu
// ---------------------------------------------------------------------------------------
CMenu::~CMenu() {
  if (m_hMenu != nullptr && !m_bTempObject) DestroyMenu();
  m_hMenu = nullptr;
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu) {
  if (hMenu == nullptr) return nullptr;
  AfxGdiInternals& s = AfxGdiInternals::Get();
  std::lock_guard<std::recursive_mutex> guard(s.lock);
  auto it = s.menu.permanent.find(hMenu);
  return it == s.menu.permanent.end() ? nullptr : it->second;
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu) {
  if (hMenu == nullptr) return nullptr;
  AfxGdiInternals& s = AfxGdiInternals::Get();
  std::lock_guard<std::recursive_mutex> guard(s.lock);
  if (CMenu* p = FromHandlePermanent(hMenu)) return p;
  auto temp = s.menu.temporary.find(hMenu);
  if (temp != s.menu.temporary.end()) return temp->second;
  CMenu* p = new CMenu;
  p->m_hMenu = hMenu;
  p->m_bTempObject = TRUE;
  s.menu.temporary[hMenu] = p;
  return p;
}

void PASCAL CMenu::DeleteTempMap() {
  AfxGdiInternals::DeleteTemps(AfxGdiInternals::Get().menu,
                               [](HMENU h) { return ::IsMenu(h) != FALSE; });
}

BOOL CMenu::Attach(HMENU hMenu) {
  if (hMenu == nullptr || m_hMenu != nullptr) return FALSE;
  m_hMenu = hMenu;
  if (!m_bTempObject) AfxGdiInternals::AddPermanent(AfxGdiInternals::Get().menu, hMenu, this);
  return TRUE;
}

HMENU CMenu::Detach() {
  HMENU h = m_hMenu;
  if (h != nullptr && !m_bTempObject)
    AfxGdiInternals::RemovePermanent(AfxGdiInternals::Get().menu, h, this);
  m_hMenu = nullptr;
  return h;
}

HMENU CMenu::GetSafeHmenu() const {
  const CMenu* volatile self = this;
  return self ? self->m_hMenu : nullptr;
}

BOOL CMenu::CreateMenu() { return Adopt(this, ::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Adopt(this, ::CreatePopupMenu()); }
BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }
BOOL CMenu::LoadMenu(LPCSTR lpszResourceName) {
  if (m_hMenu != nullptr) return FALSE;
  HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
  if (hInst == nullptr) return FALSE;
  return Adopt(this, ::LoadMenuA(hInst, lpszResourceName));
}
BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) {
  if (m_hMenu != nullptr) return FALSE;
  return Adopt(this, ::LoadMenuIndirectA(lpMenuTemplate));
}
BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem,
                       reinterpret_cast<LPCSTR>(pBmp->GetSafeHandle()));
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
                       reinterpret_cast<LPCSTR>(pBmp->GetSafeHandle()));
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp) {
  return ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
                       reinterpret_cast<LPCSTR>(pBmp->GetSafeHandle()));
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
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  return (UINT)::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}
BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
  return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  return (UINT)::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}
BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) {
  return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}
UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) const {
  return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}
BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked) {
  return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags,
                              static_cast<HBITMAP>(pBmpUnchecked->GetSafeHandle()),
                              static_cast<HBITMAP>(pBmpChecked->GetSafeHandle()));
}
BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) const {
  return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos) {
  return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}
BOOL CMenu::TrackPopupMenuEx(UINT nFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm) {
  return ::TrackPopupMenuEx(m_hMenu, nFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}
void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
