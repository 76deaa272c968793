#pragma once
// The menus of the process by handle: each menu's items and what the
// window layer remembers about them. Menus.cpp implements the public calls
// on it; the tracker, the painter and the menu bar read it. Handle values
// are never reused, so a stale handle finds nothing.
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "platform/win/Menus.h"

namespace plat {

struct MenuItem {
  UINT Type = MFT_STRING;  // MFT_* bits
  UINT State = 0;          // MFS_* bits
  UINT Id = 0;
  HMENU SubMenu = nullptr;
  HBITMAP CheckedBitmap = nullptr;
  HBITMAP UncheckedBitmap = nullptr;
  ULONG_PTR Data = 0;
  String Text;               // UTF-8
  HBITMAP Bitmap = nullptr;  // the picture of an MFT_BITMAP item, or hbmpItem
  // An owner-drawn item's size as its owner measured it; none until then.
  std::optional<TSize> Measured;

  bool IsSeparator() const { return (Type & MFT_SEPARATOR) != 0; }
  bool IsOwnerDraw() const { return (Type & MFT_OWNERDRAW) != 0; }
  bool IsGrayed() const { return (State & MF_GRAYED) != 0; }
  // Grayed or disabled: it can be highlighted but not chosen.
  bool IsDisabled() const { return (State & MFS_DISABLED) != 0; }
  bool IsChecked() const { return (State & MFS_CHECKED) != 0; }
  bool IsDefault() const { return (State & MFS_DEFAULT) != 0; }
};

struct MenuRecord {
  HMENU Handle = nullptr;
  bool Popup = false;           // CreatePopupMenu rather than CreateMenu
  HWND SystemMenuOf = nullptr;  // the window whose system menu this is
  std::vector<MenuItem> Items;
};

class MenuStore {
 public:
  static MenuStore& Instance();

  HMENU Create(bool popup);
  // The menu behind a handle, else null; FindOrFail also sets
  // ERROR_INVALID_MENU_HANDLE.
  MenuRecord* Find(HMENU menu) const;
  MenuRecord* FindOrFail(HMENU menu) const;
  // Destroys the menu and every sub-menu below it.
  bool Destroy(HMENU menu);

  // Where an item stands: by position in the menu itself, or by command in
  // the menu or the sub-menus below it (depth first, a sub-menu before the
  // item that opens it). None, with ERROR_MENU_ITEM_NOT_FOUND, when absent.
  struct Place {
    MenuRecord* Menu = nullptr;
    std::size_t Index = 0;
    MenuItem& Item() const { return Menu->Items[Index]; }
  };
  std::optional<Place> Locate(MenuRecord* menu, UINT item, bool byPosition) const;

  // Whether `inner` is `outer` or a menu below it.
  bool Holds(const MenuRecord* outer, HMENU inner) const;

 private:
  MenuStore() = default;
  std::unordered_map<HMENU, std::unique_ptr<MenuRecord>> FMenus;
  std::uintptr_t FLastHandle = 0x4000;
};

}  // namespace plat
