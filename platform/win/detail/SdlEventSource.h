#pragma once
// The descriptor SDL's events arrive on, for the message wait to watch.
struct SDL_Window;

namespace plat {

// The X connection's descriptor when the window lives on X11; -1 for video
// drivers that offer none (the caller polls those).
int SdlEventDescriptor(SDL_Window* window);

}  // namespace plat
