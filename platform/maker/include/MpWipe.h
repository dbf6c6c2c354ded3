// Overwriting secrets (passwords) before their memory is let go. SecureZeroMemory's stores are
// kept even into memory about to be freed, where the compiler may drop a plain fill.
#pragma once
#include <string>
#include <windows.h>

// Overwrites the text with zeros, then empties it.
inline void MpWipe(std::string& text) {
  if (!text.empty()) ::SecureZeroMemory(&text[0], text.size());
  text.clear();
}

// The same for the class library's CString (a template: this library does not stand on it).
template <class String>
void MpWipe(String& text) {
  if (!text.IsEmpty()) ::SecureZeroMemory(text.GetBuffer(0), text.GetLength());
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
