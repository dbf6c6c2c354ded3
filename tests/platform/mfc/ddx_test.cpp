// Dialog data exchange: values into and out of real controls, the text forms of numbers,
// and failures that show one prompt, put the focus back and stop the exchange.
#include "sample_dialog.h"
#include <clocale>
#include <string>

using namespace AfxScript;

namespace {

CWnd* Host() { return CWnd::FromHandle(wdtest::HostWindow()); }

class DdxTest : public ScriptedTest {
protected:
  void Open(SampleDlg& dlg) {
    ASSERT_TRUE(dlg.Create(IDD_WD_SAMPLE, Host()));
    dlg.ShowWindow(SW_SHOW);
  }
  static std::string Text(CWnd& dlg, int id) { return AfxScript::Text(dlg.m_hWnd, id); }
  static void SetText(CWnd& dlg, int id, const char* s) { ::SetDlgItemTextA(dlg.m_hWnd, id, s); }
  static HWND Item(CWnd& dlg, int id) { return ::GetDlgItem(dlg.m_hWnd, id); }
};

}  // namespace

TEST_F(DdxTest, LoadsControlsThenReadsThemBack) {
  SampleDlg dlg;
  dlg.m_name = "Bracket";
  dlg.m_count = 42;
  dlg.m_enabled = BST_CHECKED;
  Open(dlg);
  // The combo box is bound by the first exchange, inside the base's OnInitDialog.
  EXPECT_EQ(dlg.m_combo.m_hWnd, Item(dlg, IDC_WD_SAMPLE_COMBO));
  EXPECT_EQ(Text(dlg, IDC_WD_SAMPLE_NAME), "Bracket");
  EXPECT_EQ(Text(dlg, IDC_WD_SAMPLE_COUNT), "42");
  EXPECT_EQ(::IsDlgButtonChecked(dlg.m_hWnd, IDC_WD_SAMPLE_CHECK), (UINT)BST_CHECKED);

  SetText(dlg, IDC_WD_SAMPLE_NAME, "Plate");
  SetText(dlg, IDC_WD_SAMPLE_COUNT, "  17 ");  // blanks around a number are fine
  ::CheckDlgButton(dlg.m_hWnd, IDC_WD_SAMPLE_CHECK, BST_UNCHECKED);
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_STREQ(dlg.m_name, "Plate");
  EXPECT_EQ(dlg.m_count, 17);
  EXPECT_EQ(dlg.m_enabled, BST_UNCHECKED);

  // The binding is made only once.
  HWND bound = dlg.m_combo.m_hWnd;
  EXPECT_TRUE(dlg.UpdateData(FALSE));
  EXPECT_EQ(dlg.m_combo.m_hWnd, bound);
  EXPECT_EQ(CWnd::FromHandlePermanent(bound), &dlg.m_combo);
  EXPECT_TRUE(script.boxes.empty());
  dlg.DestroyWindow();
}

TEST_F(DdxTest, BadIntegersGiveOnePromptAndStopTheExchange) {
  SampleDlg dlg;
  dlg.m_count = 5;
  Open(dlg);
  SetText(dlg, IDC_WD_SAMPLE_NAME, "Read before the failure");
  SetText(dlg, IDC_WD_SAMPLE_COUNT, "12a");
  ::CheckDlgButton(dlg.m_hWnd, IDC_WD_SAMPLE_CHECK, BST_CHECKED);
  ::SetFocus(Item(dlg, IDC_WD_SAMPLE_NAME));
  script.MessageBox(IDOK);
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].text, "Enter an integer.");
  EXPECT_EQ(script.boxes[0].type & MB_ICONMASK, (UINT)MB_ICONEXCLAMATION);
  EXPECT_STREQ(dlg.m_name, "Read before the failure");
  EXPECT_EQ(dlg.m_count, 5);  // unchanged
  EXPECT_EQ(dlg.m_enabled, 0);  // the exchange stopped before the check box
  // The focus is back on the field, its whole text selected.
  EXPECT_EQ(::GetFocus(), Item(dlg, IDC_WD_SAMPLE_COUNT));
  DWORD start = 9, end = 0;
  ::SendMessageA(Item(dlg, IDC_WD_SAMPLE_COUNT), EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 3u);

  // Too big for an int is a range failure, with the bounds of the type.
  SetText(dlg, IDC_WD_SAMPLE_COUNT, "99999999999");
  script.MessageBox(IDOK);
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  ASSERT_EQ(script.boxes.size(), 2u);
  EXPECT_EQ(script.boxes[1].text, "Enter an integer between -2147483648 and 2147483647.");
  // Out of the DDV_ range: the bounds are named.
  SetText(dlg, IDC_WD_SAMPLE_COUNT, "150");
  script.MessageBox(IDOK);
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  ASSERT_EQ(script.boxes.size(), 3u);
  EXPECT_EQ(script.boxes[2].text, "Enter an integer between 1 and 100.");
  EXPECT_EQ(dlg.m_count, 150);  // exchanged, then refused

  SetText(dlg, IDC_WD_SAMPLE_COUNT, "100");  // bounds are inclusive
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  dlg.DestroyWindow();
}

TEST_F(DdxTest, RealsInTheirTextFormWhateverTheLocale) {
  SampleDlg dlg;
  Open(dlg);
  auto load = [&](double value) {
    CDataExchange dx(&dlg, FALSE);
    DDX_Text(&dx, IDC_WD_SAMPLE_NAME, value);
    return Text(dlg, IDC_WD_SAMPLE_NAME);
  };
  EXPECT_EQ(load(2.5), "2.5");
  EXPECT_EQ(load(0.1), "0.1");
  EXPECT_EQ(load(1.0 / 3), "0.333333333333333");  // DBL_DIG significant digits
  EXPECT_EQ(load(1e20), "1e+20");

  double d = 0;
  auto save = [&](const char* text) {
    SetText(dlg, IDC_WD_SAMPLE_NAME, text);
    CDataExchange dx(&dlg, TRUE);
    DDX_Text(&dx, IDC_WD_SAMPLE_NAME, d);
    return !dx.m_bFailed;
  };
  EXPECT_TRUE(save("  -1.25e2 "));
  EXPECT_EQ(d, -125.0);
  EXPECT_TRUE(save(".5"));
  EXPECT_EQ(d, 0.5);
  // A decimal-comma locale changes neither the text nor what it reads back as.
  const std::string oldLocale = setlocale(LC_NUMERIC, nullptr);
  ASSERT_NE(setlocale(LC_NUMERIC, "German_Germany.1252"), nullptr);
  for (double value : {2.5, -1.25e-7, 1e20, 0.5}) {
    const std::string text = load(value);
    EXPECT_EQ(text.find(','), std::string::npos) << text;
    EXPECT_TRUE(save(text.c_str())) << text;
    EXPECT_EQ(d, value) << text;
  }
  setlocale(LC_NUMERIC, oldLocale.c_str());
  EXPECT_TRUE(script.boxes.empty());
  const char* badNumbers[] = {"1,5", "", "abc", "1e", "inf", "0x10", "1.2.3", "1e400"};
  for (const char* bad : badNumbers) {
    script.MessageBox(IDOK);
    EXPECT_FALSE(save(bad)) << bad;
  }
  ASSERT_EQ(script.boxes.size(), 8u);
  for (const ShownBox& b : script.boxes) EXPECT_EQ(b.text, "Enter a number.");
  EXPECT_EQ(d, 0.5);
  dlg.DestroyWindow();
}
