// Toolbar: true-colour image lists, drop-down buttons through the menu loop, layout, updates.
#include <gtest/gtest.h>
#include <vector>
#include "MpAppUiToolBar.h"
#include "controls_test.h"
#include "test_ids.h"

using ctltest::Canvas;
using ctltest::Pixel;

namespace {
class ToolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static bool warmed = false;
    if (!warmed) {  // what the system makes on first use stays: make it before counting
      warmed = true;
      Run(false);
    }
    gdiBefore = ctltest::GdiCount();
  }
  void TearDown() override {
    AfxDeleteTempMap();
    EXPECT_EQ(gdiBefore, ctltest::GdiCount()) << "GDI objects leaked";
  }
  // The whole life of a bar; with checks when asked.
  void Run(bool check);
  DWORD gdiBefore = 0;
};

// A bar open to the protected members the checks read.
struct Bar : MpAppUiToolBar {
  using MpAppUiToolBar::m_arrDropDownInfo;
};

void ToolBarTest::Run(bool check) {
  ctltest::MenuOwner parent;
  Bar bar;
  ASSERT_TRUE(bar.CreateEx(&parent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(9, 9, 9, 9)));
  ASSERT_TRUE(bar.LoadToolBar(IDR_WD_TEST_TOOLBAR));
  const HWND h = bar.m_hWnd;
  if (check) {
    EXPECT_EQ(6, bar.m_cxLeftBorder);  // the border rectangle given is ignored
    EXPECT_EQ(2, bar.m_cyTopBorder);
    EXPECT_EQ(0x40AF84u, bar.GetBarStyle() & 0x40AF84u);
    EXPECT_FALSE(bar.LoadTrueColorToolBar(0, IDB_WD_TEST_TRUECOLOR));
    EXPECT_FALSE(bar.LoadTrueColorToolBar(16, 4711));
  }
  ASSERT_TRUE(bar.LoadTrueColorToolBar(16, IDB_WD_TEST_TRUECOLOR, 0, 0));
  auto list = [h](UINT msg) { return reinterpret_cast<HIMAGELIST>(::SendMessageA(h, msg, 0, 0)); };
  if (check) {
    EXPECT_EQ(10, ImageList_GetImageCount(list(TB_GETIMAGELIST)));
    EXPECT_EQ(nullptr, list(TB_GETHOTIMAGELIST));
    Canvas c(16, 16);
    c.fill(RGB(255, 255, 255));
    ImageList_Draw(list(TB_GETIMAGELIST), 3, c.dc(), 0, 0, ILD_TRANSPARENT);
    EXPECT_TRUE(Pixel(c, 0, 15, RGB(255, 255, 255)));  // the first pixel in memory is the mask
    EXPECT_TRUE(Pixel(c, 8, 8, RGB(75, 100, 200)));
  }
  ASSERT_TRUE(bar.LoadTrueColorToolBar(16, IDB_WD_TEST_TRUECOLOR, IDB_WD_TEST_TRUECOLOR,
                                       IDB_WD_TEST_TRUECOLOR));
  EXPECT_NE(nullptr, list(TB_GETHOTIMAGELIST));
  EXPECT_NE(nullptr, list(TB_GETDISABLEDIMAGELIST));

  // Drop-downs: a command not on the bar is refused; styles are added to those already set.
  ::SendMessageA(h, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  const int copy = bar.CommandToIndex(ID_WD_COPY);
  bar.SetButtonStyle(copy, TBSTYLE_CHECK);
  bar.AddDropDownButton(&parent, 4711, IDR_WD_TEST_MENU);
  if (check) {
    EXPECT_EQ(0, bar.m_arrDropDownInfo.GetSize());
  }
  bar.AddDropDownButton(&parent, ID_WD_COPY, IDR_WD_TEST_MENU);
  if (check) {
    EXPECT_EQ(TBSTYLE_EX_MIXEDBUTTONS | TBSTYLE_EX_DRAWDDARROWS,
              (int)::SendMessageA(h, TB_GETEXTENDEDSTYLE, 0, 0));
    EXPECT_EQ(TBSTYLE_CHECK | TBSTYLE_DROPDOWN, (int)LOWORD(bar.GetButtonStyle(copy)));
  }
  NMTOOLBARA nm{};
  nm.hdr = {h, AFX_IDW_TOOLBAR, (UINT)TBN_DROPDOWN};
  nm.iItem = ID_WD_COPY;
  parent.keys = {VK_DOWN, VK_RETURN};  // the first item of the first pop-up: Open
  ::SendMessageA(parent.m_hWnd, WM_NOTIFY, AFX_IDW_TOOLBAR, reinterpret_cast<LPARAM>(&nm));
  parent.Pump();
  if (!check) return;
  EXPECT_EQ(std::vector<UINT>{ID_WD_OPEN}, parent.commands);
  EXPECT_GT(parent.drawn, 0);

  // Layout: one row lying, one column standing.
  const CSize horz = bar.CalcFixedLayout(FALSE, TRUE), vert = bar.CalcFixedLayout(FALSE, FALSE);
  EXPECT_GT(horz.cx, vert.cx);
  EXPECT_GT(vert.cy, horz.cy);
  EXPECT_EQ(horz, bar.CalcDynamicLayout(-1, LM_HORZDOCK | LM_HORZ));
  // The client area: inside the borders and gripper, its top 2 pixels further up.
  NCCALCSIZE_PARAMS nc{};
  nc.rgrc[0] = {0, 0, 100, 40};
  bar.OnNcCalcSize(FALSE, &nc);
  EXPECT_EQ(CRect(16, 2, 92, 36), CRect(nc.rgrc[0]));
  // Without a dock bar the buttons follow the parent's handlers: it has none.
  ::SendMessageA(h, WM_IDLEUPDATECMDUI, TRUE, 0);
  EXPECT_FALSE(::SendMessageA(h, TB_ISBUTTONENABLED, ID_WD_OPEN, 0));
  // Gripper: two raised bars.
  Canvas c(30, 24);
  bar.DrawGripper(CDC::FromHandle(c.dc()), CRect(0, 0, 30, 24));
  EXPECT_TRUE(Pixel(c, 3, 2, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
  EXPECT_TRUE(Pixel(c, 5, 21, ::GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_TRUE(Pixel(c, 6, 21, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
}
}  // namespace

TEST_F(ToolBarTest, TrueColourListsDropDownMenusLayoutAndUpdates) { Run(true); }
