// Message maps: lookup from the most derived class down, table order, notifications, ranges,
// and attachment at creation.
#include "wdtest.h"
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

class BaseWnd : public CWnd {
public:
  afx_msg int OnCreate(LPCREATESTRUCT cs) {
    g_log.push_back(std::string("create ") + cs->lpszName);
    return CWnd::OnCreate(cs);
  }
  afx_msg void OnSize(UINT, int cx, int) { g_log.push_back("base size " + std::to_string(cx)); }
  afx_msg void OnTimer(UINT_PTR id) { g_log.push_back("base timer " + std::to_string(id)); }
  afx_msg void OnFirst() { g_log.push_back("first 100"); }
  afx_msg void OnSecond() { g_log.push_back("second 100"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_SIZE()
  ON_WM_TIMER()
  ON_COMMAND(100, OnFirst)
  ON_COMMAND(100, OnSecond)
END_MESSAGE_MAP()

class DerivedWnd : public BaseWnd {
public:
  afx_msg void OnSize(UINT, int cx, int) { g_log.push_back("derived size " + std::to_string(cx)); }
  afx_msg LRESULT OnApp(WPARAM w, LPARAM l) { return (LRESULT)(w + l); }
  afx_msg void OnRange(UINT id) { g_log.push_back("range " + std::to_string(id)); }
  afx_msg void OnClicked() { g_log.push_back("clicked 205"); }
  afx_msg BOOL OnNotifyDecline(UINT id, NMHDR*, LRESULT*) {
    g_log.push_back("decline " + std::to_string(id));
    return FALSE;
  }
  afx_msg void OnNotifyTake(NMHDR* hdr, LRESULT* r) {
    g_log.push_back("take " + std::to_string(hdr->idFrom));
    *r = 42;
  }
  afx_msg BOOL OnToolTip(UINT id, NMHDR*, LRESULT*) {
    g_log.push_back("tooltip " + std::to_string(id));
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedWnd, BaseWnd)
  ON_WM_SIZE()
  ON_MESSAGE(WM_APP + 1, OnApp)
  ON_BN_CLICKED(205, OnClicked)
  ON_CONTROL_RANGE(BN_CLICKED, 200, 210, OnRange)
  ON_NOTIFY_EX(NM_CLICK, 300, OnNotifyDecline)
  ON_NOTIFY(NM_CLICK, 300, OnNotifyTake)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTip)
END_MESSAGE_MAP()

}  // namespace

TEST(MessageMap, DispatchFollowsDerivedFirstThenBaseInTableOrder) {
  g_log.clear();
  DerivedWnd w;
  ASSERT_TRUE(w.CreateEx(0, nullptr, "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr));
  // Attached before its first message: WM_CREATE reached the base's handler.
  ASSERT_FALSE(g_log.empty());
  EXPECT_EQ(g_log.front(), "create probe");
  EXPECT_EQ(CWnd::FromHandlePermanent(w.m_hWnd), &w);

  g_log.clear();
  w.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(150, 80));
  w.SendMessage(WM_TIMER, 7, 0);
  w.SendMessage(WM_COMMAND, MAKEWPARAM(100, 0), 0);
  EXPECT_EQ(g_log, (std::vector<std::string>{"derived size 150", "base timer 7", "first 100"}));

  EXPECT_EQ(w.SendMessage(WM_APP + 1, 3, 4), 7);
  // Messages nobody maps go to the window's own procedure.
  w.SetWindowText("renamed");
  CString text;
  w.GetWindowText(text);
  EXPECT_STREQ(text, "renamed");
  w.DestroyWindow();
  EXPECT_EQ(w.m_hWnd, nullptr);
}

TEST(MessageMap, ControlNotificationsAndRanges) {
  DerivedWnd w;
  ASSERT_TRUE(w.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr));
  g_log.clear();
  HWND b1 = ::CreateWindowExA(0, "BUTTON", "a", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20, w.m_hWnd,
                              (HMENU)(UINT_PTR)203, nullptr, nullptr);
  HWND b2 = ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | BS_PUSHBUTTON, 0, 30, 50, 20, w.m_hWnd,
                              (HMENU)(UINT_PTR)205, nullptr, nullptr);
  // A real click: the button sends BN_CLICKED to its parent.
  ::SendMessageA(b1, BM_CLICK, 0, 0);
  // The specific entry comes first in the table, so it wins over the range.
  ::SendMessageA(b2, BM_CLICK, 0, 0);
  EXPECT_EQ(g_log, (std::vector<std::string>{"range 203", "clicked 205"}));

  g_log.clear();
  NMHDR hdr{b1, 300, (UINT)NM_CLICK};
  EXPECT_EQ(w.SendMessage(WM_NOTIFY, 300, (LPARAM)&hdr), 42);
  // The _EX handler declined, so the search went on to the next entry.
  EXPECT_EQ(g_log, (std::vector<std::string>{"decline 300", "take 300"}));

  g_log.clear();
  NMHDR tip{b1, (UINT_PTR)b1, (UINT)TTN_NEEDTEXTA};
  w.SendMessage(WM_NOTIFY, 0, (LPARAM)&tip);
  EXPECT_EQ(g_log, (std::vector<std::string>{"tooltip 0"}));
  w.DestroyWindow();
}
