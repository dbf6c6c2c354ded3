// Small image files made byte by byte: a 2x2 24-bit BMP and a one-scan 2x2 grey JPEG.
#pragma once
#include <cstdint>
#include <string>

namespace sample {

inline void put(std::string& s, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline std::string Bmp() {
  std::string s = "BM";
  put(s, 70, 4);      // file size
  put(s, 0, 4);       // reserved
  put(s, 54, 4);      // pixel offset
  put(s, 40, 4);      // info header
  put(s, 2, 4);       // width
  put(s, 2, 4);       // height
  put(s, 1, 2);       // planes
  put(s, 24, 2);      // bits
  put(s, 0, 4);       // BI_RGB
  put(s, 16, 4);      // image size
  put(s, 2835, 4);
  put(s, 2835, 4);
  put(s, 0, 4);
  put(s, 0, 4);
  s += std::string(16, '\x7f');  // two rows of 6 bytes, each padded to 8
  return s;
}

inline std::string Jpeg() {
  std::string s("\xFF\xD8", 2);
  s += std::string("\xFF\xDB\x00\x43\x00", 5) + std::string(64, '\x01');                          // quantisation
  s += std::string("\xFF\xC0\x00\x0B\x08\x00\x02\x00\x02\x01\x01\x11\x00", 13);                      // frame 2x2, 1 component
  s += std::string("\xFF\xC4\x00\x14\x00\x01", 6) + std::string(15, '\x00') + std::string("\x05", 1);  // one Huffman table
  s += std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);                                  // scan
  s += std::string("\x12\xFF\x00\x34\xFF\xD0\x56", 7);                                               // data, stuffed byte, restart
  s += std::string("\xFF\xD9", 2);
  return s;
}

}  // namespace sample
