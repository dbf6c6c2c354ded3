// The CATIA and Pro/E import page: its keys, the CATIA healing rule and the two tolerances.
#include "MpAppUiCatiaQyPage.h"
#include "MpAppUiQyPage.h"
#include "settings_fixture.h"

using namespace AfxScript;
using namespace settingstest;

namespace {

const MpHostSettingsGroup kCatia = MpHostSettingsGroup::CatiaQy;

const BoxKey kBoxes[] = {
    {"catia_attrib", IDC_CATIA_ATTRIB},
    {"catia_no_show", IDC_CATIA_NO_SHOW},
    {"catia_no_pick", IDC_CATIA_NO_PICK},
    {"catia_only_root", IDC_CATIA_ONLY_ROOT},
    {"catia_only_master", IDC_CATIA_ONLY_MASTER},
    {"catia_analytic_surface", IDC_CATIA_ANALYTIC_SURFACE},
    {"catia_free_point", IDC_CATIA_FREE_POINT},
    {"catia_wire_bodies", IDC_CATIA_WIRE_BODIES},
    {"catia_sheet_bodies", IDC_CATIA_SHEET_BODIES},
    {"catia_solid_bodies", IDC_CATIA_SOLID_BODIES},
    {"catia_extra_root", IDC_CATIA_EXTRA_ROOT},
    {"catia_healing", IDC_CATIA_HEALING},
    {"catia_free_surface", IDC_CATIA_FREE_SURFACE},
    {"catia_space_dito_bodies", IDC_CATIA_SPACE_DITO_BODIES},
    {"catia_spline_resurfacing", IDC_CATIA_SPLINE_RESURFACING},
    {"proe_resurfingspline", IDC_PROE_RESURF_SPLINE},
    {"proe_freesurface", IDC_PROE_FREE_SURFACE},
    {"proe_healing", IDC_PROE_HEALING},
    {"proe_attrib", IDC_PROE_ATTRIB},
};

typedef SettingsTest CatiaQyPageTest;

TEST_F(CatiaQyPageTest, FillsAndWritesEveryKey) {
  IMpOptions* group = Group(kCatia);
  group->setString("catia_attrib", "ON");
  group->setString("simplification_proe_tolerance", "0.2");
  group->setString("catia_acis_version", "9.9");  // not in the list
  group->setString("proe_acis_version", "r10");
  MpAppUiCatiaQyPage page;
  TestSheet sheet({&page});
  script.Sheet(kSheetCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    ExpectBoxesShow(p, kCatia, kBoxes);
    EXPECT_EQ("0.01", Text(p, IDC_CATIA_TOLERANCE));
    EXPECT_EQ("0.2", Text(p, IDC_PROE_TOLERANCE));
    EXPECT_EQ("", Chosen(p, IDC_CATIA_ACIS_VERSION)) << "no entry matches: the selection stays";
    EXPECT_EQ("R10", Chosen(p, IDC_PROE_ACIS_VERSION));

    TypeAndLeave(p, IDC_CATIA_TOLERANCE, "0.3");
    TypeAndLeave(p, IDC_PROE_TOLERANCE, "4 mm");
    EXPECT_EQ("0.3", Value(kCatia, "simplification_catia_tolerance"));
    EXPECT_EQ("4 mm", Value(kCatia, "simplification_proe_tolerance"));
    ASSERT_TRUE(ChooseComboText(p, IDC_CATIA_ACIS_VERSION, "6.0"));
    ASSERT_TRUE(ChooseComboText(p, IDC_PROE_ACIS_VERSION, "5.0"));
    EXPECT_EQ("6.0", Value(kCatia, "catia_acis_version"));
    EXPECT_EQ("5.0", Value(kCatia, "proe_acis_version"));
    ExpectClicksWrite(p, kCatia, kBoxes);
    SheetOK(h);
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

TEST_F(CatiaQyPageTest, HealingRuleRunsOnClickAndDefaultButNotWhenShown) {
  IMpOptions* group = Group(kCatia);
  group->setString("catia_healing", "off");
  group->setString("simplification_catia_tolerance", "0");
  MpAppUiCatiaQyPage page;
  MpAppUiQyPage other;
  TestSheet sheet({&page, &other});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        EXPECT_FALSE(Checked(p, IDC_CATIA_HEALING));
        EXPECT_TRUE(Enabled(p, IDC_CATIA_TOLERANCE)) << "the template's state until the rule first runs";
        Click(p, IDC_CATIA_HEALING);
        EXPECT_EQ("on", Value(kCatia, "catia_healing"));
        EXPECT_TRUE(Enabled(p, IDC_CATIA_TOLERANCE));
        Click(p, IDC_CATIA_HEALING);
        EXPECT_EQ("off", Value(kCatia, "catia_healing"));
        EXPECT_FALSE(Enabled(p, IDC_CATIA_TOLERANCE));

        // The Pro/E box runs the CATIA rule: the field follows the CATIA box.
        SetCheckQuietly(p, IDC_CATIA_HEALING, true);
        EXPECT_FALSE(Enabled(p, IDC_CATIA_TOLERANCE));
        Click(p, IDC_PROE_HEALING);
        EXPECT_EQ(Checked(p, IDC_PROE_HEALING) ? "on" : "off", Value(kCatia, "proe_healing"));
        EXPECT_TRUE(Enabled(p, IDC_CATIA_TOLERANCE));
        EXPECT_TRUE(Enabled(p, IDC_PROE_TOLERANCE)) << "no rule governs the Pro/E tolerance";
        SetCheckQuietly(p, IDC_CATIA_HEALING, false);
        Click(p, IDC_PROE_HEALING);
        EXPECT_FALSE(Enabled(p, IDC_CATIA_TOLERANCE));

        // Disabled, its non-positive text lets the user go.
        SheetSelectPage(h, 1);
        EXPECT_EQ(1, sheet.GetActiveIndex());
        EXPECT_TRUE(Logs().empty());
      })
      .Sheet(kSheetCaption, [&](HWND h) { SheetSelectPage(h, 0); })
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        // Enabled, the same text keeps the user here.
        SetCheckQuietly(p, IDC_CATIA_HEALING, true);
        Click(p, IDC_PROE_HEALING);
        ASSERT_TRUE(Enabled(p, IDC_CATIA_TOLERANCE));
        SheetSelectPage(h, 1);
        EXPECT_EQ(0, sheet.GetActiveIndex());
        ExpectOneRefusal("MpAppUiCatiaQyPage", "page check");
        EXPECT_TRUE(FocusedAndSelected(p, IDC_CATIA_TOLERANCE));
        ClearLogs();

        Type(p, IDC_CATIA_TOLERANCE, "0.5");
        SetCheckQuietly(p, IDC_CATIA_HEALING, false);
        Click(p, IDC_PROE_HEALING);
        EXPECT_EQ("0.5", Value(kCatia, "simplification_catia_tolerance"));
        ASSERT_FALSE(Enabled(p, IDC_CATIA_TOLERANCE));
        // Default without settings service: nothing is reset; a key the group lacks leaves its
        // box alone, and the rule follows the box.
        group->setString("catia_healing", "");
        SetCheckQuietly(p, IDC_CATIA_HEALING, true);
        ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpPmUtSettings));
        page.restoreDefaults();
        EXPECT_TRUE(Checked(p, IDC_CATIA_HEALING));
        EXPECT_TRUE(Enabled(p, IDC_CATIA_TOLERANCE));
        EXPECT_EQ("0.5", Text(p, IDC_CATIA_TOLERANCE));
        // With the service the group is reset in place and shown.
        ASSERT_TRUE(MpHostRegisterClass(CLSID_MpPmUtSettings));
        page.restoreDefaults();
        EXPECT_EQ(group, page.settings());
        EXPECT_EQ(Default(kCatia, "catia_healing"), Value(kCatia, "catia_healing"));
        EXPECT_EQ(Default(kCatia, "catia_healing") == "on", Enabled(p, IDC_CATIA_TOLERANCE));
        EXPECT_EQ(Default(kCatia, "simplification_catia_tolerance"), Text(p, IDC_CATIA_TOLERANCE));
        EXPECT_TRUE(Logs().empty());
        SheetCancel(h);
      });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
}

TEST_F(CatiaQyPageTest, TwoRefusedFieldsDoNotPassTheFocusBackAndForth) {
  Group(kCatia)->setString("simplification_proe_tolerance", "0");
  MpAppUiCatiaQyPage page;
  TestSheet sheet({&page});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        Type(p, IDC_CATIA_TOLERANCE, "abc");
        Focus(p, IDC_PROE_TOLERANCE);  // both texts are bad
        ExpectOneRefusal("MpAppUiCatiaQyPage", "CATIA field left for the Pro/E field");
        EXPECT_TRUE(FocusedAndSelected(p, IDC_CATIA_TOLERANCE));

        ClearLogs();
        Type(p, IDC_CATIA_TOLERANCE, "1");  // no longer bad: the Pro/E field now refuses
        Focus(p, IDC_PROE_TOLERANCE);
        Type(p, IDC_CATIA_TOLERANCE, "-1");
        ExpectOneRefusal("MpAppUiCatiaQyPage", "Pro/E field left for the CATIA field");
        EXPECT_TRUE(FocusedAndSelected(p, IDC_PROE_TOLERANCE));
        EXPECT_EQ("1", Value(kCatia, "simplification_catia_tolerance"));
        EXPECT_EQ("0", Value(kCatia, "simplification_proe_tolerance")) << "as the group had it";

        // Enter on the bad Pro/E field while the CATIA one is bad too: the focused field is
        // refused as if left, then the page check stops at the CATIA field, which comes first;
        // one line each, and the focus moves once.
        ClearLogs();
        PressEnter();
      })
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        ExpectRefusals("MpAppUiCatiaQyPage", "Enter with both fields bad", 2);
        EXPECT_TRUE(FocusedAndSelected(p, IDC_CATIA_TOLERANCE));
        EXPECT_EQ("1", Value(kCatia, "simplification_catia_tolerance"));
        EXPECT_EQ("0", Value(kCatia, "simplification_proe_tolerance"));
        SheetCancel(h);
      });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
}

TEST_F(CatiaQyPageTest, ARefusedProETextKeepsTheUserOnThePage) {
  Group(kCatia)->setString("simplification_proe_tolerance", "-5");
  MpAppUiCatiaQyPage page;
  TestSheet sheet({&page});
  script
      .Sheet(kSheetCaption, [&](HWND h) { SheetOK(h); })
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        ExpectOneRefusal("MpAppUiCatiaQyPage", "OK over a bad Pro/E tolerance");
        EXPECT_TRUE(FocusedAndSelected(p, IDC_PROE_TOLERANCE));
        TypeAndLeave(p, IDC_PROE_TOLERANCE, "0.05");
        SheetOK(h);
      });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_EQ("0.05", Value(kCatia, "simplification_proe_tolerance"));
}

}  // namespace
