// The export page: deviations of the STL, GEO and XGL output, and how Corvane files are written.
#include "MpAppUiExportGraphicalObjectPage.h"
#include "resource.h"

namespace {

typedef MpAppUiPageKey Key;

// Zero passes, a text without a number does not; an empty field is skipped. Every checked field
// is checked again when the page is left, so that a refused value keeps the user on the page.
constexpr unsigned kChecked = Key::TestedOnLeave;

// In the order in which the page fills its controls.
const Key kExportKeys[] = {
    Key::checkBox("spline_surfaces", IDC_EXPORT_SPLINE_SURFACES),
    Key::editField("stl_normal_deviation", IDC_EXPORT_STL_NORMAL, MpAppUiNumberTest::NonNegative, kChecked),
    Key::editField("geo_normal_deviation", IDC_EXPORT_GEO_NORMAL, MpAppUiNumberTest::NonNegative, kChecked),
    Key::editField("xgl_normal_deviation", IDC_EXPORT_XGL_NORMAL, MpAppUiNumberTest::NonNegative, kChecked),
    Key::editField("stl_surface_deviation", IDC_EXPORT_STL_SURFACE, MpAppUiNumberTest::NonNegative, kChecked),
    Key::editField("geo_surface_deviation", IDC_EXPORT_GEO_SURFACE, MpAppUiNumberTest::NonNegative, kChecked),
    Key::editField("xgl_surface_deviation", IDC_EXPORT_XGL_SURFACE, MpAppUiNumberTest::NonNegative, kChecked),
    Key::comboBox("acis_version", IDC_ACIS_VERSION),
    Key::radioButton("radio_text", IDC_EXPORT_RADIO_TEXT, 1),
    Key::radioButton("radio_dependent", IDC_EXPORT_RADIO_DEPENDENT, 1),
    Key::radioButton("radio_independent", IDC_EXPORT_RADIO_INDEPENDENT, 1),
    Key::checkBox("check_map_lumps", IDC_EXPORT_CHECK_MAP_LUMPS),
    Key::comboBox("acis_version_corvane", IDC_CORVANE_ACIS_VERSION),
    Key::editField("corvane_unit_scale_factor", IDC_EXPORT_CORVANE_SCALE, MpAppUiNumberTest::NonNegative, kChecked),
};

}  // namespace

IMPLEMENT_DYNCREATE(MpAppUiExportGraphicalObjectPage, MpAppUiSettingsPage)

BEGIN_MESSAGE_MAP(MpAppUiExportGraphicalObjectPage, MpAppUiSettingsPage)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_EXPORT_SPLINE_SURFACES, IDC_EXPORT_RADIO_INDEPENDENT, OnKeyClicked)
  ON_CONTROL_RANGE(CBN_SELCHANGE, IDC_ACIS_VERSION, IDC_CORVANE_ACIS_VERSION, OnKeySelChange)
  ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_EXPORT_GEO_NORMAL, IDC_EXPORT_CORVANE_SCALE, OnKeyKillFocus)
END_MESSAGE_MAP()

MpAppUiExportGraphicalObjectPage::MpAppUiExportGraphicalObjectPage()
    : MpAppUiSettingsPage(IDD_EXPORT_PAGE, kExportKeys, sizeof(kExportKeys) / sizeof(kExportKeys[0]),
                          &IMpPmUtSettingsBase::getExportSettings, &IMpPmUtSettingsBase::resetExportSettings,
                          IDS_SETTINGS_NOT_POSITIVE, false, __LINE__) {}

MpAppUiExportGraphicalObjectPage::~MpAppUiExportGraphicalObjectPage() {}
