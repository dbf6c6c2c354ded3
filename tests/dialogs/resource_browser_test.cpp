// The resource browser: configuration lines, start-up from the environment variable and the
// configuration file over the test-double libraries, failure reports, login and termination.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>
#include "../frame/viewer_rows.h"
#include "CJqLoginDlg.h"
#include "MpClassFactory.h"
#include "MpHost.h"
#include "MpResourceBrowser.h"
#include "MpUnknown.h"
#include "MpUiResourceBrowser.h"
#include "MpUiResourceBrowserConfig.h"
#include "hosted.h"

using namespace AfxScript;

TEST(ResourceBrowserConfig, LinesAreCutSplitAndLimited) {
  std::istringstream in(
      "RB_HOME=C:\\rb;\n"
      "# RB_SERVERURL=http://commented;\n"
      "URL=http://a;b;# after the hash\n"
      " KEY = spaced ;\n"
      "NOSEMI=value\n"
      "EARLY;=all after\n"
      "no equals sign;\n"
      "=empty key;\n"
      "RB_HOME=D:\\later;\n"
      "CONFIG_HOME=C:\\other;\n"
      "FULL=" + std::string(1017, 'z') + ";\nLONG=" + std::string(1018, 'y') + ";\nAFTER=read;\nTOO=" +
      std::string(3000, 'w') + ";\nLAST=also read;");
  std::map<std::string, std::string> config{{"CONFIG_HOME", "C:\\home"}};
  MpResourceBrowser::readConfigStream(in, config);
  const std::map<std::string, std::string> expected{
      {"RB_HOME", "D:\\later"}, {"URL", "http://a;b"},           {" KEY ", " spaced "},
      {"NOSEMI", ""},           {"EARLY;", "all after"},         {"", "empty key"},
      {"CONFIG_HOME", "C:\\other"}, {"FULL", std::string(1017, 'z')}, {"AFTER", "read"},
      {"LAST", "also read"}};
  EXPECT_EQ(expected, config) << "a 1023-character line is read, a longer one is ignored and the reading goes on";
}

namespace {

// The first text, then 8 MB more of the line it leaves open, then the last text.
class LongLine : public std::streambuf {
 public:
  LongLine(std::string first, std::string last) : m_first(std::move(first)), m_last(std::move(last)) {
    setg(&m_first[0], &m_first[0], &m_first[0] + m_first.size());
  }

 protected:
  int_type underflow() override {
    if (m_taken > (8u << 20)) return traits_type::eof();
    if (m_taken == (8u << 20)) {
      ++m_taken;
      setg(&m_last[0], &m_last[0], &m_last[0] + m_last.size());
    } else {
      m_chunk.assign(4096, 'x');
      setg(&m_chunk[0], &m_chunk[0], &m_chunk[0] + m_chunk.size());
      m_taken += m_chunk.size();
    }
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string m_first, m_last, m_chunk;
  size_t m_taken = 0;
};

}  // namespace

TEST(ResourceBrowserConfig, AnOverlongLineIsNotHeld) {
  // The rest of a long line is read past, never gathered: no value of it is kept, not even the
  // part up to the limit, and the line after it is read.
  LongLine source("RB_HOME=C:\\rb;\nLONG=", "\nRB_SERVERURL=http://after;\n");
  std::istream in(&source);
  std::map<std::string, std::string> config;
  MpResourceBrowser::readConfigStream(in, config);
  EXPECT_EQ((std::map<std::string, std::string>{{"RB_HOME", "C:\\rb"}, {"RB_SERVERURL", "http://after"}}), config);
}

TEST(ResourceBrowserConfig, ProgramFolderOnlyFromAWholePath) {
  std::string folder;
  EXPECT_TRUE(MpResourceBrowser::folderOfModule("C:\\apps\\host.exe", 260, folder));
  EXPECT_EQ("C:\\apps\\", folder);
  // A path that filled the buffer was cut: no folder, so no bare name to look up.
  const std::string cut = "C:\\" + std::string(250, 'd') + "\\host.e";
  ASSERT_EQ(260u, cut.size());
  EXPECT_FALSE(MpResourceBrowser::folderOfModule(cut, 260, folder));
  EXPECT_EQ("", folder);
  EXPECT_TRUE(MpResourceBrowser::folderOfModule(cut.substr(0, 259), 260, folder));
  EXPECT_FALSE(MpResourceBrowser::folderOfModule("host.exe", 260, folder));
  EXPECT_FALSE(MpResourceBrowser::folderOfModule("", 260, folder));
}

namespace {

std::string BinFolder() {
  char path[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('\\'));
}

template <class F>
F Entry(const char* folder, const char* name) {
  HMODULE module = ::GetModuleHandleA((BinFolder() + "\\" + folder + "\\libresource_browser.dll").c_str());
  return module ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(module, name))) : nullptr;
}

// The file services with temporary names from a list: each name's file is made when it is
// handed out, as the system does; none is left when the list is used up.
class ListedTempNames : public MpUnknown<IMpUtOsFile> {
 public:
  explicit ListedTempNames(std::vector<std::string>& names) : m_names(names) {}
  bool splitPath(const std::string&, std::string&, std::string&, std::string&, std::string&) override { return false; }
  bool fileExists(const std::string& path) override { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }
  bool getTempFileName(std::string& path) override {
    if (m_names.empty()) return false;
    path = m_names.front();
    m_names.erase(m_names.begin());
    std::ofstream(path.c_str()).flush();
    return true;
  }
  bool deleteFile(const std::string& path) override { return ::DeleteFileA(path.c_str()) != FALSE; }

 private:
  ~ListedTempNames() override = default;
  void* findInterface(REFIID iid) override {
    return IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IMpUtOsFile) ? static_cast<IMpUtOsFile*>(this) : nullptr;
  }

  std::vector<std::string>& m_names;
};

std::string Contents(const std::string& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

class ResourceBrowserTest : public HostedTest {
 protected:
  void SetUp() override {
    HostedTest::SetUp();
    char temp[MAX_PATH] = "";
    ::GetTempPathA(MAX_PATH, temp);
    m_home = std::string(temp) + "wd_rb_home";
    for (const char* sub : {"", "\\bin", "\\bin\\RB"}) ::CreateDirectoryA((m_home + sub).c_str(), nullptr);
    ::DeleteFileA(ConfigPath().c_str());
  }
  void TearDown() override {
    MpResourceBrowser::terminateResourceBrowser();
    ::SetEnvironmentVariableA("KVX_MP_HOME", nullptr);
    MpHostRegisterClass(CLSID_MpUtOs);
    HostedTest::TearDown();
  }
  std::string ConfigPath() const { return m_home + MpResourceBrowser::configFileSuffix; }
  void Configure(const std::string& lines) {
    std::ofstream(ConfigPath().c_str()) << lines;
    ::SetEnvironmentVariableA("KVX_MP_HOME", m_home.c_str());
  }
  // The one log line of a failed start-up, after which the instance is gone again.
  void ExpectLogged(int severity, const std::string& text) {
    EXPECT_EQ(nullptr, MpResourceBrowser::getResourceBrowser());
    std::vector<MpLogRecord> logs = Logs();
    ASSERT_EQ(1u, logs.size());
    EXPECT_EQ(severity, logs[0].severity);
    EXPECT_NE(std::string::npos, logs[0].message.find(text)) << logs[0].message;
    EXPECT_TRUE(MpDefaultLogger()->categories().empty());
    ClearLogs();
  }
  std::string m_home;
};

TEST_F(ResourceBrowserTest, FailedStartUpsAreReportedAndRetried) {
  // No home: nothing read, the library looked for as "\libresource_browser.dll", which is no
  // absolute folder and is refused.
  ExpectLogged(400, "\\libresource_browser.dll");
  ::SetEnvironmentVariableA("KVX_MP_HOME", m_home.c_str());
  ExpectLogged(300, ConfigPath());
  Configure("RB_HOME=rb;\n");
  ExpectLogged(400, "rb\\libresource_browser.dll");
  Configure("RB_HOME=" + BinFolder() + "\\rb;\n");
  MpHostUnregisterClass(CLSID_MpUtOs);
  ExpectLogged(400, "libresource_browser.dll");
  MpHostRegisterClass(CLSID_MpUtOs);

  // A missing entry point and a missing integration library are shown, with their severity.
  Rows shown;
  auto viewer = [&](HWND h) {
    shown = ViewerRows(h);
    Click(h, IDOK);
  };
  Configure("RB_HOME=" + BinFolder() + "\\rb-partial;\n");
  script.Dialog(IDD_EVENT_VIEWER, viewer);
  EXPECT_EQ(nullptr, MpResourceBrowser::getResourceBrowser());
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ(Rows({{"error ", Message(2287, "RB_GetSelectedResources")}}), shown);
  const std::string integration = BinFolder() + "\\MpJqIntegration.dll";
  while (HMODULE loaded = ::GetModuleHandleA(integration.c_str())) ::FreeLibrary(loaded);
  ASSERT_TRUE(::MoveFileA(integration.c_str(), (integration + ".off").c_str()));
  script.Dialog(IDD_EVENT_VIEWER, viewer);
  EXPECT_EQ(nullptr, MpResourceBrowser::getResourceBrowser());
  ::MoveFileA((integration + ".off").c_str(), integration.c_str());
  ASSERT_EQ(1u, shown.size());
  EXPECT_NE(std::string::npos, shown[0].second.find(integration)) << shown[0].second;
  EXPECT_EQ("error ", shown[0].first);
}

TEST_F(ResourceBrowserTest, StartsLogsInFetchesAndTerminates) {
  Configure("RB_HOME=" + BinFolder() + "\\rb;\nRB_SERVERURL=http://server;\n");
  MpUiResourceBrowser* browser = MpResourceBrowser::getResourceBrowser();
  ASSERT_NE(nullptr, browser);
  EXPECT_EQ(browser, MpResourceBrowser::getResourceBrowser());
  EXPECT_EQ(m_home, browser->config("CONFIG_HOME"));
  EXPECT_TRUE(Logs().empty());
  auto setResult = Entry<void (*)(const char*, int)>("rb", "RBTest_SetResult");
  auto setData = Entry<void (*)(const char*, int)>("rb", "RBTest_SetData");
  auto calls = Entry<const char* (*)()>("rb", "RBTest_Calls");
  auto reset = Entry<void (*)()>("rb", "RBTest_Reset");
  ASSERT_TRUE(setResult && setData && calls && reset);
  reset();

  // A refused login shows the reason and stays; an accepted one closes.
  setResult("RB_InitResourceBrowser", 1);
  script.Dialog(IDD_JQLOGIN, [&](HWND h) {
    Type(h, IDC_JQLOGIN_USER, "ann");
    Type(h, IDC_JQLOGIN_PASSWORD, "pw");
    Type(h, IDC_JQLOGIN_GROUP, "g");
    Click(h, IDOK);
    setResult("RB_InitResourceBrowser", 0);
  });
  script.MessageBox(IDOK).Dialog(IDD_JQLOGIN, [](HWND h) { Click(h, IDOK); });
  EXPECT_EQ(MpStatus::MpSuccess, browser->login());
  ASSERT_EQ(1u, Boxes().size());
  EXPECT_EQ("Login failed.\r\nReason: " + Message(2278) + Message(2280), Boxes()[0].first);
  EXPECT_TRUE(browser->isLoggedIn());

  // The resource data reaches its file byte for byte.
  const std::string bytes("<x>\r\n\0\x1a</x>", 11);
  setData(bytes.data(), (int)bytes.size());
  std::string file;
  EXPECT_EQ(MpStatus::MpSuccess, browser->getResourceQdsXml("res-1", 1, file));
  EXPECT_EQ(".qdsxml", file.substr(file.size() - 7));
  std::ifstream in(file.c_str(), std::ios::binary);
  EXPECT_EQ(bytes, std::string(std::istreambuf_iterator<char>(in), {}));
  in.close();
  EXPECT_EQ(MpStatus::MpSuccess, browser->removeQdsXmlFile(file));
  EXPECT_EQ(MpStatus::MpSuccess, browser->removeQdsXmlFile(file));
  ASSERT_EQ(1u, Logs().size());
  EXPECT_EQ(713, Logs()[0].line);

  MpZulSmartList untouched;
  EXPECT_FALSE(browser->browseResources(untouched));
  MpResourceBrowser::terminateResourceBrowser();
  MpResourceBrowser::terminateResourceBrowser();
  EXPECT_EQ("init ann pw g http://server " + m_home + "\\bin\\RB\\resource_browser.conf\n"
            "init ann pw g http://server " + m_home + "\\bin\\RB\\resource_browser.conf\n"
            "qdsxml res-1 1\nexit\n",
            std::string(calls()));
}

TEST_F(ResourceBrowserTest, ResourceDataNeverOverwritesAFile) {
  Configure("RB_HOME=" + BinFolder() + "\\rb;\n");
  MpUiResourceBrowser* browser = MpResourceBrowser::getResourceBrowser();
  ASSERT_NE(nullptr, browser);
  auto setData = Entry<void (*)(const char*, int)>("rb", "RBTest_SetData");
  ASSERT_TRUE(setData);
  setData("<x/>", 4);
  const std::string folder = m_home + "\\temp\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  for (const char* name : {"mph1", "mph2", "mph3"}) {
    ::DeleteFileA((folder + name + ".tmp").c_str());
    ::DeleteFileA((folder + name + ".qdsxml").c_str());
  }
  for (const char* taken : {"mph1.qdsxml", "mph2.qdsxml"}) std::ofstream((folder + taken).c_str()) << "taken";
  std::vector<std::string> names;
  ASSERT_TRUE(MpRegisterClass(CLSID_MpUtOs, [&names](REFIID iid, void** out) {
    ListedTempNames* files = new ListedTempNames(names);
    const HRESULT hr = files->QueryInterface(iid, out);
    files->Release();
    return hr;
  }));

  // Taken names are passed over; the reserved temporary files go again.
  names = {folder + "mph1.tmp", folder + "mph2.tmp", folder + "mph3.tmp"};
  std::string file;
  EXPECT_EQ(MpStatus::MpSuccess, browser->getResourceQdsXml("res-1", 1, file));
  EXPECT_EQ(folder + "mph3.qdsxml", file);
  EXPECT_EQ("<x/>", Contents(file));
  // Only taken names: nothing is written, and the fetch fails.
  names = {folder + "mph1.tmp", folder + "mph2.tmp", folder + "mph3.tmp"};
  EXPECT_EQ(MpStatus::MpFailure, browser->getResourceQdsXml("res-2", 1, file));
  EXPECT_EQ("", file);
  for (const char* taken : {"mph1.qdsxml", "mph2.qdsxml"}) EXPECT_EQ("taken", Contents(folder + taken)) << taken;
  EXPECT_EQ("<x/>", Contents(folder + "mph3.qdsxml"));
  for (const char* name : {"mph1", "mph2", "mph3"}) {
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((folder + name + ".tmp").c_str())) << name;
    ::DeleteFileA((folder + name + ".qdsxml").c_str());
  }
}
