// The block reader against blocks of every malformed shape, each placed at the very end of
// readable memory so that a read past it faults.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include "MpAppUiDragBlock.h"

namespace {

using MpAppUiDragBlock::KeyPair;

struct Shape {
  const char* what;
  std::vector<uint32_t> words;
  size_t extraBytes;  // bytes of a partial word at the end
  bool read;
  int64_t window;
  std::vector<KeyPair> keys;
};

// Copies the block so that it ends where a no-access page begins, and reads it there.
bool ReadAtPageEnd(const std::vector<uint32_t>& words, size_t extraBytes, MpAppUiDragBlock::Contents& out) {
  SYSTEM_INFO info;
  ::GetSystemInfo(&info);
  const size_t page = info.dwPageSize;
  char* base = static_cast<char*>(::VirtualAlloc(nullptr, 2 * page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  DWORD old = 0;
  ::VirtualProtect(base + page, page, PAGE_NOACCESS, &old);
  const size_t size = words.size() * 4 + extraBytes;
  char* block = base + page - size;
  std::memcpy(block, words.data(), words.size() * 4);
  std::memset(block + words.size() * 4, 0x7F, extraBytes);
  const bool ok = MpAppUiDragBlock::read(size ? block : nullptr, size, out);
  ::VirtualFree(base, 0, MEM_RELEASE);
  return ok;
}

}  // namespace

TEST(DragBlock, ReadsWithinTheBlockAndRefusesBlocksWithoutKeys) {
  const std::vector<Shape> shapes = {
      {"empty", {}, 0, false, 0, {}},
      {"one word", {4}, 0, false, 0, {}},
      {"header only, claims keys", {6, 1}, 3, false, 0, {}},
      {"no object dragged", {2, 9}, 0, false, 0, {}},
      {"count below two", {1, 9, 5, 6}, 0, false, 0, {}},
      {"count zero", {0, 9, 5, 6}, 0, false, 0, {}},
      {"two pairs", {6, 9, 5, 6, 7, 0}, 0, true, 9, {{5, 6}, {7, 0}}},
      {"odd count", {5, 9, 5, 6, 7, 8}, 0, true, 9, {{5, 6}, {7, 0}}},
      {"claims more than held", {1000, 9, 5, 6, 7}, 2, true, 9, {{5, 6}, {7, 0}}},
      {"largest claim", {0xFFFFFFFFu, 9, 5}, 0, true, 9, {{5, 0}}},
      {"top bit of the window", {4, 0x80000001u, 5, 6}, 0, true, -2147483647LL, {{5, 6}}},
  };
  for (const Shape& s : shapes) {
    MpAppUiDragBlock::Contents c;
    EXPECT_EQ(s.read, ReadAtPageEnd(s.words, s.extraBytes, c)) << s.what;
    EXPECT_EQ(s.window, c.window) << s.what;
    EXPECT_EQ(s.keys, c.keys) << s.what;
  }
  EXPECT_EQ(MpAppUiDragBlock::write(0x80000001u, {{5, 6}, {7, 0}}),
            (std::vector<uint32_t>{6, 0x80000001u, 5, 6, 7, 0}));
  EXPECT_EQ(MpAppUiDragBlock::write(3, {}), (std::vector<uint32_t>{2, 3}));
}
