// Owner-drawn menu: the objects that every menu of the process shares.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>
#include "WidgetDeckApi.h"

class WIDGETDECK_API MpAppUiMenu : public CMenu {
 public:
  // Images shared by all menus, by command id: image i of m_AllImages belongs to command
  // m_AllImagesID[i]. The list is created on first use.
  static CImageList m_AllImages;
  static CArray<int, int&> m_AllImagesID;
  // Every sub-menu handle added through any menu. The array does not own the menus.
  static CTypedPtrArray<CPtrArray, HMENU> m_AllSubMenus;
};

// ---- Library-internal, not part of the exported interface ----

// The code of the running Windows, which the menus' drawing and image code look at; never fails.
//   0 16-bit based Windows, 1 NT 3.x and every NT version not listed below, 2 Windows 95,
//   3 Windows 98, 4 Windows ME, 5 NT 4, 6 Windows 2000, 7 Windows XP.
int getWindowsVersionCode();
// The code for a GetVersion() value and the GetVersionExA answer (null when there is none).
int windowsVersionCodeFor(DWORD version, const OSVERSIONINFOA* info);

// The running Windows' code, set once when the library is loaded.
extern int windowsVersionCode;

// Registered message "SIMULATION_GOTO" (both parameters 0), which the APT listing window sends
// to its grandparent on a double-click; 0 when registration failed.
extern UINT SIMULATION_GOTO;
