// CSize, CPoint and CRect: SIZE, POINT and RECT with arithmetic.
// Default construction gives zeros. Rectangle operations that Win32 offers go through Win32.
#pragma once

#include <windows.h>
#include "afxexport_.h"

class AFX_API CSize : public SIZE {
 public:
  CSize() { cx = cy = 0; }
  CSize(int initCX, int initCY) { cx = initCX, cy = initCY; }
  CSize(SIZE initSize) { cx = initSize.cx, cy = initSize.cy; }
  CSize(POINT initPt) { cx = initPt.x, cy = initPt.y; }

  BOOL operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
  BOOL operator!=(SIZE size) const { return !(*this == size); }
  CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
};

class AFX_API CPoint : public POINT {
 public:
  CPoint() { x = y = 0; }
  CPoint(int initX, int initY) { x = initX, y = initY; }
  CPoint(POINT initPt) { x = initPt.x, y = initPt.y; }

  BOOL operator==(POINT point) const { return x == point.x && y == point.y; }
  BOOL operator!=(POINT point) const { return !(*this == point); }
};

class AFX_API CRect : public RECT {
 public:
  CRect() { left = top = right = bottom = 0; }
  CRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
  CRect(const RECT& srcRect) { ::CopyRect(this, &srcRect); }
  CRect(LPCRECT lpSrcRect) { ::CopyRect(this, lpSrcRect); }

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  // The corners as points stored in the rectangle itself (RECT is two POINTs in a row).
  CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
  const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
  const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  void SetRectEmpty() { ::SetRectEmpty(this); }
  BOOL EqualRect(LPCRECT lpRect) const { return ::EqualRect(this, lpRect); }
  void DeflateRect(int x, int y) { ::InflateRect(this, -x, -y); }
  void DeflateRect(int l, int t, int r, int b) { left += l, top += t, right -= r, bottom -= b; }
  void OffsetRect(int x, int y) { ::OffsetRect(this, x, y); }
  void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
  void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }

  CRect& operator=(const RECT& srcRect) {
    ::CopyRect(this, &srcRect);
    return *this;
  }
  BOOL operator==(const RECT& rect) const { return ::EqualRect(this, &rect); }
  BOOL operator!=(const RECT& rect) const { return !::EqualRect(this, &rect); }
  CRect operator+(POINT point) const {
    CRect rect(*this);
    rect.OffsetRect(point);
    return rect;
  }
};
