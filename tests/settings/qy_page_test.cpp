// The Moravel (Qy) import page: its keys, its healing rule and its tolerance.
#include "MpAppUiQyPage.h"
#include "MpAppUiStepPage.h"
#include "settings_fixture.h"

using namespace AfxScript;
using namespace settingstest;

namespace {

const MpHostSettingsGroup kQy = MpHostSettingsGroup::Qy;

const BoxKey kBoxes[] = {
    {"qy_attrib", IDC_QY_ATTRIB},
    {"qy_convert_blank", IDC_QY_CONVERT_BLANK},
    {"qy_convert_visible_layers", IDC_QY_CONVERT_VISIBLE_LAYERS},
    {"qy_healing", IDC_QY_HEALING},
    {"qy_convert_freepoint_bodies", IDC_QY_CONVERT_FREEPOINT_BODIES},
    {"qy_convert_freecurve_bodies", IDC_QY_CONVERT_FREECURVE_BODIES},
    {"qy_convert_resurface_spline", IDC_QY_CONVERT_RESURFACE_SPLINE},
};

typedef SettingsTest QyPageTest;

TEST_F(QyPageTest, HealingRuleWaitsForAClickOrDefault) {
  IMpOptions* group = Group(kQy);
  group->setString("qy_healing", "off");
  group->setString("qy_convert_blank", "maybe");
  group->setString("qy_acis_version", "4.0");  // not in the list
  group->setString("simplification_qy_tolerance", "0.5");
  MpAppUiQyPage page;
  TestSheet sheet({&page});
  script.Sheet(kSheetCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    ExpectBoxesShow(p, kQy, kBoxes);
    EXPECT_FALSE(Checked(p, IDC_QY_HEALING));
    EXPECT_TRUE(Enabled(p, IDC_QY_TOLERANCE)) << "the template's state until the box is clicked";
    EXPECT_EQ("0.5", Text(p, IDC_QY_TOLERANCE));
    EXPECT_EQ("", Chosen(p, IDC_QY_ACIS_VERSION));

    ExpectClicksWrite(p, kQy, kBoxes);
    EXPECT_TRUE(Enabled(p, IDC_QY_TOLERANCE)) << "healing clicked on";
    Click(p, IDC_QY_HEALING);
    EXPECT_FALSE(Enabled(p, IDC_QY_TOLERANCE));
    ASSERT_TRUE(ChooseComboText(p, IDC_QY_ACIS_VERSION, "7.0"));
    EXPECT_EQ("7.0", Value(kQy, "qy_acis_version"));

    page.restoreDefaults();
    EXPECT_EQ(group, page.settings());
    ExpectBoxesShow(p, kQy, kBoxes);
    EXPECT_EQ(Default(kQy, "qy_healing") == "on", Enabled(p, IDC_QY_TOLERANCE));
    EXPECT_EQ(Default(kQy, "simplification_qy_tolerance"), Text(p, IDC_QY_TOLERANCE));
    EXPECT_EQ(Default(kQy, "qy_acis_version"), Chosen(p, IDC_QY_ACIS_VERSION));
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

TEST_F(QyPageTest, ToleranceIsCheckedAsItIsLeftAndWhileEnabledWhenThePageIsLeft) {
  MpAppUiQyPage page;
  MpAppUiStepPage other;
  TestSheet sheet({&page, &other});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        for (const char* bad : {"0", "-1e-9", "nan"}) {
          ClearLogs();
          TypeAndLeave(p, IDC_QY_TOLERANCE, bad);
          ExpectOneRefusal("MpAppUiQyPage", bad);
          EXPECT_TRUE(FocusedAndSelected(p, IDC_QY_TOLERANCE)) << bad;
        }
        EXPECT_EQ(Default(kQy, "simplification_qy_tolerance"), Value(kQy, "simplification_qy_tolerance"));
        ClearLogs();
        SheetSelectPage(h, 1);
        EXPECT_EQ(0, sheet.GetActiveIndex()) << "an enabled bad tolerance keeps the user here";
        ExpectOneRefusal("MpAppUiQyPage", "page check");

        // Disabled by the rule, the bad text no longer holds the user.
        ClearLogs();
        Click(p, IDC_QY_HEALING);  // the field is refused once more as the box takes the focus
        ExpectOneRefusal("MpAppUiQyPage", "field left for the box");
        EXPECT_EQ("off", Value(kQy, "qy_healing"));
        ASSERT_FALSE(Enabled(p, IDC_QY_TOLERANCE));
        ClearLogs();
        SheetSelectPage(h, 1);
        EXPECT_EQ(1, sheet.GetActiveIndex());
        EXPECT_TRUE(Logs().empty());
      })
      .Sheet(kSheetCaption, [&](HWND h) { SheetSelectPage(h, 0); })
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        Click(p, IDC_QY_HEALING);
        ASSERT_TRUE(Enabled(p, IDC_QY_TOLERANCE));
        // An empty tolerance is neither tested nor written, and the page can be left.
        TypeAndLeave(p, IDC_QY_TOLERANCE, "");
        EXPECT_EQ(Default(kQy, "simplification_qy_tolerance"), Value(kQy, "simplification_qy_tolerance"));
        ClearLogs();
        SheetOK(h);
      });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

}  // namespace
