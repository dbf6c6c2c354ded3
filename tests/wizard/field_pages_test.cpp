// The set-field and grouping pages over the sample holes: field names offered once, the value
// the selected objects share, the prototype box, and the grouping criteria moved between lists.
#include "thread_locale.h"
#include "wizard_test.h"

using namespace AfxScript;
using wdtest::Chosen;

namespace {

class FieldPagesTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    m_data = MpHostCreateSampleData();
  }
  void TearDown() override {
    m_data->Release();
    WizardTest::TearDown();
  }
  static void Pick(HWND page, int listId, const char* text) {
    const int index =
        (int)::SendDlgItemMessageA(page, listId, LB_FINDSTRINGEXACT, (WPARAM)-1, reinterpret_cast<LPARAM>(text));
    ASSERT_GE(index, 0) << text;
    ::SendDlgItemMessageA(page, listId, LB_SETCURSEL, index, 0);
  }
  // The value the set-field page shows for the field of the one object; the sheet is cancelled.
  std::string ShownValue(const char* object, const char* field) {
    MpAppUiOptionsWizard sheet;
    MpZulSmartList selection = Select(m_data, {object});
    std::string task = "SetField";
    EXPECT_TRUE(sheet.init(task, selection, nullptr));
    std::string value = "?";
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      EXPECT_TRUE(ChooseComboText(page, IDC_SET_FIELD_NAME, field));
      value = Text(page, IDC_SET_FIELD_VALUE);
      SheetCancel(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    return value;
  }
  MpHostData* m_data = nullptr;
};

TEST_F(FieldPagesTest, SetFieldShowsTheSharedValueAndKeepsItsChoiceOnlyWhileOffered) {
  MpAppUiOptionsWizard sheet;
  MpZulSmartList selection = Select(m_data, {"Hole 1", "Hole 2"});
  std::string task = "SetField";
  IMpOptions* preset = Bag();
  ASSERT_TRUE(sheet.init(task, selection, preset));
  std::vector<std::string> names, namesWithoutPrototypes, tolerances;
  std::string diameter = "?", depth = "?", tolerance, afterUntick = "?";
  script
      .Sheet(Caption(), [&](HWND h) {
        HWND page = SheetPage(h);
        names = Entries(page, IDC_SET_FIELD_NAME);
        ASSERT_TRUE(ChooseComboText(page, IDC_SET_FIELD_NAME, "Diameter"));
        diameter = Text(page, IDC_SET_FIELD_VALUE);
        ASSERT_TRUE(ChooseComboText(page, IDC_SET_FIELD_NAME, "Depth"));
        depth = Text(page, IDC_SET_FIELD_VALUE);
        ASSERT_TRUE(ChooseComboText(page, IDC_SET_FIELD_NAME, "Tolerance"));
        tolerance = Text(page, IDC_SET_FIELD_VALUE);
        tolerances = Entries(page, IDC_SET_FIELD_VALUE);
        ::SendDlgItemMessageA(page, IDC_SET_FIELD_VALUE, CB_SHOWDROPDOWN, FALSE, 0);
        Click(page, IDC_SET_FIELD_PROTOTYPE);  // the prototype's field goes, and with it the choice
        namesWithoutPrototypes = Entries(page, IDC_SET_FIELD_NAME);
        afterUntick = Chosen(page, IDC_SET_FIELD_NAME);
        SheetOK(h);
      })
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) {
        HWND page = SheetPage(h);
        ASSERT_TRUE(ChooseComboText(page, IDC_SET_FIELD_NAME, "Through"));
        Click(page, IDC_SET_FIELD_PROTOTYPE);  // still offered: stays chosen
        EXPECT_EQ(Chosen(page, IDC_SET_FIELD_NAME), "Through");
        EXPECT_EQ(Text(page, IDC_SET_FIELD_VALUE), "yes");
        SheetOK(h);
      });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(names, (std::vector<std::string>{"Name", "Prototype", "Diameter", "Depth", "Through", "Tolerance"}));
  EXPECT_EQ(diameter, "8.5");
  EXPECT_EQ(depth, "") << "the holes disagree";
  EXPECT_EQ(tolerance, "fine") << "from the prototype";
  EXPECT_EQ(tolerances, (std::vector<std::string>{"fine", "medium", "coarse"}));
  EXPECT_EQ(namesWithoutPrototypes, (std::vector<std::string>{"Name", "Prototype", "Diameter", "Depth", "Through"}));
  EXPECT_EQ(afterUntick, "");
  EXPECT_EQ(Boxes(), (std::vector<std::pair<std::string, UINT>>{{Message(IDS_TASK_NAME_EMPTY), (UINT)MB_ICONERROR}}));

  EXPECT_EQ(sheet.getOptions(), nullptr) << "read through the list form only";
  MpSmartList bags;
  ASSERT_TRUE(sheet.getOptions(bags));
  IMpOptions* bag = static_cast<IMpOptions*>(bags.front());
  EXPECT_NE(bag, preset);
  EXPECT_EQ(MpHostRefCount(bag), 2) << "the page's and the list's";
  EXPECT_EQ(MpHostOptionsText(bag),
            "SetFieldDepth = \"off\"\nSetFieldName = \"Through\"\nSetFieldPrototype = \"on\"\n"
            "SetFieldValue = \"yes\"\n");
  EXPECT_EQ(MpHostOptionsText(preset), "");
  preset->Release();
}

// A value the host hands out as an array of doubles shows its first number, as "%lf" writes it.
TEST_F(FieldPagesTest, SetFieldShowsTheFirstNumberOfADoubleArray) {
  EXPECT_EQ(ShownValue("Top face", "Allowances"), "2.500000");
}

// The value text is 8-bit text of the thread's code page: the host holds the euro sign (0x80 in
// the system's code page 1252), which a Russian thread writes as 0x88.
TEST_F(FieldPagesTest, SetFieldShowsTheValueInTheThreadsCodePage) {
  ASSERT_TRUE(m_data->node(m_data->find("", "Hole 1"))->setField("Name", "Hole \x80"));
  wdtest::RussianThread russian;
  if (!russian.ready()) GTEST_SKIP() << "no Russian thread on a code-page-1252 system";
  EXPECT_EQ(ShownValue("Hole \x80", "Name"), "Hole \x88");
}

TEST_F(FieldPagesTest, GroupingOffersEachFieldOnceAndMovesTheCriteria) {
  IMpOptions* preset = Bag({{"GrpType", "any"}});
  preset->setBool("GrpGrouping", true);
  preset->setStringList("GrpClasses", {"Hole", "Pocket", "NoSuchClass"});
  preset->setStringList("GrpClassesReorder", {"Slot"});
  preset->setStringList("GrpSelected", {"Depth"});
  std::vector<std::string> classes, candidates, reorderClasses, slotCandidates, chosen;
  bool upShown = false;
  {
    MpAppUiOptionsWizard sheet;
    std::string task = "GroupingCommand";
    ASSERT_TRUE(sheet.init(task, static_cast<IMpData*>(m_data), preset));
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      classes = Entries(page, IDC_GROUPING_CLASS);
      candidates = Entries(page, IDC_GROUPING_CANDIDATES, true);
      upShown = ::IsWindowVisible(::GetDlgItem(page, IDC_GROUPING_UP)) != FALSE;
      Pick(page, IDC_GROUPING_CANDIDATES, "CLASS");
      Click(page, IDC_GROUPING_ADD);
      Pick(page, IDC_GROUPING_CANDIDATES, "Diameter");
      Pick(page, IDC_GROUPING_CHOSEN, "Depth");
      Click(page, IDC_GROUPING_ADD);  // before the selected criterion
      Pick(page, IDC_GROUPING_CHOSEN, "CLASS");
      Click(page, IDC_GROUPING_UP);
      Pick(page, IDC_GROUPING_CHOSEN, "Depth");
      Click(page, IDC_GROUPING_DOWN);  // the last one: nothing moves
      Click(page, IDC_GROUPING_REORDER);
      reorderClasses = Entries(page, IDC_GROUPING_CLASS);
      slotCandidates = Entries(page, IDC_GROUPING_CANDIDATES, true);
      chosen = Entries(page, IDC_GROUPING_CHOSEN, true);
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    MpSmartList none;
    EXPECT_FALSE(sheet.getOptions(none)) << "read through getOptions() only";
    IMpOptions* got = sheet.getOptions();
    EXPECT_EQ(got, preset);
    got->Release();
  }
  EXPECT_EQ(classes, (std::vector<std::string>{Message(IDS_GROUPING_ALL_CLASSES), "Hole", "Pocket", "NoSuchClass"}));
  EXPECT_TRUE(upShown);
  EXPECT_EQ(candidates, (std::vector<std::string>{"CLASS", "ORIENTATION", "Name", "Prototype", "Diameter", "Through",
                                                  "Length", "Width", "CornerRadius"}));
  EXPECT_EQ(reorderClasses, (std::vector<std::string>{"Slot"}));
  EXPECT_EQ(slotCandidates, (std::vector<std::string>{"CLASS", "ORIENTATION", "Name", "Prototype", "Length", "Width"}))
      << "CLASS stays offered; chosen fields do not";
  EXPECT_EQ(chosen, (std::vector<std::string>{"Diameter", "CLASS", "Depth"}));
  EXPECT_EQ(preset->getStringList("GrpSelected"), chosen);
  EXPECT_TRUE(preset->getBool("GrpReorderChildren"));
  preset->Release();
}

TEST_F(FieldPagesTest, GroupingInSingleFieldModeReplacesTheCriterionAndWithoutAPresetHasNoBag) {
  IMpOptions* preset = Bag({{"GrpType", "GrpDouble"}});
  preset->setBool("GrpSingleField", true);
  preset->setStringList("GrpClasses", {"Hole"});
  std::string tab;
  std::vector<std::string> candidates, chosen;
  bool upShown = true;
  {
    MpAppUiOptionsWizard sheet;
    std::string task = "GroupingCommand";
    MpZulSmartList selection = Select(m_data, {"Hole 1"});
    ASSERT_TRUE(sheet.init(task, selection, preset));
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      tab = Tab(h, 0);
      upShown = ::IsWindowVisible(::GetDlgItem(page, IDC_GROUPING_UP)) != FALSE;
      candidates = Entries(page, IDC_GROUPING_CANDIDATES, true);
      Pick(page, IDC_GROUPING_CANDIDATES, "Diameter");
      Click(page, IDC_GROUPING_ADD);
      Pick(page, IDC_GROUPING_CANDIDATES, "Depth");
      Click(page, IDC_GROUPING_ADD);
      chosen = Entries(page, IDC_GROUPING_CHOSEN, true);
      EXPECT_EQ(Entries(page, IDC_GROUPING_CANDIDATES, true), (std::vector<std::string>{"Diameter"}));
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
  }
  EXPECT_EQ(tab, Message(IDS_GROUPING_TAB_SINGLE));
  EXPECT_FALSE(upShown);
  EXPECT_EQ(candidates, (std::vector<std::string>{"Diameter", "Depth"})) << "single doubles only";
  EXPECT_EQ(chosen, (std::vector<std::string>{"Depth"}));
  EXPECT_FALSE(preset->getBool("GrpReorderChildren"));
  preset->Release();

  MpAppUiOptionsWizard bagless;
  EXPECT_FALSE(Init(bagless, "GroupingCommand", nullptr));
  EXPECT_EQ(bagless.getOptions(), nullptr);
  script.Sheet(Caption(), [&](HWND h) {
    // Every handler of the page, with nothing to work on: none acts.
    HWND page = SheetPage(h);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_GROUPING_CLASS, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(page, IDC_GROUPING_CLASS)));
    for (int button : {IDC_GROUPING_ADD, IDC_GROUPING_REMOVE, IDC_GROUPING_UP, IDC_GROUPING_DOWN, IDC_GROUPING_REORDER})
      Click(page, button);
    EXPECT_TRUE(Entries(page, IDC_GROUPING_CANDIDATES, true).empty());
    EXPECT_TRUE(Entries(page, IDC_GROUPING_CHOSEN, true).empty());
    SheetOK(h);
  });
  EXPECT_EQ(bagless.DoModal(), IDOK) << "nothing to write: the user may go";
}

}  // namespace
