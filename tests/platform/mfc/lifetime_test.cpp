// Objects against the lifetimes of their handles: handlers that destroy their window or
// throw, temporary objects, the creation hook, subclass chains.
#include "wdtest.h"
#include "test_ids.h"
#include <afxcmn.h>
#include <afxdlgs.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>

using namespace AfxScript;

namespace {

// Deletes itself once its window is gone, from inside its own command handler. Its memory is
// poisoned, not given back, so that a write after the delete shows.
class SelfDeletingWnd : public CWnd {
public:
  static void* operator new(size_t n) { return std::malloc(n); }
  static void operator delete(void* p, size_t n) { s_block = {static_cast<char*>(std::memset(p, 0xDD, n)), n}; }
  static std::pair<char*, size_t> s_block;
  afx_msg void OnClose() { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }
  DECLARE_MESSAGE_MAP()
};
std::pair<char*, size_t> SelfDeletingWnd::s_block;
BEGIN_MESSAGE_MAP(SelfDeletingWnd, CWnd)
  ON_COMMAND(IDCANCEL, OnClose)
END_MESSAGE_MAP()

class ThrowingDlg : public CDialog {
public:
  ThrowingDlg() : CDialog(IDD_WD_SAMPLE, CWnd::FromHandle(wdtest::HostWindow())) {}
  void OnOK() override { throw std::runtime_error("refused"); }
};

// A page template (style WS_CHILD, 100x50) whose window class does not exist.
alignas(4) const WORD kBadClassPage[] = {0, 0x4000, 0, 0, 0, 0, 0, 100, 50, 0, 'N', 'o', 'n', 'e', 0, 0};

HWND Popup() {
  return ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

TEST(Lifetime, WindowObjectsAndTheirWindows) {
  // A handler destroys the window and the object deletes itself: nothing writes to it after.
  auto* self = new SelfDeletingWnd;
  ASSERT_TRUE(self->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
  HWND h = self->m_hWnd;
  ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(::IsWindow(h));
  auto block = SelfDeletingWnd::s_block;
  ASSERT_NE(block.first, nullptr);
  EXPECT_EQ(std::string(block.first, block.second).find_first_not_of('\xDD'), std::string::npos)
      << "written after delete";
  std::free(block.first);

  // The tooltip goes with its window, so a window made again gets a tooltip of its own.
  CWnd w;
  ASSERT_TRUE(w.CreateEx(0, AfxRegisterWndClass(0), "tips", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
  ASSERT_TRUE(w.EnableToolTips());
  w.DestroyWindow();
  EXPECT_EQ(w.GetToolTipHandle(), nullptr);
  ASSERT_TRUE(w.CreateEx(0, AfxRegisterWndClass(0), "tips", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
  ASSERT_TRUE(w.EnableToolTips());
  EXPECT_TRUE(::IsWindow(w.GetToolTipHandle()));

  // An owned pop-up goes with its object; a child stays with its parent.
  auto* popup = new CWnd;
  ASSERT_TRUE(popup->CreateEx(0, AfxRegisterWndClass(0), "owned", WS_POPUP, 0, 0, 9, 9, w.m_hWnd, nullptr));
  HWND hPopup = popup->m_hWnd;
  auto* child = new CWnd;
  ASSERT_TRUE(child->Create(nullptr, "child", WS_VISIBLE, CRect(0, 0, 9, 9), &w, 1));
  HWND hChild = child->m_hWnd;
  delete popup;
  delete child;
  EXPECT_FALSE(::IsWindow(hPopup));
  EXPECT_TRUE(::IsWindow(hChild));
  EXPECT_EQ(CWnd::FromHandlePermanent(hChild), nullptr);
  // One class name per combination, however often it is asked for.
  EXPECT_EQ(AfxRegisterWndClass(0), AfxRegisterWndClass(0));
}

TEST(Lifetime, SubclassUnderALaterOneIsPassedOnNotCut) {
  HWND host = wdtest::HostWindow();
  HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 80, 20, host, nullptr, nullptr, nullptr);
  auto* obj = new CWnd;
  ASSERT_TRUE(obj->SubclassWindow(edit));
  HWND tip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, 0, 0, 0, 0, host, nullptr,
                               nullptr, nullptr);
  TTTOOLINFOA ti{sizeof(ti), TTF_IDISHWND | TTF_SUBCLASS, host, reinterpret_cast<UINT_PTR>(edit),
                 {}, nullptr, const_cast<LPSTR>("tip"), 0, nullptr};
  ASSERT_TRUE(::SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti)));
  LONG_PTR tipProc = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);
  ASSERT_NE(tipProc, reinterpret_cast<LONG_PTR>(&AfxWndProc));
  delete obj;
  EXPECT_EQ(::GetWindowLongPtrA(edit, GWLP_WNDPROC), tipProc) << "the later subclass was cut off";
  ::SendMessageA(edit, EM_SETLIMITTEXT, 7, 0);
  EXPECT_EQ(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 7);
  ::DestroyWindow(tip);  // the tooltip takes its subclass back: the edit still works
  ::SendMessageA(edit, EM_SETLIMITTEXT, 9, 0);
  EXPECT_EQ(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 9);
  // A new object takes the window over where the chain still calls us.
  CWnd again;
  ASSERT_TRUE(again.SubclassWindow(edit));
  EXPECT_EQ(::SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 9);
  ::DestroyWindow(edit);
  EXPECT_EQ(again.m_hWnd, nullptr);
}

TEST(Lifetime, TemporariesLiveAsLongAsTheirHandleAndBelongToTheirThread) {
  HWND h = Popup();
  CWnd* temp = CWnd::FromHandle(h);
  EXPECT_EQ(temp->m_hWnd, h);
  EXPECT_EQ(CWnd::FromHandlePermanent(h), nullptr);
  ::DestroyWindow(h);
  std::thread([] { AfxDeleteTempMap(); }).join();  // another thread's idle time
  auto blocker = std::make_unique<CWnd>();          // takes a block freed too early
  EXPECT_EQ(CWnd::FromHandle(h), temp);
  AfxDeleteTempMap();

  // An image list's temporary stays while the list lives.
  CImageList owner;
  ASSERT_TRUE(owner.Create(16, 16, ILC_COLOR32, 0, 4));
  HIMAGELIST hList = owner.Detach();
  CImageList* tempList = CImageList::FromHandle(hList);
  AfxDeleteTempMap();
  auto listBlocker = std::make_unique<CImageList>();
  EXPECT_EQ(CImageList::FromHandle(hList), tempList);
  EXPECT_EQ(tempList->GetImageCount(), 0);
  ASSERT_TRUE(owner.Attach(hList));
  EXPECT_EQ(CImageList::FromHandle(hList), &owner);

  // GetDC hands out the DC's temporary; it outlives idle time until ReleaseDC.
  CWnd w;
  ASSERT_TRUE(w.CreateEx(0, AfxRegisterWndClass(CS_OWNDC), "dc", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr));
  CDC* dc = w.GetDC();
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(w.GetDC(), dc);  // the window's own DC: one object for its one handle
  AfxDeleteTempMap();
  EXPECT_EQ(CDC::FromHandle(dc->m_hDC), dc);
  EXPECT_EQ(w.ReleaseDC(dc), 1);
  w.DestroyWindow();
}

TEST(Lifetime, CreationHookGoesWhenAPageFailsToBeCreated) {
  ASSERT_NE(wdtest::ResourceModule(), nullptr);
  CPropertyPage good(IDD_WD_SAMPLE_PAGE1), missing;
  missing.m_psp.dwFlags |= PSP_DLGINDIRECT;
  missing.m_lpszTemplateName = reinterpret_cast<LPCSTR>(&kBadClassPage);
  CPropertySheet sheet("Hook");
  sheet.AddPage(&good);
  sheet.AddPage(&missing);
  ASSERT_TRUE(sheet.Create(CWnd::FromHandle(wdtest::HostWindow())));
  sheet.SetActivePage(1);
  EXPECT_EQ(missing.m_hWnd, nullptr);
  HWND other = Popup();
  EXPECT_EQ(CWnd::FromHandlePermanent(other), nullptr) << "attached to a page never created";
  ::DestroyWindow(other);
  sheet.DestroyWindow();
}

using LifetimeScriptedTest = ScriptedTest;

TEST_F(LifetimeScriptedTest, HandlerExceptionsNeverUnwindThroughTheSystem) {
  // Thrown inside our modal loop: the caller of DoModal gets it, the owner enabled again.
  ThrowingDlg dlg;
  script.Dialog(IDD_WD_SAMPLE, [](HWND h) { Click(h, IDOK); });
  EXPECT_THROW(dlg.DoModal(), std::runtime_error);
  EXPECT_TRUE(::IsWindowEnabled(wdtest::HostWindow()));
  EXPECT_EQ(dlg.m_hWnd, nullptr);

  // With no loop of ours running, it is reported and dropped, not kept for a later loop.
  ASSERT_TRUE(dlg.Create(IDD_WD_SAMPLE, CWnd::FromHandle(wdtest::HostWindow())));
  EXPECT_NO_THROW(::SendMessageA(dlg.m_hWnd, WM_COMMAND, IDOK, 0));
  dlg.DestroyWindow();
  script.Dialog(IDD_WD_SAMPLE, [](HWND h) { Click(h, IDCANCEL); });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
}

namespace {
void FirstReporter(LPCSTR) {}
void SecondReporter(LPCSTR) {}
}  // namespace

// A module that goes puts back the reporter it replaced only while its own is still the one set.
TEST(DroppedExceptionReporterTest, ReplacedOnlyWhileTheExpectedOneIsSet) {
  const AfxDroppedExceptionReporter before = AfxSetDroppedExceptionReporter(&FirstReporter);
  EXPECT_FALSE(AfxReplaceDroppedExceptionReporter(&SecondReporter, nullptr));
  EXPECT_TRUE(AfxReplaceDroppedExceptionReporter(&FirstReporter, &SecondReporter));
  EXPECT_EQ(AfxSetDroppedExceptionReporter(before), &SecondReporter);
}
