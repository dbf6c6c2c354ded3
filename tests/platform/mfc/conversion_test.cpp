#include <afx.h>
#include <gtest/gtest.h>

#include <string>
#include "thread_locale.h"

namespace {

// Restores the thread's locale however the test ends.
struct ThreadLocale {
  LCID saved = ::GetThreadLocale();
  ~ThreadLocale() { ::SetThreadLocale(saved); }
};

// One rule for 8-bit text, the ANSI code page of the 8-bit entry points, whatever the thread's
// locale says; lengths in characters, -1 up to the NUL, which no result holds.
TEST(AnsiWideConversion, UsesTheAnsiCodePageWhateverTheThreadLocale) {
  if (::GetACP() != 1252) GTEST_SKIP() << "the prefix's ANSI code page is " << ::GetACP();
  ThreadLocale restore;
  // Russian: the thread's code page becomes 1251, where 0xE9 is a Cyrillic letter.
  ASSERT_TRUE(::SetThreadLocale(MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT)));
  wchar_t threadWide[2] = {};
  ASSERT_EQ(2, ::MultiByteToWideChar(CP_THREAD_ACP, 0, "\xE9", -1, threadWide, 2));
  ASSERT_NE(L'\u00E9', threadWide[0]) << "the thread's code page did not change";

  const std::string narrow = "Part \xE9\xFC 7";
  const std::wstring wide = L"Part \u00E9\u00FC 7";
  EXPECT_EQ(wide, AfxWideFromAnsi(narrow.c_str()));
  EXPECT_EQ(narrow, AfxAnsiFromWide(wide.c_str()));
  EXPECT_EQ(narrow, std::string(CString(wide.c_str())));

  // A length counts characters and may take a NUL in; -1 stops at the first one.
  const char withNul[] = "a\0b";
  EXPECT_EQ(std::wstring(L"a\0b", 3), AfxWideFromAnsi(withNul, 3));
  EXPECT_EQ(L"a", AfxWideFromAnsi(withNul));
  EXPECT_EQ(std::string("Part \xE9", 6), AfxAnsiFromWide(wide.c_str(), 6));
  EXPECT_EQ("", AfxAnsiFromWide(nullptr));
  EXPECT_EQ(L"", AfxWideFromAnsi(nullptr));
  EXPECT_EQ(L"", AfxWideFromAnsi("", -1));
  // A character the code page lacks becomes its default character.
  EXPECT_EQ("?", AfxAnsiFromWide(L"\u0439"));
}

// 8-bit text that follows the thread's locale converts in the thread's code page when the caller
// names it; the default stays the system's.
TEST(AnsiWideConversion, TakesTheThreadsCodePageWhenNamed) {
  wdtest::RussianThread russian;
  if (!russian.ready()) GTEST_SKIP() << "no Russian thread on a code-page-1252 system";
  EXPECT_EQ(L"\u0410 \u044F", AfxWideFromAnsi("\xC0 \xFF", -1, CP_THREAD_ACP));
  EXPECT_EQ("\xC0 \xFF", AfxAnsiFromWide(L"\u0410 \u044F", -1, CP_THREAD_ACP));
  EXPECT_EQ(L"\u0410", AfxWideFromAnsi("\xC0\xC1", 1, CP_THREAD_ACP));
  EXPECT_EQ("\xC0", AfxAnsiFromWide(L"\u0410\u0411", 1, CP_THREAD_ACP));
  EXPECT_EQ(L"\u00C0", AfxWideFromAnsi("\xC0"));
  EXPECT_EQ("?", AfxAnsiFromWide(L"\u0410"));
}

}  // namespace
