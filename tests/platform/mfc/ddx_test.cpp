// Dialog data exchange: values into and out of real controls, the text forms of numbers,
// and failures that show one prompt, put the focus back and stop the exchange.
#include "wdtest.h"
#include "resource.h"
#include <string>

using namespace AfxScript;

namespace {

CWnd* Host() { return CWnd::FromHandle(wdtest::HostWindow()); }

// The sample dialog of the resource module, run modeless.
class SampleDlg : public CDialog {
public:
  SampleDlg() : CDialog(IDD_WD_SAMPLE) {}
  CString m_name;
  int m_count = 0;
  int m_check = 0;
  CString m_choice;
  int m_countMax = 100;
  CComboBox m_combo;

  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_WD_SAMPLE_COMBO, m_combo);
    DDX_Text(pDX, IDC_WD_SAMPLE_NAME, m_name);
    DDX_Text(pDX, IDC_WD_SAMPLE_COUNT, m_count);
    DDV_MinMaxInt(pDX, m_count, 1, m_countMax);
    DDX_Check(pDX, IDC_WD_SAMPLE_CHECK, m_check);
    DDX_CBString(pDX, IDC_WD_SAMPLE_COMBO, m_choice);
  }
  BOOL OnInitDialog() override {
    // The combo box is bound by the first exchange, inside the base's OnInitDialog.
    ::SendDlgItemMessageA(m_hWnd, IDC_WD_SAMPLE_COMBO, CB_ADDSTRING, 0, (LPARAM) "alpha");
    ::SendDlgItemMessageA(m_hWnd, IDC_WD_SAMPLE_COMBO, CB_ADDSTRING, 0, (LPARAM) "beta");
    return CDialog::OnInitDialog();
  }
};

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

// A parent built by hand for the controls the sample dialog lacks.
class Panel : public CWnd {
public:
  Panel() {
    CreateEx(0, AfxRegisterWndClass(0), "panel", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr,
             nullptr);
  }
  ~Panel() override { DestroyWindow(); }
  HWND Add(const char* cls, const char* text, DWORD style, int id) {
    return ::CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 150, 120, m_hWnd,
                             (HMENU)(INT_PTR)id, nullptr, nullptr);
  }
};

}  // namespace

TEST_F(DdxTest, LoadsControlsThenReadsThemBack) {
  SampleDlg dlg;
  dlg.m_name = "Bracket";
  dlg.m_count = 42;
  dlg.m_check = BST_CHECKED;
  dlg.m_choice = "BE";
  Open(dlg);
  EXPECT_EQ(dlg.m_combo.m_hWnd, Item(dlg, IDC_WD_SAMPLE_COMBO));  // bound by DDX_Control
  EXPECT_EQ(Text(dlg, IDC_WD_SAMPLE_NAME), "Bracket");
  EXPECT_EQ(Text(dlg, IDC_WD_SAMPLE_COUNT), "42");
  EXPECT_EQ(::IsDlgButtonChecked(dlg.m_hWnd, IDC_WD_SAMPLE_CHECK), (UINT)BST_CHECKED);
  EXPECT_EQ(dlg.m_combo.GetCurSel(), 1);  // the item that starts with the text

  SetText(dlg, IDC_WD_SAMPLE_NAME, "Plate");
  SetText(dlg, IDC_WD_SAMPLE_COUNT, "  17 ");  // blanks around a number are fine
  ::CheckDlgButton(dlg.m_hWnd, IDC_WD_SAMPLE_CHECK, BST_UNCHECKED);
  dlg.m_combo.SetCurSel(0);
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_STREQ(dlg.m_name, "Plate");
  EXPECT_EQ(dlg.m_count, 17);
  EXPECT_EQ(dlg.m_check, BST_UNCHECKED);
  EXPECT_STREQ(dlg.m_choice, "alpha");  // a drop-down list gives its selected item

  // A value not in the list leaves nothing selected; the binding is made only once.
  HWND bound = dlg.m_combo.m_hWnd;
  dlg.m_choice = "gamma";
  EXPECT_TRUE(dlg.UpdateData(FALSE));
  EXPECT_EQ(dlg.m_combo.GetCurSel(), CB_ERR);
  EXPECT_EQ(dlg.m_combo.m_hWnd, bound);
  EXPECT_EQ(CWnd::FromHandlePermanent(bound), &dlg.m_combo);
  EXPECT_TRUE(script.boxes.empty());
  dlg.DestroyWindow();
}

TEST_F(DdxTest, BadIntegerGivesOnePromptAndStopsTheExchange) {
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
  EXPECT_EQ(dlg.m_check, 0);  // the exchange stopped before the check box
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
  dlg.DestroyWindow();
}

TEST_F(DdxTest, OutOfRangeIntegerNamesTheBounds) {
  SampleDlg dlg;
  dlg.m_count = 5;
  Open(dlg);
  SetText(dlg, IDC_WD_SAMPLE_COUNT, "150");
  script.MessageBox(IDOK);
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].text, "Enter an integer between 1 and 100.");
  EXPECT_EQ(::GetFocus(), Item(dlg, IDC_WD_SAMPLE_COUNT));
  EXPECT_EQ(dlg.m_count, 150);  // exchanged, then refused

  SetText(dlg, IDC_WD_SAMPLE_COUNT, "100");  // bounds are inclusive
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  dlg.m_countMax = 2147483647;
  SetText(dlg, IDC_WD_SAMPLE_COUNT, "2147483647");
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(dlg.m_count, 2147483647);
  SetText(dlg, IDC_WD_SAMPLE_COUNT, "0");
  script.MessageBox(IDOK);
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  ASSERT_EQ(script.boxes.size(), 2u);
  EXPECT_EQ(script.boxes[1].text, "Enter an integer between 1 and 2147483647.");
  // Loading never validates.
  dlg.m_count = -3;
  EXPECT_TRUE(dlg.UpdateData(FALSE));
  EXPECT_EQ(Text(dlg, IDC_WD_SAMPLE_COUNT), "-3");
  EXPECT_EQ(script.boxes.size(), 2u);
  dlg.DestroyWindow();
}

TEST_F(DdxTest, NumbersOfEveryTypeInTheirTextForms) {
  Panel panel;
  panel.Add("EDIT", "", ES_AUTOHSCROLL, 10);
  auto load = [&](auto value) {
    CDataExchange dx(&panel, FALSE);
    DDX_Text(&dx, 10, value);
    EXPECT_FALSE(dx.m_bFailed);
    char buf[64];
    ::GetDlgItemTextA(panel.m_hWnd, 10, buf, sizeof(buf));
    return std::string(buf);
  };
  EXPECT_EQ(load(2.5), "2.5");
  EXPECT_EQ(load(0.1), "0.1");
  EXPECT_EQ(load(1.0 / 3), "0.333333333333333");  // DBL_DIG significant digits
  EXPECT_EQ(load(1.0f / 3), "0.333333");          // FLT_DIG for a float
  EXPECT_EQ(load(1e20), "1e+20");
  EXPECT_EQ(load(-7), "-7");
  EXPECT_EQ(load(4000000000u), "4000000000");
  EXPECT_EQ(load((short)-300), "-300");
  EXPECT_EQ(load((DWORD)12), "12");

  auto save = [&](const char* text, auto& value) {
    ::SetDlgItemTextA(panel.m_hWnd, 10, text);
    CDataExchange dx(&panel, TRUE);
    DDX_Text(&dx, 10, value);
    return !dx.m_bFailed;
  };
  double d = 0;
  EXPECT_TRUE(save("  -1.25e2 ", d));
  EXPECT_EQ(d, -125.0);
  EXPECT_TRUE(save(".5", d));
  EXPECT_EQ(d, 0.5);
  float f = 0;
  EXPECT_TRUE(save("3", f));
  EXPECT_EQ(f, 3.0f);
  long l = 0;
  EXPECT_TRUE(save("+12", l));
  EXPECT_EQ(l, 12);
  UINT u = 0;
  EXPECT_TRUE(save("4294967295", u));
  EXPECT_EQ(u, 4294967295u);
  EXPECT_TRUE(script.boxes.empty());

  const char* badNumbers[] = {"1,5", "", "abc", "1e", "inf", "0x10", "1.2.3"};
  for (const char* bad : badNumbers) {
    script.MessageBox(IDOK);
    EXPECT_FALSE(save(bad, d)) << bad;
  }
  ASSERT_EQ(script.boxes.size(), 7u);
  for (const ShownBox& b : script.boxes) EXPECT_EQ(b.text, "Enter a number.");
  EXPECT_EQ(d, 0.5);

  script.boxes.clear();
  short s = 0;
  script.MessageBox(IDOK);
  EXPECT_FALSE(save("40000", s));
  script.MessageBox(IDOK);
  EXPECT_FALSE(save("-1", u));
  script.MessageBox(IDOK);
  EXPECT_FALSE(save("1 2", u));
  script.MessageBox(IDOK);
  EXPECT_FALSE(save("1e40", f));
  ASSERT_EQ(script.boxes.size(), 4u);
  EXPECT_EQ(script.boxes[0].text, "Enter an integer between -32768 and 32767.");
  EXPECT_EQ(script.boxes[1].text, "Enter an integer between 0 and 4294967295.");
  EXPECT_EQ(script.boxes[2].text, "Enter an integer of 0 or more.");
  EXPECT_EQ(script.boxes[3].text, "Enter a number.");

  // Range checks of reals and lengths, only when saving.
  script.boxes.clear();
  CDataExchange dx(&panel, TRUE);
  ::SetDlgItemTextA(panel.m_hWnd, 10, "400");
  DDX_Text(&dx, 10, d);
  script.MessageBox(IDOK);
  DDV_MinMaxDouble(&dx, d, -360, 360);
  EXPECT_TRUE(dx.m_bFailed);
  DDV_MinMaxDouble(&dx, d, -360, 360);  // an exchange that failed checks nothing more
  ASSERT_EQ(script.boxes.size(), 1u);
  EXPECT_EQ(script.boxes[0].text, "Enter a number between -360 and 360.");

  CString str = "abcdef";
  CDataExchange limit(&panel, FALSE);
  DDX_Text(&limit, 10, str);
  DDV_MaxChars(&limit, str, 5);
  EXPECT_EQ(::SendDlgItemMessageA(panel.m_hWnd, 10, EM_GETLIMITTEXT, 0, 0), 5);
  CDataExchange check(&panel, TRUE);
  DDX_Text(&check, 10, str);
  script.MessageBox(IDOK);
  DDV_MaxChars(&check, str, 5);
  EXPECT_TRUE(check.m_bFailed);
  ASSERT_EQ(script.boxes.size(), 2u);
  EXPECT_EQ(script.boxes[1].text, "Enter no more than 5 characters.");
}

TEST_F(DdxTest, RadioGroupsFollowTheGroupStyle) {
  Panel panel;
  HWND r0 = panel.Add("BUTTON", "a", BS_AUTORADIOBUTTON | WS_GROUP, 20);
  panel.Add("STATIC", "label", 0, 21);  // inside the group, not counted
  HWND r1 = panel.Add("BUTTON", "b", BS_AUTORADIOBUTTON, 22);
  HWND r2 = panel.Add("BUTTON", "c", BS_AUTORADIOBUTTON, 23);
  panel.Add("BUTTON", "box", BS_AUTOCHECKBOX | WS_GROUP, 24);  // starts the next group
  HWND after = panel.Add("BUTTON", "d", BS_AUTORADIOBUTTON, 25);
  ::SendMessageA(after, BM_SETCHECK, BST_CHECKED, 0);

  int value = 2;
  CDataExchange load(&panel, FALSE);
  DDX_Radio(&load, 20, value);
  EXPECT_EQ(::SendMessageA(r0, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageA(r1, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(::SendMessageA(r2, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(::SendMessageA(after, BM_GETCHECK, 0, 0), BST_CHECKED);  // another group

  ::SendMessageA(r2, BM_SETCHECK, BST_UNCHECKED, 0);
  ::SendMessageA(r1, BM_SETCHECK, BST_CHECKED, 0);
  CDataExchange save(&panel, TRUE);
  DDX_Radio(&save, 20, value);
  EXPECT_EQ(value, 1);
  ::SendMessageA(r1, BM_SETCHECK, BST_UNCHECKED, 0);
  CDataExchange none(&panel, TRUE);
  DDX_Radio(&none, 20, value);
  EXPECT_EQ(value, -1);
  value = -1;
  CDataExchange clear(&panel, FALSE);
  ::SendMessageA(r0, BM_SETCHECK, BST_CHECKED, 0);
  DDX_Radio(&clear, 20, value);
  EXPECT_EQ(::SendMessageA(r0, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(DdxTest, ComboAndListBoxesByIndexAndText) {
  Panel panel;
  HWND edit = panel.Add("COMBOBOX", "", CBS_DROPDOWN, 30);
  HWND list = panel.Add("LISTBOX", "", LBS_NOTIFY, 31);
  for (const char* s : {"alpha", "beta", "betamax"}) {
    ::SendMessageA(edit, CB_ADDSTRING, 0, (LPARAM)s);
    ::SendMessageA(list, LB_ADDSTRING, 0, (LPARAM)s);
  }

  CString value = "BET";
  CDataExchange dx1(&panel, FALSE);
  DDX_CBString(&dx1, 30, value);
  EXPECT_EQ(::SendMessageA(edit, CB_GETCURSEL, 0, 0), 1);  // the first that starts with it
  CDataExchange dx2(&panel, FALSE);
  DDX_CBStringExact(&dx2, 30, value);  // no item is exactly "BET": the text goes in the field
  EXPECT_EQ(::SendMessageA(edit, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(AfxScript::Text(panel.m_hWnd, 30), "BET");
  value = "BETAMAX";
  CDataExchange dx3(&panel, FALSE);
  DDX_CBStringExact(&dx3, 30, value);
  EXPECT_EQ(::SendMessageA(edit, CB_GETCURSEL, 0, 0), 2);
  ::SetWindowTextA(edit, "typed");
  CDataExchange dx4(&panel, TRUE);
  DDX_CBString(&dx4, 30, value);
  EXPECT_STREQ(value, "typed");  // the field's text, whatever the list holds
  int index = 0;
  CDataExchange dx5(&panel, FALSE);
  DDX_CBIndex(&dx5, 30, index);
  CDataExchange dx6(&panel, TRUE);
  index = 7;
  DDX_CBIndex(&dx6, 30, index);
  EXPECT_EQ(index, 0);

  value = "b";
  CDataExchange lb1(&panel, FALSE);
  DDX_LBString(&lb1, 31, value);
  EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), 1);
  value = "b";
  CDataExchange lb2(&panel, FALSE);
  DDX_LBStringExact(&lb2, 31, value);
  EXPECT_EQ(::SendMessageA(list, LB_GETCURSEL, 0, 0), LB_ERR);
  index = 2;
  CDataExchange lb3(&panel, FALSE);
  DDX_LBIndex(&lb3, 31, index);
  CDataExchange lb4(&panel, TRUE);
  DDX_LBString(&lb4, 31, value);
  EXPECT_STREQ(value, "betamax");
  ::SendMessageA(list, LB_SETCURSEL, (WPARAM)-1, 0);
  CDataExchange lb5(&panel, TRUE);
  DDX_LBString(&lb5, 31, value);
  EXPECT_TRUE(value.IsEmpty());
  CDataExchange lb6(&panel, TRUE);
  DDX_LBIndex(&lb6, 31, index);
  EXPECT_EQ(index, -1);
}

TEST_F(DdxTest, ControlBindingAndMissingControls) {
  Panel panel;
  HWND h = panel.Add("EDIT", "", 0, 40);
  CEdit edit;
  CDataExchange dx(&panel, FALSE);
  DDX_Control(&dx, 40, edit);
  EXPECT_EQ(edit.m_hWnd, h);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), &edit);
  DDX_Control(&dx, 40, edit);  // once bound, nothing more happens
  EXPECT_EQ(edit.m_hWnd, h);
  EXPECT_FALSE(dx.m_bFailed);

  // A control the window lacks fails the exchange without asking the user anything.
  CString s = "x";
  CDataExchange missing(&panel, TRUE);
  DDX_Text(&missing, 999, s);
  EXPECT_TRUE(missing.m_bFailed);
  EXPECT_STREQ(s, "x");
  // A failed exchange moves nothing more.
  ::SetWindowTextA(h, "keep");
  CDataExchange failed(&panel, FALSE);
  failed.m_bFailed = TRUE;
  DDX_Text(&failed, 40, s);
  EXPECT_EQ(AfxScript::Text(panel.m_hWnd, 40), "keep");
  EXPECT_TRUE(script.boxes.empty());
  edit.UnsubclassWindow();
}
