// The application object: its registration, resources and its profile in the registry.
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

// Each test has its own application name: tests run in parallel processes that share one
// registry.
class AppTest : public ::testing::Test {
protected:
  std::string app, key;
  void SetUp() override {
    app = "WdApp" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name());
    key = "Software\\WidgetDeck\\" + app;
    ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
  }
  void TearDown() override { ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()); }
};

}  // namespace

TEST_F(AppTest, TheLatestApplicationIsCurrentUntilItGoes) {
  CWinApp* before = AfxGetApp();
  {
    CWinApp theApp(app.c_str());
    EXPECT_EQ(AfxGetApp(), &theApp);
    EXPECT_STREQ(AfxGetAppName(), app.c_str());
    {
      CWinApp unnamed;
      EXPECT_EQ(AfxGetApp(), &unnamed);
      // Without a name the application takes the executable's name, without its extension.
      EXPECT_STRNE(unnamed.m_pszAppName, "");
      EXPECT_EQ(std::strchr(unnamed.m_pszAppName, '.'), nullptr);
    }
    EXPECT_EQ(AfxGetApp(), &theApp);
  }
  EXPECT_EQ(AfxGetApp(), before);
  CWinApp theApp(app.c_str());
  EXPECT_EQ(theApp.LoadCursor(9999u), nullptr);  // no module of the chain holds it
  EXPECT_EQ(theApp.LoadIcon(9999u), nullptr);
}

// Each write is told to the script player while one is installed.
TEST_F(AppTest, ProfileStringsAndIntsGoToTheRegistry) {
  CWinApp theApp(app.c_str());
  AfxScript::Script script;
  AfxScript::ScopedPlayer player(&script);
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "on"), "on");  // missing
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo"), "");
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "SetOSetNo", "off"));
  DWORD type = 0;
  std::string data;
  ASSERT_TRUE(ReadValue(key + "\\Settings", "SetOSetNo", &type, &data));
  EXPECT_EQ(type, (DWORD)REG_SZ);
  EXPECT_EQ(data, std::string("off", 4));
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "on"), "off");

  EXPECT_TRUE(theApp.WriteProfileInt("Window", "Count", -5));
  ASSERT_TRUE(ReadValue(key + "\\Window", "Count", &type, &data));
  EXPECT_EQ(type, (DWORD)REG_DWORD);
  EXPECT_EQ((int)theApp.GetProfileInt("Window", "Count", 7), -5);
  EXPECT_EQ(theApp.GetProfileInt("Window", "Missing", 7), 7u);
  EXPECT_EQ(theApp.GetProfileInt("Settings", "SetOSetNo", 3), 3u);  // a string is not a number
  EXPECT_STREQ(theApp.GetProfileString("Window", "Count", "dflt"), "dflt");  // nor the reverse
  ASSERT_EQ(script.profileWrites.size(), 2u);
  EXPECT_EQ(script.profileWrites[0].section + "/" + script.profileWrites[0].entry, "Settings/SetOSetNo");
  EXPECT_EQ(script.profileWrites[0].value, "off");
  EXPECT_EQ(script.profileWrites[1].value, "-5");

  // Null value: the entry goes; null entry: the whole section goes.
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "SetOSetNo", nullptr));
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "gone"), "gone");
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "Other", "x"));
  EXPECT_TRUE(theApp.WriteProfileString("Settings", nullptr, nullptr));
  HKEY h;
  EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, (key + "\\Settings").c_str(), 0, KEY_READ, &h),
            ERROR_SUCCESS);
}
