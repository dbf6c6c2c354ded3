// String helpers.
#include "MpStrings.h"
#include <cstdarg>
#include <cstdio>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string MpStrFormat(const char* format, ...) {
  if (!format) return std::string();
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text;
  if (length > 0) {
    text.resize(static_cast<size_t>(length) + 1);
    std::vsnprintf(&text[0], text.size(), format, again);
    text.resize(static_cast<size_t>(length));
  }
  va_end(again);
  return text;
}

std::string MpTrimRight(const std::string& text) {
  const size_t last = text.find_last_not_of(" \t\n\r\v\f");
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

int MpStrCompareNoCase(const std::string& a, const std::string& b) {
  const size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = static_cast<unsigned char>(lower(a[i]));
    const unsigned char cb = static_cast<unsigned char>(lower(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool MpIsNumeric(const std::string& text, bool allowSign, bool allowDecimal) {
  size_t i = 0;
  const size_t n = text.size();
  if (allowSign && i < n && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  bool point = false;
  for (; i < n; ++i) {
    if (isDigit(text[i])) {
      ++digits;
    } else if (allowDecimal && text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i < n && allowDecimal && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t exponentDigits = 0;
    while (i < n && isDigit(text[i])) {
      ++i;
      ++exponentDigits;
    }
    if (exponentDigits == 0) return false;
  }
  return i == n;
}

bool MpIsAlphaNumeric(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!isLetter(c) && !isDigit(c) && c != '_') return false;
  }
  return true;
}

bool MpIsIdentifier(const std::string& text) { return MpIsAlphaNumeric(text) && !isDigit(text[0]); }

std::string getStringFromVector(const std::vector<std::string>& parts, const std::string& separator) {
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) text += separator;
    text += parts[i];
  }
  return text;
}

std::vector<std::string> getVectorFromString(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  if (text.empty()) return parts;
  if (separator.empty()) {
    parts.push_back(text);
    return parts;
  }
  size_t start = 0;
  for (;;) {
    const size_t at = text.find(separator, start);
    if (at == std::string::npos) {
      parts.push_back(text.substr(start));
      return parts;
    }
    parts.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}
