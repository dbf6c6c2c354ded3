// Fuzz target: numbers typed into the settings pages.
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "MpAppUiNumberText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  double d = 1;
  if (MpAppUiTextToDouble(text, d) && !std::isfinite(d)) std::abort();
  int n = 1;
  const bool inRange = MpAppUiTextToInt(text, n);
  // The integer prefix is the one the C runtime reads (the text stops at a NUL for it too).
  errno = 0;
  const long long expected = std::strtoll(text.c_str(), nullptr, 10);
  const bool fits = errno != ERANGE && expected >= INT_MIN && expected <= INT_MAX;
  if (inRange != fits || (inRange && n != expected) || (!inRange && n != 0)) std::abort();
  MpAppUiHasNumber(text);
  return 0;
}
