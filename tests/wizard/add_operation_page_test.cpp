// The six add-operation pages over a sample hole: the choosers from the host, the numbered tabs,
// set-ups found by their entry's position, a tool of another set-up dropped, and six bags.
#include "wizard_test.h"

using namespace AfxScript;
using wdtest::Chosen;

namespace {

using AddOperationPageTest = WizardTest;

TEST_F(AddOperationPageTest, SixNumberedPagesOfferTheHostsChoicesAndFillSixBags) {
  MpHostData* data = MpHostCreateSampleData();
  auto id = [&](const char* cls, const char* name) { return std::to_string(data->find(cls, name).objectId); };
  IMpOptions* preset = Bag({{"OperationName", "old"}});
  std::vector<std::vector<std::string>> entries;
  std::vector<std::string> chosen, tabs, afterSetupChange;
  std::string keysWhenShown, toolAfterSetupChange = "?";
  MpSmartList bags;
  {
    MpAppUiOptionsWizard sheet;
    MpZulSmartList selection = Select(data, {"Hole 1"});
    std::string task = "AddOperation";
    ASSERT_TRUE(sheet.init(task, selection, preset));
    EXPECT_EQ(sheet.GetPageCount(), 6);
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      for (int control : {IDC_ADD_OPERATION_PROTOTYPE, IDC_ADD_OPERATION_SETUP, IDC_ADD_OPERATION_TOOL,
                          IDC_ADD_OPERATION_FEATURE_CLASS}) {
        entries.push_back(Entries(page, control));
        chosen.push_back(Chosen(page, control));
      }
      tabs.push_back(Tab(h, 0));
      keysWhenShown = MpHostOptionsText(preset);
      Type(page, IDC_ADD_OPERATION_NAME, "Drill it");
      ASSERT_TRUE(ChooseComboText(page, IDC_ADD_OPERATION_PROTOTYPE, "Drilling"));
      tabs.push_back(Tab(h, 0));
      ASSERT_TRUE(ChooseComboText(page, IDC_ADD_OPERATION_TOOL, "End mill 10 long"));
      ASSERT_TRUE(ChooseComboText(page, IDC_ADD_OPERATION_SETUP, "Setup 2"));
      afterSetupChange = Entries(page, IDC_ADD_OPERATION_TOOL);
      toolAfterSetupChange = Chosen(page, IDC_ADD_OPERATION_TOOL);
      ASSERT_TRUE(ChooseComboText(page, IDC_ADD_OPERATION_FEATURE_CLASS, "Pocket"));
      SheetSelectPage(h, 3);
      tabs.push_back(Tab(h, 3));
      tabs.push_back(Tab(h, 1));
      Type(SheetPage(h), IDC_ADD_OPERATION_NAME, "Mill it");
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(sheet.getOptions(), nullptr) << "six bags: the list form only";
    EXPECT_TRUE(sheet.getOptions(bags));
  }
  const std::vector<std::vector<std::string>> expectedEntries = {
      {"Drilling", "Milling"}, {"Setup 1", "Setup 2", ""}, {"Drill 8.5 short", "End mill 10 long"},
      {"Hole", "Hole pattern", "Pocket"}};
  EXPECT_EQ(entries, expectedEntries);
  EXPECT_EQ(chosen, (std::vector<std::string>{"", "Setup 1", "", "Hole"})) << "the feature's own, found exactly";
  EXPECT_EQ(keysWhenShown, "OperationName = \"old\"\n") << "what is shown first is not written; a preset is not seeded";
  EXPECT_EQ(tabs, (std::vector<std::string>{"1. Operation", "1. Drilling", "4. Operation", "Operation"}));
  EXPECT_EQ(afterSetupChange, (std::vector<std::string>{"Face mill 63", "End mill 10 long"}));
  EXPECT_EQ(toolAfterSetupChange, "") << "the first set-up's tool is no tool of the second";

  ASSERT_EQ(bags.size(), 6u);
  std::vector<std::string> texts;
  for (IUnknown* bag : bags) {
    texts.push_back(MpHostOptionsText(static_cast<IMpOptions*>(bag)));
    EXPECT_EQ(MpHostRefCount(bag), bag == preset ? 2 : 1) << "the list's reference, and the test's for the preset";
  }
  EXPECT_EQ(bags.front(), preset);
  const std::string fresh = "OperationPrototype = \"\"\n";
  const std::vector<std::string> expected = {
      "FeatureClass = \"PocketClass\"\nOperationName = \"Drill it\"\nOperationPrototype = \"DrillingPrototype\"\n"
      "OperationSetup# = " + id("OperationSetup", "Setup 2") + "\nToolAssembly# = none\n",
      fresh, fresh, "OperationName = \"Mill it\"\n" + fresh, fresh, fresh};
  EXPECT_EQ(texts, expected);
  bags.clear();
  preset->Release();
  data->Release();
}

// Entries of one name stay apart: the model's set-up is preselected as that very set-up, and of
// two tools of one name the one chosen is written.
TEST_F(AddOperationPageTest, SetUpsAndToolsAreFoundByTheirObjectNotTheirName) {
  MpHostData* data = MpHostCreateSampleData();
  // A second "Setup 2", the one the part model works with.
  const ZulObjectKey process = data->find("MachiningProcess", "Bracket process");
  const ZulObjectKey ownSetup = data->addNode("OperationSetup", "Setup 2", process);
  ASSERT_TRUE(data->relate(data->find("Model", "Bracket part"), ownSetup));
  std::vector<ZulObjectKey> faceMills;
  for (const ZulObjectKey& key : data->objectsOfClass("ToolAssembly", false))
    if (data->node(key)->name() == "Face mill 80") faceMills.push_back(key);
  ASSERT_EQ(faceMills.size(), 2u);
  IMpOptions* preset = Bag();
  int setupShown = -1;
  std::vector<std::string> tools;
  {
    MpAppUiOptionsWizard sheet;
    MpZulSmartList selection = Select(data, {"Hole 1"});
    std::string task = "AddOperation";
    ASSERT_TRUE(sheet.init(task, selection, preset));
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      setupShown = (int)::SendDlgItemMessageA(page, IDC_ADD_OPERATION_SETUP, CB_GETCURSEL, 0, 0);
      ChooseCombo(page, IDC_ADD_OPERATION_SETUP, 2);  // the set-up without a name
      tools = Entries(page, IDC_ADD_OPERATION_TOOL);
      ChooseCombo(page, IDC_ADD_OPERATION_TOOL, 1);
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
  }
  EXPECT_EQ(setupShown, 3) << "the part model's own set-up, not the first of its name";
  EXPECT_EQ(tools, (std::vector<std::string>{"Face mill 80", "Face mill 80"}));
  EXPECT_EQ(preset->getObjectKey("ToolAssembly").objectId, faceMills[1].objectId);
  EXPECT_EQ(preset->getObjectKey("OperationSetup").objectId, data->find("OperationSetup", "").objectId);
  preset->Release();
  data->Release();
}

}  // namespace
