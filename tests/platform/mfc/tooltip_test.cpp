// The tooltip relay: what the mouse does over a dialog reaches the tip of the child under it.
#include "resource.h"
#include "sample_dialog.h"
#include <commctrl.h>

using namespace AfxScript;

namespace {

// The sample dialog with tooltips, noting each child whose text the tip asks for.
class TippedDlg : public SampleDlg {
public:
  std::vector<HWND> asked;

protected:
  BOOL OnInitDialog() override {
    SampleDlg::OnInitDialog();
    EnableToolTips(TRUE);
    return TRUE;
  }
  afx_msg BOOL OnNeedText(UINT, NMHDR* hdr, LRESULT* result) {
    TOOLTIPTEXTA* tip = reinterpret_cast<TOOLTIPTEXTA*>(hdr);
    asked.push_back(reinterpret_cast<HWND>(hdr->idFrom));
    tip->lpszText = const_cast<LPSTR>("tip");
    *result = 0;
    return TRUE;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TippedDlg, SampleDlg)
  ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnNeedText)
END_MESSAGE_MAP()

// Once its show timer fires the tip shows, the texts of these children having been asked for;
// then it is taken down.
void ExpectTipShown(TippedDlg& dlg, const std::vector<HWND>& asked) {
  HWND tip = dlg.GetToolTipHandle();
  ASSERT_NE(nullptr, tip);
  wdtest::FireShowTimer(tip);
  EXPECT_TRUE(::IsWindowVisible(tip));
  EXPECT_EQ(asked, dlg.asked);
  ::SendMessageA(tip, TTM_POP, 0, 0);
}

}  // namespace

using ToolTipRelayTest = ScriptedTest;

// A disabled child shows its tip when the mouse rests on it; a hidden one shows none.
TEST_F(ToolTipRelayTest, TheMouseOverADisabledChildShowsItsTip) {
  TippedDlg dlg;
  HWND box = nullptr, tip = nullptr;
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    box = ::GetDlgItem(h, IDC_WD_SAMPLE_CHECK);
    ::EnableWindow(box, FALSE);
    wdtest::MoveMouseOver(h, box);
  });
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    ExpectTipShown(dlg, {box});
    tip = dlg.GetToolTipHandle();
    ::ShowWindow(box, SW_HIDE);
    wdtest::MoveMouseOver(h, box);
  });
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    wdtest::FireShowTimer(tip);
    EXPECT_FALSE(::IsWindowVisible(tip));
    EXPECT_EQ(1u, dlg.asked.size());
    Click(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
}

// A group box (no id: -1, or 0xFFFF as a 16-bit template gives it) lying over its controls hides
// none of their tips: a disabled control inside it shows its tip, an enabled one too.
TEST_F(ToolTipRelayTest, AGroupBoxOverItsControlsHidesNoTip) {
  TippedDlg dlg;
  HWND box = nullptr, combo = nullptr;
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    box = ::GetDlgItem(h, IDC_WD_SAMPLE_CHECK);
    combo = ::GetDlgItem(h, IDC_WD_SAMPLE_COMBO);
    RECT a, b, around;
    ::GetWindowRect(box, &a);
    ::GetWindowRect(combo, &b);
    ::UnionRect(&around, &a, &b);
    ::InflateRect(&around, 8, 8);
    ::MapWindowPoints(nullptr, h, reinterpret_cast<POINT*>(&around), 2);
    for (INT_PTR id : {INT_PTR(-1), INT_PTR(0xFFFF)}) {
      HWND group = ::CreateWindowExA(0, "Button", "Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, around.left,
                                     around.top, around.right - around.left, around.bottom - around.top, h,
                                     reinterpret_cast<HMENU>(id), nullptr, nullptr);
      ::SetWindowPos(group, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    ::EnableWindow(box, FALSE);
    wdtest::MoveMouseOver(h, box);
  });
  script.Dialog(IDD_WD_SAMPLE, [&](HWND) {
    ExpectTipShown(dlg, {box});
    // The enabled control gets the move itself, as the system delivers it.
    RECT rc;
    ::GetClientRect(combo, &rc);
    POINT pt = {rc.right / 2, rc.bottom / 2}, screen = pt;
    ::ClientToScreen(combo, &screen);
    ::SetCursorPos(screen.x, screen.y);
    ::PostMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
  });
  script.Dialog(IDD_WD_SAMPLE, [&](HWND h) {
    ExpectTipShown(dlg, {box, combo});
    Click(h, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
}
