// The STEP import page: how STEP models are converted, healed and simplified.
#include "MpAppUiStepPage.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// In the order in which the page fills its controls.
const Key kStepKeys[] = {
    Key::checkBox("clean_body", IDC_STEP_CLEAN_BODY),
    Key::checkBox("convert_parts_assembly", IDC_STEP_CONVERT_PARTS_ASSEMBLY, Key::DrivesRules),
    Key::checkBox("convert_splines", IDC_STEP_CONVERT_SPLINES),
    Key::checkBox("debug", IDC_STEP_DEBUG),
    Key::checkBox("intersect_analytical_surfaces", IDC_STEP_INTERSECT_ANALYTICAL),
    Key::checkBox("intersect_curves", IDC_STEP_INTERSECT_CURVES),
    Key::checkBox("intersect_spline_curves", IDC_STEP_INTERSECT_SPLINE_CURVES),
    Key::checkBox("loops", IDC_STEP_LOOPS),
    Key::checkBox("raw_conversion", IDC_STEP_RAW_CONVERSION, Key::DrivesRules),
    Key::checkBox("reverse_body", IDC_STEP_REVERSE_BODY),
    Key::checkBox("trim_body", IDC_STEP_TRIM_BODY),
    Key::checkBox("convert_face_colours", IDC_STEP_CONVERT_FACE_COLOURS),
    Key::checkBox("convert_edge_colours", IDC_STEP_CONVERT_EDGE_COLOURS),
    Key::checkBox("convert_body_colours", IDC_STEP_CONVERT_BODY_COLOURS),
    Key::radioButton("ignore_curves", IDC_STEP_IGNORE_CURVES, 1),
    Key::radioButton("merge_curves", IDC_STEP_MERGE_CURVES, 1),
    Key::radioButton("isolate_curves", IDC_STEP_ISOLATE_CURVES, 1),
    Key::checkBox("tolerant_geometry", IDC_STEP_TOLERANT_GEOMETRY),
    Key::checkBox("simplify_healing", IDC_STEP_SIMPLIFY_HEALING, Key::DrivesRules),
    Key::comboBox("acis_version", IDC_ACIS_VERSION),
    Key::radioButton("parts_only", IDC_STEP_PARTS_ONLY, 2),
    Key::radioButton("convert_component", IDC_STEP_CONVERT_COMPONENT, 2),
    // A component number left empty is refused when the field is left, but lets the user
    // leave the page.
    Key::editField("convert_comnponent_nr", IDC_STEP_COMPONENT_NUMBER, MpAppUiNumberTest::PositiveCount,
                   Key::EmptyTested | Key::TestedOnLeave),
    Key::editField("simplification_tolerance", IDC_STEP_SIMPLIFICATION_TOLERANCE, MpAppUiNumberTest::Positive,
                   Key::TestedOnLeave),
};

// The repairs that a raw conversion leaves out.
const int kRawConversionTargets[] = {
    IDC_STEP_CONVERT_SPLINES, IDC_STEP_INTERSECT_ANALYTICAL, IDC_STEP_INTERSECT_SPLINE_CURVES,
    IDC_STEP_INTERSECT_CURVES, IDC_STEP_CLEAN_BODY,          IDC_STEP_LOOPS,
    IDC_STEP_REVERSE_BODY,     IDC_STEP_TRIM_BODY,
};

const int kAssemblyTargets[] = {IDC_STEP_PARTS_ONLY, IDC_STEP_CONVERT_COMPONENT, IDC_STEP_COMPONENT_NUMBER};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiStepPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiStepPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_STEP_CLEAN_BODY, IDC_STEP_SIMPLIFY_HEALING, OnKeyClicked)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ACIS_VERSION, IDC_ACIS_VERSION, OnKeySelChange)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_STEP_SIMPLIFICATION_TOLERANCE, IDC_STEP_COMPONENT_NUMBER, OnKeyKillFocus)
END_MESSAGE_MAP()

MpAppUiStepPage::MpAppUiStepPage()
    : MpAppUiSettingsPage(IDD_STEP_PAGE, kStepKeys, sizeof(kStepKeys) / sizeof(kStepKeys[0]),
                          &IMpPmUtSettingsBase::getStepSettings, &IMpPmUtSettingsBase::resetStepSettings,
                          IDS_SETTINGS_NOT_POSITIVE, true, __LINE__) {}

MpAppUiStepPage::~MpAppUiStepPage() {}

void MpAppUiStepPage::applyEnableRules() {
  const bool bRaw = isChecked(IDC_STEP_RAW_CONVERSION);
  for (int id : kRawConversionTargets) enableControl(id, !bRaw);
  const bool bAssembly = isChecked(IDC_STEP_CONVERT_PARTS_ASSEMBLY);
  for (int id : kAssemblyTargets) enableControl(id, bAssembly);
  enableControl(IDC_STEP_SIMPLIFICATION_TOLERANCE, isChecked(IDC_STEP_SIMPLIFY_HEALING));
}
