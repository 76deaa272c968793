#pragma once
// The display device's mode: what a DC on the display (a window's DC, or one
// made by CreateDC("DISPLAY")) reports through GetDeviceCaps as HORZRES,
// VERTRES, VREFRESH and BITSPIXEL. The display backend in use sets it; until
// then it is the headless display's.
namespace plat {

struct TDisplayMode {
  int Width = 1024;
  int Height = 768;
  int RefreshRate = 60;  // hertz
  int BitsPerPixel = 32;
};

const TDisplayMode& DisplayMode();
void SetDisplayMode(const TDisplayMode& Mode);

}  // namespace plat
