// Owner-drawn menu: items, loading, searching, removing and the keyboard search.
#include <algorithm>
#include <map>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include <afxmt.h>
#include "MenuTemplateReader.h"
#include "MpAppUiMenu.h"
#include "MpAppUiMenuSupport.h"
#include "WidgetDeckModule.h"

IMPLEMENT_DYNAMIC(MpAppUiMenu, CMenu)

namespace {
// The temporary toolbar that icons are read from stays hidden and takes an id no host bar uses.
const UINT kTemporaryToolBarId = 0xE8FE;

UINT ownerDrawFlags(UINT flags, UINT_PTR id) {
  if (id == 0) return (flags & MF_BYPOSITION) | MF_SEPARATOR | MF_OWNERDRAW;
  return flags | MF_OWNERDRAW;
}
// The shared list is filed by command id: a pop-up's id is its menu handle and a separator has
// none, so neither gets an image there.
bool filesSharedImage(UINT flags) { return !(flags & (MF_POPUP | MF_SEPARATOR)); }


bool loadTemporaryToolBar(CToolBar& bar, UINT toolbarId) {
  CWnd* main = AfxGetMainWnd();
  CWnd* parent = main && main->GetSafeHwnd() ? main : CWnd::FromHandle(::GetDesktopWindow());
  return bar.Create(parent, WS_CHILD | CBRS_TOP, kTemporaryToolBarId) && bar.LoadToolBar(toolbarId);
}

// Gives each command of the bar that the menu's own tree holds the bar's image of it. The change
// walks the tree itself: a command that stands only in a host's sub-menu is left alone.
void takeButtonImages(MpAppUiMenu& menu, CToolBar& bar, CImageList& list) {
  for (int i = 0; i < bar.GetCount(); ++i) {
    UINT id = 0, style = 0;
    int image = 0;
    bar.GetButtonInfo(i, id, style, image);
    if (id == 0 || (style & TBSTYLE_SEP)) continue;
    menu.ModifyODMenuW(nullptr, id, &list, image >= 0 ? image : i);
  }
}

// Check-mark image lists are shared by a menu and the sub-menus it makes: each holder counts,
// and the list is freed when its last holder lets go, so a failed reload of the parent's list
// leaves the sub-menus' images intact. The counts are the process's: made on first use and never
// freed (a menu the host keeps in a static lets go after the library's statics are gone), and
// kept under the shared-data lock, as menus may live on several threads.
std::map<const CImageList*, int>& checkImageHolders() {
  static auto* holders = new std::map<const CImageList*, int>;
  return *holders;
}
void holdCheckImages(CImageList* list) {
  if (!list) return;
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  ++checkImageHolders()[list];
}
// A list nobody counted (set from outside) is freed by its owner only, never by a borrower.
void releaseCheckImages(CImageList* list, BOOL borrowed) {
  if (!list) return;
  {
    CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
    auto& holders = checkImageHolders();
    auto it = holders.find(list);
    if (it != holders.end()) {
      if (--it->second > 0) return;
      holders.erase(it);
      borrowed = FALSE;  // the last holder frees it
    }
  }
  if (!borrowed) delete list;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Records
// ---------------------------------------------------------------------------------------
namespace {
// The records alive, under the shared-data lock, as a host may build menus on more than one
// thread. Made on first use and never freed: a menu the host keeps in a static may free its
// records after the library's own statics are gone.
std::unordered_set<ULONG_PTR>& liveRecords() {
  static auto* live = new std::unordered_set<ULONG_PTR>;
  return *live;
}
}  // namespace

bool isLiveMenuRecord(ULONG_PTR data) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  return data && liveRecords().count(data) != 0;
}
size_t liveMenuRecordCount() {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  return liveRecords().size();
}

MpAppUiMenuData::MpAppUiMenuData() {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  liveRecords().insert(reinterpret_cast<ULONG_PTR>(this));
}
MpAppUiMenuData::~MpAppUiMenuData() {
  {
    CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
    liveRecords().erase(reinterpret_cast<ULONG_PTR>(this));
  }
  delete m_imageList;
  delete[] m_text;
}
void MpAppUiMenuData::SetText(const wchar_t* text) {
  delete[] m_text;
  m_text = nullptr;
  if (!text) return;
  const size_t n = wcslen(text) + 1;
  m_text = new wchar_t[n];
  std::copy(text, text + n, m_text);
}
void MpAppUiMenuData::SetTextA(const char* text) {
  if (!text) {
    SetText(nullptr);
    return;
  }
  SetText(menuWideText(text).c_str());
}
CString MpAppUiMenuData::GetTextA() const { return menuAnsiText(m_text); }

// ---------------------------------------------------------------------------------------
// Lifetime and switches
// ---------------------------------------------------------------------------------------
MpAppUiMenu::MpAppUiMenu()
    : m_maskColour(RGB(192, 192, 192)), m_maskColourSet(FALSE), m_disableOldStyle(FALSE),
      m_checkImages(nullptr), m_checkImagesShared(FALSE), m_checkedBitmapId(-1),
      m_uncheckedBitmapId(-1), m_fromMenuResource(FALSE), m_indeterminateCheck(0) {}

MpAppUiMenu::~MpAppUiMenu() { DestroyMenu(); }

// One pass over the shared handle list and one look-up a sub-menu, however many the menu holds.
BOOL MpAppUiMenu::DestroyMenu() {
  std::unordered_set<HMENU> handles{m_hMenu};
  for (INT_PTR i = 0; i < m_ownSubMenus.GetSize(); ++i) handles.insert(m_ownSubMenus[i]);
  unlistSubMenus(handles);
  // Only sub-menu objects made here are ours to delete; the host's stay with the host. Those in
  // the menu go last to first, then the others.
  std::unordered_map<HMENU, INT_PTR> created;
  for (INT_PTR k = 0; k < m_createdSubMenus.GetSize(); ++k) created.emplace(m_createdSubMenus[k]->m_hMenu, k);
  for (INT_PTR i = m_ownSubMenus.GetSize() - 1; i >= 0; --i) {
    const auto it = created.find(m_ownSubMenus[i]);
    if (it == created.end()) continue;
    delete m_createdSubMenus[it->second];
    m_createdSubMenus[it->second] = nullptr;
    created.erase(it);
  }
  m_ownSubMenus.RemoveAll();
  for (INT_PTR k = 0; k < m_createdSubMenus.GetSize(); ++k) delete m_createdSubMenus[k];
  m_createdSubMenus.RemoveAll();
  for (INT_PTR i = 0; i < m_itemRecords.GetSize(); ++i) delete m_itemRecords[i];
  m_itemRecords.RemoveAll();
  releaseCheckImages(m_checkImages, m_checkImagesShared);
  m_checkImages = nullptr;
  return CMenu::DestroyMenu();
}

void MpAppUiMenu::SetMenuDrawMode(UINT mode) { original_drawmode = xp_drawmode = mode; }
UINT MpAppUiMenu::GetMenuDrawMode() { return IsWinXPLuna() ? xp_drawmode : original_drawmode; }
void MpAppUiMenu::SetSelectDisableMode(BOOL mode) { original_select_disabled = xp_select_disabled = mode; }
BOOL MpAppUiMenu::GetSelectDisableMode() {
  return IsLunaMenuStyle() ? xp_select_disabled : original_select_disabled;
}
void MpAppUiMenu::SetXPBitmap3D(BOOL on) { xp_draw_3D_bitmaps = on; }
BOOL MpAppUiMenu::GetXPBitmap3D() { return xp_draw_3D_bitmaps; }
void MpAppUiMenu::SetIconSize(int width, int height) {
  m_iconX = width;
  m_iconY = height;
}
void MpAppUiMenu::SetBitmapBackground(COLORREF colour) {
  m_maskColour = colour;
  m_maskColourSet = TRUE;
}
void MpAppUiMenu::UnSetBitmapBackground() { m_maskColourSet = FALSE; }
COLORREF MpAppUiMenu::MaskColour() const {
  return m_maskColourSet ? m_maskColour : ::GetSysColor(COLOR_3DFACE);
}

BOOL MpAppUiMenu::IsNewShell() { return windowsVersionCode >= 2; }
BOOL MpAppUiMenu::IsWinXPLuna() { return windowsVersionCode == 7 && !IsWindowsClassicTheme(); }
BOOL MpAppUiMenu::IsLunaMenuStyle() {
  return IsWinXPLuna() ? xp_drawmode == 1 : original_drawmode == 1;
}
// Read once for the process; menus on two threads may ask first at once.
BOOL MpAppUiMenu::IsWindowsClassicTheme() {
  static const bool classic = [] {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Plus!\\Themes\\Current", 0,
                        KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    char value[261] = {};  // one more than read, so that the text always ends
    DWORD size = 260, type = 0;
    bool answer = false;
    if (::RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
            ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
      value[std::min<DWORD>(size, 260)] = '\0';
      const char* suffix = "Windows Classic.theme";
      const size_t n = strlen(value), m = strlen(suffix);
      answer = n >= m && _stricmp(value + n - m, suffix) == 0;
    }
    ::RegCloseKey(key);
    return answer;
  }();
  return classic;
}

// ---------------------------------------------------------------------------------------
// Adding items
// ---------------------------------------------------------------------------------------
namespace {
// Sets up a new item of the menu: its flags become the owner-drawn ones, a pop-up's sub-menu
// handle is filed among the sub-menus (at `position` among the menu's own), and a new record with
// the text, flags and id is filed at `at` among the menu's records. -1, or a place beyond the
// end, files last. The caller hands the record to Windows with the flags.
MpAppUiMenuData* setUpItem(MpAppUiMenu& menu, const wchar_t* text, UINT& flags, UINT_PTR id,
                           INT_PTR position = -1, INT_PTR at = -1) {
  auto clamped = [](INT_PTR i, INT_PTR size) { return i < 0 || i > size ? size : i; };
  flags = ownerDrawFlags(flags, id);
  if (flags & MF_POPUP) {
    const HMENU sub = reinterpret_cast<HMENU>(id);
    listSubMenu(sub);
    menu.m_ownSubMenus.InsertAt(clamped(position, menu.m_ownSubMenus.GetSize()), sub);
  }
  auto* rec = new MpAppUiMenuData;
  rec->SetText(text);
  rec->m_flags = flags;
  rec->m_commandId = id;
  menu.m_itemRecords.InsertAt(clamped(at, menu.m_itemRecords.GetSize()), rec);
  return rec;
}
}  // namespace

// The shared-list image of a command: by id when iconId is negative, else from toolbar iconId.
static int sharedIconFor(MpAppUiMenu* menu, UINT_PTR id, int iconId) {
  if (iconId < 0) return MpAppUiMenu::GlobalImageListOffset((int)id);
  int offset = 0;
  if (!menu->LoadFromToolBar((UINT)id, (UINT)iconId, offset)) return -1;
  CImageList list;
  list.Create(MpAppUiMenu::m_iconX, MpAppUiMenu::m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1);
  if (!menu->AddBitmapToImageList(&list, (UINT)iconId)) return -1;
  return menu->AddToGlobalImageList(&list, offset, (int)id);
}

BOOL MpAppUiMenu::AppendODMenuA(const char* text, UINT flags, UINT_PTR id, int iconId) {
  return AppendODMenuW(menuWideText(text).c_str(), flags, id, iconId);
}
BOOL MpAppUiMenu::AppendODMenuW(const wchar_t* text, UINT flags, UINT_PTR id, int iconId) {
  MpAppUiMenuData* rec = setUpItem(*this, text, flags, id);
  if (filesSharedImage(flags)) rec->m_sharedImageIndex = sharedIconFor(this, id, iconId);
  const BOOL ok = ::AppendMenuW(m_hMenu, flags, id, reinterpret_cast<LPCWSTR>(rec));
  if (m_fromMenuResource) RemoveTopLevelOwnerDraw();
  return ok;
}
BOOL MpAppUiMenu::AppendODMenuA(const char* text, UINT flags, UINT_PTR id, CImageList* il,
                                int xoffset) {
  return AppendODMenuW(menuWideText(text).c_str(), flags, id, il, xoffset);
}
BOOL MpAppUiMenu::AppendODMenuW(const wchar_t* text, UINT flags, UINT_PTR id, CImageList* il,
                                int xoffset) {
  MpAppUiMenuData* rec = setUpItem(*this, text, flags, id);
  if (il) {
    rec->m_imageList = new CImageList;
    if (ImageListDuplicate(il, xoffset, rec->m_imageList)) {
      rec->m_imageIndex = rec->m_imageSource = 0;
      // A copy holds its one image, and the effect images when they were made.
      rec->m_effectImages = rec->m_imageList->GetImageCount() > 1;
    } else {
      delete rec->m_imageList;
      rec->m_imageList = nullptr;
    }
  }
  return ::AppendMenuW(m_hMenu, flags, id, reinterpret_cast<LPCWSTR>(rec));
}

BOOL MpAppUiMenu::InsertODMenuA(UINT position, const char* text, UINT flags, UINT_PTR id,
                                int iconId) {
  return InsertODMenuW(position, menuWideText(text).c_str(), flags, id, iconId);
}
BOOL MpAppUiMenu::InsertODMenuW(UINT position, const wchar_t* text, UINT flags, UINT_PTR id,
                                int iconId) {
  if (!(flags & MF_BYPOSITION)) {
    int loc = -1;
    MpAppUiMenu* owner = FindMenuOption((int)position, loc);
    return owner ? owner->InsertODMenuW((UINT)loc, text, flags | MF_BYPOSITION, id, iconId) : FALSE;
  }
  const int count = GetMenuItemCount();
  if (position == (UINT)-1 || position > (UINT)count) position = (UINT)count;
  int start = 0;
  if (m_fromMenuResource && (ownerDrawFlags(flags, id) & MF_POPUP)) {
    const int menuStart = GetMenuStart();
    if ((int)position >= menuStart) start = menuStart;
  }
  const INT_PTR at = std::max<INT_PTR>((INT_PTR)position - start, 0);
  MpAppUiMenuData* rec = setUpItem(*this, text, flags, id, position, at);
  if (filesSharedImage(flags)) rec->m_sharedImageIndex = sharedIconFor(this, id, iconId);
  const BOOL ok = ::InsertMenuW(m_hMenu, position, flags, id, reinterpret_cast<LPCWSTR>(rec));
  if (m_fromMenuResource) RemoveTopLevelOwnerDraw();
  return ok;
}
BOOL MpAppUiMenu::InsertODMenuA(UINT position, const char* text, UINT flags, UINT_PTR id,
                                CImageList* il, int xoffset) {
  return InsertODMenuW(position, menuWideText(text).c_str(), flags, id, il, xoffset);
}
BOOL MpAppUiMenu::InsertODMenuW(UINT position, const wchar_t* text, UINT flags, UINT_PTR id,
                                CImageList* il, int xoffset) {
  if (!(flags & MF_BYPOSITION)) {
    int loc = -1;
    MpAppUiMenu* owner = FindMenuOption((int)position, loc);
    return owner ? owner->InsertODMenuW((UINT)loc, text, flags | MF_BYPOSITION, id, il, xoffset)
                 : FALSE;
  }
  const int count = GetMenuItemCount();
  if (position == (UINT)-1 || position > (UINT)count) position = (UINT)count;
  MpAppUiMenuData* rec = setUpItem(*this, text, flags, id, position, position);
  if (il && filesSharedImage(flags)) rec->m_sharedImageIndex = AddToGlobalImageList(il, xoffset, (int)id);
  return ::InsertMenuW(m_hMenu, position, flags, id, reinterpret_cast<LPCWSTR>(rec));
}

BOOL MpAppUiMenu::AppendMenuA(UINT flags, UINT_PTR id, const char* text, int iconId) {
  return AppendODMenuA(text, flags, id, iconId);
}
BOOL MpAppUiMenu::AppendMenuW(UINT flags, UINT_PTR id, const wchar_t* text, int iconId) {
  return AppendODMenuW(text, flags, id, iconId);
}
BOOL MpAppUiMenu::AppendMenuA(UINT flags, UINT_PTR id, const char* text, CImageList* il, int xoffset) {
  return AppendODMenuA(text, flags, id, il, xoffset);
}
BOOL MpAppUiMenu::AppendMenuW(UINT flags, UINT_PTR id, const wchar_t* text, CImageList* il,
                              int xoffset) {
  return AppendODMenuW(text, flags, id, il, xoffset);
}
BOOL MpAppUiMenu::AppendMenuA(UINT flags, UINT_PTR id, const char* text, CBitmap* bmp) {
  return AppendMenuW(flags, id, menuWideText(text).c_str(), bmp);
}
BOOL MpAppUiMenu::AppendMenuW(UINT flags, UINT_PTR id, const wchar_t* text, CBitmap* bmp) {
  if (!bmp) return AppendODMenuW(text, flags, id, nullptr, 0);
  CImageList list;
  list.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1);
  list.Add(bmp, MaskColour());
  return AppendODMenuW(text, flags, id, &list, 0);
}
BOOL MpAppUiMenu::InsertMenuA(UINT position, UINT flags, UINT_PTR id, const char* text, int iconId) {
  return InsertODMenuA(position, text, flags, id, iconId);
}
BOOL MpAppUiMenu::InsertMenuW(UINT position, UINT flags, UINT_PTR id, const wchar_t* text,
                              int iconId) {
  return InsertODMenuW(position, text, flags, id, iconId);
}
BOOL MpAppUiMenu::InsertMenuA(UINT position, UINT flags, UINT_PTR id, const char* text,
                              CImageList* il, int xoffset) {
  return InsertMenuW(position, flags, id, menuWideText(text).c_str(), il, xoffset);
}
BOOL MpAppUiMenu::InsertMenuW(UINT position, UINT flags, UINT_PTR id, const wchar_t* text,
                              CImageList* il, int xoffset) {
  return InsertODMenuW(position, text, flags, id, il, xoffset);
}
BOOL MpAppUiMenu::InsertMenuA(UINT position, UINT flags, UINT_PTR id, const char* text,
                              CBitmap* bmp) {
  return InsertMenuW(position, flags, id, menuWideText(text).c_str(), bmp);
}
BOOL MpAppUiMenu::InsertMenuW(UINT position, UINT flags, UINT_PTR id, const wchar_t* text,
                              CBitmap* bmp) {
  if (!bmp) return InsertODMenuW(position, text, flags, id, nullptr, 0);
  CImageList list;
  list.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1);
  list.Add(bmp, MaskColour());
  return InsertODMenuW(position, text, flags, id, &list, 0);
}

MpAppUiMenu* MpAppUiMenu::NewOwnedPopup() {
  auto* sub = new MpAppUiMenu;
  sub->m_uncheckedBitmapId = m_uncheckedBitmapId;
  sub->m_checkedBitmapId = m_checkedBitmapId;
  sub->m_checkImages = m_checkImages;
  sub->m_checkImagesShared = TRUE;
  holdCheckImages(m_checkImages);
  sub->CreatePopupMenu();
  m_createdSubMenus.Add(sub);
  return sub;
}
MpAppUiMenu* MpAppUiMenu::AppendODPopupMenuA(const char* text) {
  return AppendODPopupMenuW(menuWideText(text).c_str());
}
MpAppUiMenu* MpAppUiMenu::AppendODPopupMenuW(const wchar_t* text) {
  MpAppUiMenu* sub = NewOwnedPopup();
  AppendODMenuW(text, MF_POPUP, reinterpret_cast<UINT_PTR>(sub->m_hMenu), -1);
  return sub;
}

MpAppUiMenuData* MpAppUiMenu::NewODMenu(UINT position, UINT flags, UINT_PTR id, CString text) {
  return NewODMenu(position, flags, id, menuWideText(text).c_str());
}
MpAppUiMenuData* MpAppUiMenu::NewODMenu(UINT position, UINT flags, UINT_PTR id, const wchar_t* text) {
  auto* rec = new MpAppUiMenuData;
  rec->SetText(text);
  rec->m_flags = flags;
  rec->m_commandId = id;
  if (flags & MF_OWNERDRAW)
    ::ModifyMenuW(m_hMenu, position, flags, id, reinterpret_cast<LPCWSTR>(rec));
  else
    ::ModifyMenuW(m_hMenu, position, flags, id, nullptr);
  return rec;
}

// ---------------------------------------------------------------------------------------
// Changing items
// ---------------------------------------------------------------------------------------
namespace {
// The items of a menu tree with one command id, each by its menu and position, with the record
// it is to carry.
struct CommandItems {
  CArray<MpAppUiMenu*, MpAppUiMenu*> menus;
  CArray<int, int&> locs;
  std::vector<MpAppUiMenuData*> records;
};

// Finds every item with the command and gives each a record of its own menu: the one it carries,
// else one with the command that no item carries, else a new one. A record another item carries
// is never taken, as it goes when either item is removed. An item that had no record keeps its
// own text in the record it gets.
void findCommandItems(MpAppUiMenu& menu, UINT id, CommandItems& items) {
  int loc = -1;
  for (MpAppUiMenu* m = menu.FindMenuOption((int)id, loc); m;
       m = menu.FindAnotherMenuOption((int)id, loc, items.menus, items.locs)) {
    items.menus.Add(m);
    items.locs.Add(loc);
  }
  auto taken = [&](const MpAppUiMenuData* rec) {
    return std::find(items.records.begin(), items.records.end(), rec) != items.records.end();
  };
  for (INT_PTR i = 0; i < items.menus.GetSize(); ++i) {
    const INT_PTR k = carriedRecordIndex(*items.menus[i], items.locs[i]);
    MpAppUiMenuData* rec = k >= 0 ? items.menus[i]->m_itemRecords[k] : nullptr;
    items.records.push_back(rec && !taken(rec) ? rec : nullptr);
  }
  for (INT_PTR i = 0; i < items.menus.GetSize(); ++i) {
    MpAppUiMenuData*& rec = items.records[(size_t)i];
    if (rec) continue;
    MpAppUiMenu& m = *items.menus[i];
    for (INT_PTR k = 0; !rec && k < m.m_itemRecords.GetSize(); ++k) {
      MpAppUiMenuData* r = m.m_itemRecords[k];
      if (r->m_commandId == id && !(r->m_flags & MF_POPUP) && !taken(r) && !carriedByAnotherItem(m, r, -1)) rec = r;
    }
    if (!rec) {
      rec = new MpAppUiMenuData;
      m.m_itemRecords.Add(rec);
    }
    const std::wstring text = menuItemText(m.m_hMenu, items.locs[i]);
    if (!text.empty()) rec->SetText(text.c_str());
  }
}

// Fills the record's own image list (created or emptied) from the bitmap resource; when that fails
// the list goes and the record has no image of its own.
BOOL loadOwnImages(MpAppUiMenu& menu, MpAppUiMenuData* rec, int bitmapId) {
  if (!rec->m_imageList) rec->m_imageList = new CImageList;
  rec->m_imageList->DeleteImageList();
  rec->m_imageList->Create(MpAppUiMenu::m_iconX, MpAppUiMenu::m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1);
  if (menu.AddBitmapToImageList(rec->m_imageList, (UINT)bitmapId, TRUE, &rec->m_effectImages)) return TRUE;
  delete rec->m_imageList;
  rec->m_imageList = nullptr;
  rec->m_imageIndex = rec->m_imageSource = -1;
  return FALSE;
}

// Hands each item its record, by position in its own menu: a change by command would reach only
// the first item with the id. Each item keeps its own state: the check and grey its host gave it.
// TRUE when every item was changed.
BOOL setCommandItems(const CommandItems& items, UINT id) {
  BOOL all = !items.records.empty();
  for (INT_PTR i = 0; i < items.menus.GetSize(); ++i) {
    MpAppUiMenuData* rec = items.records[(size_t)i];
    const LPCWSTR data = reinterpret_cast<LPCWSTR>(rec);
    if (!putOnItem(items.menus[i]->m_hMenu, items.locs[i], rec, rec->m_flags, id, data)) all = FALSE;
  }
  return all;
}

// The walk of the ModifyODMenu forms: every item with the command, its record updated; FALSE when
// the command is on no item.
bool modifyWalk(MpAppUiMenu& menu, const wchar_t* text, UINT id, CommandItems& items) {
  findCommandItems(menu, id, items);
  for (MpAppUiMenuData* rec : items.records) {
    if (text) rec->SetText(text);
    rec->m_imageSource = rec->m_imageIndex = -1;
    rec->m_flags = (rec->m_flags & ~MF_BYPOSITION) | MF_OWNERDRAW;
    rec->m_commandId = id;
  }
  return !items.records.empty();
}
}  // namespace

BOOL MpAppUiMenu::ModifyODMenuA(const char* text, UINT id, int iconId) {
  return ModifyODMenuW(text ? menuWideText(text).c_str() : nullptr, id, iconId);
}
BOOL MpAppUiMenu::ModifyODMenuW(const wchar_t* text, UINT id, int iconId) {
  CommandItems items;
  if (!modifyWalk(*this, text, id, items)) return FALSE;
  const int shared = sharedIconFor(this, id, iconId);
  for (MpAppUiMenuData* rec : items.records) rec->m_sharedImageIndex = shared;
  return setCommandItems(items, id);
}
BOOL MpAppUiMenu::ModifyODMenuA(const char* text, UINT id, CImageList* il, int xoffset) {
  return ModifyODMenuW(text ? menuWideText(text).c_str() : nullptr, id, il, xoffset);
}
BOOL MpAppUiMenu::ModifyODMenuW(const wchar_t* text, UINT id, CImageList* il, int xoffset) {
  CommandItems items;
  if (!modifyWalk(*this, text, id, items)) return FALSE;
  if (il) {
    const int shared = AddToGlobalImageList(il, xoffset, (int)id);
    for (MpAppUiMenuData* rec : items.records) {
      delete rec->m_imageList;
      rec->m_imageList = nullptr;
      rec->m_effectImages = FALSE;
      rec->m_sharedImageIndex = shared;
    }
  }
  return setCommandItems(items, id);
}
BOOL MpAppUiMenu::ModifyODMenuA(const char* text, UINT id, CBitmap* bmp) {
  return ModifyODMenuW(text ? menuWideText(text).c_str() : nullptr, id, bmp);
}
BOOL MpAppUiMenu::ModifyODMenuW(const wchar_t* text, UINT id, CBitmap* bmp) {
  if (!bmp) return ModifyODMenuW(text, id, static_cast<CImageList*>(nullptr), 0);
  CImageList list;
  if (!list.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1) ||
      list.Add(bmp, MaskColour()) < 0)
    return FALSE;
  return ModifyODMenuW(text, id, &list, 0);
}
BOOL MpAppUiMenu::ModifyODMenuA(const char* text, UINT id, COLORREF fill, COLORREF border,
                                int hatchStyle, CSize* size) {
  return ModifyODMenuW(text ? menuWideText(text).c_str() : nullptr, id, fill, border, hatchStyle, size);
}
BOOL MpAppUiMenu::ModifyODMenuW(const wchar_t* text, UINT id, COLORREF fill, COLORREF border,
                                int hatchStyle, CSize* size) {
  MainWindowDC dc;
  CBitmap bmp;
  ColorBitmap(CDC::FromHandle(dc.hdc()), bmp, size ? *size : CSize(m_iconX, m_iconY),
              CSize(m_iconX, m_iconY), fill, border, hatchStyle);
  return ModifyODMenuW(text, id, &bmp);
}
BOOL MpAppUiMenu::ModifyODMenuA(const char* text, const char* optionText, int iconId) {
  return ModifyODMenuW(text ? menuWideText(text).c_str() : nullptr, menuWideText(optionText).c_str(), iconId);
}
BOOL MpAppUiMenu::ModifyODMenuW(const wchar_t* text, const wchar_t* optionText, int iconId) {
  MpAppUiMenuData* rec = FindMenuOption(optionText);
  if (!rec) return FALSE;
  if (text) rec->SetText(text);
  rec->m_imageSource = iconId;
  rec->m_imageIndex = -1;
  if (iconId < 0) return TRUE;
  rec->m_imageIndex = 0;
  return loadOwnImages(*this, rec, iconId);
}

BOOL MpAppUiMenu::SetMenuText(UINT id, CString text, UINT flags) {
  if (flags & MF_BYPOSITION) {
    MpAppUiMenuData* rec = recordAtPosition(*this, (int)id);
    if (!rec) return FALSE;
    rec->SetTextA(text);
    return TRUE;
  }
  int loc = -1;
  MpAppUiMenu* owner = FindMenuOption((int)id, loc);
  return owner ? owner->SetMenuText((UINT)loc, text, MF_BYPOSITION) : FALSE;
}
BOOL MpAppUiMenu::GetMenuText(UINT id, CString& text, UINT flags) {
  if (flags & MF_BYPOSITION) {
    const MpAppUiMenuData* rec = recordAtPosition(*this, (int)id);
    if (!rec) return FALSE;
    text = rec->GetTextA();
    return TRUE;
  }
  int loc = -1;
  MpAppUiMenu* owner = FindMenuOption((int)id, loc);
  return owner ? owner->GetMenuText((UINT)loc, text, MF_BYPOSITION) : FALSE;
}

// ---------------------------------------------------------------------------------------
// Icons from toolbars
// ---------------------------------------------------------------------------------------
BOOL MpAppUiMenu::LoadToolbar(UINT toolbarId) {
  CToolBar bar;
  if (!loadTemporaryToolBar(bar, toolbarId)) return FALSE;
  CImageList list;
  list.Create(m_iconX, m_iconY, ILC_COLORDDB | ILC_MASK, 1, 1);
  if (!AddBitmapToImageList(&list, toolbarId)) return FALSE;
  takeButtonImages(*this, bar, list);
  return TRUE;
}
BOOL MpAppUiMenu::LoadToolbar(UINT toolbarId, UINT bitmapId) {
  HBITMAP hbm = loadDibSection(bitmapId);
  if (!hbm) return FALSE;
  CBitmap bmp;
  bmp.Attach(hbm);
  BITMAP info{};
  if (!bmp.GetBitmap(&info) || m_iconX <= 0) return FALSE;
  CImageList list;
  if (!list.Create(m_iconX, info.bmHeight, ILC_COLOR24 | ILC_MASK, info.bmWidth / m_iconX, 0) ||
      list.Add(&bmp, firstMemoryPixel(hbm)) < 0)
    return FALSE;
  CToolBar bar;
  if (!loadTemporaryToolBar(bar, toolbarId)) return FALSE;
  takeButtonImages(*this, bar, list);
  return TRUE;
}
BOOL MpAppUiMenu::LoadToolbars(const UINT* ids, int count) {
  BOOL all = TRUE;
  for (int i = 0; ids && i < count; ++i) all = LoadToolbar(ids[i]) && all;
  return all;
}
BOOL MpAppUiMenu::LoadFromToolBar(UINT id, UINT toolbarId, int& offset) {
  CToolBar bar;
  if (!loadTemporaryToolBar(bar, toolbarId)) return FALSE;
  const int index = bar.CommandToIndex(id);
  if (index < 0) return FALSE;
  UINT nID = 0, style = 0;
  int image = 0;
  bar.GetButtonInfo(index, nID, style, image);
  if (image >= 0) offset = image;
  return TRUE;
}
BOOL MpAppUiMenu::AddFromToolBar(CToolBar* bar, int bitmapId) {
  if (!bar) return FALSE;
  for (int i = 0; i < bar->GetCount(); ++i) {
    UINT id = 0, style = 0;
    int image = 0;
    bar->GetButtonInfo(i, id, style, image);
    if (id == 0 || (style & TBSTYLE_SEP)) continue;
    // Only the items of this menu's own tree change, each by position in its own menu: a change by
    // command would reach a host's sub-menu too and leave it carrying a record it does not own.
    CommandItems items;
    findCommandItems(*this, id, items);
    if (items.records.empty()) continue;
    for (MpAppUiMenuData* rec : items.records) {
      rec->m_imageSource = bitmapId;
      rec->m_commandId = id;
      rec->m_flags = MF_OWNERDRAW;
      rec->m_imageIndex = image;
      loadOwnImages(*this, rec, bitmapId);
    }
    setCommandItems(items, id);
  }
  return TRUE;
}
void MpAppUiMenu::LoadCheckmarkBitmap(int unselectId, int selectId) {
  if (unselectId < 1 || selectId < 1) return;
  m_checkedBitmapId = selectId;
  m_uncheckedBitmapId = unselectId;
  if (m_checkImagesShared) {  // a borrowed list is never changed by the borrower
    releaseCheckImages(m_checkImages, TRUE);
    m_checkImages = nullptr;
    m_checkImagesShared = FALSE;
  }
  // The images are made apart: a failure leaves the list that sub-menus may hold intact.
  CImageList fresh;
  fresh.Create(m_iconX, m_iconY, ILC_MASK, 2, 1);
  if (!AddBitmapToImageList(&fresh, (UINT)unselectId, FALSE) ||
      !AddBitmapToImageList(&fresh, (UINT)selectId, FALSE)) {
    releaseCheckImages(m_checkImages, FALSE);
    m_checkImages = nullptr;
    return;
  }
  if (!m_checkImages) {
    m_checkImages = new CImageList;
    holdCheckImages(m_checkImages);
  }
  m_checkImages->DeleteImageList();
  m_checkImages->Attach(fresh.Detach());
}
