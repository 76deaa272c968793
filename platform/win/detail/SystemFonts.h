#pragma once
// The fonts the window layer draws its own parts with (classic scheme,
// 8 points at 96 DPI). Shared handles: never delete them.
#include "platform/gdi/GdiObjects.h"

namespace plat {

// Captions of the default frame: Tahoma bold.
HFONT CaptionFont();
// Message boxes: Tahoma.
HFONT MessageFont();
// Menus: Tahoma; a menu's default item in Tahoma bold.
HFONT MenuFont();
HFONT MenuDefaultItemFont();

}  // namespace plat
