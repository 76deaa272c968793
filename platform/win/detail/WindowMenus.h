#pragma once
// The menus a window holds: its menu bar (a top-level window's GWLP_ID) and
// its system menu, both destroyed with the window.
#include "platform/win/detail/Window.h"

namespace plat {

// The window's menu bar while it is a live menu, else null (child windows
// keep a control identifier there).
HMENU MenuBarOf(const Window* window);
// Called as the window is freed: destroys its menu bar and system menu.
void DestroyMenusOf(Window* window);
// The item of the window's menu bar at a screen point, or -1.
int MenuBarItemAt(const Window* window, TPoint screen);
// The item of the window's menu bar whose mnemonic is the character, or -1.
int MenuBarItemFor(const Window* window, char32_t character);

}  // namespace plat
