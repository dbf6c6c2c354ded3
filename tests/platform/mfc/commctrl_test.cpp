// The list-view wrapper against the real control: texts of any length and item data.
#include "wdtest.h"
#include <afxcmn.h>
#include <string>

TEST(CommonControls, ListCtrlTextsOfAnyLengthAndData) {
  CListCtrl list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 300, 200),
                          CWnd::FromHandle(wdtest::HostWindow()), 501));
  list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
  list.InsertColumn(1, "Value", LVCFMT_LEFT, 80);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.InsertItem(i, ("row " + std::to_string(i)).c_str()), i);

  const std::string longText(700, 'x');
  list.SetItemText(2, 1, longText.c_str());
  EXPECT_EQ(std::string(list.GetItemText(2, 1)), longText);  // longer than the first buffer
  EXPECT_STREQ(list.GetItemText(1, 1), "");
  EXPECT_TRUE(list.SetItemData(2, 12));
  EXPECT_EQ(list.GetItemData(2), 12u);
  EXPECT_STREQ(list.GetItemText(2, 0), "row 2");  // setting the data kept the text
  list.DestroyWindow();
}
