// The folder dialog: the path checks, and the real shell browser driven through its edit box.
#include <io.h>
#include <string>
#include "MpUiCPathDialog.h"
#include "hosted.h"

using namespace AfxScript;

namespace {

class FolderDialogTest : public ScriptedTest {
 protected:
  void SetUp() override {
    ScriptedTest::SetUp();
    char tmp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, tmp);
    m_dir = std::string(tmp) + "wd_folderdlg";
    ::CreateDirectoryA(m_dir.c_str(), nullptr);
    for (const char* sub : {"\\a\\b", "\\a", "\\x", "\\long"}) ::RemoveDirectoryA((m_dir + sub).c_str());
  }
  static bool Exists(const std::string& path) { return _access(path.c_str(), 0) == 0; }
  std::string m_dir;
};

TEST_F(FolderDialogTest, PathChecksRefuseBadComponentsAndNeverOverrun) {
  for (auto c : std::vector<std::pair<const char*, int>>{
           {"name", 1}, {"", 0}, {"a|b", 0}, {"end.", 0}, {"end ", 0}, {" lead", 0}, {"x:y", 0}, {"a.b", 1}})
    EXPECT_EQ(c.second, MpUiCPathDialog::IsFileNameValid(c.first)) << c.first;
  const std::string longPath = "C:\\" + std::string(MAX_PATH, 'n');
  for (auto c : std::vector<std::pair<std::string, int>>{{"C:\\", 0},
                                                         {"\\\\server\\share", 1},
                                                         {"C:", 1},
                                                         {"C:\\a\\\\b", 1},
                                                         {"C:\\a\\", 1},
                                                         {"C:\\a\\b|c", 1},
                                                         {longPath, 1}})
    EXPECT_EQ(c.second, MpUiCPathDialog::Touch(c.first.c_str(), TRUE)) << c.first;
  // A bad last component is found before any folder is made.
  EXPECT_EQ(1, MpUiCPathDialog::Touch((m_dir + "\\x\\bad|name").c_str(), FALSE));
  EXPECT_FALSE(Exists(m_dir + "\\x"));

  char path[MAX_PATH] = "C:\\";
  EXPECT_EQ(0, MpUiCPathDialog::ConcatPath(path, "one"));
  EXPECT_EQ(0, MpUiCPathDialog::ConcatPath(path, "two"));
  EXPECT_STREQ("C:\\one\\two", path);
  EXPECT_EQ(1, MpUiCPathDialog::ConcatPath(path, std::string(MAX_PATH - 10, 'z').c_str()));
  EXPECT_STREQ("C:\\one\\two", path) << "a result that would not fit leaves the path alone";
  char shortPath[MAX_PATH] = "C:";
  EXPECT_EQ(1, MpUiCPathDialog::ConcatPath(shortPath, "x"));
}

TEST_F(FolderDialogTest, TypedMissingFoldersAreCreatedOnlyWhenTheUserAgrees) {
  const std::string nested = m_dir + "\\a\\b";
  MpUiCPathDialog dlg("Choose a folder", "Where the files go", m_dir.c_str());
  script.Dialog("Choose a folder", [&](HWND h) {
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(h, 14147)));
    Type(h, 14148, "");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(h, IDOK)));
    Type(h, 14148, (m_dir + "\\a|b").c_str());
    script.MessageBox(IDOK);
    ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    Type(h, 14148, nested.c_str());
    EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(h, IDOK)));
    script.MessageBox(IDNO);
    ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(h)) << "declining keeps the browser open";
    EXPECT_FALSE(Exists(m_dir + "\\a"));
    script.MessageBox(IDYES);
    ::SendMessageA(h, WM_COMMAND, IDOK, 0);
  });
  EXPECT_EQ(1, dlg.DoModal());
  EXPECT_EQ(nested, std::string(dlg.GetPathName()));
  EXPECT_TRUE(Exists(nested));
  ASSERT_EQ(3u, script.boxes.size());
  EXPECT_EQ("The folder:\n\n" + m_dir + "\\a|b\n\nis invalid. Please reenter.", script.boxes[0].text);
  EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION), script.boxes[1].type & (MB_TYPEMASK | MB_ICONMASK));

  MpUiCPathDialog cancelled("Choose a folder");
  script.Dialog("Choose a folder", [](HWND h) { ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0); });
  EXPECT_EQ(-1, cancelled.DoModal());
}

TEST_F(FolderDialogTest, TooLongPathsAndFilesAreRefusedAndNothingIsMade) {
  const std::string file = m_dir + "\\plan.txt";
  ::CloseHandle(::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const std::string cannot = "The folder:\n\n" + file + "\n\ncan not be created. Please double check.";
  EXPECT_EQ(2, MpUiCPathDialog::Touch(file.c_str(), FALSE));
  EXPECT_EQ(2, MpUiCPathDialog::Touch((file + "\\sub").c_str(), FALSE));
  script.MessageBox(IDOK);
  EXPECT_EQ(2, MpUiCPathDialog::MakeSurePathExists(file.c_str()));

  // Cut to what fits, this would still be a valid path of a folder that could be made.
  const std::string tooLong = m_dir + "\\long\\" + std::string(MAX_PATH - 20, 'n');
  ASSERT_GT(tooLong.size(), size_t(MAX_PATH));
  MpUiCPathDialog dlg("Choose a folder", nullptr, m_dir.c_str());
  script.Dialog("Choose a folder", [&](HWND h) {
    Type(h, 14148, tooLong.c_str());
    script.MessageBox(IDOK);
    ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    Type(h, 14148, file.c_str());
    script.MessageBox(IDOK);
    ::SendMessageA(h, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(::IsWindow(h)) << "a refused path keeps the browser open";
    ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_EQ(-1, dlg.DoModal());
  EXPECT_FALSE(Exists(m_dir + "\\long"));
  ASSERT_EQ(3u, script.boxes.size());
  EXPECT_EQ(cannot, script.boxes[0].text);
  EXPECT_EQ("The folder:\n\n" + tooLong + "\n\nis invalid. Please reenter.", script.boxes[1].text);
  EXPECT_EQ(UINT(MB_ICONEXCLAMATION), script.boxes[1].type & (MB_TYPEMASK | MB_ICONMASK));
  EXPECT_EQ(cannot, script.boxes[2].text);
  ::DeleteFileA(file.c_str());
}

}  // namespace
