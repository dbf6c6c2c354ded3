// Owner-drawn menu: the objects all menus share, built when the library is loaded.
#include "MpAppUiMenu.h"
#include <afxmt.h>
#include <new>
#include "MpAppUiMenuSupport.h"
#include "WidgetDeckModule.h"

int windowsVersionCodeFor(DWORD version, const OSVERSIONINFOA* info) {
  const DWORD majorVersion = version & 0xFF;
  if (!(version & 0x80000000)) {
    // The NT family; only the versions whose menus look different get a code of their own.
    int code = 1;
    if (info) {
      if (info->dwMajorVersion == 4) {
        code = 5;
      } else if (info->dwMajorVersion == 5 && info->dwMinorVersion == 0) {
        code = 6;
      } else if (info->dwMajorVersion == 5 && info->dwMinorVersion == 1) {
        code = 7;
      }
    }
    return code;
  }
  if (majorVersion < 4) return 0;
  int code = 2;
  if (info) {
    if (info->dwMinorVersion == 10) {
      code = 3;
    } else if (info->dwMinorVersion == 90) {
      code = 4;
    }
  }
  return code;
}

int getWindowsVersionCode() {
  const DWORD version = ::GetVersion();
  OSVERSIONINFOA* info = new (std::nothrow) OSVERSIONINFOA();
  const OSVERSIONINFOA* answer = nullptr;
  if (info) {
    info->dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    if (::GetVersionExA(info)) answer = info;
  }
  const int code = windowsVersionCodeFor(version, answer);
  delete info;
  return code;
}

// Built in this order, destroyed in the reverse order at unload.
CImageList MpAppUiMenu::m_AllImages;
CArray<int, int&> MpAppUiMenu::m_AllImagesID;
int windowsVersionCode = getWindowsVersionCode();
CTypedPtrArray<CPtrArray, HMENU> MpAppUiMenu::m_AllSubMenus;

void listSubMenu(HMENU h) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  MpAppUiMenu::m_AllSubMenus.Add(h);
}
void unlistSubMenus(const std::unordered_set<HMENU>& handles) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  removeHandles(MpAppUiMenu::m_AllSubMenus, handles);
}

unsigned int MpAppUiMenu::original_drawmode = 0;
unsigned int MpAppUiMenu::xp_drawmode = 1;
int MpAppUiMenu::original_select_disabled = 1;
int MpAppUiMenu::xp_select_disabled = 0;
int MpAppUiMenu::xp_draw_3D_bitmaps = 1;
int MpAppUiMenu::original_space_accelerators = 1;
int MpAppUiMenu::xp_space_accelerators = 1;
int MpAppUiMenu::m_iconX = 16;
int MpAppUiMenu::m_iconY = 16;
int MpAppUiMenu::hicolor_bitmaps = 0;

UINT SIMULATION_GOTO = ::RegisterWindowMessageA("SIMULATION_GOTO");
