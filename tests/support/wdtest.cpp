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

void MoveMouseOver(HWND dlg, HWND child) {
  RECT r;
  ::GetWindowRect(child, &r);
  POINT screen = {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, pt = screen;
  ::ScreenToClient(dlg, &pt);
  ::SetCursorPos(screen.x, screen.y);
  ::PostMessageA(dlg, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
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
