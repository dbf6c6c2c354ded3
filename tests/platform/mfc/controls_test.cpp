// The combo-box and list-box wrappers against the real controls: the searches the library relies
// on, and entries of any length read back whole.
#include "wdtest.h"

namespace {

CWnd* Host() { return CWnd::FromHandle(wdtest::HostWindow()); }
// Longer than the 512 characters through which the system passes 8-bit entry texts.
const std::string kLongText = std::string(600, 'x') + "\xE4nd";

}  // namespace

TEST(Controls, ComboBoxSearchesFromAfterTheStartAndWraps) {
  CComboBox combo;
  ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL, CRect(10, 10, 210, 160), Host(), 301));
  for (const char* s : {"Apple", "banana", "Apricot", "cherry", "apple pie"}) combo.AddString(s);

  // Prefix, ignoring case, beginning after the start index and wrapping round.
  EXPECT_EQ(combo.FindString(0, "ap"), 2);
  EXPECT_EQ(combo.FindString(4, "ap"), 0);
  EXPECT_EQ(combo.FindString(-1, "zz"), CB_ERR);
  // Whole text only, still ignoring case.
  EXPECT_EQ(combo.FindStringExact(-1, "APPLE"), 0);
  EXPECT_EQ(combo.FindStringExact(0, "apple"), 0);  // wraps back to the only match
  EXPECT_EQ(combo.FindStringExact(-1, "app"), CB_ERR);

  EXPECT_EQ(combo.SelectString(-1, "CH"), 3);
  EXPECT_EQ(combo.SelectString(-1, "nothing"), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), 3);  // a failed search keeps the selection
  CString text;
  combo.GetLBText(1, text);
  EXPECT_STREQ(text, "banana");
  combo.GetLBText(99, text);
  EXPECT_TRUE(text.IsEmpty());
  EXPECT_EQ(combo.AddString(kLongText.c_str()), 5);
  EXPECT_EQ(combo.FindStringExact(-1, kLongText.c_str()), 5);
  EXPECT_EQ(combo.SelectString(-1, kLongText.c_str()), 5);
  combo.GetLBText(5, text);
  EXPECT_EQ(std::string(text), kLongText);
  combo.DestroyWindow();
}

TEST(Controls, ListBoxTextsOfAnyLength) {
  CListBox list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL, CRect(0, 0, 150, 60), Host(), 303));
  list.AddString("item 0");
  EXPECT_EQ(list.AddString(kLongText.c_str()), 1);
  CString text;
  list.GetText(0, text);
  EXPECT_STREQ(text, "item 0");
  list.GetText(50, text);
  EXPECT_TRUE(text.IsEmpty());
  list.GetText(1, text);
  EXPECT_EQ(std::string(text), kLongText);
  list.DestroyWindow();
}
