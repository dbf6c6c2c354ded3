// Numbers typed into the settings pages: atof and atoi prefixes, without locale, with the
// values that are no usable number told apart.
#include "MpAppUiNumberText.h"
#include <charconv>
#include <climits>
#include <cstddef>

namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isHexDigit(char c) {
  return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether text continues at pos with word, ignoring case.
bool startsWithWord(const std::string& text, size_t pos, const char* word) {
  for (; *word; ++word, ++pos) {
    if (pos >= text.size() || lower(text[pos]) != *word) return false;
  }
  return true;
}

size_t skipBlanks(const std::string& text) {
  size_t pos = 0;
  while (pos < text.size() && isBlank(text[pos])) ++pos;
  return pos;
}

}  // namespace

bool MpAppUiTextToDouble(const std::string& text, double& value) {
  value = 0.0;
  size_t pos = skipBlanks(text);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  // What the runtime would read as infinity, NaN or a hexadecimal number is no usable value.
  if (startsWithWord(text, pos, "inf") || startsWithWord(text, pos, "nan")) return false;
  if (pos + 2 < text.size() && text[pos] == '0' && lower(text[pos + 1]) == 'x' &&
      (isHexDigit(text[pos + 2]) ||
       (text[pos + 2] == '.' && pos + 3 < text.size() && isHexDigit(text[pos + 3])))) {
    return false;
  }

  // The longest decimal prefix: digits with at most one point, at least one digit, then an
  // exponent only when it has digits.
  const size_t start = pos;
  size_t intDigits = 0, leadingZeros = 0, fractionZeros = 0;
  bool significantSeen = false;
  while (pos < text.size() && isDigit(text[pos])) {
    if (text[pos] != '0' || significantSeen) {
      significantSeen = true;
      ++intDigits;
    } else {
      ++leadingZeros;
    }
    ++pos;
  }
  size_t fractionDigits = 0;
  if (pos < text.size() && text[pos] == '.') {
    ++pos;
    while (pos < text.size() && isDigit(text[pos])) {
      if (text[pos] != '0') significantSeen = true;
      if (!significantSeen) ++fractionZeros;
      ++fractionDigits;
      ++pos;
    }
  }
  if (intDigits + leadingZeros + fractionDigits == 0) return true;  // no number at all: 0
  long exponent = 0;
  size_t end = pos;
  if (pos < text.size() && lower(text[pos]) == 'e') {
    size_t e = pos + 1;
    bool expNegative = false;
    if (e < text.size() && (text[e] == '+' || text[e] == '-')) {
      expNegative = text[e] == '-';
      ++e;
    }
    if (e < text.size() && isDigit(text[e])) {
      while (e < text.size() && isDigit(text[e])) {
        if (exponent < 100000) exponent = exponent * 10 + (text[e] - '0');
        ++e;
      }
      if (expNegative) exponent = -exponent;
      end = e;
    }
  }
  if (!significantSeen) return true;  // zero, whatever its exponent

  double magnitude = 0.0;
  const char* first = text.data() + start;
  const char* last = text.data() + end;
  const std::from_chars_result r = std::from_chars(first, last, magnitude, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // Too large is infinite; too small is the zero the runtime gives.
    const long decimalExponent = intDigits > 0 ? static_cast<long>(intDigits) - 1 + exponent
                                               : -static_cast<long>(fractionZeros) - 1 + exponent;
    if (decimalExponent > 0) return false;
    magnitude = 0.0;
  } else if (r.ec != std::errc() || r.ptr != last) {
    return true;  // cannot happen for a prefix scanned above; read as no number
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

bool MpAppUiTextToInt(const std::string& text, int& value) {
  value = 0;
  size_t pos = skipBlanks(text);
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  long long magnitude = 0;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  for (; pos < text.size() && isDigit(text[pos]); ++pos) {
    magnitude = magnitude * 10 + (text[pos] - '0');
    if (magnitude > limit) return false;
  }
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

bool MpAppUiHasNumber(const std::string& text) {
  size_t pos = skipBlanks(text);
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
  if (pos < text.size() && text[pos] == '.') ++pos;
  return pos < text.size() && isDigit(text[pos]);
}
