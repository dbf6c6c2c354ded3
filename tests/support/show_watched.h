// A dialog with what a person would notice of its coming up: whether it had marked itself visible
// when its initialisation ended (showing it then neither maps nor paints nor activates it), and
// how often it was told it is being shown.
#pragma once
#include <afxwin.h>

namespace wdtest {

template <class Dialog>
class ShowWatched : public Dialog {
 public:
  using Dialog::Dialog;
  bool visibleAfterInit = true;
  int shown = 0;

 protected:
  BOOL OnInitDialog() override {
    const BOOL result = Dialog::OnInitDialog();
    visibleAfterInit = (this->GetStyle() & WS_VISIBLE) != 0;
    return result;
  }
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
    if (message == WM_SHOWWINDOW && wParam) ++shown;
    return Dialog::OnWndMsg(message, wParam, lParam, pResult);
  }
};

}  // namespace wdtest
