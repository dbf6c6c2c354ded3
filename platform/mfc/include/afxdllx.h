// Extension libraries: a DLL that joins the application's chain of modules, so that its
// resources (and those of a resource module it loads) are found by identifier.
#pragma once
#include "afxwin.h"

struct AFX_EXTENSION_MODULE {
  BOOL bInitialized = FALSE;
  HMODULE hModule = nullptr;
  HMODULE hResource = nullptr;
  CRuntimeClass* pFirstSharedClass = nullptr;
};

AFX_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
AFX_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// A member of the chain. Created on the heap; the chain owns it and deletes it when its
// module's extension state is terminated.
class AFX_API CDynLinkLibrary : public CCmdTarget {
  DECLARE_DYNAMIC(CDynLinkLibrary)
public:
  explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
  CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
  ~CDynLinkLibrary() override;

  HMODULE m_hModule;
  HMODULE m_hResource;
  BOOL m_bSystem;
  CDynLinkLibrary* m_pNextDLL = nullptr;
};

// The chain, first member first.
AFX_API CDynLinkLibrary* AFXAPI AfxGetFirstDynLinkLibrary();
