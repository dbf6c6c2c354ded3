// DeckHost: the demo host. It loads the library's resource module and opens dialogs over a
// sample data set; with a script it runs unattended and prints what it read back.
#include <afxwin.h>
#include <afxdllx.h>
#include <afxscript.h>
#include <cstdio>
#include <cstring>
#include "../../resources/resource.h"

namespace {

class SampleDlg : public CDialog {
public:
  SampleDlg() : CDialog(IDD_WD_SAMPLE) {}
  CString m_name;
  int m_count = 1;
  BOOL m_enabled = FALSE;
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_WD_SAMPLE_NAME, m_name);
    DDX_Text(pDX, IDC_WD_SAMPLE_COUNT, m_count);
    DDV_MinMaxInt(pDX, m_count, 1, 100);
    DDX_Check(pDX, IDC_WD_SAMPLE_CHECK, m_enabled);
  }
};

int RunSample(bool scripted) {
  SampleDlg dlg;
  AfxScript::Script script;
  if (scripted) {
    script.Dialog(IDD_WD_SAMPLE, [](HWND h) {
      AfxScript::TypeAndLeave(h, IDC_WD_SAMPLE_NAME, "Bracket");
      AfxScript::Type(h, IDC_WD_SAMPLE_COUNT, "12");
      AfxScript::SetCheck(h, IDC_WD_SAMPLE_CHECK, true);
      AfxScript::Click(h, IDOK);
    });
    AfxScript::SetPlayer(&script);
  }
  INT_PTR r = dlg.DoModal();
  AfxScript::SetPlayer(nullptr);
  std::printf("sample dialog: %s\n", r == IDOK ? "OK" : "Cancel");
  std::printf("  name    = %s\n", (LPCSTR)dlg.m_name);
  std::printf("  count   = %d\n", dlg.m_count);
  std::printf("  enabled = %s\n", dlg.m_enabled ? "on" : "off");
  for (const std::string& f : script.failures) std::printf("script: %s\n", f.c_str());
  return script.failures.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const char* cmd = argc > 1 ? argv[1] : "demo";
  HINSTANCE hRes = ::LoadLibraryA("WidgetDeckRes.dll");
  if (!hRes) {
    std::fprintf(stderr, "DeckHost: WidgetDeckRes.dll not found\n");
    return 2;
  }
  new CDynLinkLibrary(hRes, hRes);
  if (!std::strcmp(cmd, "demo")) return RunSample(true);
  if (!std::strcmp(cmd, "sample")) return RunSample(argc > 2 && !std::strcmp(argv[2], "--scripted"));
  std::printf("usage: DeckHost [demo | sample [--scripted]]\n"
              "  demo    runs the sample dialog unattended and prints what it read back\n"
              "  sample  shows the sample dialog for a person (needs a display)\n");
  return std::strcmp(cmd, "--help") ? 2 : 0;
}
