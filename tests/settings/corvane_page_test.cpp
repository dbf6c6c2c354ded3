// The Corvane import page: its keys (one spelt with a doubled letter), no enable rule, and its
// two numbers.
#include "MpAppUiCorvanePage.h"
#include "settings_fixture.h"

using namespace AfxScript;
using namespace settingstest;

namespace {

const MpHostSettingsGroup kCorvane = MpHostSettingsGroup::Corvane;

const BoxKey kBoxes[] = {
    {"corvane_attribb", IDC_CORVANE_ATTRIB},
    {"corvane_transfer_layers", IDC_CORVANE_TRANSFER_LAYERS},
    {"corvane_translate_free_points", IDC_CORVANE_TRANSLATE_FREE_POINTS},
    {"corvane_clean_model", IDC_CORVANE_CLEAN_MODEL},
    {"corvane_spline_resurfacing", IDC_CORVANE_SPLINE_RESURFACING},
    {"corvane_healing", IDC_CORVANE_HEALING},
};
const int kAllControls[] = {IDC_CORVANE_ATTRIB,          IDC_CORVANE_UNIT_SCALE_FACTOR,  IDC_CORVANE_TRANSFER_LAYERS,
                            IDC_CORVANE_TRANSLATE_FREE_POINTS, IDC_CORVANE_CLEAN_MODEL, IDC_CORVANE_SPLINE_RESURFACING,
                            IDC_CORVANE_HEALING,         IDC_CORVANE_TOLERANCE,          IDC_CORVANE_ACIS_VERSION};

typedef SettingsTest CorvanePageTest;

TEST_F(CorvanePageTest, FillsAndWritesEveryKeyAndNoControlGovernsAnother) {
  IMpOptions* group = Group(kCorvane);
  group->setString("corvane_attribb", "off");
  group->setString("corvane_attrib", "on");  // the key the page does not read
  group->setString("corvane_healing", "off");
  group->setString("corvane_unit_scale_factor", "25.4");
  group->setString("acis_version_corvane", "6.0");
  MpAppUiCorvanePage page;
  TestSheet sheet({&page});
  script.Sheet(kSheetCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    ExpectBoxesShow(p, kCorvane, kBoxes);
    EXPECT_FALSE(Checked(p, IDC_CORVANE_ATTRIB));
    EXPECT_EQ("25.4", Text(p, IDC_CORVANE_UNIT_SCALE_FACTOR));
    EXPECT_EQ(Default(kCorvane, "corvane_simpli_tol"), Text(p, IDC_CORVANE_TOLERANCE));
    EXPECT_EQ("6.0", Chosen(p, IDC_CORVANE_ACIS_VERSION));

    for (const BoxKey& b : kBoxes) {
      const bool before = Checked(p, b.id);
      Click(p, b.id);
      EXPECT_EQ(before ? "off" : "on", Value(kCorvane, b.key)) << b.key;
      for (int id : kAllControls) EXPECT_TRUE(Enabled(p, id)) << b.key << " changed control " << id;
    }
    EXPECT_EQ("on", Value(kCorvane, "corvane_attribb"));
    ASSERT_TRUE(ChooseComboText(p, IDC_CORVANE_ACIS_VERSION, "R10"));
    EXPECT_EQ("R10", Value(kCorvane, "acis_version_corvane"));
    TypeAndLeave(p, IDC_CORVANE_TOLERANCE, "2.5mm");
    EXPECT_EQ("2.5mm", Value(kCorvane, "corvane_simpli_tol")) << "stored as typed";
    TypeAndLeave(p, IDC_CORVANE_UNIT_SCALE_FACTOR, "0.001");
    EXPECT_EQ("0.001", Value(kCorvane, "corvane_unit_scale_factor"));
    SheetOK(h);
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

TEST_F(CorvanePageTest, RefusedNumbersStayUnwrittenAndKeepTheUserOnThePage) {
  MpAppUiCorvanePage page;
  TestSheet sheet({&page});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        for (int id : {IDC_CORVANE_UNIT_SCALE_FACTOR, IDC_CORVANE_TOLERANCE}) {
          for (const char* bad : {"0", "x1", "Infinity"}) {
            ClearLogs();
            TypeAndLeave(p, id, bad);
            ExpectOneRefusal("MpAppUiCorvanePage", bad);
            EXPECT_TRUE(FocusedAndSelected(p, id)) << bad;
            EXPECT_EQ(bad, Text(p, id));
          }
          // An empty field is neither refused nor written.
          ClearLogs();
          TypeAndLeave(p, id, "");
          EXPECT_TRUE(Logs().empty());
        }
        EXPECT_EQ(Default(kCorvane, "corvane_unit_scale_factor"), Value(kCorvane, "corvane_unit_scale_factor"));
        EXPECT_EQ(Default(kCorvane, "corvane_simpli_tol"), Value(kCorvane, "corvane_simpli_tol"));
        SheetOK(h);  // both fields empty: the page can be left
      });
  EXPECT_EQ(IDOK, sheet.DoModal());

  // A refused unit scale factor does not vanish when OK is pressed: the user stays.
  MpAppUiCorvanePage again;
  TestSheet second({&again});
  script
      .Sheet(kSheetCaption, [&](HWND h) {
        ClearLogs();
        Type(SheetPage(h), IDC_CORVANE_UNIT_SCALE_FACTOR, "-1");
        PressEnter();
      })
      .Sheet(kSheetCaption, [&](HWND h) {
        HWND p = SheetPage(h);
        ExpectOneRefusal("MpAppUiCorvanePage", "Enter on a bad factor");
        EXPECT_TRUE(FocusedAndSelected(p, IDC_CORVANE_UNIT_SCALE_FACTOR));
        // Going to Cancel refuses nothing.
        ClearLogs();
        SheetCancel(h);
      });
  EXPECT_EQ(IDCANCEL, second.DoModal());
  EXPECT_TRUE(Logs().empty());
  EXPECT_EQ(Default(kCorvane, "corvane_unit_scale_factor"), Value(kCorvane, "corvane_unit_scale_factor"));
}

}  // namespace
