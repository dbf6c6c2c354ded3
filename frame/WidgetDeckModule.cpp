// Entry point of the library: an MFC extension library whose resources live in the resource
// module WidgetDeckRes.dll.
#include "WidgetDeckModule.h"
#include <afxwin.h>
#include <afxdllx.h>
#include <afxmt.h>
#include <string>
#include "MpLogging.h"
#include "MpSmartPointers.h"
#include "MpStrings.h"
#include "MpUtServices.h"

HINSTANCE g_hWidgetDeckInstance = nullptr;

namespace {

AFX_EXTENSION_MODULE WidgetDeckDLL;
AfxDroppedExceptionReporter g_pfnPreviousReporter = nullptr;

BOOL processAttach(HINSTANCE hInstance) {
  ::OutputDebugStringA("WIDGETDECK.DLL Initializing!\n");
  g_hWidgetDeckInstance = hInstance;
  if (!AfxInitExtensionModule(WidgetDeckDLL, hInstance)) return FALSE;

  // Without the host's operating-system services there is no resource module to ask for, and
  // nothing to say about it. The services object is held until the library has joined the chain.
  IMpUtOsDllPtr osDll(CLSID_MpUtOs, nullptr);
  if (!osDll.isNull()) {
    const std::string resourceModule = "WidgetDeckRes.dll";
    if (!osDll->loadResourceModule(resourceModule)) {
      // The library loads all the same, without its texts and templates.
      const std::string text =
          MpStrFormat("Unable to locate %s\r\n\r\nCheck your language setting !", resourceModule.c_str());
      AfxMessageBox(text.c_str(), MB_ICONERROR, 0);
    }
  }
  // Joins the chain of extension libraries, resource module found or not; MFC owns the object.
  new CDynLinkLibrary(WidgetDeckDLL, FALSE);
  g_pfnPreviousReporter = AfxSetDroppedExceptionReporter(&WidgetDeck::reportDroppedException);
  return TRUE;
}

}  // namespace

void WidgetDeck::reportDroppedException(const char* text) {
  if (!g_spLogger.isNull())
    g_spLogger->log(MpLog::ProgrammingError, MpLog::ProgrammingFlag, text, "WidgetDeckModule.cpp", __LINE__);
}

CCriticalSection& WidgetDeck::sharedDataLock() {
  static CCriticalSection* lock = new CCriticalSection;
  return *lock;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved) {
  (void)lpReserved;
  if (dwReason == DLL_PROCESS_ATTACH) {
    // Nothing may unwind into the loader: an attach that did not finish fails the load.
    try {
      return processAttach(hInstance);
    } catch (...) {
      return FALSE;
    }
  }
  if (dwReason == DLL_PROCESS_DETACH) {
    ::OutputDebugStringA("WIDGETDECK.DLL Terminating!\n");
    // The reporter the library replaced comes back only while the library's own is set: one the
    // host has set since stays, and a load that failed before setting ours changes nothing.
    AfxReplaceDroppedExceptionReporter(&WidgetDeck::reportDroppedException, g_pfnPreviousReporter);
    AfxTermExtensionModule(WidgetDeckDLL, FALSE);
  }
  return TRUE;
}
