#pragma once
// SetWindowPos on a window record, for the units that place windows
// themselves (activation, ShowWindow).
#include "platform/win/detail/Window.h"

namespace plat {

bool PlaceWindow(Window* window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);

}  // namespace plat
