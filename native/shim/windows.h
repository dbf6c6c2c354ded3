// Native build only: the Windows call the wipe of secrets (MpWipe.h) makes, so that the cipher's
// stored form builds and runs without Windows. Volatile stores, as Windows' own: none is dropped.
#pragma once
#include <cstddef>

inline void* SecureZeroMemory(void* ptr, std::size_t count) {
  volatile char* bytes = static_cast<volatile char*>(ptr);
  while (count--) *bytes++ = 0;
  return ptr;
}
