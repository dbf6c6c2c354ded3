// Numbers typed into the settings pages.
//
// The pages read a typed number the way the C runtime's atof and atoi read it: leading white
// space skipped, the longest prefix that forms a number taken, 0 when there is none ("12x" is 12,
// "abc" is 0). Unlike the runtime they do not depend on the C locale, and they tell a text whose
// value is no usable number, which the pages then refuse: an infinite or NaN value ("inf",
// "nan", "1e999"), a hexadecimal number ("0x1p3"), or for a count a value outside int.
// Plain C++: no Windows header.
#pragma once
#include <string>

// The value of the decimal prefix of text; false when the prefix is infinite, NaN or
// hexadecimal (value then 0).
bool MpAppUiTextToDouble(const std::string& text, double& value);

// The value of the integer prefix of text; false when it lies outside int (value then 0).
bool MpAppUiTextToInt(const std::string& text, int& value);

// Whether text starts, after white space and a sign, with a decimal number ("5", ".5"); the
// pages that accept zero refuse a text that holds no number at all.
bool MpAppUiHasNumber(const std::string& text);
