// A thread locale whose ANSI code page differs from the system's, for the tests of 8-bit text
// that follows the thread's locale.
#pragma once
#include <windows.h>

namespace wdtest {

// For its scope the calling thread is Russian (code page 1251, where 0xC0 is U+0410) on a system
// whose ANSI code page is 1252 (where 0xC0 is U+00C0); the old locale comes back however the
// scope ends. ready() is false when the system or the thread's code page is not as said.
class RussianThread {
 public:
  RussianThread() : m_saved(::GetThreadLocale()) {
    if (::GetACP() != 1252 ||
        !::SetThreadLocale(MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT)))
      return;
    wchar_t wide[2] = {};
    m_ready = ::MultiByteToWideChar(CP_THREAD_ACP, 0, "\xC0", -1, wide, 2) == 2 && wide[0] == L'\u0410';
  }
  ~RussianThread() { ::SetThreadLocale(m_saved); }
  RussianThread(const RussianThread&) = delete;
  RussianThread& operator=(const RussianThread&) = delete;
  bool ready() const { return m_ready; }

 private:
  LCID m_saved;
  bool m_ready = false;
};

}  // namespace wdtest
