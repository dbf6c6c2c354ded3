// The in-place cell editor's life: one deletion, after its window is gone, however it ends.
#include <gtest/gtest.h>
#include <afxwin.h>
#include "CMpUiCInPlaceEdit.h"

namespace {

struct Deletions {
  int count = 0;
  HWND windowAtDeletion = reinterpret_cast<HWND>(-1);  // what the object still held
};

class CountedEditor : public CMpUiCInPlaceEdit {
 public:
  explicit CountedEditor(Deletions& deletions) : CMpUiCInPlaceEdit(0, "12"), m_deletions(deletions) {}
  ~CountedEditor() override {
    ++m_deletions.count;
    m_deletions.windowAtDeletion = m_hWnd;
  }

 private:
  Deletions& m_deletions;
};

// A parent that destroys each child as the child tells it that it was created: the child's
// window dies inside its creation call.
LRESULT CALLBACK KillingParent(HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PARENTNOTIFY && LOWORD(wParam) == WM_CREATE) ::DestroyWindow(reinterpret_cast<HWND>(lParam));
  return ::DefWindowProcA(h, msg, wParam, lParam);
}

HWND MakeParent(const char* className, WNDPROC proc) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  ::RegisterClassA(&wc);
  return ::CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                           wc.hInstance, nullptr);
}

TEST(InPlaceEdit, IsDeletedOnceAfterItsWindowWhenCreationFails) {
  const RECT cell{10, 10, 110, 30};
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;

  // The window comes and goes during the creation call.
  HWND parent = MakeParent("InPlaceEditKillingParent", &KillingParent);
  ASSERT_TRUE(parent);
  Deletions died;
  EXPECT_FALSE((new CountedEditor(died))->Create(style, cell, CWnd::FromHandle(parent), 0));
  EXPECT_EQ(1, died.count);
  EXPECT_EQ(nullptr, died.windowAtDeletion) << "deleted while still attached to its window";
  EXPECT_EQ(nullptr, ::GetWindow(parent, GW_CHILD));

  // No window at all: the parent is gone already.
  ::DestroyWindow(parent);
  Deletions never;
  EXPECT_FALSE((new CountedEditor(never))->Create(style, cell, CWnd::FromHandle(parent), 0));
  EXPECT_EQ(1, never.count) << "left behind";

  // A window that lives: deleted once when it is destroyed, not before.
  parent = MakeParent("InPlaceEditPlainParent", &::DefWindowProcA);
  Deletions lived;
  auto* editor = new CountedEditor(lived);
  ASSERT_TRUE(editor->Create(style, cell, CWnd::FromHandle(parent), 0));
  EXPECT_EQ(0, lived.count);
  ::DestroyWindow(parent);
  EXPECT_EQ(1, lived.count);
  EXPECT_EQ(nullptr, lived.windowAtDeletion);
}

}  // namespace
