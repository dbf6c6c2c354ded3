#include <afx.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

TEST(CStringTest, FormatProducesOutputOfAnyLength) {
  std::string longText(5000, 'x');
  CString s;
  s.Format("[%s] %d %s", longText.c_str(), 42, "end");
  EXPECT_EQ(s.GetLength(), 1 + 5000 + 1 + 3 + 4);
  EXPECT_EQ(std::string(s), "[" + longText + "] 42 end");

  // Formatting may read the string being formatted.
  s = "abc";
  s.Format("%s-%s", static_cast<LPCSTR>(s), static_cast<LPCSTR>(s));
  EXPECT_STREQ(s, "abc-abc");

  s.AppendFormat("/%05.1f/%x", 3.14, 255U);
  EXPECT_STREQ(s, "abc-abc/003.1/ff");
  s.AppendFormat("%s", longText.c_str());
  EXPECT_EQ(s.GetLength(), 16 + 5000);

  s.Format("%s", "");
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, ConstructionAssignmentAndCopiesAreIndependent) {
  CString empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_STREQ(empty, "");
  EXPECT_STREQ(CString(static_cast<LPCSTR>(nullptr)), "");

  CString counted("abcdef", 3);
  EXPECT_STREQ(counted, "abc");
  EXPECT_STREQ(CString('z', 4), "zzzz");
  EXPECT_STREQ(CString('z', 0), "");
  EXPECT_STREQ(CString(L"wide text"), "wide text");

  CString a("first");
  CString b(a);
  b.SetAt(0, 'F');
  EXPECT_STREQ(a, "first");
  EXPECT_STREQ(b, "First");
  a = b;
  b.Empty();
  EXPECT_STREQ(a, "First");
  EXPECT_TRUE(b.IsEmpty());
  a = 'q';
  EXPECT_STREQ(a, "q");

  // A string may be appended to itself, also when that grows its storage.
  CString self("ab");
  for (int i = 0; i < 10; ++i) self += self;
  EXPECT_EQ(self.GetLength(), 2 * 1024);
  EXPECT_EQ(self.Left(6), "ababab");
  self = self.GetString() + 2;  // assignment from inside itself
  EXPECT_EQ(self.GetLength(), 2 * 1024 - 2);

  CString joined = CString("a") + "b" + 'c' + CString("d");
  EXPECT_STREQ(joined, "abcd");
  EXPECT_STREQ("x" + joined, "xabcd");
  EXPECT_STREQ('y' + joined, "yabcd");
}

TEST(CStringTest, MidLeftRightClampToTheString) {
  CString s("abcdef");
  EXPECT_EQ(s.Mid(2), "cdef");
  EXPECT_EQ(s.Mid(2, 2), "cd");
  EXPECT_EQ(s.Mid(4, 100), "ef");
  EXPECT_EQ(s.Mid(-3, 2), "ab");
  EXPECT_EQ(s.Mid(6), "");
  EXPECT_EQ(s.Mid(10, 2), "");
  EXPECT_EQ(s.Mid(1, -1), "");
  EXPECT_EQ(s.Left(3), "abc");
  EXPECT_EQ(s.Left(0), "");
  EXPECT_EQ(s.Left(-2), "");
  EXPECT_EQ(s.Left(50), "abcdef");
  EXPECT_EQ(s.Right(2), "ef");
  EXPECT_EQ(s.Right(50), "abcdef");
  EXPECT_EQ(s.Right(-1), "");
  EXPECT_EQ(s.SpanIncluding("abx"), "ab");
  EXPECT_EQ(s.SpanExcluding("dq"), "abc");
}

TEST(CStringTest, FindAndReverseFindHandleTheirEdges) {
  CString s("one two one");
  EXPECT_EQ(s.Find('o'), 0);
  EXPECT_EQ(s.Find('o', 1), 6);
  EXPECT_EQ(s.Find('o', 11), -1);
  EXPECT_EQ(s.Find('o', -1), -1);
  EXPECT_EQ(s.Find('z'), -1);
  EXPECT_EQ(s.Find("one"), 0);
  EXPECT_EQ(s.Find("one", 1), 8);
  EXPECT_EQ(s.Find("one", 9), -1);
  EXPECT_EQ(s.Find("one", 12), -1);
  EXPECT_EQ(s.Find("", 3), 3);
  EXPECT_EQ(s.Find("one two one!"), -1);
  EXPECT_EQ(s.ReverseFind('o'), 8);
  EXPECT_EQ(s.ReverseFind('x'), -1);
  EXPECT_EQ(CString().ReverseFind('x'), -1);
  EXPECT_EQ(s.FindOneOf("wt"), 4);
}

TEST(CStringTest, EditingCountsAndClamps) {
  CString s("a-b-c");
  EXPECT_EQ(s.Replace('-', '+'), 2);
  EXPECT_STREQ(s, "a+b+c");
  EXPECT_EQ(s.Replace('+', '+'), 0);

  s = "aaa";
  EXPECT_EQ(s.Replace("aa", "b"), 1);  // left to right, without overlap
  EXPECT_STREQ(s, "ba");
  s = "x.y.z";
  EXPECT_EQ(s.Replace(".", "::"), 2);
  EXPECT_STREQ(s, "x::y::z");
  EXPECT_EQ(s.Replace("::", ""), 2);
  EXPECT_STREQ(s, "xyz");
  EXPECT_EQ(s.Replace("", "q"), 0);
  EXPECT_EQ(s.Replace("nothing", "q"), 0);
  EXPECT_STREQ(s, "xyz");
  s = "abab";
  EXPECT_EQ(s.Replace(s.Left(2), s), 2);
  EXPECT_STREQ(s, "abababab");

  s = "l\r\ni\r\nne\r\n";
  EXPECT_EQ(s.Remove('\r'), 3);
  EXPECT_EQ(s.Remove('\n'), 3);
  EXPECT_STREQ(s, "line");

  EXPECT_EQ(s.Insert(0, '['), 5);
  EXPECT_EQ(s.Insert(100, ']'), 6);
  EXPECT_EQ(s.Insert(-5, "<<"), 8);
  EXPECT_EQ(s.Insert(3, "--"), 10);
  EXPECT_STREQ(s, "<<[--line]");
  EXPECT_EQ(s.Insert(0, s.GetString() + 8), 12);
  EXPECT_STREQ(s, "e]<<[--line]");

  EXPECT_EQ(s.Delete(0, 2), 10);
  EXPECT_EQ(s.Delete(-4), 9);
  EXPECT_EQ(s.Delete(7, 100), 7);
  EXPECT_EQ(s.Delete(7, 1), 7);
  EXPECT_EQ(s.Delete(2, 0), 7);
  EXPECT_STREQ(s, "<[--lin");

  s = "MiXed 123 \xC4";
  EXPECT_STREQ(CString(s).MakeUpper(), "MIXED 123 \xC4");
  EXPECT_STREQ(CString(s).MakeLower(), "mixed 123 \xC4");
  EXPECT_STREQ(CString("abc").MakeReverse(), "cba");
}

TEST(CStringTest, CompareOrdersByCharacterCode) {
  EXPECT_LT(CString("B").Compare("a"), 0);
  EXPECT_GT(CString("a").Compare("B"), 0);
  EXPECT_LT(CString("ab").Compare("abc"), 0);
  EXPECT_EQ(CString("abc").Compare("abc"), 0);
  // Characters above 127 order after ASCII.
  EXPECT_GT(CString("\xE9").Compare("z"), 0);

  EXPECT_EQ(CString("Hello").CompareNoCase("hELLO"), 0);
  EXPECT_LT(CString("apple").CompareNoCase("BANANA"), 0);
  // Case is folded to lower case, so '_' sorts before letters.
  EXPECT_LT(CString("_x").CompareNoCase("Ax"), 0);

  std::map<CString, int> ordered{{"beta", 1}, {"Zulu", 2}, {"alpha", 3}, {"\xE4rger", 4}};
  std::vector<std::string> keys;
  for (const auto& entry : ordered) keys.emplace_back(entry.first);
  EXPECT_EQ(keys, (std::vector<std::string>{"Zulu", "alpha", "beta", "\xE4rger"}));

  CString s("abc");
  EXPECT_TRUE(s == "abc");
  EXPECT_TRUE("abc" == s);
  EXPECT_TRUE(s == CString("abc"));
  EXPECT_TRUE(s != "abd");
  EXPECT_TRUE(s < "abd");
  EXPECT_TRUE("abb" < s);
  EXPECT_FALSE(s == "ABC");
  EXPECT_TRUE(CString("x") == 'x');
  EXPECT_FALSE(CString("xx") == 'x');
}

TEST(CStringTest, TrimRemovesWhiteSpaceOrTheGivenCharacters) {
  CString s(" \t\r\n text here \v\f ");
  EXPECT_STREQ(CString(s).TrimLeft(), "text here \v\f ");
  EXPECT_STREQ(CString(s).TrimRight(), " \t\r\n text here");
  EXPECT_STREQ(s.Trim(), "text here");
  EXPECT_STREQ(CString("xxaxx").Trim('x'), "a");
  EXPECT_STREQ(CString("xxaxx").TrimLeft('x'), "axx");
  EXPECT_STREQ(CString("-=a=-").Trim("=-"), "a");
  EXPECT_STREQ(CString("-=a=-").TrimRight("=-"), "-=a");
  EXPECT_STREQ(CString("    ").Trim(), "");
  EXPECT_STREQ(CString("abc").Trim("xyz"), "abc");
}

TEST(CStringTest, TokenizeWalksTheTokensAndEnds) {
  CString s("  alpha, beta,,gamma ");
  std::vector<std::string> tokens;
  int pos = 0;
  for (CString token = s.Tokenize(", ", pos); pos != -1; token = s.Tokenize(", ", pos))
    tokens.emplace_back(token);
  EXPECT_EQ(tokens, (std::vector<std::string>{"alpha", "beta", "gamma"}));

  pos = 0;
  EXPECT_EQ(CString(",,,").Tokenize(",", pos), "");
  EXPECT_EQ(pos, -1);

  // Without delimiters the rest is one token, and the walk then ends.
  pos = 2;
  CString whole("abcdef");
  EXPECT_EQ(whole.Tokenize("", pos), "cdef");
  EXPECT_NE(pos, -1);
  EXPECT_EQ(whole.Tokenize("", pos), "");
  EXPECT_EQ(pos, -1);
}

TEST(CStringTest, BufferAccessSetsTheLength) {
  CString s;
  char* p = s.GetBuffer(64);
  ASSERT_NE(p, nullptr);
  EXPECT_GE(s.GetAllocLength(), 64);
  lstrcpyA(p, "written by hand");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 15);
  EXPECT_STREQ(s, "written by hand");

  p = s.GetBuffer(0);
  EXPECT_STREQ(p, "written by hand");  // the buffer starts with the current text
  s.ReleaseBuffer(7);
  EXPECT_STREQ(s, "written");

  p = s.GetBufferSetLength(3);
  p[0] = 'W';
  EXPECT_EQ(s.GetLength(), 3);
  EXPECT_STREQ(s, "Wri");
  s.GetBufferSetLength(5);
  EXPECT_EQ(s.GetLength(), 5);

  // Filled by an API that writes its own terminator.
  CString text;
  int n = wsprintfA(text.GetBuffer(100), "%d-%s", 12, "ab");
  text.ReleaseBuffer();
  EXPECT_EQ(n, 5);
  EXPECT_STREQ(text, "12-ab");
}

TEST(CStringTest, WideTextRoundTripsAndMissingResourcesLeaveTheString) {
  CString s("Wide text 123");
  BSTR bstr = s.AllocSysString();
  ASSERT_NE(bstr, nullptr);
  EXPECT_EQ(SysStringLen(bstr), 13u);
  EXPECT_EQ(std::wstring(bstr), L"Wide text 123");
  EXPECT_STREQ(CString(bstr), s);
  SysFreeString(bstr);
  EXPECT_STREQ(CString(L"abcdef", 2), "ab");

  CString kept("unchanged");
  EXPECT_FALSE(kept.LoadString(GetModuleHandleA(nullptr), 65000));
  EXPECT_STREQ(kept, "unchanged");
}

}  // namespace
