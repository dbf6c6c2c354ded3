// Fuzz target: the reader of standard menu templates.
#include <cstdlib>
#include <cstring>

#include "MenuTemplateReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint8_t* copy = static_cast<uint8_t*>(std::malloc(size ? size : 1));
  if (size) std::memcpy(copy, data, size);
  std::vector<MenuTemplateItem> items;
  if (!readMenuTemplate(size ? copy : nullptr, size, items) && !items.empty()) std::abort();
  std::free(copy);
  return 0;
}
