// The application object: its registration, its profile in the registry, resources and
// the wait cursor.
#include "wdtest.h"
#include <cstring>
#include <string>

namespace {

// The raw registry value: its type and bytes; false when missing.
bool ReadValue(const std::string& key, const char* name, DWORD* type, std::string* data) {
  HKEY h;
  if (::RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS)
    return false;
  char buf[256];
  DWORD size = sizeof(buf);
  LONG r = ::RegQueryValueExA(h, name, nullptr, type, reinterpret_cast<BYTE*>(buf), &size);
  ::RegCloseKey(h);
  if (r != ERROR_SUCCESS) return false;
  data->assign(buf, size);
  return true;
}

// Each test has its own application and registry key names: tests run in parallel
// processes that share one registry.
class AppTest : public ::testing::Test {
protected:
  std::string app, company;
  void SetUp() override {
    std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    app = "WdApp" + test;
    company = "WdCompany" + test;
    DeleteTestKeys();
  }
  void TearDown() override { DeleteTestKeys(); }
  void DeleteTestKeys() {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\" + company).c_str());
    ::RegDeleteTreeA(HKEY_CURRENT_USER, ("Software\\WidgetDeck\\" + app).c_str());
  }
};

}  // namespace

TEST_F(AppTest, TheLatestApplicationIsCurrentUntilItGoes) {
  CWinApp* before = AfxGetApp();
  {
    CWinApp theApp(app.c_str());
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_EQ(AfxGetThread(), &theApp);
    EXPECT_STREQ(AfxGetAppName(), app.c_str());
    EXPECT_TRUE(theApp.IsKindOf(RUNTIME_CLASS(CWinThread)));
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    {
      CWinApp unnamed;
      EXPECT_EQ(AfxGetApp(), &unnamed);
      // Without a name the application takes the executable's name.
      EXPECT_STREQ(unnamed.m_pszAppName, unnamed.m_pszExeName);
      EXPECT_STRNE(unnamed.m_pszAppName, "");
      EXPECT_EQ(std::strchr(unnamed.m_pszAppName, '.'), nullptr);
    }
    EXPECT_EQ(AfxGetApp(), &theApp);
  }
  EXPECT_EQ(AfxGetApp(), before);
}

TEST_F(AppTest, ProfileStringsAndIntsGoToTheRegistry) {
  CWinApp theApp(app.c_str());
  // No registry key chosen: the profile lives under Software\WidgetDeck\<app name>.
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "on"), "on");  // missing
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo"), "");
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "SetOSetNo", "off"));
  DWORD type = 0;
  std::string data;
  ASSERT_TRUE(ReadValue("Software\\WidgetDeck\\" + app + "\\Settings", "SetOSetNo", &type, &data));
  EXPECT_EQ(type, (DWORD)REG_SZ);
  EXPECT_EQ(data, std::string("off", 4));
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "on"), "off");

  theApp.SetRegistryKey(company.c_str());
  EXPECT_STREQ(theApp.m_pszRegistryKey, company.c_str());
  EXPECT_STREQ(theApp.m_pszProfileName, app.c_str());
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "on"), "on");  // a new place
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "Blank", "yes"));
  EXPECT_TRUE(theApp.WriteProfileInt("Window", "Count", -5));
  ASSERT_TRUE(ReadValue("Software\\" + company + "\\" + app + "\\Window", "Count", &type, &data));
  EXPECT_EQ(type, (DWORD)REG_DWORD);
  ASSERT_EQ(data.size(), 4u);
  EXPECT_EQ((int)theApp.GetProfileInt("Window", "Count", 7), -5);
  EXPECT_EQ(theApp.GetProfileInt("Window", "Missing", 7), 7u);
  EXPECT_EQ(theApp.GetProfileInt("Settings", "Blank", 3), 3u);  // a string is not a number
  EXPECT_STREQ(theApp.GetProfileString("Window", "Count", "dflt"), "dflt");  // nor the reverse

  // Null value: the entry goes; null entry: the whole section goes.
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "Blank", nullptr));
  EXPECT_STREQ(theApp.GetProfileString("Settings", "Blank", "gone"), "gone");
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "Other", "x"));
  EXPECT_TRUE(theApp.WriteProfileString("Settings", nullptr, nullptr));
  HKEY h;
  std::string section = "Software\\" + company + "\\" + app + "\\Settings";
  EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, section.c_str(), 0, KEY_READ, &h), ERROR_SUCCESS);
}

TEST_F(AppTest, ProfileBinaryRoundTrip) {
  CWinApp theApp(app.c_str());
  theApp.SetRegistryKey(company.c_str());
  BYTE in[5] = {1, 0, 255, 7, 9};
  EXPECT_TRUE(theApp.WriteProfileBinary("Data", "Blob", in, sizeof(in)));
  LPBYTE out = nullptr;
  UINT n = 0;
  ASSERT_TRUE(theApp.GetProfileBinary("Data", "Blob", &out, &n));
  ASSERT_EQ(n, 5u);
  EXPECT_EQ(std::memcmp(in, out, 5), 0);
  delete[] out;
  EXPECT_FALSE(theApp.GetProfileBinary("Data", "Missing", &out, &n));
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(n, 0u);
}

TEST_F(AppTest, CursorsIconsAndTheWaitCursor) {
  CWinApp theApp(app.c_str());
  HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
  HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
  EXPECT_EQ(theApp.LoadStandardCursor(IDC_ARROW), arrow);
  EXPECT_EQ(theApp.LoadStandardIcon(IDI_APPLICATION), ::LoadIconA(nullptr, IDI_APPLICATION));
  EXPECT_EQ(theApp.LoadCursor(9999u), nullptr);  // no module of the chain holds it
  EXPECT_EQ(theApp.LoadIcon(9999u), nullptr);

  HCURSOR cross = ::LoadCursorA(nullptr, IDC_CROSS);
  ::SetCursor(cross);
  theApp.DoWaitCursor(1);
  EXPECT_EQ(::GetCursor(), wait);
  theApp.DoWaitCursor(1);
  theApp.DoWaitCursor(-1);
  EXPECT_EQ(::GetCursor(), wait);  // one still outstanding
  ::SetCursor(arrow);
  theApp.DoWaitCursor(0);  // shown again
  EXPECT_EQ(::GetCursor(), wait);
  theApp.DoWaitCursor(-1);
  EXPECT_EQ(::GetCursor(), cross);  // back to the cursor from before the first
  theApp.DoWaitCursor(-1);          // unbalanced: nothing happens
  EXPECT_EQ(::GetCursor(), cross);
}

TEST_F(AppTest, ProfileWritesAreToldToTheScriptPlayer) {
  CWinApp theApp(app.c_str());
  AfxScript::Script script;
  {
    AfxScript::ScopedPlayer player(&script);
    EXPECT_TRUE(theApp.WriteProfileString("Settings", "Blank", "off"));
    EXPECT_TRUE(theApp.WriteProfileInt("Window", "Count", 3));
  }
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "Blank", "on"));  // no player: not told
  ASSERT_EQ(script.profileWrites.size(), 2u);
  EXPECT_EQ(script.profileWrites[0].section, "Settings");
  EXPECT_EQ(script.profileWrites[0].entry, "Blank");
  EXPECT_EQ(script.profileWrites[0].value, "off");
  EXPECT_EQ(script.profileWrites[1].value, "3");
}
