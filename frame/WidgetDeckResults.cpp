// The result viewer over a failure's result stack or over the shared logger's queue.
#include "WidgetDeckResults.h"
#include <sstream>
#include <vector>
#include "MpLogging.h"
#include "MpUiCEventViewerDlg.h"
#include "MpUiResourceString.h"
#include "resource.h"

namespace {

// One line of the viewer's text. A line break inside the message would cut it in two and the
// second half would be lost, so each one (CR, LF or CR LF) becomes a blank.
void writeLine(std::ostream& out, int severity, const std::string& message) {
  out << (severity == MpUtils::eError ? "error - " : "warning - ");
  for (std::string::size_type i = 0; i < message.size(); ++i) {
    const char c = message[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < message.size() && message[i + 1] == '\n') ++i;
      out << ' ';
    } else {
      out << c;
    }
  }
  out << '\n';
}

}  // namespace

namespace WidgetDeck {

void showResultMessages(MpFail& fail, std::string& subject) {
  try {
    std::vector<unsigned int> ids;
    std::vector<MpUtils::eSeverity> severities;
    std::vector<std::string> texts;
    fail.getAndClearResultStack(ids, severities, texts);

    std::stringstream stream;
    for (size_t i = 0; i < texts.size(); ++i) {
      const int severity = i < severities.size() ? (int)severities[i] : (int)MpUtils::eError;
      writeLine(stream, severity, texts[i]);
    }
    std::string text = stream.str();
    if (text.empty()) return;

    std::string title = getResourceString(IDS_EVENT_VIEWER_TITLE, subject, "", "", "");
    MpUiCEventViewerDlg viewer(title, text, nullptr);
    viewer.DoModal();
  } catch (...) {
    // Reporting must never be what fails the caller.
  }
}

void showAllMessages(std::string& title) {
  try {
    int severity = 0;
    int flag = 0;
    std::string message;
    if (!g_spLogger.isNull()) g_spLogger->popMessage(severity, flag, message);

    std::stringstream stream;
    while (flag != 0 && !message.empty()) {
      writeLine(stream, severity, message);
      flag = 0;
      message.clear();
      if (!g_spLogger.isNull()) g_spLogger->popMessage(severity, flag, message);
    }
    std::string text = stream.str();
    if (text.empty()) return;

    MpUiCEventViewerDlg viewer(title, text, nullptr);
    viewer.DoModal();
  } catch (...) {
    // Reporting must never be what fails the caller.
  }
}

}  // namespace WidgetDeck
