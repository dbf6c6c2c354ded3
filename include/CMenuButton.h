// An owner-drawn push button with a small arrow that drops a menu and returns the command chosen.
#pragma once
#include <afxwin.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API CMenuButton : public CButton {
 public:
  CMenuButton();
  ~CMenuButton() override;

  // Pops up the first sub-menu of the menu resource at the button; the command chosen, or 0
  // when the menu is dismissed or the resource has no pop-up.
  DWORD DoSingleClick(UINT nResourceMenu);
  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 protected:
  DECLARE_MESSAGE_MAP()
};
