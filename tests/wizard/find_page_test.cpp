// The find page: prompt and text from the bag, an empty text refused silently, the last search
// text kept in the profile.
#include "MpAppUiTaskPage.h"
#include "wizard_test.h"

using namespace AfxScript;

namespace {

class FindPageTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    m_app = new CWinApp("WidgetDeckWizardTest");
    // Only this test's writes in the profile.
    m_app->WriteProfileString(Section().c_str(), nullptr, nullptr);
  }
  void TearDown() override {
    m_app->WriteProfileString(Section().c_str(), nullptr, nullptr);
    delete m_app;
    WizardTest::TearDown();
  }
  static std::string Section() { return Message(IDS_FIND_PROFILE_SECTION); }
  static std::string Entry() {
    CString format, entry;
    format.LoadString(IDS_FIND_PROFILE_ENTRY);
    entry.Format((LPCSTR)format, 1);
    return (LPCSTR)entry;
  }
  CWinApp* m_app = nullptr;
};

TEST_F(FindPageTest, PresetFillsThePageAndTheNewTextReachesBagAndProfile) {
  IMpOptions* preset = Bag({{"FindPrompt", "Search the rule names for:"}, {"FindString", "Drill"}});
  std::string prompt, text;
  {
    MpAppUiOptionsWizard sheet;
    std::string task = "Find";
    MpZulSmartList selection;
    ASSERT_TRUE(sheet.init(task, selection, preset));
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      prompt = Text(page, IDC_FIND_PROMPT);
      text = Text(page, IDC_FIND_TEXT);
      Type(page, IDC_FIND_TEXT, "Mill");
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
  }
  EXPECT_EQ(prompt, "Search the rule names for:");
  EXPECT_EQ(text, "Drill");
  EXPECT_EQ(preset->getString("FindString"), "Mill") << "the host's own bag holds the new text";
  EXPECT_EQ(preset->getString("FindPrompt"), "Search the rule names for:");
  ASSERT_EQ(script.profileWrites.size(), 1u);
  EXPECT_EQ(script.profileWrites[0].section, Section());
  EXPECT_EQ(script.profileWrites[0].entry, Entry());
  EXPECT_EQ(script.profileWrites[0].value, "Mill");
  EXPECT_STREQ(m_app->GetProfileString(Section().c_str(), Entry().c_str(), "none"), "Mill");
  EXPECT_TRUE(script.boxes.empty());
  preset->Release();
}

TEST_F(FindPageTest, AnEmptyTextKeepsThePageSilentlyAndBlanksAreAText) {
  MpAppUiOptionsWizard sheet;
  std::string task = "Find";
  MpZulSmartList selection;
  ASSERT_TRUE(sheet.init(task, selection, nullptr));
  HWND firstPage = nullptr;
  std::string templatePrompt;
  script
      .Sheet(Caption(), [&](HWND h) {
        firstPage = SheetPage(h);
        templatePrompt = Text(firstPage, IDC_FIND_PROMPT);
        EXPECT_EQ(Text(firstPage, IDC_FIND_TEXT), "") << "the fresh bag's seed";
        SheetOK(h);  // refused, and no box may come up
      })
      .Sheet(Caption(), [&](HWND h) {
        EXPECT_EQ(SheetPage(h), firstPage) << "the page was left with an empty text";
        EXPECT_TRUE(script.profileWrites.empty());
        Type(SheetPage(h), IDC_FIND_TEXT, "   ");
        SheetOK(h);
      });
  EXPECT_EQ(sheet.DoModal(), IDOK);
  EXPECT_FALSE(templatePrompt.empty()) << "without a prompt the template's text stays";
  IMpOptions* bag = sheet.getOptions();
  ASSERT_NE(bag, nullptr);
  EXPECT_EQ(bag->getString("FindString"), "   ");
  bag->Release();
  ASSERT_EQ(script.profileWrites.size(), 1u);
  EXPECT_EQ(script.profileWrites[0].value, "   ");

  // An empty prompt in a preset leaves the template's text as well.
  IMpOptions* preset = Bag({{"FindPrompt", ""}, {"FindString", "x"}});
  MpAppUiOptionsWizard again;
  ASSERT_TRUE(again.init(task, selection, preset));
  std::string prompt;
  script.Sheet(Caption(), [&](HWND h) {
    prompt = Text(SheetPage(h), IDC_FIND_PROMPT);
    SheetCancel(h);
  });
  EXPECT_EQ(again.DoModal(), IDCANCEL);
  EXPECT_EQ(prompt, templatePrompt);
  preset->Release();
}

TEST_F(FindPageTest, WithoutABagThePageCannotBeLeft) {
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpOptions));
  MpAppUiOptionsWizard sheet;
  std::string task = "Find";
  MpZulSmartList selection;
  EXPECT_TRUE(sheet.init(task, selection, nullptr)) << "the page reports success all the same";
  EXPECT_EQ(sheet.getOptions(), nullptr);
  MpSmartList list;
  EXPECT_FALSE(sheet.getOptions(list));
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
  EXPECT_EQ(sheet.DoModal(), IDCANCEL);
  EXPECT_TRUE(script.profileWrites.empty());
  EXPECT_TRUE(MpHostRegisterClass(CLSID_MpOptions));
}

TEST(FindProfileEntryFormat, OnlyAFormatTakingExactlyOneIntIsUsed) {
  using MpAppUiTaskPage::isSingleIntFormat;
  for (const char* good : {"Search%d", "%d", "Find%i-%%", "%%%u", "Item %05ld", "%-3.2hx", "%X", "%hho"})
    EXPECT_TRUE(isSingleIntFormat(good)) << good;
  for (const char* bad : {"", "Search", "%%d", "%d%d", "%s", "%c", "%f", "%lld", "%I64d", "%*d", "%.*d", "Search%",
                          "%5", "%z"})
    EXPECT_FALSE(isSingleIntFormat(bad)) << bad;
}

}  // namespace
