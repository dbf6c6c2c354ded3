// The general exchange-adapter page: the adapter's switch and two texts, among them the setup template.
#pragma once
#include "MpAppUiPropertyPage.h"

class MpAppUiExchangeAdpaterPage : public MpAppUiSettingsPage {
  DECLARE_DYNCREATE(MpAppUiExchangeAdpaterPage)

 public:
  MpAppUiExchangeAdpaterPage();
  ~MpAppUiExchangeAdpaterPage() override;

 protected:


  DECLARE_MESSAGE_MAP()
};
