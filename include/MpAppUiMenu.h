// Owner-drawn menu: every item is drawn by the menu (icon column, text, right-aligned
// accelerator text, check marks) in a classic or a flat look.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>
#include <afxext.h>
#include <afxtempl.h>
#include "WidgetDeckApi.h"

// The record each owner-drawn item carries as its item data. Every record is known to the library
// while it lives, so that any menu object measures and draws an item from it, whichever menu of the
// tree holds it.
class WIDGETDECK_API MpAppUiMenuData {
 public:
  MpAppUiMenuData();
  MpAppUiMenuData(const MpAppUiMenuData&) = delete;
  MpAppUiMenuData& operator=(const MpAppUiMenuData&) = delete;
  virtual ~MpAppUiMenuData();
  void SetText(const wchar_t* text);
  const wchar_t* GetText() const { return m_text; }
  void SetTextA(const char* text);
  CString GetTextA() const;

  wchar_t* m_text = nullptr;
  int m_imageIndex = -1;        // in m_imageList
  int m_sharedImageIndex = -1;  // in MpAppUiMenu::m_AllImages
  int m_imageSource = -1;       // -1: no image of its own
  UINT m_flags = 0;
  UINT_PTR m_commandId = 0;     // a pop-up item holds its sub-menu's handle
  UINT m_syncMark = 0;
  CImageList* m_imageList = nullptr;
  // Set when m_imageList holds the faded, shadow and disabled images after its image 0; a
  // list of several images without them (a toolbar strip) is never read as effects.
  BOOL m_effectImages = FALSE;
};

// Which neighbours go with an item removed by text.
enum MPAPPUI_Seperator { MPAPPUI_NONE = 0, MPAPPUI_HEAD = 1, MPAPPUI_TAIL = 2, MPAPPUI_BOTH = 3 };

class WIDGETDECK_API MpAppUiMenu : public CMenu {
  DECLARE_DYNAMIC(MpAppUiMenu)
 public:
  MpAppUiMenu();
  ~MpAppUiMenu() override;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
  void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
  virtual BOOL LoadMenuA(int nResource);
  virtual BOOL LoadMenuA(const char* lpszResourceName);
  virtual BOOL DestroyMenu();

  // Items
  BOOL AppendODMenuA(const char* text, UINT flags = MF_OWNERDRAW, UINT_PTR id = 0, int iconId = -1);
  BOOL AppendODMenuW(const wchar_t* text, UINT flags = MF_OWNERDRAW, UINT_PTR id = 0, int iconId = -1);
  BOOL AppendODMenuA(const char* text, UINT flags, UINT_PTR id, CImageList* il, int xoffset);
  BOOL AppendODMenuW(const wchar_t* text, UINT flags, UINT_PTR id, CImageList* il, int xoffset);
  BOOL InsertODMenuA(UINT position, const char* text, UINT flags = MF_OWNERDRAW, UINT_PTR id = 0,
                     int iconId = -1);
  BOOL InsertODMenuW(UINT position, const wchar_t* text, UINT flags = MF_OWNERDRAW,
                     UINT_PTR id = 0, int iconId = -1);
  BOOL InsertODMenuA(UINT position, const char* text, UINT flags, UINT_PTR id, CImageList* il,
                     int xoffset);
  BOOL InsertODMenuW(UINT position, const wchar_t* text, UINT flags, UINT_PTR id, CImageList* il,
                     int xoffset);
  BOOL AppendMenuA(UINT flags, UINT_PTR id = 0, const char* text = nullptr, int iconId = -1);
  BOOL AppendMenuW(UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr, int iconId = -1);
  BOOL AppendMenuA(UINT flags, UINT_PTR id, const char* text, CImageList* il, int xoffset);
  BOOL AppendMenuW(UINT flags, UINT_PTR id, const wchar_t* text, CImageList* il, int xoffset);
  BOOL AppendMenuA(UINT flags, UINT_PTR id, const char* text, CBitmap* bmp);
  BOOL AppendMenuW(UINT flags, UINT_PTR id, const wchar_t* text, CBitmap* bmp);
  BOOL InsertMenuA(UINT position, UINT flags, UINT_PTR id = 0, const char* text = nullptr,
                   int iconId = -1);
  BOOL InsertMenuW(UINT position, UINT flags, UINT_PTR id = 0, const wchar_t* text = nullptr,
                   int iconId = -1);
  BOOL InsertMenuA(UINT position, UINT flags, UINT_PTR id, const char* text, CImageList* il,
                   int xoffset);
  BOOL InsertMenuW(UINT position, UINT flags, UINT_PTR id, const wchar_t* text, CImageList* il,
                   int xoffset);
  BOOL InsertMenuA(UINT position, UINT flags, UINT_PTR id, const char* text, CBitmap* bmp);
  BOOL InsertMenuW(UINT position, UINT flags, UINT_PTR id, const wchar_t* text, CBitmap* bmp);
  MpAppUiMenu* AppendODPopupMenuA(const char* text);
  MpAppUiMenu* AppendODPopupMenuW(const wchar_t* text);
  BOOL ModifyODMenuA(const char* text, UINT id, int iconId = -1);
  BOOL ModifyODMenuW(const wchar_t* text, UINT id, int iconId = -1);
  BOOL ModifyODMenuA(const char* text, UINT id, CImageList* il, int xoffset);
  BOOL ModifyODMenuW(const wchar_t* text, UINT id, CImageList* il, int xoffset);
  BOOL ModifyODMenuA(const char* text, UINT id, CBitmap* bmp);
  BOOL ModifyODMenuW(const wchar_t* text, UINT id, CBitmap* bmp);
  BOOL ModifyODMenuA(const char* text, UINT id, COLORREF fill, COLORREF border,
                     int hatchStyle = -1, CSize* size = nullptr);
  BOOL ModifyODMenuW(const wchar_t* text, UINT id, COLORREF fill, COLORREF border,
                     int hatchStyle = -1, CSize* size = nullptr);
  BOOL ModifyODMenuA(const char* text, const char* optionText, int iconId);
  BOOL ModifyODMenuW(const wchar_t* text, const wchar_t* optionText, int iconId);
  BOOL SetMenuText(UINT id, CString text, UINT flags = MF_BYPOSITION);
  BOOL GetMenuText(UINT id, CString& text, UINT flags = MF_BYPOSITION);

  // Icons from toolbars and bitmaps
  BOOL LoadToolbar(UINT toolbarId);
  BOOL LoadToolbar(UINT toolbarId, UINT bitmapId);
  BOOL LoadToolbars(const UINT* ids, int count);
  BOOL LoadFromToolBar(UINT id, UINT toolbarId, int& offset);
  BOOL AddFromToolBar(CToolBar* bar, int bitmapId);
  void LoadCheckmarkBitmap(int unselectId, int selectId);
  void SetBitmapBackground(COLORREF colour);
  void UnSetBitmapBackground();
  void SetDisableOldStyle() { m_disableOldStyle = TRUE; }
  void UnSetDisableOldStyle() { m_disableOldStyle = FALSE; }
  BOOL GetDisableOldStyle() const { return m_disableOldStyle; }
  void SetIndeterminateCheck(int on) { m_indeterminateCheck = on; }

  // Searching
  MpAppUiMenu* FindMenuOption(int id, int& loc);
  MpAppUiMenu* FindAnotherMenuOption(int id, int& loc, CArray<MpAppUiMenu*, MpAppUiMenu*>& menus,
                                     CArray<int, int&>& locs);
  MpAppUiMenuData* FindMenuOption(const wchar_t* text);
  MpAppUiMenuData* FindMenuItem(UINT id);
  CMenu* GetSubMenu(int position) const { return CMenu::GetSubMenu(position); }
  CMenu* GetSubMenu(const char* name) const;
  MpAppUiMenu* GetSubMpAppUiMenu(const char* text);
  MpAppUiMenu* GetSubMpAppUiMenu(const wchar_t* text);
  int GetMenuPosition(const char* text);
  int GetMenuPosition(const wchar_t* text);
  int GetMenuStart();
  static BOOL IsMenu(CMenu* menu);
  static BOOL IsMenu(HMENU menu);

  // Removing and synchronising
  BOOL RemoveMenu(UINT id, UINT flags);
  BOOL DeleteMenu(UINT id, UINT flags);
  int RemoveMenu(const char* text, MPAPPUI_Seperator sep = MPAPPUI_NONE);
  int RemoveMenu(const wchar_t* text, MPAPPUI_Seperator sep = MPAPPUI_NONE);
  int DeleteMenu(const char* text, MPAPPUI_Seperator sep = MPAPPUI_NONE);
  int DeleteMenu(const wchar_t* text, MPAPPUI_Seperator sep = MPAPPUI_NONE);
  void SynchronizeMenu();
  static void UpdateMenu(CMenu* menu);
  static LRESULT FindKeyboardShortcut(UINT ch, UINT flags, CMenu* menu);
  void InsertSpaces();

  // Looks and switches
  static void SetMenuDrawMode(UINT mode);
  static UINT GetMenuDrawMode();
  static void SetSelectDisableMode(BOOL mode);
  static BOOL GetSelectDisableMode();
  static void SetXPBitmap3D(BOOL on);
  static BOOL GetXPBitmap3D();
  static void SetIconSize(int width, int height);
  static BOOL IsNewShell();
  static BOOL IsWinXPLuna();
  static BOOL IsLunaMenuStyle();
  static BOOL IsWindowsClassicTheme();

  // Drawing and bitmap effects
  void DrawItem_Win9xNT2000(LPDRAWITEMSTRUCT lpDrawItemStruct);
  void DrawItem_WinXP(LPDRAWITEMSTRUCT lpDrawItemStruct);
  static COLORREF LightenColor(COLORREF colour, double factor);
  static COLORREF DarkenColor(COLORREF colour, double factor);
  void DrawCheckMark(CDC* dc, int x, int y, COLORREF colour, BOOL narrow = FALSE);
  void DrawRadioDot(CDC* dc, int x, int y, COLORREF colour);
  BOOL Draw3DCheckmark(CDC* dc, const CRect& rect, BOOL selected, HBITMAP checked, BOOL grey);
  BOOL DrawXPCheckmark(CDC* dc, const CRect& rect, HBITMAP checked, COLORREF& colour,
                       BOOL selected, BOOL grey);
  BOOL GetBitmapFromImageList(CDC* dc, CImageList* il, int index, CBitmap& bmp);
  void GetFadedBitmap(CBitmap& bmp);
  void GetShadowBitmap(CBitmap& bmp);
  void GetDisabledBitmap(CBitmap& bmp, COLORREF background = 0);
  void GetTransparentBitmap(CBitmap& bmp);
  void DitherBlt(HDC hdcDest, int x, int y, int w, int h, HBITMAP hbm, int srcX, int srcY,
                 COLORREF background);
  void DitherBlt2(CDC* dc, int x, int y, int w, int h, CBitmap& bmp, int srcX, int srcY,
                  COLORREF background);
  void DitherBlt3(CDC* dc, int x, int y, int w, int h, CBitmap& bmp, COLORREF background);
  void ColorBitmap(CDC* dc, CBitmap& bmp, CSize bitmapSize, CSize iconSize, COLORREF fill,
                   COLORREF border, int hatchStyle = -1);
  // effectsAdded, when given, tells whether the effect images were added.
  BOOL AddBitmapToImageList(CImageList* il, UINT resourceId, BOOL withEffects = TRUE,
                            BOOL* effectsAdded = nullptr);
  BOOL ImageListDuplicate(CImageList* source, int index, CImageList* target);
  static HBITMAP LoadSysColorBitmap(int resourceId);
  static WORD NumBitmapColors(LPBITMAPINFOHEADER header);

  // Shared image list
  static int GlobalImageListOffset(int id);
  static BOOL CanDraw3DImageList(int offset);
  int AddToGlobalImageList(CImageList* il, int xoffset, int id);

  // Switches shared by all menus.
  static unsigned int original_drawmode;
  static unsigned int xp_drawmode;
  static int original_select_disabled;
  static int xp_select_disabled;
  static int xp_draw_3D_bitmaps;
  static int original_space_accelerators;
  static int xp_space_accelerators;
  static int m_iconX;
  static int m_iconY;
  static int hicolor_bitmaps;
  // Images shared by all menus, by command id: image i of m_AllImages belongs to command
  // m_AllImagesID[i]. The list is created on first use.
  static CImageList m_AllImages;
  static CArray<int, int&> m_AllImagesID;
  // Every sub-menu handle added through any menu. The array does not own the menus.
  static CTypedPtrArray<CPtrArray, HMENU> m_AllSubMenus;

  CTypedPtrArray<CPtrArray, MpAppUiMenuData*> m_itemRecords;
  CTypedPtrArray<CPtrArray, HMENU> m_ownSubMenus;
  COLORREF m_maskColour;
  BOOL m_maskColourSet;
  BOOL m_disableOldStyle;
  CImageList* m_checkImages;
  BOOL m_checkImagesShared;
  int m_checkedBitmapId;
  int m_uncheckedBitmapId;
  BOOL m_fromMenuResource;
  int m_indeterminateCheck;

 protected:
  MpAppUiMenuData* NewODMenu(UINT position, UINT flags, UINT_PTR id, CString text);
  MpAppUiMenuData* NewODMenu(UINT position, UINT flags, UINT_PTR id, const wchar_t* text);
  void RemoveTopLevelOwnerDraw();
  MpAppUiMenu* NewOwnedPopup();
  COLORREF MaskColour() const;
  BOOL AddEffectImages(CImageList* il, int index);
  BOOL RemoveOrDelete(UINT id, UINT flags, BOOL isDelete);
  int RemoveOrDeleteByText(const wchar_t* text, MPAPPUI_Seperator sep, BOOL isDelete);
  // Takes every item out of this menu, which goes with its pop-up item, last to first.
  void TakeOutItems(BOOL isDelete);
  // Sub-menu objects this menu created itself (loading, AppendODPopupMenu): only these it deletes.
  CTypedPtrArray<CPtrArray, MpAppUiMenu*> m_createdSubMenus;
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
