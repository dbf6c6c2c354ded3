// The drag block of host-object keys, as 32-bit little-endian words: word 0 the number of words,
// word 1 the low 32 bits of the dragging window's handle, then one pair of keys per object. The
// block comes from another process, so the reader trusts nothing in it. Plain C++: no Windows
// header, so that it can also be built natively for fuzzing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace MpAppUiDragBlock {

typedef std::pair<uint32_t, uint32_t> KeyPair;

// The words of a block for the window word and the key pairs.
std::vector<uint32_t> write(uint32_t windowWord, const std::vector<KeyPair>& keys);

struct Contents {
  int64_t window = 0;  // word 1, sign-extended
  std::vector<KeyPair> keys;
};

// Reads a block of size bytes. The key words are word 0 minus 2, but never more than the block
// holds; a last key without its second word reads that word as 0. False, and contents untouched,
// for a null block or one with no key word.
bool read(const void* block, size_t size, Contents& contents);

}  // namespace MpAppUiDragBlock
