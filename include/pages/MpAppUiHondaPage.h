// The optimisation limits page: how long and how far a multi-spindle optimisation may run, and the goals it pursues.
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiHondaPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiHondaPage)

 public:
  MpAppUiHondaPage();
  ~MpAppUiHondaPage() override;

 protected:
  DECLARE_MESSAGE_MAP()
};
