// Overwriting secrets (passwords) before their memory is let go.
#pragma once
#include <afx.h>
#include <string>

namespace WidgetDeck {

inline void wipe(std::string& text) {
  if (!text.empty()) ::SecureZeroMemory(&text[0], text.size());
  text.clear();
}

inline void wipe(CString& text) {
  if (!text.IsEmpty()) ::SecureZeroMemory(text.GetBuffer(0), text.GetLength());
  text.Empty();
}

// Wipes the text when the scope ends, by whichever way it is left.
class WipeOnExit {
 public:
  explicit WipeOnExit(std::string& text) : m_text(text) {}
  WipeOnExit(const WipeOnExit&) = delete;
  WipeOnExit& operator=(const WipeOnExit&) = delete;
  ~WipeOnExit() { wipe(m_text); }

 private:
  std::string& m_text;
};

}  // namespace WidgetDeck
