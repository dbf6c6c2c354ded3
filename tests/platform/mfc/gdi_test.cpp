// GDI wrappers drawing into DIB sections, checked pixel by pixel; handle maps; menus.
#include "wdtest.h"
#include <cstdint>

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
  EXPECT_EQ(::GetBkColor(c.dc), kRed);  // left as the background colour

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

TEST(Gdi, ClipRegionsCutOutAndAddBack) {
  Canvas c(30, 30);
  CRgn hole;
  ASSERT_TRUE(hole.CreateRectRgn(10, 10, 20, 20));
  EXPECT_NE(c.dc.SelectClipRgn(&hole, RGN_DIFF), ERROR);
  c.dc.FillSolidRect(0, 0, 30, 30, kRed);
  EXPECT_EQ(c.At(5, 5), kRed);
  EXPECT_EQ(c.At(15, 15), kWhite);  // the hole was cut out of the clip
  EXPECT_EQ(c.Count(kWhite), 100);
  CRgn more;
  more.CreateRectRgn(10, 10, 20, 11);
  EXPECT_NE(c.dc.ExtSelectClipRgn(&more, RGN_OR), ERROR);
  c.dc.FillSolidRect(0, 0, 30, 30, kGreen);
  EXPECT_EQ(c.Count(kWhite), 90);  // the strip was added back
  EXPECT_EQ(c.Count(kGreen), 810);
  EXPECT_NE(c.dc.SelectClipRgn(nullptr), ERROR);  // no clip region again

  // The region object: combined in place and moved.
  CRgn a, b;
  a.CreateRectRgn(0, 0, 10, 10);
  b.CreateRectRgnIndirect(CRect(5, 5, 15, 15));
  EXPECT_EQ(a.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
  a.OffsetRgn(CPoint(100, 0));
  EXPECT_TRUE(::PtInRegion(a, 112, 12));
  EXPECT_FALSE(::PtInRegion(a, 112, 2));
  a.SetRectRgn(CRect(0, 0, 1, 1));
  EXPECT_FALSE(::PtInRegion(a, 112, 12));
}

TEST(Gdi, SelectObjectReturnsThePreviousObjectAndLinesExcludeTheirEnd) {
  Canvas c(20, 10);
  HGDIOBJ originalPen = ::GetCurrentObject(c.dc.m_hDC, OBJ_PEN);
  CPen red;
  ASSERT_TRUE(red.CreatePen(PS_SOLID, 1, kRed));
  CPen* old = c.dc.SelectObject(&red);
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(old->m_hObject, originalPen);
  EXPECT_TRUE(old->IsKindOf(RUNTIME_CLASS(CPen)));
  c.dc.MoveTo(0, 2);
  c.dc.LineTo(5, 2);
  EXPECT_EQ(c.At(0, 2), kRed);
  EXPECT_EQ(c.At(4, 2), kRed);
  EXPECT_EQ(c.At(5, 2), kWhite);  // the end point is not drawn
  EXPECT_EQ(c.dc.SelectObject(old), &red);  // the object that owns the handle
  EXPECT_EQ(::GetCurrentObject(c.dc.m_hDC, OBJ_PEN), originalPen);
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
  AfxDeleteTempMap();
  // Idle time keeps the wrapper of a live handle, and no temporary deletes its handle.
  EXPECT_EQ(CGdiObject::FromHandle(loose), any);
  CFont adopted;
  EXPECT_TRUE(adopted.Attach(loose));
  EXPECT_EQ(CFont::FromHandle(loose), &adopted);
  EXPECT_EQ(adopted.Detach(), loose);
  EXPECT_NE(CFont::FromHandle(loose), &adopted);
  ::DeleteObject(loose);

  HFONT owned;
  {
    CFont scoped;
    LOGFONTA lf{};
    lf.lfHeight = -13;
    ::lstrcpyA(lf.lfFaceName, "Tahoma");
    ASSERT_TRUE(scoped.CreateFontIndirect(&lf));
    owned = scoped;
    LOGFONTA back{};
    ASSERT_EQ(scoped.GetLogFont(&back), (int)sizeof(LOGFONTA));
    EXPECT_EQ(back.lfHeight, -13);
  }
  EXPECT_EQ(::GetObjectType(owned), 0u);  // the owner deleted its font
  CDC mem;
  ASSERT_TRUE(mem.CreateCompatibleDC(nullptr));
  EXPECT_EQ(CDC::FromHandle(mem.m_hDC), &mem);
}

TEST(Gdi, BitmapsBlitsAndLogicalCoordinates) {
  Canvas dst(16, 16);
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
  EXPECT_TRUE(dst.dc.BitBlt(1, 1, 6, 5, &mem, 0, 0, SRCCOPY));
  EXPECT_EQ(dst.At(6, 5), kGreen);
  EXPECT_EQ(dst.At(7, 5), kWhite);
  mem.SelectObject(oldBmp);
  EXPECT_FALSE(CBitmap().LoadBitmap(9999u));  // no module holds it

  ::SetViewportOrgEx(dst.dc, 10, 20, nullptr);
  CRect r(10, 20, 15, 25);
  dst.dc.DPtoLP(&r);  // both corners
  EXPECT_EQ(r, CRect(0, 0, 5, 5));
}

TEST(Gdi, PaintDCCoversTheUpdateRegion) {
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
  wnd.DestroyWindow();
}

TEST(Gdi, MenusReadBackAndOwnTheirHandles) {
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_STRING, 100, "&Open");
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, 101, "Close");
  CString text;
  EXPECT_EQ(popup.GetMenuString(2, text, MF_BYPOSITION), 5);
  EXPECT_STREQ(text, "Close");
  EXPECT_EQ(popup.GetMenuString(1, text, MF_BYPOSITION), 0);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(popup.GetMenuState(999, MF_BYCOMMAND), (UINT)-1);

  // A bar with the popup under it: the sub-menu comes back as a temporary wrapper.
  CMenu bar;
  ASSERT_TRUE(bar.CreateMenu());
  HMENU hPopup = popup.Detach();
  EXPECT_EQ(CMenu::FromHandlePermanent(hPopup), nullptr);
  bar.AppendMenu(MF_POPUP, (UINT_PTR)hPopup, "File");
  CMenu* sub = bar.GetSubMenu(0);
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->m_hMenu, hPopup);
  EXPECT_EQ(CMenu::FromHandle(bar), &bar);
  EXPECT_EQ(bar.GetSubMenu(5), nullptr);
  AfxDeleteTempMap();
  EXPECT_TRUE(::IsMenu(hPopup));  // temporaries leave the menu alone
  EXPECT_EQ(bar.GetSubMenu(0), sub);
  EXPECT_TRUE(bar.RemoveMenu(0, MF_BYPOSITION));
  EXPECT_TRUE(::IsMenu(hPopup));  // removed, not destroyed
  {
    CMenu owner;
    owner.Attach(hPopup);
  }
  EXPECT_FALSE(::IsMenu(hPopup));  // the owner destroyed it
  EXPECT_FALSE(CMenu().LoadMenu(9999u));
}
