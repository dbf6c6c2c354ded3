// The shared logger: what it records and what it queues.
#include <gtest/gtest.h>
#include "MpLogging.h"

namespace {

class LoggerTest : public ::testing::Test {
 protected:
  void SetUp() override { MpResetLogger(); }
  void TearDown() override { MpResetLogger(); }
};

TEST_F(LoggerTest, RecordsEveryCallAndQueuesTheTexts) {
  ASSERT_EQ(static_cast<IMpLogger*>(MpDefaultLogger()), g_spLogger.get()) << "a logger is there from the start";
  g_spLogger->log(100, 1, "MpAppUiOptionsWizard - invalid task Find ", "MpAppUiOptionsWizard.cpp", 243);
  g_spLogger->log(400, 0, "broken", "MpUiCNodeDlg.cpp", 275);
  g_spLogger->log(200, 0, "", "empty.cpp", 1);
  g_spLogger->log(300, 0, "browser", "MpUiResourceBrowser", 101);

  const std::vector<MpLogRecord> records = MpDefaultLogger()->records();
  ASSERT_EQ(4u, records.size());
  const MpLogRecord& r = records[0];
  EXPECT_EQ("100 1 MpAppUiOptionsWizard - invalid task Find |MpAppUiOptionsWizard.cpp 243",
            std::to_string(r.severity) + " " + std::to_string(r.flag) + " " + r.message + "|" + r.sourceFile + " " +
                std::to_string(r.line));

  int severity = -1, flag = -1;
  std::string text;
  EXPECT_TRUE(g_spLogger->getLastMessage(severity, text));
  EXPECT_EQ(300, severity);
  EXPECT_EQ("browser", text);

  // The queue: oldest first; a flag of 1 for each message taken, also for those logged with 0.
  EXPECT_EQ(3u, MpDefaultLogger()->queued()) << "an empty text is not queued";
  const std::pair<int, const char*> expected[] = {{100, "MpAppUiOptionsWizard - invalid task Find "},
                                                  {400, "broken"}, {300, "browser"}};
  for (const auto& e : expected) {
    EXPECT_TRUE(g_spLogger->popMessage(severity, flag, text));
    EXPECT_EQ(e.first, severity);
    EXPECT_EQ(1, flag);
    EXPECT_EQ(e.second, text);
  }
  EXPECT_FALSE(g_spLogger->popMessage(severity, flag, text));
  EXPECT_EQ(0, flag);
  EXPECT_EQ("", text);
  EXPECT_EQ(4u, MpDefaultLogger()->records().size()) << "popping keeps the record";

  // A full queue keeps the newest messages.
  for (size_t i = 0; i < MpRecordingLogger::QueueLimit + 5; ++i) g_spLogger->log(200, 0, std::to_string(i), "f", 1);
  EXPECT_EQ(MpRecordingLogger::QueueLimit, MpDefaultLogger()->queued());
  g_spLogger->popMessage(severity, flag, text);
  EXPECT_EQ("5", text);
}

TEST_F(LoggerTest, AHostsLoggerReplacesTheDefaultUntilReset) {
  MpRecordingLogger* own = new MpRecordingLogger;
  own->AddRef();  // the test's own reference, to look at it afterwards
  g_spLogger.attach(own);
  g_spLogger->log(400, 0, "to the host's logger", "x.cpp", 3);
  EXPECT_EQ(1u, own->records().size());
  EXPECT_TRUE(MpDefaultLogger()->records().empty());
  MpResetLogger();
  EXPECT_EQ(static_cast<IMpLogger*>(MpDefaultLogger()), g_spLogger.get());
  own->Release();  // the last reference: the logger goes
}

}  // namespace
