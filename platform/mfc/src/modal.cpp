// The one modal loop of the stand-in: dialogs, property sheets and anything else modal run
// it, so that a script player can take each step when the loop is idle.
#include "afxmodal_.h"
#include "afxpriv_.h"
#include "afxscript.h"

namespace {

// Gives each window from the message's target up to the top-level window a chance to
// pre-translate it (dialog keys, tooltips).
BOOL WalkPreTranslateTree(MSG* pMsg) {
  for (HWND h = pMsg->hwnd; h; h = ::GetParent(h)) {
    if (CWnd* p = CWnd::FromHandlePermanent(h)) {
      if (p->PreTranslateMessage(pMsg)) return TRUE;
    }
    if (!(::GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) break;
  }
  return FALSE;
}

// While it lives, the window procedure keeps a handler's exception for this loop.
class ModalScope {
public:
  explicit ModalScope(AfxThreadState& st) : m_st(st) { ++m_st.modalDepth; }
  ~ModalScope() { --m_st.modalDepth; }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

private:
  AfxThreadState& m_st;
};

// As the system's dialog loop does, the modal window's owner hears each time the loop runs out of
// messages (unless the window's style asks for silence).
void TellOwnerIdle(HWND hModal) {
  if (!::IsWindow(hModal) || (::GetWindowLongA(hModal, GWL_STYLE) & DS_NOIDLEMSG)) return;
  if (HWND hOwner = ::GetWindow(hModal, GW_OWNER))
    ::SendMessageA(hOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(hModal));
}

bool Pump(HWND hModal, const std::function<AfxScript::ModalInfo()>& describe,
          const std::function<bool()>& finished) {
  MSG msg;
  for (;;) {
    AfxRethrowPendingException();
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
      AfxRethrowPendingException();
      if (finished()) return true;
    }
    AfxDeleteTempMap();
    TellOwnerIdle(hModal);
    AfxRethrowPendingException();
    if (finished()) return true;
    if (AfxScript::Player* player = AfxScript::GetPlayer()) {
      bool stepped = player->RunStep(describe());
      AfxRethrowPendingException();
      if (!stepped) return false;
    } else {
      ::WaitMessage();
    }
  }
}

// An exception leaves the loop, so the caller's own ending of the modal state is skipped:
// the owner is enabled again and the modal window closed here, as the caller would have.
void CloseModalWindow(AfxThreadState& st, HWND hModal) {
  if (!::IsWindow(hModal)) return;
  HWND hOwner = ::GetWindow(hModal, GW_OWNER);
  if (hOwner) ::EnableWindow(hOwner, TRUE);
  ::DestroyWindow(hModal);
  if (st.pendingException) {  // thrown while closing: the first one is what matters
    AfxReportDroppedException(st.pendingException);
    st.pendingException = nullptr;
  }
}

}  // namespace

// Makes up for the activation Wine does not report as the window is shown (afxpriv_.h).
void AfxRedrawCaptionActive(HWND h) {
  if (h && ::GetActiveWindow() == h && ::GetForegroundWindow() == h) ::SendMessageA(h, WM_NCACTIVATE, TRUE, 0);
}

bool AfxRunModalLoop(const std::function<AfxScript::ModalInfo()>& describe,
                     const std::function<bool()>& finished) {
  AfxThreadState& st = AfxGetThreadState();
  ModalScope scope(st);
  const HWND hModal = describe().hwnd;
  AfxRedrawCaptionActive(hModal);
  try {
    return Pump(hModal, describe, finished);
  } catch (...) {
    CloseModalWindow(st, hModal);
    throw;
  }
}
