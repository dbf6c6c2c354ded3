// Owner-drawn menu: loading from menu resources, searching, removing and synchronising.
#include <afxmt.h>
#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>
#include "MenuTemplateReader.h"
#include "MpAppUiMenu.h"
#include "MpAppUiMenuSupport.h"
#include "WidgetDeckModule.h"

namespace {
MpAppUiMenu* asMenu(HMENU h) {
  CMenu* m = CMenu::FromHandlePermanent(h);
  return m && m->IsKindOf(RUNTIME_CLASS(MpAppUiMenu)) ? static_cast<MpAppUiMenu*>(m) : nullptr;
}
// The pop-up item of the menu's own tree whose id (its sub-menu's handle) is the id, as Windows
// finds one by command; loc is its position.
MpAppUiMenu* findPopupItem(MpAppUiMenu& menu, UINT id, int& loc) {
  const int count = menu.GetMenuItemCount();
  for (int i = 0; i < count; ++i) {
    HMENU h = ::GetSubMenu(menu.m_hMenu, i);
    if (!h) continue;
    if ((UINT)(UINT_PTR)h == id) {
      loc = i;
      return &menu;
    }
    if (MpAppUiMenu* sub = asMenu(h))
      if (MpAppUiMenu* hit = findPopupItem(*sub, id, loc)) return hit;
  }
  return nullptr;
}
// Makes the bar's item at the position a plain text item with its record's caption, as a bar
// shows it; the item keeps its own state (a pop-up the host greyed stays grey).
void showPlainOnBar(MpAppUiMenu& bar, int pos, MpAppUiMenuData* rec) {
  const HMENU sub = ::GetSubMenu(bar.m_hMenu, pos);
  putOnItem(bar.m_hMenu, pos, rec, (sub ? MF_POPUP : MF_STRING) | MF_BYPOSITION,
            sub ? reinterpret_cast<UINT_PTR>(sub) : rec->m_commandId, rec->GetText());
}
// The item data of the item at the position; 0 for none.
ULONG_PTR itemData(HMENU menu, int pos) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_DATA;
  return ::GetMenuItemInfoW(menu, pos, TRUE, &info) ? info.dwItemData : 0;
}
// The data of every item of the menu but the one at the position.
std::unordered_set<ULONG_PTR> otherItemsData(const MpAppUiMenu& menu, int pos) {
  std::unordered_set<ULONG_PTR> data;
  const int count = menu.GetMenuItemCount();
  for (int i = 0; i < count; ++i)
    if (i != pos) data.insert(itemData(menu.m_hMenu, i));
  return data;
}
// Whether the item at the position is owner-drawn: drawn by the menu from the record it carries.
bool isOwnerDrawn(HMENU menu, int pos) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE;
  return ::GetMenuItemInfoW(menu, pos, TRUE, &info) && (info.fType & MFT_OWNERDRAW);
}
// The text Windows holds for the item, whoever draws it.
std::wstring windowsText(HMENU menu, int pos) {
  wchar_t buf[1025] = {};
  ::GetMenuStringW(menu, pos, buf, 1024, MF_BYPOSITION);
  return buf;
}
// An item's caption: its record's when the menu draws it, else the text Windows holds.
std::wstring itemCaption(const MpAppUiMenu& menu, int pos) {
  if (!isOwnerDrawn(menu.m_hMenu, pos)) return windowsText(menu.m_hMenu, pos);
  const INT_PTR k = carriedRecordIndex(menu, pos);
  const wchar_t* text = k >= 0 ? menu.m_itemRecords[k]->GetText() : nullptr;
  return text ? text : L"";
}
}  // namespace

std::wstring menuItemText(HMENU menu, int pos) {
  return isOwnerDrawn(menu, pos) ? std::wstring() : windowsText(menu, pos);
}

BOOL putOnItem(HMENU menu, int pos, MpAppUiMenuData* rec, UINT flags, UINT_PTR id, LPCWSTR item) {
  const UINT state = MF_CHECKED | MF_GRAYED | MF_DISABLED | MF_HILITE;
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_STATE;
  if (::GetMenuItemInfoW(menu, pos, TRUE, &info)) flags = (flags & ~state) | (info.fState & state);
  rec->m_flags = flags;
  return ::ModifyMenuW(menu, pos, rec->m_flags | MF_BYPOSITION, id, item);
}

INT_PTR carriedRecordIndex(const MpAppUiMenu& menu, int pos) {
  const ULONG_PTR data = itemData(menu.m_hMenu, pos);
  if (!data) return -1;
  // The records mostly stand in item order.
  const auto& records = menu.m_itemRecords;
  if (pos >= 0 && pos < records.GetSize() && reinterpret_cast<ULONG_PTR>(records[pos]) == data) return pos;
  for (INT_PTR i = 0; i < records.GetSize(); ++i)
    if (reinterpret_cast<ULONG_PTR>(records[i]) == data) return i;
  return -1;
}

bool carriedByAnotherItem(const MpAppUiMenu& menu, const MpAppUiMenuData* rec, int pos) {
  const ULONG_PTR data = reinterpret_cast<ULONG_PTR>(rec);
  const int count = menu.GetMenuItemCount();
  for (int i = 0; i < count; ++i)
    if (i != pos && itemData(menu.m_hMenu, i) == data) return true;
  return false;
}

MpAppUiMenuData* recordAtPosition(const MpAppUiMenu& menu, int pos) {
  const INT_PTR carried = carriedRecordIndex(menu, pos);
  if (carried >= 0) return menu.m_itemRecords[carried];
  if (pos < 0 || pos >= menu.m_itemRecords.GetSize()) return nullptr;
  MpAppUiMenuData* rec = menu.m_itemRecords[pos];
  return carriedByAnotherItem(menu, rec, pos) ? nullptr : rec;
}

// ---------------------------------------------------------------------------------------
// Loading
// ---------------------------------------------------------------------------------------
BOOL MpAppUiMenu::LoadMenuA(int nResource) { return LoadMenuA(MAKEINTRESOURCEA(nResource)); }

BOOL MpAppUiMenu::LoadMenuA(const char* name) {
  HINSTANCE hInst = AfxFindResourceHandle(name, RT_MENU);
  HRSRC hRsrc = hInst ? ::FindResourceA(hInst, name, RT_MENU) : nullptr;
  if (!hRsrc) {
    hInst = ::GetModuleHandleA(nullptr);
    hRsrc = ::FindResourceA(hInst, name, RT_MENU);
  }
  HGLOBAL hGlobal = hRsrc ? ::LoadResource(hInst, hRsrc) : nullptr;
  const void* data = hGlobal ? ::LockResource(hGlobal) : nullptr;
  if (!data) return FALSE;
  std::vector<MenuTemplateItem> items;
  if (!readMenuTemplate(static_cast<const uint8_t*>(data), ::SizeofResource(hInst, hRsrc), items))
    return FALSE;
  DestroyMenu();
  if (!CreateMenu()) return FALSE;

  std::vector<MpAppUiMenu*> stack{this};
  std::vector<bool> lastSeen{false};
  for (const MenuTemplateItem& item : items) {
    if (stack.empty()) break;
    const std::wstring caption(item.caption.begin(), item.caption.end());
    const UINT flags = item.flags & ~MF_END;
    if (!item.popup()) {
      stack.back()->AppendODMenuW(caption.c_str(), flags, item.id, -1);
      if (item.last()) lastSeen.back() = true;
      while (!stack.empty() && lastSeen.back()) {
        stack.back()->InsertSpaces();
        stack.pop_back();
        lastSeen.pop_back();
      }
    } else {
      if (item.last()) lastSeen.back() = true;
      MpAppUiMenu* sub = NewOwnedPopup();
      // The sub-menu belongs to the menu it stands in, which deletes it.
      if (stack.back() != this) {
        m_createdSubMenus.RemoveAt(m_createdSubMenus.GetSize() - 1);
        stack.back()->m_createdSubMenus.Add(sub);
      }
      stack.back()->AppendODMenuW(caption.c_str(), flags, reinterpret_cast<UINT_PTR>(sub->m_hMenu), -1);
      stack.push_back(sub);
      lastSeen.push_back(false);
    }
  }
  // A menu bar shows plain text items; their pop-ups stay owner-drawn.
  for (int i = 0; i < GetMenuItemCount() && i < m_itemRecords.GetSize(); ++i)
    showPlainOnBar(*this, i, m_itemRecords[i]);
  m_fromMenuResource = TRUE;
  return TRUE;
}

int MpAppUiMenu::GetMenuStart() {
  if (!m_fromMenuResource) return 0;
  const int count = GetMenuItemCount();
  for (int i = 0; i < count; ++i) {
    const std::wstring text = menuItemText(m_hMenu, i);
    if (text.empty()) continue;
    for (int j = 0; j < m_itemRecords.GetSize(); ++j) {
      const wchar_t* t = m_itemRecords[j]->GetText();
      if (t && text == t) return i >= j ? i - j : 0;
    }
  }
  return 0;
}

// A pop-up made owner-drawn is made plain again with its record's text. Each item is paired with
// the record it carries: a host's own pop-up among the bar's items keeps its own caption.
void MpAppUiMenu::RemoveTopLevelOwnerDraw() {
  const int count = GetMenuItemCount();
  for (int i = GetMenuStart(); i < count; ++i) {
    const INT_PTR k = ::GetSubMenu(m_hMenu, i) ? carriedRecordIndex(*this, i) : -1;
    if (k >= 0) showPlainOnBar(*this, i, m_itemRecords[k]);
  }
}

void MpAppUiMenu::InsertSpaces() {
  if (!(IsLunaMenuStyle() ? xp_space_accelerators : original_space_accelerators)) return;
  MainWindowDC dc;
  MenuFont font;
  HGDIOBJ old = ::SelectObject(dc.hdc(), font.handle());
  auto width = [&](const std::wstring& s) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc.hdc(), s.c_str(), (int)s.size(), &size);
    return size.cx;
  };
  LONG widest = 0;
  for (INT_PTR i = 0; i < m_itemRecords.GetSize(); ++i) {
    const wchar_t* t = m_itemRecords[i]->GetText();
    std::wstring text = t ? t : L"";
    widest = std::max(widest, width(text.substr(0, text.find(L'\t')) + L" "));
  }
  for (INT_PTR i = 0; i < m_itemRecords.GetSize(); ++i) {
    const wchar_t* t = m_itemRecords[i]->GetText();
    if (!t) continue;
    const std::wstring text = t;
    const size_t tab = text.find(L'\t');
    if (tab == std::wstring::npos) continue;
    std::wstring padded = text.substr(0, tab);
    for (LONG w = width(padded); w < widest;) {
      padded += L' ';
      const LONG next = width(padded);
      if (next <= w) break;  // a font whose space has no width would never get there
      w = next;
    }
    m_itemRecords[i]->SetText((padded + text.substr(tab)).c_str());
  }
  ::SelectObject(dc.hdc(), old);
}

// ---------------------------------------------------------------------------------------
// Searching
// ---------------------------------------------------------------------------------------
MpAppUiMenu* MpAppUiMenu::FindMenuOption(int id, int& loc) {
  CArray<MpAppUiMenu*, MpAppUiMenu*> menus;
  CArray<int, int&> locs;
  return FindAnotherMenuOption(id, loc, menus, locs);
}

MpAppUiMenu* MpAppUiMenu::FindAnotherMenuOption(int id, int& loc,
                                                CArray<MpAppUiMenu*, MpAppUiMenu*>& menus,
                                                CArray<int, int&>& locs) {
  const int count = GetMenuItemCount();
  for (int i = 0; i < count; ++i) {
    if (HMENU h = ::GetSubMenu(m_hMenu, i)) {
      // A pop-up item has no command id: only its own items can match.
      if (MpAppUiMenu* sub = asMenu(h)) {
        if (MpAppUiMenu* hit = sub->FindAnotherMenuOption(id, loc, menus, locs)) return hit;
      }
      continue;
    }
    if ((int)::GetMenuItemID(m_hMenu, i) != id) continue;
    bool seen = false;
    for (INT_PTR k = 0; k < menus.GetSize() && !seen; ++k) seen = menus[k] == this && locs[k] == i;
    if (seen) continue;
    loc = i;
    return this;
  }
  loc = -1;
  return nullptr;
}

MpAppUiMenuData* MpAppUiMenu::FindMenuOption(const wchar_t* text) {
  if (!text) return nullptr;
  const int count = GetMenuItemCount();
  for (int i = 0; i < count; ++i) {
    if (HMENU h = ::GetSubMenu(m_hMenu, i)) {
      if (MpAppUiMenu* sub = asMenu(h))
        if (MpAppUiMenuData* rec = sub->FindMenuOption(text)) return rec;
      continue;
    }
    for (INT_PTR j = 0; j < m_itemRecords.GetSize(); ++j) {
      const wchar_t* t = m_itemRecords[j]->GetText();
      if (t && wcscmp(t, text) == 0) return m_itemRecords[j];
    }
  }
  return nullptr;
}

MpAppUiMenuData* MpAppUiMenu::FindMenuItem(UINT id) {
  for (INT_PTR i = 0; i < m_itemRecords.GetSize(); ++i)
    if (!(m_itemRecords[i]->m_flags & MF_POPUP) && m_itemRecords[i]->m_commandId == id)
      return m_itemRecords[i];
  int loc = -1;
  MpAppUiMenu* owner = FindMenuOption((int)id, loc);
  return owner && owner != this ? owner->FindMenuItem(id) : nullptr;
}

CMenu* MpAppUiMenu::GetSubMenu(const char* name) const {
  if (!name) return nullptr;
  const std::wstring wanted = menuWideText(name);
  const int count = GetMenuItemCount();
  for (int i = 0; i < count; ++i)
    if (itemCaption(*this, i) == wanted) return CMenu::GetSubMenu(i);
  return nullptr;
}
MpAppUiMenu* MpAppUiMenu::GetSubMpAppUiMenu(const char* text) {
  return GetSubMpAppUiMenu(menuWideText(text).c_str());
}
MpAppUiMenu* MpAppUiMenu::GetSubMpAppUiMenu(const wchar_t* text) {
  MpAppUiMenuData* rec = FindMenuOption(text);
  if (!rec || !(rec->m_flags & MF_POPUP)) return nullptr;
  return asMenu(reinterpret_cast<HMENU>(rec->m_commandId));
}

int MpAppUiMenu::GetMenuPosition(const char* text) { return GetMenuPosition(menuWideText(text).c_str()); }
int MpAppUiMenu::GetMenuPosition(const wchar_t* text) {
  if (!text) return -1;
  // The records with the text, then the first item that carries one: one pass over each.
  std::unordered_set<ULONG_PTR> named;
  for (INT_PTR j = 0; j < m_itemRecords.GetSize(); ++j) {
    const wchar_t* t = m_itemRecords[j]->GetText();
    if (t && wcscmp(t, text) == 0) named.insert(reinterpret_cast<ULONG_PTR>(m_itemRecords[j]));
  }
  const int count = named.empty() ? 0 : GetMenuItemCount();
  for (int i = 0; i < count; ++i)
    if (named.count(itemData(m_hMenu, i))) return i;
  return -1;
}

BOOL MpAppUiMenu::IsMenu(CMenu* menu) { return menu && IsMenu(menu->m_hMenu); }
BOOL MpAppUiMenu::IsMenu(HMENU menu) {
  CSingleLock guard(&WidgetDeck::sharedDataLock(), TRUE);
  for (INT_PTR i = 0; i < m_AllSubMenus.GetSize(); ++i)
    if (m_AllSubMenus[i] == menu) return TRUE;
  return FALSE;
}

// ---------------------------------------------------------------------------------------
// Removing
// ---------------------------------------------------------------------------------------
BOOL MpAppUiMenu::RemoveMenu(UINT id, UINT flags) { return RemoveOrDelete(id, flags, FALSE); }
BOOL MpAppUiMenu::DeleteMenu(UINT id, UINT flags) { return RemoveOrDelete(id, flags, TRUE); }

BOOL MpAppUiMenu::RemoveOrDelete(UINT id, UINT flags, BOOL isDelete) {
  if (!(flags & MF_BYPOSITION)) {
    // Only an item of this menu's own tree goes: a command that stands only in a host's sub-menu
    // stays as the host made it.
    int loc = -1;
    MpAppUiMenu* owner = FindMenuOption((int)id, loc);
    if (!owner) owner = findPopupItem(*this, id, loc);
    return owner ? owner->RemoveOrDelete((UINT)loc, flags | MF_BYPOSITION, isDelete) : FALSE;
  }
  const int pos = (int)id;
  const UINT state = GetMenuState(pos, MF_BYPOSITION);
  // The record that goes with the item: the one it carries, else one that matches it and that no
  // item carries. A record another item carries stays with that item. Each costs one look at the
  // other items, so that a host emptying a menu item by item pays no more than a pass an item.
  auto recordOfItem = [&](auto matches) -> INT_PTR {
    const INT_PTR carried = carriedRecordIndex(*this, pos);
    if (carried >= 0) return carriedByAnotherItem(*this, m_itemRecords[carried], pos) ? -1 : carried;
    std::optional<std::unordered_set<ULONG_PTR>> others;  // read at the first record that matches
    for (INT_PTR i = 0; i < m_itemRecords.GetSize(); ++i) {
      if (!matches(i)) continue;
      if (!others) others = otherItemsData(*this, pos);
      if (!others->count(reinterpret_cast<ULONG_PTR>(m_itemRecords[i]))) return i;
    }
    return -1;
  };
  auto dropRecord = [&](INT_PTR i) {
    if (i < 0) return;
    delete m_itemRecords[i];
    m_itemRecords.RemoveAt(i);
  };
  if (HMENU h = ::GetSubMenu(m_hMenu, pos)) {
    removeHandle(m_ownSubMenus, h);
    unlistSubMenus({h});
    dropRecord(recordOfItem([&](INT_PTR i) {
      return (m_itemRecords[i]->m_flags & MF_POPUP) && m_itemRecords[i]->m_commandId == (UINT_PTR)h;
    }));
    // Only a sub-menu this menu made is deleted (with its items); another stays its owner's.
    for (INT_PTR k = 0; k < m_createdSubMenus.GetSize(); ++k) {
      if (m_createdSubMenus[k]->m_hMenu != h) continue;
      MpAppUiMenu* sub = m_createdSubMenus[k];
      m_createdSubMenus.RemoveAt(k);
      sub->TakeOutItems(isDelete);
      ::RemoveMenu(m_hMenu, pos, MF_BYPOSITION);  // the handle goes with the object
      delete sub;  // and the records with it, each once
      return TRUE;
    }
  } else if (state != (UINT)-1) {
    INT_PTR own = -1;
    if (state & MF_SEPARATOR) {
      own = recordOfItem([&](INT_PTR i) { return i == pos; });
      // Deleting keeps a separator's record that holds a text.
      const wchar_t* t = own >= 0 ? m_itemRecords[own]->GetText() : nullptr;
      if (isDelete && t && *t) own = -1;
    } else {
      const UINT cmd = ::GetMenuItemID(m_hMenu, pos);
      own = recordOfItem([&](INT_PTR i) {
        return !(m_itemRecords[i]->m_flags & MF_POPUP) && m_itemRecords[i]->m_commandId == cmd;
      });
    }
    dropRecord(own);
  }
  return isDelete ? CMenu::DeleteMenu(pos, MF_BYPOSITION) : CMenu::RemoveMenu(pos, MF_BYPOSITION);
}

// The items go first, last to first, as this menu's item goes: a menu the host made and put in it
// outlives a removal, as Windows' RemoveMenu leaves it, and goes with a deletion. The menu goes as a
// whole, so no item's record is looked for: each item costs a look and its removal, and the records
// and handle lists go with the object.
void MpAppUiMenu::TakeOutItems(BOOL isDelete) {
  std::unordered_map<HMENU, MpAppUiMenu*> created;
  for (INT_PTR k = 0; k < m_createdSubMenus.GetSize(); ++k) created[m_createdSubMenus[k]->m_hMenu] = m_createdSubMenus[k];
  for (int i = GetMenuItemCount() - 1; i >= 0; --i) {
    const HMENU h = created.empty() ? nullptr : ::GetSubMenu(m_hMenu, i);
    const auto own = h ? created.find(h) : created.end();
    if (own != created.end()) own->second->TakeOutItems(isDelete);
    if (isDelete && own == created.end())
      ::DeleteMenu(m_hMenu, i, MF_BYPOSITION);
    else
      ::RemoveMenu(m_hMenu, i, MF_BYPOSITION);  // an own sub-menu is destroyed by its object
  }
}

int MpAppUiMenu::RemoveMenu(const char* text, MPAPPUI_Seperator sep) {
  return RemoveOrDeleteByText(menuWideText(text).c_str(), sep, FALSE);
}
int MpAppUiMenu::RemoveMenu(const wchar_t* text, MPAPPUI_Seperator sep) {
  return RemoveOrDeleteByText(text, sep, FALSE);
}
int MpAppUiMenu::DeleteMenu(const char* text, MPAPPUI_Seperator sep) {
  return RemoveOrDeleteByText(menuWideText(text).c_str(), sep, TRUE);
}
int MpAppUiMenu::DeleteMenu(const wchar_t* text, MPAPPUI_Seperator sep) {
  return RemoveOrDeleteByText(text, sep, TRUE);
}
int MpAppUiMenu::RemoveOrDeleteByText(const wchar_t* text, MPAPPUI_Seperator sep, BOOL isDelete) {
  const int pos = GetMenuPosition(text);
  if (pos < 0) return -1;
  RemoveOrDelete((UINT)pos, MF_BYPOSITION, isDelete);
  const int before = pos - 1;
  if (sep != MPAPPUI_NONE && before >= 0 && before < GetMenuItemCount())
    RemoveOrDelete((UINT)before, MF_BYPOSITION, isDelete);
  // The item that stood after the removed one has moved up to just before it.
  if (sep == MPAPPUI_BOTH && before >= 0 && before < GetMenuItemCount())
    RemoveOrDelete((UINT)before, MF_BYPOSITION, isDelete);
  return pos;
}

// ---------------------------------------------------------------------------------------
// Synchronising and the keyboard search
// ---------------------------------------------------------------------------------------
void MpAppUiMenu::SynchronizeMenu() {
  for (INT_PTR i = 0; i < m_itemRecords.GetSize(); ++i) m_itemRecords[i]->m_syncMark = 0;
  const int count = GetMenuItemCount();
  // An item keeps the record it carries (of two items carrying one, the first); the others take
  // records no item carries, so a host's item never takes the record an owner-drawn item shows.
  std::vector<MpAppUiMenuData*> byPosition((size_t)std::max(count, 0), nullptr);
  for (int i = 0; i < count; ++i) {
    const INT_PTR k = carriedRecordIndex(*this, i);
    if (k >= 0 && !m_itemRecords[k]->m_syncMark) {
      byPosition[i] = m_itemRecords[k];
      byPosition[i]->m_syncMark = 1;
    }
  }
  auto take = [&](auto match) -> MpAppUiMenuData* {
    for (INT_PTR i = 0; i < m_itemRecords.GetSize(); ++i) {
      MpAppUiMenuData* rec = m_itemRecords[i];
      if (!rec->m_syncMark && match(rec)) {
        rec->m_syncMark = 1;
        return rec;
      }
    }
    return nullptr;
  };
  for (int i = 0; i < count; ++i) {
    const UINT state = GetMenuState(i, MF_BYPOSITION);
    const std::wstring text = menuItemText(m_hMenu, i);  // an owner-drawn item's is its record's
    MpAppUiMenuData*& rec = byPosition[i];
    if (HMENU h = ::GetSubMenu(m_hMenu, i)) {
      if (!rec) rec = take([&](MpAppUiMenuData* r) { return (r->m_flags & MF_POPUP) && r->m_commandId == (UINT_PTR)h; });
      if (rec) {
        if (!text.empty()) rec->SetText(text.c_str());
      } else {
        rec = NewODMenu(i, (state & 0xFF) | MF_POPUP | MF_BYPOSITION | MF_OWNERDRAW, (UINT_PTR)h, text.c_str());
      }
    } else if (state & MF_SEPARATOR) {
      if (!rec) rec = take([](MpAppUiMenuData* r) { return r->m_commandId == 0; });
      if (rec)
        putOnItem(m_hMenu, i, rec, rec->m_flags, 0, reinterpret_cast<LPCWSTR>(rec));
      else
        rec = NewODMenu(i, state | MF_SEPARATOR | MF_BYPOSITION | MF_OWNERDRAW, 0, L"");
    } else {
      const UINT cmd = ::GetMenuItemID(m_hMenu, i);
      if (!rec) rec = take([&](MpAppUiMenuData* r) { return !(r->m_flags & MF_POPUP) && r->m_commandId == cmd; });
      if (rec) {
        rec->m_flags = state | MF_BYPOSITION | MF_OWNERDRAW;
        if (!text.empty()) rec->SetText(text.c_str());
        ::ModifyMenuW(m_hMenu, i, rec->m_flags, cmd, reinterpret_cast<LPCWSTR>(rec));
      } else {
        rec = NewODMenu(i, state | MF_BYPOSITION | MF_OWNERDRAW, cmd, text.c_str());
      }
    }
    rec->m_syncMark = 1;
  }
  for (INT_PTR i = 0; i < m_itemRecords.GetSize(); ++i)
    if (!m_itemRecords[i]->m_syncMark) delete m_itemRecords[i];
  m_itemRecords.RemoveAll();
  for (MpAppUiMenuData* rec : byPosition) m_itemRecords.Add(rec);
}

void MpAppUiMenu::UpdateMenu(CMenu* menu) {
  if (menu && menu->IsKindOf(RUNTIME_CLASS(MpAppUiMenu))) static_cast<MpAppUiMenu*>(menu)->SynchronizeMenu();
}

LRESULT MpAppUiMenu::FindKeyboardShortcut(UINT ch, UINT flags, CMenu* menu) {
  if (!menu || !menu->IsKindOf(RUNTIME_CLASS(MpAppUiMenu)) || !(flags & MF_POPUP) || ch == 0) return 0;
  auto* m = static_cast<MpAppUiMenu*>(menu);
  // The key comes as 8-bit text from an 8-bit window; the items' texts are compared wide.
  const char narrow[2] = {static_cast<char>(ch), '\0'};
  std::wstring key = L"&" + (ch <= 0xFF ? menuWideText(narrow) : std::wstring(1, static_cast<wchar_t>(ch)));
  auto lower = [](std::wstring& s) { if (!s.empty()) ::CharLowerBuffW(&s[0], (DWORD)s.size()); };
  lower(key);
  const int count = m->GetMenuItemCount();
  if (count != m->m_itemRecords.GetSize()) m->SynchronizeMenu();
  for (int i = 0; i < count; ++i) {
    const MpAppUiMenuData* rec = recordAtPosition(*m, i);
    if (!rec || !rec->GetText()) continue;
    std::wstring text = rec->GetText();
    lower(text);
    if (text.find(key) != std::wstring::npos) return MAKELRESULT(i, MNC_EXECUTE);
  }
  return 0;
}
