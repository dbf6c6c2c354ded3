// Helpers shared by the owner-drawn menu and the toolbar.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>
#include <string>
#include <unordered_set>

class MpAppUiMenu;
class MpAppUiMenuData;

// The menu's 8-bit text follows the thread's locale, not the system's. Inside the menu text stays
// wide: only the 8-bit forms of the interface convert, with these two.
inline std::wstring menuWideText(const char* text) { return AfxWideFromAnsi(text, -1, CP_THREAD_ACP); }
inline CString menuAnsiText(const wchar_t* text) {
  return CString(AfxAnsiFromWide(text, -1, CP_THREAD_ACP).c_str());
}

// Takes every occurrence of the menu handles out of the list, in one pass.
inline void removeHandles(CTypedPtrArray<CPtrArray, HMENU>& list, const std::unordered_set<HMENU>& handles) {
  INT_PTR kept = 0;
  for (INT_PTR i = 0; i < list.GetSize(); ++i)
    if (!handles.count(list[i])) list[kept++] = list[i];
  list.SetSize(kept);
}
inline void removeHandle(CTypedPtrArray<CPtrArray, HMENU>& list, HMENU h) { removeHandles(list, {h}); }
// The module-wide sub-menu list (MpAppUiMenu::m_AllSubMenus), written under the library's
// shared-data lock: menus may be made and destroyed on several threads at once.
void listSubMenu(HMENU h);
void unlistSubMenus(const std::unordered_set<HMENU>& handles);

// The text Windows holds for the item at the position; empty for an owner-drawn item, whose
// caption is its record's (Windows may still hold the caption the item had before it was drawn).
std::wstring menuItemText(HMENU menu, int pos);
// Puts the flags, the id and the item (the record, or a plain item's text) on the item at the
// position, by position. The item keeps its check, grey and highlight state, which is its own (a
// host sets it through Windows); the record's flags become the flags given, with that state.
BOOL putOnItem(HMENU menu, int pos, MpAppUiMenuData* rec, UINT flags, UINT_PTR id, LPCWSTR item);

// Whether the item data is a record alive (made by the library or a host): only then is it read as
// one. A host's own owner-drawn item's data never is.
bool isLiveMenuRecord(ULONG_PTR data);
// How many records are alive.
size_t liveMenuRecordCount();

// Every item carries a record of its own. These find which record of the menu an item carries.
// The index in m_itemRecords of the record the item at the position carries, or -1 (data the menu
// does not hold, a host's own owner-drawn item's, is no record of the menu's).
INT_PTR carriedRecordIndex(const MpAppUiMenu& menu, int pos);
// Whether an item of the menu other than the one at `pos` carries the record, one of the menu's
// (pos -1: any item); one look at each item's data.
bool carriedByAnotherItem(const MpAppUiMenu& menu, const MpAppUiMenuData* rec, int pos);
// The record of the item at the position: the one it carries, else the record at that index of
// the menu's records unless another item carries it; null for none.
MpAppUiMenuData* recordAtPosition(const MpAppUiMenu& menu, int pos);

// The menu font of the system, or the default GUI font when the system does not give one.
class MenuFont {
 public:
  MenuFont();
  ~MenuFont();
  MenuFont(const MenuFont&) = delete;
  MenuFont& operator=(const MenuFont&) = delete;
  HFONT handle() const { return m_font; }

 private:
  HFONT m_font = nullptr;
  bool m_owned = false;
};

// The DC of the main window, or of the desktop when there is none; released by the destructor.
class MainWindowDC {
 public:
  MainWindowDC();
  ~MainWindowDC();
  MainWindowDC(const MainWindowDC&) = delete;
  MainWindowDC& operator=(const MainWindowDC&) = delete;
  HWND window() const { return m_hWnd; }
  HDC hdc() const { return m_hDC; }

 private:
  HWND m_hWnd = nullptr;
  HDC m_hDC = nullptr;
};

// A bitmap resource of the first module that holds it, loaded as a DIB section; null if none.
HBITMAP loadDibSection(UINT bitmapId);
// The colour of the first pixel in the bitmap's memory (the bottom-left one of a bottom-up
// bitmap), whatever its depth: palette entries and 16-bit pixels are converted.
COLORREF firstMemoryPixel(HBITMAP bitmap);
