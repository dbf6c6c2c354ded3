#include "wdtest.h"
#include <afxdllx.h>

namespace wdtest {

HINSTANCE ResourceModule() {
  static HINSTANCE h = [] {
    HINSTANCE m = ::LoadLibraryA("WidgetDeckRes.dll");
    if (m) new CDynLinkLibrary(m, m);  // owned by the chain for the life of the process
    return m;
  }();
  return h;
}

HWND HostWindow() {
  static HWND h = ::CreateWindowExA(0, "STATIC", "Test host", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                    nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  return h;
}

}  // namespace wdtest

void ScriptedTest::SetUp() {
  ASSERT_NE(wdtest::ResourceModule(), nullptr) << "WidgetDeckRes.dll not found";
  AfxScript::SetPlayer(&script);
}

void ScriptedTest::TearDown() {
  AfxScript::SetPlayer(nullptr);
  for (const std::string& f : script.failures) ADD_FAILURE() << "script: " << f;
  EXPECT_TRUE(script.Finished()) << script.Pending() << " scripted step(s) never ran";
}
