// The application object's profile in the registry, where the library keeps window placements
// and search texts.
#include "wdtest.h"
#include <string>

// Each write is told to the script player while one is installed.
TEST(AppTest, ProfileStringsGoToTheRegistry) {
  const std::string key = "Software\\WidgetDeck\\WdAppProfileTest";
  ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
  CWinApp theApp("WdAppProfileTest");
  AfxScript::Script script;
  AfxScript::ScopedPlayer player(&script);
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "on"), "on");  // missing
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo"), "");
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "SetOSetNo", "off"));
  char data[16] = {};
  DWORD size = sizeof(data), type = 0;
  ASSERT_EQ(::RegGetValueA(HKEY_CURRENT_USER, (key + "\\Settings").c_str(), "SetOSetNo", RRF_RT_ANY,
                           &type, data, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, (DWORD)REG_SZ);
  EXPECT_EQ(std::string(data, size), std::string("off", 4));
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "on"), "off");
  ASSERT_EQ(script.profileWrites.size(), 1u);
  EXPECT_EQ(script.profileWrites[0].section + "/" + script.profileWrites[0].entry, "Settings/SetOSetNo");
  EXPECT_EQ(script.profileWrites[0].value, "off");

  // Null value: the entry goes; null entry: the whole section goes.
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "SetOSetNo", nullptr));
  EXPECT_STREQ(theApp.GetProfileString("Settings", "SetOSetNo", "gone"), "gone");
  EXPECT_TRUE(theApp.WriteProfileString("Settings", "Other", "x"));
  EXPECT_TRUE(theApp.WriteProfileString("Settings", nullptr, nullptr));
  HKEY h;
  EXPECT_NE(::RegOpenKeyExA(HKEY_CURRENT_USER, (key + "\\Settings").c_str(), 0, KEY_READ, &h),
            ERROR_SUCCESS);
  ::RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
}
