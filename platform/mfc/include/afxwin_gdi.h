// GDI objects, device contexts and menus. Included by afxwin.h.
//
// Each wrapper owns the handle it holds: the destructor deletes it (DeleteObject, DeleteDC,
// DestroyMenu) unless it was detached first. FromHandle gives the object attached to a
// handle, or a temporary wrapper that never deletes its handle; AfxDeleteTempMap (at idle
// time) frees the temporaries whose handle no longer exists. The maps are per thread.
#pragma once

class CWnd;

// ---------------------------------------------------------------------------------------
// GDI objects
// ---------------------------------------------------------------------------------------
class AFX_API CGdiObject : public CObject {
  DECLARE_DYNCREATE(CGdiObject)
public:
  HGDIOBJ m_hObject = nullptr;

  CGdiObject() = default;
  ~CGdiObject() override;

  // The object attached to the handle, or a temporary of the class that matches the
  // handle's kind (CPen for a pen, CFont for a font, ...). Null for a null handle.
  static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
  static void PASCAL DeleteTempMap();

  // Null when called through a null pointer, as callers of the class library expect.
  HGDIOBJ GetSafeHandle() const;
  operator HGDIOBJ() const { return m_hObject; }

  BOOL Attach(HGDIOBJ hObject);
  HGDIOBJ Detach();
  BOOL DeleteObject();

protected:
  BOOL m_bTempObject = FALSE;
  friend struct AfxGdiInternals;
};

class AFX_API CPen : public CGdiObject {
  DECLARE_DYNAMIC(CPen)
public:
  CPen() = default;
  static CPen* PASCAL FromHandle(HPEN hPen);
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
};

class AFX_API CBrush : public CGdiObject {
  DECLARE_DYNAMIC(CBrush)
public:
  CBrush() = default;
  static CBrush* PASCAL FromHandle(HBRUSH hBrush);
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
  BOOL CreateSolidBrush(COLORREF crColor);
  BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
};

class AFX_API CFont : public CGdiObject {
  DECLARE_DYNAMIC(CFont)
public:
  CFont() = default;
  static CFont* PASCAL FromHandle(HFONT hFont);
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }
  BOOL CreateFontIndirect(const LOGFONTA* lpLogFont);
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                  BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename);
  int GetLogFont(LOGFONTA* pLogFont) const;
};

class AFX_API CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)
public:
  CBitmap() = default;
  static CBitmap* PASCAL FromHandle(HBITMAP hBitmap);
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
  // From the first module of the resource chain that holds the bitmap.
  BOOL LoadBitmap(UINT nIDResource);
  BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) const;
};

class AFX_API CRgn : public CGdiObject {
  DECLARE_DYNAMIC(CRgn)
public:
  CRgn() = default;
  static CRgn* PASCAL FromHandle(HRGN hRgn);
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }
  BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
  BOOL CreateRectRgnIndirect(LPCRECT lpRect);
  void SetRectRgn(int x1, int y1, int x2, int y2);
  void SetRectRgn(LPCRECT lpRect);
  // The region must exist already: it receives the combination of the two sources.
  int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
  int OffsetRgn(int x, int y);
  int OffsetRgn(POINT point);
};

// ---------------------------------------------------------------------------------------
// Device contexts
// ---------------------------------------------------------------------------------------
class AFX_API CDC : public CObject {
  DECLARE_DYNCREATE(CDC)
public:
  HDC m_hDC = nullptr;

  CDC() = default;
  // Deletes an attached DC with DeleteDC: detach DCs that must be released otherwise.
  ~CDC() override;

  static CDC* PASCAL FromHandle(HDC hDC);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HDC hDC);
  HDC Detach();
  // Null when called through a null pointer.
  HDC GetSafeHdc() const;
  operator HDC() const { return m_hDC; }
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();
  int GetDeviceCaps(int nIndex) const;

  // Selection: each returns the object it replaced, as a temporary wrapper unless the
  // handle has its own object.
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);

  // Attributes
  COLORREF SetBkColor(COLORREF crColor);
  int GetBkMode() const;
  int SetBkMode(int nBkMode);
  COLORREF SetTextColor(COLORREF crColor);

  // Coordinates
  void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
  void DPtoLP(LPRECT lpRect) const;

  // Clipping
  int SelectClipRgn(CRgn* pRgn);             // null removes the clip region
  int SelectClipRgn(CRgn* pRgn, int nMode);  // RGN_AND, RGN_COPY, RGN_DIFF, RGN_OR, RGN_XOR
  int ExtSelectClipRgn(CRgn* pRgn, int nMode);
  BOOL PtVisible(int x, int y) const;

  // Lines and shapes
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT point);
  BOOL LineTo(int x, int y);  // the end point is not drawn
  BOOL LineTo(POINT point);
  BOOL Rectangle(int x1, int y1, int x2, int y2);
  BOOL Rectangle(LPCRECT lpRect);
  BOOL Ellipse(int x1, int y1, int x2, int y2);
  BOOL Ellipse(LPCRECT lpRect);
  void FillRect(LPCRECT lpRect, CBrush* pBrush);
  void FrameRect(LPCRECT lpRect, CBrush* pBrush);
  // Fills with one colour, leaving that colour as the background colour. A negative
  // extent reaches back from the point: (x, y, -1, h) fills the column left of x.
  void FillSolidRect(LPCRECT lpRect, COLORREF clr);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
  // A one-pixel frame: top and left edges in the first colour, right and bottom edges
  // (with the top-right and bottom-left corners) in the second.
  void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
  BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);
  void DrawFocusRect(LPCRECT lpRect);

  // Bitmaps and pixels
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
  COLORREF GetPixel(int x, int y) const;
  COLORREF GetPixel(POINT point) const;
  COLORREF SetPixel(int x, int y, COLORREF crColor);
  COLORREF SetPixel(POINT point, COLORREF crColor);

  // Text
  int DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
  CSize GetTextExtent(LPCSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const;

protected:
  BOOL m_bTempObject = FALSE;
  friend struct AfxGdiInternals;
};

// BeginPaint/EndPaint around the object's life.
class AFX_API CPaintDC : public CDC {
  DECLARE_DYNAMIC(CPaintDC)
public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps{};

protected:
  HWND m_hWnd = nullptr;
};

// ---------------------------------------------------------------------------------------
// Menus
// ---------------------------------------------------------------------------------------
class AFX_API CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)
public:
  HMENU m_hMenu = nullptr;

  CMenu() = default;
  // Destroys the menu it holds: detach a menu that lives on elsewhere (a window's bar).
  ~CMenu() override;

  static CMenu* PASCAL FromHandle(HMENU hMenu);
  static CMenu* PASCAL FromHandlePermanent(HMENU hMenu);
  static void PASCAL DeleteTempMap();
  BOOL Attach(HMENU hMenu);
  HMENU Detach();
  // Null when called through a null pointer.
  HMENU GetSafeHmenu() const;
  operator HMENU() const { return m_hMenu; }

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  // From the first module of the resource chain that holds the menu.
  BOOL LoadMenu(UINT nIDResource);
  BOOL DestroyMenu();

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                  LPCSTR lpszNewItem = nullptr);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                  LPCSTR lpszNewItem = nullptr);
  BOOL RemoveMenu(UINT nPosition, UINT nFlags);
  BOOL DeleteMenu(UINT nPosition, UINT nFlags);

  int GetMenuItemCount() const;
  UINT GetMenuItemID(int nPos) const;
  // (UINT)-1 when the item does not exist.
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  CMenu* GetSubMenu(int nPos) const;
  BOOL GetMenuItemInfo(UINT uItem, LPMENUITEMINFOA lpMenuItemInfo, BOOL fByPos = FALSE) const;
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

  // Owner-drawn items of a menu attached to this object.
  virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
  virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
  BOOL m_bTempObject = FALSE;
  friend struct AfxGdiInternals;
};
