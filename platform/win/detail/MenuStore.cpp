#include "platform/win/detail/MenuStore.h"

#include "platform/win/WinErrors.h"

namespace plat {
namespace {

std::optional<MenuStore::Place> FindCommand(const MenuStore& store, MenuRecord* menu, UINT command, int depth) {
  // Sub-menus nest only as deep as insertion allows (no cycles), but a
  // bound keeps a corrupted tree from recursing for ever.
  if (depth > 64) return std::nullopt;
  for (std::size_t i = 0; i < menu->Items.size(); ++i) {
    const MenuItem& item = menu->Items[i];
    if (item.SubMenu)
      if (MenuRecord* sub = store.Find(item.SubMenu))
        if (auto found = FindCommand(store, sub, command, depth + 1)) return found;
    if (item.Id == command) return MenuStore::Place{menu, i};
  }
  return std::nullopt;
}

}  // namespace

MenuStore& MenuStore::Instance() {
  static MenuStore store;
  return store;
}

HMENU MenuStore::Create(bool popup) {
  // Even values well above zero, apart from every other kind of handle.
  FLastHandle += 2;
  auto record = std::make_unique<MenuRecord>();
  record->Handle = reinterpret_cast<HMENU>(FLastHandle);
  record->Popup = popup;
  const HMENU handle = record->Handle;
  FMenus.emplace(handle, std::move(record));
  return handle;
}

MenuRecord* MenuStore::Find(HMENU menu) const {
  const auto found = FMenus.find(menu);
  return found == FMenus.end() ? nullptr : found->second.get();
}

MenuRecord* MenuStore::FindOrFail(HMENU menu) const {
  MenuRecord* record = Find(menu);
  if (!record) SetLastError(ERROR_INVALID_MENU_HANDLE);
  return record;
}

bool MenuStore::Destroy(HMENU menu) {
  const auto found = FMenus.find(menu);
  if (found == FMenus.end()) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return false;
  }
  // Out of the table first: a sub-menu reached twice is destroyed once.
  std::unique_ptr<MenuRecord> record = std::move(found->second);
  FMenus.erase(found);
  for (const MenuItem& item : record->Items)
    if (item.SubMenu && Find(item.SubMenu)) Destroy(item.SubMenu);
  return true;
}

std::optional<MenuStore::Place> MenuStore::Locate(MenuRecord* menu, UINT item, bool byPosition) const {
  std::optional<Place> place;
  if (byPosition) {
    if (item < menu->Items.size()) place = Place{menu, item};
  } else {
    place = FindCommand(*this, menu, item, 0);
  }
  if (!place) SetLastError(ERROR_MENU_ITEM_NOT_FOUND);
  return place;
}

bool MenuStore::Holds(const MenuRecord* outer, HMENU inner) const {
  if (outer->Handle == inner) return true;
  for (const MenuItem& item : outer->Items)
    if (item.SubMenu)
      if (const MenuRecord* sub = Find(item.SubMenu); sub && Holds(sub, inner)) return true;
  return false;
}

}  // namespace plat
