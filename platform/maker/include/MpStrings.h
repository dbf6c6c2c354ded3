// String helpers of the utility library. Letters and digits are those of ASCII; bytes of 0x80 and
// above are neither.
#pragma once
#include "MpMakerApi.h"
#include <string>
#include <vector>

// printf-style formatting into a string (the C99 conversions, as the runtime's vsnprintf has them).
MPMAKER_API std::string MpStrFormat(const char* format, ...) __attribute__((format(gnu_printf, 1, 2)));

// The fixed name behind a name identifier (class, field and attachment-type names that host and
// library share); the empty string for an identifier without a name.
MPMAKER_API std::string MpName(unsigned int id);

// The text without its trailing white space (blank, tab, line feed, carriage return, vertical
// tab, form feed).
MPMAKER_API std::string MpTrimRight(const std::string& text);

// Compares as strcmp does after mapping ASCII upper-case letters to lower case: 0 when the texts
// are equal ignoring case, negative when a sorts first, positive otherwise.
MPMAKER_API int MpStrCompareNoCase(const std::string& a, const std::string& b);

// Whether the whole text is a number, with no blank before, inside or after it:
//  - one or more decimal digits;
//  - allowSign: optionally preceded by one '+' or '-';
//  - allowDecimal: optionally one '.' among or around the digits (at least one digit in all, so
//    "1.", ".5" and "1.5" are numbers, "." is not), and optionally an exponent after them: 'e' or
//    'E', an optional '+' or '-', one or more digits.
// So (true, false) accepts integers such as "-12", (true, true) doubles such as "-1.5e3".
MPMAKER_API bool MpIsNumeric(const std::string& text, bool allowSign, bool allowDecimal);

// Whether the text is not empty and holds only letters, digits and underscores.
MPMAKER_API bool MpIsAlphaNumeric(const std::string& text);

// Whether the text is alphanumeric (above) and does not start with a digit: "_a1", "a" are
// identifiers, "1a", "" and "a b" are not.
MPMAKER_API bool MpIsIdentifier(const std::string& text);

// Joins the parts with the separator between them: {"a", "b"} and "," give "a,b"; no part gives "".
MPMAKER_API std::string getStringFromVector(const std::vector<std::string>& parts, const std::string& separator);

// Splits the text at every occurrence of the separator: "a,,b" and "," give {"a", "", "b"}. An
// empty text gives no part; an empty separator gives the whole text as the one part.
MPMAKER_API std::vector<std::string> getVectorFromString(const std::string& text, const std::string& separator);
