// The task sheet: choosing the page by task name, the getters, reference counts, refusals.
#include "MpHostData.h"
#include "wizard_test.h"

using namespace AfxScript;

namespace {

using OptionsWizardTest = WizardTest;

TEST_F(OptionsWizardTest, NamesMatchExactlyAndAnUnknownNameIsLoggedAndAddsNothing) {
  for (const char* name : {"Find ", "find", "", "Design Changes"}) {
    SCOPED_TRACE(name);
    ClearLogs();
    MpAppUiOptionsWizard sheet;
    EXPECT_FALSE(Init(sheet, name, nullptr));
    EXPECT_EQ(sheet.GetPageCount(), 0);
    EXPECT_NE(sheet.m_psh.dwFlags & PSH_NOAPPLYNOW, 0u) << "Apply is switched off before the name is looked at";
    const std::vector<MpLogRecord> log = Logs();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].severity, 100);
    EXPECT_EQ(log[0].flag, 1);
    EXPECT_EQ(log[0].message, std::string("MpAppUiOptionsWizard - invalid task ") + name);
    EXPECT_EQ(log[0].sourceFile, "MpAppUiOptionsWizard.cpp");
    EXPECT_EQ(log[0].line, 243);

    EXPECT_EQ(sheet.getOptions(), nullptr);
    MpSmartList some;
    EXPECT_FALSE(sheet.getOptions(some));
    some.push_back(Bag(), false);
    EXPECT_TRUE(sheet.getOptions(some)) << "a list that already holds something stays non-empty";
    EXPECT_EQ(some.size(), 1u);
    EXPECT_EQ(sheet.DoModal(), IDCANCEL) << "nothing to show: no window comes up";
  }
}

TEST_F(OptionsWizardTest, APresetIsTheVeryBagBothGettersHandBack) {
  IMpOptions* preset = Bag({{"Name", "Depth"}});
  {
    MpAppUiOptionsWizard sheet;
    ASSERT_TRUE(Init(sheet, "RuleConstant", preset));
    EXPECT_EQ(MpHostRefCount(preset), 2) << "the page shares the preset";
    IMpOptions* got = sheet.getOptions();
    EXPECT_EQ(got, preset);
    EXPECT_EQ(MpHostRefCount(preset), 3) << "one reference for the caller";
    EXPECT_EQ(MpHostOptionsKeys(got), std::vector<std::string>{"Name"}) << "a preset is not seeded over";
    got->Release();

    MpSmartList list;
    EXPECT_TRUE(sheet.getOptions(list));
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list.front(), preset);
    EXPECT_EQ(MpHostRefCount(preset), 3) << "the list holds exactly one reference";
  }
  EXPECT_EQ(MpHostRefCount(preset), 1) << "the page let its reference go with the sheet";
  preset->Release();
}

TEST_F(OptionsWizardTest, WithoutAPresetEachPageMakesAndSeedsItsOwnBag) {
  MpSmartList bags;
  {
    MpAppUiOptionsWizard constantSheet, findSheet;
    ASSERT_TRUE(Init(constantSheet, "RuleConstant", nullptr));
    ASSERT_TRUE(Init(findSheet, "Find", nullptr));
    EXPECT_TRUE(constantSheet.getOptions(bags));
    EXPECT_TRUE(findSheet.getOptions(bags));
  }
  ASSERT_EQ(bags.size(), 2u);
  IMpOptions* constantBag = static_cast<IMpOptions*>(bags.front());
  EXPECT_EQ(MpHostRefCount(constantBag), 1) << "the list's reference is the last one";
  EXPECT_EQ(MpHostOptionsText(constantBag),
            "Default = \"\"\nExplantion = \"\"\nFactor = \"\"\nName = \"\"\nType = \"\"\n");
  EXPECT_EQ(MpHostOptionsText(static_cast<IMpOptions*>(*std::next(bags.begin()))), "FindString = \"\"\n");
}

TEST_F(OptionsWizardTest, ASecondInitInEitherFormAddsNothingTakesNothingAndIsLogged) {
  IMpData* data = MpHostData::create();
  IMpData* otherData = MpHostData::create();
  IMpOptions* first = Bag();
  IMpOptions* second = Bag();
  {
    MpAppUiOptionsWizard sheet;
    std::string find = "Find", constant = "RuleConstant";
    MpZulSmartList selection;
    ASSERT_TRUE(sheet.init(find, data, first));
    EXPECT_EQ(MpHostRefCount(data), 2) << "the sheet keeps the data object while it lives";
    ClearLogs();
    EXPECT_FALSE(sheet.init(constant, selection, second));
    EXPECT_FALSE(sheet.init(find, selection, second));
    EXPECT_FALSE(sheet.init(find, otherData, nullptr));
    EXPECT_EQ(sheet.GetPageCount(), 1);
    EXPECT_EQ(MpHostRefCount(second), 1) << "the refused preset was not taken";
    EXPECT_EQ(MpHostRefCount(otherData), 1) << "nor the refused data object";
    const std::vector<MpLogRecord> log = Logs();
    ASSERT_EQ(log.size(), 3u);
    for (const MpLogRecord& r : log) EXPECT_EQ(r.severity * 10 + r.flag, 1001) << r.message;
    EXPECT_NE(log[0].message.find("RuleConstant"), std::string::npos) << log[0].message;
    IMpOptions* got = sheet.getOptions();
    EXPECT_EQ(got, first) << "the getters still answer for the first task";
    if (got) got->Release();
  }
  EXPECT_EQ(MpHostRefCount(data), 1);
  for (IUnknown* object : std::initializer_list<IUnknown*>{data, otherData, first, second}) object->Release();
}

// Without the host's bag class neither page gets a bag: the find page cannot be left, the
// rule-constant page lets the user go.
TEST_F(OptionsWizardTest, WithoutABagFindKeepsThePageAndRuleConstantLetsTheUserGo) {
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpOptions));
  MpAppUiOptionsWizard find;
  EXPECT_TRUE(Init(find, "Find", nullptr)) << "the page reports success all the same";
  EXPECT_EQ(find.getOptions(), nullptr);
  HWND firstPage = nullptr;
  script
      .Sheet(Caption(), [&](HWND h) {
        firstPage = SheetPage(h);
        Type(firstPage, IDC_FIND_TEXT, "Mill");
        SheetOK(h);
      })
      .Sheet(Caption(), [&](HWND h) {
        EXPECT_EQ(SheetPage(h), firstPage);
        SheetCancel(h);
      });
  EXPECT_EQ(find.DoModal(), IDCANCEL);
  EXPECT_TRUE(script.profileWrites.empty());

  MpAppUiOptionsWizard constant;
  EXPECT_TRUE(Init(constant, "RuleConstant", nullptr));
  script.Sheet(Caption(), [&](HWND h) { SheetOK(h); });
  EXPECT_EQ(constant.DoModal(), IDOK);
  EXPECT_TRUE(script.boxes.empty());
  EXPECT_EQ(constant.getOptions(), nullptr);
}

}  // namespace
