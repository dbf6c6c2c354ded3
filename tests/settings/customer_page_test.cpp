// The customer page's browse buttons over the real common file dialog.
#include "MpAppUiCustomerPage.h"
#include "afxscript_filedlg.h"
#include "settings_sheet.h"

using namespace AfxScript;
using namespace wdtest;

namespace {

class CustomerPageTest : public HostedTest {
 protected:
  // A new file in a scratch folder of the temporary folder; its full path.
  static std::string File(const char* folder, const char* name) {
    char tmp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, tmp);
    const std::string dir = std::string(tmp) + folder;
    ::CreateDirectoryA(dir.c_str(), nullptr);
    const std::string path = dir + "\\" + name;
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ::CloseHandle(h);
    return path;
  }
  static std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }
  // The folder the open dialog shows.
  static std::string ShownFolder(HWND dlg) {
    char buf[MAX_PATH] = {};
    ::SendMessageA(dlg, CDM_GETFOLDERPATH, sizeof(buf), reinterpret_cast<LPARAM>(buf));
    return buf;
  }
  // Another open dialog of the process chooses a file, which moves the system's own idea of the
  // folder to open in.
  void ChooseElsewhere(const std::string& path) {
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, "All Files (*.*)|*.*||");
    script.Dialog("Open", [&](HWND h) {
      SetFileName(h, path.c_str());
      FileOK(h);
    });
    ASSERT_EQ(IDOK, dlg.DoModal());
  }
  static std::string Value(const char* key) { return MpHostSettings(MpHostSettingsGroup::Customer)->getString(key); }
};

// A chosen file fills the exit's command line and is stored at once; Cancel changes nothing; the
// next dialog, of any button and any page, opens in the folder of the last file chosen; without a
// group no dialog opens.
TEST_F(CustomerPageTest, BrowseButtonsFillTheCommandLineAndRememberTheFolder) {
  const std::string chosen = File("wd_exits", "before toolpaths.csh");
  const std::string other = File("wd_exits_other", "other.bat");
  ChooseElsewhere(other);
  {
    MpAppUiCustomerPage page;
    Sheet sheet({&page});
    script.Sheet(kCaption, [&](HWND h) { Click(SheetPage(h), IDC_CUST_TOOLPATHS_PRE_BROWSE); });
    script.Dialog("Open", [&](HWND h) {
      EXPECT_EQ(FileTypes(h), (std::vector<std::string>{"Cshell Files (*.csh)", "Batch Files (*.bat)",
                                                         "Application Files (*.exe)", "All Files (*.*)"}));
      EXPECT_EQ(FolderOf(other), ShownFolder(h)) << "the page proposes no folder yet";
      SetFileName(h, chosen.c_str());
      FileOK(h);
    });
    script.Sheet(kCaption, [&](HWND h) {
      HWND p = SheetPage(h);
      EXPECT_EQ(chosen, Text(p, IDC_CUST_TOOLPATHS_PRE_CMD));
      EXPECT_EQ(chosen, Value("edit_toolpaths_pre")) << "stored without leaving the field";
      Click(p, IDC_CUST_OUTPUT_INTERMEDIATE_BROWSE);
    });
    script.Dialog("Open", [&](HWND h) {
      EXPECT_EQ(FolderOf(chosen), ShownFolder(h));
      FileCancel(h);
    });
    script.Sheet(kCaption, [&](HWND h) {
      EXPECT_EQ("", Text(SheetPage(h), IDC_CUST_OUTPUT_INTERMEDIATE_CMD));
      EXPECT_EQ("", Value("edit_output_intermediate"));
      SheetCancel(h);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
  }
  ChooseElsewhere(other);
  {
    MpAppUiCustomerPage later;
    Sheet sheet({&later});
    script.Sheet(kCaption, [&](HWND h) { Click(SheetPage(h), IDC_CUST_FEATURES_POST_BROWSE); });
    script.Dialog("Open", [&](HWND h) {
      EXPECT_EQ(FolderOf(chosen), ShownFolder(h)) << "the folder outlives the page";
      FileCancel(h);
    });
    script.Sheet(kCaption, [&](HWND h) { SheetCancel(h); });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
  }
  ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpPmUtSettings));
  MpAppUiCustomerPage alone;
  Sheet sheet({&alone});
  script.Sheet(kCaption, [&](HWND h) {
    Click(SheetPage(h), IDC_CUST_SETUPS_PRE_BROWSE);  // an unexpected dialog would fail the test
    SheetCancel(h);
  });
  EXPECT_EQ(IDCANCEL, sheet.DoModal());
}

}  // namespace
