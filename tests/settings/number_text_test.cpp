// Typed numbers: the atof and atoi prefixes the pages test, without locale, and the values
// that are no usable number.
#include <gtest/gtest.h>
#include <clocale>
#include <string>
#include "MpAppUiNumberText.h"

namespace {

double Decimal(const char* text) {
  double v = -99.0;
  EXPECT_TRUE(MpAppUiTextToDouble(text, v)) << text;
  return v;
}
int Count(const char* text) {
  int v = -99;
  EXPECT_TRUE(MpAppUiTextToInt(text, v)) << text;
  return v;
}

TEST(NumberText, DecimalPrefixAsAtofReadsIt) {
  EXPECT_DOUBLE_EQ(0.01, Decimal("0.01"));
  EXPECT_DOUBLE_EQ(2.5, Decimal("2.5mm"));
  EXPECT_DOUBLE_EQ(-0.5, Decimal(" \t\n-0.5"));
  EXPECT_DOUBLE_EQ(0.5, Decimal("+.5"));
  EXPECT_DOUBLE_EQ(1500.0, Decimal("1.5e3x"));
  EXPECT_DOUBLE_EQ(1.5, Decimal("1.5e"));     // an exponent without digits is not part of it
  EXPECT_DOUBLE_EQ(12.0, Decimal("12,5"));    // the point is the only decimal separator
  EXPECT_DOUBLE_EQ(0.0, Decimal("abc"));
  EXPECT_DOUBLE_EQ(0.0, Decimal(""));
  EXPECT_DOUBLE_EQ(0.0, Decimal("-"));
  EXPECT_DOUBLE_EQ(0.0, Decimal("0x"));       // "0" and then letters
  EXPECT_DOUBLE_EQ(0.0, Decimal("1e-999"));   // too small: the zero the runtime gives
  EXPECT_DOUBLE_EQ(0.0, Decimal(("0." + std::string(400, '0') + "1").c_str()));
  EXPECT_DOUBLE_EQ(1e308, Decimal("1e308"));

  // The C locale does not change the reading.
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  if (std::setlocale(LC_NUMERIC, "German_Germany.1252") || std::setlocale(LC_NUMERIC, "de_DE")) {
    EXPECT_DOUBLE_EQ(0.25, Decimal("0.25"));
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(NumberText, NoUsableDecimalIsTold) {
  for (const char* text : {"inf", "-INF", "Infinity", " nan", "NaN(1)", "0x10", "0X1p3", "-0x.8", "1e999",
                           "1e400000000000000000", "-2e308"}) {
    double v = -99.0;
    EXPECT_FALSE(MpAppUiTextToDouble(text, v)) << text;
    EXPECT_EQ(0.0, v) << text;
  }
}

TEST(NumberText, CountPrefixAsAtoiReadsIt) {
  EXPECT_EQ(12, Count("12x"));
  EXPECT_EQ(-3, Count("  -3"));
  EXPECT_EQ(7, Count("+7.9"));
  EXPECT_EQ(1, Count("1e3"));
  EXPECT_EQ(0, Count("0x10"));
  EXPECT_EQ(0, Count("- 4"));
  EXPECT_EQ(2147483647, Count("2147483647"));
  EXPECT_EQ(-2147483647 - 1, Count("-2147483648"));
  EXPECT_EQ(5, Count("0000000000000000000000005"));
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999"}) {
    int v = -99;
    EXPECT_FALSE(MpAppUiTextToInt(text, v)) << text;
    EXPECT_EQ(0, v) << text;
  }
}

}  // namespace
