// Native build only: the few Windows names the code editor's document (controls/MpAppUiEdit.cpp)
// uses, so that its keyword colouring builds and runs without Windows. No main window and no
// fonts: the document takes its built-in defaults, as it does on Windows without a main window.
#pragma once
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <strings.h>

typedef unsigned char BYTE;
typedef unsigned int UINT;
typedef std::uint32_t COLORREF;
typedef std::intptr_t LRESULT;
typedef void* HFONT;

enum { WM_GETFONT = 0x0031 };

struct LOGFONTA {
  long lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight;
  BYTE lfItalic, lfUnderline, lfStrikeOut, lfCharSet, lfOutPrecision, lfClipPrecision, lfQuality,
      lfPitchAndFamily;
  char lfFaceName[32];
};

struct CWnd {
  LRESULT SendMessage(UINT, std::uintptr_t = 0, std::intptr_t = 0) { return 0; }
};
inline CWnd* AfxGetMainWnd() { return nullptr; }

inline UINT GetACP() { return 1252; }
inline int GetObjectA(HFONT, int, void*) { return 0; }
inline char* lstrcpynA(char* to, const char* from, int size) {
  if (size <= 0) return to;
  std::strncpy(to, from, (size_t)size - 1);
  to[size - 1] = 0;
  return to;
}
inline int _stricmp(const char* a, const char* b) { return strcasecmp(a, b); }
inline int _strnicmp(const char* a, const char* b, size_t n) { return strncasecmp(a, b, n); }
