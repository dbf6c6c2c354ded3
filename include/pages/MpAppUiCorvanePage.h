// The Corvane import page: what is taken over from Corvane models, their unit scale, tolerance
// and ACIS version.
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiCorvanePage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiCorvanePage)

 public:
  MpAppUiCorvanePage();
  ~MpAppUiCorvanePage() override;

 protected:
  DECLARE_MESSAGE_MAP()
};
