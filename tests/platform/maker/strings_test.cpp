// The string helpers' rules.
#include <gtest/gtest.h>
#include <set>
#include "MpStrings.h"

namespace {

TEST(StringsTest, FormatTrimAndCompare) {
  EXPECT_EQ("7 of 12: part", MpStrFormat("%d of %ld: %s", 7, 12L, "part"));
  const std::string longText(5000, 'x');
  EXPECT_EQ(longText + "!", MpStrFormat("%s!", longText.c_str())) << "no fixed buffer";
  EXPECT_EQ("", MpStrFormat(nullptr));

  EXPECT_EQ("  a b", MpTrimRight("  a b \t\r\n\v\f"));
  EXPECT_EQ("", MpTrimRight(" \t "));

  EXPECT_EQ(0, MpStrCompareNoCase("JPEG", "jpeg"));
  EXPECT_LT(MpStrCompareNoCase("bmp", "JPG"), 0);
  EXPECT_GT(MpStrCompareNoCase("JPG", "bmp"), 0);
  EXPECT_LT(MpStrCompareNoCase("jp", "JPG"), 0) << "a prefix sorts first";
  EXPECT_NE(0, MpStrCompareNoCase("\xC4", "\xE4")) << "only ASCII letters fold";
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

TEST(StringsTest, AlphaNumericAndIdentifier) {
  for (const char* good : {"MaxDepth_2", "2nd", "_"}) EXPECT_TRUE(MpIsAlphaNumeric(good)) << good;
  for (const char* bad : {"", "my size", "a-b", "\xE4" "b"}) EXPECT_FALSE(MpIsAlphaNumeric(bad)) << bad;
  EXPECT_TRUE(MpIsIdentifier("_a1"));
  EXPECT_FALSE(MpIsIdentifier("1a"));
  EXPECT_FALSE(MpIsIdentifier(""));
  EXPECT_FALSE(MpIsIdentifier("a b"));
}

TEST(StringsTest, JoinSplitAndNames) {
  EXPECT_EQ("a, b", getStringFromVector({"a", "b"}, ", "));
  EXPECT_EQ("", getStringFromVector({}, ","));
  EXPECT_EQ((std::vector<std::string>{"", "a", "", "b", ""}), getVectorFromString(",a,,b,", ","));
  EXPECT_EQ((std::vector<std::string>{"1.5", "2"}), getVectorFromString("1.5::2", "::"));
  EXPECT_EQ(std::vector<std::string>{}, getVectorFromString("", ","));
  EXPECT_EQ(std::vector<std::string>{"a,b"}, getVectorFromString("a,b", ""));

  std::set<std::string> seen;
  for (unsigned int id : {14485u, 14492u, 15085u, 15541u, 15781u, 15940u, 15694u}) {
    const std::string name = MpName(id);
    EXPECT_FALSE(name.empty()) << id;
    EXPECT_TRUE(seen.insert(name).second) << "name of " << id << " given twice: " << name;
  }
  EXPECT_EQ("", MpName(1));
}

}  // namespace
