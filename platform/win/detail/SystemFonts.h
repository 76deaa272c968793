#pragma once
// The fonts the window layer draws its own parts with (classic scheme,
// Tahoma at 8 points at 96 DPI; captions bold). The descriptions are what
// SystemParametersInfo reports; the handles are shared: never delete them.
#include "platform/gdi/FontTypes.h"
#include "platform/gdi/GdiObjects.h"

namespace plat {

enum class SystemFont { Caption, SmallCaption, Menu, Status, Message, IconTitle };
LOGFONTA SystemLogFont(SystemFont kind);

// Captions of the default frame: Tahoma bold.
HFONT CaptionFont();
// Message boxes: Tahoma.
HFONT MessageFont();
// Menus: Tahoma; a menu's default item in Tahoma bold.
HFONT MenuFont();
HFONT MenuDefaultItemFont();

}  // namespace plat
