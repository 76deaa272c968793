#pragma once
// What a top-level window is to the desktop, told from its styles:
// - Tip: a no-activate topmost popup (a hint or tool tip);
// - Menu: another no-activate popup (WS_EX_NOACTIVATE), or a caption-less
//   WS_POPUP tool window (a menu or drop-down list, which answers
//   WM_MOUSEACTIVATE with MA_NOACTIVATE);
// - Tool: another tool window (WS_EX_TOOLWINDOW);
// - Ordinary: the rest.
// Tips and menus never take the activation from the desktop, and no kind
// but Ordinary has a taskbar entry.
#include "platform/win/WinTypes.h"

namespace plat {

enum class TopLevelKind { Ordinary, Tool, Menu, Tip };

TopLevelKind KindOfTopLevel(DWORD style, DWORD exStyle);
bool IsPopupKind(TopLevelKind kind);

}  // namespace plat
