// Modules and resources: the application's resource handle, the chain of extension
// libraries, and the search for a resource through them.
#include "afxdllx.h"
#include "afxscript.h"
#include "afxpriv_.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

namespace {
HINSTANCE g_hResource = nullptr;
CDynLinkLibrary* g_pFirstDLL = nullptr;
BOOL g_bInitExtensionResult = TRUE;

void AddToChain(CDynLinkLibrary* p) {
  CDynLinkLibrary** pp = &g_pFirstDLL;
  while (*pp) pp = &(*pp)->m_pNextDLL;
  *pp = p;
}
void RemoveFromChain(CDynLinkLibrary* p) {
  for (CDynLinkLibrary** pp = &g_pFirstDLL; *pp; pp = &(*pp)->m_pNextDLL) {
    if (*pp == p) {
      *pp = p->m_pNextDLL;
      return;
    }
  }
}
}  // namespace

HINSTANCE AFXAPI AfxGetInstanceHandle() { return ::GetModuleHandleA(nullptr); }
HINSTANCE AFXAPI AfxGetResourceHandle() { return g_hResource ? g_hResource : ::GetModuleHandleA(nullptr); }
void AFXAPI AfxSetResourceHandle(HINSTANCE h) { g_hResource = h; }
CDynLinkLibrary* AFXAPI AfxGetFirstDynLinkLibrary() { return g_pFirstDLL; }

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
  HINSTANCE h = AfxGetResourceHandle();
  if (::FindResourceA(h, lpszName, lpszType)) return h;
  for (CDynLinkLibrary* p = g_pFirstDLL; p; p = p->m_pNextDLL) {
    if (p->m_hResource && ::FindResourceA(p->m_hResource, lpszName, lpszType)) return p->m_hResource;
  }
  // Last, the process's own module, as the application's resources come after the libraries'.
  HINSTANCE exe = ::GetModuleHandleA(nullptr);
  if (exe != h && ::FindResourceA(exe, lpszName, lpszType)) return exe;
  return nullptr;
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID) {
  // A string block holds sixteen strings: the module must hold this very string.
  char probe[4];
  HINSTANCE h = AfxGetResourceHandle();
  if (::LoadStringA(h, nID, probe, sizeof(probe)) > 0) return h;
  for (CDynLinkLibrary* p = g_pFirstDLL; p; p = p->m_pNextDLL) {
    if (p->m_hResource && ::LoadStringA(p->m_hResource, nID, probe, sizeof(probe)) > 0)
      return p->m_hResource;
  }
  return nullptr;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule) {
  if (!g_bInitExtensionResult) return FALSE;
  if (state.bInitialized) return TRUE;
  state.hModule = hModule;
  state.hResource = hModule;
  state.bInitialized = TRUE;
  return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
  if (!state.bInitialized) return;
  for (CDynLinkLibrary* p = g_pFirstDLL; p;) {
    CDynLinkLibrary* next = p->m_pNextDLL;
    if (p->m_hModule == state.hModule) delete p;
    p = next;
  }
  state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem) {
  AddToChain(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE) {
  AddToChain(this);
}

CDynLinkLibrary::~CDynLinkLibrary() { RemoveFromChain(this); }

namespace AfxScript {
void SetExtensionInitResult(BOOL bResult) { g_bInitExtensionResult = bResult; }
bool IsInExtensionChain(HMODULE hModule) {
  for (CDynLinkLibrary* p = g_pFirstDLL; p; p = p->m_pNextDLL)
    if (p->m_hModule == hModule || p->m_hResource == hModule) return true;
  return false;
}
}  // namespace AfxScript

// ---------------------------------------------------------------------------------------
// Message boxes
// ---------------------------------------------------------------------------------------
CWnd* AFXAPI AfxGetMainWnd() {
  CWinApp* app = AfxGetApp();
  return app ? app->m_pMainWnd : nullptr;
}

namespace AfxScript {
int ShowMessageBox(HWND hOwner, LPCSTR text, LPCSTR caption, UINT type);  // script.cpp
}

int AfxMessageBoxOwned(HWND hOwner, LPCSTR text, LPCSTR caption, UINT type) {
  if (!caption) caption = AfxGetAppName();
  return AfxScript::ShowMessageBox(hOwner, text, caption, type);
}

int AFXAPI AfxMessageBox(LPCSTR lpszText, UINT nType, UINT) {
  HWND hOwner = ::GetActiveWindow();
  if (!hOwner) {
    if (CWnd* pMain = AfxGetMainWnd()) hOwner = pMain->GetSafeHwnd();
  }
  return AfxMessageBoxOwned(hOwner, lpszText, nullptr, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT) {
  CString s;
  s.LoadString(nIDPrompt);
  return AfxMessageBox(s, nType);
}
