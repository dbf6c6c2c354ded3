// Interface and class identifiers as compile-time constants, written in the registry form
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" so they read exactly as they are published.
#pragma once
#include <windows.h>

namespace MpGuidDetail {

constexpr unsigned hexDigit(char c) {
  return (c >= '0' && c <= '9')   ? unsigned(c - '0')
         : (c >= 'A' && c <= 'F') ? unsigned(c - 'A' + 10)
         : (c >= 'a' && c <= 'f') ? unsigned(c - 'a' + 10)
                                  : throw "MpGuid: not a hexadecimal digit";
}

constexpr unsigned long hexValue(const char* s, int first, int count) {
  unsigned long v = 0;
  for (int i = 0; i < count; ++i) v = (v << 4) | hexDigit(s[first + i]);
  return v;
}

constexpr bool wellFormed(const char* s) {
  if (s[0] != '{' || s[9] != '-' || s[14] != '-' || s[19] != '-' || s[24] != '-' || s[37] != '}' ||
      s[38] != '\0')
    throw "MpGuid: expected {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
  return true;
}

}  // namespace MpGuidDetail

// Parses "{C4CECA79-100C-436E-8BD6-0C24A5E2227D}". A malformed text fails to compile when the
// result initialises a constexpr constant.
constexpr GUID MpGuid(const char* s) {
  using namespace MpGuidDetail;
  wellFormed(s);
  return GUID{hexValue(s, 1, 8),
              static_cast<unsigned short>(hexValue(s, 10, 4)),
              static_cast<unsigned short>(hexValue(s, 15, 4)),
              {static_cast<unsigned char>(hexValue(s, 20, 2)), static_cast<unsigned char>(hexValue(s, 22, 2)),
               static_cast<unsigned char>(hexValue(s, 25, 2)), static_cast<unsigned char>(hexValue(s, 27, 2)),
               static_cast<unsigned char>(hexValue(s, 29, 2)), static_cast<unsigned char>(hexValue(s, 31, 2)),
               static_cast<unsigned char>(hexValue(s, 33, 2)), static_cast<unsigned char>(hexValue(s, 35, 2))}};
}

// One named identifier. `inline constexpr` gives a constant with external linkage, so its address
// is usable as a template argument (MpSmartPointer<I, &IID_I>) and names the same entity in every
// translation unit.
#define MP_IDENTIFIER(name, text) inline constexpr GUID name = MpGuid(text)
