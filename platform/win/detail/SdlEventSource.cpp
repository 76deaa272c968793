// Kept apart because the X11 headers SDL_syswm.h brings in define names
// (Display, Region, None, Bool) that clash with the window layer's.
#include "platform/win/detail/SdlEventSource.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

namespace plat {

int SdlEventDescriptor(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE) return -1;
#if defined(SDL_VIDEO_DRIVER_X11)
  if (info.subsystem == SDL_SYSWM_X11) return ConnectionNumber(info.info.x11.display);
#endif
  return -1;
}

unsigned long SdlX11Window(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE) return 0;
#if defined(SDL_VIDEO_DRIVER_X11)
  if (info.subsystem == SDL_SYSWM_X11) return info.info.x11.window;
#endif
  return 0;
}

}  // namespace plat
