// A handler's exception that no modal loop can rethrow reaches the library's logger while the
// library is loaded.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <stdexcept>
#include "MpLogging.h"

namespace {

class ThrowingWnd : public CWnd {
 protected:
  afx_msg LRESULT OnApp(WPARAM, LPARAM) { throw std::runtime_error("handler broke"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingWnd, CWnd)
  ON_MESSAGE(WM_APP + 1, OnApp)
END_MESSAGE_MAP()

TEST(DroppedException, IsLoggedAsAProgrammingErrorWhileTheLibraryIsLoaded) {
  ASSERT_EQ(::GetModuleHandleA("WidgetDeck.dll"), nullptr) << "the library must not be loaded yet";
  ThrowingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, "thrower", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
  MpResetLogger();

  HMODULE library = ::LoadLibraryA("WidgetDeck.dll");
  ASSERT_NE(library, nullptr);
  EXPECT_EQ(0, wnd.SendMessage(WM_APP + 1));  // no modal loop of ours runs
  const std::vector<MpLogRecord> logs = MpDefaultLogger()->records();
  ASSERT_EQ(1u, logs.size());
  EXPECT_EQ(100, logs[0].severity);
  EXPECT_EQ(1, logs[0].flag);
  EXPECT_EQ("Exception in a message handler, not rethrown: handler broke", logs[0].message);
  EXPECT_EQ("WidgetDeckModule.cpp", logs[0].sourceFile);
  EXPECT_GT(logs[0].line, 0);

  ASSERT_TRUE(::FreeLibrary(library));
  MpResetLogger();
  EXPECT_EQ(0, wnd.SendMessage(WM_APP + 1));
  EXPECT_TRUE(MpDefaultLogger()->records().empty()) << "reported after the library was unloaded";
  wnd.DestroyWindow();
  MpResetLogger();
}

}  // namespace
