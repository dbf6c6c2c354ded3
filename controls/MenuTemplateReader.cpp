// Reader of standard menu templates.
#include "MenuTemplateReader.h"

namespace {
bool readWord(const uint8_t* data, size_t size, size_t& pos, uint16_t& word) {
  if (size < 2 || pos > size - 2) return false;
  word = static_cast<uint16_t>(data[pos] | (data[pos + 1] << 8));
  pos += 2;
  return true;
}
}  // namespace

bool readMenuTemplate(const uint8_t* data, size_t size, std::vector<MenuTemplateItem>& items) {
  items.clear();
  size_t pos = 0;
  uint16_t version = 0, offset = 0;
  if (!data || !readWord(data, size, pos, version) || !readWord(data, size, pos, offset) ||
      version != 0)
    return false;
  pos = 4 + static_cast<size_t>(offset);
  // Depth of open levels: an item flagged last closes its level, and every enclosing level
  // whose last item (a pop-up) was flagged last too.
  std::vector<bool> lastSeen{false};
  std::vector<MenuTemplateItem> read;
  while (!lastSeen.empty()) {
    MenuTemplateItem item;
    if (!readWord(data, size, pos, item.flags)) return false;
    if (!item.popup() && !readWord(data, size, pos, item.id)) return false;
    for (uint16_t ch = 0;;) {
      if (!readWord(data, size, pos, ch)) return false;
      if (ch == 0) break;
      item.caption.push_back(static_cast<char16_t>(ch));
    }
    if (item.last()) lastSeen.back() = true;
    if (item.popup()) {
      lastSeen.push_back(false);
    } else {
      while (!lastSeen.empty() && lastSeen.back()) lastSeen.pop_back();
    }
    read.push_back(std::move(item));
  }
  items.swap(read);
  return true;
}
