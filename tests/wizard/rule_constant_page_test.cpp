// The rule-constant page: filling from the host's choices, every check with its box in order,
// the factor chooser for doubles only, names quoted and unquoted.
#include <memory>
#include "MpAppUiRuleConstantPage.h"
#include "wizard_test.h"

using namespace AfxScript;

namespace {

class RuleConstantPageTest : public WizardTest {
 protected:
  // A preset as the host hands it in: the names taken and the types offered as lists, the
  // current values as strings.
  IMpOptions* Preset(const std::string& name, const std::string& type, const std::string& defaultValue,
                     const std::string& factor, const std::vector<std::string>& taken = {"'Max Depth'", "Depth"},
                     const std::vector<std::string>& types = {"integer", "double", "string"}) {
    IMpOptions* bag =
        Bag({{"Name", name}, {"Type", type}, {"Default", defaultValue}, {"Factor", factor}, {"Explantion", "why"}});
    bag->setStringList("Name", taken);
    bag->setStringList("Type", types);
    return bag;
  }

  // Runs the sheet on the preset: show runs in the first step, then each further step in turn.
  INT_PTR Run(IMpOptions* preset) {
    EXPECT_TRUE(Init(*m_sheet, "RuleConstant", preset));
    return m_sheet->DoModal();
  }

  // Types into the edit field of a drop-down combo box as a user would: the combo box hears of
  // the change and lets go of its selected entry.
  static void TypeInCombo(HWND page, int id, const char* text) {
    HWND edit = ::FindWindowExA(::GetDlgItem(page, id), nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    ::SetFocus(edit);
    // Replacing the whole text as typing does (WM_SETTEXT would keep the combo's selection).
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  }
  static bool Visible(HWND page, int id) { return ::IsWindowVisible(::GetDlgItem(page, id)) != FALSE; }
  static int Selected(HWND page, int id) { return (int)::SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0); }

  std::vector<std::pair<std::string, UINT>> Expected(std::initializer_list<unsigned> ids) {
    std::vector<std::pair<std::string, UINT>> result;
    for (unsigned id : ids) result.emplace_back(Message(id), (UINT)MB_ICONERROR);
    return result;
  }

  // The sheet's caption comes from the resource module, which the set-up makes reachable.
  void SetUp() override {
    WizardTest::SetUp();
    m_sheet = std::make_unique<MpAppUiOptionsWizard>();
  }
  void TearDown() override {
    m_sheet.reset();  // its bags go before the leak check
    WizardTest::TearDown();
  }

  std::unique_ptr<MpAppUiOptionsWizard> m_sheet;
};

TEST_F(RuleConstantPageTest, AFreshBagCanOnlyBeCancelledAndEachMissingValueHasItsBox) {
  bool typeEmpty = false, factorShown = true;
  script
      .Sheet(Caption(), [&](HWND h) {
        HWND page = SheetPage(h);
        typeEmpty = ::SendDlgItemMessageA(page, IDC_RULE_CONSTANT_TYPE, CB_GETCOUNT, 0, 0) == 0;
        factorShown = Visible(page, IDC_RULE_CONSTANT_FACTOR) || Visible(page, IDC_RULE_CONSTANT_FACTOR_LABEL);
        SheetOK(h);
      })
      .MessageBox(IDOK)
      .MessageBox(IDOK)
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) { SheetCancel(h); });
  EXPECT_EQ(Run(nullptr), IDCANCEL);
  EXPECT_TRUE(typeEmpty);
  EXPECT_FALSE(factorShown);
  EXPECT_EQ(Boxes(), Expected({IDS_TASK_NAME_EMPTY, IDS_TASK_NO_TYPE, IDS_TASK_DEFAULT_EMPTY}));
  IMpOptions* bag = m_sheet->getOptions();
  ASSERT_NE(bag, nullptr);
  for (const char* key : {"Name", "Type", "Default", "Factor", "Explantion"}) EXPECT_EQ(bag->getString(key), "") << key;
  bag->Release();
}

TEST_F(RuleConstantPageTest, AQuotedPresetNameIsShownBareAndTakenNamesAreRefusedInTheirStoredForm) {
  IMpOptions* preset = Preset("'Max Depth'", "double", "3", "25.4");
  std::string shownName;
  int typeIndex = -1, factorIndex = -1;
  bool factorShown = false, labelShown = false;
  script
      .Sheet(Caption(), [&](HWND h) {
        HWND page = SheetPage(h);
        shownName = Text(page, IDC_RULE_CONSTANT_NAME);
        typeIndex = Selected(page, IDC_RULE_CONSTANT_TYPE);
        factorIndex = Selected(page, IDC_RULE_CONSTANT_FACTOR);
        factorShown = Visible(page, IDC_RULE_CONSTANT_FACTOR);
        labelShown = Visible(page, IDC_RULE_CONSTANT_FACTOR_LABEL);
        SheetOK(h);  // the name as shown is the taken 'Max Depth'
      })
      .MessageBox(IDOK)
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) {
        Type(SheetPage(h), IDC_RULE_CONSTANT_NAME, "Depth");  // the constant's own, also taken
        SheetOK(h);
      })
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) {
        EXPECT_EQ(preset->getString("Name"), "'Max Depth'") << "nothing is written before every check passes";
        Type(SheetPage(h), IDC_RULE_CONSTANT_NAME, "Max Depth's");  // its own quote is dropped
        SheetOK(h);
      })
      .MessageBox(IDOK);
  EXPECT_EQ(Run(preset), IDOK);
  EXPECT_EQ(shownName, "Max Depth");
  EXPECT_EQ(typeIndex, 1);
  EXPECT_EQ(factorIndex, 1);
  EXPECT_TRUE(factorShown);
  EXPECT_TRUE(labelShown);
  const std::vector<std::pair<std::string, UINT>> expected = {
      {Message(IDS_TASK_NAME_QUOTED, "Max Depth"), (UINT)MB_ICONINFORMATION},
      {Message(IDS_TASK_NAME_TAKEN), (UINT)MB_ICONERROR},
      {Message(IDS_TASK_NAME_TAKEN), (UINT)MB_ICONERROR},
      {Message(IDS_TASK_NAME_QUOTED, "Max Depth's"), (UINT)MB_ICONINFORMATION},
  };
  EXPECT_EQ(Boxes(), expected);
  EXPECT_EQ(preset->getString("Name"), "'Max Depths'");
  EXPECT_EQ(preset->getString("Type"), "double");
  EXPECT_EQ(preset->getString("Default"), "3");
  EXPECT_EQ(preset->getString("Factor"), "25.4");
  EXPECT_EQ(preset->getString("Explantion"), "why");
  EXPECT_EQ(preset->getStringList("Name"), (std::vector<std::string>{"'Max Depth'", "Depth"}))
      << "the host's lists stay as they were";
  preset->Release();
}

TEST_F(RuleConstantPageTest, NamesAreUnquotedOnlyWhenEnclosedInQuotes) {
  struct Case {
    const char* stored;
    const char* shown;
  };
  for (const Case& c : {Case{"'ab", "'ab"}, Case{"'a", "'a"}, Case{"''", ""}, Case{"'x'", "x"}, Case{"a'", "a'"}}) {
    SCOPED_TRACE(c.stored);
    MpAppUiOptionsWizard sheet;
    IMpOptions* preset = Preset(c.stored, "string", "v", "");
    ASSERT_TRUE(Init(sheet, "RuleConstant", preset));
    std::string shown;
    script.Sheet(Caption(), [&](HWND h) {
      shown = Text(SheetPage(h), IDC_RULE_CONSTANT_NAME);
      SheetCancel(h);
    });
    sheet.DoModal();
    EXPECT_EQ(shown, c.shown);
    preset->Release();
  }
}

// A name of nothing but quotes is refused as an empty one, with no notice; a quoted name with
// something inside is taken.
TEST_F(RuleConstantPageTest, ANameOfOnlyQuotesIsRefusedAsEmpty) {
  IMpOptions* preset = Preset("Gap", "string", "v", "", {});
  std::vector<std::string> stored;
  for (const char* name : {"'", "''", "'''", "'x'"}) {
    script
        .Sheet(Caption(), [&, name](HWND h) {
          stored.push_back(preset->getString("Name"));
          Type(SheetPage(h), IDC_RULE_CONSTANT_NAME, name);
          SheetOK(h);
        })
        .MessageBox(IDOK);
  }
  EXPECT_EQ(Run(preset), IDOK);
  EXPECT_EQ(stored, std::vector<std::string>(4, "Gap")) << "nothing written while the name is refused";
  std::vector<std::pair<std::string, UINT>> expected =
      Expected({IDS_TASK_NAME_EMPTY, IDS_TASK_NAME_EMPTY, IDS_TASK_NAME_EMPTY});
  expected.emplace_back(Message(IDS_TASK_NAME_QUOTED, "'x'"), (UINT)MB_ICONINFORMATION);
  EXPECT_EQ(Boxes(), expected);
  EXPECT_EQ(preset->getString("Name"), "'x'");
  preset->Release();
}

TEST_F(RuleConstantPageTest, TheDefaultIsTestedAsANumberOfTheChosenTypeAndTheFactorOnlyForDoubles) {
  IMpOptions* preset = Preset("Gap", "integer", "2.5", "25.4");
  bool factorShownForInteger = true, factorShownForDouble = false, factorShownForString = true;
  script
      .Sheet(Caption(), [&](HWND h) {
        factorShownForInteger = Visible(SheetPage(h), IDC_RULE_CONSTANT_FACTOR);
        SheetOK(h);  // 2.5 is no integer
      })
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) {
        HWND page = SheetPage(h);
        ASSERT_TRUE(ChooseComboText(page, IDC_RULE_CONSTANT_TYPE, "double"));
        factorShownForDouble = Visible(page, IDC_RULE_CONSTANT_FACTOR) && Visible(page, IDC_RULE_CONSTANT_FACTOR_LABEL);
        Type(page, IDC_RULE_CONSTANT_DEFAULT, "abc");
        SheetOK(h);
      })
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) {
        HWND page = SheetPage(h);
        // A type of the host's own besides these two: any default is taken.
        ASSERT_TRUE(ChooseComboText(page, IDC_RULE_CONSTANT_TYPE, "string"));
        factorShownForString = Visible(page, IDC_RULE_CONSTANT_FACTOR);
        Type(page, IDC_RULE_CONSTANT_DEFAULT, "flood");
        SheetOK(h);
      });
  EXPECT_EQ(Run(preset), IDOK);
  EXPECT_FALSE(factorShownForInteger);
  EXPECT_TRUE(factorShownForDouble);
  EXPECT_FALSE(factorShownForString);
  EXPECT_EQ(Boxes(), Expected({IDS_TASK_DEFAULT_NOT_NUMBER, IDS_TASK_DEFAULT_NOT_NUMBER}));
  EXPECT_EQ(preset->getString("Type"), "string");
  EXPECT_EQ(preset->getString("Default"), "flood");
  EXPECT_EQ(preset->getString("Factor"), "") << "no factor but for a double, whatever the preset held";
  preset->Release();
}

TEST_F(RuleConstantPageTest, OnlyAnExactFactorIsSelectedAndATypedFactorMustBeANumber) {
  IMpOptions* preset = Preset("Gap", "double", "0.5", "2");
  int factorIndex = 0;
  std::string factorText = "?";
  script
      .Sheet(Caption(), [&](HWND h) {
        factorIndex = Selected(SheetPage(h), IDC_RULE_CONSTANT_FACTOR);
        factorText = Text(SheetPage(h), IDC_RULE_CONSTANT_FACTOR);
        SheetOK(h);
      })
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) {
        TypeInCombo(SheetPage(h), IDC_RULE_CONSTANT_FACTOR, "25.4 mm");
        SheetOK(h);
      })
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) {
        TypeInCombo(SheetPage(h), IDC_RULE_CONSTANT_FACTOR, "2.54e1");
        SheetOK(h);
      });
  EXPECT_EQ(Run(preset), IDOK);
  EXPECT_EQ(factorIndex, CB_ERR) << "\"2\" must not select \"25.4\"";
  EXPECT_EQ(factorText, "");
  EXPECT_EQ(Boxes(), Expected({IDS_TASK_FACTOR_NOT_NUMBER, IDS_TASK_FACTOR_NOT_NUMBER}));
  EXPECT_EQ(preset->getString("Factor"), "2.54e1");
  preset->Release();
}

TEST_F(RuleConstantPageTest, TheCurrentTypeIsItsLastEntryOrElseTheFirstAndAnEmptyFactorMeansOne) {
  IMpOptions* preset = Preset("Gap", "double", "1", "", {}, {"double", "integer", "double"});
  int typeIndex = -1, factorIndex = -1;
  script.Sheet(Caption(), [&](HWND h) {
    typeIndex = Selected(SheetPage(h), IDC_RULE_CONSTANT_TYPE);
    factorIndex = Selected(SheetPage(h), IDC_RULE_CONSTANT_FACTOR);
    SheetOK(h);
  });
  EXPECT_EQ(Run(preset), IDOK);
  EXPECT_EQ(typeIndex, 2);
  EXPECT_EQ(factorIndex, 0);
  EXPECT_EQ(preset->getString("Factor"), "1.0");
  preset->Release();

  IMpOptions* unknown = Preset("Gap", "real", "1", "", {}, {"integer", "string"});
  MpAppUiOptionsWizard sheet;
  ASSERT_TRUE(Init(sheet, "RuleConstant", unknown));
  script.Sheet(Caption(), [&](HWND h) {
    typeIndex = Selected(SheetPage(h), IDC_RULE_CONSTANT_TYPE);
    Type(SheetPage(h), IDC_RULE_CONSTANT_DEFAULT, "7");
    SheetOK(h);
  });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_EQ(typeIndex, 0);
  EXPECT_EQ(unknown->getString("Type"), "integer");
  unknown->Release();
}

TEST_F(RuleConstantPageTest, EveryFailedCheckShowsItsBoxInOrderBeforeThePageStays) {
  IMpOptions* preset = Preset("Depth", "double", "deep", "");
  script
      .Sheet(Caption(), [&](HWND h) {
        TypeInCombo(SheetPage(h), IDC_RULE_CONSTANT_FACTOR, "inch");
        SheetOK(h);
      })
      .MessageBox(IDOK)
      .MessageBox(IDOK)
      .MessageBox(IDOK)
      .Sheet(Caption(), [&](HWND h) { SheetCancel(h); });
  EXPECT_EQ(Run(preset), IDCANCEL);
  EXPECT_EQ(Boxes(), Expected({IDS_TASK_NAME_TAKEN, IDS_TASK_DEFAULT_NOT_NUMBER, IDS_TASK_FACTOR_NOT_NUMBER}));
  EXPECT_EQ(preset->getString("Default"), "deep") << "Cancel leaves the bag as it was";
  EXPECT_EQ(preset->getString("Factor"), "");
  preset->Release();
}

TEST_F(RuleConstantPageTest, APageWithoutABagTakesAnyName) {
  MpAppUiRuleConstantPage page;  // never set up: no bag, no names taken
  EXPECT_TRUE(page.isNameUnused("Depth"));
  MpZulSmartList selection;
  IMpOptions* preset = Preset("", "", "", "");
  page.init(selection, preset);
  EXPECT_FALSE(page.isNameUnused("Depth"));
  EXPECT_TRUE(page.isNameUnused("depth"));
  preset->Release();
}

}  // namespace
