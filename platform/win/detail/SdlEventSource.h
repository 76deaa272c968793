#pragma once
// The descriptor SDL's events arrive on, for the message wait to watch,
// and the native window behind an SDL window.
struct SDL_Window;

namespace plat {

// The X connection's descriptor when the window lives on X11; -1 for video
// drivers that offer none (the caller polls those).
int SdlEventDescriptor(SDL_Window* window);
// The X11 window behind an SDL window; 0 for other video drivers.
unsigned long SdlX11Window(SDL_Window* window);

}  // namespace plat
