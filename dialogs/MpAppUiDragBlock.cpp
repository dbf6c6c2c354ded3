#include "MpAppUiDragBlock.h"
#include <cstring>

namespace MpAppUiDragBlock {

namespace {

uint32_t wordAt(const unsigned char* bytes, size_t index) {
  const unsigned char* p = bytes + 4 * index;
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

std::vector<uint32_t> write(uint32_t windowWord, const std::vector<KeyPair>& keys) {
  std::vector<uint32_t> words;
  words.reserve(2 + 2 * keys.size());
  words.push_back(static_cast<uint32_t>(2 + 2 * keys.size()));
  words.push_back(windowWord);
  for (const KeyPair& k : keys) {
    words.push_back(k.first);
    words.push_back(k.second);
  }
  return words;
}

bool read(const void* block, size_t size, Contents& contents) {
  if (!block || size < 8) return false;
  const unsigned char* bytes = static_cast<const unsigned char*>(block);
  const int64_t held = static_cast<int64_t>(size / 4) - 2;
  int64_t count = static_cast<int64_t>(wordAt(bytes, 0)) - 2;
  if (count > held) count = held;
  if (count < 1) return false;
  contents.window = static_cast<int32_t>(wordAt(bytes, 1));
  for (int64_t i = 0; i < count; i += 2) {
    const uint32_t first = wordAt(bytes, static_cast<size_t>(2 + i));
    const uint32_t second = i + 1 < count ? wordAt(bytes, static_cast<size_t>(3 + i)) : 0;
    contents.keys.emplace_back(first, second);
  }
  return true;
}

}  // namespace MpAppUiDragBlock
