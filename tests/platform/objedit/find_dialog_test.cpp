// The edit control's find and replace dialog as the control opens it.
#include <gtest/gtest.h>

#include "seceditctrl.h"
#include "wdtest.h"

namespace {

TEST(FindDialog, OpensVisibleOverTheControl) {
  SECEditCtrl edit;
  ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 100), CWnd::FromHandle(wdtest::HostWindow()), 100));
  for (UINT command : {(UINT)ID_EDIT_FIND, (UINT)ID_EDIT_REPLACE}) {
    edit.SendMessage(WM_COMMAND, command, 0);
    OEFindDlg* dlg = edit.GetFindDlg();
    ASSERT_TRUE(dlg && dlg->GetSafeHwnd());
    const HWND h = dlg->m_hWnd;
    // Modeless: the user sees it as soon as it is made.
    EXPECT_TRUE(::IsWindowVisible(h)) << command;
    EXPECT_EQ(command == ID_EDIT_REPLACE, ::GetDlgItem(h, OEFindDlg::IDC_REPLACEALL) != nullptr);
    ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
    EXPECT_FALSE(::IsWindow(h));
  }
  edit.DestroyWindow();
}

}  // namespace
