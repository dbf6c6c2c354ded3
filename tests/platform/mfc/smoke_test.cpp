#include <gtest/gtest.h>
#include <windows.h>
TEST(Smoke, CreatesWindow) {
  HWND h = CreateWindowExA(0, "STATIC", "x", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(h, nullptr);
  RECT r; GetWindowRect(h, &r);
  EXPECT_EQ(r.right - r.left, 100);
  DestroyWindow(h);
}
