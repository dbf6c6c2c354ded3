// DeckHost's "dialogs1" command: the login, open-project, find, view-name and hyperlink dialogs
// and the splash screen.
#include "DialogsCommand.h"
#include <afxlinkctrl.h>
#include <afxscript.h>
#include <cstdio>
#include <string>
#include "CLoginDlg.h"
#include "CommandScript.h"
#include "MpAppUICreateViewDlg.h"
#include "MpAppUiHyperlinkDlg.h"
#include "MpDataLib.h"
#include "MpHostSample.h"
#include "MpSmartPointers.h"
#include "MpUiCFindDialog.h"
#include "MpUiCOpenProjectDlg.h"
#include "MpUiCSplashScreen.h"
#include "resource.h"
#include <commctrl.h>
#include "ScriptedRun.h"

namespace {

const char* Result(INT_PTR r) { return r == IDOK ? "OK" : r == IDCANCEL ? "Cancel" : "failed"; }

BOOL PrintInsteadOfOpening(LPCSTR url) {
  std::printf("  link opened: %s\n", url);
  return TRUE;
}

void QueueSteps(AfxScript::Script& script) {
  using namespace AfxScript;
  script.Dialog(IDD_LOGIN, [](HWND h) {
    Type(h, IDC_LOGIN_USER, "demo");
    Type(h, IDC_LOGIN_PASSWORD, "demo");
    SetCheck(h, IDC_LOGIN_REMEMBER, true);
    Click(h, IDOK);
  });
  script.Dialog(IDD_OPEN_PROJECT, [](HWND h) {
    HWND list = ::GetDlgItem(h, IDC_PROJECT_LIST);
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    NMITEMACTIVATE n{};
    n.hdr.hwndFrom = list;
    n.hdr.idFrom = IDC_PROJECT_LIST;
    n.hdr.code = NM_DBLCLK;
    ::SendMessageA(h, WM_NOTIFY, IDC_PROJECT_LIST, (LPARAM)&n);
  });
  script.Dialog(IDD_FIND, [](HWND h) {
    Type(h, IDC_FIND_WHAT, "Bracket");
    SetCheck(h, IDC_FIND_WHOLE_WORD, true);
    Click(h, IDOK);
  });
  script.Dialog(IDD_CREATE_VIEW, [](HWND h) {
    Type(h, IDC_VIEW_NAME, "Setup 1 from the top");
    Click(h, IDOK);
  });
  script.Dialog(IDD_HYPERLINK, [](HWND h) {
    Click(h, IDC_HYPERLINK);
    Click(h, IDOK);
  });
}

// Shows the splash screen until it closes: scripted, its timer is fired at once.
bool RunSplash(bool scripted) {
  MpUiCSplashScreen::enableSplashScreen(1);
  MpUiCSplashScreen::showSplashScreen(nullptr);
  CWnd* splash = MpUiCSplashScreen::c_pSplashWnd;
  std::printf("splash screen: %s\n", splash ? "shown" : "not shown");
  if (!splash) return false;
  HWND h = splash->GetSafeHwnd();
  deckhost::WindowOpened(h, "splash screen");
  if (scripted) {
    ::SendMessageA(h, WM_TIMER, 1, 0);
  } else {
    MSG msg;
    while (::IsWindow(h) && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (MpUiCSplashScreen::PreTranslateAppMessage(&msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  std::printf("  closed: %s\n", MpUiCSplashScreen::c_pSplashWnd ? "no" : "yes");
  return MpUiCSplashScreen::c_pSplashWnd == nullptr;
}

}  // namespace

extern "C" int RunDialogs1Command(bool scripted) {
  deckhost::CommandScript script(scripted);
  AfxLinkOpener previousOpener = nullptr;
  if (scripted) {
    QueueSteps(script);
    previousOpener = AfxSetLinkOpener(PrintInsteadOfOpening);
  }
  MpDataLoginHook previousLogin = MpSetDataLoginHook(
      [](const std::string& user, const std::string& password) { return user == "demo" && password == "demo"; });
  bool ok = true;

  const INT_PTR login = CLoginDlg().DoModal();
  std::printf("login dialog: %s\n", Result(login));
  {
    IMpRegistryPtr registry(CLSID_MpRegistry, nullptr);
    const char key[] = "Software\\Brevanta\\Halcyon\\Settings";
    std::printf("  LOGIN = %s\n", registry->getValue(key, "LOGIN", "---").c_str());
    const std::string pwd = registry->getValue(key, "PWD", "---");
    std::printf("  PWD   = %s\n", pwd == "---" ? "---" : "(enciphered)");
  }
  ok = ok && login == IDOK;

  MpHostData* data = MpHostCreateSampleData();
  {
    MpUiCOpenProjectDlg dlg(data, nullptr);
    const INT_PTR r = dlg.DoModal();
    IMpZulProject* project = dlg.GetProject();
    MpHostNode* node = MpHostNodeOf(project);
    std::printf("open-project dialog: %s\n  project = %s\n", Result(r), node ? node->name().c_str() : "(none)");
    if (project) project->Release();
    ok = ok && r == IDOK && node;
  }
  data->Release();
  {
    std::string title = "Find in the Sample";
    MpUiCFindDialog dlg(title, nullptr);
    const INT_PTR r = dlg.DoModal();
    std::printf("find dialog: %s\n  text = \"%s\", whole word = %s, in the name = %s\n", Result(r),
                dlg.getFindString().c_str(), dlg.isMatchWholeWord() ? "yes" : "no", dlg.isUseName() ? "yes" : "no");
    ok = ok && r == IDOK;
  }
  {
    std::string title = "New View", proposed = "View 1";
    MpAppUICreateViewDlg dlg(title, nullptr);
    dlg.setViewName(proposed);
    const INT_PTR r = dlg.DoModal();
    std::printf("view-name dialog: %s\n  name = \"%s\"\n", Result(r), dlg.getViewName().c_str());
    ok = ok && r == IDOK;
  }
  {
    std::string url = "https://example.org/widgetdeck", text = "WidgetDeck on the web";
    MpAppUiHyperlinkDlg dlg;
    dlg.setURL(url);
    dlg.setText(text);
    const INT_PTR r = dlg.DoModal();
    std::printf("hyperlink dialog: %s\n", Result(r));
    ok = ok && r == IDOK;
  }
  ok = RunSplash(scripted) && ok;

  MpSetDataLoginHook(previousLogin);
  if (scripted) {
    AfxSetLinkOpener(previousOpener);
    ok = script.Verdict() && ok;
  }
  return ok ? 0 : 1;
}
