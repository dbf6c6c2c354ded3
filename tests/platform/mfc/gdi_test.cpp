// GDI wrappers drawing into DIB sections, checked pixel by pixel; handle maps; menus.
#include "wdtest.h"
#include <cstdint>
#include <string>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 128, 0);

// A 32-bit top-down DIB section selected into a memory DC that a CDC holds.
class Canvas {
public:
  Canvas(int w, int h) : m_w(w), m_h(h) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    dc.CreateCompatibleDC(nullptr);
    m_bmp = ::CreateDIBSection(dc.m_hDC, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits),
                               nullptr, 0);
    m_old = ::SelectObject(dc.m_hDC, m_bmp);
    dc.FillSolidRect(0, 0, w, h, kWhite);
  }
  ~Canvas() {
    ::SelectObject(dc.m_hDC, m_old);
    ::DeleteObject(m_bmp);
  }
  COLORREF At(int x, int y) const {
    ::GdiFlush();
    uint32_t v = m_bits[y * m_w + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  int Count(COLORREF c) const {
    int n = 0;
    for (int y = 0; y < m_h; ++y)
      for (int x = 0; x < m_w; ++x) n += At(x, y) == c;
    return n;
  }
  CDC dc;

private:
  int m_w, m_h;
  HBITMAP m_bmp = nullptr;
  HGDIOBJ m_old = nullptr;
  uint32_t* m_bits = nullptr;
};

class PaintWnd : public CWnd {
public:
  int painted = 0;
  RECT paintRect{};
  afx_msg void OnPaint() {
    CPaintDC dc(this);
    ++painted;
    paintRect = dc.m_ps.rcPaint;
    if (dc.m_hDC) dc.FillSolidRect(&dc.m_ps.rcPaint, kBlue);
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(PaintWnd, CWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

}  // namespace

TEST(Gdi, FillSolidRectAndDraw3dRectHitExactPixels) {
  Canvas c(40, 30);
  c.dc.FillSolidRect(CRect(2, 3, 6, 5), kRed);
  EXPECT_EQ(c.Count(kRed), 8);
  EXPECT_EQ(c.At(2, 3), kRed);
  EXPECT_EQ(c.At(5, 4), kRed);
  EXPECT_EQ(c.At(6, 4), kWhite);
  EXPECT_EQ(c.dc.GetBkColor(), kRed);  // left as the background colour

  // Negative extents reach back from the point: the column left of x=20, rows 0..4.
  c.dc.FillSolidRect(20, 0, -1, 5, kBlue);
  EXPECT_EQ(c.Count(kBlue), 5);
  EXPECT_EQ(c.At(19, 0), kBlue);
  EXPECT_EQ(c.At(19, 4), kBlue);
  EXPECT_EQ(c.At(20, 0), kWhite);

  Canvas d(20, 20);
  d.dc.Draw3dRect(CRect(5, 5, 15, 12), kRed, kBlue);
  EXPECT_EQ(d.At(5, 5), kRed);     // top-left corner
  EXPECT_EQ(d.At(13, 5), kRed);    // top edge
  EXPECT_EQ(d.At(14, 5), kBlue);   // top-right corner: the right edge's
  EXPECT_EQ(d.At(5, 10), kRed);    // left edge
  EXPECT_EQ(d.At(5, 11), kBlue);   // bottom-left corner: the bottom edge's
  EXPECT_EQ(d.At(14, 11), kBlue);  // bottom-right corner
  EXPECT_EQ(d.At(8, 8), kWhite);   // inside untouched
  EXPECT_EQ(d.At(15, 5), kWhite);  // nothing outside
  EXPECT_EQ(d.Count(kRed) + d.Count(kBlue), 2 * 10 + 2 * 7 - 4);
}

TEST(Gdi, ClipRegionsRestrictDrawing) {
  Canvas c(30, 30);
  CRgn hole;
  ASSERT_TRUE(hole.CreateRectRgn(10, 10, 20, 20));
  EXPECT_NE(c.dc.SelectClipRgn(&hole, RGN_DIFF), ERROR);
  c.dc.FillSolidRect(0, 0, 30, 30, kRed);
  EXPECT_EQ(c.At(5, 5), kRed);
  EXPECT_EQ(c.At(15, 15), kWhite);  // the hole was cut out of the clip
  EXPECT_EQ(c.Count(kWhite), 100);
  CRect box;
  EXPECT_EQ(c.dc.GetClipBox(&box), COMPLEXREGION);

  // No clip region again, then only a strip.
  EXPECT_NE(c.dc.SelectClipRgn(nullptr), ERROR);
  c.dc.FillSolidRect(0, 0, 30, 30, kWhite);
  c.dc.IntersectClipRect(0, 0, 30, 3);
  c.dc.ExcludeClipRect(0, 0, 10, 3);
  c.dc.FillSolidRect(0, 0, 30, 30, kBlue);
  EXPECT_EQ(c.Count(kBlue), 60);
  CRgn more;
  more.CreateRectRgn(0, 29, 30, 30);
  EXPECT_NE(c.dc.ExtSelectClipRgn(&more, RGN_OR), ERROR);
  c.dc.FillSolidRect(0, 0, 30, 30, kGreen);
  EXPECT_EQ(c.Count(kGreen), 90);

  // The region object itself.
  CRgn a, b, both;
  a.CreateRectRgn(0, 0, 10, 10);
  b.CreateRectRgnIndirect(CRect(5, 5, 15, 15));
  both.CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(both.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
  EXPECT_TRUE(both.PtInRegion(12, 12));
  EXPECT_FALSE(both.PtInRegion(12, 2));
  both.OffsetRgn(100, 0);
  EXPECT_TRUE(both.PtInRegion(CPoint(112, 12)));
  both.GetRgnBox(&box);
  EXPECT_EQ(box, CRect(100, 0, 115, 15));
  CRgn copy;
  copy.CreateRectRgn(0, 0, 0, 0);
  copy.CopyRgn(&both);
  EXPECT_TRUE(copy.EqualRgn(&both));
  POINT tri[3] = {{0, 0}, {10, 0}, {0, 10}};
  CRgn poly;
  ASSERT_TRUE(poly.CreatePolygonRgn(tri, 3, ALTERNATE));
  EXPECT_TRUE(poly.PtInRegion(2, 2));
  EXPECT_FALSE(poly.PtInRegion(8, 8));
}

TEST(Gdi, SelectObjectReturnsThePreviousObjectAndLinesExcludeTheirEnd) {
  Canvas c(20, 10);
  HGDIOBJ originalPen = ::GetCurrentObject(c.dc.m_hDC, OBJ_PEN);
  CPen red(PS_SOLID, 1, kRed);
  ASSERT_NE(red.m_hObject, nullptr);
  CPen* old = c.dc.SelectObject(&red);
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(old->m_hObject, originalPen);
  EXPECT_TRUE(old->IsKindOf(RUNTIME_CLASS(CPen)));
  EXPECT_EQ(c.dc.GetCurrentPen(), &red);  // the object that owns the handle
  c.dc.MoveTo(0, 2);
  EXPECT_EQ(c.dc.GetCurrentPosition(), CPoint(0, 2));
  c.dc.LineTo(5, 2);
  EXPECT_EQ(c.At(0, 2), kRed);
  EXPECT_EQ(c.At(4, 2), kRed);
  EXPECT_EQ(c.At(5, 2), kWhite);  // the end point is not drawn
  EXPECT_EQ(c.dc.SelectObject(old), &red);
  EXPECT_EQ(::GetCurrentObject(c.dc.m_hDC, OBJ_PEN), originalPen);

  CBrush blue(kBlue);
  CBrush* oldBrush = c.dc.SelectObject(&blue);
  CPen* nullPen = static_cast<CPen*>(c.dc.SelectStockObject(NULL_PEN));
  ASSERT_NE(nullPen, nullptr);
  c.dc.Rectangle(10, 0, 14, 4);  // a null pen leaves the interior, 3x3 here
  EXPECT_EQ(c.Count(kBlue), 9);
  c.dc.SelectObject(nullPen);
  c.dc.SelectObject(oldBrush);

  c.dc.FillRect(CRect(15, 5, 17, 7), &blue);
  EXPECT_EQ(c.At(16, 6), kBlue);
  CBrush green;
  ASSERT_TRUE(green.CreateSolidBrush(kGreen));
  c.dc.FrameRect(CRect(0, 5, 4, 9), &green);
  EXPECT_EQ(c.At(0, 5), kGreen);
  EXPECT_EQ(c.At(3, 8), kGreen);
  EXPECT_EQ(c.At(1, 6), kWhite);
  EXPECT_EQ(c.dc.GetPixel(16, 6), kBlue);
  c.dc.SetPixel(19, 9, kRed);
  EXPECT_EQ(c.At(19, 9), kRed);
}

TEST(Gdi, HandleMapsGiveOwnersOrTemporariesOfTheRightKind) {
  CFont font;
  ASSERT_TRUE(font.CreateFont(24, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              DEFAULT_PITCH | FF_SWISS, "MS Sans Serif"));
  EXPECT_EQ(CFont::FromHandle(font), &font);
  EXPECT_EQ(CGdiObject::FromHandle(font.m_hObject), &font);
  EXPECT_FALSE(font.CreateFont(10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "x"));  // holds one already

  HFONT loose = ::CreateFontA(12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "Tahoma");
  CGdiObject* any = CGdiObject::FromHandle(loose);
  EXPECT_TRUE(any->IsKindOf(RUNTIME_CLASS(CFont)));  // made for the handle's kind
  EXPECT_EQ(CFont::FromHandle(loose), any);
  EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);
  CGdiObject* volatile noObject = nullptr;  // as callers holding a null pointer do
  EXPECT_EQ(noObject->GetSafeHandle(), nullptr);
  AfxDeleteTempDCMap();
  // Idle time keeps the wrapper of a live handle (callers may still hold it), and no
  // temporary ever deletes its handle.
  EXPECT_EQ(CGdiObject::FromHandle(loose), any);
  EXPECT_EQ(::GetObjectType(loose), (DWORD)OBJ_FONT);
  CFont adopted;
  EXPECT_TRUE(adopted.Attach(loose));
  EXPECT_EQ(CFont::FromHandle(loose), &adopted);
  EXPECT_EQ(adopted.Detach(), loose);
  EXPECT_NE(CFont::FromHandle(loose), &adopted);
  ::DeleteObject(loose);

  HFONT owned;
  {
    CFont scoped;
    scoped.CreatePointFont(100, "Tahoma");
    owned = scoped;
    LOGFONTA lf{};
    ASSERT_EQ(scoped.GetLogFont(&lf), (int)sizeof(LOGFONTA));
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(lf.lfHeight, -::MulDiv(::GetDeviceCaps(screen, LOGPIXELSY), 100, 720));
    ::ReleaseDC(nullptr, screen);
    EXPECT_STREQ(lf.lfFaceName, "Tahoma");
  }
  EXPECT_EQ(::GetObjectType(owned), 0u);  // the owner deleted its font

  // Device contexts: the attached object, else a temporary that does not delete the DC.
  CDC mem;
  ASSERT_TRUE(mem.CreateCompatibleDC(nullptr));
  EXPECT_EQ(CDC::FromHandle(mem.m_hDC), &mem);
  HDC raw = ::CreateCompatibleDC(nullptr);
  CDC* temp = CDC::FromHandle(raw);
  ASSERT_NE(temp, nullptr);
  EXPECT_EQ(temp->GetSafeHdc(), raw);
  EXPECT_EQ(CDC::FromHandle(raw), temp);
  AfxDeleteTempDCMap();
  EXPECT_EQ(CDC::FromHandle(raw), temp);
  EXPECT_GT(::GetDeviceCaps(raw, BITSPIXEL), 0);  // still alive
  ::DeleteDC(raw);
  CDC* volatile noDC = nullptr;
  EXPECT_EQ(noDC->GetSafeHdc(), nullptr);
}

TEST(Gdi, BlitsStretchesAndBitmaps) {
  Canvas src(4, 4), dst(16, 16);
  src.dc.FillSolidRect(0, 0, 2, 4, kRed);
  src.dc.FillSolidRect(2, 0, 2, 4, kBlue);
  EXPECT_TRUE(dst.dc.BitBlt(1, 1, 4, 4, &src.dc, 0, 0, SRCCOPY));
  EXPECT_EQ(dst.At(1, 1), kRed);
  EXPECT_EQ(dst.At(4, 4), kBlue);
  EXPECT_EQ(dst.At(5, 5), kWhite);
  EXPECT_TRUE(dst.dc.StretchBlt(8, 8, 8, 8, &src.dc, 0, 0, 4, 4, SRCCOPY));
  EXPECT_EQ(dst.Count(kRed), 8 + 32);
  EXPECT_EQ(dst.At(11, 15), kRed);
  EXPECT_EQ(dst.At(12, 8), kBlue);
  EXPECT_TRUE(dst.dc.PatBlt(0, 15, 2, 1, BLACKNESS));
  EXPECT_EQ(dst.At(1, 15), RGB(0, 0, 0));
  EXPECT_EQ(dst.dc.GetDeviceCaps(BITSPIXEL), 32);

  // A bitmap made for the DC, drawn into through a second CDC.
  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateCompatibleBitmap(&dst.dc, 6, 5));
  BITMAP info{};
  ASSERT_NE(bmp.GetBitmap(&info), 0);
  EXPECT_EQ(info.bmWidth, 6);
  EXPECT_EQ(info.bmHeight, 5);
  CDC mem;
  mem.CreateCompatibleDC(&dst.dc);
  CBitmap* oldBmp = mem.SelectObject(&bmp);
  ASSERT_NE(oldBmp, nullptr);
  EXPECT_TRUE(oldBmp->IsKindOf(RUNTIME_CLASS(CBitmap)));
  mem.FillSolidRect(0, 0, 6, 5, kGreen);
  dst.dc.BitBlt(0, 0, 6, 5, &mem, 0, 0, SRCCOPY);
  EXPECT_EQ(dst.At(5, 4), kGreen);
  mem.SelectObject(oldBmp);

  CBitmap mono;
  ASSERT_TRUE(mono.CreateBitmap(8, 2, 1, 1, nullptr));
  mono.GetBitmap(&info);
  EXPECT_EQ(info.bmBitsPixel, 1);
  EXPECT_FALSE(CBitmap().LoadBitmap(9999u));  // no module holds it
}

TEST(Gdi, CoordinatesTextAndSavedState) {
  Canvas c(60, 30);
  c.dc.SetViewportOrg(10, 20);
  POINT p = {10, 20};
  c.dc.DPtoLP(&p);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  CRect r(0, 0, 5, 5);
  c.dc.LPtoDP(&r);
  EXPECT_EQ(r, CRect(10, 20, 15, 25));
  c.dc.SetViewportOrg(0, 0);

  int saved = c.dc.SaveDC();
  c.dc.SetTextColor(kRed);
  c.dc.SetBkMode(TRANSPARENT);
  EXPECT_EQ(c.dc.GetBkMode(), TRANSPARENT);
  CRect area(0, 0, 60, 30);
  EXPECT_GT(c.dc.DrawText(CString("W"), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE), 0);
  EXPECT_GT(c.Count(kRed), 0);
  EXPECT_TRUE(c.dc.RestoreDC(saved));
  EXPECT_NE(c.dc.GetTextColor(), kRed);
  EXPECT_EQ(c.dc.GetBkMode(), OPAQUE);

  CSize whole = c.dc.GetTextExtent(CString("Hello"));
  EXPECT_GT(whole.cx, 0);
  EXPECT_EQ(c.dc.GetTextExtent("Hello, world", 5), whole);
  TEXTMETRICA tm{};
  EXPECT_TRUE(c.dc.GetTextMetrics(&tm));
  EXPECT_GT(tm.tmHeight, 0);
  CString face;
  EXPECT_GT(c.dc.GetTextFace(face), 0);
  EXPECT_FALSE(face.IsEmpty());

  c.dc.FillSolidRect(0, 0, 60, 30, kWhite);
  c.dc.SetTextColor(kBlue);
  c.dc.SetBkColor(kWhite);
  EXPECT_TRUE(c.dc.TextOut(0, 0, CString("M")));
  EXPECT_GT(c.Count(kBlue), 0);
  c.dc.FillSolidRect(0, 0, 60, 30, kWhite);
  CRect opaque(30, 0, 40, 10);
  c.dc.SetBkColor(kGreen);
  c.dc.ExtTextOut(30, 0, ETO_OPAQUE, &opaque, CString(""), nullptr);
  EXPECT_EQ(c.Count(kGreen), 100);
}

TEST(Gdi, PaintAndClientDCs) {
  PaintWnd wnd;
  // Out of the way of the windows other tests put up, which would clip the painting.
  ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "paint", WS_POPUP | WS_VISIBLE, 900, 700, 50,
                           40, nullptr, nullptr));
  wnd.UpdateWindow();
  int before = wnd.painted;
  wnd.InvalidateRect(CRect(5, 6, 15, 16), FALSE);
  wnd.UpdateWindow();
  EXPECT_EQ(wnd.painted, before + 1);
  EXPECT_EQ(CRect(wnd.paintRect), CRect(5, 6, 15, 16));
  RECT update;
  EXPECT_FALSE(::GetUpdateRect(wnd.m_hWnd, &update, FALSE));  // EndPaint validated it
  {
    CClientDC dc(&wnd);
    ASSERT_NE(dc.m_hDC, nullptr);
    EXPECT_EQ(dc.GetWindow(), &wnd);
  }
  {
    CWindowDC dc(&wnd);
    EXPECT_NE(dc.m_hDC, nullptr);
  }
  CDC* pDC = wnd.GetDC();
  ASSERT_NE(pDC, nullptr);
  EXPECT_EQ(CDC::FromHandle(pDC->m_hDC), pDC);
  EXPECT_EQ(wnd.ReleaseDC(pDC), 1);
  wnd.DestroyWindow();
}

TEST(Gdi, MenusReadBackWhatWasBuilt) {
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  EXPECT_TRUE(popup.IsKindOf(RUNTIME_CLASS(CMenu)));
  popup.AppendMenu(MF_STRING, 100, "&Open");
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, 101, "Close");
  EXPECT_EQ(popup.GetMenuItemCount(), 3);
  EXPECT_EQ(popup.GetMenuItemID(0), 100u);
  EXPECT_EQ(popup.GetMenuItemID(1), 0u);
  CString text;
  EXPECT_EQ(popup.GetMenuString(2, text, MF_BYPOSITION), 5);
  EXPECT_STREQ(text, "Close");
  char buf[8];
  EXPECT_EQ(popup.GetMenuString(100, buf, sizeof(buf), MF_BYCOMMAND), 5);
  EXPECT_STREQ(buf, "&Open");
  EXPECT_EQ(popup.GetMenuState(999, MF_BYCOMMAND), (UINT)-1);
  EXPECT_EQ(popup.CheckMenuItem(101, MF_BYCOMMAND | MF_CHECKED), (UINT)MF_UNCHECKED);
  EXPECT_TRUE(popup.GetMenuState(101, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_EQ(popup.EnableMenuItem(100, MF_BYCOMMAND | MF_GRAYED), (UINT)MF_ENABLED);
  EXPECT_TRUE(popup.GetMenuState(100, MF_BYCOMMAND) & MF_GRAYED);

  EXPECT_TRUE(popup.InsertMenu(0, MF_BYPOSITION | MF_STRING, 99, "New"));
  EXPECT_TRUE(popup.ModifyMenu(99, MF_BYCOMMAND | MF_STRING, 98, "Fresh"));
  EXPECT_EQ(popup.GetMenuItemID(0), 98u);
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_STRING | MIIM_ID;
  char itemText[16] = {};
  mii.dwTypeData = itemText;
  mii.cch = sizeof(itemText);
  ASSERT_TRUE(popup.GetMenuItemInfo(0, &mii, TRUE));
  EXPECT_EQ(mii.wID, 98u);
  EXPECT_STREQ(itemText, "Fresh");
  mii.fMask = MIIM_DATA;
  mii.dwItemData = 1234;
  EXPECT_TRUE(popup.SetMenuItemInfo(98, &mii));
  mii.dwItemData = 0;
  popup.GetMenuItemInfo(98, &mii);
  EXPECT_EQ(mii.dwItemData, 1234u);
  EXPECT_TRUE(popup.DeleteMenu(98, MF_BYCOMMAND));
  EXPECT_EQ(popup.GetMenuItemCount(), 3);

  // A bar with the popup under it: the sub-menu comes back as a temporary wrapper.
  CMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  HMENU hPopup = popup.Detach();
  EXPECT_EQ(CMenu::FromHandlePermanent(hPopup), nullptr);
  bar.AppendMenu(MF_POPUP, (UINT_PTR)hPopup, "File");
  CMenu* sub = bar.GetSubMenu(0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->m_hMenu, hPopup);
  EXPECT_EQ(bar.GetSubMenu(0), sub);
  EXPECT_EQ(CMenu::FromHandle(bar), &bar);
  EXPECT_EQ(bar.GetSubMenu(5), nullptr);
  AfxDeleteTempDCMap();
  EXPECT_TRUE(::IsMenu(hPopup));  // temporaries leave the menu alone
  EXPECT_EQ(bar.GetSubMenu(0), sub);
  EXPECT_TRUE(bar.RemoveMenu(0, MF_BYPOSITION));
  EXPECT_EQ(bar.GetMenuItemCount(), 0);
  EXPECT_TRUE(::IsMenu(hPopup));  // removed, not destroyed
  {
    CMenu owner;
    owner.Attach(hPopup);
  }
  EXPECT_FALSE(::IsMenu(hPopup));  // the owner destroyed it
  EXPECT_FALSE(CMenu().LoadMenu(9999u));
}
