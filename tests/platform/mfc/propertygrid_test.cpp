// The property grid driven by keyboard and mouse messages: navigation, groups, the divider,
// in-place editors with valid characters and typed values, option lists, checks, and what it
// paints.
#include <afxpropertygridctrl.h>
#include <string>
#include <vector>
#include "wdtest.h"

namespace {

// Records the change notifications the grid gives.
class RecordingGrid : public CMFCPropertyGridCtrl {
 public:
  void OnPropertyChanged(CMFCPropertyGridProperty* pProp) const override {
    changed.push_back(pProp->GetName());
    CMFCPropertyGridCtrl::OnPropertyChanged(pProp);
  }
  mutable std::vector<std::string> changed;
};

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

LPARAM At(CPoint pt) { return MAKELPARAM(pt.x, pt.y); }
CPoint Offset(CPoint pt, int dx, int dy) { return CPoint(pt.x + dx, pt.y + dy); }

class PropertyGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_top = ::CreateWindowExA(0, "STATIC", "grid", WS_POPUP | WS_VISIBLE, 0, 0, 320, 400, nullptr, nullptr, nullptr,
                              nullptr);
    ::SetActiveWindow(m_top);
    ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, CRect(0, 0, 300, 380),
                            CWnd::FromHandle(m_top), 7));
    auto* shape = new CMFCPropertyGridProperty("Shape");
    width = new CMFCPropertyGridProperty("Width", COleVariant((short)12), "How wide, in steps");
    width->EnableSpinControl(TRUE, 1, 100);
    name = new CMFCPropertyGridProperty("Name", COleVariant("AB"), nullptr, 0, nullptr, nullptr, "ABC_");
    kind = new CMFCPropertyGridProperty("Kind", COleVariant("Round"));
    for (const char* option : {"Round", "Square", "Round"}) kind->AddOption(option);
    kind->AllowEdit(FALSE);
    visible = new CMFCPropertyGridProperty("Visible", COleVariant((short)0, VT_BOOL));
    for (CMFCPropertyGridProperty* p : {width, name, kind, visible}) shape->AddSubItem(p);
    auto* notes = new CMFCPropertyGridProperty("Notes");
    note = new CMFCPropertyGridProperty("Note", COleVariant(""));
    notes->AddSubItem(note);
    grid.AddProperty(shape, FALSE, FALSE);
    grid.AddProperty(notes);
    grid.SetFocus();
  }
  void TearDown() override {
    grid.DestroyWindow();
    ::DestroyWindow(m_top);
  }

  void Key(UINT vk, HWND to = nullptr) {
    ::SendMessageA(to ? to : grid.m_hWnd, WM_KEYDOWN, vk, 1);
    Pump();
  }
  void Chars(HWND to, const char* text) {
    for (const char* c = text; *c; ++c) ::SendMessageA(to, WM_CHAR, (unsigned char)*c, 1);
  }
  void Click(CPoint pt, UINT message = WM_LBUTTONDOWN) {
    ::SendMessageA(grid.m_hWnd, message, MK_LBUTTON, At(pt));
    ::SendMessageA(grid.m_hWnd, WM_LBUTTONUP, 0, At(pt));
    Pump();
  }
  CPoint ValueOf(CMFCPropertyGridProperty* p) const {
    return CPoint(grid.GetLeftColumnWidth() + 20, p->GetRect().CenterPoint().y);
  }
  HWND Editor() const { return ::GetDlgItem(grid.m_hWnd, 3); }
  std::string EditorText() const {
    char buf[64] = "";
    ::GetWindowTextA(Editor(), buf, sizeof buf);
    return buf;
  }

  RecordingGrid grid;
  CMFCPropertyGridProperty *width = nullptr, *name = nullptr, *kind = nullptr, *visible = nullptr, *note = nullptr;
  HWND m_top = nullptr;
};

TEST_F(PropertyGridTest, KeysAndClicksMoveCollapseAndExpand) {
  CMFCPropertyGridProperty* shape = grid.GetProperty(0);
  CMFCPropertyGridProperty* notes = grid.GetProperty(1);
  Key(VK_DOWN);
  EXPECT_EQ(grid.GetCurSel(), shape);
  Key(VK_DOWN);
  Key(VK_DOWN);
  EXPECT_EQ(grid.GetCurSel(), name);
  Key(VK_END);
  EXPECT_EQ(grid.GetCurSel(), note);
  Key(VK_HOME);
  Key(VK_LEFT);  // collapses the group: the next row is the other group
  EXPECT_FALSE(shape->IsExpanded());
  EXPECT_EQ(grid.HitTest(CPoint(5, shape->GetRect().bottom + 2)), notes);
  EXPECT_EQ(width->GetRect().Height(), 0) << "a collapsed row has no place";
  Key(VK_DOWN);
  EXPECT_EQ(grid.GetCurSel(), notes);
  Key(VK_RETURN);  // Enter toggles a group too
  EXPECT_FALSE(notes->IsExpanded());
  Click(Offset(notes->GetRect().TopLeft(), 20, 3), WM_LBUTTONDBLCLK);
  EXPECT_TRUE(notes->IsExpanded());
  Click(CPoint(grid.GetRowHeight() / 2, shape->GetRect().CenterPoint().y));  // the +/- box
  EXPECT_TRUE(shape->IsExpanded());
  // Collapsing the group of the selected row selects the group.
  Click(Offset(name->GetRect().TopLeft(), 30, 3));
  EXPECT_EQ(grid.GetCurSel(), name);
  Key(VK_UP);
  Key(VK_UP);
  Key(VK_LEFT);
  EXPECT_EQ(grid.GetCurSel(), shape);

  // The divider follows the mouse while the button is down; the columns keep a minimum width.
  shape->Expand(TRUE);
  const int divider = grid.GetLeftColumnWidth();
  const CPoint on(divider, width->GetRect().CenterPoint().y);
  ::SendMessageA(grid.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, At(on));
  ::SendMessageA(grid.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, At(Offset(on, 40, 0)));
  ::SendMessageA(grid.m_hWnd, WM_LBUTTONUP, 0, At(Offset(on, 40, 0)));
  EXPECT_EQ(grid.GetLeftColumnWidth(), divider + 40);
  ::SendMessageA(grid.m_hWnd, WM_MOUSEMOVE, 0, At(CPoint(290, on.y)));
  EXPECT_EQ(grid.GetLeftColumnWidth(), divider + 40) << "no drag without the button";
  grid.SetLeftColumnWidth(1000);
  EXPECT_LT(grid.GetLeftColumnWidth(), 300);
  EXPECT_TRUE(grid.changed.empty());
}

TEST_F(PropertyGridTest, EditorsTakeValidTextAndRefuseTheRest) {
  // Valid characters: the rest is refused key by key.
  Click(ValueOf(name));
  ASSERT_NE(Editor(), nullptr);
  EXPECT_EQ(EditorText(), "AB");
  Chars(Editor(), "Ba_%C");  // the whole text was selected: typing replaces it
  EXPECT_EQ(EditorText(), "B_C");
  Key(VK_RETURN, Editor());
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_STREQ(name->FormatProperty(), "B_C");
  EXPECT_TRUE(name->IsModified());
  EXPECT_EQ(grid.changed, std::vector<std::string>{"Name"});

  // Escape gives the typed text up.
  Click(ValueOf(note));
  Chars(Editor(), "draft");
  Key(VK_ESCAPE, Editor());
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_STREQ(note->FormatProperty(), "");

  // A number outside what the value holds, or outside the spin range, keeps the editor open.
  Click(ValueOf(width));
  for (const char* refused : {"99999999999999999999", "0", "101", ""}) {
    ::SetWindowTextA(Editor(), refused);
    Key(VK_RETURN, Editor());
    ASSERT_NE(Editor(), nullptr) << refused;
    EXPECT_EQ(width->GetValue().iVal, 12) << refused;
  }
  ::SetWindowTextA(Editor(), "40");
  Key(VK_RETURN, Editor());
  EXPECT_EQ(width->GetValue().vt, VT_I2);
  EXPECT_EQ(width->GetValue().iVal, 40);

  // Typing on a selected row opens the editor with that character; leaving takes the value.
  Key(VK_DOWN);
  EXPECT_EQ(grid.GetCurSel(), name);
  ::SendMessageA(grid.m_hWnd, WM_CHAR, 'A', 1);
  EXPECT_EQ(EditorText(), "A");
  grid.SetFocus();
  Pump();
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_STREQ(name->FormatProperty(), "A");

  // An option list: the chosen entry is taken at once; options are unique.
  Click(ValueOf(kind));
  HWND combo = Editor();
  ASSERT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
  ::SendMessageA(combo, CB_SETCURSEL, 1, 0);
  ::SendMessageA(grid.m_hWnd, WM_COMMAND, MAKEWPARAM(3, CBN_SELCHANGE), (LPARAM)combo);
  EXPECT_STREQ(kind->FormatProperty(), "Square");

  // A check toggles by click and by Space; a disabled one does not, nor opens an editor.
  Click(Offset(ValueOf(visible), -14, 0));
  EXPECT_STREQ(visible->FormatProperty(), "True");
  Key(VK_SPACE);
  EXPECT_STREQ(visible->FormatProperty(), "False");
  visible->Enable(FALSE);
  Key(VK_SPACE);
  note->Enable(FALSE);
  Click(ValueOf(note));
  EXPECT_EQ(Editor(), nullptr);
  EXPECT_EQ(grid.changed, (std::vector<std::string>{"Name", "Width", "Name", "Kind", "Visible", "Visible"}));
  EXPECT_EQ(grid.FindItemByData(0, FALSE), grid.GetProperty(0));
}

// What the grid paints, read back from a DIB section: group rows, the selected row, the
// description area, custom colours, and a collapsed group's rows gone.
TEST_F(PropertyGridTest, PaintsRowsSelectionAndDescription) {
  const COLORREF red = RGB(200, 0, 0), green = RGB(0, 160, 0), blue = RGB(0, 0, 170);
  grid.SetCustomColors(red, (COLORREF)-1, green, (COLORREF)-1, blue, (COLORREF)-1, (COLORREF)-1);
  grid.SetCurSel(width);
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 300, -380, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = ::CreateCompatibleDC(nullptr);
  HBITMAP bmp = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  ::SelectObject(dc, bmp);
  auto pixel = [&](int x, int y) {
    const DWORD v = static_cast<const DWORD*>(bits)[y * 300 + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  };
  auto paint = [&] {
    ::SendMessageA(grid.m_hWnd, WM_PRINTCLIENT, (WPARAM)dc, PRF_CLIENT);
  };
  paint();
  const int h = grid.GetRowHeight();
  const int below = note->GetRect().bottom + 5;
  EXPECT_EQ(pixel(250, grid.GetProperty(0)->GetRect().top + 1), green) << "group row";
  EXPECT_EQ(pixel(150, below), red) << "background below the rows";
  EXPECT_EQ(pixel(h + 2, width->GetRect().top + 1), ::GetSysColor(COLOR_HIGHLIGHT)) << "selected name, focused";
  CRect client;
  grid.GetClientRect(&client);
  EXPECT_EQ(pixel(150, client.bottom - 3), blue) << "description area";
  const COLORREF valueCell = pixel(grid.GetLeftColumnWidth() + 60, width->GetRect().top + 1);
  EXPECT_EQ(valueCell, red);

  grid.GetProperty(0)->Expand(FALSE);
  paint();
  EXPECT_EQ(pixel(250, grid.GetProperty(1)->GetRect().top + 1), green) << "the second group moved up";
  EXPECT_EQ(grid.GetProperty(1)->GetRect().top, grid.GetProperty(0)->GetRect().bottom);
  EXPECT_EQ(pixel(150, note->GetRect().bottom + h + 5), red) << "collapsed rows are not painted";
  ::DeleteDC(dc);
  ::DeleteObject(bmp);
}

}  // namespace
