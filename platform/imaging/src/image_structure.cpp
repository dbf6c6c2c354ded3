// Structural checks of BMP and JPEG files: every length and offset must agree with the data.
#include "image_structure.h"

namespace {

uint16_t le16(const unsigned char* p) { return (uint16_t)(p[0] | (p[1] << 8)); }
uint32_t le32(const unsigned char* p) { return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24); }
uint16_t be16(const unsigned char* p) { return (uint16_t)((p[0] << 8) | p[1]); }

bool isFrameMarker(unsigned char m) {
  // SOF0..SOF15 without DHT (C4), JPG (C8) and DAC (CC).
  return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

}  // namespace

namespace ImageStructure {

bool readBmp(const unsigned char* d, size_t size, ImageSize& image) {
  if (size < 14 + 12 || d[0] != 'B' || d[1] != 'M') return false;
  const uint32_t fileSize = le32(d + 2);
  const uint32_t offBits = le32(d + 10);
  if (fileSize != 0 && fileSize > size) return false;  // cut short
  const uint32_t hdr = le32(d + 14);
  if (hdr != 12 && hdr != 40 && hdr != 52 && hdr != 56 && hdr != 64 && hdr != 108 && hdr != 124) return false;
  if (14u + hdr > size) return false;
  int64_t width, height;
  uint16_t planes, bits;
  uint32_t compression = 0, colorsUsed = 0;
  if (hdr == 12) {
    width = le16(d + 18);
    height = le16(d + 20);
    planes = le16(d + 22);
    bits = le16(d + 24);
  } else {
    width = (int32_t)le32(d + 18);
    height = (int32_t)le32(d + 22);
    planes = le16(d + 26);
    bits = le16(d + 28);
    compression = le32(d + 30);
    colorsUsed = le32(d + 46);
  }
  if (planes != 1 || width <= 0 || height == 0 || width > 65535 || height > 65535 || height < -65535) return false;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
  if (compression == 1 && bits != 8) return false;   // RLE8
  if (compression == 2 && bits != 4) return false;   // RLE4
  if (compression == 3 && bits != 16 && bits != 32) return false;  // bit fields
  if (compression > 3) return false;
  // Palette (or masks) between the headers and the pixels.
  uint64_t tables = 0;
  if (bits <= 8) {
    const uint64_t colors = colorsUsed ? colorsUsed : (1u << bits);
    if (colors > (1u << bits)) return false;
    tables = colors * (hdr == 12 ? 3u : 4u);
  } else if (compression == 3 && hdr == 40) {
    tables = 12;
  }
  if (offBits < 14u + hdr + tables || offBits > size) return false;
  const uint64_t rows = (uint64_t)(height < 0 ? -height : height);
  if (compression == 0 || compression == 3) {
    const uint64_t stride = (((uint64_t)width * bits + 31) / 32) * 4;
    if (offBits + stride * rows > size) return false;
  } else {
    if (offBits >= size) return false;  // run-length data: at least its end marker
  }
  image.width = (uint32_t)width;
  image.height = (uint32_t)rows;
  image.bitsPerPixel = bits;
  return true;
}

bool readJpeg(const unsigned char* d, size_t size, ImageSize& image) {
  if (size < 4 || d[0] != 0xFF || d[1] != 0xD8) return false;
  size_t pos = 2;
  bool frame = false;
  bool scanned = false;
  while (pos < size) {
    if (d[pos] != 0xFF) return false;
    while (pos < size && d[pos] == 0xFF) ++pos;  // fill bytes
    if (pos >= size) return false;
    const unsigned char marker = d[pos++];
    if (marker == 0xD9) return frame && scanned;  // end of image
    if (marker == 0x00 || marker == 0xD8) return false;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    if (pos + 2 > size) return false;
    const size_t len = be16(d + pos);
    if (len < 2 || pos + len > size) return false;
    const unsigned char* seg = d + pos + 2;
    const size_t segLen = len - 2;
    if (isFrameMarker(marker)) {
      if (frame || segLen < 6) return false;
      const unsigned precision = seg[0];
      const unsigned height = be16(seg + 1), width = be16(seg + 3), components = seg[5];
      if ((precision != 8 && precision != 12 && precision != 16) || width == 0 || height == 0) return false;
      if (components < 1 || components > 4 || segLen != 6u + 3u * components) return false;
      frame = true;
      image.width = width;
      image.height = height;
      image.bitsPerPixel = (uint16_t)(precision * components);
    } else if (marker == 0xDA) {  // start of scan
      if (!frame || segLen < 1) return false;
      const unsigned components = seg[0];
      if (components < 1 || components > 4 || segLen != 4u + 2u * components) return false;
      pos += len;
      // Entropy-coded data up to the next marker other than a stuffed zero or a restart.
      while (pos + 1 < size) {
        if (d[pos] == 0xFF && d[pos + 1] != 0x00 && !(d[pos + 1] >= 0xD0 && d[pos + 1] <= 0xD7) && d[pos + 1] != 0xFF) break;
        ++pos;
      }
      if (pos + 1 >= size) return false;  // cut short inside the scan
      scanned = true;
      continue;
    }
    pos += len;
  }
  return false;  // no end of image
}

}  // namespace ImageStructure
