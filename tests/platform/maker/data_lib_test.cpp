// The data library's session functions.
#include <gtest/gtest.h>
#include <windows.h>
#include "MpDataLib.h"

namespace {

TEST(DataLibTest, ContextLoginAndTraversalFolder) {
  ZulContextData* context = MpContextData();
  ASSERT_NE(nullptr, context);
  const ZulContextData saved = *context;
  context->variantFilterId = 17;
  EXPECT_EQ(17, reinterpret_cast<const int32_t*>(MpContextData())[2]) << "one record, the third word";
  *context = saved;

  EXPECT_FALSE(MpDataLogin("anna", "secret")) << "refused until a hook decides";
  std::string seen;
  MpDataLoginHook previous = MpSetDataLoginHook([&](const std::string& user, const std::string& password) {
    seen = user + "/" + password;
    return password == "secret";
  });
  EXPECT_TRUE(MpDataLogin("anna", "secret"));
  EXPECT_EQ("anna/secret", seen);
  EXPECT_FALSE(MpDataLogin("anna", "guess"));
  MpSetDataLoginHook(previous);

  const std::string fallback = MpContextGetTraversalXmlDir(false);
  ASSERT_GT(fallback.size(), 10u);
  EXPECT_EQ("Traversal", fallback.substr(fallback.size() - 9));
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "wd_traversal_test_" + std::to_string(GetCurrentProcessId());
  RemoveDirectoryA(folder.c_str());
  MpSetTraversalXmlDir(folder + "\\");
  EXPECT_EQ(folder, MpContextGetTraversalXmlDir(false)) << "no separator at the end";
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.c_str())) << "false makes nothing";
  EXPECT_EQ(folder, MpContextGetTraversalXmlDir(true));
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
  RemoveDirectoryA(folder.c_str());
  MpSetTraversalXmlDir("");
  EXPECT_EQ(fallback, MpContextGetTraversalXmlDir(false));
}

}  // namespace
