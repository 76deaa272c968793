// The menu store's public calls: handles, items, states and item records.
// The window's menus live in WindowMenus.cpp, tracking in MenuTracking.cpp.
#include "platform/win/Menus.h"

#include <algorithm>

#include "platform/rtl/Unicode.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowText.h"
#include "platform/win/detail/MenuStore.h"

namespace plat {
namespace {

String TextOf(const char* text) { return text ? String(text) : String(); }
String TextOf(const char16_t* text) { return text ? WideToUtf8(WideString(text)) : String(); }

// The text in the caller's form, and the units it counts.
String TextIn(const String& utf8, char) { return utf8; }
WideString TextIn(const String& utf8, char16_t) { return Utf8ToWide(utf8); }

// The bits of the MF_* flags that describe an item's type and state.
constexpr UINT FlagTypeBits =
    MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_MENUBARBREAK | MF_MENUBREAK | MF_RIGHTJUSTIFY;
constexpr UINT FlagStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_HILITE | MF_DEFAULT;

// Checks a sub-menu about to go below `menu`: it must exist and must not
// hold `menu` (a menu inside itself).
bool AcceptsSubMenu(const MenuRecord* menu, HMENU sub) {
  const MenuRecord* record = MenuStore::Instance().FindOrFail(sub);
  if (!record) return false;
  if (MenuStore::Instance().Holds(record, menu->Handle)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

// The item InsertMenu, AppendMenu and ModifyMenu describe with their flags.
template <typename Ch>
std::optional<MenuItem> ItemFromFlags(const MenuRecord* menu, UINT flags, UINT_PTR idNewItem, const Ch* newItem) {
  const UINT kinds = flags & (MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR);
  if (kinds && (kinds & (kinds - 1))) {
    SetLastError(ERROR_INVALID_FLAGS);
    return std::nullopt;
  }
  MenuItem item;
  item.Type = flags & FlagTypeBits;
  item.State = flags & FlagStateBits;
  if (flags & MF_POPUP) {
    item.SubMenu = reinterpret_cast<HMENU>(idNewItem);
    if (!AcceptsSubMenu(menu, item.SubMenu)) return std::nullopt;
  }
  // A sub-menu item's command is its sub-menu's handle, as the platform keeps it.
  item.Id = static_cast<UINT>(idNewItem);
  if (flags & MF_BITMAP)
    item.Bitmap = reinterpret_cast<HBITMAP>(const_cast<Ch*>(newItem));
  else if (flags & MF_OWNERDRAW)
    item.Data = reinterpret_cast<ULONG_PTR>(newItem);
  else if (!(flags & MF_SEPARATOR))
    item.Text = TextOf(newItem);
  return item;
}

// Inserts before the item named (by position or command); position -1
// (UINT) or past the end by position appends.
bool InsertItem(MenuRecord* menu, UINT position, bool byPosition, MenuItem item) {
  MenuStore& store = MenuStore::Instance();
  if (position == static_cast<UINT>(-1) || (byPosition && position >= menu->Items.size())) {
    menu->Items.push_back(std::move(item));
    return true;
  }
  const auto place = store.Locate(menu, position, byPosition);
  if (!place) return false;
  auto& items = place->Menu->Items;
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(place->Index), std::move(item));
  return true;
}

template <typename Ch>
bool Insert(HMENU handle, UINT position, UINT flags, UINT_PTR idNewItem, const Ch* newItem) {
  MenuRecord* menu = MenuStore::Instance().FindOrFail(handle);
  if (!menu) return false;
  auto item = ItemFromFlags(menu, flags, idNewItem, newItem);
  return item && InsertItem(menu, position, (flags & MF_BYPOSITION) != 0, std::move(*item));
}

// The item at a position or with a command of a valid menu, or none (the
// last error says why).
std::optional<MenuStore::Place> ItemAt(HMENU handle, UINT item, bool byPosition) {
  MenuStore& store = MenuStore::Instance();
  MenuRecord* menu = store.FindOrFail(handle);
  if (!menu) return std::nullopt;
  return store.Locate(menu, item, byPosition);
}

// The item named by an MF_BYPOSITION/MF_BYCOMMAND flag, or none.
std::optional<MenuStore::Place> ItemOf(HMENU handle, UINT item, UINT flags) {
  return ItemAt(handle, item, (flags & MF_BYPOSITION) != 0);
}

template <typename Ch>
bool Modify(HMENU handle, UINT position, UINT flags, UINT_PTR idNewItem, const Ch* newItem) {
  const auto place = ItemOf(handle, position, flags);
  if (!place) return false;
  auto item = ItemFromFlags(place->Menu, flags, idNewItem, newItem);
  if (!item) return false;
  const HMENU old = place->Item().SubMenu;
  place->Item() = std::move(*item);
  MenuStore& store = MenuStore::Instance();
  if (old && old != place->Item().SubMenu && store.Find(old)) store.Destroy(old);
  return true;
}

bool Detach(HMENU handle, UINT position, UINT flags, bool destroySubMenu) {
  const auto place = ItemOf(handle, position, flags);
  if (!place) return false;
  const HMENU sub = place->Item().SubMenu;
  place->Menu->Items.erase(place->Menu->Items.begin() + static_cast<std::ptrdiff_t>(place->Index));
  MenuStore& store = MenuStore::Instance();
  if (destroySubMenu && sub && store.Find(sub)) store.Destroy(sub);
  return true;
}

template <typename Ch>
bool ValidInfo(const MENUITEMINFO_T<Ch>* info) {
  if (info && info->cbSize == sizeof(MENUITEMINFO_T<Ch>)) return true;
  SetLastError(ERROR_INVALID_PARAMETER);
  return false;
}

// Writes the members the mask names into the item; nothing changes when
// the record is refused.
template <typename Ch>
bool ApplyInfo(const MenuRecord* menu, MenuItem& item, const MENUITEMINFO_T<Ch>& info) {
  if ((info.fMask & MIIM_SUBMENU) && info.hSubMenu && !AcceptsSubMenu(menu, info.hSubMenu)) return false;
  if (info.fMask & (MIIM_TYPE | MIIM_FTYPE)) item.Type = info.fType;
  if (info.fMask & MIIM_TYPE) {
    if (info.fType & MFT_BITMAP)
      item.Bitmap = reinterpret_cast<HBITMAP>(info.dwTypeData);
    else if (!(info.fType & MFT_SEPARATOR))
      item.Text = TextOf(info.dwTypeData);
  }
  if (info.fMask & MIIM_STRING) item.Text = TextOf(info.dwTypeData);
  if (info.fMask & MIIM_BITMAP) item.Bitmap = info.hbmpItem;
  if (info.fMask & MIIM_STATE) item.State = info.fState;
  if (info.fMask & MIIM_ID) item.Id = info.wID;
  if (info.fMask & MIIM_SUBMENU) item.SubMenu = info.hSubMenu;
  if (info.fMask & MIIM_CHECKMARKS) {
    item.CheckedBitmap = info.hbmpChecked;
    item.UncheckedBitmap = info.hbmpUnchecked;
  }
  if (info.fMask & MIIM_DATA) item.Data = info.dwItemData;
  item.Measured.reset();
  return true;
}

// Copies the text into the record's buffer (cch units) and writes back the
// units copied, or the text's length when there is no buffer.
template <typename Ch>
void CopyItemText(const MenuItem& item, MENUITEMINFO_T<Ch>& info) {
  const auto text = TextIn(item.Text, Ch{});
  if (!info.dwTypeData || info.cch == 0) {
    info.cch = static_cast<UINT>(text.size());
    return;
  }
  info.cch = static_cast<UINT>(CopyTextOut(text, info.dwTypeData, info.cch));
}

template <typename Ch>
bool GetInfo(HMENU handle, UINT position, bool byPosition, MENUITEMINFO_T<Ch>* info) {
  if (!ValidInfo(info)) return false;
  const auto place = ItemAt(handle, position, byPosition);
  if (!place) return false;
  const MenuItem& item = place->Item();
  if (info->fMask & (MIIM_TYPE | MIIM_FTYPE)) info->fType = item.Type;
  if (info->fMask & MIIM_TYPE) {
    if (item.Type & MFT_BITMAP) {
      info->dwTypeData = reinterpret_cast<Ch*>(item.Bitmap);
      info->cch = 0;
    } else if (!(item.Type & MFT_SEPARATOR)) {
      CopyItemText(item, *info);
    }
  }
  if (info->fMask & MIIM_STRING) CopyItemText(item, *info);
  if (info->fMask & MIIM_BITMAP) info->hbmpItem = item.Bitmap;
  if (info->fMask & MIIM_STATE) info->fState = item.State;
  if (info->fMask & MIIM_ID) info->wID = item.Id;
  if (info->fMask & MIIM_SUBMENU) info->hSubMenu = item.SubMenu;
  if (info->fMask & MIIM_CHECKMARKS) {
    info->hbmpChecked = item.CheckedBitmap;
    info->hbmpUnchecked = item.UncheckedBitmap;
  }
  if (info->fMask & MIIM_DATA) info->dwItemData = item.Data;
  return true;
}

template <typename Ch>
bool SetInfo(HMENU handle, UINT position, bool byPosition, const MENUITEMINFO_T<Ch>* info) {
  if (!ValidInfo(info)) return false;
  const auto place = ItemAt(handle, position, byPosition);
  if (!place) return false;
  MenuItem changed = place->Item();
  if (!ApplyInfo(place->Menu, changed, *info)) return false;
  place->Item() = std::move(changed);
  return true;
}

template <typename Ch>
bool InsertInfo(HMENU handle, UINT position, bool byPosition, const MENUITEMINFO_T<Ch>* info) {
  if (!ValidInfo(info)) return false;
  MenuRecord* menu = MenuStore::Instance().FindOrFail(handle);
  if (!menu) return false;
  MenuItem item;
  if (!ApplyInfo(menu, item, *info)) return false;
  return InsertItem(menu, position, byPosition, std::move(item));
}

template <typename Ch>
int GetString(HMENU handle, UINT position, Ch* buffer, int maxCount, UINT flags) {
  const auto place = ItemOf(handle, position, flags);
  if (!place) return 0;
  const auto text = TextIn(place->Item().Text, Ch{});
  if (!buffer) return static_cast<int>(text.size());
  if (maxCount <= 0) return 0;
  return static_cast<int>(CopyTextOut(text, buffer, static_cast<WPARAM>(maxCount)));
}

// GetMenuDefaultItem: with GMDI_GOINTOPOPUPS the default of a default
// sub-menu, when it has one, rather than the item that opens it.
UINT DefaultItemOf(const MenuRecord& record, bool byPosition, UINT flags, int depth) {
  const auto found =
      std::find_if(record.Items.begin(), record.Items.end(), [](const MenuItem& it) { return it.IsDefault(); });
  if (found == record.Items.end() || (found->IsDisabled() && !(flags & GMDI_USEDISABLED))) return static_cast<UINT>(-1);
  if ((flags & GMDI_GOINTOPOPUPS) && found->SubMenu && depth < 64)
    if (const MenuRecord* sub = MenuStore::Instance().Find(found->SubMenu)) {
      const UINT inner = DefaultItemOf(*sub, byPosition, flags, depth + 1);
      if (inner != static_cast<UINT>(-1)) return inner;
    }
  return byPosition ? static_cast<UINT>(found - record.Items.begin()) : found->Id;
}

}  // namespace

HMENU CreateMenu() { return MenuStore::Instance().Create(false); }
HMENU CreatePopupMenu() { return MenuStore::Instance().Create(true); }
bool DestroyMenu(HMENU menu) { return MenuStore::Instance().Destroy(menu); }
bool IsMenu(HMENU menu) { return MenuStore::Instance().Find(menu) != nullptr; }

bool AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return Insert(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, idNewItem, newItem);
}
bool AppendMenuW(HMENU menu, UINT flags, UINT_PTR idNewItem, const char16_t* newItem) {
  return Insert(menu, static_cast<UINT>(-1), flags | MF_BYPOSITION, idNewItem, newItem);
}
bool InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return Insert(menu, position, flags, idNewItem, newItem);
}
bool InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char16_t* newItem) {
  return Insert(menu, position, flags, idNewItem, newItem);
}
bool ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return Modify(menu, position, flags, idNewItem, newItem);
}
bool ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char16_t* newItem) {
  return Modify(menu, position, flags, idNewItem, newItem);
}
bool InsertMenuItemA(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOA* info) {
  return InsertInfo(menu, item, byPosition, info);
}
bool InsertMenuItemW(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOW* info) {
  return InsertInfo(menu, item, byPosition, info);
}
bool DeleteMenu(HMENU menu, UINT position, UINT flags) { return Detach(menu, position, flags, true); }
bool RemoveMenu(HMENU menu, UINT position, UINT flags) { return Detach(menu, position, flags, false); }

int GetMenuItemCount(HMENU menu) {
  const MenuRecord* record = MenuStore::Instance().FindOrFail(menu);
  return record ? static_cast<int>(record->Items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
  const auto place = ItemOf(menu, static_cast<UINT>(position), MF_BYPOSITION);
  if (!place || position < 0 || place->Item().SubMenu) return static_cast<UINT>(-1);
  return place->Item().Id;
}

HMENU GetSubMenu(HMENU menu, int position) {
  const auto place = ItemOf(menu, static_cast<UINT>(position), MF_BYPOSITION);
  return place && position >= 0 ? place->Item().SubMenu : nullptr;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
  const auto place = ItemOf(menu, item, flags);
  if (!place) return static_cast<UINT>(-1);
  const MenuItem& it = place->Item();
  const UINT bits = (it.Type & (FlagTypeBits | MFT_RADIOCHECK | MFT_RIGHTORDER)) | (it.State & FlagStateBits);
  if (!it.SubMenu) return bits;
  const MenuRecord* sub = MenuStore::Instance().Find(it.SubMenu);
  const UINT count = sub ? static_cast<UINT>(std::min<std::size_t>(sub->Items.size(), 0xFF)) : 0;
  return (count << 8) | (bits & 0xFF) | MF_POPUP;
}

int GetMenuStringA(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags) {
  return GetString(menu, item, buffer, maxCount, flags);
}
int GetMenuStringW(HMENU menu, UINT item, char16_t* buffer, int maxCount, UINT flags) {
  return GetString(menu, item, buffer, maxCount, flags);
}
bool GetMenuItemInfoA(HMENU menu, UINT item, bool byPosition, MENUITEMINFOA* info) {
  return GetInfo(menu, item, byPosition, info);
}
bool GetMenuItemInfoW(HMENU menu, UINT item, bool byPosition, MENUITEMINFOW* info) {
  return GetInfo(menu, item, byPosition, info);
}
bool SetMenuItemInfoA(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOA* info) {
  return SetInfo(menu, item, byPosition, info);
}
bool SetMenuItemInfoW(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOW* info) {
  return SetInfo(menu, item, byPosition, info);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
  const auto place = ItemOf(menu, item, check);
  if (!place) return static_cast<DWORD>(-1);
  MenuItem& it = place->Item();
  const DWORD previous = it.State & MF_CHECKED;
  it.State = (it.State & ~MF_CHECKED) | (check & MF_CHECKED);
  return previous;
}

int EnableMenuItem(HMENU menu, UINT item, UINT enable) {
  const auto place = ItemOf(menu, item, enable);
  if (!place) return -1;
  MenuItem& it = place->Item();
  const int previous = static_cast<int>(it.State & MFS_DISABLED);
  it.State = (it.State & ~MFS_DISABLED) | (enable & MFS_DISABLED);
  return previous;
}

bool CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags) {
  const bool byPosition = (flags & MF_BYPOSITION) != 0;
  if (check < first || check > last) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  const auto place = ItemOf(menu, check, flags);
  if (!place) return false;
  // The range lies in the menu that holds the checked item.
  auto& items = place->Menu->Items;
  for (std::size_t i = 0; i < items.size(); ++i) {
    MenuItem& it = items[i];
    const UINT key = byPosition ? static_cast<UINT>(i) : it.Id;
    if (key < first || key > last || it.SubMenu || it.IsSeparator()) continue;
    if (i == place->Index) {
      it.Type |= MFT_RADIOCHECK;
      it.State |= MFS_CHECKED;
    } else {
      it.State &= ~MFS_CHECKED;
    }
  }
  return true;
}

bool SetMenuDefaultItem(HMENU menu, UINT item, bool byPosition) {
  MenuRecord* record = MenuStore::Instance().FindOrFail(menu);
  if (!record) return false;
  std::optional<std::size_t> chosen;
  if (item != static_cast<UINT>(-1)) {
    for (std::size_t i = 0; i < record->Items.size() && !chosen; ++i)
      if (byPosition ? i == item : record->Items[i].Id == item) chosen = i;
    if (!chosen) {
      SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
      return false;
    }
  }
  for (std::size_t i = 0; i < record->Items.size(); ++i) {
    MenuItem& it = record->Items[i];
    it.State = chosen == i ? (it.State | MFS_DEFAULT) : (it.State & ~MFS_DEFAULT);
  }
  return true;
}

UINT GetMenuDefaultItem(HMENU menu, bool byPosition, UINT flags) {
  const MenuRecord* record = MenuStore::Instance().FindOrFail(menu);
  return record ? DefaultItemOf(*record, byPosition, flags, 0) : static_cast<UINT>(-1);
}

}  // namespace plat
