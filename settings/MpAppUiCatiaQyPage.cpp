// The CATIA and Pro/E import page: what is taken over from CATIA and Pro/E models, how they are
// healed and which ACIS version each import produces.
#include "MpAppUiCatiaQyPage.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// In the order in which the page fills its controls.
const Key kCatiaQyKeys[] = {
    Key::checkBox("catia_attrib", IDC_CATIA_ATTRIB),
    Key::checkBox("catia_no_show", IDC_CATIA_NO_SHOW),
    Key::checkBox("catia_no_pick", IDC_CATIA_NO_PICK),
    Key::checkBox("catia_only_root", IDC_CATIA_ONLY_ROOT),
    Key::checkBox("catia_only_master", IDC_CATIA_ONLY_MASTER),
    Key::checkBox("catia_analytic_surface", IDC_CATIA_ANALYTIC_SURFACE),
    Key::checkBox("catia_free_point", IDC_CATIA_FREE_POINT),
    Key::checkBox("catia_wire_bodies", IDC_CATIA_WIRE_BODIES),
    Key::checkBox("catia_sheet_bodies", IDC_CATIA_SHEET_BODIES),
    Key::checkBox("catia_solid_bodies", IDC_CATIA_SOLID_BODIES),
    Key::checkBox("catia_extra_root", IDC_CATIA_EXTRA_ROOT),
    Key::checkBox("catia_healing", IDC_CATIA_HEALING, Key::DrivesRules),
    Key::checkBox("catia_free_surface", IDC_CATIA_FREE_SURFACE),
    Key::checkBox("catia_space_dito_bodies", IDC_CATIA_SPACE_DITO_BODIES),
    Key::checkBox("catia_spline_resurfacing", IDC_CATIA_SPLINE_RESURFACING),
    Key::editField("simplification_catia_tolerance", IDC_CATIA_TOLERANCE, MpAppUiNumberTest::Positive,
                   Key::TestedOnLeave),
    Key::checkBox("proe_resurfingspline", IDC_PROE_RESURF_SPLINE),
    Key::checkBox("proe_freesurface", IDC_PROE_FREE_SURFACE),
    // The Pro/E healing box applies the same rule as the CATIA one.
    Key::checkBox("proe_healing", IDC_PROE_HEALING, Key::DrivesRules),
    // Tested when the page is left as well, so that a refused tolerance is not dropped
    // silently when the sheet closes.
    Key::editField("simplification_proe_tolerance", IDC_PROE_TOLERANCE, MpAppUiNumberTest::Positive,
                   Key::TestedOnLeave),
    Key::checkBox("proe_attrib", IDC_PROE_ATTRIB),
    Key::comboBox("catia_acis_version", IDC_CATIA_ACIS_VERSION),
    Key::comboBox("proe_acis_version", IDC_PROE_ACIS_VERSION),
};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiCatiaQyPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiCatiaQyPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_CATIA_ATTRIB, IDC_PROE_ATTRIB, OnKeyClicked)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_CATIA_ACIS_VERSION, IDC_PROE_ACIS_VERSION, OnKeySelChange)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CATIA_TOLERANCE, IDC_PROE_TOLERANCE, OnKeyKillFocus)
END_MESSAGE_MAP()

// Showing the page applies no rule: the CATIA tolerance field starts as the template has it.
MpAppUiCatiaQyPage::MpAppUiCatiaQyPage()
    : MpAppUiSettingsPage(IDD_CATIA_QY_PAGE, kCatiaQyKeys, sizeof(kCatiaQyKeys) / sizeof(kCatiaQyKeys[0]),
                          &IMpPmUtSettingsBase::getCatiaQySettings, &IMpPmUtSettingsBase::resetCatiaQySettings,
                          IDS_SETTINGS_NOT_POSITIVE, false, __LINE__) {}

MpAppUiCatiaQyPage::~MpAppUiCatiaQyPage() {}

void MpAppUiCatiaQyPage::applyEnableRules() {
  enableControl(IDC_CATIA_TOLERANCE, isChecked(IDC_CATIA_HEALING));
}
