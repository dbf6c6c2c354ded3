// Objects against the lifetimes of their handles: handlers that destroy their window or
// throw, temporary objects, the creation hook, subclass chains.
#include "wdtest.h"
#include "resource.h"
#include <afxcmn.h>
#include <afxdlgs.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <thread>

using namespace AfxScript;

namespace {

// Deletes itself once its window is gone. Its memory is poisoned, not given back, so that a
// write after the delete shows.
class SelfDeletingWnd : public CWnd {
public:
  static void* operator new(size_t n) { return std::malloc(n); }
  static void operator delete(void* p, size_t n) {
    std::memset(p, 0xDD, n);
    s_block = static_cast<unsigned char*>(p);
    s_size = n;
  }
  static unsigned char* s_block;
  static size_t s_size;
  afx_msg void OnClose() { DestroyWindow(); }  // from inside a command handler
  void PostNcDestroy() override { delete this; }
  DECLARE_MESSAGE_MAP()
};
unsigned char* SelfDeletingWnd::s_block = nullptr;
size_t SelfDeletingWnd::s_size = 0;
BEGIN_MESSAGE_MAP(SelfDeletingWnd, CWnd)
  ON_COMMAND(IDCANCEL, OnClose)
END_MESSAGE_MAP()

class ThrowingDlg : public CDialog {
public:
  ThrowingDlg() : CDialog(IDD_WD_SAMPLE, CWnd::FromHandle(wdtest::HostWindow())) {}
  void OnOK() override { throw std::runtime_error("refused"); }
};

// A page template whose window class does not exist: the page is never created.
#pragma pack(push, 2)
struct BadClassTemplate {
  DLGTEMPLATE t;
  WORD menu;
  WCHAR cls[12];
  WORD title;
};
#pragma pack(pop)
alignas(4) const BadClassTemplate kBadClassPage = {{WS_CHILD, 0, 0, 0, 0, 100, 50}, 0, L"NoSuchClass", 0};

HWND Popup(const char* cls = "STATIC", HWND owner = nullptr) {
  return ::CreateWindowExA(0, cls, "", WS_POPUP, 0, 0, 20, 20, owner, nullptr, nullptr, nullptr);
}

}  // namespace

TEST(Lifetime, WindowObjectsAndTheirWindows) {
  // A handler destroys the window and the object deletes itself: nothing writes to it after.
  auto* self = new SelfDeletingWnd;
  ASSERT_TRUE(self->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr));
  HWND h = self->m_hWnd;
  ::SendMessageA(h, WM_COMMAND, IDCANCEL, 0);
  EXPECT_FALSE(::IsWindow(h));
  ASSERT_NE(SelfDeletingWnd::s_block, nullptr);
  for (size_t i = 0; i < SelfDeletingWnd::s_size; ++i)
    ASSERT_EQ(SelfDeletingWnd::s_block[i], 0xDD) << "byte " << i << " written after delete";
  std::free(SelfDeletingWnd::s_block);

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
  TTTOOLINFOA ti{};
  ti.cbSize = sizeof(ti);
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = host;
  ti.uId = reinterpret_cast<UINT_PTR>(edit);
  ti.lpszText = const_cast<LPSTR>("tip");
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
  EXPECT_EQ(CWnd::FromHandle(h), temp);
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
  EXPECT_EQ(CDC::FromHandle(dc->m_hDC), dc);
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
