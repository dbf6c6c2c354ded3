// The string helpers' rules.
#include <gtest/gtest.h>
#include <set>
#include "MpStrings.h"

namespace {

TEST(StringsTest, Format) {
  EXPECT_EQ("7 of 12: part", MpStrFormat("%d of %ld: %s", 7, 12L, "part"));
  EXPECT_EQ("", MpStrFormat("%s", ""));
  EXPECT_EQ("1.50", MpStrFormat("%.2f", 1.5));
  const std::string longText(5000, 'x');
  EXPECT_EQ(longText + "!", MpStrFormat("%s!", longText.c_str())) << "no fixed buffer";
  EXPECT_EQ("", MpStrFormat(nullptr));
}

TEST(StringsTest, TrimAndCompare) {
  EXPECT_EQ("  a b", MpTrimRight("  a b \t\r\n\v\f"));
  EXPECT_EQ("", MpTrimRight(" \t "));
  EXPECT_EQ("", MpTrimRight(""));
  EXPECT_EQ("abc", MpTrimRight("abc"));

  EXPECT_EQ(0, MpStrCompareNoCase("JPEG", "jpeg"));
  EXPECT_EQ(0, MpStrCompareNoCase("", ""));
  EXPECT_LT(MpStrCompareNoCase("bmp", "JPG"), 0);
  EXPECT_GT(MpStrCompareNoCase("JPG", "bmp"), 0);
  EXPECT_LT(MpStrCompareNoCase("jp", "JPG"), 0) << "a prefix sorts first";
  EXPECT_NE(0, MpStrCompareNoCase("\xC4", "\xE4")) << "only ASCII letters fold";
}

TEST(StringsTest, IsNumeric) {
  // Integers: digits with an optional sign when signs are allowed.
  EXPECT_TRUE(MpIsNumeric("0", false, false));
  EXPECT_TRUE(MpIsNumeric("0123", false, false));
  EXPECT_FALSE(MpIsNumeric("-1", false, false));
  EXPECT_TRUE(MpIsNumeric("-1", true, false));
  EXPECT_TRUE(MpIsNumeric("+42", true, false));
  EXPECT_FALSE(MpIsNumeric("1.5", true, false));
  EXPECT_FALSE(MpIsNumeric("1e3", true, false));
  for (const char* bad : {"", "+", "-", "--1", "1-", " 1", "1 ", "1 2", "0x1F", "½", "1,5"})
    EXPECT_FALSE(MpIsNumeric(bad, true, false)) << bad;

  // Doubles: one decimal point and an exponent.
  for (const char* good : {"1.5", "-1.5", "+.5", "5.", "25.4", "1e3", "1E+3", "-2.5e-10", "7"})
    EXPECT_TRUE(MpIsNumeric(good, true, true)) << good;
  for (const char* bad : {".", "-.", "1.2.3", "e5", "1e", "1e+", "1.5e2.5", "1.5 ", " 1.5", "inf", "nan", "1..5"})
    EXPECT_FALSE(MpIsNumeric(bad, true, true)) << bad;
  EXPECT_FALSE(MpIsNumeric("-1.5", false, true)) << "a sign needs the first flag";
  EXPECT_TRUE(MpIsNumeric("1e-3", false, true)) << "the exponent's sign belongs to the exponent";
}

TEST(StringsTest, AlphaNumericAndIdentifier) {
  EXPECT_TRUE(MpIsAlphaNumeric("MaxDepth_2"));
  EXPECT_TRUE(MpIsAlphaNumeric("2nd"));
  EXPECT_TRUE(MpIsAlphaNumeric("_"));
  for (const char* bad : {"", "my size", "it's", "a-b", "a.b", "\xE4" "b", "tab\t"})
    EXPECT_FALSE(MpIsAlphaNumeric(bad)) << bad;

  EXPECT_TRUE(MpIsIdentifier("a"));
  EXPECT_TRUE(MpIsIdentifier("_a1"));
  EXPECT_TRUE(MpIsIdentifier("Depth2"));
  EXPECT_FALSE(MpIsIdentifier("1a"));
  EXPECT_FALSE(MpIsIdentifier(""));
  EXPECT_FALSE(MpIsIdentifier("a b"));
}

TEST(StringsTest, JoinAndSplit) {
  EXPECT_EQ("a,b,c", getStringFromVector({"a", "b", "c"}, ","));
  EXPECT_EQ("a", getStringFromVector({"a"}, ","));
  EXPECT_EQ("", getStringFromVector({}, ","));
  EXPECT_EQ("a, b", getStringFromVector({"a", "b"}, ", "));

  EXPECT_EQ((std::vector<std::string>{"a", "", "b"}), getVectorFromString("a,,b", ","));
  EXPECT_EQ((std::vector<std::string>{"", "a", ""}), getVectorFromString(",a,", ","));
  EXPECT_EQ((std::vector<std::string>{"1.5", "2"}), getVectorFromString("1.5::2", "::"));
  EXPECT_EQ(std::vector<std::string>{}, getVectorFromString("", ","));
  EXPECT_EQ(std::vector<std::string>{"a,b"}, getVectorFromString("a,b", ""));

  const std::vector<std::string> parts{"x", "", "y z"};
  EXPECT_EQ(parts, getVectorFromString(getStringFromVector(parts, ";"), ";"));
}

TEST(StringsTest, NamesAreFixedAndDistinct) {
  const unsigned int ids[] = {14485, 14492, 14567, 14596, 15085, 15087, 15160, 15161, 15170, 15541,
                              15556, 15557, 15781, 15857, 15912, 15940, 15692, 15584, 14698, 15742,
                              15576, 15179, 14945, 14972, 15550, 15702, 15694};
  std::set<std::string> seen;
  for (unsigned int id : ids) {
    const std::string name = MpName(id);
    EXPECT_FALSE(name.empty()) << id;
    EXPECT_TRUE(seen.insert(name).second) << "name of " << id << " given twice: " << name;
    EXPECT_EQ(name, MpName(id));
  }
  EXPECT_EQ("", MpName(1));
}

}  // namespace
