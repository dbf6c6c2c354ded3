#include "controls_test.h"
#include <cstdio>

namespace ctltest {
MenuOwner::MenuOwner() {
  HWND h = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 200, nullptr,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (!h || !SubclassWindow(h)) std::printf("owner window: error %lu\n", ::GetLastError());
}
MenuOwner::~MenuOwner() { DestroyWindow(); }

void MenuOwner::Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

LRESULT MenuOwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !keys.empty()) {
    for (UINT key : keys) ::PostMessageA(reinterpret_cast<HWND>(lParam), WM_KEYDOWN, key, 0);
    keys.clear();
    return 0;
  }
  if (message == WM_COMMAND) commands.push_back(LOWORD(wParam));
  const LRESULT r = CWnd::WindowProc(message, wParam, lParam);
  if (message == WM_MEASUREITEM) {
    ++measured;
    lastItemHeight = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight;
  }
  if (message == WM_DRAWITEM) ++drawn;
  return r;
}

}  // namespace ctltest
