#pragma once
#include "afxwin.h"
#include "afxscript.h"
#include <functional>

// Pumps messages until finished() holds. When idle, tells the modal window's owner
// (WM_ENTERIDLE, MSGF_DIALOGBOX) and runs the installed player's next step
// for the window describe() names; returns false when the player had none (or on WM_QUIT):
// the caller then ends the modal window as cancelled. An exception a handler threw while the
// loop ran is rethrown once its dispatch (or step) has returned, after the loop enabled the
// modal window's owner again and destroyed the window.
bool AfxRunModalLoop(const std::function<AfxScript::ModalInfo()>& describe,
                     const std::function<bool()>& finished);
