// The optimisation limits page: how long and how far a multi-spindle optimisation may run, and
// the goals it pursues.
#include "MpAppUiHondaPage.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// In the order in which the page fills its controls. The counts are checked as decimal values,
// like the minutes: a fractional count passes.
const Key kHondaKeys[] = {
    Key::editField("honda_max_minutes", IDC_HONDA_MAX_MINUTES, MpAppUiNumberTest::Positive, Key::TestedOnLeave),
    Key::editField("honda_max_number_improvements", IDC_HONDA_MAX_IMPROVEMENTS, MpAppUiNumberTest::Positive,
                   Key::TestedOnLeave),
    Key::editField("honda_max_number_dealoc", IDC_HONDA_MAX_DEALLOC, MpAppUiNumberTest::Positive, Key::TestedOnLeave),
    Key::checkBox("honda_logging", IDC_HONDA_LOGGING),
    Key::checkBox("ms_minimize_diameter", IDC_HONDA_MIN_DIAMETER),
    Key::checkBox("ms_minimize_head", IDC_HONDA_MIN_HEAD),
    Key::checkBox("ms_minimize_strategy", IDC_HONDA_MIN_STRATEGY),
    Key::checkBox("ms_minimize_cost", IDC_HONDA_MIN_COST),
    Key::checkBox("ms_balance_head", IDC_HONDA_BALANCE_HEAD),
};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiHondaPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiHondaPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_HONDA_MIN_DIAMETER, IDC_HONDA_MIN_COST, OnKeyClicked)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_HONDA_MAX_MINUTES, IDC_HONDA_MAX_DEALLOC, OnKeyKillFocus)
END_MESSAGE_MAP()

// Without a group the page can be left, as every other page.
MpAppUiHondaPage::MpAppUiHondaPage()
    : MpAppUiSettingsPage(IDD_HONDA_PAGE, kHondaKeys, sizeof(kHondaKeys) / sizeof(kHondaKeys[0]),
                          &IMpPmUtSettingsBase::getHondaSettings, &IMpPmUtSettingsBase::resetHondaSettings,
                          IDS_SETTINGS_NOT_POSITIVE, false, __LINE__) {}

MpAppUiHondaPage::~MpAppUiHondaPage() {}
