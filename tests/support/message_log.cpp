#include "message_log.h"
#include <algorithm>
#include <cstdio>

namespace wdtest {
namespace {

#define WD_NAMED(m) {static_cast<UINT>(m), #m}
const std::pair<UINT, const char*> kNames[] = {
    WD_NAMED(WM_CREATE), WD_NAMED(WM_DESTROY), WD_NAMED(WM_ACTIVATE), WD_NAMED(WM_SETFOCUS),
    WD_NAMED(WM_KILLFOCUS), WD_NAMED(WM_ENABLE), WD_NAMED(WM_CLOSE), WD_NAMED(WM_SHOWWINDOW),
    WD_NAMED(WM_SETFONT), WD_NAMED(WM_NOTIFY), WD_NAMED(WM_NCCREATE), WD_NAMED(WM_NCDESTROY),
    WD_NAMED(WM_NCACTIVATE), WD_NAMED(WM_INITDIALOG), WD_NAMED(WM_COMMAND), WD_NAMED(WM_ENTERIDLE),
    WD_NAMED(PSN_SETACTIVE), WD_NAMED(PSN_KILLACTIVE), WD_NAMED(PSN_APPLY), WD_NAMED(PSN_RESET),
    WD_NAMED(PSN_HELP), WD_NAMED(PSN_QUERYCANCEL),
};
#undef WD_NAMED

// The state a message brings, where its order depends on it; false for the other messages.
bool Detailed(UINT message, LONG_PTR* detail = nullptr, WPARAM wParam = 0, LPARAM lParam = 0) {
  LONG_PTR d = 0;
  switch (message) {
    case WM_ENABLE:
    case WM_SHOWWINDOW:
      d = wParam != 0;
      break;
    case WM_ACTIVATE:
    case WM_COMMAND:
    case WM_ENTERIDLE:
      d = LOWORD(wParam);
      break;
    case PSN_APPLY:
    case PSN_RESET:
      d = lParam && reinterpret_cast<PSHNOTIFY*>(lParam)->lParam != 0;
      break;
    default:
      return false;
  }
  if (detail) *detail = d;
  return true;
}

}  // namespace

std::string Describe(const Received& r) {
  const auto named = std::find_if(std::begin(kNames), std::end(kNames), [&](const auto& n) { return n.first == r.message; });
  char text[32];
  if (named != std::end(kNames)) std::snprintf(text, sizeof text, "%s", named->second);
  else std::snprintf(text, sizeof text, "message 0x%04X", r.message);
  std::string s = r.who + " " + text;
  if (Detailed(r.message)) s += "(" + std::to_string(r.detail) + ")";
  return s;
}

MessageLog::~MessageLog() {
  for (const auto& w : m_watched)
    if (::IsWindow(w.first)) ::RemoveWindowSubclass(w.first, &WatchProc, reinterpret_cast<UINT_PTR>(this));
}

void MessageLog::Watch(HWND hwnd, const std::string& who) {
  m_watched.emplace_back(hwnd, who);
  ::SetWindowSubclass(hwnd, &WatchProc, reinterpret_cast<UINT_PTR>(this), 0);
}

LRESULT CALLBACK MessageLog::WatchProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
  auto* log = reinterpret_cast<MessageLog*>(id);
  const auto watched = std::find_if(log->m_watched.begin(), log->m_watched.end(),
                                    [&](const auto& w) { return w.first == hwnd; });
  if (watched != log->m_watched.end()) log->Record(watched->second, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(hwnd, &WatchProc, id);
    if (watched != log->m_watched.end()) log->m_watched.erase(watched);
  }
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

void MessageLog::Record(const std::string& who, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) message = reinterpret_cast<NMHDR*>(lParam)->code;
  if (!m_kept.count(message)) return;
  Received r{who, message};
  Detailed(message, &r.detail, wParam, lParam);
  m_received.push_back(r);
}

::testing::AssertionResult MessageLog::Matches(const std::vector<Received>& expected) const {
  size_t first = 0;
  while (first < expected.size() && first < m_received.size() && expected[first] == m_received[first]) ++first;
  if (first == expected.size() && first == m_received.size()) return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  failure << "the messages differ from number " << first + 1 << " on (>)\n  expected                        received\n";
  const size_t n = std::max(expected.size(), m_received.size());
  for (size_t i = 0; i < n; ++i) {
    char line[128];
    std::snprintf(line, sizeof line, "%s %-31s %s\n", i == first ? ">" : " ",
                  i < expected.size() ? Describe(expected[i]).c_str() : "-",
                  i < m_received.size() ? Describe(m_received[i]).c_str() : "-");
    failure << line;
  }
  return failure;
}

}  // namespace wdtest
