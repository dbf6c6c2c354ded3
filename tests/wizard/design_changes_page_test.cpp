// The design-changes page over the sample product: newer designs offered by file name, the chosen
// entry's own design written, and every change written at once.
#include "wizard_test.h"
#include "MpAppUiDesignChangesPage.h"

using namespace AfxScript;
using wdtest::Checked;
using wdtest::Enabled;

namespace {

using DesignChangesPageTest = WizardTest;

TEST_F(DesignChangesPageTest, NewerDesignsAreOfferedAndTheChosenEntrysDesignIsWrittenAtOnce) {
  MpHostData* data = MpHostCreateSampleData();
  struct Shown {
    std::vector<std::string> blanks, parts;
    int chosen = -1, partChosen = -1;
    bool blankTicked = false, blankEnabled = false, partTicked = true, partEnabled = true, groupsTicked = false;
  } shown;
  std::vector<std::string> written;
  {
    MpAppUiOptionsWizard sheet;
    MpZulSmartList selection = Select(data, {"Bracket"});
    std::string task = "DesignChanges";
    ASSERT_TRUE(sheet.init(task, selection, nullptr));
    IMpOptions* bag = sheet.getOptions();
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      shown.blanks = Entries(page, IDC_DESIGN_NEW_BLANK);
      shown.chosen = (int)::SendDlgItemMessageA(page, IDC_DESIGN_NEW_BLANK, CB_GETCURSEL, 0, 0);
      shown.parts = Entries(page, IDC_DESIGN_NEW_PART);
      shown.partChosen = (int)::SendDlgItemMessageA(page, IDC_DESIGN_NEW_PART, CB_GETCURSEL, 0, 0);
      shown.blankTicked = Checked(page, IDC_DESIGN_UPDATE_BLANK);
      shown.blankEnabled = Enabled(page, IDC_DESIGN_NEW_BLANK);
      shown.partTicked = Checked(page, IDC_DESIGN_UPDATE_PART);
      shown.partEnabled = Enabled(page, IDC_DESIGN_NEW_PART);
      shown.groupsTicked = Checked(page, IDC_DESIGN_CREATE_GROUPS);
      written.push_back(MpHostOptionsText(bag));
      ChooseCombo(page, IDC_DESIGN_NEW_BLANK, 1);
      written.push_back(bag->getString("NewBlankName"));
      ChooseCombo(page, IDC_DESIGN_NEW_BLANK, 2);  // the same file name as entry 1
      written.push_back(bag->getString("NewBlankName"));
      Click(page, IDC_DESIGN_UPDATE_BLANK);
      EXPECT_FALSE(Enabled(page, IDC_DESIGN_NEW_BLANK));
      Click(page, IDC_DESIGN_CREATE_GROUPS);
      written.push_back(MpHostOptionsText(bag));
      SheetCancel(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    bag->Release();
  }
  EXPECT_EQ(shown.blanks, (std::vector<std::string>{"bracket_blank_r2", "bracket_blank_r3", "bracket_blank_r3"}));
  EXPECT_EQ(shown.chosen, 2);
  // Revision 10 and 11 come after the current 9 as numbers do; the file name ends at its last dot.
  EXPECT_EQ(shown.parts, (std::vector<std::string>{"bracket_part_r10", "bracket_part.r11"}));
  EXPECT_EQ(shown.partChosen, 1);
  EXPECT_TRUE(shown.blankTicked);
  EXPECT_TRUE(shown.blankEnabled);
  EXPECT_TRUE(shown.partTicked);
  EXPECT_TRUE(shown.partEnabled);
  EXPECT_TRUE(shown.groupsTicked);
  const std::vector<std::string> expected = {
      "CreateGroups = \"on\"\nNewBlankName = \"bracket_blank/CAD Model.3b\"\n"
      "NewPartName = \"bracket_part/CAD Model.11\"\nUpdateBlank = \"on\"\nUpdatePart = \"on\"\n",
      "bracket_blank/CAD Model.3", "bracket_blank/CAD Model.3b",
      "CreateGroups = \"off\"\nNewBlankName = \"bracket_blank/CAD Model.3b\"\n"
      "NewPartName = \"bracket_part/CAD Model.11\"\nUpdateBlank = \"off\"\nUpdatePart = \"on\"\n"};
  EXPECT_EQ(written, expected);
  data->Release();
}

TEST_F(DesignChangesPageTest, WithoutOneProductOnlyTheGroupsBoxFollowsTheBag) {
  MpHostData* data = MpHostCreateSampleData();
  MpAppUiOptionsWizard sheet;
  MpZulSmartList selection = Select(data, {"Bracket", "Bracket part"});
  std::string task = "DesignChanges";
  ASSERT_TRUE(sheet.init(task, selection, nullptr));
  bool groups = false, blank = true;
  script.Sheet(Caption(), [&](HWND h) {
    groups = Checked(SheetPage(h), IDC_DESIGN_CREATE_GROUPS);
    blank = Checked(SheetPage(h), IDC_DESIGN_UPDATE_BLANK);
    SheetOK(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_TRUE(groups);
  EXPECT_FALSE(blank);
  IMpOptions* bag = sheet.getOptions();
  EXPECT_FALSE(bag->getBool("UpdateBlank"));
  bag->Release();
  data->Release();
}

// A product without models leaves both choosers as the template has them (enabled); with a part
// model without newer designs the part chooser follows its box.
TEST_F(DesignChangesPageTest, ChoosersFollowTheirBoxOnlyWhereThereIsAModel) {
  MpHostData* data = MpHostCreateSampleData();
  const ZulObjectKey project = data->find("Project", "Bracket machining");
  const ZulObjectKey bare = data->addNode("Product", "Bare bracket", project);
  const ZulObjectKey model = data->addNode("Model", "Bare part", data->addNode("Product", "Plain bracket", project),
                                           {{"Role", "part"}});
  ASSERT_FALSE(bare.isNone());
  ASSERT_FALSE(model.isNone());
  for (const char* product : {"Bare bracket", "Plain bracket"}) {
    MpAppUiOptionsWizard sheet;
    MpZulSmartList selection = Select(data, {product});
    std::string task = "DesignChanges";
    ASSERT_TRUE(sheet.init(task, selection, nullptr));
    bool blankEnabled = false, partEnabled = true;
    script.Sheet(Caption(), [&](HWND h) {
      blankEnabled = Enabled(SheetPage(h), IDC_DESIGN_NEW_BLANK);
      partEnabled = Enabled(SheetPage(h), IDC_DESIGN_NEW_PART);
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(blankEnabled) << product << ": no blank model";
    EXPECT_EQ(partEnabled, std::string(product) == "Bare bracket") << product;
  }
  data->Release();
}

TEST(DesignRevisions, RunsOfDigitsCountAsNumbers) {
  const auto less = [](const char* a, const char* b) { return MpAppUiDesignChangesPage::compareRevisions(a, b) < 0; };
  EXPECT_TRUE(less("m/CAD Model.9", "m/CAD Model.10"));
  EXPECT_TRUE(less("m/CAD Model.10", "m/CAD Model.10b"));
  EXPECT_TRUE(less("m/CAD Model.2.9", "m/CAD Model.2.10"));
  EXPECT_TRUE(less("m/CAD Model.009", "m/CAD Model.10"));
  EXPECT_TRUE(less("A.1", "a.1")) << "letters by character code";
  EXPECT_FALSE(less("m.10", "m.10"));
  EXPECT_NE(0, MpAppUiDesignChangesPage::compareRevisions("m.01", "m.1")) << "distinct names stay distinct";
  EXPECT_TRUE(less("m", "m.1"));
}

}  // namespace
