// Whether a BMP or JPEG file loads: sound files do, cut or altered ones do not.
#include <gtest/gtest.h>
#include <secimage.h>
#include <cstdio>
#include <fstream>
#include "sample_images.h"

namespace {

bool Dib(const std::string& bytes) {
  SECDib dib;
  return dib.LoadFromMemory(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) != FALSE;
}
bool Jpeg(const std::string& bytes) {
  SECJpeg jpeg;
  return jpeg.LoadFromMemory(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) != FALSE;
}
std::string With(std::string s, size_t at, const std::string& bytes) { return s.replace(at, bytes.size(), bytes); }

TEST(ImageCheck, BitmapsMustAgreeWithTheirLength) {
  const std::string bmp = sample::Bmp();
  SECDib dib;
  ASSERT_TRUE(dib.LoadFromMemory(reinterpret_cast<const unsigned char*>(bmp.data()), bmp.size()));
  EXPECT_EQ(dib.m_dwWidth, 2u);
  EXPECT_EQ(dib.m_wBitsPerPixel, 24u);
  EXPECT_FALSE(Dib(bmp.substr(0, bmp.size() - 1))) << "last row cut";
  EXPECT_FALSE(Dib(bmp.substr(0, 30))) << "header cut";
  EXPECT_FALSE(Dib(With(bmp, 0, "MB"))) << "magic";
  EXPECT_FALSE(Dib(With(bmp, 14, std::string("\x20\0\0\0", 4)))) << "header size";
  EXPECT_FALSE(Dib(With(bmp, 28, std::string("\x07\0", 2)))) << "bits per pixel";
  EXPECT_FALSE(Dib(With(bmp, 10, std::string("\x20\0\0\0", 4)))) << "pixels inside the headers";
  EXPECT_FALSE(Dib(sample::Jpeg())) << "a JPEG is no bitmap";
}

TEST(ImageCheck, JpegsNeedAFrameAScanAndTheirEnd) {
  const std::string jpg = sample::Jpeg();
  SECJpeg jpeg;
  ASSERT_TRUE(jpeg.LoadFromMemory(reinterpret_cast<const unsigned char*>(jpg.data()), jpg.size()));
  EXPECT_EQ(jpeg.m_dwHeight, 2u);
  EXPECT_FALSE(Jpeg(jpg.substr(0, jpg.size() - 2))) << "no end of image";
  EXPECT_FALSE(Jpeg(jpg.substr(0, 60))) << "cut inside a segment";
  EXPECT_FALSE(Jpeg(With(jpg, 73, std::string("\x00\x02", 2)))) << "frame length";
  const size_t sof = jpg.find(std::string("\xFF\xC0", 2));
  EXPECT_FALSE(Jpeg(jpg.substr(0, sof) + jpg.substr(sof + 13))) << "scan without a frame";
  EXPECT_FALSE(Jpeg(sample::Bmp())) << "a bitmap is no JPEG";

  // From a file, as the attachment dialog loads it; a missing file does not load.
  const std::string path = "wd_image_check.jpg";
  std::ofstream(path, std::ios::binary) << jpg;
  EXPECT_TRUE(SECJpeg().LoadImage(path.c_str()));
  std::remove(path.c_str());
  EXPECT_FALSE(SECJpeg().LoadImage(path.c_str()));
}

// The fuzz target's seeds: sound files of every header kind, bit depth and frame the check knows
// (core and info headers up to version 5, palettes, run-length data, bit fields, bottom-up and
// top-down; baseline and progressive JPEGs, restarts), named bmp_* and jpeg_*. Each loads from its
// file as what it is.
TEST(ImageCheck, EveryKindOfSoundFileLoads) {
  const std::string dir = WD_IMAGE_SEEDS;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((dir + "/*").c_str(), &found);
  ASSERT_NE(find, INVALID_HANDLE_VALUE) << dir;
  int bitmaps = 0, jpegs = 0;
  do {
    const std::string name = found.cFileName;
    const bool bitmap = name.rfind("bmp_", 0) == 0;
    if (!bitmap && name.rfind("jpeg_", 0) != 0) continue;  // a fault's input kept as a regression case
    const std::string path = dir + "/" + name;
    EXPECT_EQ(SECDib().LoadImage(path.c_str()) != FALSE, bitmap) << name;
    EXPECT_EQ(SECJpeg().LoadImage(path.c_str()) != FALSE, !bitmap) << name;
    ++(bitmap ? bitmaps : jpegs);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  EXPECT_GE(bitmaps, 10);
  EXPECT_GE(jpegs, 3);
}

}  // namespace
