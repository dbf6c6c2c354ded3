// Reader of standard menu templates (RT_MENU), plain C++ so that it runs anywhere.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct MenuTemplateItem {
  // The template's flag bits, with the values of MF_POPUP and MF_END (no Windows header here).
  static constexpr uint16_t PopupFlag = 0x10;
  static constexpr uint16_t EndFlag = 0x80;

  uint16_t flags = 0;     // as stored, EndFlag included
  uint16_t id = 0;        // 0 for a pop-up
  std::u16string caption;
  bool popup() const { return (flags & PopupFlag) != 0; }
  bool last() const { return (flags & EndFlag) != 0; }
};

// Reads the items in template order. False, with no items, when a read would leave the data,
// the header is not a standard template, a caption is not terminated, or the data ends before
// the last item of the outermost level.
bool readMenuTemplate(const uint8_t* data, size_t size, std::vector<MenuTemplateItem>& items);
