// The rule-decoration page over the sample rule: its fields as types, the classes of the chosen
// type in step with the class list, every check with its box, and a decoration's own name.
#include "wizard_test.h"

using namespace AfxScript;
using wdtest::Chosen;

namespace {

class RuleDecorationPageTest : public WizardTest {
 protected:
  std::vector<std::pair<std::string, UINT>> Errors(std::vector<std::pair<unsigned, std::string>> messages) {
    std::vector<std::pair<std::string, UINT>> result;
    for (const auto& m : messages) result.emplace_back(Message(m.first, m.second), (UINT)MB_ICONERROR);
    return result;
  }
};

TEST_F(RuleDecorationPageTest, TheRulesFieldsOfferTheirClassesAndTheChosenEntrysClassIsStored) {
  MpHostData* data = MpHostCreateSampleData();
  IMpOptions* preset = Bag({{"Name", "Drill"}, {"Type", "Machined feature"}, {"Class", "Pocket"}});
  preset->setStringList("Name", {"Drill", "Taken"});
  std::vector<std::string> types, classes;
  std::string type, chosenClass;
  int dropHeight = 0, expectedHeight = 0;
  {
    MpAppUiOptionsWizard sheet;
    MpZulSmartList selection = Select(data, {"Drill small holes"});
    std::string task = "RuleDecoration";
    ASSERT_TRUE(sheet.init(task, selection, preset));
    script
        .Sheet(Caption(), [&](HWND h) {
          HWND page = SheetPage(h);
          types = Entries(page, IDC_RULE_DECORATION_TYPE);
          classes = Entries(page, IDC_RULE_DECORATION_CLASS);
          type = Chosen(page, IDC_RULE_DECORATION_TYPE);
          chosenClass = Chosen(page, IDC_RULE_DECORATION_CLASS);
          HWND combo = ::GetDlgItem(page, IDC_RULE_DECORATION_CLASS);
          RECT dropped;
          ::SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
          dropHeight = dropped.bottom - dropped.top;
          expectedHeight = (int)::SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0) * 7;
          Type(page, IDC_RULE_DECORATION_NAME, "Taken");
          ChooseCombo(page, IDC_RULE_DECORATION_CLASS, 3);
          SheetOK(h);
        })
        .MessageBox(IDOK)
        .Sheet(Caption(), [&](HWND h) {
          Type(SheetPage(h), IDC_RULE_DECORATION_NAME, "1st");
          SheetOK(h);
        })
        .MessageBox(IDOK)
        .Sheet(Caption(), [&](HWND h) {
          EXPECT_EQ(preset->getString("Class"), "Pocket") << "nothing is written before every check passes";
          Type(SheetPage(h), IDC_RULE_DECORATION_NAME, "Drill");  // its own name, though listed
          SheetOK(h);
        });
    EXPECT_EQ(sheet.DoModal(), IDOK);
  }
  EXPECT_EQ(types,
            (std::vector<std::string>{"Name", "Machined feature", "Cutting tool", "Machined feature", "Comment"}));
  EXPECT_EQ(type, "Machined feature");
  // Both fields of that name offer their classes, the abstract ones left out.
  EXPECT_EQ(classes, (std::vector<std::string>{"Drilled hole", "Counterbore hole", "Rectangular pocket",
                                               "Straight slot", "Planar face", "Drilled hole", "Counterbore hole"}));
  EXPECT_EQ(chosenClass, "Rectangular pocket");
  EXPECT_GE(dropHeight, expectedHeight) << "the list shows every entry";
  EXPECT_EQ(Boxes(), Errors({{IDS_TASK_NAME_TAKEN, ""}, {IDS_TASK_NAME_NOT_IDENTIFIER, "1st"}}));
  EXPECT_EQ(preset->getString("Name"), "Drill");
  EXPECT_EQ(preset->getString("Type"), "Machined feature");
  EXPECT_EQ(preset->getString("Class"), "Slot") << "the class name behind the chosen entry";
  preset->Release();
  data->Release();
}

TEST_F(RuleDecorationPageTest, WithoutARuleEveryCheckFailsAndWithoutABagTheUserMayGo) {
  MpAppUiOptionsWizard sheet;
  ASSERT_TRUE(Init(sheet, "RuleDecoration", Bag({{"Name", "x"}})));
  script.Sheet(Caption(), [&](HWND h) { SheetOK(h); })
      .MessageBox(IDOK)
      .MessageBox(IDOK)
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) { SheetCancel(h); });
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_EQ(Boxes(), Errors({{IDS_TASK_NAME_EMPTY, ""}, {IDS_TASK_NO_TYPE, ""}, {IDS_TASK_NO_TYPE, ""}}));
  IMpOptions* bag = sheet.getOptions();
  EXPECT_EQ(bag->getString("Name"), "x");
  bag->Release();
  bag->Release();  // the test's own reference to the preset

  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpOptions));
  MpAppUiOptionsWizard bagless;
  EXPECT_TRUE(Init(bagless, "RuleDecoration", nullptr));
  script.Sheet(Caption(), [&](HWND h) { SheetOK(h); });
  EXPECT_EQ(bagless.DoModal(), IDOK);
}

}  // namespace
