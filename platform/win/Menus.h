#pragma once
// Menus: menu handles and their items, a window's menu bar and system menu,
// and popup menus tracked with the mouse and the keyboard.
//
// The store. CreateMenu makes a menu bar, CreatePopupMenu a popup; both
// hold items (a command, a separator or a sub-menu) with a type (MFT_*), a
// state (MFS_*), a command identifier, text, item data and check-mark
// bitmaps. Items are named by position (MF_BYPOSITION, from 0) or by
// command (MF_BYCOMMAND, the default: the first item with that identifier,
// searching each sub-menu where its item stands). Handles are checked: a
// stale or made-up handle fails with ERROR_INVALID_MENU_HANDLE, an item not
// there with ERROR_MENU_ITEM_NOT_FOUND, never a crash; handle values are
// never reused. DestroyMenu and DeleteMenu destroy the sub-menus below;
// RemoveMenu detaches a sub-menu and leaves it alive. A sub-menu may not
// hold the menu it is inserted into (ERROR_INVALID_PARAMETER).
//
// Text: the A forms take and give UTF-8, the W forms UTF-16 (the menu keeps
// UTF-8, as a window keeps its text); buffer lengths count the form's units
// and copies never cut a character. "&" marks the mnemonic letter ("&&" is
// a plain "&"), "\t" starts the shortcut text drawn right-aligned.
//
// Windows: a top-level window's menu bar is the menu its GWLP_ID holds
// (SetMenu, or the menu given to CreateWindowEx); the default frame gives
// it a row below the caption. GetSystemMenu gives the window its own copy
// of the standard system menu. Both are destroyed with the window unless
// detached first (SetMenu(window, null), GetSystemMenu(window, TRUE)).
//
// Tracking. TrackPopupMenu shows the popup in its own window (class
// "#32768", never active, above its owner, kept inside the work area) and
// runs a nested loop on the thread's queue, the capture held by the menu,
// until an item is chosen or the menu is dismissed (Escape at the root, a
// click outside every menu window, which is not delivered, EndMenu, the
// owner losing the activation, WM_CANCELMODE). The owner hears, in order:
// WM_ENTERMENULOOP, WM_INITMENU, WM_INITMENUPOPUP (each popup, before it
// shows), WM_MEASUREITEM (owner-drawn items, once), WM_MENUSELECT as the
// selection moves, WM_DRAWITEM (owner-drawn items, each paint),
// WM_MENUCHAR (a letter no item claims), WM_UNINITMENUPOPUP, WM_MENUSELECT
// with 0xFFFF and no menu, WM_EXITMENULOOP, then the choice: WM_COMMAND
// (WM_SYSCOMMAND for the system menu) posted, or answered with
// TPM_RETURNCMD. Disabled and grayed items can be highlighted but not
// chosen. Each message the loop takes goes first to the WH_MSGFILTER hooks
// (MessageHooks.h) with MSGF_MENU; a hook answering non-zero swallows it.
// The display hears of the loop as of a modal loop (ModalLoopStarted) with
// the popup window, so a test can drive it. Only one menu is tracked at a
// time: a second TrackPopupMenu while one runs fails
// (ERROR_POPUP_ALREADY_ACTIVE).
#include "platform/gdi/Geometry.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/MessageHooks.h"
#include "platform/win/OwnerDrawItems.h"
#include "platform/win/WinTypes.h"

namespace plat {

// Flags of InsertMenu, AppendMenu, ModifyMenu, DeleteMenu, RemoveMenu,
// CheckMenuItem, EnableMenuItem and the answer of GetMenuState.
constexpr UINT MF_INSERT = 0x0000;
constexpr UINT MF_CHANGE = 0x0080;
constexpr UINT MF_APPEND = 0x0100;
constexpr UINT MF_DELETE = 0x0200;
constexpr UINT MF_REMOVE = 0x1000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_USECHECKBITMAPS = 0x0200;
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_BITMAP = 0x0004;
constexpr UINT MF_OWNERDRAW = 0x0100;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
constexpr UINT MF_UNHILITE = 0x0000;
constexpr UINT MF_HILITE = 0x0080;
constexpr UINT MF_DEFAULT = 0x1000;
constexpr UINT MF_SYSMENU = 0x2000;
constexpr UINT MF_HELP = 0x4000;
constexpr UINT MF_RIGHTJUSTIFY = 0x4000;
constexpr UINT MF_MOUSESELECT = 0x8000;

// MENUITEMINFO fType.
constexpr UINT MFT_STRING = MF_STRING;
constexpr UINT MFT_BITMAP = MF_BITMAP;
constexpr UINT MFT_MENUBARBREAK = MF_MENUBARBREAK;
constexpr UINT MFT_MENUBREAK = MF_MENUBREAK;
constexpr UINT MFT_OWNERDRAW = MF_OWNERDRAW;
constexpr UINT MFT_RADIOCHECK = 0x0200;
constexpr UINT MFT_SEPARATOR = MF_SEPARATOR;
constexpr UINT MFT_RIGHTORDER = 0x2000;
constexpr UINT MFT_RIGHTJUSTIFY = MF_RIGHTJUSTIFY;

// MENUITEMINFO fState.
constexpr UINT MFS_GRAYED = 0x0003;
constexpr UINT MFS_DISABLED = MFS_GRAYED;
constexpr UINT MFS_CHECKED = MF_CHECKED;
constexpr UINT MFS_HILITE = MF_HILITE;
constexpr UINT MFS_ENABLED = MF_ENABLED;
constexpr UINT MFS_UNCHECKED = MF_UNCHECKED;
constexpr UINT MFS_UNHILITE = MF_UNHILITE;
constexpr UINT MFS_DEFAULT = MF_DEFAULT;

// MENUITEMINFO fMask: the members to read or write.
constexpr UINT MIIM_STATE = 0x0001;
constexpr UINT MIIM_ID = 0x0002;
constexpr UINT MIIM_SUBMENU = 0x0004;
constexpr UINT MIIM_CHECKMARKS = 0x0008;
constexpr UINT MIIM_TYPE = 0x0010;  // fType with the text or bitmap in dwTypeData
constexpr UINT MIIM_DATA = 0x0020;
constexpr UINT MIIM_STRING = 0x0040;
constexpr UINT MIIM_BITMAP = 0x0080;
constexpr UINT MIIM_FTYPE = 0x0100;

// GetMenuDefaultItem flags.
constexpr UINT GMDI_USEDISABLED = 0x0001;
constexpr UINT GMDI_GOINTOPOPUPS = 0x0002;

// TrackPopupMenu flags: which button chooses, where the menu lies around the
// point, what the call answers.
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
constexpr UINT TPM_HORIZONTAL = 0x0000;
constexpr UINT TPM_VERTICAL = 0x0040;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

// The window class of menu windows.
inline constexpr const char* MenuWindowClass = "#32768";

// Records share one layout for both forms; dwTypeData is UTF-8 for the A
// functions, UTF-16 for the W functions.
template <typename Ch>
struct MENUITEMINFO_T {
  UINT cbSize = sizeof(MENUITEMINFO_T);
  UINT fMask = 0;
  UINT fType = 0;
  UINT fState = 0;
  UINT wID = 0;
  HMENU hSubMenu = nullptr;
  HBITMAP hbmpChecked = nullptr;
  HBITMAP hbmpUnchecked = nullptr;
  ULONG_PTR dwItemData = 0;
  Ch* dwTypeData = nullptr;  // text (MFT_STRING) or an HBITMAP (MFT_BITMAP with MIIM_TYPE)
  UINT cch = 0;              // buffer size in units on reading; the text's length is written back
  HBITMAP hbmpItem = nullptr;
};
using MENUITEMINFOA = MENUITEMINFO_T<char>;
using MENUITEMINFOW = MENUITEMINFO_T<char16_t>;
using MENUITEMINFO = MENUITEMINFOA;

// TrackPopupMenuEx: a screen rectangle the menu must not cover.
struct TPMPARAMS {
  UINT cbSize = sizeof(TPMPARAMS);
  RECT rcExclude;
};

// Handles.
HMENU CreateMenu();
HMENU CreatePopupMenu();
bool DestroyMenu(HMENU menu);
bool IsMenu(HMENU menu);

// Items. newItem is the text (MF_STRING), an HBITMAP (MF_BITMAP) or the
// item data (MF_OWNERDRAW), cast; idNewItem is the command, or the
// sub-menu's handle with MF_POPUP. Position -1 (UINT) appends.
bool AppendMenuA(HMENU menu, UINT flags, UINT_PTR idNewItem, const char* newItem);
bool AppendMenuW(HMENU menu, UINT flags, UINT_PTR idNewItem, const char16_t* newItem);
bool InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem);
bool InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char16_t* newItem);
// Replaces the item wholly; a sub-menu it opened is destroyed unless the new
// item opens the same one.
bool ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem);
bool ModifyMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char16_t* newItem);
bool InsertMenuItemA(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOA* info);
bool InsertMenuItemW(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOW* info);
bool DeleteMenu(HMENU menu, UINT position, UINT flags);
bool RemoveMenu(HMENU menu, UINT position, UINT flags);
inline bool AppendMenu(HMENU menu, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return AppendMenuA(menu, flags, idNewItem, newItem);
}
inline bool InsertMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return InsertMenuA(menu, position, flags, idNewItem, newItem);
}
inline bool ModifyMenu(HMENU menu, UINT position, UINT flags, UINT_PTR idNewItem, const char* newItem) {
  return ModifyMenuA(menu, position, flags, idNewItem, newItem);
}
inline bool InsertMenuItem(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOA* info) {
  return InsertMenuItemA(menu, item, byPosition, info);
}

// Reading. -1 for a bad handle or position.
int GetMenuItemCount(HMENU menu);
// The command of the item at the position; -1 (UINT) for a sub-menu item.
UINT GetMenuItemID(HMENU menu, int position);
// The sub-menu the item at the position opens, else null.
HMENU GetSubMenu(HMENU menu, int position);
// The MF_* flags of the item; for a sub-menu item the item count of the
// sub-menu in the high byte. -1 (UINT) when there is no such item.
UINT GetMenuState(HMENU menu, UINT item, UINT flags);
// Copies at most maxCount - 1 units and a zero; without a buffer answers the
// text's length. 0 for no such item.
int GetMenuStringA(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags);
int GetMenuStringW(HMENU menu, UINT item, char16_t* buffer, int maxCount, UINT flags);
inline int GetMenuString(HMENU menu, UINT item, char* buffer, int maxCount, UINT flags) {
  return GetMenuStringA(menu, item, buffer, maxCount, flags);
}
bool GetMenuItemInfoA(HMENU menu, UINT item, bool byPosition, MENUITEMINFOA* info);
bool GetMenuItemInfoW(HMENU menu, UINT item, bool byPosition, MENUITEMINFOW* info);
bool SetMenuItemInfoA(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOA* info);
bool SetMenuItemInfoW(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOW* info);
inline bool GetMenuItemInfo(HMENU menu, UINT item, bool byPosition, MENUITEMINFOA* info) {
  return GetMenuItemInfoA(menu, item, byPosition, info);
}
inline bool SetMenuItemInfo(HMENU menu, UINT item, bool byPosition, const MENUITEMINFOA* info) {
  return SetMenuItemInfoA(menu, item, byPosition, info);
}

// States. Each answers the item's previous state (MF_CHECKED or
// MF_UNCHECKED; MF_GRAYED and MF_DISABLED bits), or -1 for no such item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT check);
int EnableMenuItem(HMENU menu, UINT item, UINT enable);
// Checks one item of the range first..last with a radio bullet and
// unchecks the others.
bool CheckMenuRadioItem(HMENU menu, UINT first, UINT last, UINT check, UINT flags);
// The default item is drawn bold and chosen by a double click; -1 (UINT)
// clears it.
bool SetMenuDefaultItem(HMENU menu, UINT item, bool byPosition);
// -1 (UINT) when the menu has no default item (or only a disabled one,
// without GMDI_USEDISABLED).
UINT GetMenuDefaultItem(HMENU menu, bool byPosition, UINT flags);

// Windows. SetMenu answers false for a child window; the old menu is left
// alive. GetSystemMenu(window, FALSE) makes the window's copy on first use;
// TRUE destroys the copy and answers null.
HMENU GetMenu(HWND window);
bool SetMenu(HWND window, HMENU menu);
bool DrawMenuBar(HWND window);
HMENU GetSystemMenu(HWND window, bool revert);
// The screen rectangle of an item of the window's menu bar or of an open
// popup menu.
bool GetMenuItemRect(HWND window, HMENU menu, UINT item, RECT* rect);

// Tracking. Without TPM_RETURNCMD the answer is TRUE once the menu ran (the
// command chosen, if any, is posted); with it, the command chosen or 0.
// FALSE for a bad menu or window. exclude (the TPMPARAMS rectangle) is kept
// uncovered when the menu can avoid it.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* reserved2);
BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params);
// Ends the menu being tracked, without a choice; false when none is.
bool EndMenu();

}  // namespace plat
