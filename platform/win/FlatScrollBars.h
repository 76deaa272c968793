#pragma once
// The common controls' flat scroll bars, as "COMCTL32" exports them by name
// (InitializeFlatSB, UninitializeFlatSB, FlatSB_SetScrollProp,
// FlatSB_GetScrollProp, FlatSB_ShowScrollBar, FlatSB_SetScrollInfo): a
// window that initializes them keeps a set of bar properties (styles,
// background colours, sizes) that it sets and reads back; showing a bar and
// setting its information act on the window's standard bars. The bars keep
// the standard look in every style.
//
// Refuses: properties of a window that has not initialized flat bars, and
// property indexes outside the WSB_PROP_ set (false, nothing stored).
// The properties live with the window and go with it.
#include "platform/rtl/HResult.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WinTypes.h"

namespace plat {

// Property indexes.
constexpr UINT WSB_PROP_CYVSCROLL = 0x0001;
constexpr UINT WSB_PROP_CXHSCROLL = 0x0002;
constexpr UINT WSB_PROP_CYHSCROLL = 0x0004;
constexpr UINT WSB_PROP_CXVSCROLL = 0x0008;
constexpr UINT WSB_PROP_CXHTHUMB = 0x0010;
constexpr UINT WSB_PROP_CYVTHUMB = 0x0020;
constexpr UINT WSB_PROP_VBKGCOLOR = 0x0040;
constexpr UINT WSB_PROP_HBKGCOLOR = 0x0080;
constexpr UINT WSB_PROP_VSTYLE = 0x0100;
constexpr UINT WSB_PROP_HSTYLE = 0x0200;
constexpr UINT WSB_PROP_WINSTYLE = 0x0400;
constexpr UINT WSB_PROP_PALETTE = 0x0800;

// Styles (WSB_PROP_VSTYLE, WSB_PROP_HSTYLE).
constexpr INT_PTR FSB_REGULAR_MODE = 0;
constexpr INT_PTR FSB_ENCARTA_MODE = 1;
constexpr INT_PTR FSB_FLAT_MODE = 2;

bool InitializeFlatSB(HWND window);
HRESULT UninitializeFlatSB(HWND window);
bool FlatSB_SetScrollProp(HWND window, UINT index, INT_PTR value, bool redraw);
// A property never set reads 0.
bool FlatSB_GetScrollProp(HWND window, UINT index, int* value);
bool FlatSB_ShowScrollBar(HWND window, int bar, bool show);
int FlatSB_SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool redraw);

}  // namespace plat
