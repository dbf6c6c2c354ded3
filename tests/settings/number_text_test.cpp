// Typed numbers: the atof and atoi prefixes the pages test, without locale, and the values that are
// no usable number.
#include <gtest/gtest.h>
#include <clocale>
#include <string>
#include "MpAppUiNumberText.h"

namespace {

TEST(NumberText, DecimalPrefixAsAtofReadsIt) {
  const std::pair<const char*, double> cases[] = {
      {"0.01", 0.01}, {"2.5mm", 2.5}, {" \t\n-0.5", -0.5}, {"+.5", 0.5}, {"1.5e3x", 1500.0},
      {"1.5e", 1.5},  // an exponent without digits is not part of it
      {"12,5", 12.0}, {"abc", 0.0}, {"", 0.0}, {"-", 0.0}, {"0x", 0.0}, {"1e-999", 0.0}, {"1e308", 1e308}};
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  // A decimal-comma locale, where the runtime offers one, changes nothing.
  for (bool comma : {false, true}) {
    if (comma && !std::setlocale(LC_NUMERIC, "German_Germany.1252") && !std::setlocale(LC_NUMERIC, "de_DE")) break;
    for (const auto& c : cases) {
      double v = -99.0;
      EXPECT_TRUE(MpAppUiTextToDouble(c.first, v)) << c.first;
      EXPECT_DOUBLE_EQ(c.second, v) << c.first << (comma ? " under a decimal comma" : "");
    }
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
  for (const char* text : {"inf", "-INF", "Infinity", " nan", "NaN(1)", "0x10", "0X1p3", "-0x.8", "1e999", "-2e308"}) {
    double v = -99.0;
    EXPECT_FALSE(MpAppUiTextToDouble(text, v)) << text;
    EXPECT_EQ(0.0, v) << text;
  }
}

TEST(NumberText, CountPrefixAsAtoiReadsIt) {
  const std::pair<const char*, int> cases[] = {{"12x", 12},         {"  -3", -3},        {"+7.9", 7},
                                               {"1e3", 1},          {"0x10", 0},         {"- 4", 0},
                                               {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1},
                                               {"0000000000000000000000005", 5}};
  for (const auto& c : cases) {
    int v = -99;
    EXPECT_TRUE(MpAppUiTextToInt(c.first, v)) << c.first;
    EXPECT_EQ(c.second, v) << c.first;
  }
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999999"}) {
    int v = -99;
    EXPECT_FALSE(MpAppUiTextToInt(text, v)) << text;
    EXPECT_EQ(0, v) << text;
  }
}

}  // namespace
