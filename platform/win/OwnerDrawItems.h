#pragma once
// Items drawn by their owner: the records WM_MEASUREITEM and WM_DRAWITEM
// point to, and the numbers they carry (ODT_* kinds of control, ODA_*
// actions, ODS_* states). A list box, a combo box or a menu fills them and
// sends them to the window that owns the items; the owner fills in the
// measure and draws into the device context it is given, nothing else.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Geometry.h"
#include "platform/win/WinTypes.h"

namespace plat {

// CtlType: what holds the item.
constexpr UINT ODT_MENU = 1;
constexpr UINT ODT_LISTBOX = 2;
constexpr UINT ODT_COMBOBOX = 3;
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODT_STATIC = 5;

// itemAction: why the item is drawn.
constexpr UINT ODA_DRAWENTIRE = 0x0001;
constexpr UINT ODA_SELECT = 0x0002;
constexpr UINT ODA_FOCUS = 0x0004;

// itemState: the state to draw, one bit each.
constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;
constexpr UINT ODS_DISABLED = 0x0004;
constexpr UINT ODS_CHECKED = 0x0008;
constexpr UINT ODS_FOCUS = 0x0010;
constexpr UINT ODS_DEFAULT = 0x0020;
constexpr UINT ODS_HOTLIGHT = 0x0040;
constexpr UINT ODS_INACTIVE = 0x0080;
constexpr UINT ODS_NOACCEL = 0x0100;
constexpr UINT ODS_NOFOCUSRECT = 0x0200;
constexpr UINT ODS_COMBOBOXEDIT = 0x1000;

// WM_DRAWITEM. For a menu: CtlID 0, itemID the command, hwndItem the menu
// (as an HWND-sized value), rcItem in the menu window's client coordinates.
struct DRAWITEMSTRUCT {
  UINT CtlType = 0;
  UINT CtlID = 0;
  UINT itemID = 0;  // the item's index or command; (UINT)-1 for none
  UINT itemAction = 0;
  UINT itemState = 0;
  HWND hwndItem = nullptr;
  HDC hDC = nullptr;
  RECT rcItem;
  ULONG_PTR itemData = 0;
};

// WM_MEASUREITEM: the owner fills itemWidth and itemHeight.
struct MEASUREITEMSTRUCT {
  UINT CtlType = 0;
  UINT CtlID = 0;
  UINT itemID = 0;
  UINT itemWidth = 0;
  UINT itemHeight = 0;
  ULONG_PTR itemData = 0;
};

}  // namespace plat
