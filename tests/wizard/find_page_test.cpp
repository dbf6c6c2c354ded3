// The find page: prompt and text from the bag, an empty text refused silently, the last search
// text kept in the profile.
#include <afxdllx.h>
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
  bool applyShown = true;
  {
    MpAppUiOptionsWizard sheet;
    ASSERT_TRUE(Init(sheet, "Find", preset));
    EXPECT_EQ(sheet.GetPageCount(), 1);
    script.Sheet(Caption(), [&](HWND h) {
      HWND page = SheetPage(h);
      HWND apply = ::GetDlgItem(h, 0x3021);
      applyShown = apply && ::IsWindowVisible(apply);
      prompt = Text(page, IDC_FIND_PROMPT);
      text = Text(page, IDC_FIND_TEXT);
      Type(page, IDC_FIND_TEXT, "Mill");
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
  }
  EXPECT_FALSE(applyShown);
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
  ASSERT_TRUE(Init(sheet, "Find", nullptr));
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
}

// A copy of the resource module with other texts for the profile section and entry format (an
// empty text is a missing string), standing in for the module in the resource chain while it lives.
class PatchedResources {
 public:
  PatchedResources(const std::wstring& section, const std::wstring& entry) {
    m_original = wdtest::ResourceModule();
    char path[MAX_PATH], dir[MAX_PATH];
    ::GetModuleFileNameA(m_original, path, MAX_PATH);
    ::GetTempPathA(MAX_PATH, dir);
    ::GetTempFileNameA(dir, "wdr", 0, m_path);
    if (!::CopyFileA(path, m_path, FALSE)) return;

    // One string block holds the sixteen strings from (id / 16) * 16 on, each counted.
    const UINT block = IDS_FIND_PROFILE_SECTION / 16 + 1;
    if (IDS_FIND_PROFILE_ENTRY / 16 + 1 != block) return;
    WORD lang = 0;
    ::EnumResourceLanguagesA(
        m_original, RT_STRING, MAKEINTRESOURCEA(block),
        [](HMODULE, LPCSTR, LPCSTR, WORD l, LONG_PTR out) -> BOOL {
          *reinterpret_cast<WORD*>(out) = l;
          return FALSE;
        },
        reinterpret_cast<LONG_PTR>(&lang));
    std::vector<std::wstring> strings(16);
    for (UINT i = 0; i < 16; ++i) {
      const WCHAR* text = nullptr;
      const int n = ::LoadStringW(m_original, (block - 1) * 16 + i, reinterpret_cast<LPWSTR>(&text), 0);
      if (n > 0) strings[i].assign(text, n);
    }
    strings[IDS_FIND_PROFILE_SECTION % 16] = section;
    strings[IDS_FIND_PROFILE_ENTRY % 16] = entry;
    std::vector<WORD> data;
    for (const std::wstring& t : strings) {
      data.push_back(static_cast<WORD>(t.size()));
      data.insert(data.end(), t.begin(), t.end());
    }
    HANDLE update = ::BeginUpdateResourceA(m_path, FALSE);
    if (!update) return;
    const BOOL updated = ::UpdateResourceA(update, RT_STRING, MAKEINTRESOURCEA(block), lang, data.data(),
                                           static_cast<DWORD>(data.size() * sizeof(WORD)));
    if (!::EndUpdateResourceA(update, !updated) || !updated) return;
    m_copy = ::LoadLibraryA(m_path);
    if (!m_copy) return;
    for (CDynLinkLibrary* p = AfxGetFirstDynLinkLibrary(); p; p = p->m_pNextDLL)
      if (p->m_hResource == m_original) {
        p->m_hResource = m_copy;
        m_swapped.push_back(p);
      }
  }
  ~PatchedResources() {
    for (CDynLinkLibrary* p : m_swapped) p->m_hResource = m_original;
    if (m_copy) ::FreeLibrary(m_copy);
    ::DeleteFileA(m_path);
  }
  bool active() const { return !m_swapped.empty(); }

 private:
  HMODULE m_original = nullptr;
  HMODULE m_copy = nullptr;
  char m_path[MAX_PATH] = "";
  std::vector<CDynLinkLibrary*> m_swapped;
};

TEST_F(FindPageTest, TheProfileEntryIsWrittenOnlyWithBothStringsAndAFormatTakingOneInt) {
  struct Case {
    const wchar_t* section;
    const wchar_t* entry;
    const char* written;  // the entry written, or null for none
  };
  // A format that wants a string would read the number 1 as an address: it comes last.
  for (const Case& c : {Case{L"Search texts", L"Last%u", "Last1"}, Case{L"", L"Search%d", nullptr},
                        Case{L"Search texts", L"", nullptr}, Case{L"Search texts", L"Search%d-%d", nullptr},
                        Case{L"Search texts", L"Search%s", nullptr}}) {
    SCOPED_TRACE(testing::Message() << "entry format " << std::string(c.entry, c.entry + wcslen(c.entry)));
    PatchedResources patched(c.section, c.entry);
    ASSERT_TRUE(patched.active());
    script.profileWrites.clear();
    MpAppUiOptionsWizard sheet;
    ASSERT_TRUE(Init(sheet, "Find", nullptr));
    script.Sheet(Caption(), [&](HWND h) {
      Type(SheetPage(h), IDC_FIND_TEXT, "Pocket");
      SheetOK(h);
    });
    EXPECT_EQ(sheet.DoModal(), IDOK) << "the page is left all the same";
    IMpOptions* bag = sheet.getOptions();
    ASSERT_NE(bag, nullptr);
    EXPECT_EQ(bag->getString("FindString"), "Pocket");
    bag->Release();
    if (c.written) {
      ASSERT_EQ(script.profileWrites.size(), 1u);
      EXPECT_EQ(script.profileWrites[0].section, "Search texts");
      EXPECT_EQ(script.profileWrites[0].entry, c.written);
      EXPECT_EQ(script.profileWrites[0].value, "Pocket");
      m_app->WriteProfileString("Search texts", nullptr, nullptr);
    } else {
      EXPECT_TRUE(script.profileWrites.empty());
    }
  }
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
