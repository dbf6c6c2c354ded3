// DeckHost's "dialogs2" command: the properties, folder, batch-run and check-out dialogs.
#include "Dialogs2Command.h"
#include <afxcmn.h>
#include <afxscript.h>
#include <afxscript_filedlg.h>
#include <cstdio>
#include <string>
#include "CommandScript.h"
#include "MpHostSample.h"
#include "MpUiCBatchRun.h"
#include "MpUiCCheckOutDlg.h"
#include "MpUiCPathDialog.h"
#include "MpUiCPropertiesDlg.h"
#include "resource.h"

namespace {

using namespace AfxScript;

std::string tempPath(const char* name) {
  char dir[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

void printRows(HWND dlg, const char* what) {
  auto* list = static_cast<CListCtrl*>(CWnd::FromHandle(::GetDlgItem(dlg, IDC_PROPERTIES_LIST)));
  std::printf("  %s:\n", what);
  for (int i = 0; i < list->GetItemCount(); ++i)
    std::printf("    %-24s %s\n", (LPCSTR)list->GetItemText(i, 0), (LPCSTR)list->GetItemText(i, 1));
}

void showProperties(MpHostData* data, Script& script, bool scripted) {
  const ZulObjectKey hole = data->find("Hole", "Hole 1");
  if (scripted)
    script.Dialog(IDD_PROPERTIES, [](HWND h) {
      printRows(h, "usual fields");
      Click(h, IDC_PROPERTIES_ALL);
      Click(h, IDC_PROPERTIES_PROTOTYPE);
      printRows(h, "all fields, no prototype rows");
      Click(h, IDOK);
    });
  std::printf("properties dialog over \"Hole 1\":\n");
  MpUiCPropertiesDlg(data->node(hole)).DoModal();
}

bool chooseFolder(Script& script, bool scripted) {
  const std::string folder = tempPath("deckhost_output\\run 1");
  if (scripted) {
    ::RemoveDirectoryA(folder.c_str());
    ::RemoveDirectoryA(tempPath("deckhost_output").c_str());
    script.Dialog("Output folder", [&](HWND h) {
      Type(h, IDC_PATH_EDIT, folder.c_str());
      Click(h, IDOK);
    });
    script.MessageBox(IDYES);
  }
  MpUiCPathDialog dlg("Output folder", "Where the batch run writes its files");
  const int result = dlg.DoModal();
  const DWORD attributes = ::GetFileAttributesA(dlg.GetPathName());
  const bool made = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  std::printf("folder dialog: %d\n  path   = %s\n  exists = %s\n", result, (LPCSTR)dlg.GetPathName(), made ? "yes" : "no");
  return !scripted || (result == 1 && made);
}

bool batchRun(MpHostData* data, Script& script, bool scripted) {
  const std::string part = tempPath("deckhost_bracket.stp");
  if (scripted) {
    if (FILE* f = std::fopen(part.c_str(), "w")) std::fclose(f);
    script.Dialog(IDD_BATCH_RUN, [](HWND h) {
      ChooseComboText(h, IDC_BATCH_MATERIAL, "AlMg3");
      Click(h, IDC_BATCH_PART_BROWSE);
      Click(h, IDOK);
    });
    script.Dialog("Open", [&](HWND h) {
      ChooseFileType(h, "STEP AP203/AP214 Files (*.step;*.stp)");
      SetFileName(h, part.c_str());
      FileOK(h);
    });
  }
  const ZulObjectKey process = data->find("MachiningProcess", "Bracket process");
  MpUiCBatchRun dlg(static_cast<IMpPmMachiningProcess*>(data->node(process)));
  dlg.DoModal();
  std::string partPath, partType, blankPath, blankType, name = "(none)";
  const bool complete = dlg.getFileNames(partPath, partType, blankPath, blankType);
  if (IMpPmMaterial* material = dlg.getMaterial()) {
    MpHostNodeOf(material)->getName(name);
    material->Release();
  }
  std::printf("batch-run dialog: %s\n  part     = %s (%s)\n  blank    = %s\n  material = %s\n",
              complete ? "complete" : "incomplete", partPath.c_str(), partType.c_str(), blankPath.c_str(), name.c_str());
  if (scripted) std::remove(part.c_str());
  return !scripted || (complete && name == "AlMg3");
}

bool checkOut(MpHostData* data, Script& script, bool scripted) {
  MpZulSmartList objects(data);
  for (const char* name : {"Hole 1", "Hole 2", "Pocket 1"})
    objects.push_back(static_cast<IMpZulNode*>(data->node(data->find("Feature", name))), true);
  // A prototype, whose name shows the overlay.
  objects.push_back(static_cast<IMpZulNode*>(data->node(data->find("HoleClass", "Standard hole"))), true);
  data->setHolder(data->find("Feature", "Hole 2"), 1);
  if (scripted) script.Dialog(IDD_CHECK_OUT, [](HWND h) { Click(h, IDOK); });
  MpUiCCheckOutDlg dlg(data, objects, true);
  dlg.DoModal();
  std::printf("check-out dialog: %s\n", dlg.isCheckOutStateOk() ? "checked out" : "nothing checked out");
  for (const std::string& call : data->checkCalls()) std::printf("  host call: %s\n", call.c_str());
  for (IUnknown* object : objects) {
    IMpZulNode* node = static_cast<IMpZulNode*>(MpHostNodeOf(object));
    std::string name;
    node->getName(name);
    std::printf("  %-9s state %d\n", name.c_str(), node->getCheckOutState());
  }
  return !scripted || dlg.isCheckOutStateOk();
}

}  // namespace

extern "C" int RunDialogs2Command(bool scripted) {
  deckhost::CommandScript script(scripted);
  MpHostData* data = MpHostCreateSampleData();
  showProperties(data, script, scripted);
  bool ok = chooseFolder(script, scripted);
  ok = batchRun(data, script, scripted) && ok;
  ok = checkOut(data, script, scripted) && ok;
  data->Release();
  return script.Verdict() && ok ? 0 : 1;
}
