#include <afx.h>
#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CStringTest, FormatProducesOutputOfAnyLengthAndMayReadItself) {
  std::string longText(5000, 'x');
  CString s;
  s.Format("[%s] %d %s", longText.c_str(), 42, "end");
  EXPECT_EQ(s.GetLength(), 1 + 5000 + 1 + 3 + 4);
  EXPECT_EQ(std::string(s), "[" + longText + "] 42 end");

  s = "abc";
  s.Format("%s-%s", static_cast<LPCSTR>(s), static_cast<LPCSTR>(s));
  EXPECT_STREQ(s, "abc-abc");
  s.Format("%s", "");
  EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, CopiesAreIndependentAndAppendingToItselfWorks) {
  EXPECT_STREQ(CString(static_cast<LPCSTR>(nullptr)), "");
  EXPECT_STREQ(CString("abcdef", 3), "abc");
  EXPECT_STREQ(CString(L"wide text"), "wide text");

  CString a("first");
  CString b(a);
  b.MakeUpper();
  EXPECT_STREQ(a, "first");
  EXPECT_STREQ(b, "FIRST");
  b.Empty();
  EXPECT_TRUE(b.IsEmpty());

  // A string may be appended to itself, also when that grows its storage.
  CString self("ab");
  for (int i = 0; i < 10; ++i) self += self;
  EXPECT_EQ(self.GetLength(), 2 * 1024);
  self = self.GetString() + 2;  // assignment from inside itself
  EXPECT_EQ(self.GetLength(), 2 * 1024 - 2);

  CString joined = CString("a") + "b" + 'c' + CString("d");
  EXPECT_STREQ(joined, "abcd");
  EXPECT_STREQ("x" + joined, "xabcd");
}

TEST(CStringTest, ExtractionAndSearchesHandleTheirEdges) {
  CString s("abcdef");
  EXPECT_EQ(s.Mid(2), "cdef");
  EXPECT_EQ(s.Mid(4, 100), "ef");
  EXPECT_EQ(s.Mid(-3, 2), "ab");
  EXPECT_EQ(s.Mid(10, 2), "");
  EXPECT_EQ(s.Left(-2), "");
  EXPECT_EQ(s.Left(50), "abcdef");
  EXPECT_EQ(s.Right(2), "ef");
  EXPECT_EQ(s.Right(50), "abcdef");

  CString t("one two one");
  EXPECT_EQ(t.Find('o', 1), 6);
  EXPECT_EQ(t.Find('o', 11), -1);
  EXPECT_EQ(t.Find('o', -1), -1);
  EXPECT_EQ(t.Find("one", 1), 8);
  EXPECT_EQ(t.Find("one", 12), -1);
  EXPECT_EQ(t.Find("", 3), 3);
  EXPECT_EQ(t.ReverseFind('o'), 8);
  EXPECT_EQ(CString().ReverseFind('x'), -1);
}

TEST(CStringTest, EditingCountsAndClamps) {
  CString s("l\r\ni\r\nne\r\n");
  EXPECT_EQ(s.Remove('\r'), 3);
  EXPECT_EQ(s.Remove('\n'), 3);
  EXPECT_STREQ(s, "line");

  s = "<<[--line]";
  EXPECT_EQ(s.Delete(0, 2), 8);
  EXPECT_EQ(s.Delete(-4), 7);
  EXPECT_EQ(s.Delete(5, 100), 5);
  EXPECT_EQ(s.Delete(2, 0), 5);
  EXPECT_STREQ(s, "--lin");

  s = "MiXed 123 \xC4";  // letters beyond ASCII are left as they are
  EXPECT_STREQ(CString(s).MakeUpper(), "MIXED 123 \xC4");
  EXPECT_STREQ(CString(s).MakeLower(), "mixed 123 \xC4");
}

TEST(CStringTest, CompareOrdersByCharacterCode) {
  EXPECT_LT(CString("B").Compare("a"), 0);
  EXPECT_LT(CString("ab").Compare("abc"), 0);
  EXPECT_EQ(CString("abc").Compare("abc"), 0);
  // Characters above 127 order after ASCII.
  EXPECT_GT(CString("\xE9").Compare("z"), 0);

  EXPECT_TRUE("abc" == CString("abc"));
  EXPECT_FALSE(CString("abc") == "ABC");
}

TEST(CStringTest, BufferAccessSetsTheLength) {
  CString s;
  char* p = s.GetBuffer(64);
  ASSERT_NE(p, nullptr);
  lstrcpyA(p, "written by hand");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 15);
  p = s.GetBuffer(0);
  EXPECT_STREQ(p, "written by hand");  // the buffer starts with the current text
  s.ReleaseBuffer(7);
  EXPECT_STREQ(s, "written");
  p = s.GetBufferSetLength(3);
  p[0] = 'W';
  EXPECT_STREQ(s, "Wri");

  CString kept("unchanged");
  EXPECT_FALSE(kept.LoadString(65000));  // no module holds it
  EXPECT_STREQ(kept, "unchanged");
}

}  // namespace
