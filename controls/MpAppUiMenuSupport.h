// Helpers shared by the owner-drawn menu and the toolbar.
#pragma once
#include <afxwin.h>
#include <string>

// The menu's 8-bit text follows the thread's locale, not the system's.
inline std::wstring menuWideText(const char* text) { return AfxWideFromAnsi(text, -1, CP_THREAD_ACP); }

// The menu font of the system, or the default GUI font when the system does not give one.
class MenuFont {
 public:
  MenuFont();
  ~MenuFont();
  MenuFont(const MenuFont&) = delete;
  MenuFont& operator=(const MenuFont&) = delete;
  HFONT handle() const { return m_font; }

 private:
  HFONT m_font = nullptr;
  bool m_owned = false;
};

// The DC of the main window, or of the desktop when there is none; released by the destructor.
class MainWindowDC {
 public:
  MainWindowDC();
  ~MainWindowDC();
  MainWindowDC(const MainWindowDC&) = delete;
  MainWindowDC& operator=(const MainWindowDC&) = delete;
  HWND window() const { return m_hWnd; }
  HDC hdc() const { return m_hDC; }

 private:
  HWND m_hWnd = nullptr;
  HDC m_hDC = nullptr;
};

// A bitmap resource of the first module that holds it, loaded as a DIB section; null if none.
HBITMAP loadDibSection(UINT bitmapId);
// The colour of the first pixel in the bitmap's memory (the bottom-left one of a bottom-up
// bitmap), whatever its depth: palette entries and 16-bit pixels are converted.
COLORREF firstMemoryPixel(HBITMAP bitmap);
