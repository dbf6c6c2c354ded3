// Overwriting secrets (passwords) before their memory is let go. The stores go through a volatile
// pointer: into memory about to be freed the compiler may otherwise drop them. No Windows header:
// the cipher's stored form, which wipes too, also builds natively.
#pragma once
#include <cstddef>
#include <string>

inline void MpWipe(volatile char* bytes, std::size_t size) {
  while (size--) *bytes++ = 0;
}

// Overwrites the text with zeros, then empties it.
inline void MpWipe(std::string& text) {
  if (!text.empty()) MpWipe(&text[0], text.size());
  text.clear();
}

// The same for the class library's CString (a template: this library does not stand on it).
template <class String>
void MpWipe(String& text) {
  if (!text.IsEmpty()) MpWipe(text.GetBuffer(0), (std::size_t)text.GetLength());
  text.Empty();
}

// Wipes the text when the scope ends, by whichever way it is left.
class MpWipeOnExit {
 public:
  explicit MpWipeOnExit(std::string& text) : m_text(text) {}
  MpWipeOnExit(const MpWipeOnExit&) = delete;
  MpWipeOnExit& operator=(const MpWipeOnExit&) = delete;
  ~MpWipeOnExit() { MpWipe(m_text); }

 private:
  std::string& m_text;
};
