// A DIB-section canvas that a failed test leaves as a PNG beside the test output, and the
// process's GDI object count, for tests that look at pixels or at what a window leaves behind.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdint>

namespace wdtest {

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

}  // namespace wdtest
