// The STEP import page: its keys, its three enable rules and its two number checks.
#include "MpAppUiQyPage.h"
#include "MpAppUiStepPage.h"
#include "settings_fixture.h"

using namespace AfxScript;
using namespace settingstest;

namespace {

const MpHostSettingsGroup kStep = MpHostSettingsGroup::Step;

const BoxKey kBoxes[] = {
    {"clean_body", IDC_STEP_CLEAN_BODY},
    {"convert_parts_assembly", IDC_STEP_CONVERT_PARTS_ASSEMBLY},
    {"convert_splines", IDC_STEP_CONVERT_SPLINES},
    {"debug", IDC_STEP_DEBUG},
    {"intersect_analytical_surfaces", IDC_STEP_INTERSECT_ANALYTICAL},
    {"intersect_curves", IDC_STEP_INTERSECT_CURVES},
    {"intersect_spline_curves", IDC_STEP_INTERSECT_SPLINE_CURVES},
    {"loops", IDC_STEP_LOOPS},
    {"raw_conversion", IDC_STEP_RAW_CONVERSION},
    {"reverse_body", IDC_STEP_REVERSE_BODY},
    {"trim_body", IDC_STEP_TRIM_BODY},
    {"convert_face_colours", IDC_STEP_CONVERT_FACE_COLOURS},
    {"convert_edge_colours", IDC_STEP_CONVERT_EDGE_COLOURS},
    {"convert_body_colours", IDC_STEP_CONVERT_BODY_COLOURS},
    {"ignore_curves", IDC_STEP_IGNORE_CURVES},
    {"merge_curves", IDC_STEP_MERGE_CURVES},
    {"isolate_curves", IDC_STEP_ISOLATE_CURVES},
    {"tolerant_geometry", IDC_STEP_TOLERANT_GEOMETRY},
    {"simplify_healing", IDC_STEP_SIMPLIFY_HEALING},
    {"parts_only", IDC_STEP_PARTS_ONLY},
    {"convert_component", IDC_STEP_CONVERT_COMPONENT},
};

const int kRawTargets[] = {IDC_STEP_CONVERT_SPLINES, IDC_STEP_INTERSECT_ANALYTICAL, IDC_STEP_INTERSECT_SPLINE_CURVES,
                           IDC_STEP_INTERSECT_CURVES, IDC_STEP_CLEAN_BODY, IDC_STEP_LOOPS, IDC_STEP_REVERSE_BODY,
                           IDC_STEP_TRIM_BODY};
const int kAssemblyTargets[] = {IDC_STEP_PARTS_ONLY, IDC_STEP_CONVERT_COMPONENT, IDC_STEP_COMPONENT_NUMBER};

// Each control shows the group's value: boxes checked for exactly "on".
void ExpectShowsGroup(HWND page) {
  ExpectBoxesShow(page, kStep, kBoxes);
  EXPECT_EQ(Value(kStep, "convert_comnponent_nr"), Text(page, IDC_STEP_COMPONENT_NUMBER));
  EXPECT_EQ(Value(kStep, "simplification_tolerance"), Text(page, IDC_STEP_SIMPLIFICATION_TOLERANCE));
}

void ExpectRules(HWND page, bool raw, bool assembly, bool healing) {
  for (int id : kRawTargets) EXPECT_EQ(!raw, Enabled(page, id)) << "raw-conversion target " << id;
  for (int id : kAssemblyTargets) EXPECT_EQ(assembly, Enabled(page, id)) << "assembly target " << id;
  EXPECT_EQ(healing, Enabled(page, IDC_STEP_SIMPLIFICATION_TOLERANCE)) << "healing target";
}

typedef SettingsTest StepPageTest;

TEST_F(StepPageTest, FillsFromTheGroupAndAppliesTheRulesWhenShown) {
  IMpOptions* group = Group(kStep);
  group->setString("raw_conversion", "on");
  group->setString("clean_body", "yes");       // anything but "on" clears a box
  group->setString("trim_body", "On");         // case counts
  group->setString("convert_parts_assembly", "off");
  group->setString("simplify_healing", "off");
  group->setString("acis_version", "r10");     // the list's entry is "R10"
  group->setString("convert_comnponent_nr", "0");        // refused numbers, but disabled:
  group->setString("simplification_tolerance", "-1");  // they do not keep the user on the page
  MpAppUiStepPage page;
  TestSheet sheet({&page});
  script.Sheet(kSheetCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    ExpectShowsGroup(p);
    EXPECT_FALSE(Checked(p, IDC_STEP_CLEAN_BODY));
    EXPECT_FALSE(Checked(p, IDC_STEP_TRIM_BODY));
    EXPECT_TRUE(Checked(p, IDC_STEP_MERGE_CURVES));
    EXPECT_EQ("R10", Chosen(p, IDC_ACIS_VERSION)) << "the entry is found whatever its case";
    ExpectRules(p, true, false, false);
    EXPECT_EQ(group, page.settings()) << "the page holds the service's group";
    SheetOK(h);
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

TEST_F(StepPageTest, ClicksWriteOnAndOffAndApplyTheRules) {
  MpAppUiStepPage page;
  TestSheet sheet({&page});
  script.Sheet(kSheetCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    ExpectRules(p, false, false, true);  // the defaults: no raw conversion, no assembly, healing
    // Every plain box writes its new state on each click.
    ExpectClicksWrite(p, kStep, kBoxes);
    ExpectClicksWrite(p, kStep, kBoxes);
    ExpectRules(p, false, false, true);

    Click(p, IDC_STEP_RAW_CONVERSION);
    EXPECT_EQ("on", Value(kStep, "raw_conversion"));
    ExpectRules(p, true, false, true);
    Click(p, IDC_STEP_CONVERT_PARTS_ASSEMBLY);
    EXPECT_EQ("on", Value(kStep, "convert_parts_assembly"));
    ExpectRules(p, true, true, true);
    Click(p, IDC_STEP_SIMPLIFY_HEALING);
    EXPECT_EQ("off", Value(kStep, "simplify_healing"));
    ExpectRules(p, true, true, false);
    Click(p, IDC_STEP_RAW_CONVERSION);
    EXPECT_EQ("off", Value(kStep, "raw_conversion"));
    ExpectRules(p, false, true, false);

    // A radio button writes its whole group without reading the controls.
    Click(p, IDC_STEP_ISOLATE_CURVES);
    EXPECT_EQ("off", Value(kStep, "ignore_curves"));
    EXPECT_EQ("off", Value(kStep, "merge_curves"));
    EXPECT_EQ("on", Value(kStep, "isolate_curves"));
    SetCheckQuietly(p, IDC_STEP_ISOLATE_CURVES, false);
    Click(p, IDC_STEP_MERGE_CURVES);
    EXPECT_EQ("off", Value(kStep, "ignore_curves"));
    EXPECT_EQ("on", Value(kStep, "merge_curves"));
    EXPECT_EQ("off", Value(kStep, "isolate_curves"));
    Click(p, IDC_STEP_CONVERT_COMPONENT);
    EXPECT_EQ("off", Value(kStep, "parts_only"));
    EXPECT_EQ("on", Value(kStep, "convert_component"));
    Click(p, IDC_STEP_PARTS_ONLY);
    EXPECT_EQ("on", Value(kStep, "parts_only"));
    EXPECT_EQ("off", Value(kStep, "convert_component"));
    ExpectRules(p, false, true, false);  // a radio button drives no rule

    ASSERT_TRUE(ChooseComboText(p, IDC_ACIS_VERSION, "8.0"));
    EXPECT_EQ("8.0", Value(kStep, "acis_version"));
    SheetOK(h);
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

TEST_F(StepPageTest, ComponentNumberIsACountOfAtLeastOne) {
  IMpOptions* group = Group(kStep);
  group->setString("convert_parts_assembly", "on");
  group->setString("convert_comnponent_nr", "4");
  MpAppUiStepPage page;
  MpAppUiQyPage other;
  TestSheet sheet({&page, &other});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        for (const char* bad : {"0", "-3", "abc", "99999999999", "-99999999999", ""}) {
          ClearLogs();
          TypeAndLeave(p, IDC_STEP_COMPONENT_NUMBER, bad);
          ExpectOneRefusal("MpAppUiStepPage", bad);
          EXPECT_TRUE(FocusedAndSelected(p, IDC_STEP_COMPONENT_NUMBER)) << bad;
          EXPECT_EQ(bad, Text(p, IDC_STEP_COMPONENT_NUMBER)) << "the refused text stays";
          EXPECT_EQ("4", Value(kStep, "convert_comnponent_nr")) << bad;
        }
        ClearLogs();
        TypeAndLeave(p, IDC_STEP_COMPONENT_NUMBER, "12x");
        EXPECT_EQ("12x", Value(kStep, "convert_comnponent_nr")) << "stored as typed";
        TypeAndLeave(p, IDC_STEP_COMPONENT_NUMBER, " +2147483647");
        EXPECT_EQ(" +2147483647", Value(kStep, "convert_comnponent_nr"));
        EXPECT_TRUE(Logs().empty());

        // Leaving the page: a bad number keeps the user here.
        Type(p, IDC_STEP_COMPONENT_NUMBER, "0");
        SheetOK(h);
      })
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        ExpectOneRefusal("MpAppUiStepPage", "OK with a bad count");
        EXPECT_TRUE(FocusedAndSelected(p, IDC_STEP_COMPONENT_NUMBER));
        // An emptied field is refused as it is left, but lets the user leave the page; once the
        // page is hidden nothing pulls the focus back into it.
        ClearLogs();
        TypeAndLeave(p, IDC_STEP_COMPONENT_NUMBER, "");
        ExpectOneRefusal("MpAppUiStepPage", "emptied");
        ClearLogs();
        SheetSelectPage(h, 1);
      })
      .Sheet(kSheetCaption, [&](HWND h) {
        EXPECT_EQ(1, sheet.GetActiveIndex());
        ExpectOneRefusal("MpAppUiStepPage", "switching pages from the emptied field");
        ClearLogs();
        SheetOK(h);  // the hidden field loses the focus now
      });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty()) << "a page no longer shown refuses nothing";
  EXPECT_EQ(" +2147483647", Value(kStep, "convert_comnponent_nr")) << "the last accepted value stays";
}

TEST_F(StepPageTest, ToleranceIsADecimalGreaterThanZero) {
  MpAppUiStepPage page;
  MpAppUiStepPage second;
  TestSheet sheet({&page, &second});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        for (const char* bad : {"0", "-0.5", "abc", "inf", "nan", "0x10", "1e999", "-"}) {
          ClearLogs();
          TypeAndLeave(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, bad);
          ExpectOneRefusal("MpAppUiStepPage", bad);
          EXPECT_TRUE(FocusedAndSelected(p, IDC_STEP_SIMPLIFICATION_TOLERANCE)) << bad;
          EXPECT_EQ("0.01", Value(kStep, "simplification_tolerance")) << bad;
        }
        ClearLogs();
        TypeAndLeave(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "0.25");
        EXPECT_EQ("0.25", Value(kStep, "simplification_tolerance"));
        TypeAndLeave(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "  1e-3mm");
        EXPECT_EQ("  1e-3mm", Value(kStep, "simplification_tolerance")) << "stored as typed";
        TypeAndLeave(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "");
        EXPECT_EQ("  1e-3mm", Value(kStep, "simplification_tolerance")) << "an empty text is not written";
        EXPECT_TRUE(Logs().empty()) << "nor refused";
        // A switch of pages checks and writes the focused field as if it were left.
        Type(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "0.3");
        SheetSelectPage(h, 1);
      })
      .Sheet(kSheetCaption, [&](HWND h) {
        EXPECT_EQ(1, sheet.GetActiveIndex());
        EXPECT_EQ("0.3", Value(kStep, "simplification_tolerance"));
        SheetCancel(h);
      });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

// Enter and OK check the focused field as Tab does, once per refusal; the focus going to Cancel or
// out of the sheet refuses nothing.
TEST_F(StepPageTest, EnterAndOkCheckTheFocusedFieldButCancelOrAnotherWindowNever) {
  MpAppUiStepPage page;
  TestSheet sheet({&page});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        Type(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "0");
        // The focus going out of the sheet refuses nothing.
        HWND elsewhere = ::CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                           nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SetFocus(elsewhere);
        EXPECT_EQ(elsewhere, ::GetFocus());
        EXPECT_TRUE(Logs().empty());
        ::DestroyWindow(elsewhere);
        ::SetActiveWindow(h);
        Type(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "0");
        ::SetFocus(::GetDlgItem(h, IDCANCEL));
        EXPECT_TRUE(Logs().empty()) << "the focus leaving for Cancel refuses nothing";
        Type(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "0");
        SheetOK(h);
      })
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        ExpectOneRefusal("MpAppUiStepPage", "OK clicked");
        EXPECT_TRUE(FocusedAndSelected(p, IDC_STEP_SIMPLIFICATION_TOLERANCE));
        ClearLogs();
        TypeAndLeave(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "0.5");
        EXPECT_EQ("0.5", Value(kStep, "simplification_tolerance"));
        Type(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "0");
        PressEnter();
      })
      .Sheet(kSheetCaption, [&](HWND h) {
        ExpectOneRefusal("MpAppUiStepPage", "Enter: the same text refused again after an accepted one");
        EXPECT_TRUE(FocusedAndSelected(SheetPage(h), IDC_STEP_SIMPLIFICATION_TOLERANCE));
        EXPECT_EQ("0.5", Value(kStep, "simplification_tolerance"));
        ClearLogs();
        Type(SheetPage(h), IDC_STEP_SIMPLIFICATION_TOLERANCE, "0.75");
        PressEnter();
      });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
  EXPECT_EQ("0.75", Value(kStep, "simplification_tolerance")) << "a value confirmed with Enter is written";
}

TEST_F(StepPageTest, DefaultResetsTheSameGroupAndRefills) {
  IMpOptions* group = Group(kStep);
  group->setString("raw_conversion", "on");
  group->setString("simplification_tolerance", "7");
  MpAppUiStepPage page;
  TestSheet sheet({&page});
  script.Sheet(kSheetCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    ExpectRules(p, true, false, true);
    Click(p, IDC_STEP_CONVERT_PARTS_ASSEMBLY);
    ASSERT_TRUE(ChooseComboText(p, IDC_ACIS_VERSION, "5.0"));
    page.restoreDefaults();
    EXPECT_EQ(group, page.settings()) << "the group object stays the page's";
    EXPECT_EQ(group, MpHostSettings(kStep));
    for (const auto& kv : MpHostSettingsDefaults(kStep)) EXPECT_EQ(kv.second, group->getString(kv.first)) << kv.first;
    ExpectShowsGroup(p);
    EXPECT_EQ(Default(kStep, "acis_version"), Chosen(p, IDC_ACIS_VERSION));
    ExpectRules(p, false, false, true);
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
}

TEST_F(StepPageTest, WithoutSettingsServiceTheRulesFollowTheTemplate) {
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpPmUtSettings));
  MpAppUiStepPage page;
  TestSheet sheet({&page});
  script.Sheet(kSheetCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_EQ(nullptr, page.settings());
    for (const BoxKey& b : kBoxes) EXPECT_FALSE(Checked(p, b.id)) << "the template's state: " << b.key;
    EXPECT_EQ("", Chosen(p, IDC_ACIS_VERSION));
    ExpectRules(p, false, false, false);  // every box of the template is clear
    Click(p, IDC_STEP_SIMPLIFY_HEALING);
    ExpectRules(p, false, false, true);
    TypeAndLeave(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "abc");
    EXPECT_TRUE(Logs().empty()) << "without a group a field is not checked as it is left";
    page.restoreDefaults();
    ExpectRules(p, false, false, true);
    SheetOK(h);  // ... but the page check still runs
  });
  script.Sheet(kSheetCaption, [&](HWND h) {
    ExpectOneRefusal("MpAppUiStepPage", "page check without a group");
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  page.save();
  EXPECT_EQ(0, MpHostCommitCount(kStep));
  for (const auto& kv : MpHostSettingsDefaults(kStep))
    EXPECT_EQ(kv.second, Value(kStep, kv.first.c_str())) << "nothing written: " << kv.first;
}

}  // namespace
