// The general exchange-adapter page: the adapter's switch and two texts, among them the setup
// template. Its texts are written as typed, unchecked.
#include "MpAppUiExchangeAdpaterPage.h"
#include "MpLogging.h"
#include "MpUiResourceString.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

const Key kExchangeKeys[] = {
    Key::checkBox("ZRV_UPDATE_CUST", IDC_ZRV_UPDATE_CUST),
    Key::textField("ZRV_MAX_CONDITION_PROPS", IDC_ZRV_MAX_CONDITION_PROPS),
    Key::textField("ZRV_SETUP_TEMPLATE", IDC_ZRV_SETUP_TEMPLATE),
};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiExchangeAdpaterPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiExchangeAdpaterPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_ZRV_UPDATE_CUST, IDC_ZRV_UPDATE_CUST, OnKeyClicked)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_ZRV_MAX_CONDITION_PROPS, IDC_ZRV_SETUP_TEMPLATE, OnKeyKillFocus)
END_MESSAGE_MAP()

// Without the settings service the page holds no group and commits nothing: a bag of its own
// would be lost with the page, and its commit would report settings saved that never were.
MpAppUiExchangeAdpaterPage::MpAppUiExchangeAdpaterPage()
    : MpAppUiSettingsPage(IDD_EXCHANGE_PAGE, kExchangeKeys, sizeof(kExchangeKeys) / sizeof(kExchangeKeys[0]),
                          &IMpPmUtSettingsBase::getExchangeAdapterSettings,
                          &IMpPmUtSettingsBase::resetExchangeAdapterSettings, IDS_SETTINGS_NOT_POSITIVE, false) {}

MpAppUiExchangeAdpaterPage::~MpAppUiExchangeAdpaterPage() {}
