// The messages windows receive, in order, to compare with the order Windows sends them.
#pragma once
#include <gtest/gtest.h>
#include <afxwin.h>
#include <commctrl.h>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace wdtest {

// One message as a window received it: who (a name the test gives the window), the message (a
// notification's code for WM_NOTIFY, so that PSN_APPLY reads as such) and, for the messages whose
// order depends on it, the state it brings: WM_ENABLE's and WM_SHOWWINDOW's flag, WM_ACTIVATE's
// state, WM_COMMAND's identifier, the lParam of PSN_APPLY and PSN_RESET (TRUE: the sheet closes).
struct Received {
  std::string who;
  UINT message;
  LONG_PTR detail = 0;
  bool operator==(const Received& o) const { return who == o.who && message == o.message && detail == o.detail; }
};

// Keeps the messages it is told to keep, from the windows it watches and from the window
// procedures that pass theirs on; painting, sizing and the rest of the traffic nobody orders are
// left out. Expected sequences are written as {{"page1", WM_INITDIALOG}, {"owner", WM_ENABLE, TRUE}}.
class MessageLog {
 public:
  // The messages and notification codes to keep.
  explicit MessageLog(std::initializer_list<UINT> kept) : m_kept(kept) {}
  ~MessageLog();
  MessageLog(const MessageLog&) = delete;
  MessageLog& operator=(const MessageLog&) = delete;

  // Keeps what reaches the window from now on, until it is destroyed or the log goes.
  void Watch(HWND hwnd, const std::string& who);
  // Keeps a message a window procedure received (called from the procedure).
  void Record(const std::string& who, UINT message, WPARAM wParam, LPARAM lParam);
  // Forgets what was kept so far.
  void Clear() { m_received.clear(); }
  const std::vector<Received>& received() const { return m_received; }

  // Whether exactly these were kept, in this order, since the last Clear; a failure shows the
  // expected and the received sequence side by side from their first difference.
  ::testing::AssertionResult Matches(const std::vector<Received>& expected) const;

 private:
  static LRESULT CALLBACK WatchProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  std::set<UINT> m_kept;
  std::vector<Received> m_received;
  std::vector<std::pair<HWND, std::string>> m_watched;
};

// "page1 PSN_APPLY(1)": a received message as the failure messages show it.
std::string Describe(const Received& r);

// A window of the class library whose window procedure passes what it receives to a log, under
// a name: Logged<CDialog> dlg(log, "dialog", IDD_SOMETHING).
template <class Base>
class Logged : public Base {
 public:
  template <class... Args>
  Logged(MessageLog& log, std::string who, Args&&... args)
      : Base(std::forward<Args>(args)...), m_log(log), m_who(std::move(who)) {}

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    m_log.Record(m_who, message, wParam, lParam);
    return Base::WindowProc(message, wParam, lParam);
  }

 private:
  MessageLog& m_log;
  std::string m_who;
};

}  // namespace wdtest
