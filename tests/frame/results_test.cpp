// Results shown to the user: a failure's result stack and the logger's queue in the viewer.
#include <gtest/gtest.h>
#include <afxwin.h>
#include <commctrl.h>
#include <string>
#include <utility>
#include <vector>
#include "WidgetDeckResults.h"
#include "hosted.h"
#include "resource.h"
#include "viewer_rows.h"

namespace {

// Reads the viewer's caption and rows, then closes it with OK.
void ReadAndClose(HWND dlg, std::string& caption, Rows& rows) {
  char buf[256] = {};
  ::GetWindowTextA(dlg, buf, sizeof(buf));
  caption = buf;
  rows = ViewerRows(dlg);
  AfxScript::Click(dlg, IDOK);
}

class ResultMessagesTest : public HostedTest {
 protected:
  void SetUp() override {
    HostedTest::SetUp();
    std::vector<unsigned int> ids;
    std::vector<MpUtils::eSeverity> severities;
    std::vector<std::string> texts;
    MpFail::getAndClearResultStack(ids, severities, texts);
  }
};

}  // namespace

// One viewer titled after the subject, a row per result in order: severity 400 is an error,
// 100, 200 and 300 are warnings; a line break inside a message becomes a blank. The stack is
// emptied, and an empty stack shows nothing (the script has no second step).
TEST_F(ResultMessagesTest, ResultStackShownOnceAndEmptied) {
  MpFail a(MpUtils::eError, 9990, "A");
  MpFail b(MpUtils::eWarning, 9991, "B");
  MpFail c(MpUtils::eInfo, 9992, "C");
  MpFail d(MpUtils::eUnavailable, 9993, "D");
  MpFail e(MpUtils::eError, 9994, "first\nsecond - part\r\nthird");
  std::string caption;
  Rows rows;
  script.Dialog(IDD_EVENT_VIEWER, [&](HWND h) { ReadAndClose(h, caption, rows); });
  std::string subject = "Import";
  WidgetDeck::showResultMessages(e, subject);

  EXPECT_EQ(caption, "Messages of Import");
  const Rows expected = {{"error ", a.text()},   {"warning ", b.text()}, {"warning ", c.text()},
                         {"warning ", d.text()}, {"error ", "Message 9994 (first second - part third)"}};
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(MpFail::resultStackSize(), 0u);
  WidgetDeck::showResultMessages(e, subject);
}

// The logger's queue in one viewer under the title as given, taken from the queue; nothing
// queued, or no logger, shows nothing.
TEST_F(ResultMessagesTest, LoggerQueueShownOnceAndTaken) {
  g_spLogger->log(400, 0, "disk full", "a.cpp", 1);
  g_spLogger->log(200, 0, "slow\nnetwork", "b.cpp", 2);
  g_spLogger->log(100, 1, "trace", "c.cpp", 3);
  std::string caption;
  Rows rows;
  script.Dialog(IDD_EVENT_VIEWER, [&](HWND h) { ReadAndClose(h, caption, rows); });
  std::string title = "All messages";
  WidgetDeck::showAllMessages(title);

  EXPECT_EQ(caption, "All messages");
  EXPECT_EQ(rows, (Rows{{"error ", "disk full"}, {"warning ", "slow network"}, {"warning ", "trace"}}));
  EXPECT_EQ(MpDefaultLogger()->queued(), 0u);
  WidgetDeck::showAllMessages(title);

  g_spLogger->log(400, 0, "kept", "e.cpp", 5);
  g_spLogger = nullptr;
  WidgetDeck::showAllMessages(title);
  EXPECT_EQ(MpDefaultLogger()->queued(), 1u);
}
