// Resizable dialogs under Wine: anchors, grip, tracking limits, saved placement.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <commctrl.h>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>
#include "MpAppUiResizableDialog.h"
#include "test_ids.h"
#include "wdtest.h"

namespace {

// The test template, with a hook for the layout callback and the protected parts opened up.
class TestDialog : public MpAppUiResizableDialog {
 public:
  TestDialog() : MpAppUiResizableDialog(IDD_WD_RESIZABLE_TEST, nullptr) {}
  std::function<void(TestDialog&)> onInit;
  std::function<BOOL(LayoutInfo&)> callback;
  BOOL OnInitDialog() override {
    MpAppUiResizableDialog::OnInitDialog();
    if (onInit) onInit(*this);
    return TRUE;
  }
  BOOL ArrangeLayoutCallback(LayoutInfo& l) override { return callback ? callback(l) : FALSE; }
  using MpAppUiResizableDialog::LikesClipping;
  using MpAppUiResizableDialog::LoadPlacement;
  using MpAppUiResizableDialog::NeedsRefresh;
  const LayoutInfo& entry(int i) const { return m_arrLayout[i]; }
  int entries() const { return (int)m_arrLayout.GetSize(); }
  int ordinaryAnchors() const { return m_iFirstCallback; }
  HWND grip() const { return m_wndGrip.GetSafeHwnd(); }
};

class ResizableDialogTest : public ScriptedTest {};

HWND Ctl(const CWnd& dlg, int id) { return ::GetDlgItem(dlg.m_hWnd, id); }
// A child's rectangle in the dialog's client coordinates.
CRect RectOf(const CWnd& dlg, HWND h) {
  CRect rc;
  ::GetWindowRect(h, &rc);
  ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}
CRect RectOf(const CWnd& dlg, int id) { return RectOf(dlg, Ctl(dlg, id)); }
CRect ClientOf(const CWnd& dlg) {
  CRect rc;
  dlg.GetClientRect(&rc);
  return rc;
}
CRect WindowOf(const CWnd& dlg) {
  CRect rc;
  dlg.GetWindowRect(&rc);
  return rc;
}
// Sizes the window for the given client size; WM_SIZE arrives at once.
void SetClientSize(CWnd& dlg, int cx, int cy) {
  CRect w = WindowOf(dlg), c = ClientOf(dlg);
  ::SetWindowPos(dlg.m_hWnd, nullptr, 0, 0, cx + w.Width() - c.Width(), cy + w.Height() - c.Height(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
// Records the flags of each move or size that reaches a control.
LRESULT CALLBACK RecordPosProc(HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR ref) {
  if (msg == WM_WINDOWPOSCHANGING)
    reinterpret_cast<std::vector<UINT>*>(ref)->push_back(reinterpret_cast<WINDOWPOS*>(l)->flags);
  return ::DefSubclassProc(h, msg, w, l);
}
void RecordMoves(HWND h, std::vector<UINT>* flags) {
  ::SetWindowSubclass(h, &RecordPosProc, 1, reinterpret_cast<DWORD_PTR>(flags));
}

// The application whose profile keeps the placements; made once, it lives on.
CWinApp* ProfileApp() { return AfxGetApp() ? AfxGetApp() : new CWinApp("WidgetDeckFrameTests"); }

const int kControls[] = {IDC_WD_RSZ_GROUP,  IDC_WD_RSZ_LIST,      IDC_WD_RSZ_TEXT,  IDC_WD_RSZ_ICON,
                         IDC_WD_RSZ_BLACKRECT, IDC_WD_RSZ_ETCHED, IDC_WD_RSZ_CENTERIMG, IDC_WD_RSZ_FRAME,
                         IDC_WD_RSZ_EDIT,   IDC_WD_RSZ_BUTTON};

}  // namespace

// The frame becomes a sizing border around the template's client area. With a client width of
// 301, anchor point 50 is pixel 150 when margins are taken and when rectangles are rebuilt, so
// an untouched dialog moves nothing; growing keeps each corner's distance to its anchor point;
// shrinking back restores every rectangle; SIZE_MAXSHOW and SIZE_MAXHIDE rearrange nothing;
// destroying the window removes the anchors.
TEST_F(ResizableDialogTest, AnchorsKeepDistancesWithoutDrift) {
  TestDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_WD_RESIZABLE_TEST));
  EXPECT_TRUE(dlg.GetStyle() & WS_THICKFRAME);
  EXPECT_FALSE(dlg.GetStyle() & DS_MODALFRAME);
  CRect templ(0, 0, 160, 120);
  dlg.MapDialogRect(&templ);
  EXPECT_EQ(ClientOf(dlg).Size(), templ.Size());

  const int h0 = ClientOf(dlg).Height();
  ASSERT_LT(ClientOf(dlg).Width(), 301);
  SetClientSize(dlg, 301, h0);
  ASSERT_EQ(ClientOf(dlg).Width(), 301);
  std::map<int, CRect> before;
  for (int id : kControls) before[id] = RectOf(dlg, id);

  dlg.AddAnchor(IDC_WD_RSZ_GROUP, ANCHOR_TOP_LEFT, ANCHOR_TOP_RIGHT);
  dlg.AddAnchor(IDC_WD_RSZ_LIST, ANCHOR_TOP_LEFT, ANCHOR_BOTTOM_RIGHT);
  dlg.AddAnchor(IDC_WD_RSZ_TEXT, ANCHOR_TOP_CENTER, ANCHOR_NONE);
  dlg.AddAnchor(IDC_WD_RSZ_BLACKRECT, ANCHOR_MIDDLE_CENTER, ANCHOR_BOTTOM_RIGHT);
  dlg.AddAnchor(IDC_WD_RSZ_EDIT, ANCHOR_MIDDLE_LEFT, ANCHOR_MIDDLE_RIGHT);
  dlg.AddAnchor(IDC_WD_RSZ_BUTTON, ANCHOR_BOTTOM_CENTER, ANCHOR_NONE);
  const CRect& text = before[IDC_WD_RSZ_TEXT];
  EXPECT_EQ(dlg.entry(2).sizeMarginTL, CSize(text.left - 150, text.top));
  EXPECT_EQ(dlg.entry(2).sizeMarginBR, CSize(text.right - 150, text.bottom));

  std::vector<UINT> moves;
  for (int id : kControls) RecordMoves(Ctl(dlg, id), &moves);
  dlg.ArrangeLayout();
  SetClientSize(dlg, 301, h0);
  EXPECT_TRUE(moves.empty()) << moves.size() << " control(s) moved on an untouched dialog";

  SetClientSize(dlg, 401, h0 + 60);
  const int hx = 401 * 50 / 100 - 150, hy = (h0 + 60) * 50 / 100 - h0 * 50 / 100;
  auto moved = [&](int id, int l, int t, int r, int b) {
    const CRect& rc = before[id];
    return CRect(rc.left + l, rc.top + t, rc.right + r, rc.bottom + b);
  };
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_GROUP), moved(IDC_WD_RSZ_GROUP, 0, 0, 100, 0));
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_LIST), moved(IDC_WD_RSZ_LIST, 0, 0, 100, 60));
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_TEXT), moved(IDC_WD_RSZ_TEXT, hx, 0, hx, 0));
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_BLACKRECT), moved(IDC_WD_RSZ_BLACKRECT, hx, hy, 100, 60));
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_EDIT), moved(IDC_WD_RSZ_EDIT, 0, hy, 100, hy));
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_BUTTON), moved(IDC_WD_RSZ_BUTTON, hx, 60, hx, 60));
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_FRAME), before[IDC_WD_RSZ_FRAME]);  // not anchored

  SetClientSize(dlg, 301, h0);
  for (int id : kControls) EXPECT_EQ(RectOf(dlg, id), before[id]) << "control " << id;

  ::SetWindowPos(Ctl(dlg, IDC_WD_RSZ_BUTTON), nullptr, 1, 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  const LPARAM size = MAKELPARAM(301, h0);
  dlg.SendMessage(WM_SIZE, SIZE_MAXSHOW, size);
  dlg.SendMessage(WM_SIZE, SIZE_MAXHIDE, size);
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_BUTTON).TopLeft(), CPoint(1, 2));
  dlg.SendMessage(WM_SIZE, SIZE_RESTORED, size);
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_BUTTON), before[IDC_WD_RSZ_BUTTON]);

  ASSERT_EQ(dlg.ordinaryAnchors(), 6);
  dlg.DestroyWindow();
  EXPECT_EQ(dlg.entries() + dlg.ordinaryAnchors(), 0) << "destroying the window removes the anchors";
}

// A list box scrolled near its right end is moved without copying its old bits, one at its start
// is not; text statics always are; the flags say what is unchanged.
TEST_F(ResizableDialogTest, MoveFlagsFollowRefreshNeeds) {
  TestDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_WD_RESIZABLE_TEST));
  HWND list = Ctl(dlg, IDC_WD_RSZ_LIST);
  for (int i = 0; i < 5; ++i) ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("a long line"));
  ::SendMessageA(list, LB_SETHORIZONTALEXTENT, 2000, 0);
  dlg.AddAnchor(IDC_WD_RSZ_LIST, ANCHOR_TOP_LEFT, ANCHOR_TOP_RIGHT);
  dlg.AddAnchor(IDC_WD_RSZ_TEXT, ANCHOR_TOP_RIGHT, ANCHOR_NONE);
  std::vector<UINT> listMoves, textMoves;
  RecordMoves(list, &listMoves);
  RecordMoves(Ctl(dlg, IDC_WD_RSZ_TEXT), &textMoves);

  CRect c = ClientOf(dlg);
  SetClientSize(dlg, c.Width() + 40, c.Height());
  ASSERT_EQ(listMoves.size(), 1u);
  EXPECT_EQ(listMoves[0] & (SWP_NOCOPYBITS | SWP_NOMOVE | SWP_NOSIZE), (UINT)SWP_NOMOVE);
  ASSERT_EQ(textMoves.size(), 1u);
  EXPECT_EQ(textMoves[0] & (SWP_NOCOPYBITS | SWP_NOMOVE | SWP_NOSIZE), (UINT)(SWP_NOCOPYBITS | SWP_NOSIZE));

  ::SendMessageA(list, WM_HSCROLL, SB_RIGHT, 0);
  ASSERT_GT(::GetScrollPos(list, SB_HORZ), 0);
  SetClientSize(dlg, c.Width() + 80, c.Height());
  ASSERT_EQ(listMoves.size(), 2u);
  EXPECT_TRUE(listMoves[1] & SWP_NOCOPYBITS);
}

// What each kind of control needs when moved and when the background is erased: the erase spares
// the controls that paint themselves, paints group boxes over, skips hidden and missing controls;
// an anchored group box gains WS_CLIPSIBLINGS.
TEST_F(ResizableDialogTest, RefreshAndClippingByKindOfControl) {
  TestDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_WD_RESIZABLE_TEST));
  struct Kind { int id; BOOL refresh, clip; };
  for (const Kind& k : {Kind{IDC_WD_RSZ_GROUP, FALSE, FALSE}, Kind{IDC_WD_RSZ_TEXT, TRUE, FALSE},
                        Kind{IDC_WD_RSZ_CENTERIMG, TRUE, FALSE}, Kind{IDC_WD_RSZ_BUTTON, FALSE, TRUE}}) {
    EXPECT_EQ(dlg.NeedsRefresh(Ctl(dlg, k.id)), k.refresh) << k.id;
    EXPECT_EQ(dlg.LikesClipping(Ctl(dlg, k.id)), k.clip) << k.id;
  }

  HWND group = Ctl(dlg, IDC_WD_RSZ_GROUP);
  EXPECT_FALSE(::GetWindowLongA(group, GWL_STYLE) & WS_CLIPSIBLINGS);
  dlg.ShowWindow(SW_SHOWNOACTIVATE);
  ::ShowWindow(Ctl(dlg, IDC_WD_RSZ_EDIT), SW_HIDE);
  for (int id : {IDC_WD_RSZ_GROUP, IDC_WD_RSZ_LIST, IDC_WD_RSZ_BLACKRECT, IDC_WD_RSZ_EDIT, IDC_WD_RSZ_MISSING})
    dlg.AddAnchor(id, ANCHOR_TOP_LEFT, ANCHOR_BOTTOM_RIGHT);
  EXPECT_TRUE(::GetWindowLongA(group, GWL_STYLE) & WS_CLIPSIBLINGS);

  CDC* dc = dlg.GetDC();
  dlg.ClipChildren(dc);
  auto visible = [&](CPoint p) { return dc->PtVisible(p.x, p.y) != FALSE; };
  const CRect box = RectOf(dlg, group);
  EXPECT_FALSE(visible(RectOf(dlg, IDC_WD_RSZ_LIST).CenterPoint()));
  EXPECT_FALSE(visible(RectOf(dlg, IDC_WD_RSZ_BLACKRECT).CenterPoint()));
  EXPECT_TRUE(visible(RectOf(dlg, IDC_WD_RSZ_EDIT).CenterPoint())) << "hidden";
  EXPECT_TRUE(visible(CPoint(box.right - 4, box.bottom - 4))) << "inside the group box";
  EXPECT_TRUE(visible(CPoint(ClientOf(dlg).right / 2, ClientOf(dlg).bottom - 2)));
  dlg.ReleaseDC(dc);
}

// A control identifier the dialog lacks gives an entry without a window and with zero margins,
// which arranging skips; callback entries stay behind the ordinary anchors, run after those have
// moved, and place what the derived class fills in.
TEST_F(ResizableDialogTest, MissingControlsAndCallbackEntries) {
  TestDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_WD_RESIZABLE_TEST));
  const CRect edit = RectOf(dlg, IDC_WD_RSZ_EDIT), button = RectOf(dlg, IDC_WD_RSZ_BUTTON);
  const CRect client = ClientOf(dlg);
  dlg.AddAnchor(IDC_WD_RSZ_MISSING, ANCHOR_MIDDLE_CENTER, ANCHOR_BOTTOM_RIGHT);
  dlg.AddAnchorCallback(7);
  dlg.AddAnchor(IDC_WD_RSZ_BUTTON, ANCHOR_BOTTOM_RIGHT, ANCHOR_NONE);
  ASSERT_EQ(dlg.entries(), 3);
  EXPECT_EQ(dlg.ordinaryAnchors(), 2);
  EXPECT_EQ(dlg.entry(0).hWnd, nullptr);
  EXPECT_EQ(dlg.entry(0).sizeMarginTL, CSize(0, 0));
  EXPECT_EQ(dlg.entry(0).sizeMarginBR, CSize(0, 0));
  EXPECT_EQ(dlg.entry(2).nCallbackID, 7u);

  std::vector<UINT> asked;
  CRect buttonSeen;
  dlg.callback = [&](MpAppUiResizableLayout::LayoutInfo& l) {
    asked.push_back(l.nCallbackID);
    if (l.nCallbackID != 7) return FALSE;
    buttonSeen = RectOf(dlg, IDC_WD_RSZ_BUTTON);
    l.hWnd = Ctl(dlg, IDC_WD_RSZ_EDIT);
    l.sizeTypeTL = l.sizeTypeBR = ANCHOR_BOTTOM_RIGHT;
    l.sizeMarginTL = CSize(edit.left - client.right, edit.top - client.bottom);
    l.sizeMarginBR = CSize(edit.right - client.right, edit.bottom - client.bottom);
    return TRUE;
  };
  SetClientSize(dlg, client.Width() + 30, client.Height() + 20);
  EXPECT_EQ(asked, (std::vector<UINT>{0, 7}));
  EXPECT_EQ(buttonSeen, button + CPoint(30, 20));
  EXPECT_EQ(RectOf(dlg, IDC_WD_RSZ_EDIT), edit + CPoint(30, 20));
  dlg.RemoveAllAnchors();
  EXPECT_EQ(dlg.entries() + dlg.ordinaryAnchors(), 0);
}

// The initial size is the minimum track size; a maximum size applies
// while set. The grip sits in the corner as a triangle, answers hit tests as the sizing corner,
// is disabled while the dialog is maximized and takes its subclass off on WM_DESTROY.
TEST_F(ResizableDialogTest, TrackingLimitsAndGrip) {
  TestDialog dlg;
  ASSERT_TRUE(dlg.Create(IDD_WD_RESIZABLE_TEST));
  const CSize initial = WindowOf(dlg).Size();
  MINMAXINFO mmi{};
  mmi.ptMaxTrackSize = {3000, 2000};
  dlg.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  EXPECT_EQ(CSize(mmi.ptMinTrackSize), initial);
  EXPECT_EQ(mmi.ptMaxTrackSize.x, 3000);
  dlg.SetWindowPos(nullptr, 0, 0, initial.cx + 50, initial.cy - 30, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(WindowOf(dlg).Size(), CSize(initial.cx + 50, initial.cy));

  dlg.SetMaximumTrackSize(initial + CSize(100, 80));
  dlg.SetWindowPos(nullptr, 0, 0, 2000, 2000, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(WindowOf(dlg).Size(), initial + CSize(100, 80));
  dlg.ResetMaximumTrackSize();

  HWND grip = dlg.grip();
  const CSize g(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
  const CRect c = ClientOf(dlg);
  EXPECT_EQ(RectOf(dlg, grip), CRect(c.right - g.cx, c.bottom - g.cy, c.right, c.bottom));
  EXPECT_EQ(::GetWindow(grip, GW_HWNDNEXT), nullptr) << "at the bottom of the z-order";
  HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(grip, rgn), ERROR);
  const int y = g.cy / 2;  // row y keeps its last y pixels
  EXPECT_TRUE(::PtInRegion(rgn, g.cx - y, y));
  EXPECT_FALSE(::PtInRegion(rgn, g.cx - y - 1, y));
  EXPECT_FALSE(::PtInRegion(rgn, g.cx - 1, 0));
  ::DeleteObject(rgn);
  EXPECT_NE(::GetPropA(grip, "ResizableGrip"), nullptr);
  EXPECT_EQ(::SendMessageA(grip, WM_NCHITTEST, 0, 0), HTBOTTOMRIGHT);

  EXPECT_TRUE(::IsWindowEnabled(grip));
  dlg.ShowWindow(SW_MAXIMIZE);
  ASSERT_TRUE(dlg.IsZoomed());
  EXPECT_FALSE(::IsWindowEnabled(grip));
  dlg.ShowWindow(SW_RESTORE);
  EXPECT_TRUE(::IsWindowEnabled(grip));

  // On WM_DESTROY the subclass takes itself off: the property goes, the previous procedure is back.
  const LONG_PTR previous = reinterpret_cast<LONG_PTR>(::GetPropA(grip, "ResizableGrip"));
  ASSERT_NE(::GetWindowLongPtrA(grip, GWLP_WNDPROC), previous);
  ::SendMessageA(grip, WM_DESTROY, 0, 0);
  EXPECT_EQ(::GetPropA(grip, "ResizableGrip"), nullptr);
  EXPECT_EQ(::GetWindowLongPtrA(grip, GWLP_WNDPROC), previous);
  EXPECT_NE(::SendMessageA(grip, WM_NCHITTEST, 0, 0), HTBOTTOMRIGHT) << "hit tests go to the scroll bar again";
}

// The placement in the profile: "10,20,410,320,1,0" in rectangle-only mode puts the window at
// (10, 20) with size 400 x 300; five numbers are ignored; destroying the window saves it.
TEST_F(ResizableDialogTest, PlacementSavedAndRestoredThroughTheProfile) {
  CWinApp* app = ProfileApp();
  const char* section = "WidgetDeckTests\\ResizablePlacement";
  auto withSaved = [&](const char* text) {
    app->WriteProfileString(section, "WindowPlacement", text);
    auto dlg = std::make_unique<TestDialog>();
    dlg->onInit = [&](TestDialog& d) { d.EnableSaveRestore(section, TRUE); };
    EXPECT_TRUE(dlg->Create(IDD_WD_RESIZABLE_TEST));
    return dlg;
  };

  auto dlg = withSaved(nullptr);
  const CSize initial = WindowOf(*dlg).Size();
  EXPECT_FALSE(dlg->LoadPlacement(section, TRUE)) << "no entry";
  ASSERT_LT(initial.cx, 400);
  ASSERT_LT(initial.cy, 300);
  dlg->SetWindowPos(nullptr, 30, 40, 420, 310, SWP_NOZORDER);
  dlg->DestroyWindow();
  EXPECT_STREQ(app->GetProfileString(section, "WindowPlacement"), "30,40,450,350,1,0");

  dlg = withSaved("10,20,410,320,1,0");
  EXPECT_EQ(WindowOf(*dlg), CRect(10, 20, 410, 320));

  app->WriteProfileString(section, "WindowPlacement", "10,20,410,320,1");
  EXPECT_FALSE(dlg->LoadPlacement(section, FALSE));
  EXPECT_EQ(WindowOf(*dlg), CRect(10, 20, 410, 320));

  // The whole placement: normal rectangle, show command, flags.
  app->WriteProfileString(section, "WindowPlacement", "50,60,450,360,1,0");
  EXPECT_TRUE(dlg->LoadPlacement(section, FALSE));
  EXPECT_EQ(WindowOf(*dlg), CRect(50, 60, 450, 360));
  dlg.reset();

  // A placement that would hide a modal dialog (hidden, minimised, on no monitor, without area)
  // is put right, whether applied before the dialog shows or again while it shows.
  for (const char* saved :
       {"50,60,450,360,0,0", "50,60,450,360,2,0", "30000,-30000,30400,-29700,1,0", "5,6,5,6,1,0"})
    for (BOOL rectOnly : {FALSE, TRUE}) {
      SCOPED_TRACE(std::string(saved) + (rectOnly ? " (rectangle only)" : ""));
      app->WriteProfileString(section, "WindowPlacement", saved);
      TestDialog modal;
      modal.onInit = [&](TestDialog& d) { d.EnableSaveRestore(section, rectOnly); };
      script.Dialog(IDD_WD_RESIZABLE_TEST, [&](HWND h) {
        modal.LoadPlacement(section, rectOnly);
        MONITORINFO mi{};
        mi.cbSize = sizeof(mi);
        ::GetMonitorInfoA(::MonitorFromWindow(h, MONITOR_DEFAULTTONEAREST), &mi);
        CRect rc = WindowOf(modal), inside;
        EXPECT_TRUE(::IsWindowVisible(h) && !::IsIconic(h));
        EXPECT_TRUE(::IntersectRect(&inside, &rc, &mi.rcWork) && inside == rc);
        ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
      });
      modal.DoModal();
    }
  app->WriteProfileString(section, nullptr, nullptr);
}

// A dialog closed maximized comes back maximized and active, and closing it again keeps it so: the
// modal loop does not show again, in its normal state, a dialog that restoring already showed.
// Every other saved show command (hidden, minimised, shown without activation, from a hand-edited
// profile) brings it up normal, active and in front.
TEST_F(ResizableDialogTest, ModalDialogComesUpMaximizedOrNormalInFront) {
  CWinApp* app = ProfileApp();
  const char* section = "WidgetDeckTests\\ResizableMaximized";
  for (int savedCmd : {SW_SHOWMAXIMIZED, SW_HIDE, SW_SHOWMINIMIZED, SW_SHOWNOACTIVATE, SW_SHOWNA}) {
    SCOPED_TRACE(savedCmd);
    const int expected = savedCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    CString text;
    text.Format("50,60,450,360,%d,0", savedCmd);
    app->WriteProfileString(section, "WindowPlacement", text);
    TestDialog modal;
    modal.onInit = [&](TestDialog& d) { d.EnableSaveRestore(section, FALSE); };
    script.Dialog(IDD_WD_RESIZABLE_TEST, [&](HWND h) {
      EXPECT_TRUE(::IsWindowVisible(h) && !::IsIconic(h));
      EXPECT_EQ(expected == SW_SHOWMAXIMIZED, !!::IsZoomed(h));
      EXPECT_EQ(h, ::GetActiveWindow());
      EXPECT_EQ(h, ::GetForegroundWindow());
      ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
    });
    modal.DoModal();
    int left = 0, top = 0, right = 0, bottom = 0, showCmd = 0, flags = 0;
    const CString saved = app->GetProfileString(section, "WindowPlacement");
    ASSERT_EQ(std::sscanf(saved, "%d,%d,%d,%d,%d,%d", &left, &top, &right, &bottom, &showCmd, &flags), 6) << saved;
    EXPECT_EQ(CRect(left, top, right, bottom), CRect(50, 60, 450, 360));
    EXPECT_EQ(showCmd, expected);
  }
  app->WriteProfileString(section, nullptr, nullptr);
}
