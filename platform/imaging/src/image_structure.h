// The structural check of BMP and JPEG files, on bytes in memory. No Windows header, so that it
// also builds natively (fuzzing): it reads files a user picks.
#pragma once
#include <cstddef>
#include <cstdint>

namespace ImageStructure {

struct ImageSize {
  uint32_t width = 0;
  uint32_t height = 0;
  uint16_t bitsPerPixel = 0;
};

// File header (14 bytes), then a core (12) or info (40 and later versions) header, an optional
// palette or bit masks, and the pixel rows at the offset the file header gives. The size is
// filled in only for a sound file.
bool readBmp(const unsigned char* data, size_t size, ImageSize& image);

// Start of image, marker segments each with a length that fits the file, a frame header before
// the first scan, entropy-coded data after each scan, and end of image. The size is the frame
// header's, filled in once it is read, even when a later part of the file is not sound.
bool readJpeg(const unsigned char* data, size_t size, ImageSize& image);

}  // namespace ImageStructure
