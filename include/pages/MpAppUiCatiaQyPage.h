// The CATIA and Pro/E import page: what is taken over from CATIA and Pro/E models, how they are
// healed and which ACIS version each import produces.
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiCatiaQyPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiCatiaQyPage)

 public:
  MpAppUiCatiaQyPage();
  ~MpAppUiCatiaQyPage() override;

 protected:
  void applyEnableRules() override;

  DECLARE_MESSAGE_MAP()
};
