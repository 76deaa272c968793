#pragma once
// The SDL flags a top-level window's native window is made with, beyond
// hidden and borderless: tips and menus become SDL's tool-tip and pop-up
// menu windows (which the desktop never focuses) and tool windows utility
// windows, none of them with a taskbar entry; a topmost window stays on top.
#include <SDL2/SDL_video.h>

#include "platform/win/detail/TopLevelKind.h"

namespace plat {

Uint32 SdlWindowFlags(TopLevelKind kind, bool topmost);

}  // namespace plat
