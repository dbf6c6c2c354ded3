// A read-only view of an APT program listing: coloured APT words, the line of a simulation
// step selected on request, and "SIMULATION_GOTO" sent to the parent's parent on a double-click.
#pragma once

#include <string>

#include "MpAppUiEditCntrl.h"

class WIDGETDECK_API MpSimAptEditWnd : public MpAppUiEditCntrl {
public:
  MpSimAptEditWnd();
  ~MpSimAptEditWnd() override;
  bool CreateEx(DWORD exStyle, CWnd* parent, UINT id);
  bool SelectLines(std::string text);

protected:
  afx_msg int OnCreate(LPCREATESTRUCT cs);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  DECLARE_MESSAGE_MAP()
};
