// The Corvane import page: what is taken over from Corvane models, their unit scale, tolerance
// and ACIS version. No control governs another.
#include "MpAppUiCorvanePage.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// In the order in which the page fills its controls; the group spells the first key so.
const Key kCorvaneKeys[] = {
    Key::checkBox("corvane_attribb", IDC_CORVANE_ATTRIB),
    // Tested when the page is left as well, so that a refused factor is not dropped silently
    // when the sheet closes.
    Key::editField("corvane_unit_scale_factor", IDC_CORVANE_UNIT_SCALE_FACTOR, MpAppUiNumberTest::Positive,
                   Key::TestedOnLeave),
    Key::checkBox("corvane_transfer_layers", IDC_CORVANE_TRANSFER_LAYERS),
    Key::checkBox("corvane_translate_free_points", IDC_CORVANE_TRANSLATE_FREE_POINTS),
    Key::checkBox("corvane_clean_model", IDC_CORVANE_CLEAN_MODEL),
    Key::checkBox("corvane_spline_resurfacing", IDC_CORVANE_SPLINE_RESURFACING),
    Key::checkBox("corvane_healing", IDC_CORVANE_HEALING),
    Key::editField("corvane_simpli_tol", IDC_CORVANE_TOLERANCE, MpAppUiNumberTest::Positive, Key::TestedOnLeave),
    Key::comboBox("acis_version_corvane", IDC_CORVANE_ACIS_VERSION),
};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiCorvanePage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiCorvanePage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_CORVANE_ATTRIB, IDC_CORVANE_HEALING, OnKeyClicked)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_CORVANE_ACIS_VERSION, IDC_CORVANE_ACIS_VERSION, OnKeySelChange)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_CORVANE_UNIT_SCALE_FACTOR, IDC_CORVANE_TOLERANCE, OnKeyKillFocus)
END_MESSAGE_MAP()

MpAppUiCorvanePage::MpAppUiCorvanePage()
    : MpAppUiSettingsPage(IDD_CORVANE_PAGE, kCorvaneKeys, sizeof(kCorvaneKeys) / sizeof(kCorvaneKeys[0]),
                          &IMpPmUtSettingsBase::getCorvaneSettings, &IMpPmUtSettingsBase::resetCorvaneSettings,
                          IDS_SETTINGS_NOT_POSITIVE, false, __LINE__) {}

MpAppUiCorvanePage::~MpAppUiCorvanePage() {}
