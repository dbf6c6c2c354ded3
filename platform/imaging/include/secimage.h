// The imaging library's image classes, as far as the library uses them: whether a file loads.
//
// LoadImage reads the whole file and checks its structure: for a BMP the file header, the
// bitmap header, the palette and the pixel rows against the file's length; for a JPEG the
// marker segments from start to end of image, with a frame header before the first scan.
// The image's size is kept; pixels are not decoded.
#pragma once
#include <windows.h>
#include <cstddef>

#ifndef SECIMAGE_API
#ifdef SECIMAGE_BUILD
#define SECIMAGE_API __declspec(dllexport)
#else
#define SECIMAGE_API __declspec(dllimport)
#endif
#endif

class SECIMAGE_API SECImage {
 public:
  SECImage();
  virtual ~SECImage();
  // Non-zero when the file could be read and is a sound image of this class's format.
  // (windows.h names it LoadImageA.)
  BOOL LoadImage(LPCSTR lpszFileName);
  // From memory, as LoadImage does after reading the file.
  BOOL LoadFromMemory(const unsigned char* data, size_t size);
  DWORD m_dwWidth = 0;
  DWORD m_dwHeight = 0;
  WORD m_wBitsPerPixel = 0;

 protected:
  virtual bool ReadImage(const unsigned char* data, size_t size) = 0;
};

// Windows bitmaps (.bmp).
class SECIMAGE_API SECDib : public SECImage {
 protected:
  bool ReadImage(const unsigned char* data, size_t size) override;
};

// JPEG files (baseline, extended, progressive and lossless frames).
class SECIMAGE_API SECJpeg : public SECImage {
 protected:
  bool ReadImage(const unsigned char* data, size_t size) override;
};
