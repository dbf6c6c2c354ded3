// Strings of the resource module with their inserts.
#include <gtest/gtest.h>
#include <windows.h>
#include "MpResourceString.h"
#include "test_ids.h"

namespace {

TEST(ResourceStringTest, InsertRules) {
  const std::string inserts[6] = {"one", "two", "three", "four", "five", "six"};
  EXPECT_EQ("six five four three two one one", MpInsertStrings("%6 %5 %4 %3 %2 %1 %1", inserts, 6));
  EXPECT_EQ("%0 %7 %s 100% % one0", MpInsertStrings("%0 %7 %s 100% % %10", inserts, 6)) << "nothing else is special";
  const std::string tricky[2] = {"%2", "X"};
  EXPECT_EQ("%2 X", MpInsertStrings("%1 %2", tricky, 2)) << "inserted text is not searched again";
  EXPECT_EQ("a  b", MpInsertStrings("a %3 b", tricky, 2)) << "an insert not given is empty";
}

TEST(ResourceStringTest, ReadsTheRegisteredModule) {
  EXPECT_EQ("", MpGetResourceString(IDS_WD_SAMPLE_INSERTS, "A", "B")) << "no module registered yet";
  HMODULE module = GetModuleHandleA(nullptr);  // the test strings are the executable's own
  ASSERT_NE(nullptr, module);
  EXPECT_FALSE(MpRegisterResourceModule(nullptr));
  ASSERT_TRUE(MpRegisterResourceModule(module));
  EXPECT_TRUE(MpRegisterResourceModule(module)) << "a second registration changes nothing";
  EXPECT_EQ("first then second", MpGetResourceString(IDS_WD_SAMPLE_INSERTS, "first", "second", "", "", "", ""));
  EXPECT_EQ("", MpGetResourceString(65000, "x")) << "a missing identifier";
  EXPECT_TRUE(MpUnregisterResourceModule(module));
  EXPECT_EQ("", MpGetResourceString(IDS_WD_SAMPLE_INSERTS, "A", "B"));
  EXPECT_FALSE(MpUnregisterResourceModule(module));

  // A module without a string table is skipped on the way to one that has the string.
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  MpRegisterResourceModule(module);
  MpRegisterResourceModule(kernel);
  EXPECT_EQ("1 then 2", MpGetResourceString(IDS_WD_SAMPLE_INSERTS, "1", "2"));
  MpUnregisterResourceModule(kernel);
  MpUnregisterResourceModule(module);
}

}  // namespace
