// Owner-drawn menu: loading, changing, searching and drawing items, and a real pop-up.
#include <gtest/gtest.h>
#include <atomic>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <thread>
#include <vector>
#include "MenuTemplateReader.h"
#include "MpAppUiMenu.h"
#include "MpAppUiMenuSupport.h"
#include "controls_test.h"
#include "test_ids.h"
#include "thread_locale.h"

using ctltest::Canvas;
using ctltest::Pixel;

namespace {
const COLORREF kRed = RGB(255, 0, 0);

// A 16 x 16 image: a red square (4..11) on a light-grey, masked background.
void RedSquare(CImageList& list) {
  list.Create(16, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
  Canvas c(16, 16);
  c.fill(RGB(192, 192, 192));
  RECT r{4, 4, 12, 12};
  HBRUSH red = ::CreateSolidBrush(kRed);
  ::FillRect(c.dc(), &r, red);
  ::DeleteObject(red);
  CBitmap bmp;
  bmp.CreateBitmap(16, 16, 1, 32, nullptr);
  HDC mem = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(mem, bmp.m_hObject);
  ::BitBlt(mem, 0, 0, 16, 16, c.dc(), 0, 0, SRCCOPY);
  ::SelectObject(mem, old);
  ::DeleteDC(mem);
  list.Add(&bmp, RGB(192, 192, 192));
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The shared list lives for the whole process: create it before counting GDI objects.
    if (!MpAppUiMenu::m_AllImages.GetSafeHandle())
      MpAppUiMenu::m_AllImages.Create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 1);
    WarmUp();
    gdiBefore = ctltest::GdiCount();
    ASSERT_GT(gdiBefore, 0u) << "GDI objects are not counted";
  }
  void TearDown() override {
    MpAppUiMenu::SetMenuDrawMode(0);
    AfxDeleteTempMap();
    EXPECT_EQ(gdiBefore, ctltest::GdiCount()) << "GDI objects leaked";
  }
  DWORD gdiBefore = 0;
  // The system keeps what it makes on first use (desktop DC, fonts, the menu window's bitmaps):
  // make that once before anything is counted.
  static void WarmUp();
};

// Draws one item of the menu (by record) into the canvas at (0, 0, 160, 24).
void Draw(MpAppUiMenu& menu, Canvas& c, MpAppUiMenuData* rec, UINT state, UINT id = 0) {
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_MENU;
  dis.itemID = id;
  dis.itemState = state;
  dis.hDC = c.dc();
  dis.rcItem = {0, 0, 160, 24};
  dis.hwndItem = reinterpret_cast<HWND>(menu.m_hMenu);
  dis.itemData = reinterpret_cast<ULONG_PTR>(rec);
  menu.DrawItem(&dis);
}
// Whether two canvases of the item's size (160 x 24, as Draw paints) hold the same pixels.
bool Same(const Canvas& a, const Canvas& b) {
  for (int x = 0; x < 160; ++x)
    for (int y = 0; y < 24; ++y)
      if (a.at(x, y) != b.at(x, y)) return false;
  return true;
}
// Whether the 16 x 16 square at (x0, y0) of the canvas shows the list's image as it draws
// over the background colour.
::testing::AssertionResult ShowsImage(const Canvas& c, int x0, int y0, CImageList* list, int index,
                                      COLORREF back) {
  Canvas expected(16, 16);
  expected.fill(back);
  list->Draw(CDC::FromHandle(expected.dc()), index, CPoint(0, 0), ILD_TRANSPARENT);
  for (int x = 0; x < 16; ++x)
    for (int y = 0; y < 16; ++y)
      if (expected.at(x, y) != c.at(x0 + x, y0 + y)) {
        c.differs();
        return ::testing::AssertionFailure() << "image " << index << " differs at " << x << "," << y;
      }
  return ::testing::AssertionSuccess();
}
// A new pop-up menu of owner-drawn items, each a text and a command id.
void MakePopup(MpAppUiMenu& menu, std::initializer_list<std::pair<const wchar_t*, UINT>> items) {
  menu.CreatePopupMenu();
  for (const auto& item : items) menu.AppendODMenuW(item.first, 0, item.second, -1);
}
// The record the item at the position carries as its item data.
MpAppUiMenuData* ItemData(HMENU menu, int pos) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA;
  if (!::GetMenuItemInfoW(menu, pos, TRUE, &info)) return nullptr;
  return reinterpret_cast<MpAppUiMenuData*>(info.dwItemData);
}
MpAppUiMenuData* ItemData(const CMenu& menu, int pos) { return ItemData(menu.m_hMenu, pos); }
bool Holds(const MpAppUiMenu& menu, const MpAppUiMenuData* rec) {
  for (INT_PTR k = 0; k < menu.m_itemRecords.GetSize(); ++k)
    if (menu.m_itemRecords[k] == rec) return true;
  return false;
}
// Whether every item of the menu carries a record the menu holds, none shared with another item.
::testing::AssertionResult OwnRecords(const MpAppUiMenu& menu) {
  std::set<const MpAppUiMenuData*> seen;
  for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
    const MpAppUiMenuData* rec = ItemData(menu, i);
    if (!rec || !Holds(menu, rec)) return ::testing::AssertionFailure() << "item " << i << " carries no record";
    if (!seen.insert(rec).second) return ::testing::AssertionFailure() << "item " << i << " shares a record";
  }
  return ::testing::AssertionSuccess();
}
}  // namespace

void MenuTest::WarmUp() {
  static bool done = false;
  if (done) return;
  done = true;
  ctltest::MenuOwner owner;
  MpAppUiMenu menu;
  menu.LoadMenuA(IDR_WD_TEST_MENU);
  auto* file = static_cast<MpAppUiMenu*>(menu.GetSubMenu(0));
  Canvas c(160, 24);
  Draw(*file, c, file->m_itemRecords[0], ODS_GRAYED);
  Draw(*file, c, file->m_itemRecords[1], 0);
  owner.keys = {VK_ESCAPE};
  file->TrackPopupMenu(TPM_LEFTALIGN, 20, 20, &owner);
  owner.Pump();
  AfxDeleteTempMap();
}

TEST(MenuTemplateReader, ReadsNestedItemsAndRefusesMalformedTemplates) {
  // "&A" pop-up { "x" 7, "" pop-up (last) { "y" 8 (last) } } (last)
  const std::vector<uint8_t> good = {0, 0, 0, 0,  0x90, 0, '&', 0, 'A', 0, 0, 0,
                                     0, 0, 7, 0, 'x', 0, 0, 0,
                                     0x90, 0, 0, 0,
                                     0x80, 0, 8, 0, 'y', 0, 0, 0};
  std::vector<MenuTemplateItem> items;
  ASSERT_TRUE(readMenuTemplate(good.data(), good.size(), items));
  ASSERT_EQ(4u, items.size());
  EXPECT_EQ(u"&A", items[0].caption);
  EXPECT_EQ(7, items[1].id);
  EXPECT_TRUE(items[2].popup());
  EXPECT_EQ(u"y", items[3].caption);
  // Every cut short of the end, an extended template and an offset beyond the data fail.
  for (size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(readMenuTemplate(good.data(), n, items)) << n << " bytes";
  std::vector<uint8_t> extended = good, farOffset = good;
  extended[0] = 1;
  farOffset[2] = 0xFF;
  EXPECT_FALSE(readMenuTemplate(extended.data(), extended.size(), items));
  EXPECT_FALSE(readMenuTemplate(farOffset.data(), farOffset.size(), items));
  EXPECT_TRUE(items.empty());
}

TEST_F(MenuTest, LoadsABarOfPlainItemsWithOwnerDrawnPopupsAndFindsItems) {
  MpAppUiMenu menu;
  ASSERT_TRUE(menu.LoadMenuA(IDR_WD_TEST_MENU));
  EXPECT_TRUE(menu.m_fromMenuResource);
  ASSERT_EQ(2, menu.GetMenuItemCount());
  EXPECT_EQ(0u, menu.GetMenuState(0, MF_BYPOSITION) & MF_OWNERDRAW);  // bar: plain text
  EXPECT_EQ(MF_POPUP | MF_BYPOSITION, menu.m_itemRecords[0]->m_flags);
  auto* file = static_cast<MpAppUiMenu*>(menu.GetSubMenu(0));
  ASSERT_TRUE(file && file->IsKindOf(RUNTIME_CLASS(MpAppUiMenu)));
  EXPECT_TRUE(MpAppUiMenu::IsMenu(file));
  ASSERT_EQ(4, file->GetMenuItemCount());
  EXPECT_NE(0u, file->GetMenuState(0, MF_BYPOSITION) & MF_OWNERDRAW);
  EXPECT_EQ(MF_SEPARATOR | MF_OWNERDRAW, file->m_itemRecords[1]->m_flags);

  // Padded texts: the accelerators of a pop-up start at one pixel column.
  HDC dc = ::GetDC(nullptr);
  NONCLIENTMETRICSA m{};
  m.cbSize = 340;
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, m.cbSize, &m, 0);
  HFONT font = ::CreateFontIndirectA(&m.lfMenuFont);
  HGDIOBJ old = ::SelectObject(dc, font);
  auto lead = [&](const wchar_t* t) {
    SIZE s{};
    ::GetTextExtentPoint32W(dc, t, (int)(wcschr(t, L'\t') - t), &s);
    return s.cx;
  };
  const LONG open = lead(file->m_itemRecords[0]->GetText()), exit = lead(file->m_itemRecords[2]->GetText());
  ::SelectObject(dc, old);
  ::DeleteObject(font);
  ::ReleaseDC(nullptr, dc);
  EXPECT_LE(std::abs(open - exit), 8) << "accelerator columns differ";

  int loc = -1;
  EXPECT_EQ(file, menu.FindMenuOption(ID_WD_EXIT, loc));
  EXPECT_EQ(2, loc);
  auto* recent = menu.GetSubMpAppUiMenu(L"&Recent");
  ASSERT_NE(nullptr, recent);
  EXPECT_EQ(recent, menu.FindMenuOption(ID_WD_RECENT, loc));
  // A pop-up's handle is no command id.
  EXPECT_EQ(nullptr, menu.FindMenuOption((int)(UINT_PTR)recent->m_hMenu, loc));
  EXPECT_EQ(-1, loc);

  // Icons from a toolbar: every button whose command the menu knows gets a shared image.
  EXPECT_TRUE(menu.LoadToolbar(IDR_WD_TEST_TOOLBAR));
  EXPECT_GE(file->m_itemRecords[0]->m_sharedImageIndex, 0);
  EXPECT_EQ(-1, file->m_itemRecords[2]->m_sharedImageIndex);  // Exit has no button
  EXPECT_FALSE(menu.LoadToolbar(4711));

  // Menu-character search: '&x' in "E&xit" at position 2.
  EXPECT_EQ(MAKELRESULT(2, MNC_EXECUTE), MpAppUiMenu::FindKeyboardShortcut('X', MF_POPUP, file));
  EXPECT_EQ(0, MpAppUiMenu::FindKeyboardShortcut('q', MF_POPUP, file));
  EXPECT_EQ(0, MpAppUiMenu::FindKeyboardShortcut('x', 0, file));

  // Changing: an id found nowhere makes no record; a known one changes its record's text.
  const INT_PTR records = file->m_itemRecords.GetSize();
  EXPECT_FALSE(menu.ModifyODMenuW(L"Nowhere", 4242, -1));
  EXPECT_EQ(records, file->m_itemRecords.GetSize());
  EXPECT_TRUE(menu.ModifyODMenuW(L"Quit", ID_WD_EXIT, -1));
  EXPECT_STREQ(L"Quit", file->m_itemRecords[2]->GetText());

  // Positions are this menu's own; removing with both neighbours takes the separator before
  // and "&Recent" after, and leaves "&Open".
  EXPECT_EQ(-1, menu.GetMenuPosition(L"Quit"));
  EXPECT_EQ(2, file->GetMenuPosition(L"Quit"));
  EXPECT_EQ(2, file->RemoveMenu(L"Quit", MPAPPUI_BOTH));
  ASSERT_EQ(1, file->GetMenuItemCount());
  EXPECT_EQ(ID_WD_OPEN, (int)file->GetMenuItemID(0));
  ASSERT_EQ(1, file->m_itemRecords.GetSize());
  EXPECT_EQ(0, wcsncmp(L"&Open", file->m_itemRecords[0]->GetText(), 5));
  EXPECT_EQ(nullptr, menu.GetSubMpAppUiMenu(L"&Recent"));
  EXPECT_EQ(-1, file->DeleteMenu(L"Quit", MPAPPUI_HEAD));
}

TEST_F(MenuTest, SharedImagesAndBorrowedSubMenusAreNotFreedByTheBorrower) {
  CImageList icon;
  RedSquare(icon);
  CMenu hostMenu;  // a sub-menu the host owns
  hostMenu.CreatePopupMenu();
  {
    MpAppUiMenu menu;
    menu.CreatePopupMenu();
    menu.LoadCheckmarkBitmap(IDR_WD_TEST_TOOLBAR, IDR_WD_TEST_TOOLBAR);
    ASSERT_NE(nullptr, menu.m_checkImages);
    const int checkImages = menu.m_checkImages->GetImageCount();
    EXPECT_GE(checkImages, 2);
    MpAppUiMenu* sub = menu.AppendODPopupMenuW(L"Sub");
    EXPECT_EQ(menu.m_checkImages, sub->m_checkImages);
    sub->DestroyMenu();  // the borrower leaves the list alone
    EXPECT_EQ(checkImages, menu.m_checkImages->GetImageCount());
    menu.AppendODMenuW(L"Host", MF_POPUP, reinterpret_cast<UINT_PTR>(hostMenu.m_hMenu), -1);

    // The shared list: a second image for a command replaces the first in place.
    const int first = menu.AddToGlobalImageList(&icon, 0, 777);
    const INT_PTR ids = MpAppUiMenu::m_AllImagesID.GetSize();
    EXPECT_EQ(first, menu.AddToGlobalImageList(&icon, 0, 777));
    EXPECT_EQ(ids, MpAppUiMenu::m_AllImagesID.GetSize());
    EXPECT_EQ(-1, menu.AddToGlobalImageList(&icon, 5, 778));
    ::RemoveMenu(menu.m_hMenu, 1, MF_BYPOSITION);  // the host takes its menu back
  }
  EXPECT_TRUE(::IsMenu(hostMenu.m_hMenu));
  EXPECT_FALSE(MpAppUiMenu::IsMenu(hostMenu.m_hMenu));
}

TEST_F(MenuTest, RemovingOneOfTwoItemsWithOneIdDropsThatItemsRecordOnly) {
  MpAppUiMenu menu;
  MakePopup(menu, {{L"First", 50}, {L"Middle", 51}, {L"Second", 50}});
  MpAppUiMenuData* first = menu.m_itemRecords[0];
  auto dataAt = [&](int pos) { return ItemData(menu, pos); };
  EXPECT_TRUE(menu.RemoveMenu(2, MF_BYPOSITION));
  ASSERT_EQ(2, menu.m_itemRecords.GetSize());
  EXPECT_EQ(first, menu.m_itemRecords[0]);
  EXPECT_EQ(first, dataAt(0));
  EXPECT_STREQ(L"First", first->GetText());
  // By command: the first item with the id goes, with its own record.
  EXPECT_TRUE(menu.DeleteMenu(50, MF_BYCOMMAND));
  ASSERT_EQ(1, menu.m_itemRecords.GetSize());
  EXPECT_STREQ(L"Middle", menu.m_itemRecords[0]->GetText());
  EXPECT_EQ(menu.m_itemRecords[0], dataAt(0));
  Canvas c(160, 24);
  Draw(menu, c, dataAt(0), 0, 51);
}

// One command on several items, one of them in a sub-menu: a change reaches each item, and each
// keeps a record of its own menu, so removing one leaves the others' records alive.
TEST_F(MenuTest, ChangingACommandOnSeveralItemsKeepsEachItemsOwnRecord) {
  MpAppUiMenu menu;
  MakePopup(menu, {{L"One", 5}, {L"Two", 6}, {L"Again", 5}});
  MpAppUiMenu* sub = menu.AppendODPopupMenuW(L"More");
  sub->AppendODMenuW(L"Deep", 0, 5, -1);

  EXPECT_TRUE(menu.ModifyODMenuW(L"X", 5, -1));
  EXPECT_EQ(menu.m_itemRecords[0], ItemData(menu, 0));
  EXPECT_EQ(menu.m_itemRecords[2], ItemData(menu, 2));
  EXPECT_EQ(sub->m_itemRecords[0], ItemData(*sub, 0));
  EXPECT_NE(ItemData(menu, 0), ItemData(menu, 2));
  for (MpAppUiMenuData* rec : {menu.m_itemRecords[0], menu.m_itemRecords[2], sub->m_itemRecords[0]})
    EXPECT_STREQ(L"X", rec->GetText());
  EXPECT_STREQ(L"Two", ItemData(menu, 1)->GetText());
  EXPECT_EQ(5u, menu.GetMenuItemID(2));
  EXPECT_NE(0u, menu.GetMenuState(2, MF_BYPOSITION) & MF_OWNERDRAW);
  EXPECT_FALSE(menu.ModifyODMenuW(L"None", 4711, -1));

  EXPECT_TRUE(menu.RemoveMenu(2, MF_BYPOSITION));
  ASSERT_EQ(3, menu.m_itemRecords.GetSize());
  EXPECT_EQ(menu.m_itemRecords[0], ItemData(menu, 0));
  EXPECT_STREQ(L"X", ItemData(menu, 0)->GetText());
  Canvas c(160, 24);
  Draw(menu, c, ItemData(menu, 0), 0, 5);

  // An item the host removed itself leaves its record behind, out of step with the positions:
  // each item still keeps the record it carries.
  MpAppUiMenu other;
  MakePopup(other, {{L"One", 5}, {L"Two", 6}, {L"Again", 5}, {L"Last", 5}});
  ::RemoveMenu(other.m_hMenu, 1, MF_BYPOSITION);
  EXPECT_TRUE(other.ModifyODMenuW(L"Y", 5, -1));
  EXPECT_EQ(other.m_itemRecords[0], ItemData(other, 0));
  EXPECT_EQ(other.m_itemRecords[2], ItemData(other, 1));
  EXPECT_EQ(other.m_itemRecords[3], ItemData(other, 2));
  EXPECT_STREQ(L"Y", ItemData(other, 2)->GetText());
}

// A pop-up's id is its menu's handle, no command: an image given with it is not filed in the
// shared list by command, nor is a separator's.
TEST_F(MenuTest, APopupOrSeparatorInsertedWithAnImageFilesNothingInTheSharedList) {
  CImageList icon;
  RedSquare(icon);
  CMenu hostMenu;
  hostMenu.CreatePopupMenu();
  const UINT_PTR handle = reinterpret_cast<UINT_PTR>(hostMenu.m_hMenu);
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  const INT_PTR ids = MpAppUiMenu::m_AllImagesID.GetSize();
  EXPECT_TRUE(menu.InsertODMenuW(0, L"Sub", MF_BYPOSITION | MF_POPUP, handle, &icon, 0));
  EXPECT_TRUE(menu.InsertMenuW(1, MF_BYPOSITION, 0, L"", &icon, 0));
  EXPECT_EQ(ids, MpAppUiMenu::m_AllImagesID.GetSize());
  EXPECT_EQ(-1, MpAppUiMenu::GlobalImageListOffset((int)handle));
  EXPECT_EQ(-1, menu.m_itemRecords[0]->m_sharedImageIndex);
  EXPECT_EQ(-1, menu.m_itemRecords[1]->m_sharedImageIndex);
  EXPECT_TRUE(MpAppUiMenu::IsMenu(hostMenu.m_hMenu));
  // A command inserted the same way gets its image there.
  EXPECT_TRUE(menu.InsertODMenuW(2, L"Red", MF_BYPOSITION, 801, &icon, 0));
  EXPECT_EQ(MpAppUiMenu::GlobalImageListOffset(801), menu.m_itemRecords[2]->m_sharedImageIndex);
  EXPECT_GE(menu.m_itemRecords[2]->m_sharedImageIndex, 0);
  ::RemoveMenu(menu.m_hMenu, 0, MF_BYPOSITION);  // the host takes its menu back
}

// The 8-bit forms read and give text in the thread's code page, also where the system's differs.
TEST_F(MenuTest, EightBitTextFollowsTheThreadsCodePage) {
  wdtest::RussianThread russian;
  if (!russian.ready()) GTEST_SKIP() << "no Russian thread on a code-page-1252 system";
  MpAppUiMenuData rec;
  rec.SetTextA("\xC0");
  EXPECT_STREQ(L"\u0410", rec.GetText());
  EXPECT_EQ("\xC0", std::string(rec.GetTextA()));

  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  EXPECT_TRUE(menu.AppendODMenuA("\xC0\xC1", 0, 90, -1));
  EXPECT_TRUE(menu.InsertODMenuA(0, "\xC2", MF_BYPOSITION, 91, -1));
  EXPECT_STREQ(L"\u0410\u0411", menu.m_itemRecords[1]->GetText());
  EXPECT_STREQ(L"\u0412", menu.m_itemRecords[0]->GetText());
  EXPECT_TRUE(menu.ModifyODMenuA("\xC3", 90));
  EXPECT_STREQ(L"\u0413", menu.m_itemRecords[1]->GetText());
  EXPECT_TRUE(menu.SetMenuText(91, "\xC4", MF_BYCOMMAND));
  EXPECT_STREQ(L"\u0414", menu.m_itemRecords[0]->GetText());
  CString text;
  EXPECT_TRUE(menu.GetMenuText(90, text, MF_BYCOMMAND));
  EXPECT_EQ("\xC3", std::string(text));
  EXPECT_EQ(1, menu.GetMenuPosition("\xC3"));
}

// A host's own plain item stands before an owner-drawn item with the same command: changing the
// command, icons from a toolbar and synchronising each leave every item a record of its own, so
// removing the owner-drawn item leaves the host's item measured and drawn from live memory.
TEST_F(MenuTest, AHostsOwnItemBesideAnOwnerDrawnOneGetsARecordOfItsOwn) {
  auto hostThenDrawn = [](MpAppUiMenu& menu, UINT id) {
    menu.CreatePopupMenu();
    ::AppendMenuW(menu.m_hMenu, MF_STRING, id, L"Host");
    menu.AppendODMenuW(L"Drawn", MF_OWNERDRAW, id, -1);
    return ItemData(menu, 1);
  };
  Canvas c(160, 24);
  auto removeDrawnAndDraw = [&](MpAppUiMenu& menu, UINT id, const wchar_t* hostText) {
    ASSERT_TRUE(menu.RemoveMenu(1, MF_BYPOSITION));
    MpAppUiMenuData* rec = ItemData(menu, 0);
    ASSERT_EQ(1, menu.m_itemRecords.GetSize());
    ASSERT_EQ(rec, menu.m_itemRecords[0]);
    EXPECT_STREQ(hostText, rec->GetText());
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_MENU;
    mis.itemID = id;
    mis.itemData = reinterpret_cast<ULONG_PTR>(rec);
    menu.MeasureItem(&mis);
    EXPECT_GT(mis.itemWidth, (UINT)MpAppUiMenu::m_iconX * 2);
    Draw(menu, c, rec, 0, id);
  };
  {
    MpAppUiMenu menu;
    MpAppUiMenuData* drawn = hostThenDrawn(menu, 5);
    EXPECT_TRUE(menu.ModifyODMenuW(L"Renamed", 5, -1));
    EXPECT_EQ(drawn, ItemData(menu, 1));
    EXPECT_TRUE(OwnRecords(menu));
    removeDrawnAndDraw(menu, 5, L"Renamed");
  }
  {
    MpAppUiMenu menu;  // without a text each item keeps its own
    hostThenDrawn(menu, 5);
    EXPECT_TRUE(menu.ModifyODMenuW(nullptr, 5, -1));
    EXPECT_TRUE(OwnRecords(menu));
    EXPECT_STREQ(L"Host", ItemData(menu, 0)->GetText());
    EXPECT_STREQ(L"Drawn", ItemData(menu, 1)->GetText());
  }
  {
    ctltest::MenuOwner parent;
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0)));
    ASSERT_TRUE(bar.LoadToolBar(IDR_WD_TEST_TOOLBAR));
    MpAppUiMenu menu;
    MpAppUiMenuData* drawn = hostThenDrawn(menu, ID_WD_COPY);
    EXPECT_TRUE(menu.AddFromToolBar(&bar, IDR_WD_TEST_TOOLBAR));
    EXPECT_EQ(drawn, ItemData(menu, 1));
    EXPECT_TRUE(OwnRecords(menu));
    EXPECT_EQ(IDR_WD_TEST_TOOLBAR, ItemData(menu, 0)->m_imageSource);
    EXPECT_EQ(IDR_WD_TEST_TOOLBAR, drawn->m_imageSource);
    EXPECT_NE(0u, menu.GetMenuState(0, MF_BYPOSITION) & MF_OWNERDRAW);
    removeDrawnAndDraw(menu, ID_WD_COPY, L"Host");
  }
  {
    MpAppUiMenu menu;  // the host puts its item in front, then the menu is synchronised
    menu.CreatePopupMenu();
    menu.AppendODMenuW(L"Drawn", MF_OWNERDRAW, 5, -1);
    MpAppUiMenuData* drawn = ItemData(menu, 0);
    ::InsertMenuW(menu.m_hMenu, 0, MF_BYPOSITION | MF_STRING, 5, L"Host");
    MpAppUiMenu::UpdateMenu(&menu);
    EXPECT_EQ(drawn, ItemData(menu, 1));
    EXPECT_STREQ(L"Drawn", drawn->GetText());
    EXPECT_TRUE(OwnRecords(menu));
    // By position, the text of each item is its own record's.
    CString text;
    EXPECT_TRUE(menu.GetMenuText(1, text, MF_BYPOSITION));
    EXPECT_EQ("Drawn", std::string(text));
    removeDrawnAndDraw(menu, 5, L"Host");
  }
  {
    MpAppUiMenu menu;  // the host gave one item's record to another: it stays while one carries it
    MakePopup(menu, {{L"One", 6}, {L"Two", 6}});
    MpAppUiMenuData* two = ItemData(menu, 1);
    ::ModifyMenuW(menu.m_hMenu, 0, MF_BYPOSITION | MF_OWNERDRAW, 6, reinterpret_cast<LPCWSTR>(two));
    ASSERT_TRUE(menu.RemoveMenu(1, MF_BYPOSITION));
    EXPECT_TRUE(Holds(menu, two));
    EXPECT_EQ(two, ItemData(menu, 0));
    MpAppUiMenu::UpdateMenu(&menu);
    EXPECT_TRUE(OwnRecords(menu));
    EXPECT_EQ(1, menu.m_itemRecords.GetSize());
  }
}

// A host's own plain sub-menu in an owner-drawn menu is not the menu's: nothing the menu does by
// command reaches its items, and none of them carries a record of the menu's.
TEST_F(MenuTest, AHostsOwnSubMenuIsLeftAsTheHostMadeIt) {
  ctltest::MenuOwner parent;
  CToolBar bar;
  ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0)));
  ASSERT_TRUE(bar.LoadToolBar(IDR_WD_TEST_TOOLBAR));
  // An owner-drawn item, then the host's sub-menu holding the toolbar's Copy command only.
  auto build = [](MpAppUiMenu& menu) {
    MakePopup(menu, {{L"&Drawn", 5}});
    HMENU host = ::CreatePopupMenu();
    ::AppendMenuW(host, MF_STRING, ID_WD_COPY, L"Host copy");
    ::AppendMenuW(menu.m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(host), L"&Host sub");
    return host;
  };
  auto asTheHostMadeIt = [](HMENU host) -> ::testing::AssertionResult {
    wchar_t text[32] = {};
    ::GetMenuStringW(host, 0, text, 32, MF_BYPOSITION);
    if (::GetMenuItemCount(host) != 1 || ::GetMenuItemID(host, 0) != ID_WD_COPY)
      return ::testing::AssertionFailure() << "the host's item is gone";
    if (::GetMenuState(host, 0, MF_BYPOSITION) & MF_OWNERDRAW)
      return ::testing::AssertionFailure() << "the host's item was made owner-drawn";
    if (wcscmp(text, L"Host copy") != 0) return ::testing::AssertionFailure() << "the host's text is lost";
    if (ItemData(host, 0)) return ::testing::AssertionFailure() << "the host's item carries a record";
    return ::testing::AssertionSuccess();
  };
  for (const bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "menu-character search" : "UpdateMenu");
    MpAppUiMenu menu;
    HMENU host = build(menu);
    EXPECT_TRUE(menu.AddFromToolBar(&bar, IDR_WD_TEST_TOOLBAR));
    EXPECT_TRUE(asTheHostMadeIt(host));
    EXPECT_EQ(1, menu.m_itemRecords.GetSize()) << "a record was made for an item that is not the menu's";
    // Synchronising gives the menu's own items records; the host's sub-menu keeps none.
    if (byKey)
      EXPECT_EQ(MAKELRESULT(1, MNC_EXECUTE), MpAppUiMenu::FindKeyboardShortcut('h', MF_POPUP, &menu));
    else
      MpAppUiMenu::UpdateMenu(&menu);
    EXPECT_TRUE(OwnRecords(menu));
    EXPECT_TRUE(asTheHostMadeIt(host));
  }
  {
    MpAppUiMenu menu;  // the same command in the menu's own sub-menu gets the image; the host's not
    HMENU host = build(menu);
    MpAppUiMenu* own = menu.AppendODPopupMenuW(L"Own");
    own->AppendODMenuW(L"Own copy", 0, ID_WD_COPY, -1);
    EXPECT_TRUE(menu.AddFromToolBar(&bar, IDR_WD_TEST_TOOLBAR));
    EXPECT_EQ(IDR_WD_TEST_TOOLBAR, ItemData(*own, 0)->m_imageSource);
    EXPECT_TRUE(OwnRecords(*own));
    EXPECT_TRUE(menu.LoadToolbar(IDR_WD_TEST_TOOLBAR));
    EXPECT_TRUE(asTheHostMadeIt(host));
    // Removing by command: the menu's own item goes, the host's stays; the host's pop-up item,
    // which stands in the menu, goes by its handle.
    EXPECT_TRUE(menu.DeleteMenu(ID_WD_COPY, MF_BYCOMMAND));
    EXPECT_EQ(0, own->GetMenuItemCount());
    EXPECT_FALSE(menu.DeleteMenu(ID_WD_COPY, MF_BYCOMMAND));
    EXPECT_FALSE(menu.RemoveMenu(ID_WD_COPY, MF_BYCOMMAND));
    EXPECT_TRUE(asTheHostMadeIt(host));
    EXPECT_TRUE(menu.RemoveMenu((UINT)(UINT_PTR)host, MF_BYCOMMAND));
    EXPECT_EQ(2, menu.GetMenuItemCount());
    EXPECT_EQ(2, menu.m_itemRecords.GetSize());
    EXPECT_TRUE(asTheHostMadeIt(host));
    ::DestroyMenu(host);
  }
  {
    // A checked item is drawn with its own check bitmaps, not those of a host's item of the same
    // command that stands before it.
    const UINT kChecked = 4712;  // a command without a shared image, so a Windows tick is drawn
    HBITMAP dot = ::CreateBitmap(13, 13, 1, 1, nullptr);
    Canvas alone(160, 24), behindHost(160, 24), ownBitmap(160, 24);
    {
      MpAppUiMenu menu;
      MakePopup(menu, {{L"Copy", kChecked}});
      MpAppUiMenuData* rec = ItemData(menu, 0);
      Draw(menu, alone, rec, ODS_CHECKED, kChecked);
      HMENU host = ::CreatePopupMenu();
      ::AppendMenuW(host, MF_STRING | MF_CHECKED, kChecked, L"Host copy");
      ::SetMenuItemBitmaps(host, 0, MF_BYPOSITION, nullptr, dot);
      ::InsertMenuW(menu.m_hMenu, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(host), L"Host sub");
      Draw(menu, behindHost, rec, ODS_CHECKED, kChecked);
      ::SetMenuItemBitmaps(menu.m_hMenu, 1, MF_BYPOSITION, nullptr, dot);
      Draw(menu, ownBitmap, rec, ODS_CHECKED, kChecked);
    }
    if (!Same(alone, behindHost)) behindHost.differs();
    EXPECT_TRUE(Same(alone, behindHost)) << "the host's check bitmap was drawn";
    EXPECT_FALSE(Same(alone, ownBitmap)) << "the item's own check bitmap was not drawn";
    ::DeleteObject(dot);
  }
}

// An owner-drawn item's caption is its record's: a rename through the menu outlasts the next
// synchronisation, though Windows may still hold the caption the host gave the item.
TEST_F(MenuTest, ARenameThroughTheMenuOutlastsTheNextSynchronisation) {
  using Rename = BOOL (*)(MpAppUiMenu& top, MpAppUiMenu& sub);
  const Rename renames[] = {
      [](MpAppUiMenu&, MpAppUiMenu& sub) { return sub.SetMenuText(0, "&Renamed", MF_BYPOSITION); },
      [](MpAppUiMenu& top, MpAppUiMenu&) { return top.SetMenuText(5, "&Renamed", MF_BYCOMMAND); },
      [](MpAppUiMenu&, MpAppUiMenu& sub) { return sub.ModifyODMenuW(L"&Renamed", 5, -1); },
      [](MpAppUiMenu& top, MpAppUiMenu&) { return top.ModifyODMenuW(L"&Renamed", 5, -1); },
  };
  for (const Rename rename : renames) {
    SCOPED_TRACE(&rename - renames);
    MpAppUiMenu top;
    MakePopup(top, {{L"&Top", 4}});
    MpAppUiMenu* sub = top.AppendODPopupMenuW(L"&Sub");
    ::AppendMenuW(sub->m_hMenu, MF_STRING, 5, L"&Host");
    MpAppUiMenu::UpdateMenu(sub);  // the menu takes the host's item over
    EXPECT_TRUE(rename(top, *sub));
    MpAppUiMenu::UpdateMenu(sub);
    ::AppendMenuW(sub->m_hMenu, MF_STRING, 6, L"Other");  // the search synchronises once more
    EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE), MpAppUiMenu::FindKeyboardShortcut('r', MF_POPUP, sub));
    EXPECT_EQ(0, MpAppUiMenu::FindKeyboardShortcut('h', MF_POPUP, sub));
    EXPECT_STREQ(L"&Renamed", ItemData(*sub, 0)->GetText());
  }
  MpAppUiMenu menu;  // a host's pop-up taken over and renamed is found by its new name only
  MakePopup(menu, {{L"&Drawn", 5}});
  HMENU recent = ::CreatePopupMenu();
  ::AppendMenuW(menu.m_hMenu, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), L"&Recent");
  MpAppUiMenu::UpdateMenu(&menu);
  EXPECT_TRUE(menu.SetMenuText(1, "&Files", MF_BYPOSITION));
  MpAppUiMenu::UpdateMenu(&menu);
  CMenu* found = menu.GetSubMenu("&Files");
  EXPECT_EQ(recent, found ? found->m_hMenu : nullptr);
  EXPECT_EQ(nullptr, menu.GetSubMenu("&Recent"));
}

// Removing an own pop-up leaves the menus the host put in it alive, as Windows' RemoveMenu does;
// deleting it destroys them, as Windows' DeleteMenu does.
TEST_F(MenuTest, RemovingAnOwnPopupLeavesTheHostsSubMenusInItAlive) {
  for (const int how : {0, 1, 2, 3}) {  // removed by position, by command, by text; deleted
    SCOPED_TRACE(how);
    const INT_PTR listed = MpAppUiMenu::m_AllSubMenus.GetSize();
    const size_t records = liveMenuRecordCount();
    MpAppUiMenu menu;
    MakePopup(menu, {{L"&Drawn", 5}});
    MpAppUiMenu* own = menu.AppendODPopupMenuW(L"&Own");
    MpAppUiMenu* nested = own->AppendODPopupMenuW(L"&Nested");
    for (UINT id = 20; id < 30; ++id) (id % 2 ? own : nested)->AppendODMenuW(L"Item", 0, id, -1);
    const HMENU ownHandle = own->m_hMenu, nestedHandle = nested->m_hMenu;
    HMENU hostMenus[] = {::CreatePopupMenu(), ::CreatePopupMenu()};
    for (HMENU h : hostMenus) ::AppendMenuW(h, MF_STRING, 8, L"one.txt");
    ::AppendMenuW(ownHandle, MF_POPUP, reinterpret_cast<UINT_PTR>(hostMenus[0]), L"&Recent");
    nested->AppendODMenuW(L"&Kept", MF_POPUP, reinterpret_cast<UINT_PTR>(hostMenus[1]), -1);
    EXPECT_TRUE(how == 0   ? menu.RemoveMenu(1, MF_BYPOSITION)
                : how == 1 ? menu.RemoveMenu((UINT)(UINT_PTR)ownHandle, MF_BYCOMMAND)
                : how == 2 ? menu.RemoveMenu(L"&Own") == 1
                           : menu.DeleteMenu(1, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(ownHandle) || ::IsMenu(nestedHandle));
    EXPECT_EQ(listed, MpAppUiMenu::m_AllSubMenus.GetSize());
    EXPECT_EQ(1, menu.m_itemRecords.GetSize());
    EXPECT_EQ(records + 1, liveMenuRecordCount()) << "the removed items' records are not all gone";
    for (HMENU h : hostMenus) {
      EXPECT_EQ(how != 3, !!::IsMenu(h));
      if (how == 3) continue;
      EXPECT_TRUE(::AppendMenuW(h, MF_STRING, 10, L"new.txt"));
      EXPECT_EQ(2, ::GetMenuItemCount(h));
      ::DestroyMenu(h);
    }
  }
}

// A host empties a menu item by item: from the end, from the front, by command and by text. It has
// copied one item to the end, data and all, and put a plain item of its own with another item's
// command among them. Each removal frees the records of the items that go, once, and no other: the
// record two items carry stays until the second goes, and a host's item takes no record with it.
TEST_F(MenuTest, EmptyingAMenuItemByItemFreesEachRecordOnceAndKeepsOneAnotherItemCarries) {
  for (const int how : {0, 1, 2, 3}) {
    SCOPED_TRACE(how);
    const size_t records = liveMenuRecordCount();
    MpAppUiMenu menu;
    menu.CreatePopupMenu();
    for (UINT i = 0; i < 8; ++i) menu.AppendODMenuW((L"Item " + std::to_wstring(i)).c_str(), 0, 60 + i, -1);
    const LPCWSTR shared = reinterpret_cast<LPCWSTR>(ItemData(menu, 2));
    ASSERT_TRUE(::AppendMenuW(menu.m_hMenu, MF_OWNERDRAW, 99, shared));
    ASSERT_TRUE(::InsertMenuW(menu.m_hMenu, 4, MF_BYPOSITION | MF_STRING, 61, L"Host's"));
    // The records alive are those the remaining items carry, each held by the menu once.
    auto leftAsCarried = [&]() -> ::testing::AssertionResult {
      std::set<const MpAppUiMenuData*> carried;
      for (int i = 0; i < menu.GetMenuItemCount(); ++i)
        if (const MpAppUiMenuData* rec = ItemData(menu, i)) carried.insert(rec);
      std::set<const MpAppUiMenuData*> held;
      for (INT_PTR k = 0; k < menu.m_itemRecords.GetSize(); ++k) held.insert(menu.m_itemRecords[k]);
      if (held != carried || held.size() != (size_t)menu.m_itemRecords.GetSize())
        return ::testing::AssertionFailure() << held.size() << " records held, " << carried.size() << " carried";
      if (liveMenuRecordCount() != records + held.size())
        return ::testing::AssertionFailure() << liveMenuRecordCount() - records << " records alive";
      return ::testing::AssertionSuccess();
    };
    ASSERT_TRUE(leftAsCarried());
    for (int removed = 0; menu.GetMenuItemCount() > 0; ++removed) {
      SCOPED_TRACE(removed);
      const int count = menu.GetMenuItemCount();
      if (how == 0) {
        EXPECT_TRUE(menu.RemoveMenu((UINT)count - 1, MF_BYPOSITION));
      } else if (how == 1) {
        EXPECT_TRUE(menu.DeleteMenu(0, MF_BYPOSITION));
      } else if (how == 2) {
        const UINT id = ::GetMenuItemID(menu.m_hMenu, 0);
        EXPECT_TRUE(menu.RemoveMenu(id, MF_BYCOMMAND));
      } else {
        // By the caption the first item shows; the host's plain item by position.
        const MpAppUiMenuData* rec = ItemData(menu, 0);
        if (rec) {
          EXPECT_EQ(0, menu.DeleteMenu(rec->GetText()));
        } else {
          EXPECT_TRUE(menu.DeleteMenu(0, MF_BYPOSITION));
        }
      }
      ASSERT_EQ(count - 1, menu.GetMenuItemCount());
      ASSERT_TRUE(leftAsCarried());  // at the end: no record held, none alive
    }
  }
}

// Drawing reads only the item drawn: an owner-drawn item without a record of the menu's, with no
// data or with the host's own, is not taken for another item, and the host's data is not read.
TEST_F(MenuTest, AnItemWithoutARecordOfTheMenusIsDrawnWithItsOwnCheckMark) {
  const UINT kChecked = 4713;  // no shared image: a Windows tick is drawn
  HBITMAP dot = ::CreateBitmap(13, 13, 1, 1, nullptr);
  std::vector<unsigned char> hostData(256, 0xCD);
  const auto data = reinterpret_cast<ULONG_PTR>(hostData.data());
  for (const UINT look : {0u, 1u}) {
    SCOPED_TRACE(look);
    MpAppUiMenu::SetMenuDrawMode(look);
    Canvas alone(160, 24), afterOther(160, 24), withHostData(160, 24);
    MpAppUiMenu menu;
    menu.CreatePopupMenu();
    ::AppendMenuW(menu.m_hMenu, MF_OWNERDRAW | MF_CHECKED, kChecked, nullptr);
    Draw(menu, alone, nullptr, ODS_CHECKED, kChecked);
    ::InsertMenuW(menu.m_hMenu, 0, MF_BYPOSITION | MF_STRING, kChecked + 1, L"Other");
    ::SetMenuItemBitmaps(menu.m_hMenu, 0, MF_BYPOSITION, nullptr, dot);
    Draw(menu, afterOther, nullptr, ODS_CHECKED, kChecked);
    EXPECT_TRUE(Same(alone, afterOther)) << "another item's check bitmap was drawn";
    // A plain item of the same command, without data: Windows draws it, so it is not the item drawn.
    ::InsertMenuW(menu.m_hMenu, 0, MF_BYPOSITION | MF_STRING, kChecked, L"Plain");
    ::SetMenuItemBitmaps(menu.m_hMenu, 0, MF_BYPOSITION, nullptr, dot);
    Draw(menu, afterOther, nullptr, ODS_CHECKED, kChecked);
    EXPECT_TRUE(Same(alone, afterOther)) << "a plain item's check bitmap was drawn";
    ::DeleteMenu(menu.m_hMenu, 0, MF_BYPOSITION);
    if (!look) {  // the tick's first stroke, left of where a radio dot would stand
      EXPECT_TRUE(Pixel(alone, 1 + 4, 2 + 2 + 4 + 2, ::GetSysColor(COLOR_MENUTEXT)));
    }
    ::ModifyMenuW(menu.m_hMenu, 1, MF_BYPOSITION | MF_OWNERDRAW | MF_CHECKED, kChecked,
                  reinterpret_cast<LPCWSTR>(data));  // the host's own data
    MEASUREITEMSTRUCT mis{ODT_MENU, 0, kChecked, 0, 0, data};
    menu.MeasureItem(&mis);
    EXPECT_EQ((UINT)std::max(::GetSystemMetrics(SM_CYMENU), 16 + (look ? 7 : 4)), mis.itemHeight);
    Draw(menu, withHostData, reinterpret_cast<MpAppUiMenuData*>(data), ODS_CHECKED, kChecked);
    EXPECT_TRUE(Same(alone, withHostData)) << "the host's data was drawn as a record";
  }
  ::DeleteObject(dot);
}

// A host may hand the items of every sub-menu to the one menu object it holds, its bar: an item is
// measured and drawn from its record the same through the bar as through its own menu, at any depth.
TEST_F(MenuTest, AnItemIsMeasuredAndDrawnTheSameThroughAnyMenuOfItsTree) {
  std::vector<unsigned char> hostData(256, 0xCD);
  // The item at the position of the holder, measured or drawn through the menu object given, as
  // Windows fills the structures: a pop-up item's id is its sub-menu, hwndItem the holder.
  auto item = [](MpAppUiMenu& holder, int pos) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA | MIIM_ID | MIIM_SUBMENU;
    EXPECT_TRUE(::GetMenuItemInfoW(holder.m_hMenu, pos, TRUE, &info));
    if (info.hSubMenu) info.wID = (UINT)(UINT_PTR)info.hSubMenu;
    return info;
  };
  auto measure = [&](MpAppUiMenu& through, MpAppUiMenu& holder, int pos) {
    const MENUITEMINFOW info = item(holder, pos);
    MEASUREITEMSTRUCT mis{ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
    through.MeasureItem(&mis);
    return std::make_pair(mis.itemWidth, mis.itemHeight);
  };
  auto draw = [&](MpAppUiMenu& through, MpAppUiMenu& holder, int pos, UINT state, Canvas& c) {
    const MENUITEMINFOW info = item(holder, pos);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = info.wID;
    dis.itemState = state;
    dis.hwndItem = reinterpret_cast<HWND>(holder.m_hMenu);
    dis.hDC = c.dc();
    dis.rcItem = {0, 0, 160, 24};
    dis.itemData = info.dwItemData;
    through.DrawItem(&dis);
  };
  for (const UINT look : {0u, 1u}) {
    SCOPED_TRACE(look);
    MpAppUiMenu::SetMenuDrawMode(look);
    MpAppUiMenu bar;
    ASSERT_TRUE(bar.LoadMenuA(IDR_WD_TEST_MENU));
    ASSERT_TRUE(bar.LoadToolbar(IDR_WD_TEST_TOOLBAR));  // "&Open" shows an image
    auto* file = static_cast<MpAppUiMenu*>(bar.GetSubMenu(0));
    auto* recent = static_cast<MpAppUiMenu*>(file->GetSubMenu(3));
    // A host's own owner-drawn item with its own data, and one without data.
    ::AppendMenuW(recent->m_hMenu, MF_OWNERDRAW, 4714, reinterpret_cast<LPCWSTR>(hostData.data()));
    ::AppendMenuW(recent->m_hMenu, MF_OWNERDRAW, 4715, nullptr);
    // "&Open" with its image, the separator, "E&xit", the "&Recent" pop-up, and "One" below it.
    const std::pair<MpAppUiMenu*, int> items[] = {{file, 0}, {file, 1}, {file, 2}, {file, 3}, {recent, 0}};
    for (const auto& [holder, pos] : items) {
      SCOPED_TRACE(pos);
      EXPECT_EQ(measure(*holder, *holder, pos), measure(bar, *holder, pos));
      for (const UINT state : {0u, (UINT)ODS_SELECTED, (UINT)ODS_CHECKED}) {
        Canvas own(160, 24), viaBar(160, 24);
        draw(*holder, *holder, pos, state, own);
        draw(bar, *holder, pos, state, viaBar);
        EXPECT_TRUE(Same(own, viaBar)) << "state " << state;
      }
    }
    // Sizes from the records: "&Recent" is wider than an item without text, the separator lower.
    const auto none = measure(bar, *recent, 2);
    EXPECT_GT(measure(bar, *file, 3).first, none.first + 20);
    EXPECT_LT(measure(bar, *file, 1).second, none.second);
    // The host's data is read as no record, whichever object is called.
    EXPECT_EQ(none, measure(bar, *recent, 1));
    Canvas hostItem(160, 24), withoutData(160, 24);
    draw(bar, *recent, 1, ODS_SELECTED, hostItem);
    draw(bar, *recent, 2, ODS_SELECTED, withoutData);
    EXPECT_TRUE(Same(hostItem, withoutData)) << "the host's data was drawn as a record";
  }
}

// An item's check and grey state is its own: a change of its caption or image keeps what the host
// set through Windows, and the item stays drawn by the menu.
TEST_F(MenuTest, AChangeOfCaptionOrImageKeepsTheItemsCheckAndGrey) {
  ctltest::MenuOwner parent;
  CToolBar bar;
  ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0)));
  ASSERT_TRUE(bar.LoadToolBar(IDR_WD_TEST_TOOLBAR));
  const UINT ids[] = {ID_WD_OPEN, ID_WD_COPY, ID_WD_PASTE}, toolbar = IDR_WD_TEST_TOOLBAR;
  const std::function<BOOL(MpAppUiMenu&)> changes[] = {
      [&](MpAppUiMenu& m) {
        return m.ModifyODMenuW(L"A", ids[0], -1) && m.ModifyODMenuW(L"B", ids[1], -1) &&
               m.ModifyODMenuW(L"C", ids[2], -1);
      },
      [&](MpAppUiMenu& m) { return m.AddFromToolBar(&bar, toolbar); },
      [&](MpAppUiMenu& m) { return m.LoadToolbar(toolbar); },
      [&](MpAppUiMenu& m) { return m.LoadToolbars(&toolbar, 1); },
  };
  const UINT kState = MF_CHECKED | MF_GRAYED | MF_DISABLED, expected[] = {0, MF_GRAYED, MF_CHECKED};
  for (const auto& change : changes) {
    SCOPED_TRACE(&change - changes);
    MpAppUiMenu menu;
    menu.CreatePopupMenu();
    for (UINT id : ids) menu.AppendODMenuW(L"Item", id == ids[0] ? MF_CHECKED : 0, id, -1);
    // The host's command-UI update, through Windows.
    ::CheckMenuItem(menu.m_hMenu, ids[0], MF_BYCOMMAND | MF_UNCHECKED);
    ::EnableMenuItem(menu.m_hMenu, ids[1], MF_BYCOMMAND | MF_GRAYED);
    ::CheckMenuItem(menu.m_hMenu, ids[2], MF_BYCOMMAND | MF_CHECKED);
    EXPECT_TRUE(change(menu));
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(expected[i] | MF_OWNERDRAW, menu.GetMenuState(i, MF_BYPOSITION) & (kState | MF_OWNERDRAW)) << i;
    }
    EXPECT_TRUE(OwnRecords(menu));
  }
  MpAppUiMenu menuBar;  // a pop-up greyed on a bar stays grey as the bar grows
  ASSERT_TRUE(menuBar.LoadMenuA(IDR_WD_TEST_MENU));
  ::EnableMenuItem(menuBar.m_hMenu, 1, MF_BYPOSITION | MF_GRAYED);
  menuBar.AppendODPopupMenuW(L"&Extra");
  EXPECT_EQ((UINT)MF_GRAYED, menuBar.GetMenuState(1, MF_BYPOSITION) & kState);
  EXPECT_EQ(0u, menuBar.GetMenuState(2, MF_BYPOSITION) & kState);
}

// Inside the menu text stays wide: a host's items are read, a loaded bar's captions set, items
// drawn and keys matched the same under a thread whose code page is not the system's.
TEST_F(MenuTest, TextStaysWideWhateverTheThreadsCodePage) {
  Canvas drawn(160, 24), expected(160, 24), other(160, 24);
  for (const bool russianThread : {false, true}) {
    SCOPED_TRACE(russianThread ? "Russian thread" : "system locale");
    std::optional<wdtest::RussianThread> russian;
    if (russianThread) {
      russian.emplace();
      if (!russian->ready()) GTEST_SKIP() << "no Russian thread on a code-page-1252 system";
    }
    MpAppUiMenu host;
    host.CreatePopupMenu();
    ::AppendMenuW(host.m_hMenu, MF_STRING, 1, L"\u00C4ndern");
    ::AppendMenuW(host.m_hMenu, MF_STRING, 2, L"\u0416\u0430\u0440");
    MpAppUiMenu::UpdateMenu(&host);
    ASSERT_TRUE(OwnRecords(host));
    EXPECT_STREQ(L"\u00C4ndern", ItemData(host, 0)->GetText());
    EXPECT_STREQ(L"\u0416\u0430\u0440", ItemData(host, 1)->GetText());

    MpAppUiMenu bar;
    ASSERT_TRUE(bar.LoadMenuA(IDR_WD_TEST_WIDEMENU));
    wchar_t caption[32] = {};
    ::GetMenuStringW(bar.m_hMenu, 0, caption, 32, MF_BYPOSITION);
    EXPECT_STREQ(L"&\u0424\u0430\u0439\u043B", caption);
    CMenu* file = bar.GetSubMenu(0);
    if (russianThread) {  // the 8-bit name in the thread's code page
      EXPECT_EQ(file, bar.GetSubMenu("&\xD4\xE0\xE9\xEB"));
    }
    // A host item put in front of the bar is skipped by the loaded items.
    ::InsertMenuW(bar.m_hMenu, 0, MF_BYPOSITION | MF_STRING, 77, L"\u0416");
    EXPECT_EQ(1, bar.GetMenuStart());
    // Keys match whatever the case of the letter: Cyrillic "o" (1251: 0xEE) and Latin-1 "a" (0xE4).
    const UINT key = russianThread ? 0xEE : 0xE4;
    EXPECT_EQ(MAKELRESULT(russianThread ? 0 : 1, MNC_EXECUTE), MpAppUiMenu::FindKeyboardShortcut(key, MF_POPUP, file));

    // Each letter is drawn as the system draws it from wide text.
    auto drawText = [](Canvas& c, const wchar_t* text) {
      c.fill(::GetSysColor(COLOR_MENU));
      ::SetBkMode(c.dc(), TRANSPARENT);
      ::SetTextColor(c.dc(), ::GetSysColor(COLOR_MENUTEXT));
      RECT r{MpAppUiMenu::m_iconX + 9, -1, 160, 23};
      ::DrawTextW(c.dc(), text, -1, &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    };
    for (const wchar_t* letter : {L"\u0416", L"\u00C6"}) {
      MpAppUiMenuData* rec = ItemData(host, 0);
      rec->SetText(letter);
      Draw(host, drawn, rec, 0, 1);
      drawText(expected, letter);
      if (!Same(drawn, expected)) drawn.differs();
      EXPECT_TRUE(Same(drawn, expected)) << "item drawn other than its text";
    }
    drawText(other, L"\u0416");
    EXPECT_FALSE(Same(expected, other)) << "the two letters look alike";
  }
}

TEST_F(MenuTest, AFailedCheckMarkReloadKeepsTheListItsSubMenusHold) {
  MpAppUiMenu::SetMenuDrawMode(1);
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  menu.LoadCheckmarkBitmap(IDR_WD_TEST_TOOLBAR, IDR_WD_TEST_TOOLBAR);
  ASSERT_NE(nullptr, menu.m_checkImages);
  MpAppUiMenu* sub = menu.AppendODPopupMenuW(L"Sub");
  sub->AppendODMenuW(L"Ticked", 0, 60, -1);
  CImageList* held = sub->m_checkImages;
  ASSERT_EQ(menu.m_checkImages, held);
  const int count = held->GetImageCount();
  ASSERT_GE(count, 2);

  // A reload that works refills the list the sub-menu holds.
  menu.LoadCheckmarkBitmap(IDR_WD_TEST_TOOLBAR, IDR_WD_TEST_TOOLBAR);
  EXPECT_EQ(held, menu.m_checkImages);
  EXPECT_EQ(count, held->GetImageCount());
  // One that fails drops the parent's hold only: the sub-menu still draws its check image.
  menu.LoadCheckmarkBitmap(4711, 4712);
  EXPECT_EQ(nullptr, menu.m_checkImages);
  ASSERT_EQ(held, sub->m_checkImages);
  EXPECT_EQ(count, held->GetImageCount());
  Canvas c(160, 24);
  Draw(*sub, c, sub->m_itemRecords[0], ODS_CHECKED, 60);
  EXPECT_TRUE(ShowsImage(c, 4, 4, held, 0, MpAppUiMenu::LightenColor(::GetSysColor(COLOR_3DFACE), 0.25)));
  // The parent can load its own list again; the sub-menu keeps the one it holds.
  menu.LoadCheckmarkBitmap(IDR_WD_TEST_TOOLBAR, IDR_WD_TEST_TOOLBAR);
  ASSERT_NE(nullptr, menu.m_checkImages);
  EXPECT_NE(held, menu.m_checkImages);
}

TEST_F(MenuTest, EightBitFormsConvertTheirTextAndTakeTheirImages) {
  auto wide = [](const char* t) {
    wchar_t w[64] = {};
    ::MultiByteToWideChar(CP_ACP, 0, t, -1, w, 64);
    return std::wstring(w);
  };
  CImageList icon;
  RedSquare(icon);
  CBitmap green;
  green.CreateBitmap(16, 16, 1, 32, nullptr);
  {
    HDC mem = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(mem, green.m_hObject);
    RECT r{0, 0, 16, 16};
    HBRUSH b = ::CreateSolidBrush(RGB(0, 255, 0));
    ::FillRect(mem, &r, b);
    ::DeleteObject(b);
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
  }
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  EXPECT_TRUE(menu.InsertMenuA(0, MF_BYPOSITION, 70, "Caf\xE9", &icon, 0));
  EXPECT_TRUE(menu.InsertMenuA(0, MF_BYPOSITION, 71, "Gr\xFCn", &green));
  ASSERT_EQ(2, menu.m_itemRecords.GetSize());
  EXPECT_EQ(wide("Gr\xFCn"), menu.m_itemRecords[0]->GetText());
  EXPECT_EQ(wide("Caf\xE9"), menu.m_itemRecords[1]->GetText());
  EXPECT_GE(menu.m_itemRecords[0]->m_sharedImageIndex, 0);
  EXPECT_GE(menu.m_itemRecords[1]->m_sharedImageIndex, 0);

  EXPECT_TRUE(menu.ModifyODMenuA("Rouge \xE0", 71, &icon, 0));
  EXPECT_EQ(wide("Rouge \xE0"), menu.m_itemRecords[0]->GetText());
  EXPECT_TRUE(menu.ModifyODMenuA("Vert", 70, &green));
  EXPECT_EQ(L"Vert", std::wstring(menu.m_itemRecords[1]->GetText()));
  const int dy = (24 - 4 - 16) / 2;
  Canvas c(160, 24);
  Draw(menu, c, menu.m_itemRecords[1], 0, 70);
  EXPECT_TRUE(Pixel(c, 2 + 8, dy + 2 + 8, RGB(0, 255, 0)));
  EXPECT_TRUE(menu.ModifyODMenuA("Bleu", 70, RGB(0, 0, 255), RGB(0, 0, 0)));  // a colour swatch
  EXPECT_EQ(L"Bleu", std::wstring(menu.m_itemRecords[1]->GetText()));
  Draw(menu, c, menu.m_itemRecords[1], 0, 70);
  EXPECT_TRUE(Pixel(c, 2 + 8, dy + 2 + 8, RGB(0, 0, 255)));
}

TEST_F(MenuTest, ClassicLookDrawsIconsSelectionDisabledIconsTicksAndAlignedAccelerators) {
  CImageList icon;
  RedSquare(icon);
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  menu.AppendODMenuW(L"Open\tCtrl+O", 0, 10, &icon, 0);
  menu.AppendODMenuW(L"Plain", 0, 11, -1);
  menu.AppendODMenuW(nullptr, 0, 0, -1);
  MpAppUiMenuData* withIcon = menu.m_itemRecords[0];
  MpAppUiMenuData* plain = menu.m_itemRecords[1];
  ASSERT_EQ(1, withIcon->m_imageList->GetImageCount());  // classic look: no effect images

  MEASUREITEMSTRUCT mis{ODT_MENU, 0, 11, 0, 0, reinterpret_cast<ULONG_PTR>(menu.m_itemRecords[2])};
  menu.MeasureItem(&mis);
  EXPECT_EQ((UINT)std::max(::GetSystemMetrics(SM_CYMENU) / 2, 10), mis.itemHeight);

  const COLORREF bg = ::GetSysColor(COLOR_MENU), hl = ::GetSysColor(COLOR_HIGHLIGHT);
  const int dy = (24 - 4 - 16) / 2;
  Canvas c(160, 24);
  Draw(menu, c, withIcon, 0);
  EXPECT_TRUE(Pixel(c, 2 + 8, dy + 2 + 8, kRed));
  EXPECT_TRUE(Pixel(c, 2, dy + 2, bg));  // the mask stays transparent
  EXPECT_TRUE(Pixel(c, 150, 1, bg));
  // Accelerator text ends m_iconX pixels short of the right edge; the item text starts at 25.
  int rightmost = -1, leftmost = 160;
  for (int x = 0; x < 160; ++x)
    for (int y = 0; y < 24; ++y)
      if (x > 20 && c.at(x, y) != ctltest::Stored(bg)) rightmost = std::max(rightmost, x), leftmost = std::min(leftmost, x);
  EXPECT_LE(rightmost, 160 - 16 - 1);
  EXPECT_GE(rightmost, 160 - 16 - 8);
  EXPECT_GE(leftmost, 16 + 9);

  Draw(menu, c, withIcon, ODS_SELECTED);  // highlight beside the icon column
  EXPECT_TRUE(Pixel(c, 16 + 6, 1, hl));
  EXPECT_TRUE(Pixel(c, 1, 1, bg));
  EXPECT_TRUE(Pixel(c, 2 + 8, dy + 2 + 8, kRed));

  Draw(menu, c, withIcon, ODS_GRAYED);  // embossed: no red left
  for (int x = 0; x < 24; ++x)
    for (int y = 0; y < 24; ++y) ASSERT_NE(ctltest::Stored(kRed), c.at(x, y)) << x << "," << y;
  EXPECT_TRUE(Pixel(c, 2 + 8, dy + 2 + 8, ::GetSysColor(COLOR_3DSHADOW)));

  Draw(menu, c, plain, ODS_CHECKED, 11);  // a Windows tick in the icon column
  EXPECT_TRUE(Pixel(c, 1 + 4 + 3, dy + 2 + 4 + 3, ::GetSysColor(COLOR_MENUTEXT)));
  EXPECT_TRUE(Pixel(c, 1 + 4 + 3, dy + 2 + 4 + 6, MpAppUiMenu::LightenColor(bg, 0.6)));
}

TEST_F(MenuTest, FlatLookDrawsTheColumnRaisedEffectIconsAndGreyTicksPerItem) {
  MpAppUiMenu::SetMenuDrawMode(1);
  CImageList icon;
  RedSquare(icon);
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  menu.AppendODMenuW(L"Open", 0, 10, &icon, 0);
  menu.AppendODMenuW(L"Plain", 0, 11, -1);
  menu.AppendODMenuW(L"Grey", MF_GRAYED, 12, -1);
  MpAppUiMenuData* withIcon = menu.m_itemRecords[0];
  ASSERT_EQ(4, withIcon->m_imageList->GetImageCount());  // normal, faded, shadow, disabled

  MEASUREITEMSTRUCT mis{ODT_MENU, 0, 10, 0, 0, reinterpret_cast<ULONG_PTR>(withIcon)};
  menu.MeasureItem(&mis);
  EXPECT_EQ((UINT)std::max(::GetSystemMetrics(SM_CYMENU), 16 + 7), mis.itemHeight);

  const COLORREF col = MpAppUiMenu::LightenColor(::GetSysColor(COLOR_3DFACE), 0.25);
  const COLORREF back = MpAppUiMenu::DarkenColor(::GetSysColor(COLOR_WINDOW), 0.02);
  const COLORREF sel = ::GetSysColor(COLOR_HIGHLIGHT);
  const int pt = 4;  // dx = dy = (23 - 16) / 2 rounded, for an item 24 high: (24-16)/2 = 4
  Canvas c(160, 24);
  Draw(menu, c, withIcon, 0);  // faded icon in the tinted column
  EXPECT_TRUE(Pixel(c, 0, 12, col));
  EXPECT_TRUE(Pixel(c, 150, 12, back));
  EXPECT_TRUE(Pixel(c, pt + 8, 4 + 8, MpAppUiMenu::LightenColor(kRed, 0.3)));

  Draw(menu, c, withIcon, ODS_SELECTED);  // raised: icon up-left, shadow down-right
  EXPECT_TRUE(Pixel(c, 0, 0, sel));
  EXPECT_TRUE(Pixel(c, pt - 1 + 4, 4 - 1 + 4, kRed));
  EXPECT_TRUE(Pixel(c, pt + 1 + 11, 4 + 1 + 11, MpAppUiMenu::LightenColor(::GetSysColor(COLOR_3DSHADOW), 0.49)));

  Draw(menu, c, withIcon, ODS_CHECKED);  // checked icon: box in the light highlight colour
  EXPECT_TRUE(Pixel(c, 1, 1, sel));
  EXPECT_TRUE(Pixel(c, 2, 2, MpAppUiMenu::LightenColor(sel, 0.85)));
  EXPECT_TRUE(Pixel(c, pt - 1 + 4, 4 - 1 + 4, kRed));

  // A grayed checked item gets a grey tick; the next checked item a black one again.
  const CRect box(1, 1, 16 + 7 - 2, 23);
  const int tx = box.left + box.Width() / 2 - 3 + 3, ty = box.top + box.Height() / 2 - 3 + 3;
  Draw(menu, c, menu.m_itemRecords[2], ODS_CHECKED | ODS_GRAYED, 12);
  EXPECT_TRUE(Pixel(c, tx, ty, ::GetSysColor(COLOR_GRAYTEXT)));
  EXPECT_EQ(0, menu.m_indeterminateCheck);
  Draw(menu, c, menu.m_itemRecords[1], ODS_CHECKED, 11);
  EXPECT_TRUE(Pixel(c, tx, ty, ::GetSysColor(COLOR_MENUTEXT)));
}

TEST_F(MenuTest, FlatLookEffectImagesKeepTheirBackgroundsTransparent) {
  MpAppUiMenu::SetMenuDrawMode(1);
  CImageList icon;
  RedSquare(icon);
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  menu.AppendODMenuW(L"Own", 0, 10, &icon, 0);
  menu.AppendODMenuW(L"Shared", 0, 11, -1);
  menu.ModifyODMenuW(nullptr, 11, &icon, 0);
  ASSERT_TRUE(MpAppUiMenu::CanDraw3DImageList(menu.m_itemRecords[1]->m_sharedImageIndex));
  const COLORREF col = MpAppUiMenu::LightenColor(::GetSysColor(COLOR_3DFACE), 0.25);
  const COLORREF selFill = MpAppUiMenu::LightenColor(::GetSysColor(COLOR_HIGHLIGHT), 0.85);
  const int pt = 4;
  Canvas c(160, 24);
  for (int i = 0; i < 2; ++i) {
    MpAppUiMenuData* rec = menu.m_itemRecords[i];
    // Every pixel of the icon square outside the red square shows what lies under the icon.
    auto background = [&](int x0, int y0, COLORREF expected, const char* state) {
      for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y) {
          if (x >= 3 && x <= 13 && y >= 3 && y <= 13) continue;  // the square and its shadow
          ASSERT_TRUE(Pixel(c, x0 + x, y0 + y, expected)) << state << " item " << i << " at " << x << "," << y;
        }
    };
    Draw(menu, c, rec, 0, 10 + i);  // faded
    background(pt, 4, col, "normal");
    EXPECT_TRUE(Pixel(c, pt + 8, 4 + 8, MpAppUiMenu::LightenColor(kRed, 0.3)));
    Draw(menu, c, rec, ODS_GRAYED, 10 + i);  // disabled
    background(pt, 4, col, "grayed");
    EXPECT_FALSE(Pixel(c, pt + 8, 4 + 8, col));
    Draw(menu, c, rec, ODS_SELECTED, 10 + i);  // raised over its shadow
    background(pt - 1, 4 - 1, selFill, "selected");
    EXPECT_TRUE(Pixel(c, pt - 1 + 4, 4 - 1 + 4, kRed));
  }

  // Bitmaps from resources: light grey becomes the face colour; other colours stay.
  CBitmap bmp;
  bmp.CreateBitmap(2, 1, 1, 32, nullptr);
  CDC mem;
  mem.CreateCompatibleDC(nullptr);
  CBitmap* old = mem.SelectObject(&bmp);
  mem.SetPixel(0, 0, RGB(192, 192, 192));
  mem.SetPixel(1, 0, RGB(255, 255, 255));
  mem.SelectObject(old);
  menu.GetTransparentBitmap(bmp);
  old = mem.SelectObject(&bmp);
  EXPECT_EQ(ctltest::Stored(::GetSysColor(COLOR_3DFACE)), mem.GetPixel(0, 0) & 0xFFFFFF);
  EXPECT_EQ(RGB(255, 255, 255), mem.GetPixel(1, 0) & 0xFFFFFF);
  mem.SelectObject(old);
}

TEST_F(MenuTest, FlatLookDrawsAToolbarStripOfAnItemAsImagesNotAsEffects) {
  MpAppUiMenu::SetMenuDrawMode(1);
  MpAppUiMenu menu;
  menu.CreatePopupMenu();
  menu.AppendODMenuW(L"Strip", 0, 10, -1);
  ASSERT_TRUE(menu.ModifyODMenuW(nullptr, L"Strip", IDR_WD_TEST_TOOLBAR));
  MpAppUiMenuData* rec = menu.m_itemRecords[0];
  ASSERT_EQ(3, rec->m_imageList->GetImageCount());  // the whole strip: Open, Copy, Paste
  EXPECT_FALSE(rec->m_effectImages);
  const COLORREF col = MpAppUiMenu::LightenColor(::GetSysColor(COLOR_3DFACE), 0.25);
  Canvas c(160, 24);
  Draw(menu, c, rec, 0, 10);  // image 0 itself, not the next button's image
  EXPECT_TRUE(ShowsImage(c, 4, 4, rec->m_imageList, 0, col));
  Draw(menu, c, rec, ODS_GRAYED, 10);  // drawn disabled from image 0: something shows
  int drawn = 0;
  for (int x = 0; x < 16; ++x)
    for (int y = 0; y < 16; ++y) drawn += c.at(4 + x, 4 + y) != ctltest::Stored(col);
  EXPECT_GT(drawn, 0);
}

TEST_F(MenuTest, PopupTrackedThroughTheMenuLoopMeasuresDrawsAndReturnsTheCommand) {
  ctltest::MenuOwner owner;
  {
    MpAppUiMenu menu;
    ASSERT_TRUE(menu.LoadMenuA(IDR_WD_TEST_MENU));
    owner.keys = {VK_DOWN, VK_DOWN, VK_RETURN};  // Open, (separator skipped) Exit
    ASSERT_TRUE(owner.GetSafeHwnd());
    EXPECT_TRUE(menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 20, 20, &owner)) << ::GetLastError();
    owner.Pump();
  }
  EXPECT_GT(owner.measured, 0);
  EXPECT_GT(owner.drawn, 0);
  EXPECT_GE(owner.lastItemHeight, 20u);  // measured by the menu object, not left at 0
  EXPECT_EQ(std::vector<UINT>{ID_WD_EXIT}, owner.commands);
}

// A host with a second user-interface thread builds menus there as the first does: four threads
// each build a menu of 12 items with an own pop-up and a deeper one, remove the pop-up every second
// round and let the menu go, while this thread asks the static IsMenu. The tables all menus share
// take every thread's changes: nothing crashes (a suite of its own, so a crash ends only this
// process), IsMenu answers throughout and the tables end as they were. Then every menu loads
// check-mark images that its pop-ups share, as this thread makes and drops pop-ups sharing its
// own; last, each round's last command gets an image in the shared list, which the four threads
// file at once while this thread draws an item from it: each command's image is filed once, and
// every image drawn from the shared list is the one given.
TEST(MenuThreads, MenusMadeOnFourThreadsAtOnceLeaveTheSharedTablesAsTheyWere) {
  const UINT kItems = 10, kLastId = 7400;  // the last item's command: kLastId + round
  const COLORREF bg = ::GetSysColor(COLOR_MENU);
  const int iconY = (24 - 4 - 16) / 2 + 2;  // where the classic look draws an unselected icon
  CImageList icon;
  RedSquare(icon);
  Canvas c(160, 24);
  MpAppUiMenu here;  // made on this thread, its pop-up listed throughout
  here.CreatePopupMenu();
  const HMENU listedHere = here.AppendODPopupMenuW(L"&Here")->m_hMenu;
  here.AppendODMenuW(L"&Drawn", 0, 7399, -1);
  enum { kPlain, kCheckMarks, kSharedImages };
  for (const int images : {kPlain, kCheckMarks, kSharedImages}) {
    SCOPED_TRACE(images);
    // A round changes the check-image counts a few times only, and files one image: rounds enough
    // that a race among the threads, were the tables not guarded, shows in nearly every run.
    const int rounds = images == kCheckMarks ? 600 : images == kSharedImages ? 100 : 300;
    if (images == kCheckMarks) here.LoadCheckmarkBitmap(IDR_WD_TEST_TOOLBAR, IDR_WD_TEST_TOOLBAR);
    if (images == kSharedImages) {
      ASSERT_TRUE(here.ModifyODMenuW(nullptr, 7399, &icon, 0));
    }
    const INT_PTR listed = MpAppUiMenu::m_AllSubMenus.GetSize();
    const size_t records = liveMenuRecordCount();
    std::atomic<int> running{4}, misdrawn{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
      threads.emplace_back([&] {
        CImageList own;
        RedSquare(own);
        Canvas mine(160, 24);
        for (int round = 0; round < rounds; ++round) {
          MpAppUiMenu menu;
          menu.CreatePopupMenu();
          if (images == kCheckMarks) menu.LoadCheckmarkBitmap(IDR_WD_TEST_TOOLBAR, IDR_WD_TEST_TOOLBAR);
          for (UINT i = 0; i < kItems; ++i) menu.AppendODMenuW(L"&Item\tCtrl+I", 0, 7101 + i, -1);
          MpAppUiMenu* popup = menu.AppendODPopupMenuW(L"&Own");
          popup->AppendODMenuW(L"Inside", 0, 7201, -1);
          popup->AppendODPopupMenuW(L"&Deeper")->AppendODMenuW(L"Deep", 0, 7202, -1);
          const UINT last = kLastId + (UINT)round;
          menu.AppendODMenuW(L"&Last", 0, last, -1);
          if (images == kSharedImages && menu.ModifyODMenuW(nullptr, last, &own, 0)) {
            Draw(menu, mine, menu.FindMenuItem(last), 0, last);
            if (!ShowsImage(mine, 2, iconY, &own, 0, bg)) ++misdrawn;
          }
          if (round % 2) menu.RemoveMenu(kItems, MF_BYPOSITION);
        }
        AfxDeleteTempMap();
        --running;
      });
    int unanswered = 0;
    while (running > 0) {
      if (!MpAppUiMenu::IsMenu(listedHere)) ++unanswered;
      if (images == kCheckMarks) {
        here.AppendODPopupMenuW(L"&Again");
        here.RemoveMenu(2, MF_BYPOSITION);
      } else if (images == kSharedImages) {
        Draw(here, c, here.FindMenuItem(7399), 0, 7399);
        if (!ShowsImage(c, 2, iconY, &icon, 0, bg)) ++misdrawn;
      }
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(0, unanswered);
    EXPECT_EQ(0, misdrawn.load());
    EXPECT_EQ(listed, MpAppUiMenu::m_AllSubMenus.GetSize());
    EXPECT_EQ(records, liveMenuRecordCount());
    if (images != kSharedImages) continue;
    std::map<int, int> filed;
    for (INT_PTR k = 0; k < MpAppUiMenu::m_AllImagesID.GetSize(); ++k) ++filed[MpAppUiMenu::m_AllImagesID[k]];
    int notOnce = 0;
    for (int round = 0; round < rounds; ++round) notOnce += filed[(int)kLastId + round] != 1;
    EXPECT_EQ(0, notOnce) << "commands whose image is not filed once";
  }
}
