// Fuzz target: the structural check of a BMP or JPEG file the user picks. Both checks read every
// input. A sound file stays sound, with the same size, however many bytes follow it: so when a
// prefix of the input passes, the whole input passes too.
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "image_structure.h"

namespace {

using ImageStructure::ImageSize;
typedef bool (*Reader)(const unsigned char*, size_t, ImageSize&);

// The reader on an exact-size copy of the first size bytes, so that a read past them is caught.
bool Read(Reader reader, const uint8_t* data, size_t size, ImageSize& image) {
  unsigned char* copy = size ? static_cast<unsigned char*>(std::malloc(size)) : nullptr;
  if (size) std::memcpy(copy, data, size);
  const bool sound = reader(copy, size, image);
  std::free(copy);
  return sound;
}

bool Same(const ImageSize& a, const ImageSize& b) {
  return a.width == b.width && a.height == b.height && a.bitsPerPixel == b.bitsPerPixel;
}

void Check(Reader reader, const uint8_t* data, size_t size, bool (*plausible)(const ImageSize&)) {
  ImageSize whole;
  const bool sound = Read(reader, data, size, whole);
  if (sound && !plausible(whole)) std::abort();
  if (size == 0) return;
  // Two prefixes: all but the last byte, and one as long as the last byte chooses (the first
  // bytes of a sound file are fixed; its last ones are whatever follows it).
  for (const size_t cut : {size - 1, size * data[size - 1] / 256}) {
    ImageSize part;
    if (Read(reader, data, cut, part) && (!sound || !Same(part, whole))) std::abort();
  }
}

bool PlausibleBmp(const ImageSize& s) {
  const unsigned b = s.bitsPerPixel;
  return s.width >= 1 && s.width <= 65535 && s.height >= 1 && s.height <= 65535 &&
         (b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32);
}

bool PlausibleJpeg(const ImageSize& s) {
  // Precision 8, 12 or 16 bits, one to four components.
  bool depth = false;
  for (const unsigned precision : {8u, 12u, 16u})
    for (unsigned components = 1; components <= 4; ++components) depth |= s.bitsPerPixel == precision * components;
  return depth && s.width >= 1 && s.height >= 1 && s.width <= 65535 && s.height <= 65535;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Check(ImageStructure::readBmp, data, size, PlausibleBmp);
  Check(ImageStructure::readJpeg, data, size, PlausibleJpeg);
  return 0;
}
