// Common-control wrappers against the real controls: image lists, list views and sliders.
#include "wdtest.h"
#include <afxcmn.h>
#include <cstdint>
#include <string>
#include <vector>

namespace {

CWnd* Host() { return CWnd::FromHandle(wdtest::HostWindow()); }
const RECT kRect = {0, 0, 300, 200};
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kMagenta = RGB(255, 0, 255);

// A bitmap of n 16x16 images: each red with a magenta right half.
void MakeStrip(CBitmap& bmp, int n) {
  CDC mem;
  mem.CreateCompatibleDC(nullptr);
  HDC screen = ::GetDC(nullptr);
  bmp.Attach(::CreateCompatibleBitmap(screen, 16 * n, 16));
  ::ReleaseDC(nullptr, screen);
  CBitmap* old = mem.SelectObject(&bmp);
  for (int i = 0; i < n; ++i) {
    mem.FillSolidRect(16 * i, 0, 8, 16, kRed);
    mem.FillSolidRect(16 * i + 8, 0, 8, 16, kMagenta);
  }
  mem.SelectObject(old);
}

}  // namespace

TEST(CommonControls, ImageListAddsAndDrawsMasked) {
  CImageList il;
  ASSERT_TRUE(il.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 4));
  CBitmap strip;
  MakeStrip(strip, 2);
  EXPECT_EQ(il.Add(&strip, kMagenta), 0);  // index of the first new image
  EXPECT_EQ(il.Add(::LoadIconA(nullptr, IDI_APPLICATION)), 2);
  EXPECT_EQ(il.GetImageCount(), 3);

  // Drawn transparently, the masked half keeps what was below.
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 20, -20, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  uint32_t* bits = nullptr;
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  HBITMAP dib = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, (void**)&bits, nullptr, 0);
  HGDIOBJ oldDib = ::SelectObject(dc, dib);
  dc.FillSolidRect(0, 0, 20, 20, RGB(0, 0, 255));
  EXPECT_TRUE(il.Draw(&dc, 0, CPoint(2, 2), ILD_TRANSPARENT));
  ::GdiFlush();
  EXPECT_EQ(bits[5 * 20 + 4] & 0xFFFFFF, 0xFF0000u);   // red half
  EXPECT_EQ(bits[5 * 20 + 14] & 0xFFFFFF, 0x0000FFu);  // masked half: the blue below
  ::SelectObject(dc, oldDib);
  ::DeleteObject(dib);
  EXPECT_TRUE(il.Remove(-1));
  EXPECT_EQ(il.GetImageCount(), 0);
}

TEST(CommonControls, ListCtrlTextsDataChecksAndSelection) {
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, kRect, Host(), 501));
  list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
  list.InsertColumn(1, "Value", LVCFMT_LEFT, 80);
  EXPECT_EQ(list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT), 0u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.InsertItem(i, ("row " + std::to_string(i)).c_str()), i);

  std::string longText(700, 'x');
  list.SetItemText(2, 1, longText.c_str());
  EXPECT_EQ(list.GetItemText(2, 1).GetLength(), 700);  // longer than the first buffer
  EXPECT_STREQ(list.GetItemText(1, 1), "");
  EXPECT_TRUE(list.SetItem(3, 1, LVIF_TEXT, "sub", 0, 0, 0, 0));
  EXPECT_STREQ(list.GetItemText(3, 1), "sub");
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(list.SetItemData(i, 10 + i));
  EXPECT_EQ(list.GetItemData(2), 12u);
  EXPECT_STREQ(list.GetItemText(2, 0), "row 2");  // setting the data kept the text

  // Check boxes are the state image.
  EXPECT_FALSE(list.GetCheck(1));
  EXPECT_TRUE(list.SetCheck(1));
  EXPECT_TRUE(list.GetCheck(1));
  EXPECT_FALSE(list.GetCheck(0));
  list.SetCheck(1, FALSE);
  EXPECT_FALSE(list.GetCheck(1));

  // The walk over the selected rows.
  EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
  list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  std::vector<int> selected;
  for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
    selected.push_back(list.GetNextSelectedItem(pos));
  EXPECT_EQ(selected, (std::vector<int>{0, 2}));
  list.SetItemState(-1, 0, LVIS_SELECTED);  // every row
  EXPECT_EQ(list.GetSelectedCount(), 0u);

  CRect bounds, label;
  ASSERT_TRUE(list.GetItemRect(2, &bounds, LVIR_BOUNDS));
  ASSERT_TRUE(list.GetItemRect(2, &label, LVIR_LABEL));
  EXPECT_GT(bounds.Height(), 0);
  EXPECT_LT(label.Width(), bounds.Width());  // LVIR_LABEL gives the label alone
  list.DestroyWindow();
}

TEST(CommonControls, SliderKeepsTheFullRangeAndClamps) {
  CSliderCtrl slider;
  ASSERT_TRUE(slider.Create(TRACKBAR_CLASSA, nullptr, WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS,
                            CRect(0, 0, 200, 30), Host(), 507));
  slider.SetRange(1, 5);
  slider.SetTicFreq(1);
  slider.SetPos(10);
  EXPECT_EQ(slider.GetPos(), 5);  // held to the range
  slider.SetPos(-2);
  EXPECT_EQ(slider.GetPos(), 1);
  slider.SetRange(0, 100000);  // beyond 16 bits
  slider.SetPos(70000);
  EXPECT_EQ(slider.GetPos(), 70000);
  slider.DestroyWindow();
}
