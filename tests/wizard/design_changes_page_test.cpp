// The design-changes page over the sample product: newer designs offered by file name, the chosen
// entry's own design written, and every change written at once.
#include "wizard_test.h"

using namespace AfxScript;
using wdtest::Checked;
using wdtest::Enabled;

namespace {

using DesignChangesPageTest = WizardTest;

TEST_F(DesignChangesPageTest, NewerDesignsAreOfferedAndTheChosenEntrysDesignIsWrittenAtOnce) {
  MpHostData* data = MpHostCreateSampleData();
  struct Shown {
    std::vector<std::string> blanks;
    int chosen = -1, parts = -1;
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
      shown.parts = (int)::SendDlgItemMessageA(page, IDC_DESIGN_NEW_PART, CB_GETCOUNT, 0, 0);
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
  EXPECT_EQ(shown.parts, 0);
  EXPECT_TRUE(shown.blankTicked);
  EXPECT_TRUE(shown.blankEnabled);
  EXPECT_FALSE(shown.partTicked);
  EXPECT_FALSE(shown.partEnabled);
  EXPECT_TRUE(shown.groupsTicked);
  const std::vector<std::string> expected = {
      "CreateGroups = \"on\"\nNewBlankName = \"bracket_blank/CAD Model.3b\"\nNewPartName = \"\"\nUpdateBlank = \"on\"\n"
      "UpdatePart = \"off\"\n",
      "bracket_blank/CAD Model.3", "bracket_blank/CAD Model.3b",
      "CreateGroups = \"off\"\nNewBlankName = \"bracket_blank/CAD Model.3b\"\nNewPartName = \"\"\n"
      "UpdateBlank = \"off\"\nUpdatePart = \"off\"\n"};
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

}  // namespace
