// The find page: prompt and text from the bag, an empty text refused silently, the last search
// text kept in the profile under an entry made from a format that takes exactly one int.
#include "MpAppUiTaskPage.h"
#include "wizard_test.h"

using namespace AfxScript;

namespace {

class FindPageTest : public WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    m_app = new CWinApp("WidgetDeckWizardTest");
    m_app->WriteProfileString(Section().c_str(), nullptr, nullptr);  // only this test's writes
  }
  void TearDown() override {
    m_app->WriteProfileString(Section().c_str(), nullptr, nullptr);
    delete m_app;
    WizardTest::TearDown();
  }
  static std::string Section() { return Message(IDS_FIND_PROFILE_SECTION); }
  // Expects one profile write of the value under the page's entry.
  void ExpectProfileWrite(const std::string& value) {
    CString format, entry;
    format.LoadString(IDS_FIND_PROFILE_ENTRY);
    entry.Format((LPCSTR)format, 1);
    ASSERT_EQ(script.profileWrites.size(), 1u);
    EXPECT_EQ(script.profileWrites[0].section, Section());
    EXPECT_EQ(script.profileWrites[0].entry, (LPCSTR)entry);
    EXPECT_EQ(script.profileWrites[0].value, value);
    EXPECT_STREQ(m_app->GetProfileString(Section().c_str(), entry, "none"), value.c_str());
  }
  CWinApp* m_app = nullptr;
};

TEST_F(FindPageTest, PresetFillsThePageAndTheNewTextReachesBagAndProfile) {
  IMpOptions* preset = Bag({{"FindPrompt", "Search the rule names for:"}, {"FindString", "Drill"}});
  {
    MpAppUiOptionsWizard sheet;
    ASSERT_TRUE(Init(sheet, "Find", preset));
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      HWND apply = ::GetDlgItem(h, 0x3021);
      EXPECT_FALSE(apply && ::IsWindowVisible(apply)) << "no Apply button";
      EXPECT_EQ(Text(page, IDC_FIND_PROMPT), "Search the rule names for:");
      EXPECT_EQ(Text(page, IDC_FIND_TEXT), "Drill");
      Type(page, IDC_FIND_TEXT, "Mill");
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
  }
  EXPECT_EQ(preset->getString("FindString"), "Mill") << "the host's own bag holds the new text";
  ExpectProfileWrite("Mill");
  EXPECT_TRUE(script.boxes.empty());
  preset->Release();
}

TEST_F(FindPageTest, AnEmptyTextKeepsThePageSilentlyAndBlanksAreAText) {
  MpAppUiOptionsWizard sheet;
  ASSERT_TRUE(Init(sheet, "Find", nullptr));
  HWND firstPage = nullptr;
  script
      .Sheet(Caption(), [&](HWND h) {
        firstPage = SheetPage(h);
        EXPECT_FALSE(Text(firstPage, IDC_FIND_PROMPT).empty()) << "without a prompt the template's text stays";
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
  IMpOptions* bag = sheet.getOptions();
  ASSERT_NE(bag, nullptr);
  EXPECT_EQ(bag->getString("FindString"), "   ");
  bag->Release();
  ExpectProfileWrite("   ");
}

// The entry format comes from the resource module: one that would read the number as anything
// but an int is not used.
TEST(FindProfileEntryFormat, OnlyAFormatTakingExactlyOneIntIsUsed) {
  using MpAppUiTaskPage::isSingleIntFormat;
  for (const char* good : {"Search%d", "%d", "Find%i-%%", "%%%u", "Item %05ld", "%-3.2hx", "%X", "%hho"})
    EXPECT_TRUE(isSingleIntFormat(good)) << good;
  for (const char* bad : {"", "Search", "%%d", "%d%d", "%s", "%c", "%f", "%lld", "%I64d", "%*d", "%.*d", "Search%",
                          "%5", "%z"})
    EXPECT_FALSE(isSingleIntFormat(bad)) << bad;
}

}  // namespace
