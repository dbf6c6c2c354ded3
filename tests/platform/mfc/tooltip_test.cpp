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
    tip = dlg.GetToolTipHandle();
    ASSERT_NE(nullptr, tip);
    wdtest::FireShowTimer(tip);
    EXPECT_TRUE(::IsWindowVisible(tip));
    EXPECT_EQ(std::vector<HWND>{box}, dlg.asked);
    ::SendMessageA(tip, TTM_POP, 0, 0);
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
