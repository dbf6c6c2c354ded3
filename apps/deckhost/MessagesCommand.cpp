// DeckHost's "messages" command: a few failures logged as the library would log them, then
// shown in the result viewer; unattended, the rows the viewer shows are printed.
#include "MessagesCommand.h"
#include <afxwin.h>
#include <afxscript.h>
#include <commctrl.h>
#include <cstdio>
#include <string>
#include "CommandScript.h"
#include "MpLogging.h"
#include "WidgetDeckResults.h"
#include "resource.h"

namespace {

std::string CellText(HWND list, int row, int column) {
  char buf[512] = "";
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buf;
  item.cchTextMax = sizeof(buf);
  ::SendMessageA(list, LVM_GETITEMTEXTA, (WPARAM)row, reinterpret_cast<LPARAM>(&item));
  return buf;
}

}  // namespace

extern "C" int RunMessagesCommand(bool scripted) {
  if (!g_spLogger.get()) {
    std::printf("messages: no logger\n");
    return 1;
  }
  std::string file = "DeckHost.cpp";
  g_spLogger->log(MpLog::Error, MpLog::NoFlag, "The blank \"Block 120\" has no material.", file, 10);
  g_spLogger->log(MpLog::Warning, MpLog::NoFlag,
                  "Spindle speed 40000 rpm is above the machine's limit;\nusing 24000 rpm.",
                  file, 11);
  g_spLogger->log(MpLog::ProgrammingError, MpLog::ProgrammingFlag, "Operation \"Drill 8\" has no tool assembly.",
                  file, 12);

  deckhost::CommandScript script(scripted);
  if (scripted) {
    script.Dialog(IDD_EVENT_VIEWER, [](HWND h) {
      HWND list = ::GetDlgItem(h, IDC_EVENT_VIEWER_LIST);
      char title[256] = "";
      ::GetWindowTextA(h, title, sizeof(title));
      std::printf("result viewer \"%s\":\n", title);
      const int rows = (int)::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0);
      for (int r = 0; r < rows; ++r)
        std::printf("  %-8s %s\n", CellText(list, r, 0).c_str(), CellText(list, r, 1).c_str());
      AfxScript::Click(h, IDOK);
    });
  }
  std::string title = "Demo";
  WidgetDeck::showAllMessages(title);
  return script.Verdict() ? 0 : 1;
}
