// Helpers of the control tests: a DIB-section canvas that a failed test leaves as a PNG beside
// the test output, a window that chooses from pop-up menus by script, GDI counting.
#pragma once
#include <gtest/gtest.h>
#include <afxwin.h>
#include <cstdint>
#include <string>
#include <vector>

namespace ctltest {

class Canvas {
 public:
  Canvas(int w, int h);
  // Writes the canvas as "<test name>.png" in the working directory when a check found it wrong
  // and the test has failed: a check inside EXPECT_FALSE that finds a difference writes nothing.
  ~Canvas();
  HDC dc() const { return m_dc; }
  COLORREF at(int x, int y) const;
  void fill(COLORREF c);
  // Notes that a check found the canvas other than expected.
  void differs() const { m_differs = true; }

 private:
  int m_w, m_h;
  HDC m_dc;
  HBITMAP m_bmp;
  HGDIOBJ m_old;
  uint32_t* m_bits = nullptr;
  mutable bool m_differs = false;
};

// Whether the pixel has the colour (as the canvas stores it).
::testing::AssertionResult Pixel(const Canvas& c, int x, int y, COLORREF expected);
// The colour a colour becomes in a 32-bit canvas.
COLORREF Stored(COLORREF c);

// GDI objects of the process (Wine's GetGuiResources answers 0: then its shared handle table
// is counted).
DWORD GdiCount();

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
