// The task sheet: choosing the page by task name, the getters, reference counts, refusals.
#include "wizard_test.h"

using namespace AfxScript;

namespace {

using OptionsWizardTest = WizardTest;

TEST_F(OptionsWizardTest, NamesMatchExactlyAndAnUnknownNameIsLoggedAndAddsNothing) {
  for (const char* name : {"Find ", "find", "", "Unknown", "DesignChanges"}) {
    SCOPED_TRACE(name);
    MpResetLogger();
    MpAppUiOptionsWizard sheet;
    std::string task = name;
    MpZulSmartList selection;
    EXPECT_FALSE(sheet.init(task, selection, nullptr));
    EXPECT_EQ(sheet.GetPageCount(), 0);
    EXPECT_NE(sheet.m_psh.dwFlags & PSH_NOAPPLYNOW, 0u) << "Apply is switched off before the name is looked at";
    const std::vector<MpLogRecord> log = Logged();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].severity, 100);
    EXPECT_EQ(log[0].flag, 1);
    EXPECT_EQ(log[0].message, std::string("MpAppUiOptionsWizard - invalid task ") + name);
    EXPECT_EQ(log[0].sourceFile, "MpAppUiOptionsWizard.cpp");
    EXPECT_EQ(log[0].line, 243);

    EXPECT_EQ(sheet.getOptions(), nullptr);
    MpSmartList none;
    EXPECT_FALSE(sheet.getOptions(none));
    EXPECT_TRUE(none.empty());
    // A list that already holds something stays non-empty.
    IMpOptions* other = Bag();
    MpSmartList some;
    some.push_back(other, false);
    EXPECT_TRUE(sheet.getOptions(some));
    EXPECT_EQ(some.size(), 1u);
    // Nothing to show: no window comes up (the script would fail on one).
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  }
}

TEST_F(OptionsWizardTest, APresetIsTheVeryBagBothGettersHandBack) {
  IMpOptions* preset = Bag({{"Name", "Depth"}});
  {
    MpAppUiOptionsWizard sheet;
    std::string task = "RuleConstant";
    MpZulSmartList selection;
    ASSERT_TRUE(sheet.init(task, selection, preset));
    EXPECT_EQ(sheet.GetPageCount(), 1);
    EXPECT_EQ(MpHostRefCount(preset), 2) << "the page shares the preset";

    IMpOptions* got = sheet.getOptions();
    EXPECT_EQ(got, preset);
    EXPECT_EQ(MpHostRefCount(preset), 3) << "one reference for the caller";
    EXPECT_EQ(got->getString("Name"), "Depth") << "a preset is not seeded over";
    EXPECT_TRUE(MpHostOptionsOf(got)->hasString("Name"));
    EXPECT_FALSE(MpHostOptionsOf(got)->hasString("Default"));
    got->Release();

    MpSmartList list;
    EXPECT_TRUE(sheet.getOptions(list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front(), preset);
    EXPECT_EQ(MpHostRefCount(preset), 3) << "the list holds exactly one reference";
    list.clear();
    EXPECT_EQ(MpHostRefCount(preset), 2);
  }
  EXPECT_EQ(MpHostRefCount(preset), 1) << "the page let its reference go with the sheet";
  preset->Release();
}

TEST_F(OptionsWizardTest, WithoutAPresetEachPageMakesAndSeedsItsOwnBag) {
  MpSmartList bags;
  {
    MpAppUiOptionsWizard constantSheet, findSheet;
    std::string constant = "RuleConstant", find = "Find";
    MpZulSmartList selection;
    ASSERT_TRUE(constantSheet.init(constant, selection, nullptr));
    ASSERT_TRUE(findSheet.init(find, selection, nullptr));
    EXPECT_TRUE(constantSheet.getOptions(bags));
    EXPECT_TRUE(findSheet.getOptions(bags));
  }
  ASSERT_EQ(bags.size(), 2u);
  auto it = bags.begin();
  IMpOptions* constantBag = static_cast<IMpOptions*>(*it++);
  IMpOptions* findBag = static_cast<IMpOptions*>(*it);
  EXPECT_EQ(MpHostRefCount(constantBag), 1) << "the list's reference is the last one";
  EXPECT_EQ(MpHostOptionsKeys(constantBag),
            (std::vector<std::string>{"Default", "Explantion", "Factor", "Name", "Type"}));
  for (const std::string& key : MpHostOptionsKeys(constantBag)) EXPECT_EQ(constantBag->getString(key), "");
  EXPECT_EQ(MpHostOptionsText(findBag), "FindString = \"\"\n");
}

TEST_F(OptionsWizardTest, ASecondInitAddsNothingAndIsLogged) {
  IMpOptions* first = Bag();
  IMpOptions* second = Bag();
  {
    MpAppUiOptionsWizard sheet;
    std::string find = "Find", constant = "RuleConstant";
    MpZulSmartList selection;
    ASSERT_TRUE(sheet.init(find, selection, first));
    MpResetLogger();
    EXPECT_FALSE(sheet.init(constant, selection, second));
    EXPECT_FALSE(sheet.init(find, selection, second));
    EXPECT_EQ(sheet.GetPageCount(), 1);
    EXPECT_EQ(MpHostRefCount(second), 1) << "the refused preset was not taken";
    const std::vector<MpLogRecord> log = Logged();
    ASSERT_EQ(log.size(), 2u);
    for (const MpLogRecord& r : log) {
      EXPECT_EQ(r.severity, 100);
      EXPECT_EQ(r.flag, 1);
      EXPECT_EQ(r.sourceFile, "MpAppUiOptionsWizard.cpp");
    }
    EXPECT_NE(log[0].message.find("RuleConstant"), std::string::npos) << log[0].message;
    // The getters still answer for the first task.
    IMpOptions* got = sheet.getOptions();
    EXPECT_EQ(got, first);
    if (got) got->Release();
  }
  first->Release();
  second->Release();
}

TEST_F(OptionsWizardTest, TheDataObjectFormKeepsTheDataObjectWhileTheSheetLives) {
  MpHostData* data = MpHostData::create();
  IMpOptions* preset = Bag();
  {
    MpAppUiOptionsWizard sheet;
    std::string task = "Find";
    ASSERT_TRUE(sheet.init(task, data, preset));
    EXPECT_EQ(MpHostRefCount(data), 2);
    IMpOptions* got = sheet.getOptions();
    EXPECT_EQ(got, preset);
    if (got) got->Release();
    // A second call, in either form, neither takes a new data object nor adds a page.
    MpHostData* other = MpHostData::create();
    EXPECT_FALSE(sheet.init(task, other, nullptr));
    EXPECT_EQ(MpHostRefCount(other), 1);
    EXPECT_EQ(sheet.GetPageCount(), 1);
    other->Release();
  }
  EXPECT_EQ(MpHostRefCount(data), 1);
  data->Release();
  preset->Release();
}

TEST_F(OptionsWizardTest, TheSheetShowsTheTaskPageWithoutApply) {
  MpAppUiOptionsWizard sheet;
  std::string task = "Find";
  MpZulSmartList selection;
  IMpOptions* preset = Bag({{"FindString", "Drill"}});
  ASSERT_TRUE(sheet.init(task, selection, preset));
  bool applyShown = true;
  int pages = 0;
  script.Sheet(Caption(), [&](HWND h) {
    HWND apply = ::GetDlgItem(h, 0x3021);
    applyShown = apply && ::IsWindowVisible(apply);
    pages = sheet.GetPageCount();
    SheetCancel(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_FALSE(applyShown);
  EXPECT_EQ(pages, 1);
  EXPECT_EQ(preset->getString("FindString"), "Drill") << "Cancel writes nothing";
  preset->Release();
}

}  // namespace
