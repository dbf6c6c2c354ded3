// The operation page: the options of operation planning, with its counts and tool factor.
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiOperationPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiOperationPage)

 public:
  MpAppUiOperationPage();
  ~MpAppUiOperationPage() override;

 protected:
  void onRefusal() override;

  DECLARE_MESSAGE_MAP()
};
