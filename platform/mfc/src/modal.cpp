// The one modal loop of the stand-in: dialogs, property sheets and anything else modal run
// it, so that a script player can take each step when the loop is idle.
#include "afxmodal_.h"
#include "afxscript.h"

// Gives each window from the message's target up to the top-level window a chance to
// pre-translate it (dialog keys, tooltips).
static BOOL WalkPreTranslateTree(MSG* pMsg) {
  for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
    if (CWnd* p = CWnd::FromHandlePermanent(h)) {
      if (p->PreTranslateMessage(pMsg)) return TRUE;
    }
    if (!(::GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) break;
  }
  return FALSE;
}

bool AfxRunModalLoop(const std::function<AfxScript::ModalInfo()>& describe,
                     const std::function<bool()>& finished) {
  MSG msg;
  for (;;) {
    if (finished()) return true;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        ::PostQuitMessage((int)msg.wParam);
        return false;
      }
      if (!WalkPreTranslateTree(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
      if (finished()) return true;
    }
    AfxDeleteTempMap();
    if (AfxScript::Player* player = AfxScript::GetPlayer()) {
      if (!player->RunStep(describe())) return false;
    } else {
      ::WaitMessage();
    }
  }
}
