// Fuzz target: the output page's option string, as stored in the registry, edited by word and
// by prefix. Input: options, word and prefix separated by NUL bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "MpAppUiOptionString.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string parts[3];
  int part = 0;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && part < 2) ++part;
    else parts[part] += static_cast<char>(data[i]);
  }
  std::string options = parts[0];
  const std::string& word = parts[1];
  const std::string& prefix = parts[2];
  MpAppUiHasOption(options, word);
  if (MpAppUiAddOption(options, word) && !MpAppUiHasOption(options, word)) std::abort();
  const size_t before = options.size();
  if (MpAppUiRemoveOption(options, word) && options.size() >= before) std::abort();
  MpAppUiHasPrefix(options, prefix);
  if (MpAppUiAddPrefix(options, prefix) && !MpAppUiHasPrefix(options, prefix)) std::abort();
  const size_t withPrefix = options.size();
  if (MpAppUiRemovePrefix(options, prefix) && options.size() >= withPrefix) std::abort();
  return 0;
}
