// The settings and options sheets end to end, and what is particular to the pages that do not
// fit the common table: units, features, sequencing, data management and output.
#include <shlobj.h>
#include <cstring>
#include <memory>
#include "MpAppUiExchangeAdpaterJQINPage.h"
#include "MpAppUiOptionsDlg.h"
#include "MpAppUiOptionString.h"
#include "MpAppUiSettingsDlg.h"
#include "MpCipher.h"
#include "MpHostData.h"
#include "hosted.h"
#include "resource.h"

using namespace AfxScript;
using namespace wdtest;

namespace {

using G = MpHostSettingsGroup;
using SettingsSheetTest = HostedTest;

std::string Value(G group, const char* key) { return MpHostSettings(group)->getString(key); }
std::string Caption(HWND h) {
  char text[128] = {};
  ::GetWindowTextA(h, text, sizeof(text));
  return text;
}
HWND List(HWND p, int id) { return ::GetDlgItem(p, id); }
int Rows(HWND list) { return static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0)); }
std::string RowText(HWND list, int row) {
  char text[128] = {};
  ::SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
  return text;
}
int FindRow(HWND list, const char* text) {
  for (int i = 0; i < Rows(list); ++i)
    if (RowText(list, i) == text) return i;
  return -1;
}
bool RowChecked(HWND p, int id, const char* text) {
  CCheckListBox* list = static_cast<CCheckListBox*>(CWnd::FromHandlePermanent(List(p, id)));
  return list->GetCheck(FindRow(List(p, id), text)) == 1;
}
// A click on the row's check box, as with the mouse.
void ClickRowBox(HWND p, int id, const char* text) {
  HWND list = List(p, id);
  RECT rc{};
  ::SendMessageA(list, LB_GETITEMRECT, FindRow(list, text), reinterpret_cast<LPARAM>(&rc));
  const LPARAM at = MAKELPARAM(rc.left + 2, (rc.top + rc.bottom) / 2);
  ::SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageA(list, WM_LBUTTONUP, 0, at);
}

// Both sheets: ten and two pages, every page shown, Default on the active page only, the Default
// button where Apply was, save committing the shown groups, notifications, and the start page
// remembered across sheets and kept within each sheet's pages.
TEST_F(SettingsSheetTest, BothSheetsEndToEnd) {
  MpAppUiSettingsDlg::m_nStartDlg = 0;
  IMpDataCustomization2* customization = MpHostCustomization::create();
  {
    MpAppUiSettingsDlg sheet(nullptr, 5);
    sheet.addPages(customization);
    ASSERT_EQ(10, sheet.GetPageCount());
    const char* classes[] = {"MpAppUiStepPage",     "MpAppUiCatiaQyPage", "MpAppUiQyPage",
                             "MpAppUiFeaturePage",  "MpAppUiOperationPage", "MpAppUiSequencePage",
                             "MpAppUiHondaPage",    "MpAppUiExportGraphicalObjectPage",
                             "MpAppUiUnitsPage",    "MpAppUiCorvanePage"};
    for (int i = 0; i < 10; ++i) EXPECT_STREQ(classes[i], sheet.GetPage(i)->GetRuntimeClass()->m_lpszClassName);
    const std::string caption = MpGetResourceString(IDS_SETTINGS_CAPTION);
    script.Sheet(caption, [&](HWND h) {
      EXPECT_EQ(0, sheet.GetActiveIndex()) << "the remembered page wins over the constructor's";
      EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(h, 0x3021)));
      HWND def = ::GetDlgItem(h, IDC_SETTINGS_DEFAULT);
      ASSERT_NE(nullptr, def);
      EXPECT_EQ("Default", Caption(def));
      RECT applyRc{}, defRc{};
      ::GetWindowRect(::GetDlgItem(h, 0x3021), &applyRc);
      ::GetWindowRect(def, &defRc);
      EXPECT_EQ(applyRc.left, defRc.left);
      EXPECT_EQ(applyRc.top, defRc.top);
      for (int i = 1; i < 10; ++i) SheetSelectPage(h, i);
      EXPECT_EQ(9, sheet.GetActiveIndex()) << "every page could be left";
      Click(SheetPage(h), IDC_CORVANE_ATTRIB);
      MpHostSettings(G::Step)->setString("debug", "changed");
      Click(h, IDC_SETTINGS_DEFAULT);
      EXPECT_EQ("changed", Value(G::Step, "debug")) << "only the active page is reset";
      EXPECT_EQ(MpHostSettingsDefaults(G::Corvane).at("corvane_attribb"), Value(G::Corvane, "corvane_attribb"));
      SheetSelectPage(h, 8);
      Click(h, IDC_SETTINGS_DEFAULT);  // the units page tells the host
      SheetOK(h);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_EQ(8, MpAppUiSettingsDlg::m_nStartDlg);
    std::vector<std::string> notes = {"stale"};
    EXPECT_TRUE(sheet.getNotifications(notes));
    EXPECT_EQ(std::vector<std::string>{"task_units"}, notes);
    sheet.save();
    for (G g : {G::Step, G::CatiaQy, G::Qy, G::Feature, G::Operation, G::Sequence, G::Honda, G::Export, G::Units,
                G::Corvane})
      EXPECT_EQ(1, MpHostCommitCount(g)) << MpHostSettingsGroupName(g);
    EXPECT_EQ(0, MpHostCommitCount(G::Output)) << "the output page is never added";
  }
  {
    MpAppUiOptionsDlg options(nullptr, 1);
    options.addPages(customization);
    ASSERT_EQ(2, options.GetPageCount());
    script.Sheet(MpGetResourceString(IDS_SETTINGS_CAPTION), [&](HWND h) {
      EXPECT_EQ(1, options.GetActiveIndex()) << "8 is no page of this sheet";
      SheetCancel(h);
    });
    EXPECT_EQ(IDCANCEL, options.DoModal());
    std::vector<std::string> notes = {"stale"};
    EXPECT_FALSE(options.getNotifications(notes));
    EXPECT_TRUE(notes.empty());
  }
  EXPECT_EQ(1, MpAppUiSettingsDlg::m_nStartDlg);
  {
    MpAppUiSettingsDlg sheet;
    sheet.addPages(customization);
    script.Sheet(MpGetResourceString(IDS_SETTINGS_CAPTION), [&](HWND h) {
      EXPECT_EQ(1, sheet.GetActiveIndex());
      SheetSelectPage(h, 2);
      ::SendMessageA(h, WM_SYSCOMMAND, SC_CLOSE, 0);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_EQ(2, MpAppUiSettingsDlg::m_nStartDlg) << "the close box remembers the page too";
    std::vector<std::string> notes;
    EXPECT_FALSE(sheet.getNotifications(notes));
    MpHostSetCommitFailure(true);
    ClearLogs();
    sheet.save();
    ASSERT_EQ(2u, Logs().size()) << "two pages were shown, neither could commit";
    EXPECT_EQ(400, Logs()[0].severity);
  }
  MpAppUiSettingsDlg::m_nStartDlg = 0;
  customization->Release();
}

// The units page: one value for the modeler's radio group, keywords for the shown time units,
// lightweight models by default, and "task_units" once the time unit changed.
TEST_F(SettingsSheetTest, UnitsStoreKeywordsAndTellOfTimeUnitChanges) {
  IMpOptions* group = MpHostSettings(G::Units);
  group->setString("default_modeler", "kq");
  group->setString("timeSeconds", "timeCentiMinutes");
  group->setString("lightweight", "");
  MpAppUiSettingsDlg::m_nStartDlg = 8;
  MpAppUiSettingsDlg sheet;
  sheet.addPages(nullptr);
  std::vector<std::string> notes;
  script.Sheet(MpGetResourceString(IDS_SETTINGS_CAPTION), [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_TRUE(Checked(p, IDC_UNITS_KQ));
    EXPECT_FALSE(Checked(p, IDC_UNITS_ACIS));
    EXPECT_TRUE(Enabled(p, IDC_UNITS_KQ)) << "the kernel library is not installed here";
    EXPECT_EQ(MpGetResourceString(IDS_TIME_CENTI_MINUTES), Chosen(p, IDC_UNITS_TIME));
    EXPECT_TRUE(Checked(p, IDC_UNITS_LIGHTWEIGHT));
    EXPECT_EQ("on", Value(G::Units, "lightweight")) << "written as soon as shown";
    EXPECT_FALSE(sheet.getNotifications(notes)) << "showing the page changes no unit";
    Click(p, IDC_UNITS_KQ);
    EXPECT_FALSE(Enabled(p, IDC_UNITS_LIGHTWEIGHT));
    Click(p, IDC_UNITS_ACIS);
    EXPECT_EQ("acis", Value(G::Units, "default_modeler"));
    EXPECT_TRUE(Enabled(p, IDC_UNITS_LIGHTWEIGHT));
    ASSERT_TRUE(ChooseComboText(p, IDC_UNITS_TIME, MpGetResourceString(IDS_TIME_DECIMAL_MINUTES).c_str()));
    EXPECT_EQ("timeDecimalMinutes", Value(G::Units, "timeSeconds"));
    SheetOK(h);
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_TRUE(sheet.getNotifications(notes));
  EXPECT_EQ(std::vector<std::string>{"task_units"}, notes);
  MpAppUiSettingsDlg::m_nStartDlg = 0;
}

// The feature page lists the customization's feature classes but those recognition leaves out,
// each row marked from its own class's flag in the chosen flag set; a mark change is stored in
// that position, and a value too short for it gives the row its mark back.
TEST_F(SettingsSheetTest, FeatureClassesCarryTwoFlagSets) {
  MpHostCustomization* customization = MpHostCustomization::create();
  for (const char* name : {"HoleFeature", "SlotFeature", "PocketFeature"}) {
    MpHostClassDef def;
    def.name = name;
    def.niceName = std::string(name, std::strlen(name) - 7);  // "Hole", ...
    def.parent = "Feature";
    ASSERT_TRUE(customization->addClass(def));
  }
  IMpOptions* group = MpHostSettings(G::Feature);
  group->setString("Hole", "10");
  group->setString("Slot", "1");
  group->setString("merge_surfaces", "on");
  MpAppUiSettingsDlg::m_nStartDlg = 3;
  MpAppUiSettingsDlg sheet;
  sheet.addPages(customization);
  script.Sheet(MpGetResourceString(IDS_SETTINGS_CAPTION), [&](HWND h) {
    HWND p = SheetPage(h);
    HWND list = List(p, IDC_FEATURE_CLASSES);
    ASSERT_EQ(3, Rows(list)) << "the root and the kinds left out are not listed";
    EXPECT_TRUE(Checked(p, IDC_FEATURE_MERGE_SURFACES));
    for (int id : {IDC_FEATURE_MERGE_SURFACES, IDC_FEATURE_INCR_HIERARCHY, IDC_FEATURE_INCR_PARTBLANKLINK})
      EXPECT_FALSE(Enabled(p, id));
    EXPECT_TRUE(RowChecked(p, IDC_FEATURE_CLASSES, "HoleFeature"));
    EXPECT_TRUE(RowChecked(p, IDC_FEATURE_CLASSES, "SlotFeature"));
    EXPECT_TRUE(RowChecked(p, IDC_FEATURE_CLASSES, "PocketFeature")) << "the service's default for a new class";
    Click(p, IDC_FEATURE_FLAGS_SECOND);
    EXPECT_FALSE(RowChecked(p, IDC_FEATURE_CLASSES, "HoleFeature"));
    EXPECT_FALSE(RowChecked(p, IDC_FEATURE_CLASSES, "SlotFeature"));
    ClickRowBox(p, IDC_FEATURE_CLASSES, "HoleFeature");
    EXPECT_EQ("11", Value(G::Feature, "Hole"));
    ClickRowBox(p, IDC_FEATURE_CLASSES, "SlotFeature");
    EXPECT_EQ("1", Value(G::Feature, "Slot")) << "too short to hold the second flag";
    EXPECT_FALSE(RowChecked(p, IDC_FEATURE_CLASSES, "SlotFeature")) << "the mark goes back";
    Click(p, IDC_FEATURE_FLAGS_FIRST);
    ClickRowBox(p, IDC_FEATURE_CLASSES, "PocketFeature");
    EXPECT_EQ("01", Value(G::Feature, "Pocket"));
    EXPECT_EQ("11", Value(G::Feature, "Hole")) << "rows whose mark did not change are left alone";
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  MpAppUiSettingsDlg::m_nStartDlg = 0;
  customization->Release();
}

// The sequencing page: numbers shown as stored and written typed only by save, after the data
// exchange took them; the slider written after the mouse or the keyboard moved it.
TEST_F(SettingsSheetTest, SequencingNumbersWaitForSaveAndTheSliderForItsRelease) {
  IMpOptions* group = MpHostSettings(G::Sequence);
  group->setString("step_size", "");
  group->setString("-tsp_fast", "7");
  group->setString("-only_distance", "maybe");
  MpAppUiSettingsDlg::m_nStartDlg = 5;
  MpAppUiSettingsDlg sheet;
  sheet.addPages(nullptr);
  const std::string caption = MpGetResourceString(IDS_SETTINGS_CAPTION);
  script.Sheet(caption, [&](HWND h) {
    HWND p = SheetPage(h);
    HWND slider = ::GetDlgItem(p, IDC_SEQ_TSP_FAST);
    EXPECT_EQ(5, ::SendMessageA(slider, TBM_GETPOS, 0, 0)) << "7 is kept within 1 to 5";
    EXPECT_TRUE(Checked(p, IDC_SEQ_ALL_CRITERIA));
    EXPECT_FALSE(Checked(p, IDC_SEQ_ONLY_DISTANCE));
    EXPECT_EQ("", Text(p, IDC_SEQ_STEP_SIZE));
    ::SetFocus(slider);
    ::SendMessageA(slider, WM_KEYDOWN, VK_LEFT, 0);
    ::SendMessageA(slider, WM_KEYUP, VK_LEFT, 0);
    EXPECT_EQ("4", Value(G::Sequence, "-tsp_fast")) << "moved with the keyboard";
    ::SendMessageA(slider, TBM_SETPOS, TRUE, 2);
    NMHDR released{slider, IDC_SEQ_TSP_FAST, static_cast<UINT>(NM_RELEASEDCAPTURE)};
    ::SendMessageA(p, WM_NOTIFY, IDC_SEQ_TSP_FAST, reinterpret_cast<LPARAM>(&released));
    EXPECT_EQ("2", Value(G::Sequence, "-tsp_fast"));
    Click(p, IDC_SEQ_ONLY_DISTANCE);
    EXPECT_EQ("on", Value(G::Sequence, "-only_distance"));
    Type(p, IDC_SEQ_SAFETY_DISTANCE, "0");
    Type(p, IDC_SEQ_MAX_STEPS, "2147483647");
    SheetOK(h);
  });
  script.MessageBox(IDOK);  // an empty step size is no number
  script.Sheet(caption, [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_EQ(5, sheet.GetActiveIndex());
    Type(p, IDC_SEQ_STEP_SIZE, "0.25");
    SheetOK(h);
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
  EXPECT_EQ("", Value(G::Sequence, "step_size")) << "nothing written before save";
  sheet.save();
  EXPECT_DOUBLE_EQ(0.25, group->getDouble("step_size"));
  EXPECT_DOUBLE_EQ(0.0, group->getDouble("safety_distance"));
  EXPECT_EQ(2147483647, group->getInt("maxnr_steps"));
  MpAppUiSettingsDlg::m_nStartDlg = 0;
}

// The text of the first child window whose text begins with start; empty when none.
std::string FindChildText(HWND parent, const char* start) {
  struct Search {
    const char* start;
    std::string found;
  } search{start, ""};
  ::EnumChildWindows(
      parent,
      [](HWND child, LPARAM lParam) -> BOOL {
        Search* s = reinterpret_cast<Search*>(lParam);
        const std::string text = Caption(child);
        if (text.compare(0, std::strlen(s->start), s->start) != 0) return TRUE;
        s->found = text;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The data-management page: enable rules from the switch and the mode, the password stored only
// enciphered, a folder chosen in the shell's browser written at once, and Default on one
// exchange page shown on the other.
TEST_F(SettingsSheetTest, DataManagementPageRulesPasswordAndFolders) {
  IMpOptions* group = MpHostSettings(G::ExchangeAdapter);
  group->setString("ZRV_USE_JQIN", "on");
  group->setString("ZRV_JQ_MODE_TWO_TIER", "neither");
  MpAppUiSettingsDlg::m_nStartDlg = 1;
  MpAppUiOptionsDlg sheet;
  sheet.addPages(nullptr);
  const std::string caption = MpGetResourceString(IDS_SETTINGS_CAPTION);
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  script.Sheet(caption, [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(p, IDC_JQ_PASSWORD), GWL_STYLE) & ES_PASSWORD);
    for (int id : {IDC_JQ_ROOT, IDC_JQ_BROWSE_ROOT, IDC_JQ_DATA, IDC_JQ_URL}) EXPECT_FALSE(Enabled(p, id)) << id;
    EXPECT_TRUE(Enabled(p, IDC_JQ_USER));
    Click(p, IDC_JQ_URL_MODE);
    EXPECT_TRUE(Enabled(p, IDC_JQ_URL));
    Click(p, IDC_JQ_TWO_TIER);
    EXPECT_FALSE(Checked(p, IDC_JQ_URL_MODE));
    EXPECT_EQ("on", Value(G::ExchangeAdapter, "ZRV_JQ_MODE_TWO_TIER"));
    EXPECT_TRUE(Enabled(p, IDC_JQ_BROWSE_ROOT));
    Type(p, IDC_JQ_PASSWORD, "s3cret");
    SheetSelectPage(h, 0);  // the password still has the focus as the page is left
    SheetSelectPage(h, 1);
    std::string stored = Value(G::ExchangeAdapter, "DWB_FO_LANTERNFISH");
    EXPECT_EQ(std::string::npos, stored.find("s3cret"));
    const std::string enciphered = stored;
    MpDecrypt("DWB_FO_LANTERNFISH", stored);
    EXPECT_EQ("s3cret", stored);
    Focus(p, IDC_JQ_PASSWORD);
    Focus(p, IDC_JQ_USER);
    EXPECT_EQ(enciphered, Value(G::ExchangeAdapter, "DWB_FO_LANTERNFISH")) << "an unchanged password is not written";
    std::string title;
    script.Dialog("Browse for Folder", [&](HWND browser) {
      title = FindChildText(browser, "Select a Jaqlith");
      ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(windows));
      ::PostMessageA(browser, WM_COMMAND, IDOK, 0);
    });
    Click(p, IDC_JQ_BROWSE_DATA);
    EXPECT_EQ("Select a Jaqlith Folder", title);
    EXPECT_EQ(std::string(windows), Value(G::ExchangeAdapter, "ZRV_JQ_DATA"));
    EXPECT_EQ(std::string(windows), Text(p, IDC_JQ_DATA));
    Click(p, IDC_JQ_USE);
    for (int id : {IDC_JQ_USER, IDC_JQ_PASSWORD, IDC_JQ_TWO_TIER, IDC_JQ_ROOT, IDC_JQ_URL, IDC_JQ_TEMPLATE_INCH})
      EXPECT_FALSE(Enabled(p, id)) << id;
    SheetSelectPage(h, 0);
    ::SetDlgItemTextA(SheetPage(h), IDC_ZRV_MAX_CONDITION_PROPS, "typed");
    SheetSelectPage(h, 1);
    Click(h, IDC_SETTINGS_DEFAULT);
    EXPECT_FALSE(Enabled(p, IDC_JQ_USER)) << "the reset switch rules again";
    SheetSelectPage(h, 0);
    EXPECT_EQ("10", Text(SheetPage(h), IDC_ZRV_MAX_CONDITION_PROPS)) << "the other page shows the reset";
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_EQ(0, MpHostCommitCount(G::ExchangeAdapter));
  MpAppUiSettingsDlg::m_nStartDlg = 0;
}

// The data-management page's rules run after a Default only when the page holds a group: without
// the settings service Default leaves every control as it was, while a click on the switch still
// rules.
TEST_F(SettingsSheetTest, DataManagementDefaultRulesOnlyWithAGroup) {
  const int ruled[] = {IDC_JQ_USER, IDC_JQ_PASSWORD,    IDC_JQ_TWO_TIER, IDC_JQ_URL_MODE,
                       IDC_JQ_ROOT, IDC_JQ_BROWSE_ROOT, IDC_JQ_DATA,     IDC_JQ_BROWSE_DATA,
                       IDC_JQ_URL,  IDC_JQ_TEMPLATE_METRIC, IDC_JQ_TEMPLATE_INCH};
  MpHostSettings(G::ExchangeAdapter)->setString("ZRV_USE_JQIN", "on");
  MpHostSettings(G::ExchangeAdapter)->setString("ZRV_JQ_MODE_TWO_TIER", "on");
  MpAppUiSettingsDlg::m_nStartDlg = 1;
  const std::string caption = MpGetResourceString(IDS_SETTINGS_CAPTION);
  {
    MpAppUiOptionsDlg sheet;
    sheet.addPages(nullptr);
    script.Sheet(caption, [&](HWND h) {
      HWND p = SheetPage(h);
      EXPECT_TRUE(Enabled(p, IDC_JQ_ROOT));
      Click(h, IDC_SETTINGS_DEFAULT);
      for (int id : ruled) EXPECT_FALSE(Enabled(p, id)) << "the reset switch rules: " << id;
      SheetCancel(h);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
  }
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpPmUtSettings));
  MpAppUiOptionsDlg sheet;
  sheet.addPages(nullptr);
  script.Sheet(caption, [&](HWND h) {
    HWND p = SheetPage(h);
    ASSERT_EQ(nullptr, static_cast<MpAppUiSettingsPage*>(sheet.GetActivePage())->settings());
    Click(h, IDC_SETTINGS_DEFAULT);
    for (int id : ruled) EXPECT_TRUE(Enabled(p, id)) << "no group, no rules after Default: " << id;
    Click(p, IDC_JQ_USE);
    EXPECT_TRUE(Enabled(p, IDC_JQ_USER));
    EXPECT_FALSE(Enabled(p, IDC_JQ_ROOT)) << "no mode chosen in the template";
    Click(p, IDC_JQ_USE);
    for (int id : ruled) EXPECT_FALSE(Enabled(p, id)) << "the switch rules without a group: " << id;
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  MpAppUiSettingsDlg::m_nStartDlg = 0;
}

// Option words are found and removed whole, added once; the loop prefix likewise, wherever it
// stands.
TEST(OptionString, WordsAreFoundAddedAndRemovedWhole) {
  struct Case {
    const char* before;
    const char* word;
    bool has;
    const char* added;
    const char* removed;
  };
  const Case cases[] = {
      {"", "A", false, "-A 1 ", ""},
      {"-AB 1 ", "A", false, "-AB 1 -A 1 ", "-AB 1 "},
      {"-A_X 1 -A 1 ", "A", true, "-A_X 1 -A 1 ", "-A_X 1 "},
      {"-A 1 -B 1 ", "A", true, "-A 1 -B 1 ", "-B 1 "},
      {"-B 1 -A", "A", true, "-B 1 -A", "-B 1 "},
      {"-A -B 1 ", "A", true, "-A -B 1 ", "-B 1 "},
      {"x-A 1 ", "A", false, "x-A 1 -A 1 ", "x-A 1 "},
      {"-B 2", "A", false, "-B 2 -A 1 ", "-B 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    EXPECT_EQ(c.has, MpAppUiHasOption(c.before, c.word));
    std::string s = c.before;
    EXPECT_EQ(!c.has, MpAppUiAddOption(s, c.word));
    EXPECT_EQ(c.added, s);
    s = c.before;
    EXPECT_EQ(c.has, MpAppUiRemoveOption(s, c.word));
    EXPECT_EQ(c.removed, s);
  }
  const std::string prefix = "-P 0 -Q 1";
  std::string s = "-A 1 ";
  EXPECT_TRUE(MpAppUiAddPrefix(s, prefix));
  EXPECT_FALSE(MpAppUiAddPrefix(s, prefix)) << "added only when absent";
  EXPECT_EQ("-A 1 -P 0 -Q 1 ", s);
  s = prefix + " -A 1 ";
  EXPECT_TRUE(MpAppUiRemovePrefix(s, prefix)) << "removed at the very start too";
  EXPECT_EQ("-A 1 ", s);
  EXPECT_FALSE(MpAppUiRemovePrefix(s, prefix));
}

// The output page on its own: option rows checked by whole words, the merge-cycle rows shown
// while their word is set, the loop prefix, and Default leaving no merge-cycle rows.
TEST_F(SettingsSheetTest, OutputPageComposesTheOptionString) {
  IMpOptions* group = MpHostSettings(G::Output);
  group->setString("rp_transform_apt_string", "-PP_MERGE_CYCLE_CHECK_TRANS_NOT 1 ");
  group->setString("rp_transform_apt", "on");
  group->setString("rp_explode_apt_loops", "on");
  group->setString("PP_MERGE_CYCLE_CHECK_MATRIX_NOT", "off");  // unchecked by the user once
  std::unique_ptr<CObject> object(RUNTIME_CLASS(MpAppUiOutputPage)->CreateObject());
  MpAppUiOutputPage* page = static_cast<MpAppUiOutputPage*>(object.get());
  CPropertySheet sheet("Output test");
  sheet.AddPage(page);
  script.Sheet("Output test", [&](HWND h) {
    HWND p = SheetPage(h);
    HWND list = List(p, IDC_OUT_OPTIONS);
    EXPECT_EQ(4, Rows(list)) << "the bare word is not set";
    EXPECT_TRUE(Enabled(p, IDC_OUT_OPTIONS));
    EXPECT_FALSE(Enabled(p, IDC_OUT_TRANSLATE_STRING));
    EXPECT_FALSE(RowChecked(p, IDC_OUT_OPTIONS, "PP_MERGE_CYCLE"));
    ClickRowBox(p, IDC_OUT_OPTIONS, "PP_MERGE_CYCLE");
    EXPECT_EQ(13, Rows(list));
    EXPECT_EQ("-PP_MERGE_CYCLE_CHECK_TRANS_NOT 1 -PP_MERGE_CYCLE 1 -PP_MERGE_CYCLE_IF_RTRCT1_EQ_CLRNCE 1 "
              "-PP_MERGE_CYCLE_IF_CLRNCE_EQ_RTRCT2 1 -PP_MERGE_CYCLE_IF_RTRCT2_EQ_RTRCT1 1 "
              "-PP_MERGE_CYCLE_CHECK_SELCTL_NOT 1 -PP_MERGE_CYCLE_CHECK_CUTCOM_LENGTH_NOT 1 "
              "-PP_MERGE_CYCLE_CHECK_CYCLE_PAR_NOT 1 -PP_MERGE_CYCLE_CHECK_PAR25D_NOT 1 ",
              Value(G::Output, "rp_transform_apt_string"))
        << "the merge conditions come with the merge cycle; one the user turned off stays off";
    EXPECT_TRUE(RowChecked(p, IDC_OUT_OPTIONS, "PP_MERGE_CYCLE_CHECK_TRANS_NOT"));
    ClickRowBox(p, IDC_OUT_OPTIONS, "APT_SCOPE_MODAL_TOOLNO");
    EXPECT_EQ("on", Value(G::Output, "APT_SCOPE_MODAL_TOOLNO"));
    ClickRowBox(p, IDC_OUT_OPTIONS, "PP_MERGE_CYCLE");
    EXPECT_EQ(4, Rows(list));
    EXPECT_EQ("-APT_SCOPE_MODAL_TOOLNO 1 ", Value(G::Output, "rp_transform_apt_string"));
    Click(p, IDC_OUT_EXPLODE_LOOPS);  // now checked: loops kept, no prefix to remove
    Click(p, IDC_OUT_EXPLODE_LOOPS);
    Click(p, IDC_OUT_EXPLODE_LOOPS);
    Click(p, IDC_OUT_EXPLODE_LOOPS);
    EXPECT_EQ("on", Value(G::Output, "rp_explode_apt_loops"));
    EXPECT_EQ("-APT_SCOPE_MODAL_TOOLNO 1 -PP_LOOP_TECHNIQUE 0 -APT_TRANSFORM_PARAMETER_TO_VALUE 1 ",
              Value(G::Output, "rp_transform_apt_string")) << "the prefix is added once";
    group->setString("PP_MERGE_CYCLE", "on");
    ClickRowBox(p, IDC_OUT_OPTIONS, "PP_MERGE_CYCLE");
    page->restoreDefaults();
    EXPECT_EQ(4, Rows(list));
    EXPECT_EQ(MpHostSettingsDefaults(G::Output).at("rp_transform_apt_string"),
              Value(G::Output, "rp_transform_apt_string"));
    EXPECT_TRUE(RowChecked(p, IDC_OUT_OPTIONS, "APT_SCOPE_MODAL_OPNAME"));
    SheetOK(h);
  });
  EXPECT_EQ(IDOK, sheet.DoModal());
}

// A password that cannot be enciphered is not stored: the stored one stays, and the failure is
// logged as an error.
class CipherlessPage : public MpAppUiExchangeAdpaterJQINPage {
 protected:
  void encipherPassword(std::string& text) override { text.clear(); }
};

TEST_F(SettingsSheetTest, DataManagementPasswordThatCannotBeEncipheredIsNotStored) {
  std::string earlier = "old";
  MpEncrypt("DWB_FO_LANTERNFISH", earlier);
  MpHostSettings(G::ExchangeAdapter)->setString("DWB_FO_LANTERNFISH", earlier);
  MpHostSettings(G::ExchangeAdapter)->setString("ZRV_USE_JQIN", "on");
  CipherlessPage page;
  CPropertySheet sheet("Cipher test");
  sheet.AddPage(&page);
  script.Sheet("Cipher test", [&](HWND h) {
    HWND p = SheetPage(h);
    EXPECT_EQ("old", Text(p, IDC_JQ_PASSWORD));
    Focus(p, IDC_JQ_PASSWORD);
    Focus(p, IDC_JQ_USER);
    EXPECT_TRUE(Logs().empty()) << "an unchanged password is not enciphered again";
    TypeAndLeave(p, IDC_JQ_PASSWORD, "new");
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
  EXPECT_EQ(earlier, Value(G::ExchangeAdapter, "DWB_FO_LANTERNFISH"));
  const std::vector<MpLogRecord> logs = Logs();
  ASSERT_EQ(1u, logs.size());
  EXPECT_EQ(400, logs[0].severity);
  EXPECT_EQ(0, logs[0].flag);
  EXPECT_EQ("MpAppUiExchangeAdpaterJQINPage - the password could not be enciphered and was not stored",
            logs[0].message);
  EXPECT_EQ(std::string::npos, logs[0].message.find("new"));
}

// A row whose mark turns outside the selection is stored all the same: the space bar after a
// Ctrl+click took the row out of the selection, and a mark set on an unselected row.
TEST_F(SettingsSheetTest, OutputPageStoresEveryRowWhoseMarkChanged) {
  std::unique_ptr<CObject> object(RUNTIME_CLASS(MpAppUiOutputPage)->CreateObject());
  MpAppUiOutputPage* page = static_cast<MpAppUiOutputPage*>(object.get());
  MpHostSettings(G::Output)->setString("rp_transform_apt", "on");
  CPropertySheet sheet("Output test");
  sheet.AddPage(page);
  script.Sheet("Output test", [&](HWND h) {
    HWND p = SheetPage(h);
    HWND list = List(p, IDC_OUT_OPTIONS);
    const int toolNo = FindRow(list, "APT_SCOPE_MODAL_TOOLNO"), origin = FindRow(list, "APT_SCOPE_MODAL_ORIGIN");
    ::SetFocus(list);
    ::SendMessageA(list, LB_SETSEL, TRUE, toolNo);
    ::SendMessageA(list, LB_SETSEL, TRUE, origin);
    ::SendMessageA(list, LB_SETSEL, FALSE, origin);  // Ctrl+click: out of the selection again
    ::SendMessageA(list, LB_SETCARETINDEX, origin, 0);
    ::SendMessageA(list, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(list, WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(RowChecked(p, IDC_OUT_OPTIONS, "APT_SCOPE_MODAL_ORIGIN"));
    EXPECT_EQ("on", Value(G::Output, "APT_SCOPE_MODAL_ORIGIN"));
    EXPECT_EQ("-APT_SCOPE_MODAL_OPNAME 1 -APT_SCOPE_MODAL_ORIGIN 1 ", Value(G::Output, "rp_transform_apt_string"));

    ::SendMessageA(list, LB_SETSEL, FALSE, -1);
    CCheckListBox* box = static_cast<CCheckListBox*>(CWnd::FromHandlePermanent(list));
    box->SetCheck(FindRow(list, "APT_SCOPE_MODAL_OPNAME"), 0);
    ::SendMessageA(p, WM_COMMAND, MAKEWPARAM(IDC_OUT_OPTIONS, CLBN_CHKCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ("off", Value(G::Output, "APT_SCOPE_MODAL_OPNAME"));
    EXPECT_EQ("-APT_SCOPE_MODAL_ORIGIN 1 ", Value(G::Output, "rp_transform_apt_string"));
    EXPECT_EQ("off", Value(G::Output, "APT_SCOPE_MODAL_TOOLNO")) << "a row whose mark did not change is not written";
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
}

// Without the settings service the pages hold no group: the operation, sequencing and
// optimisation pages can be left as any other (their fields show the template's empty or zero
// values), and neither sheet commits anything.
TEST_F(SettingsSheetTest, WithoutTheServiceNothingIsCommitted) {
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpPmUtSettings));
  const std::string caption = MpGetResourceString(IDS_SETTINGS_CAPTION);
  MpAppUiSettingsDlg::m_nStartDlg = 4;
  {
    MpAppUiSettingsDlg sheet;
    sheet.addPages(nullptr);
    script.Sheet(caption, [&](HWND h) {
      for (int next = 5; next <= 7; ++next) {
        SheetSelectPage(h, next);
        EXPECT_EQ(next, sheet.GetActiveIndex()) << "page " << next - 1 << " could be left";
      }
      SheetOK(h);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    sheet.save();
  }
  MpAppUiSettingsDlg::m_nStartDlg = 0;
  {
    MpAppUiOptionsDlg sheet;
    sheet.addPages(nullptr);
    script.Sheet(caption, [&](HWND h) {
      TypeAndLeave(SheetPage(h), IDC_ZRV_SETUP_TEMPLATE, "lost");
      SheetOK(h);
    });
    EXPECT_EQ(IDOK, sheet.DoModal());
    sheet.save();
  }
  for (int i = 0; i < MpHostSettingsGroupCount; ++i) EXPECT_EQ(0, MpHostCommitCount(static_cast<G>(i)));
  EXPECT_TRUE(Logs().empty());
}

}  // namespace
