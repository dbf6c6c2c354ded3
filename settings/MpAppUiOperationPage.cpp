// The operation page: the options of operation planning, with its counts and tool factor.
#include "MpAppUiOperationPage.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// An empty number is refused like any other text without a positive value, and the page is not
// left while any of the four fails, whether or not it is enabled.
constexpr unsigned kStrict = Key::EmptyTested | Key::TestedOnLeave | Key::StrictOnLeave;

// In the order in which the page fills its controls; the page check follows it too.
const Key kOperationKeys[] = {
    Key::checkBox("-m", IDC_OPER_M),
    Key::checkBox("feature_volumes", IDC_OPER_FEATURE_VOLUMES),
    Key::checkBox("methods_log", IDC_OPER_METHODS_LOG),
    Key::checkBox("-default", IDC_OPER_DEFAULT),
    Key::editField("number_blank_solutions_int", IDC_OPER_BLANK_SOLUTIONS, MpAppUiNumberTest::PositiveCount, kStrict,
                   IDS_OPER_BLANK_SOLUTIONS_REFUSED),
    Key::editField("number_nodes_int", IDC_OPER_NODES, MpAppUiNumberTest::PositiveCount, kStrict,
                   IDS_OPER_NODES_REFUSED),
    Key::editField("number_rule_reuse_int", IDC_OPER_RULE_REUSE, MpAppUiNumberTest::PositiveCount, kStrict,
                   IDS_OPER_RULE_REUSE_REFUSED),
    // A decimal value, stored under its historic key.
    Key::editField("number_tool_factor_int", IDC_OPER_TOOL_FACTOR, MpAppUiNumberTest::Fraction, kStrict,
                   IDS_OPER_TOOL_FACTOR_REFUSED),
    Key::checkBox("cal_toolpath_toolassembly", IDC_OPER_CAL_TOOLPATH),
    Key::checkBox("cal_auxiliraries_machinecenterunit", IDC_OPER_CAL_AUXILIARIES),
    Key::checkBox("cal_time_cuttinginstance", IDC_OPER_CAL_TIME),
    Key::comboBox("methods_debug_level", IDC_OPER_DEBUG_LEVEL),
};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiOperationPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiOperationPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_OPER_M, IDC_OPER_CAL_TIME, OnKeyClicked)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_OPER_DEBUG_LEVEL, IDC_OPER_DEBUG_LEVEL, OnKeySelChange)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_OPER_TOOL_FACTOR, IDC_OPER_RULE_REUSE, OnKeyKillFocus)
END_MESSAGE_MAP()

MpAppUiOperationPage::MpAppUiOperationPage()
    : MpAppUiSettingsPage(IDD_OPERATION_PAGE, kOperationKeys, sizeof(kOperationKeys) / sizeof(kOperationKeys[0]),
                          &IMpPmUtSettingsBase::getOperationSettings, &IMpPmUtSettingsBase::resetOperationSettings,
                          IDS_SETTINGS_NOT_POSITIVE, false, __LINE__) {}

MpAppUiOperationPage::~MpAppUiOperationPage() {}

// Of all settings pages only this one is heard when it refuses.
void MpAppUiOperationPage::onRefusal() { ::Beep(1000, 100); }
