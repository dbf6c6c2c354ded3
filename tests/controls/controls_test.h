// Helpers of the control tests: a window that chooses from pop-up menus by script, and the shared
// canvas and GDI counting (canvas.h).
#pragma once
#include <gtest/gtest.h>
#include <afxwin.h>
#include <cstdint>
#include <string>
#include <vector>
#include "canvas.h"

namespace ctltest {

using wdtest::Canvas;
using wdtest::GdiCount;
using wdtest::Pixel;
using wdtest::Stored;

// A visible owner window: when a pop-up menu runs out of messages it posts the queued keys to
// the menu and records the commands and owner-draw traffic that reach it.
class MenuOwner : public CWnd {
 public:
  MenuOwner();
  ~MenuOwner() override;
  std::vector<UINT> keys;           // posted at the first idle moment of a menu
  std::vector<UINT> commands;       // WM_COMMAND ids received
  int measured = 0, drawn = 0;      // owner-draw messages the menu objects answered
  UINT lastItemHeight = 0;
  // Handles what is queued (the command a menu posts on closing).
  void Pump();

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ctltest
