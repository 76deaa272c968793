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

}  // namespace plat
