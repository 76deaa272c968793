#pragma once
// The window handle. Windows belong to the window layer; the drawing layer
// only carries their handles (theme data opened for a window, a window's DC).
namespace plat {

struct HWND__;
using HWND = HWND__*;

}  // namespace plat
