// Fuzz target: the dropped block of host-object keys, as another process may hand it over.
#include <cstdlib>
#include <cstring>

#include "MpAppUiDragBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // An exact-size copy, so that a read past the block is caught.
  void* block = size ? std::malloc(size) : nullptr;
  if (size) std::memcpy(block, data, size);
  MpAppUiDragBlock::Contents contents;
  if (MpAppUiDragBlock::read(block, size, contents)) {
    if (contents.keys.size() > size / 8 + 1) std::abort();
    // What is read back from a written block is what was written.
    const std::vector<uint32_t> words = MpAppUiDragBlock::write(uint32_t(contents.window), contents.keys);
    MpAppUiDragBlock::Contents again;
    if (!MpAppUiDragBlock::read(words.data(), words.size() * 4, again) || again.keys != contents.keys ||
        again.window != contents.window)
      std::abort();
  }
  std::free(block);
  return 0;
}
