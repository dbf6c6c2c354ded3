// Entry point of every test executable: common controls registered, then GoogleTest.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
