// DeckHost's "splitter" command: a splitter frame with several views per pane, and the snake.
#include "SplitterCommand.h"
#include <afxwin.h>
#include <cstdio>
#include "CSnakeCtrl.h"
#include "MpAppUiSplitterWnd.h"
#include "ScriptedRun.h"

namespace {

// A view that writes its name in its middle.
class NamedView : public CView {
  DECLARE_DYNCREATE(NamedView)
 public:
  void OnDraw(CDC* pDC) override {
    CRect rc;
    GetClientRect(&rc);
    CString name;
    GetWindowText(name);
    pDC->DrawText(name, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
};
IMPLEMENT_DYNCREATE(NamedView, CView)

// The frame: the splitter over its client area, the snake in the right-hand pane, stepped by a
// timer while a person watches.
class SplitterFrame : public CFrameWnd {
 public:
  MpAppUiSplitterWnd splitter;
  CSnakeCtrl snake;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_TIMER && wParam == 1) {
      snake.StepIt();
      return 0;
    }
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return CFrameWnd::WindowProc(message, wParam, lParam);
  }
};

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void PrintPanes(MpAppUiSplitterWnd& s) {
  for (int col = 0; col < 2; ++col) {
    int id = 0;
    CWnd* view = s.getCurrentView(0, col, id);
    CRect rc;
    view->GetWindowRect(&rc);
    s.ScreenToClient(&rc);
    CString name;
    view->GetWindowText(name);
    std::printf("  column %d: view %d \"%s\" %s at %ld,%ld-%ld,%ld\n", col, id, (const char*)name,
                view->IsWindowVisible() ? "shown" : "hidden", rc.left, rc.top, rc.right, rc.bottom);
  }
}

}  // namespace

extern "C" int RunSplitterCommand(bool scripted) {
  auto* frame = new SplitterFrame;  // deletes itself with its window
  if (!frame->Create(nullptr, "DeckHost splitter", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(100, 100, 600, 400)))
    return 2;
  HWND hFrame = frame->m_hWnd;
  MpAppUiSplitterWnd& s = frame->splitter;
  bool ok = s.CreateStatic(frame, 1, 2);
  if (ok) {
    s.SetColumnInfo(0, 200, 0);
    const char* names[] = {"Operations", "Snake", "Features"};
    const int pane[] = {0, 1, 0};
    for (int i = 0; i < 3 && ok; ++i) {
      ok = s.addView(0, pane[i], RUNTIME_CLASS(NamedView), nullptr) == i + 1;
      if (ok) s.getView(i + 1)->SetWindowText(names[i]);
    }
    frame->RecalcLayout();
  }
  ok = ok && frame->snake.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 10, 210, 30), s.getView(2));
  if (!ok) {
    std::printf("splitter: the panes could not be made\n");
    ::DestroyWindow(hFrame);
    return 2;
  }
  deckhost::WindowOpened(hFrame, "splitter frame");
  int result = 0;
  if (scripted) {
    std::printf("two views in the left pane, the second current:\n");
    PrintPanes(s);
    s.showView(1);
    std::printf("view 1 shown again:\n");
    PrintPanes(s);
    s.hideColumn(0);
    std::printf("column 0 hidden: %d column(s) visible\n", s.GetColumnCount());
    s.showColumn(0);
    s.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(203, 50));
    s.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 50));
    s.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(150, 50));
    Pump();
    std::printf("column 0 shown again, its bar dragged to 150:\n");
    PrintPanes(s);
    std::printf("snake (step 2, size 20, maximum 50):\n");
    for (int i = 1; i <= 30; ++i) {
      frame->snake.StepIt();
      if (i % 5 == 0) std::printf("  step %d: head %d tail %d\n", i, frame->snake.GetPos(), frame->snake.GetTail());
    }
    int id = 0;
    CRect rc;
    s.getCurrentView(0, 0, id)->GetWindowRect(&rc);
    result = id == 1 && rc.Width() == 150 && frame->snake.GetPos() == 50 ? 0 : 1;
    ::DestroyWindow(hFrame);
    Pump();
  } else {
    frame->SetTimer(1, 80);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  return result;
}
