// Failures and the result stack.
#include <gtest/gtest.h>
#include <windows.h>
#include "MpLogging.h"
#include "MpResourceString.h"
#include "MpResults.h"
#include "test_ids.h"

namespace {

class ResultsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    stack();
    ids = {99};
    texts = {"old"};
    MpResetLogger();
  }
  void TearDown() override { MpResetLogger(); }
  std::vector<unsigned int> ids{99};
  std::vector<MpUtils::eSeverity> severities;
  std::vector<std::string> texts{"old"};
  void stack() { MpFail::getAndClearResultStack(ids, severities, texts); }
};

TEST_F(ResultsTest, FailuresCollectOnTheStack) {
  HMODULE module = GetModuleHandleA(nullptr);  // the test strings are the executable's own
  ASSERT_NE(nullptr, module);
  MpRegisterResourceModule(module);
  const MpFail withText(IDS_WD_SAMPLE_INSERTS, "loading", "checking");
  const MpFail warning(MpUtils::eUnavailable, 2285, "C:\\rb\\resource_browser.conf");
  const MpFail bare(65001, nullptr, nullptr, nullptr, nullptr);
  MpUnregisterResourceModule(module);

  EXPECT_EQ("loading then checking", withText.text());
  EXPECT_EQ("Message 2285 (C:\\rb\\resource_browser.conf)", warning.text()) << "no such string: id and inserts";
  EXPECT_EQ("Message 65001", bare.text());
  EXPECT_EQ(3u, MpFail::resultStackSize());

  stack();
  EXPECT_EQ((std::vector<unsigned int>{IDS_WD_SAMPLE_INSERTS, 2285, 65001}), ids);
  EXPECT_EQ((std::vector<MpUtils::eSeverity>{MpUtils::eError, MpUtils::eUnavailable, MpUtils::eError}), severities);
  ASSERT_EQ(3u, texts.size());
  EXPECT_EQ("loading then checking", texts[0]);
  EXPECT_EQ(0u, MpFail::resultStackSize());
  stack();
  EXPECT_TRUE(ids.empty() && severities.empty() && texts.empty());
}

TEST_F(ResultsTest, LoggingAFailure) {
  MpFail kept(2286, "libresource_browser.dll");
  MpFail reported(MpUtils::eUnavailable, 2285, "path");
  try {
    throw reported;
  } catch (MpFail& caught) {
    EXPECT_TRUE(caught.log(true)) << "a copy shares the one stack entry";
  }
  EXPECT_TRUE(kept.log(false));
  const std::vector<MpLogRecord> records = MpDefaultLogger()->records();
  ASSERT_EQ(2u, records.size());
  EXPECT_EQ(300, records[0].severity);
  EXPECT_EQ(0, records[0].flag);
  EXPECT_EQ("Message 2285 (path)", records[0].message);
  EXPECT_EQ(400, records[1].severity);

  stack();
  EXPECT_EQ(std::vector<unsigned int>{2286}, ids) << "only the failure logged with true left the stack";

  g_spLogger = 0;
  EXPECT_FALSE(kept.log(false));
}

}  // namespace
