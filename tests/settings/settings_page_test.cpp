// The settings pages: the common pattern, driven from one table of every page's keys, then what is
// particular to a page (its enable rules, its fields that refuse).
#include <functional>
#include <memory>
#include "MpAppUiCustomerPage.h"
#include "MpAppUiExchangeAdpaterPage.h"
#include "MpAppUiExportGraphicalObjectPage.h"
#include "MpAppUiHondaPage.h"
#include "MpAppUiOperationPage.h"
#include "settings_sheet.h"

using namespace AfxScript;
using namespace wdtest;

namespace {

using G = MpHostSettingsGroup;
std::string Value(G group, const char* key) { return MpHostSettings(group)->getString(key); }
std::string Default(G group, const char* key) { return MpHostSettingsDefaults(group).at(key); }

// Expects exactly `count` log lines since the last clear, each a refused number logged by the page.
void ExpectRefusals(const char* page, size_t count, const std::string& what,
                    UINT message = IDS_SETTINGS_NOT_POSITIVE) {
  const std::vector<MpLogRecord> logs = MpDefaultLogger()->records();
  ASSERT_EQ(count, logs.size()) << what;
  for (const MpLogRecord& log : logs) {
    EXPECT_EQ(200, log.severity) << what;
    EXPECT_EQ(0, log.flag) << what;
    EXPECT_EQ(MpGetResourceString(message), log.message) << what;
    EXPECT_FALSE(log.message.empty());
    EXPECT_EQ(page, log.sourceFile) << what;
    EXPECT_GT(log.line, 0) << what;
  }
}

// ---------------------------------------------------------------------------------------
// The pattern, page by page
// ---------------------------------------------------------------------------------------
// A radio button of choice 1 or 2 of its page; Typed: an edit written as typed, empty included.
enum Kind { Box, Radio1, Radio2, Edit, Combo, Typed };
struct Key {
  const char* key;
  int id;
  Kind kind;
  const char* shown;  // the group's value when the page opens
  const char* good = nullptr;  // an edit's accepted text (written as typed), a combo's entry to choose
  const char* bad = nullptr;   // an edit's refused text
  UINT message = IDS_SETTINGS_NOT_POSITIVE;  // logged when bad is refused
};
struct Page {
  const char* name;  // the class name, also the source file its log lines name
  CRuntimeClass* cls;
  UINT templateId;
  G group;
  bool hasRules;
  std::vector<Key> keys;
};

// Rule drivers open in the state that enables every control; the other boxes differ from their
// default where they can, so that the fill is seen.
const Page kPages[] = {
    {"MpAppUiStepPage", RUNTIME_CLASS(MpAppUiStepPage), IDD_STEP_PAGE, G::Step, true,
     {{"clean_body", IDC_STEP_CLEAN_BODY, Box, "off"},
      {"convert_parts_assembly", IDC_STEP_CONVERT_PARTS_ASSEMBLY, Box, "on"},
      {"convert_splines", IDC_STEP_CONVERT_SPLINES, Box, "off"},
      {"debug", IDC_STEP_DEBUG, Box, "on"},
      {"intersect_analytical_surfaces", IDC_STEP_INTERSECT_ANALYTICAL, Box, "off"},
      {"intersect_curves", IDC_STEP_INTERSECT_CURVES, Box, "off"},
      {"intersect_spline_curves", IDC_STEP_INTERSECT_SPLINE_CURVES, Box, "on"},
      {"loops", IDC_STEP_LOOPS, Box, "off"},
      {"raw_conversion", IDC_STEP_RAW_CONVERSION, Box, "off"},
      {"reverse_body", IDC_STEP_REVERSE_BODY, Box, "on"},
      {"trim_body", IDC_STEP_TRIM_BODY, Box, "off"},
      {"convert_face_colours", IDC_STEP_CONVERT_FACE_COLOURS, Box, "off"},
      {"convert_edge_colours", IDC_STEP_CONVERT_EDGE_COLOURS, Box, "on"},
      {"convert_body_colours", IDC_STEP_CONVERT_BODY_COLOURS, Box, "off"},
      {"ignore_curves", IDC_STEP_IGNORE_CURVES, Radio1, "on"},
      {"merge_curves", IDC_STEP_MERGE_CURVES, Radio1, "off"},
      {"isolate_curves", IDC_STEP_ISOLATE_CURVES, Radio1, "off"},
      {"tolerant_geometry", IDC_STEP_TOLERANT_GEOMETRY, Box, "off"},
      {"simplify_healing", IDC_STEP_SIMPLIFY_HEALING, Box, "on"},
      {"acis_version", IDC_ACIS_VERSION, Combo, "6.0", "R10"},
      {"parts_only", IDC_STEP_PARTS_ONLY, Radio2, "off"},
      {"convert_component", IDC_STEP_CONVERT_COMPONENT, Radio2, "on"},
      {"convert_comnponent_nr", IDC_STEP_COMPONENT_NUMBER, Edit, "4", " +2147483647", "abc"},
      {"simplification_tolerance", IDC_STEP_SIMPLIFICATION_TOLERANCE, Edit, "0.5", "  1e-3mm", "-0.5"}}},
    {"MpAppUiQyPage", RUNTIME_CLASS(MpAppUiQyPage), IDD_QY_PAGE, G::Qy, true,
     {{"qy_attrib", IDC_QY_ATTRIB, Box, "off"},
      {"qy_convert_blank", IDC_QY_CONVERT_BLANK, Box, "off"},
      {"qy_convert_visible_layers", IDC_QY_CONVERT_VISIBLE_LAYERS, Box, "on"},
      {"qy_healing", IDC_QY_HEALING, Box, "on"},
      {"qy_convert_freepoint_bodies", IDC_QY_CONVERT_FREEPOINT_BODIES, Box, "on"},
      {"qy_convert_freecurve_bodies", IDC_QY_CONVERT_FREECURVE_BODIES, Box, "on"},
      {"qy_convert_resurface_spline", IDC_QY_CONVERT_RESURFACE_SPLINE, Box, "on"},
      {"simplification_qy_tolerance", IDC_QY_TOLERANCE, Edit, "0.5", "0.25", "nan"},
      {"qy_acis_version", IDC_QY_ACIS_VERSION, Combo, "5.0", "8.0"}}},
    {"MpAppUiCatiaQyPage", RUNTIME_CLASS(MpAppUiCatiaQyPage), IDD_CATIA_QY_PAGE, G::CatiaQy, true,
     {{"catia_attrib", IDC_CATIA_ATTRIB, Box, "off"},
      {"catia_no_show", IDC_CATIA_NO_SHOW, Box, "on"},
      {"catia_no_pick", IDC_CATIA_NO_PICK, Box, "on"},
      {"catia_only_root", IDC_CATIA_ONLY_ROOT, Box, "on"},
      {"catia_only_master", IDC_CATIA_ONLY_MASTER, Box, "on"},
      {"catia_analytic_surface", IDC_CATIA_ANALYTIC_SURFACE, Box, "off"},
      {"catia_free_point", IDC_CATIA_FREE_POINT, Box, "on"},
      {"catia_wire_bodies", IDC_CATIA_WIRE_BODIES, Box, "on"},
      {"catia_sheet_bodies", IDC_CATIA_SHEET_BODIES, Box, "off"},
      {"catia_solid_bodies", IDC_CATIA_SOLID_BODIES, Box, "off"},
      {"catia_extra_root", IDC_CATIA_EXTRA_ROOT, Box, "on"},
      {"catia_healing", IDC_CATIA_HEALING, Box, "on"},
      {"catia_free_surface", IDC_CATIA_FREE_SURFACE, Box, "on"},
      {"catia_space_dito_bodies", IDC_CATIA_SPACE_DITO_BODIES, Box, "on"},
      {"catia_spline_resurfacing", IDC_CATIA_SPLINE_RESURFACING, Box, "on"},
      {"simplification_catia_tolerance", IDC_CATIA_TOLERANCE, Edit, "0.3", "2", "0"},
      {"proe_resurfingspline", IDC_PROE_RESURF_SPLINE, Box, "on"},
      {"proe_freesurface", IDC_PROE_FREE_SURFACE, Box, "on"},
      {"proe_healing", IDC_PROE_HEALING, Box, "off"},
      {"simplification_proe_tolerance", IDC_PROE_TOLERANCE, Edit, "0.2", "4 mm", "inf"},
      {"proe_attrib", IDC_PROE_ATTRIB, Box, "off"},
      {"catia_acis_version", IDC_CATIA_ACIS_VERSION, Combo, "R10", "6.0"},
      {"proe_acis_version", IDC_PROE_ACIS_VERSION, Combo, "8.0", "5.0"}}},
    {"MpAppUiCorvanePage", RUNTIME_CLASS(MpAppUiCorvanePage), IDD_CORVANE_PAGE, G::Corvane, false,
     {{"corvane_attribb", IDC_CORVANE_ATTRIB, Box, "off"},
      {"corvane_unit_scale_factor", IDC_CORVANE_UNIT_SCALE_FACTOR, Edit, "25.4", "0.001", "x1"},
      {"corvane_transfer_layers", IDC_CORVANE_TRANSFER_LAYERS, Box, "off"},
      {"corvane_translate_free_points", IDC_CORVANE_TRANSLATE_FREE_POINTS, Box, "on"},
      {"corvane_clean_model", IDC_CORVANE_CLEAN_MODEL, Box, "off"},
      {"corvane_spline_resurfacing", IDC_CORVANE_SPLINE_RESURFACING, Box, "on"},
      {"corvane_healing", IDC_CORVANE_HEALING, Box, "off"},
      {"corvane_simpli_tol", IDC_CORVANE_TOLERANCE, Edit, "0.2", "2.5mm", "1e999"},
      {"acis_version_corvane", IDC_CORVANE_ACIS_VERSION, Combo, "6.0", "R10"}}},
    {"MpAppUiHondaPage", RUNTIME_CLASS(MpAppUiHondaPage), IDD_HONDA_PAGE, G::Honda, false,
     {{"honda_max_minutes", IDC_HONDA_MAX_MINUTES, Edit, "30", "2.5", "0"},
      {"honda_max_number_improvements", IDC_HONDA_MAX_IMPROVEMENTS, Edit, "10", "7 times", "none"},
      {"honda_max_number_dealoc", IDC_HONDA_MAX_DEALLOC, Edit, "4", "0.5", "-3"},
      {"honda_logging", IDC_HONDA_LOGGING, Box, "on"},
      {"ms_minimize_diameter", IDC_HONDA_MIN_DIAMETER, Box, "off"},
      {"ms_minimize_head", IDC_HONDA_MIN_HEAD, Box, "on"},
      {"ms_minimize_strategy", IDC_HONDA_MIN_STRATEGY, Box, "off"},
      {"ms_minimize_cost", IDC_HONDA_MIN_COST, Box, "on"},
      {"ms_balance_head", IDC_HONDA_BALANCE_HEAD, Box, "off"}}},
    {"MpAppUiExportGraphicalObjectPage", RUNTIME_CLASS(MpAppUiExportGraphicalObjectPage), IDD_EXPORT_PAGE,
     G::Export, false,
     {{"spline_surfaces", IDC_EXPORT_SPLINE_SURFACES, Box, "off"},
      {"stl_normal_deviation", IDC_EXPORT_STL_NORMAL, Edit, "0.1", "0", "-0.5"},
      {"geo_normal_deviation", IDC_EXPORT_GEO_NORMAL, Edit, "0.2", "-0", "abc"},
      {"xgl_normal_deviation", IDC_EXPORT_XGL_NORMAL, Edit, "0.3", "1mm", "-1e-9"},
      {"stl_surface_deviation", IDC_EXPORT_STL_SURFACE, Edit, "0.4", " .5", "inf"},
      {"geo_surface_deviation", IDC_EXPORT_GEO_SURFACE, Edit, "0.5", "2", "-"},
      {"xgl_surface_deviation", IDC_EXPORT_XGL_SURFACE, Edit, "0.6", "3", "nan"},
      {"acis_version", IDC_ACIS_VERSION, Combo, "6.0", "R10"},
      {"radio_text", IDC_EXPORT_RADIO_TEXT, Radio1, "off"},
      {"radio_dependent", IDC_EXPORT_RADIO_DEPENDENT, Radio1, "on"},
      {"radio_independent", IDC_EXPORT_RADIO_INDEPENDENT, Radio1, "off"},
      {"check_map_lumps", IDC_EXPORT_CHECK_MAP_LUMPS, Box, "on"},
      {"acis_version_corvane", IDC_CORVANE_ACIS_VERSION, Combo, "R10", "6.0"},
      {"corvane_unit_scale_factor", IDC_EXPORT_CORVANE_SCALE, Edit, "25.4", "0.0", "-2"}}},
    {"MpAppUiOperationPage", RUNTIME_CLASS(MpAppUiOperationPage), IDD_OPERATION_PAGE, G::Operation, false,
     {{"-m", IDC_OPER_M, Box, "on"},
      {"feature_volumes", IDC_OPER_FEATURE_VOLUMES, Box, "off"},
      {"methods_log", IDC_OPER_METHODS_LOG, Box, "on"},
      {"-default", IDC_OPER_DEFAULT, Box, "off"},
      {"number_blank_solutions_int", IDC_OPER_BLANK_SOLUTIONS, Edit, "2", "3.7", "", IDS_OPER_BLANK_SOLUTIONS_REFUSED},
      {"number_nodes_int", IDC_OPER_NODES, Edit, "500", "12 nodes", "0", IDS_OPER_NODES_REFUSED},
      {"number_rule_reuse_int", IDC_OPER_RULE_REUSE, Edit, "4", "1", "-1", IDS_OPER_RULE_REUSE_REFUSED},
      {"number_tool_factor_int", IDC_OPER_TOOL_FACTOR, Edit, "0.5", "1", "1.0001", IDS_OPER_TOOL_FACTOR_REFUSED},
      {"cal_toolpath_toolassembly", IDC_OPER_CAL_TOOLPATH, Box, "off"},
      {"cal_auxiliraries_machinecenterunit", IDC_OPER_CAL_AUXILIARIES, Box, "on"},
      {"cal_time_cuttinginstance", IDC_OPER_CAL_TIME, Box, "off"},
      {"methods_debug_level", IDC_OPER_DEBUG_LEVEL, Combo, "2", "3"}}},
    {"MpAppUiExchangeAdpaterPage", RUNTIME_CLASS(MpAppUiExchangeAdpaterPage), IDD_EXCHANGE_PAGE,
     G::ExchangeAdapter, false,
     {{"ZRV_UPDATE_CUST", IDC_ZRV_UPDATE_CUST, Box, "on"},
      {"ZRV_MAX_CONDITION_PROPS", IDC_ZRV_MAX_CONDITION_PROPS, Typed, "12", "any text"},
      {"ZRV_SETUP_TEMPLATE", IDC_ZRV_SETUP_TEMPLATE, Typed, "metric.tpl", "-5"}}},
    {"MpAppUiCustomerPage", RUNTIME_CLASS(MpAppUiCustomerPage), IDD_CUSTOMER_PAGE, G::Customer, false,
     {{"edit_features_post", IDC_CUST_FEATURES_POST_CMD, Typed, "fp.csh", "C:\\exits\\post features.bat -v"},
      {"edit_features_pre", IDC_CUST_FEATURES_PRE_CMD, Typed, "fa.csh", "x"},
      {"edit_output_post", IDC_CUST_OUTPUT_POST_CMD, Typed, "op.csh", "-1"},
      {"edit_output_pre", IDC_CUST_OUTPUT_PRE_CMD, Typed, "oa.csh", "x"},
      {"edit_operations_post", IDC_CUST_OPERATIONS_POST_CMD, Typed, "pp.exe", "x"},
      {"edit_operations_pre", IDC_CUST_OPERATIONS_PRE_CMD, Typed, "pa.exe", "x"},
      {"edit_sequence_post", IDC_CUST_SEQUENCE_POST_CMD, Typed, "sp.bat", "x"},
      {"edit_sequence_pre", IDC_CUST_SEQUENCE_PRE_CMD, Typed, "sa.bat", "x"},
      {"edit_setups_post", IDC_CUST_SETUPS_POST_CMD, Typed, "up.bat", "x"},
      {"edit_setups_pre", IDC_CUST_SETUPS_PRE_CMD, Typed, "ua.bat", "x"},
      {"edit_toolpaths_post", IDC_CUST_TOOLPATHS_POST_CMD, Typed, "tp.csh", "x"},
      {"edit_toolpaths_pre", IDC_CUST_TOOLPATHS_PRE_CMD, Typed, "ta.csh", "x"},
      {"edit_output_intermediate", IDC_CUST_OUTPUT_INTERMEDIATE_CMD, Typed, "oi.csh", "x"},
      {"operations_pre", IDC_CUST_OPERATIONS_PRE, Box, "on"},
      {"operations_post", IDC_CUST_OPERATIONS_POST, Box, "off"},
      {"features_post", IDC_CUST_FEATURES_POST, Box, "on"},
      {"features_pre", IDC_CUST_FEATURES_PRE, Box, "off"},
      {"output_post", IDC_CUST_OUTPUT_POST, Box, "on"},
      {"output_pre", IDC_CUST_OUTPUT_PRE, Box, "off"},
      {"sequence_post", IDC_CUST_SEQUENCE_POST, Box, "on"},
      {"sequence_pre", IDC_CUST_SEQUENCE_PRE, Box, "off"},
      {"setups_post", IDC_CUST_SETUPS_POST, Box, "on"},
      {"setups_pre", IDC_CUST_SETUPS_PRE, Box, "on"},
      {"toolpaths_post", IDC_CUST_TOOLPATHS_POST, Box, "off"},
      {"toolpaths_pre", IDC_CUST_TOOLPATHS_PRE, Box, "on"},
      {"output_intermediate", IDC_CUST_OUTPUT_INTERMEDIATE, Box, "on"}}},
};

// Each control of the page shows its key's value: a box checked for exactly "on"; an empty
// value leaves the control as it was.
void ExpectShows(HWND p, const Page& page, const std::function<std::string(const Key&)>& value) {
  for (const Key& k : page.keys) {
    ASSERT_NE(nullptr, ::GetDlgItem(p, k.id)) << k.key;
    const std::string v = value(k);
    if (v.empty()) continue;
    switch (k.kind) {
      case Edit:
      case Typed: EXPECT_EQ(v, Text(p, k.id)) << k.key; break;
      case Combo: EXPECT_EQ(v, Chosen(p, k.id)) << k.key; break;
      default: EXPECT_EQ(v == "on", Checked(p, k.id)) << k.key;
    }
  }
}

// Opens the page over a group holding the table's values and checks every key: shown, written
// as its control changes, bad numbers refused (logged, the focus back, nothing written) both as
// the field is left and as OK is pressed, Default resetting the very group in place, and save
// committing it.
using SettingsPatternTest = HostedTest;
TEST_F(SettingsPatternTest, EveryKeyOfEverySettingsPageFollowsThePattern) {
  for (const Page& page : kPages) {
    SCOPED_TRACE(page.name);
    IMpOptions* group = MpHostSettings(page.group);
    for (const Key& k : page.keys) group->setString(k.key, k.shown);
    EXPECT_STREQ(page.name, page.cls->m_lpszClassName);
    std::unique_ptr<CObject> object(page.cls->CreateObject());
    MpAppUiSettingsPage* settingsPage = DYNAMIC_DOWNCAST(MpAppUiSettingsPage, object.get());
    ASSERT_NE(nullptr, settingsPage);
    EXPECT_EQ(page.templateId, settingsPage->GetTemplateID());
    Sheet sheet({settingsPage});
    ClearLogs();
    script.Sheet(kCaption, [&](HWND h) {
      HWND p = SheetPage(h);
      EXPECT_EQ(group, settingsPage->settings()) << "the page holds the service's group";
      ExpectShows(p, page, [](const Key& k) { return std::string(k.shown); });
      for (const Key& k : page.keys) {
        SCOPED_TRACE(k.key);
        if (k.kind == Box) {
          const std::string flipped = std::string(k.shown) == "on" ? "off" : "on";
          for (const std::string& now : {flipped, std::string(k.shown)}) {  // clicked twice: back as it was
            Click(p, k.id);
            EXPECT_EQ(now, Value(page.group, k.key));
            for (const Key& other : page.keys) {
              if (!page.hasRules) {
                EXPECT_TRUE(Enabled(p, other.id)) << "no control governs another";
              }
            }
          }
        } else if (k.kind == Radio1 || k.kind == Radio2) {
          Click(p, k.id);
          for (const Key& other : page.keys) {
            if (other.kind == k.kind) {
              EXPECT_EQ(&other == &k ? "on" : "off", Value(page.group, other.key)) << other.key;
            }
          }
        } else if (k.kind == Combo) {
          ASSERT_TRUE(ChooseComboText(p, k.id, k.good));
          EXPECT_EQ(k.good, Value(page.group, k.key));
        } else if (k.kind == Typed) {
          for (const char* typed : {k.good, ""}) {
            TypeAndLeave(p, k.id, typed);
            EXPECT_EQ(typed, Value(page.group, k.key)) << "written as typed, unchecked";
          }
          TypeAndLeave(p, k.id, k.shown);
        } else {
          TypeAndLeave(p, k.id, k.bad);
          ExpectRefusals(page.name, 1, std::string("left with ") + k.bad, k.message);
          EXPECT_TRUE(FocusedAndSelected(p, k.id));
          EXPECT_EQ(k.bad, Text(p, k.id)) << "the refused text stays";
          EXPECT_EQ(k.shown, Value(page.group, k.key)) << "nothing written";
          ClearLogs();
          TypeAndLeave(p, k.id, k.good);
          EXPECT_EQ(k.good, Value(page.group, k.key)) << "written as typed";
          EXPECT_TRUE(Logs().empty());
        }
      }
    });
    // A bad number in any field keeps the user on the page when OK is pressed.
    for (const Key& k : page.keys) {
      if (k.kind != Edit) continue;
      const Key* key = &k;
      script.Sheet(kCaption, [key](HWND h) {
        Type(SheetPage(h), key->id, key->bad);
        SheetOK(h);
      });
      script.Sheet(kCaption, [&page, key](HWND h) {
        HWND p = SheetPage(h);
        ExpectRefusals(page.name, 1, std::string("OK over ") + key->key, key->message);
        EXPECT_TRUE(FocusedAndSelected(p, key->id)) << key->key;
        ClearLogs();
        Type(p, key->id, key->good);
      });
    }
    script.Sheet(kCaption, [&](HWND h) {
      settingsPage->restoreDefaults();
      EXPECT_EQ(group, settingsPage->settings()) << "reset in place";
      EXPECT_EQ(group, MpHostSettings(page.group));
      ExpectShows(SheetPage(h), page, [&](const Key& k) { return Default(page.group, k.key); });
      SheetOK(h);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_TRUE(Logs().empty());
    for (const Key& k : page.keys) EXPECT_EQ(Default(page.group, k.key), Value(page.group, k.key)) << k.key;
    EXPECT_EQ(0, MpHostCommitCount(page.group));
    settingsPage->save();
    EXPECT_EQ(1, MpHostCommitCount(page.group));
  }
}

// ---------------------------------------------------------------------------------------
// What is particular to a page
// ---------------------------------------------------------------------------------------
using SettingsPageTest = HostedTest;

void ExpectStepRules(HWND p, bool raw, bool assembly, bool healing) {
  for (int id : {IDC_STEP_CONVERT_SPLINES, IDC_STEP_INTERSECT_ANALYTICAL, IDC_STEP_INTERSECT_SPLINE_CURVES,
                 IDC_STEP_INTERSECT_CURVES, IDC_STEP_CLEAN_BODY, IDC_STEP_LOOPS, IDC_STEP_REVERSE_BODY,
                 IDC_STEP_TRIM_BODY})
    EXPECT_EQ(!raw, Enabled(p, id)) << "raw-conversion target " << id;
  for (int id : {IDC_STEP_PARTS_ONLY, IDC_STEP_CONVERT_COMPONENT, IDC_STEP_COMPONENT_NUMBER})
    EXPECT_EQ(assembly, Enabled(p, id)) << "assembly target " << id;
  EXPECT_EQ(healing, Enabled(p, IDC_STEP_SIMPLIFICATION_TOLERANCE)) << "healing target";
}

// The STEP page applies its three rules when shown and on each click of their boxes; values that
// are not exactly "on" clear a box, combo entries are found whatever their case; a disabled field
// with a bad number lets the user go, and a radio button writes its whole choice.
TEST_F(SettingsPageTest, StepRulesAndReading) {
  IMpOptions* group = MpHostSettings(G::Step);
  for (const auto& kv : std::initializer_list<std::pair<const char*, const char*>>{
           {"raw_conversion", "on"}, {"clean_body", "yes"}, {"trim_body", "On"}, {"simplify_healing", "off"},
           {"acis_version", "r10"}, {"convert_comnponent_nr", "0"}, {"simplification_tolerance", "-1"}})
    group->setString(kv.first, kv.second);
  MpAppUiStepPage page;
  MpAppUiQyPage other;
  Sheet sheet({&page, &other});
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_FALSE(Checked(p, IDC_STEP_CLEAN_BODY));
    EXPECT_FALSE(Checked(p, IDC_STEP_TRIM_BODY));
    EXPECT_EQ("R10", Chosen(p, IDC_ACIS_VERSION));
    ExpectStepRules(p, true, false, false);
    Click(p, IDC_STEP_CONVERT_PARTS_ASSEMBLY);
    ExpectStepRules(p, true, true, false);
    Click(p, IDC_STEP_SIMPLIFY_HEALING);
    ExpectStepRules(p, true, true, true);
    Click(p, IDC_STEP_RAW_CONVERSION);
    ExpectStepRules(p, false, true, true);
    Click(p, IDC_STEP_CONVERT_PARTS_ASSEMBLY);
    Click(p, IDC_STEP_SIMPLIFY_HEALING);
    ExpectStepRules(p, false, false, false);
    // The controls are not read: the clicked button is the choice.
    ::SendMessageA(::GetDlgItem(p, IDC_STEP_MERGE_CURVES), BM_SETCHECK, BST_CHECKED, 0);
    Click(p, IDC_STEP_ISOLATE_CURVES);
    EXPECT_EQ("off|off|on", Value(G::Step, "ignore_curves") + "|" + Value(G::Step, "merge_curves") + "|" +
                                Value(G::Step, "isolate_curves"));
    ExpectStepRules(p, false, false, false);
    SheetSelectPage(h, 1);
  });
  script.Sheet(kCaption, [&](HWND h) {
    EXPECT_EQ(1, sheet.GetActiveIndex()) << "disabled bad numbers let the user go";
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

// An emptied component number is refused as it is left, but lets the user leave the page; once
// the page is hidden nothing pulls the focus back to it.
TEST_F(SettingsPageTest, StepComponentNumberEmptiedIsRefusedButLetsTheUserGo) {
  MpHostSettings(G::Step)->setString("convert_parts_assembly", "on");
  MpAppUiStepPage page;
  MpAppUiQyPage other;
  Sheet sheet({&page, &other});
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    TypeAndLeave(p, IDC_STEP_COMPONENT_NUMBER, "");
    ExpectRefusals("MpAppUiStepPage", 1, "emptied");
    EXPECT_TRUE(FocusedAndSelected(p, IDC_STEP_COMPONENT_NUMBER));
    ClearLogs();
    SheetSelectPage(h, 1);
  });
  script.Sheet(kCaption, [&](HWND h) {
    EXPECT_EQ(1, sheet.GetActiveIndex());
    ExpectRefusals("MpAppUiStepPage", 1, "switching pages from the emptied field");
    ClearLogs();
    SheetOK(h);  // the hidden field loses the focus now
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty()) << "a page no longer shown refuses nothing";
  EXPECT_EQ(Default(G::Step, "convert_comnponent_nr"), Value(G::Step, "convert_comnponent_nr"));
}

// Enter and OK check the focused field as Tab does, once per refusal; the focus going to Cancel or
// out of the sheet refuses nothing; without a logger a refusal still puts the focus back.
TEST_F(SettingsPageTest, EnterAndOkCheckTheFocusedFieldButCancelOrAnotherWindowNever) {
  MpAppUiCorvanePage page;
  Sheet sheet({&page});
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    Type(p, IDC_CORVANE_TOLERANCE, "0");
    HWND elsewhere = ::CreateWindowExA(0, "STATIC", "elsewhere", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                       nullptr, ::GetModuleHandleA(nullptr), nullptr);
    ::SetFocus(elsewhere);
    EXPECT_EQ(elsewhere, ::GetFocus());
    ::DestroyWindow(elsewhere);
    ::SetActiveWindow(h);
    Type(p, IDC_CORVANE_TOLERANCE, "0");
    ::SetFocus(::GetDlgItem(h, IDCANCEL));
    EXPECT_TRUE(Logs().empty()) << "neither another window nor Cancel took a refusal";
    Type(p, IDC_CORVANE_TOLERANCE, "0");
    SheetOK(h);
  });
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    ExpectRefusals("MpAppUiCorvanePage", 1, "OK clicked");
    ClearLogs();
    TypeAndLeave(p, IDC_CORVANE_TOLERANCE, "0.5");
    Type(p, IDC_CORVANE_TOLERANCE, "0");
    PressEnter();
  });
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    ExpectRefusals("MpAppUiCorvanePage", 1, "Enter: the same text refused again after an accepted one");
    EXPECT_TRUE(FocusedAndSelected(p, IDC_CORVANE_TOLERANCE));
    EXPECT_EQ("0.5", Value(G::Corvane, "corvane_simpli_tol"));
    Type(p, IDC_CORVANE_TOLERANCE, "0.75");
    g_spLogger = nullptr;
    TypeAndLeave(p, IDC_CORVANE_UNIT_SCALE_FACTOR, "-1");
    EXPECT_TRUE(FocusedAndSelected(p, IDC_CORVANE_UNIT_SCALE_FACTOR)) << "without a logger";
    MpResetLogger();
    Type(p, IDC_CORVANE_UNIT_SCALE_FACTOR, "2");
    PressEnter();
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
  EXPECT_EQ("0.75", Value(G::Corvane, "corvane_simpli_tol"));
  EXPECT_EQ("2", Value(G::Corvane, "corvane_unit_scale_factor")) << "a value confirmed with Enter is written";
}

// The Moravel and CATIA pages apply their healing rule on a click and on Default, not when shown;
// the Pro/E box runs the CATIA rule.
TEST_F(SettingsPageTest, HealingRulesWaitForAClickOrDefault) {
  MpHostSettings(G::Qy)->setString("qy_healing", "off");
  MpHostSettings(G::CatiaQy)->setString("catia_healing", "off");
  MpAppUiQyPage qy;
  MpAppUiCatiaQyPage catia;
  Sheet sheet({&qy, &catia});
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_TRUE(Enabled(p, IDC_QY_TOLERANCE)) << "the template's state until the rule first runs";
    Click(p, IDC_QY_HEALING);
    Click(p, IDC_QY_HEALING);
    EXPECT_FALSE(Enabled(p, IDC_QY_TOLERANCE));
    qy.restoreDefaults();
    EXPECT_TRUE(Enabled(p, IDC_QY_TOLERANCE)) << "healing is on by default";
    SheetSelectPage(h, 1);
  });
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_TRUE(Enabled(p, IDC_CATIA_TOLERANCE));
    TypeAndLeave(p, IDC_CATIA_TOLERANCE, "0.5");
    Click(p, IDC_PROE_HEALING);
    EXPECT_FALSE(Enabled(p, IDC_CATIA_TOLERANCE)) << "the Pro/E box runs the CATIA rule";
    EXPECT_TRUE(Enabled(p, IDC_PROE_TOLERANCE)) << "no rule governs the Pro/E tolerance";
    // Default without the service resets nothing; a key the group lacks leaves its box alone.
    MpHostSettings(G::CatiaQy)->setString("catia_healing", "");
    ::SendMessageA(::GetDlgItem(p, IDC_CATIA_HEALING), BM_SETCHECK, BST_CHECKED, 0);
    ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpPmUtSettings));
    catia.restoreDefaults();
    EXPECT_TRUE(Enabled(p, IDC_CATIA_TOLERANCE)) << "the rule follows the box";
    EXPECT_EQ("0.5", Text(p, IDC_CATIA_TOLERANCE)) << "nothing reset without the service";
    EXPECT_EQ("0.5", Value(G::CatiaQy, "simplification_catia_tolerance"));
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_TRUE(Logs().empty());
}

// Two refused fields do not pass the focus back and forth; Enter on one while the other is bad
// refuses the focused field, then the page check stops at the first: one line each.
TEST_F(SettingsPageTest, TwoRefusedFieldsDoNotPassTheFocusBackAndForth) {
  MpHostSettings(G::CatiaQy)->setString("simplification_proe_tolerance", "0");
  MpAppUiCatiaQyPage page;
  Sheet sheet({&page});
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    Type(p, IDC_CATIA_TOLERANCE, "abc");
    Focus(p, IDC_PROE_TOLERANCE);
    ExpectRefusals("MpAppUiCatiaQyPage", 1, "CATIA field left for the Pro/E field");
    EXPECT_TRUE(FocusedAndSelected(p, IDC_CATIA_TOLERANCE));
    ClearLogs();
    Type(p, IDC_CATIA_TOLERANCE, "1");
    Focus(p, IDC_PROE_TOLERANCE);
    Type(p, IDC_CATIA_TOLERANCE, "-1");
    ExpectRefusals("MpAppUiCatiaQyPage", 1, "Pro/E field left for the CATIA field");
    EXPECT_TRUE(FocusedAndSelected(p, IDC_PROE_TOLERANCE));
    ClearLogs();
    PressEnter();
  });
  script.Sheet(kCaption, [&](HWND h) {
    ExpectRefusals("MpAppUiCatiaQyPage", 2, "Enter with both fields bad");
    EXPECT_TRUE(FocusedAndSelected(SheetPage(h), IDC_CATIA_TOLERANCE));
    EXPECT_EQ("1", Value(G::CatiaQy, "simplification_catia_tolerance"));
    EXPECT_EQ("0", Value(G::CatiaQy, "simplification_proe_tolerance"));
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
}

// Without a settings service the page shows its template, checks nothing and writes nothing,
// and can be left whatever its fields hold: nothing would be stored.
TEST_F(SettingsPageTest, WithoutSettingsServiceThePageShowsItsTemplate) {
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpPmUtSettings));
  MpAppUiStepPage page;
  Sheet sheet({&page});
  script.Sheet(kCaption, [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_EQ(nullptr, page.settings());
    EXPECT_EQ("", Chosen(p, IDC_ACIS_VERSION));
    ExpectStepRules(p, false, false, false);  // every box of the template is clear
    Click(p, IDC_STEP_SIMPLIFY_HEALING);
    ExpectStepRules(p, false, false, true);
    TypeAndLeave(p, IDC_STEP_SIMPLIFICATION_TOLERANCE, "abc");
    EXPECT_TRUE(Logs().empty()) << "no field check without a group";
    SheetOK(h);
  });
  EXPECT_EQ(IDOK, sheet.DoModal()) << "no page check without a group";
  EXPECT_TRUE(Logs().empty());
  page.save();
  EXPECT_EQ(0, MpHostCommitCount(G::Step));
  for (const auto& kv : MpHostSettingsDefaults(G::Step))
    EXPECT_EQ(kv.second, Value(G::Step, kv.first.c_str())) << "nothing written: " << kv.first;
}

}  // namespace
