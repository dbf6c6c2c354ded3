// The imaging library's image classes over the structural check of the file.
#include "secimage.h"
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "image_structure.h"

namespace {

const size_t kMaxFileSize = 256u * 1024u * 1024u;

// The size as the check left it, sound file or not.
bool Keep(SECImage& target, const ImageStructure::ImageSize& image, bool sound) {
  target.m_dwWidth = image.width;
  target.m_dwHeight = image.height;
  target.m_wBitsPerPixel = image.bitsPerPixel;
  return sound;
}

}  // namespace

SECImage::SECImage() = default;
SECImage::~SECImage() = default;

BOOL SECImage::LoadImage(LPCSTR lpszFileName) {
  if (!lpszFileName) return FALSE;
  std::ifstream in(lpszFileName, std::ios::binary);
  if (!in) return FALSE;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size <= 0 || (uint64_t)size > kMaxFileSize) return FALSE;
  in.seekg(0, std::ios::beg);
  std::vector<unsigned char> data((size_t)size);
  if (!in.read(reinterpret_cast<char*>(data.data()), size)) return FALSE;
  return LoadFromMemory(data.data(), data.size());
}

BOOL SECImage::LoadFromMemory(const unsigned char* data, size_t size) {
  m_dwWidth = m_dwHeight = 0;
  m_wBitsPerPixel = 0;
  if (!data || size == 0) return FALSE;
  return ReadImage(data, size) ? TRUE : FALSE;
}

bool SECDib::ReadImage(const unsigned char* data, size_t size) {
  ImageStructure::ImageSize image;
  const bool sound = ImageStructure::readBmp(data, size, image);
  return Keep(*this, image, sound);
}

bool SECJpeg::ReadImage(const unsigned char* data, size_t size) {
  ImageStructure::ImageSize image;
  const bool sound = ImageStructure::readJpeg(data, size, image);
  return Keep(*this, image, sound);
}
