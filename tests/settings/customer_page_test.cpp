// The customer page's browse buttons over the real common file dialog.
#include "MpAppUiCustomerPage.h"
#include "afxscript_filedlg.h"
#include "settings_sheet.h"

using namespace AfxScript;
using namespace wdtest;

namespace {

// A new file in a folder of its own under the temporary folder; its full path.
std::string NewFile(const std::string& folder, const char* name) {
  char tmp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, tmp);
  ::CreateDirectoryA((tmp + folder).c_str(), nullptr);
  const std::string path = tmp + folder + "\\" + name;
  ::CloseHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  return path;
}
std::string FolderOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }
std::string ShownFolder(HWND dlg) {
  char buf[MAX_PATH] = {};
  ::SendMessageA(dlg, CDM_GETFOLDERPATH, sizeof(buf), reinterpret_cast<LPARAM>(buf));
  return buf;
}

// A chosen file fills the exit's command line and is stored at once; Cancel changes nothing; the
// next dialog, of any button and any page, opens in the folder of the last file chosen, even when
// another dialog of the process chose elsewhere since; without a group no dialog opens.
using CustomerPageTest = HostedTest;
TEST_F(CustomerPageTest, BrowseButtonsFillTheCommandLineAndRememberTheFolder) {
  const std::string chosen = NewFile("wd_exits", "before toolpaths.csh"), other = NewFile("wd_other", "x.bat");
  const struct {
    const char* what;
    int browse, field;
    const char* key;
    bool choose;  // false: Cancel, or no dialog without a group
  } rounds[] = {
      {"first page", IDC_CUST_TOOLPATHS_PRE_BROWSE, IDC_CUST_TOOLPATHS_PRE_CMD, "edit_toolpaths_pre", true},
      {"later page", IDC_CUST_OUTPUT_INTERMEDIATE_BROWSE, IDC_CUST_OUTPUT_INTERMEDIATE_CMD, "edit_output_intermediate",
       false},
      {"no group", IDC_CUST_SETUPS_PRE_BROWSE, IDC_CUST_SETUPS_PRE_CMD, "edit_setups_pre", false},
  };
  for (const auto& r : rounds) {
    SCOPED_TRACE(r.what);
    const bool hasGroup = &r != &rounds[2];
    if (hasGroup) {  // another dialog of the process chooses elsewhere
      CFileDialog dlg(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST, "All Files (*.*)|*.*||");
      script.Dialog("Open", [&](HWND h) {
        SetFileName(h, other.c_str());
        FileOK(h);
      });
      ASSERT_EQ(IDOK, dlg.DoModal());
    } else {
      ASSERT_TRUE(MpHostUnregisterClass(CLSID_MpPmUtSettings));
    }
    MpAppUiCustomerPage page;
    Sheet sheet({&page});
    script.Sheet(kCaption, [&](HWND h) { Click(SheetPage(h), r.browse); });
    if (hasGroup) {
      script.Dialog("Open", [&](HWND h) {
        EXPECT_EQ("Cshell Files (*.csh)", ChosenFileType(h));
        EXPECT_EQ(FolderOf(r.choose ? other : chosen), ShownFolder(h)) << "no folder proposed before a choice";
        if (r.choose) SetFileName(h, chosen.c_str());
        r.choose ? FileOK(h) : FileCancel(h);
      });
    }
    script.Sheet(kCaption, [&](HWND h) {
      EXPECT_EQ(r.choose ? chosen : "", Text(SheetPage(h), r.field));
      if (hasGroup) {
        EXPECT_EQ(r.choose ? chosen : "", page.settings()->getString(r.key)) << "stored at once";
      }
      SheetCancel(h);
    });
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
  }
}

}  // namespace
