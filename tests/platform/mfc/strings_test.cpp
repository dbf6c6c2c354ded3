#include <afx.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// What the other wrappers build on: formatting with no fixed buffer, a string that reads or grows
// from itself, and the buffer handed to the system setting the length.
TEST(CStringTest, FormatAppendAndBufferHandleLongTextAndThemselves) {
  std::string longText(5000, 'x');
  CString s;
  s.Format("[%s] %d %s", longText.c_str(), 42, "end");
  EXPECT_EQ(std::string(s), "[" + longText + "] 42 end");
  s = "abc";
  s.Format("%s-%s", static_cast<LPCSTR>(s), static_cast<LPCSTR>(s));
  EXPECT_STREQ(s, "abc-abc");

  CString self("ab");
  for (int i = 0; i < 10; ++i) self += self;
  EXPECT_EQ(self.GetLength(), 2 * 1024);
  self = self.GetString() + 2;  // assignment from inside itself
  EXPECT_EQ(self.GetLength(), 2 * 1024 - 2);

  char* p = s.GetBuffer(64);
  lstrcpyA(p, "written by hand");
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 15);
  EXPECT_STREQ(s.GetBuffer(0), "written by hand");  // the buffer starts with the current text
  s.ReleaseBuffer(7);
  EXPECT_STREQ(s, "written");
  EXPECT_FALSE(s.LoadString(65000));  // no module holds it
  EXPECT_STREQ(s, "written");
}

}  // namespace
