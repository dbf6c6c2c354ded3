// Looks for a secret left behind in memory: every block of every heap of the process, in use or
// freed, is searched for the given bytes. A freed block keeps its contents apart from the few
// bytes the heap writes at its start, so search for a part of the secret past its first 32 bytes.
#pragma once
#include <windows.h>
#include <algorithm>
#include <cstring>

namespace wdtest {

inline bool InHeaps(const char* bytes) {
  const size_t size = std::strlen(bytes);
  // Nothing is allocated here: a new block could take the place of the freed one looked for.
  HANDLE heaps[256];
  const DWORD count = std::min<DWORD>(::GetProcessHeaps(256, heaps), 256);
  bool found = false;
  for (DWORD i = 0; i < count && !found; ++i) {
    HANDLE heap = heaps[i];
    if (!::HeapLock(heap)) continue;
    PROCESS_HEAP_ENTRY entry{};
    while (!found && ::HeapWalk(heap, &entry)) {
      if (entry.wFlags & (PROCESS_HEAP_REGION | PROCESS_HEAP_UNCOMMITTED_RANGE)) continue;
      const char* begin = static_cast<const char*>(entry.lpData);
      const char* end = begin + entry.cbData;
      found = std::search(begin, end, bytes, bytes + size) != end;
    }
    ::HeapUnlock(heap);
  }
  return found;
}

}  // namespace wdtest
