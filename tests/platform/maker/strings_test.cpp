// The string helpers' rules.
#include <gtest/gtest.h>
#include "MpStrings.h"

namespace {

TEST(StringsTest, FormatHasNoFixedBuffer) {
  EXPECT_EQ("7 of 12: part", MpStrFormat("%d of %ld: %s", 7, 12L, "part"));
  const std::string longText(5000, 'x');
  EXPECT_EQ(longText + "!", MpStrFormat("%s!", longText.c_str()));
  EXPECT_EQ("", MpStrFormat(nullptr));
}

TEST(StringsTest, IsNumeric) {
  // Integers: digits with an optional sign when signs are allowed.
  EXPECT_TRUE(MpIsNumeric("0123", false, false));
  EXPECT_FALSE(MpIsNumeric("-1", false, false));
  EXPECT_TRUE(MpIsNumeric("-1", true, false));
  EXPECT_TRUE(MpIsNumeric("+42", true, false));
  for (const char* bad : {"", "+", "--1", "1-", " 1", "1 ", "1.5", "1e3", "0x1F", "1,5"})
    EXPECT_FALSE(MpIsNumeric(bad, true, false)) << bad;

  // Doubles: one decimal point and an exponent.
  for (const char* good : {"-1.5", "+.5", "5.", "1E+3", "-2.5e-10", "7"}) EXPECT_TRUE(MpIsNumeric(good, true, true)) << good;
  for (const char* bad : {".", "-.", "1.2.3", "e5", "1e", "1e+", "1.5e2.5", " 1.5", "inf"})
    EXPECT_FALSE(MpIsNumeric(bad, true, true)) << bad;
  EXPECT_FALSE(MpIsNumeric("-1.5", false, true)) << "a sign needs the first flag";
  EXPECT_TRUE(MpIsNumeric("1e-3", false, true)) << "the exponent's sign belongs to the exponent";
}

TEST(StringsTest, AlphaNumeric) {
  for (const char* good : {"MaxDepth_2", "2nd", "_"}) EXPECT_TRUE(MpIsAlphaNumeric(good)) << good;
  for (const char* bad : {"", "my size", "a-b", "\xE4" "b"}) EXPECT_FALSE(MpIsAlphaNumeric(bad)) << bad;
}

}  // namespace
