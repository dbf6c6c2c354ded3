// The options sheet: the exchange adapter's settings on two pages (general, data management).
// Used as the settings sheet is; it shares the settings sheet's start-page memory.
#pragma once
#include "pages/MpAppUiExchangeAdpaterJQINPage.h"
#include "pages/MpAppUiExchangeAdpaterPage.h"
#include "MpAppUiSettingsDlg.h"
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiOptionsDlg : public MpAppUiSettingsDlg {
 public:
  explicit MpAppUiOptionsDlg(CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
  ~MpAppUiOptionsDlg() override;

  // Adds the two exchange-adapter pages; the customization is not used.
  void addPages(IMpDataCustomization2* customization) override;

 protected:
  MpAppUiExchangeAdpaterPage m_exchangePage;
  MpAppUiExchangeAdpaterJQINPage m_jqinPage;
};
