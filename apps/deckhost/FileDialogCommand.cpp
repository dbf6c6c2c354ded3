// DeckHost's "files" command: the CAD file dialog and the attachment dialog, one after the other.
#include "FileDialogCommand.h"
#include <afxscript.h>
#include <cstdio>
#include <string>
#include <vector>
#include "CommandScript.h"
#include "MpNameIds.h"
#include "MpStrings.h"
#include "MpUICFileDialog.h"
#include "MpUiCAttachmentDlg.h"

namespace {

// The CAD filter lists as the library's pages build them (default list).
const char kCadFilter[] =
    "ACIS Files (*.sat)|*.sat|STEP AP203/AP214 Files (*.step;*.stp)|*.step;*.stp|IGES Files (*.igs)|*.igs|"
    "Corvane Files (*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)|*.x_t;*.xmt_txt;*.x_b;*.xmt_bin|KQ Files (*.kq)|*.kq||";

std::string tempPath(const char* name) {
  char dir[MAX_PATH] = "";
  ::GetTempPathA(MAX_PATH, dir);
  return std::string(dir) + name;
}

}  // namespace

extern "C" int RunFileDialogCommand(bool scripted) {
  deckhost::CommandScript script(scripted);
  const std::string model = tempPath("deckhost_model.stp");
  if (scripted) {
    // A save dialog: the file need not exist. Then an existing model for the attachment.
    script.Dialog("Save As", [](HWND h) {
      AfxScript::ChooseFileType(h, "Corvane Files (*.x_t;*.xmt_txt;*.x_b;*.xmt_bin)");
      AfxScript::SetFileName(h, "plate");
      AfxScript::FileOK(h);
    });
    script.Dialog("Open", [&](HWND h) {
      AfxScript::ChooseFileType(h, "STEP AP203/AP214 Files (*.step;*.stp)");
      AfxScript::SetFileName(h, model.c_str());
      AfxScript::FileOK(h);
    });
    if (FILE* f = std::fopen(model.c_str(), "w")) std::fclose(f);
  }
  std::string cadModel = MpName(MpNameId::CadModel);
  {
    MpUICFileDialog dlg(FALSE, cadModel, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kCadFilter);
    const INT_PTR r = dlg.DoModal();
    std::printf("CAD file dialog: %s\n", r == IDOK ? "OK" : "Cancel");
    std::printf("  path      = %s\n", (LPCSTR)dlg.GetPathName());
    std::printf("  type      = %s\n", dlg.getConvertType().c_str());
    std::printf("  extension = %s\n", dlg.getFileExtension().c_str());
  }
  {
    std::vector<std::string> types;  // the five default types
    MpUiCAttachmentDlg dlg(true, TRUE, cadModel, types, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kCadFilter);
    const INT_PTR r = dlg.DoModal();
    std::printf("attachment dialog: %s\n", r == IDOK ? "OK" : "Cancel");
    for (const std::string& file : dlg.getSelectedFileNames()) std::printf("  file      = %s\n", file.c_str());
    std::printf("  type      = %s\n", dlg.getConvertType().c_str());
    std::printf("  attachment type = %s\n", dlg.getAttachmentType().c_str());
  }
  if (scripted) std::remove(model.c_str());
  return script.Verdict() ? 0 : 1;
}
