#include "platform/win/detail/SdlWindowFlags.h"

namespace plat {

Uint32 SdlWindowFlags(TopLevelKind kind, bool topmost) {
  const Uint32 onTop = topmost ? SDL_WINDOW_ALWAYS_ON_TOP : 0;
  switch (kind) {
    case TopLevelKind::Ordinary: return onTop;
    case TopLevelKind::Tool: return SDL_WINDOW_UTILITY | SDL_WINDOW_SKIP_TASKBAR | onTop;
    case TopLevelKind::Menu: return SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
    case TopLevelKind::Tip: return SDL_WINDOW_TOOLTIP | SDL_WINDOW_SKIP_TASKBAR;
  }
  return onTop;
}

}  // namespace plat
