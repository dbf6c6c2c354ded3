// The Moravel (Qy) import page: what is taken over from Moravel models and how they are healed.
#include "MpAppUiQyPage.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// In the order in which the page fills its controls.
const Key kQyKeys[] = {
    Key::checkBox("qy_attrib", IDC_QY_ATTRIB),
    Key::checkBox("qy_convert_blank", IDC_QY_CONVERT_BLANK),
    Key::checkBox("qy_convert_visible_layers", IDC_QY_CONVERT_VISIBLE_LAYERS),
    Key::checkBox("qy_healing", IDC_QY_HEALING, Key::DrivesRules),
    Key::checkBox("qy_convert_freepoint_bodies", IDC_QY_CONVERT_FREEPOINT_BODIES),
    Key::checkBox("qy_convert_freecurve_bodies", IDC_QY_CONVERT_FREECURVE_BODIES),
    Key::checkBox("qy_convert_resurface_spline", IDC_QY_CONVERT_RESURFACE_SPLINE),
    Key::editField("simplification_qy_tolerance", IDC_QY_TOLERANCE, MpAppUiNumberTest::Positive,
                   Key::TestedOnLeave),
    Key::comboBox("qy_acis_version", IDC_QY_ACIS_VERSION),
};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiQyPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiQyPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_QY_ATTRIB, IDC_QY_CONVERT_RESURFACE_SPLINE, OnKeyClicked)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_QY_ACIS_VERSION, IDC_QY_ACIS_VERSION, OnKeySelChange)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_QY_TOLERANCE, IDC_QY_TOLERANCE, OnKeyKillFocus)
END_MESSAGE_MAP()

// Showing the page applies no rule: the tolerance field starts as the template has it.
MpAppUiQyPage::MpAppUiQyPage()
    : MpAppUiSettingsPage(IDD_QY_PAGE, kQyKeys, sizeof(kQyKeys) / sizeof(kQyKeys[0]),
                          &IMpPmUtSettingsBase::getQySettings, &IMpPmUtSettingsBase::resetQySettings,
                          IDS_SETTINGS_NOT_POSITIVE, false, __LINE__) {}

MpAppUiQyPage::~MpAppUiQyPage() {}

BOOL MpAppUiQyPage::OnInitDialog() {
  MpAppUiSettingsPage::OnInitDialog();
  EnableToolTips(TRUE);
  return TRUE;
}

void MpAppUiQyPage::applyEnableRules() { enableControl(IDC_QY_TOLERANCE, isChecked(IDC_QY_HEALING)); }
