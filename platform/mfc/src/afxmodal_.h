#pragma once
#include "afxwin.h"
#include "afxscript.h"
#include <functional>

// Pumps messages until finished() holds. When idle, runs the installed player's next step
// for the window describe() names; returns false when the player had none (or on WM_QUIT):
// the caller then ends the modal window as cancelled.
bool AfxRunModalLoop(const std::function<AfxScript::ModalInfo()>& describe,
                     const std::function<bool()>& finished);
