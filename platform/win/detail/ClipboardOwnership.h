#pragma once
// The clipboard's part in a window's end: a window that goes away no longer
// owns the clipboard or holds it open.
#include "platform/win/WinTypes.h"

namespace plat {

// Called by DestroyWindow for each window it destroys.
void ClipboardOwnerGone(HWND window);

}  // namespace plat
