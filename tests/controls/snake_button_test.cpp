// The activity snake stepped and drawn into a DIB section; the drop-menu button drawn and its
// menu chosen from through the menu loop.
#include <gtest/gtest.h>
#include <vector>
#include "CMenuButton.h"
#include "CSnakeCtrl.h"
#include "controls_test.h"
#include "test_ids.h"

using ctltest::Canvas;
using ctltest::Pixel;

namespace {
struct Snake : CSnakeCtrl {
  using CSnakeCtrl::Draw;
  using CSnakeCtrl::m_bTailCatchUp;
};

// Plays the queued keys to the menu the button drops (the button owns the menu loop).
struct Button : CMenuButton {
  std::vector<UINT> keys;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
      for (UINT key : keys) ::PostMessageA(reinterpret_cast<HWND>(lParam), WM_KEYDOWN, key, 0);
      keys.clear();
    }
    return CMenuButton::WindowProc(message, wParam, lParam);
  }
};
}  // namespace

TEST(SnakeCtrl, CrawlsGrowsTurnsAndDrawsItsGradient) {
  ctltest::MenuOwner parent;
  Snake snake;
  ASSERT_TRUE(snake.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 10), &parent));
  snake.SetMax(0);
  snake.SetStep(-1);
  EXPECT_TRUE(50 == snake.GetMax() && 2 == snake.GetStep());
  for (int i = 0; i < 10; ++i) snake.StepIt();
  EXPECT_TRUE(20 == snake.GetPos() && 2 == snake.GetTail());
  Canvas c(100, 10);
  c.fill(RGB(1, 2, 3));
  snake.Draw(CDC::FromHandle(c.dc()));
  // Tail red, head cyan: bands of one level each over 36 pixels; the last band reaches the edge.
  EXPECT_TRUE(Pixel(c, 3, 5, RGB(255, 255, 255)));
  EXPECT_TRUE(Pixel(c, 4, 5, RGB(248, 7, 7)));
  EXPECT_TRUE(Pixel(c, 39, 5, RGB(1, 254, 254)));
  EXPECT_TRUE(Pixel(c, 40, 5, RGB(255, 255, 255)));

  int steps = 10;
  while (snake.GetPos() < 50) snake.StepIt(), ++steps;
  EXPECT_EQ(25, steps);
  const int tail = snake.GetTail();
  snake.StepIt();  // only the catch-up begins
  EXPECT_TRUE(snake.m_bTailCatchUp && tail == snake.GetTail() && 50 == snake.GetPos());
  while (snake.GetTail() < 50) snake.StepIt();
  EXPECT_EQ(48, snake.StepIt());
  EXPECT_TRUE(snake.IsReverse() && 50 == snake.GetTail() && !snake.m_bTailCatchUp);
  snake.StepIt();  // head 46, tail 50: from cyan at the head on the left to red at the tail
  snake.Draw(CDC::FromHandle(c.dc()));
  // 8 pixels for 255 levels: the first visible band is the 32nd, the last reaches the edge.
  EXPECT_TRUE(Pixel(c, 91, 5, RGB(255, 255, 255)));
  EXPECT_TRUE(Pixel(c, 92, 5, RGB(31, 224, 224)));
  EXPECT_TRUE(Pixel(c, 99, 5, RGB(254, 1, 1)));

  // A reset in the middle of a catch-up starts afresh in the configured colours.
  while (!snake.m_bTailCatchUp) snake.StepIt();
  snake.ResetProgress();
  snake.StepIt();
  EXPECT_TRUE(2 == snake.GetPos() && 0 == snake.GetTail() && !snake.IsReverse());
  snake.SetGradientFill(RGB(0, 0, 200), RGB(0, 0, 200));  // one colour fills the whole snake
  snake.Draw(CDC::FromHandle(c.dc()));
  EXPECT_TRUE(Pixel(c, 0, 5, RGB(0, 0, 200)));
  EXPECT_TRUE(Pixel(c, 3, 5, RGB(0, 0, 200)));
  EXPECT_TRUE(Pixel(c, 4, 5, RGB(255, 255, 255)));
}

TEST(MenuButton, DrawsItsArrowAndReturnsTheCommandChosen) {
  ctltest::MenuOwner parent;
  Button button;
  ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 50, 30), &parent, 1001));
  Canvas c(40, 20);
  DRAWITEMSTRUCT dis{};
  dis.hDC = c.dc();
  dis.rcItem = {0, 0, 40, 20};
  const COLORREF text = ::GetSysColor(COLOR_BTNTEXT), grey = ::GetSysColor(COLOR_GRAYTEXT);
  button.DrawItem(&dis);  // without text: the arrow in the middle, 4 wide and 7 high
  EXPECT_TRUE(Pixel(c, 18, 7, text) && Pixel(c, 18, 13, text) && Pixel(c, 21, 10, text));
  EXPECT_FALSE(Pixel(c, 18, 14, text) || Pixel(c, 21, 11, text) || Pixel(c, 22, 10, text));
  dis.itemState = ODS_DISABLED;
  button.SetWindowText("Go");
  button.DrawItem(&dis);  // with text: the arrow near the right edge, grey when disabled
  EXPECT_TRUE(Pixel(c, 30, 7, grey) && Pixel(c, 33, 10, grey));

  button.keys = {VK_DOWN, VK_RETURN};
  EXPECT_EQ((DWORD)ID_WD_OPEN, button.DoSingleClick(IDR_WD_TEST_MENU));
  button.keys = {VK_ESCAPE};
  EXPECT_EQ(0u, button.DoSingleClick(IDR_WD_TEST_MENU));
  const DWORD gdi = ctltest::GdiCount();
  EXPECT_EQ(0u, button.DoSingleClick(IDR_WD_TEST_FLATMENU));
  EXPECT_EQ(0u, button.DoSingleClick(4711));
  EXPECT_EQ(gdi, ctltest::GdiCount());
  EXPECT_TRUE(parent.commands.empty());  // the choice is returned, not sent
}
