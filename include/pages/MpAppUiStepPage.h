// The STEP import page: how STEP models are converted, healed and simplified.
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiStepPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiStepPage)

 public:
  MpAppUiStepPage();
  ~MpAppUiStepPage() override;

 protected:
  void applyEnableRules() override;

  DECLARE_MESSAGE_MAP()
};
