// Common-control wrappers against the real controls: image lists, list and tree views,
// tooltips, tabs, progress bars, sliders and spin buttons.
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
  CDC screen;
  screen.Attach(::GetDC(nullptr));
  CDC mem;
  mem.CreateCompatibleDC(&screen);
  bmp.CreateCompatibleBitmap(&screen, 16 * n, 16);
  ::ReleaseDC(nullptr, screen.Detach());
  CBitmap* old = mem.SelectObject(&bmp);
  for (int i = 0; i < n; ++i) {
    mem.FillSolidRect(16 * i, 0, 8, 16, kRed);
    mem.FillSolidRect(16 * i + 8, 0, 8, 16, kMagenta);
  }
  mem.SelectObject(old);
}

int CALLBACK ByDataDescending(LPARAM a, LPARAM b, LPARAM) { return (int)(b - a); }

}  // namespace

TEST(CommonControls, ImageListCountsAddsDrawsAndOwnsItsHandle) {
  CImageList il;
  ASSERT_TRUE(il.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 4));
  EXPECT_EQ(il.GetImageCount(), 0);
  CBitmap strip;
  MakeStrip(strip, 2);
  EXPECT_EQ(il.Add(&strip, kMagenta), 0);  // index of the first new image
  EXPECT_EQ(il.GetImageCount(), 2);
  HICON icon = ::LoadIconA(nullptr, IDI_APPLICATION);
  EXPECT_EQ(il.Add(icon), 2);
  EXPECT_EQ(il.GetImageCount(), 3);
  EXPECT_EQ(il.Replace(2, icon), 2);
  HICON extracted = il.ExtractIcon(1);
  ASSERT_NE(extracted, nullptr);
  ::DestroyIcon(extracted);
  EXPECT_EQ(il.SetBkColor(RGB(1, 2, 3)), CLR_NONE);
  EXPECT_EQ(il.GetBkColor(), RGB(1, 2, 3));
  il.SetBkColor(CLR_NONE);
  EXPECT_TRUE(il.SetOverlayImage(1, 1));

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

  EXPECT_TRUE(il.Remove(0));
  EXPECT_EQ(il.GetImageCount(), 2);
  EXPECT_TRUE(il.Remove(-1));
  EXPECT_EQ(il.GetImageCount(), 0);

  // The handle map, and giving the list up.
  EXPECT_EQ(CImageList::FromHandle(il), &il);
  CImageList copy;
  ASSERT_TRUE(copy.Create(&il));
  EXPECT_NE(copy.m_hImageList, il.m_hImageList);
  HIMAGELIST h = copy.Detach();
  EXPECT_EQ(copy.GetSafeHandle(), nullptr);
  CImageList* temp = CImageList::FromHandle(h);
  ASSERT_NE(temp, nullptr);
  EXPECT_NE(temp, &copy);
  AfxDeleteTempDCMap();
  EXPECT_EQ(ImageList_GetImageCount(h), 0);  // still alive after the temporary went
  ImageList_Destroy(h);
  CImageList* volatile none = nullptr;  // as callers holding a null pointer do
  EXPECT_EQ(none->GetSafeHandle(), nullptr);
  EXPECT_FALSE(CImageList().Create(9999u, 16, 1, CLR_NONE));  // no module holds the bitmap
}

TEST(CommonControls, ListCtrlColumnsItemsDataAndSorting) {
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, kRect, Host(), 501));
  EXPECT_STREQ(list.GetRuntimeClass()->m_lpszClassName, "CListCtrl");
  EXPECT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 100), 0);
  EXPECT_EQ(list.InsertColumn(1, "Value", LVCFMT_CENTER, 80), 1);
  EXPECT_EQ(list.InsertColumn(2, "Spare"), 2);
  EXPECT_EQ(list.GetColumnWidth(0), 100);
  EXPECT_EQ(list.GetColumnWidth(1), 80);
  LVCOLUMNA col{};
  col.mask = LVCF_FMT;
  ASSERT_TRUE(list.GetColumn(1, &col));
  EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER);
  EXPECT_TRUE(list.SetColumnWidth(0, 120));
  EXPECT_EQ(list.GetColumnWidth(0), 120);
  EXPECT_TRUE(list.DeleteColumn(2));

  EXPECT_EQ(list.InsertItem(0, "beta"), 0);
  EXPECT_EQ(list.InsertItem(1, "alpha"), 1);
  EXPECT_EQ(list.InsertItem(2, "gamma"), 2);
  EXPECT_EQ(list.GetItemCount(), 3);
  EXPECT_TRUE(list.SetItemText(0, 1, "b-value"));
  EXPECT_STREQ(list.GetItemText(0, 1), "b-value");
  EXPECT_STREQ(list.GetItemText(1, 0), "alpha");
  EXPECT_STREQ(list.GetItemText(1, 1), "");
  std::string longText(700, 'x');
  list.SetItemText(2, 1, longText.c_str());
  EXPECT_EQ(list.GetItemText(2, 1).GetLength(), 700);  // longer than the first buffer
  char buf[4];
  EXPECT_EQ(list.GetItemText(0, 0, buf, sizeof(buf)), 3);
  EXPECT_STREQ(buf, "bet");

  for (int i = 0; i < 3; ++i) EXPECT_TRUE(list.SetItemData(i, 10 + i));
  EXPECT_EQ(list.GetItemData(2), 12u);
  LVFINDINFOA find{};
  find.flags = LVFI_STRING;
  find.psz = "alpha";
  EXPECT_EQ(list.FindItem(&find), 1);
  find.flags = LVFI_PARAM;
  find.lParam = 12;
  EXPECT_EQ(list.FindItem(&find), 2);

  EXPECT_TRUE(list.SortItems(ByDataDescending, 0));  // by item data: 12, 11, 10
  EXPECT_STREQ(list.GetItemText(0, 0), "gamma");
  EXPECT_STREQ(list.GetItemText(2, 0), "beta");
  EXPECT_STREQ(list.GetItemText(2, 1), "b-value");  // sub-items move with their row

  LVITEMA item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = 3;
  item.pszText = const_cast<LPSTR>("delta");
  item.lParam = 99;
  EXPECT_EQ(list.InsertItem(&item), 3);
  EXPECT_EQ(list.GetItemData(3), 99u);
  EXPECT_TRUE(list.SetItem(3, 1, LVIF_TEXT, "d-value", 0, 0, 0, 0));
  EXPECT_STREQ(list.GetItemText(3, 1), "d-value");
  EXPECT_TRUE(list.DeleteItem(0));
  EXPECT_EQ(list.GetItemCount(), 3);
  EXPECT_TRUE(list.DeleteAllItems());
  EXPECT_EQ(list.GetItemCount(), 0);
  list.DestroyWindow();
}

TEST(CommonControls, ListCtrlChecksSelectionImagesAndGeometry) {
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, kRect, Host(), 502));
  list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
  EXPECT_EQ(list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT), 0u);
  EXPECT_EQ(list.GetExtendedStyle(), (DWORD)(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT));

  CImageList images;
  images.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2);
  CBitmap strip;
  MakeStrip(strip, 2);
  images.Add(&strip, kMagenta);
  EXPECT_EQ(list.SetImageList(&images, LVSIL_SMALL), nullptr);
  EXPECT_EQ(list.GetImageList(LVSIL_SMALL), &images);

  for (int i = 0; i < 4; ++i) list.InsertItem(i, ("row " + std::to_string(i)).c_str(), i % 2);
  LVITEMA item{};
  item.mask = LVIF_IMAGE;
  item.iItem = 1;
  ASSERT_TRUE(list.GetItem(&item));
  EXPECT_EQ(item.iImage, 1);

  EXPECT_FALSE(list.GetCheck(1));
  EXPECT_TRUE(list.SetCheck(1));
  EXPECT_TRUE(list.GetCheck(1));
  EXPECT_FALSE(list.GetCheck(0));
  EXPECT_EQ(list.GetItemState(1, LVIS_STATEIMAGEMASK), (UINT)INDEXTOSTATEIMAGEMASK(2));
  list.SetCheck(1, FALSE);
  EXPECT_FALSE(list.GetCheck(1));

  EXPECT_EQ(list.GetSelectedCount(), 0u);
  EXPECT_EQ(list.GetFirstSelectedItemPosition(), nullptr);
  list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
  list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
  EXPECT_EQ(list.GetSelectedCount(), 2u);
  std::vector<int> selected;
  for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
    selected.push_back(list.GetNextSelectedItem(pos));
  EXPECT_EQ(selected, (std::vector<int>{0, 2}));
  EXPECT_EQ(list.GetNextItem(0, LVNI_SELECTED), 2);
  EXPECT_EQ(list.GetItemState(2, LVIS_SELECTED), (UINT)LVIS_SELECTED);
  list.SetItemState(-1, 0, LVIS_SELECTED);  // every row
  EXPECT_EQ(list.GetSelectedCount(), 0u);

  CRect r;
  ASSERT_TRUE(list.GetItemRect(2, &r, LVIR_BOUNDS));
  EXPECT_GT(r.Height(), 0);
  UINT flags = 0;
  EXPECT_EQ(list.HitTest(CPoint(r.left + 30, (r.top + r.bottom) / 2), &flags), 2);
  EXPECT_TRUE(flags & LVHT_ONITEM);
  EXPECT_EQ(list.GetTopIndex(), 0);
  EXPECT_GT(list.GetCountPerPage(), 0);
  EXPECT_TRUE(list.EnsureVisible(3, FALSE));
  list.SetImageList(nullptr, LVSIL_SMALL);
  list.DestroyWindow();
}

TEST(CommonControls, TreeCtrlBuildsWalksAndSelects) {
  CTreeCtrl tree;
  ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, kRect, Host(), 503));
  HTREEITEM a = tree.InsertItem("A");
  HTREEITEM a1 = tree.InsertItem("A1", a);
  HTREEITEM a2 = tree.InsertItem("A2", 1, 2, a);
  HTREEITEM b = tree.InsertItem("B");
  ASSERT_TRUE(a && a1 && a2 && b);
  EXPECT_EQ(tree.GetCount(), 4u);
  EXPECT_EQ(tree.GetRootItem(), a);
  EXPECT_EQ(tree.GetChildItem(a), a1);
  EXPECT_EQ(tree.GetNextSiblingItem(a1), a2);
  EXPECT_EQ(tree.GetNextSiblingItem(a2), nullptr);
  EXPECT_EQ(tree.GetPrevSiblingItem(a2), a1);
  EXPECT_EQ(tree.GetNextSiblingItem(a), b);
  EXPECT_EQ(tree.GetParentItem(a1), a);
  EXPECT_TRUE(tree.ItemHasChildren(a));
  EXPECT_FALSE(tree.ItemHasChildren(b));
  EXPECT_STREQ(tree.GetItemText(a2), "A2");
  int image = 0, selectedImage = 0;
  ASSERT_TRUE(tree.GetItemImage(a2, image, selectedImage));
  EXPECT_EQ(image, 1);
  EXPECT_EQ(selectedImage, 2);
  EXPECT_TRUE(tree.SetItemText(b, std::string(400, 'b').c_str()));
  EXPECT_EQ(tree.GetItemText(b).GetLength(), 400);

  EXPECT_TRUE(tree.SetItemData(a1, 0x1234));
  EXPECT_EQ(tree.GetItemData(a1), 0x1234u);
  EXPECT_TRUE(tree.Expand(a, TVE_EXPAND));
  EXPECT_EQ(tree.GetItemState(a, TVIS_EXPANDED), (UINT)TVIS_EXPANDED);
  EXPECT_TRUE(tree.SelectItem(a2));
  EXPECT_EQ(tree.GetSelectedItem(), a2);
  CRect r;
  ASSERT_TRUE(tree.GetItemRect(a2, &r, TRUE));
  EXPECT_EQ(tree.HitTest(r.CenterPoint()), a2);
  EXPECT_TRUE(tree.DeleteItem(a1));
  EXPECT_EQ(tree.GetChildItem(a), a2);
  EXPECT_TRUE(tree.DeleteAllItems());
  EXPECT_EQ(tree.GetCount(), 0u);
  EXPECT_EQ(tree.GetRootItem(), nullptr);
  tree.DestroyWindow();
}

TEST(CommonControls, ToolTipToolsAndTexts) {
  CWnd* host = Host();
  CButton button;
  ASSERT_TRUE(button.Create("tool", WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 60, 30), host, 504));
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(host, TTS_ALWAYSTIP));
  EXPECT_TRUE(tip.GetStyle() & WS_POPUP);
  EXPECT_EQ(::GetWindow(tip.m_hWnd, GW_OWNER), host->m_hWnd);  // owned by the host

  EXPECT_TRUE(tip.AddTool(&button, "Hello"));
  EXPECT_EQ(tip.GetToolCount(), 1);
  CString text;
  tip.GetText(text, &button);
  EXPECT_STREQ(text, "Hello");
  TTTOOLINFOA ti{};
  ASSERT_TRUE(tip.GetToolInfo(&ti, &button));
  EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);  // the window is the tool; its parent is asked
  EXPECT_EQ(ti.hwnd, host->m_hWnd);
  EXPECT_EQ(ti.uId, (UINT_PTR)button.m_hWnd);
  tip.UpdateTipText("World", &button);
  tip.GetText(text, &button);
  EXPECT_STREQ(text, "World");

  CRect area(0, 0, 5, 5);
  EXPECT_TRUE(tip.AddTool(host, LPSTR_TEXTCALLBACKA, &area, 7));
  EXPECT_EQ(tip.GetToolCount(), 2);
  ASSERT_TRUE(tip.GetToolInfo(&ti, host, 7));
  EXPECT_EQ(CRect(ti.rect), area);
  tip.DelTool(&button);
  EXPECT_EQ(tip.GetToolCount(), 1);

  tip.SetMaxTipWidth(300);
  EXPECT_EQ(tip.GetMaxTipWidth(), 300);
  tip.SetDelayTime(TTDT_AUTOPOP, 5000);
  EXPECT_EQ(tip.GetDelayTime(TTDT_AUTOPOP), 5000);
  tip.SetDelayTime(400);
  EXPECT_EQ(tip.GetDelayTime(TTDT_INITIAL), 400);
  tip.Activate(FALSE);
  tip.DestroyWindow();
  button.DestroyWindow();
}

TEST(CommonControls, TabsProgressSliderAndSpin) {
  CTabCtrl tabs;
  ASSERT_TRUE(tabs.Create(WS_VISIBLE, kRect, Host(), 505));
  EXPECT_EQ(tabs.InsertItem(0, "One"), 0);
  EXPECT_EQ(tabs.InsertItem(1, "Two"), 1);
  EXPECT_EQ(tabs.GetItemCount(), 2);
  char buf[16] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<LPSTR>("Uno");
  EXPECT_TRUE(tabs.SetItem(0, &item));
  item.pszText = buf;
  item.cchTextMax = sizeof(buf);
  ASSERT_TRUE(tabs.GetItem(0, &item));
  EXPECT_STREQ(buf, "Uno");
  EXPECT_EQ(tabs.SetCurSel(1), 0);  // the previous selection
  EXPECT_EQ(tabs.GetCurSel(), 1);
  EXPECT_TRUE(tabs.DeleteAllItems());
  EXPECT_EQ(tabs.GetItemCount(), 0);
  tabs.DestroyWindow();

  CProgressCtrl progress;
  ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(0, 0, 200, 20), Host(), 506));
  progress.SetRange32(0, 200);
  int lo = -1, hi = -1;
  progress.GetRange(lo, hi);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 200);
  EXPECT_EQ(progress.SetPos(50), 0);
  EXPECT_EQ(progress.GetPos(), 50);
  progress.SetStep(10);
  EXPECT_EQ(progress.StepIt(), 50);
  EXPECT_EQ(progress.OffsetPos(5), 60);
  EXPECT_EQ(progress.GetPos(), 65);
  progress.DestroyWindow();

  CSliderCtrl slider;
  ASSERT_TRUE(slider.Create(WS_VISIBLE | TBS_AUTOTICKS, CRect(0, 0, 200, 30), Host(), 507));
  slider.SetRange(1, 5);
  slider.SetTicFreq(1);
  slider.GetRange(lo, hi);
  EXPECT_EQ(lo, 1);
  EXPECT_EQ(hi, 5);
  slider.SetPos(3);
  EXPECT_EQ(slider.GetPos(), 3);
  slider.SetPos(10);
  EXPECT_EQ(slider.GetPos(), 5);  // held to the range
  slider.SetPos(-2);
  EXPECT_EQ(slider.GetPos(), 1);
  slider.SetRange(0, 100000);  // beyond 16 bits
  EXPECT_EQ(slider.GetRangeMax(), 100000);
  slider.DestroyWindow();

  CEdit buddy;
  ASSERT_TRUE(buddy.Create(WS_VISIBLE, CRect(0, 0, 50, 20), Host(), 508));
  CSpinButtonCtrl spin;
  ASSERT_TRUE(spin.Create(WS_VISIBLE | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, CRect(50, 0, 66, 20),
                          Host(), 509));
  spin.SetRange(0, 100);
  spin.GetRange(lo, hi);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 100);
  spin.SetRange32(-1000, 100000);
  spin.GetRange32(lo, hi);
  EXPECT_EQ(lo, -1000);
  EXPECT_EQ(hi, 100000);
  spin.SetBuddy(&buddy);
  EXPECT_EQ(spin.GetBuddy()->m_hWnd, buddy.m_hWnd);
  spin.SetPos32(70000);
  BOOL error = TRUE;
  EXPECT_EQ(spin.GetPos32(&error), 70000);
  EXPECT_FALSE(error);
  CString shown;
  buddy.GetWindowText(shown);
  EXPECT_STREQ(shown, "70000");  // the buddy shows the position
  spin.DestroyWindow();
  buddy.DestroyWindow();
}
