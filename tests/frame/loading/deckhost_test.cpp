// The demo host as a user runs it: wrong command lines and windows nobody could see are refused
// at once, and outside input does not bring it down.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstring>
#include <string>

namespace {

struct Outcome {
  DWORD exitCode = 0;
  std::string out, err;
};

// Runs DeckHost.exe (beside this test) with the arguments, its output going to two temporary
// files; a run still going after a minute waits for something that never comes, and is ended.
Outcome RunDeckHost(const std::string& args) {
  char path[MAX_PATH], dir[MAX_PATH], name[MAX_PATH];
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::strcpy(std::strrchr(path, '\\') + 1, "DeckHost.exe");
  ::GetTempPathA(MAX_PATH, dir);
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE files[2];
  for (HANDLE& f : files) {
    ::GetTempFileNameA(dir, "dh", 0, name);
    f = ::CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                      FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  }
  STARTUPINFOA si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = files[0];
  si.hStdError = files[1];
  PROCESS_INFORMATION pi{};
  std::string line = "\"" + std::string(path) + "\" " + args;
  Outcome o;
  if (::CreateProcessA(path, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
    if (::WaitForSingleObject(pi.hProcess, 60000) == WAIT_TIMEOUT) {
      ADD_FAILURE() << args << ": still running after a minute";
      ::TerminateProcess(pi.hProcess, 99);
      ::WaitForSingleObject(pi.hProcess, INFINITE);
    }
    ::GetExitCodeProcess(pi.hProcess, &o.exitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
  } else {
    ADD_FAILURE() << "cannot start " << path;
  }
  for (int i = 0; i < 2; ++i) {
    char buf[4096];
    DWORD got = 0;
    ::SetFilePointer(files[i], 0, nullptr, FILE_BEGIN);
    while (::ReadFile(files[i], buf, sizeof(buf), &got, nullptr) && got > 0) (i ? o.err : o.out).append(buf, got);
    ::CloseHandle(files[i]);
  }
  return o;
}

TEST(DeckHostTest, WrongCommandLinesAndWindowsNobodySeesAreRefusedAndLongInputIsRead) {
  // The tests' prefix has the null display driver: nobody could answer a window there.
  const std::string longType(600, 'T');
  char temp[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, temp);
  const std::string existingFolder(temp, std::strlen(temp) - 1);  // without its closing backslash
  const struct {
    std::string args;
    DWORD exitCode;
    std::string errStart, outHolds;
  } cases[] = {
      {"bogus", 2, "DeckHost: unknown command \"bogus\"", ""},
      {"sample --bogus", 2, "DeckHost: unexpected \"--bogus\" after \"sample\"", ""},
      {"sample", 2, "DeckHost: the sample dialog waits for a person", ""},
      // Pictures into a folder that is not there: refused before any window opens.
      {"--shots Z:\\wd-no-such-folder\\shots sample --scripted", 2,
       "DeckHost: --shots: the folder \"Z:\\wd-no-such-folder\\shots\" does not exist", ""},
      {"--shots C:\\windows\\win.ini sample --scripted", 2,
       "DeckHost: --shots: \"C:\\windows\\win.ini\" is a file, not a folder", ""},
      // Both read the screen, which shows nothing here: every picture would be black.
      {"--render-check sample --scripted", 2, "DeckHost: --render-check reads the screen, but nothing can be shown here",
       ""},
      {"--shots \"" + existingFolder + "\" sample --scripted", 2,
       "DeckHost: --shots reads the screen, but nothing can be shown here", ""},
      {"move --scripted", 0, "", "  move absolute position 150 40 0 rotation 0 0 90"},
      {"task RuleConstant --sample", 2, "DeckHost: the task sheet for RuleConstant waits for a person", ""},
      {"files", 2, "DeckHost: the CAD file dialog waits for a person", ""},
      {"files --scripted", 0, "", "attachment type = CAD Model"},
      {"dialogs1 --scripted", 0, "", "  project = Bracket machining"},
      {"dialogs2 --scripted", 0, "", "check-out dialog: checked out"},
      {"splitter --scripted", 0, "", "  column 0: view 1 \"Operations\" shown at 0,0-150,"},
      // The page's box comes while the sheet is set up, before any action: answered and printed.
      {"task AddProductVariant --cancel", 1, "", "message box (error): There is no product-variant set to offer."},
      {"task AddProductVariant --select Bracket --choose \"NewProductVariantSet=Long bracket\" --type AddBlank=on "
       "--file BlankModel=C:\\windows\\win.ini --ok", 0, "", "BlankModel = \"C:\\\\windows\\\\win.ini\""},
      // Entries longer than the 512 characters the system passes between 8-bit and wide text.
      {"task RuleConstant --preset-list \"Type=" + longType + "\" --cancel", 0, "", "Type[] = \"" + longType + "\""},
      // Grid properties typed into and chosen, on a sample class.
      {"task CustomizationClass --type \"ClassNiceName=Hole 2\" --ok", 0, "", "ClassName = \"HOLE_2\""},
      {"task CustomizationField --class CounterboreHole --preset Customization_EditMode=on --preset FieldName=Axis "
       "--choose FieldType=Integer --type FieldVectorSize=8 --ok", 0, "", "FieldVectorSize = \"8\""},
  };
  for (const auto& c : cases) {
    const Outcome o = RunDeckHost(c.args);
    EXPECT_EQ(o.exitCode, c.exitCode) << c.args.substr(0, 40) << "\n" << o.err;
    EXPECT_EQ(o.err.substr(0, c.errStart.size()), c.errStart) << c.args.substr(0, 40);
    if (c.outHolds.empty()) EXPECT_EQ(o.out, "");
    else EXPECT_NE(o.out.find(c.outHolds), std::string::npos) << o.out;
  }
}

}  // namespace
