// The splash screen: shown only when enabled, once at a time, closed by its timer (fired by
// message here), by the host's removal, or by the first key or button press the host forwards.
#include "MpUiCSplashScreen.h"
#include "hosted.h"

namespace {

class SplashTest : public HostedTest {
 protected:
  void TearDown() override {
    MpUiCSplashScreen::removeSplashScreen();
    MpUiCSplashScreen::enableSplashScreen(0);
    HostedTest::TearDown();
  }
  static HWND Shown() {
    return MpUiCSplashScreen::c_pSplashWnd ? MpUiCSplashScreen::c_pSplashWnd->GetSafeHwnd() : nullptr;
  }
  static int Forward(UINT message) {
    MSG msg{};
    msg.hwnd = wdtest::HostWindow();
    msg.message = message;
    return MpUiCSplashScreen::PreTranslateAppMessage(&msg);
  }
};

}  // namespace

TEST_F(SplashTest, ShowsOnceWhenEnabledAndClosesByTimerOrRemoval) {
  CWnd* owner = CWnd::FromHandle(wdtest::HostWindow());
  MpUiCSplashScreen::showSplashScreen(owner);
  EXPECT_EQ(nullptr, Shown());  // not enabled
  MpUiCSplashScreen::removeSplashScreen();

  MpUiCSplashScreen::enableSplashScreen(1);
  MpUiCSplashScreen::showSplashScreen(owner);
  HWND first = Shown();
  ASSERT_NE(nullptr, first);
  EXPECT_TRUE(::IsWindowVisible(first));  // shown by its creation, with nothing else to show it
  RECT r;
  ::GetWindowRect(first, &r);
  EXPECT_EQ(520 * 240, (r.right - r.left) * (r.bottom - r.top));  // the bitmap's size, no frame
  EXPECT_EQ(wdtest::HostWindow(), ::GetWindow(first, GW_OWNER));
  MpUiCSplashScreen::showSplashScreen(owner);
  EXPECT_EQ(first, Shown());  // one at a time

  ::SendMessageA(first, WM_TIMER, 1, 0);
  EXPECT_FALSE(::IsWindow(first));
  EXPECT_EQ(nullptr, MpUiCSplashScreen::c_pSplashWnd);

  // Enabled stays on: a later call shows a new window, which the host may remove.
  MpUiCSplashScreen::showSplashScreen(nullptr);
  ASSERT_NE(nullptr, Shown());
  MpUiCSplashScreen::removeSplashScreen();
  EXPECT_EQ(nullptr, MpUiCSplashScreen::c_pSplashWnd);
}

TEST_F(SplashTest, OnlyKeyAndButtonPressesCloseIt) {
  EXPECT_FALSE(Forward(WM_KEYDOWN));  // no window: nothing is used
  MpUiCSplashScreen::enableSplashScreen(1);
  const UINT closing[] = {WM_KEYDOWN, WM_SYSKEYDOWN, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN,
                          WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN};
  for (UINT message : closing) {
    MpUiCSplashScreen::showSplashScreen(nullptr);
    HWND h = Shown();
    ASSERT_NE(nullptr, h);
    EXPECT_FALSE(Forward(WM_MOUSEMOVE));
    EXPECT_FALSE(Forward(WM_KEYUP));
    EXPECT_TRUE(::IsWindow(h));
    EXPECT_TRUE(Forward(message)) << message;
    EXPECT_FALSE(::IsWindow(h));
    EXPECT_EQ(nullptr, MpUiCSplashScreen::c_pSplashWnd);
  }
}

TEST_F(SplashTest, AWindowGoneDuringCreationIsDeletedOnce) {
  // The window is destroyed while it is being created: the object went with it, and the failed
  // creation must not delete it again.
  HHOOK hook = ::SetWindowsHookExA(
      WH_CALLWNDPROC,
      [](int code, WPARAM w, LPARAM l) -> LRESULT {
        const CWPSTRUCT* msg = reinterpret_cast<const CWPSTRUCT*>(l);
        if (code == HC_ACTION && msg->message == WM_CREATE && !::GetParent(msg->hwnd) &&
            ::GetWindow(msg->hwnd, GW_OWNER) == nullptr && ::GetWindowTextLengthA(msg->hwnd) == 0)
          ::DestroyWindow(msg->hwnd);
        return ::CallNextHookEx(nullptr, code, w, l);
      },
      nullptr, ::GetCurrentThreadId());
  MpUiCSplashScreen::enableSplashScreen(1);
  MpUiCSplashScreen::showSplashScreen(nullptr);
  ::UnhookWindowsHookEx(hook);
  EXPECT_EQ(nullptr, MpUiCSplashScreen::c_pSplashWnd);
  MpUiCSplashScreen::showSplashScreen(nullptr);
  EXPECT_NE(nullptr, Shown());
}
