// DeckHost's "controls" command: the owner-drawn menu and the toolbar with a drop-down button.
#include "ControlsCommand.h"
#include <afxwin.h>
#include <cstdio>
#include <vector>
#include "MpAppUiMenu.h"
#include "MpAppUiToolBar.h"
#include "deckhost_ids.h"
#include "ScriptedRun.h"

namespace {

// The host's window: prints the commands it receives; when a script is queued, a menu that
// runs out of messages gets its keys.
class ControlsWindow : public CWnd {
 public:
  MpAppUiMenu* menu = nullptr;
  std::vector<UINT> keys, chosen;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && !keys.empty()) {
          // The owner-drawn items as a person sees them, before the keys choose one.
          deckhost::WindowOpened(reinterpret_cast<HWND>(lParam), "pop-up menu");
          for (UINT key : keys) ::PostMessageA(reinterpret_cast<HWND>(lParam), WM_KEYDOWN, key, 0);
          keys.clear();
          return 0;
        }
        break;
      case WM_MENUCHAR:
        if (LRESULT r = MpAppUiMenu::FindKeyboardShortcut(LOWORD(wParam), HIWORD(wParam),
                                                         CMenu::FromHandle(reinterpret_cast<HMENU>(lParam))))
          return r;
        break;
      case WM_COMMAND: {
        const UINT id = LOWORD(wParam);
        CString text;
        if (!menu || !menu->GetMenuText(id, text, MF_BYCOMMAND)) text = "?";
        if (text.Find('\t') >= 0) text = text.Left(text.Find('\t'));  // without the accelerator
        while (!text.IsEmpty() && text[text.GetLength() - 1] == ' ') text = text.Left(text.GetLength() - 1);
        std::printf("command %u \"%s\"\n", id, (const char*)text);
        chosen.push_back(id);
        if (id == ID_DH_EXIT) ::PostMessageA(m_hWnd, WM_CLOSE, 0, 0);
        return 0;
      }
      case WM_DESTROY:
        ::PostQuitMessage(0);
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

}  // namespace

extern "C" int RunControlsCommand(bool scripted) {
  ControlsWindow wnd;
  if (!wnd.CreateEx(0, nullptr, "DeckHost controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                    480, 240, nullptr, nullptr))
    return 2;
  MpAppUiMenu menu;
  MpAppUiToolBar bar;
  wnd.menu = &menu;
  if (!menu.LoadMenuA(IDR_DH_MENU) || !bar.CreateEx(&wnd) || !bar.LoadToolBar(IDR_DH_TOOLBAR) ||
      !bar.LoadTrueColorToolBar(16, IDB_DH_TRUECOLOR)) {
    std::printf("controls: the menu or the toolbar could not be loaded\n");
    wnd.DestroyWindow();
    return 2;
  }
  menu.LoadToolbar(IDR_DH_TOOLBAR);
  bar.AddDropDownButton(&wnd, ID_DH_COPY, IDR_DH_MENU);
  ::SetWindowPos(bar.m_hWnd, nullptr, 0, 0, 480, 30, SWP_NOZORDER);
  deckhost::WindowOpened(wnd.m_hWnd, "controls window");
  int result = 0;
  if (scripted) {
    std::printf("menu \"&File\", keys Down Return:\n");
    wnd.keys = {VK_DOWN, VK_RETURN};
    menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN, 100, 100, &wnd);
    Pump();
    std::printf("drop-down of \"Copy\", keys Down Down Return:\n");
    wnd.keys = {VK_DOWN, VK_DOWN, VK_RETURN};
    NMTOOLBARA nm{};
    nm.hdr = {bar.m_hWnd, (UINT_PTR)bar.GetDlgCtrlID(), (UINT)TBN_DROPDOWN};
    nm.iItem = ID_DH_COPY;
    ::SendMessageA(wnd.m_hWnd, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    Pump();
    result = wnd.chosen == std::vector<UINT>{ID_DH_OPEN, ID_DH_EXIT} ? 0 : 1;
    if (::IsWindow(wnd.m_hWnd)) wnd.DestroyWindow();
    Pump();
  } else {
    ::SetMenu(wnd.m_hWnd, menu.m_hMenu);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::SetMenu(wnd.m_hWnd, nullptr);
  }
  wnd.menu = nullptr;
  return result;
}
