#pragma once
// Where a menu's items lie: the items of a popup menu in columns (a new
// column at each MFT_MENUBREAK or MFT_MENUBARBREAK item), and the items of a
// menu bar in rows that wrap at the window's width. Text is measured in the
// menu font; owner-drawn items are measured by their owner (WM_MEASUREITEM,
// once, remembered in the item). Rectangles are in the popup window's
// client coordinates, or relative to the bar's top-left.
#include <vector>

#include "platform/win/detail/MenuStore.h"

namespace plat {

// The popup's frame: a raised edge and a line of the menu colour.
constexpr int MenuPopupBorder = 3;
// The space before a popup item's text (its check mark) and after it (the
// sub-menu arrow).
constexpr int MenuCheckColumn = 17;
constexpr int MenuArrowColumn = 17;
// Between an item's text and its shortcut text.
constexpr int MenuShortcutGap = 12;
// Space on each side of a bar item's text.
constexpr int MenuBarItemPadding = 6;

struct PopupLayout {
  TSize Size;                // the window, border included
  std::vector<TRect> Items;  // one per item
  int ShortcutLeft = 0;      // where shortcut texts start, from an item's left
};

// Measures (asking the owner for owner-drawn items not yet measured) and
// places the items of a popup menu; empty when the owner destroyed the menu
// while measuring.
PopupLayout LayOutPopup(HWND owner, HMENU menu);

struct BarLayout {
  int Height = 0;
  std::vector<TRect> Items;
};
// The rows of a menu bar `width` pixels wide; at least one row.
BarLayout LayOutMenuBar(HWND owner, HMENU menu, int width);

// The parts of an item's text: before and after its first "\t".
struct ItemText {
  String Label;
  String Shortcut;
};
ItemText SplitItemText(const String& text);
// The picture of an MFT_BITMAP item while its handle is a live bitmap,
// else null (a stale handle draws nothing).
Bitmap* ItemPicture(const MenuItem& item);
// The mnemonic letter of a text ("&File": 'f'), lower case; 0 for none.
char32_t MnemonicOf(const String& text);

}  // namespace plat
