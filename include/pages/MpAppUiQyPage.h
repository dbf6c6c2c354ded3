// The Moravel (Qy) import page: what is taken over from Moravel models and how they are healed.
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiQyPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiQyPage)

 public:
  MpAppUiQyPage();
  ~MpAppUiQyPage() override;

  BOOL OnInitDialog() override;

 protected:
  void applyEnableRules() override;

  DECLARE_MESSAGE_MAP()
};
