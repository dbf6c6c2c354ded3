// DeckHost's "move" command: the modeless move/rotate dialog over a sample node.
#include "MoveCommand.h"
#include <afxwin.h>
#include <afxscript.h>
#include <cstdio>
#include <string>
#include "MpAppUiObjectManipulator.h"
#include "MpHostCommands.h"
#include "MpHostSample.h"
#include "resource.h"
#include "ScriptedRun.h"

namespace {

const int kValues[6] = {IDC_MANIPULATOR_POS_X, IDC_MANIPULATOR_POS_Y, IDC_MANIPULATOR_POS_Z,
                        IDC_MANIPULATOR_ROT_X, IDC_MANIPULATOR_ROT_Y, IDC_MANIPULATOR_ROT_Z};

void PrintValues(HWND dlg, const char* what) {
  std::printf("  %-9s", what);
  for (int id : kValues) std::printf(" %s", AfxScript::Text(dlg, id).c_str());
  std::printf("\n");
}

// The user's part: offsets applied, then the absolute placement with x changed, then Close.
void ActAsUser(HWND dlg) {
  using namespace AfxScript;
  std::printf("move/rotate dialog over \"%s\":\n", Text(dlg, IDC_MANIPULATOR_NAME).c_str());
  const char* const offsets[6] = {"5", "0", "-2.5", "0", "0", "45"};
  for (int i = 0; i < 6; ++i) Type(dlg, kValues[i], offsets[i]);
  PrintValues(dlg, "relative");
  Click(dlg, IDC_MANIPULATOR_APPLY);
  Click(dlg, IDC_MANIPULATOR_ABSOLUTE);
  PrintValues(dlg, "absolute");
  Type(dlg, IDC_MANIPULATOR_POS_X, "150");
  Click(dlg, IDC_MANIPULATOR_APPLY);
  Click(dlg, IDCANCEL);
}

}  // namespace

extern "C" int RunMoveCommand(bool scripted) {
  MpHostData* data = MpHostCreateSampleData();
  const ZulObjectKey part = data->find("Model", "Bracket part");
  IMpAppInput* input = MpHostCreateCommandInput();
  IMpAppOutput* output = MpHostCreateCommandOutput();
  MpHostClearExecutedCommands();
  // The dialog deletes itself when its window goes.
  auto* dlg = new MpAppUiObjectManipulator(data->node(part), CLSID_MpHostMoveCommand, input, output);
  bool ok = dlg->create();
  if (ok) {
    HWND h = dlg->m_hWnd;
    deckhost::WindowOpened(h, "move/rotate dialog");
    if (scripted) {
      ActAsUser(h);
    } else {
      MSG msg;
      while (::IsWindow(h) && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (::IsDialogMessageA(h, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    ok = !::IsWindow(h);
  } else {
    std::printf("move: the dialog could not be created\n");
    delete dlg;
  }
  std::printf("commands the host received:\n");
  const std::vector<std::string> commands = MpHostExecutedCommands();
  for (const std::string& c : commands) std::printf("  %s\n", c.c_str());
  if (commands.empty()) std::printf("  (none)\n");
  input->Release();
  output->Release();
  data->Release();
  return ok && (!scripted || commands.size() == 2) ? 0 : 1;
}
