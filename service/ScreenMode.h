#pragma once
// The screen mode the System Info window shows, read from the display's
// device capabilities; nothing is asked of the service.
#include "platform/gdi/GdiObjects.h"

namespace zorbit {

struct TScreenMode {
  int Width = 0;        // pixels
  int Height = 0;       // pixels
  int RefreshRate = 0;  // vertical, hertz
  int BitsPerPixel = 0;
};

// The mode of the display that DC (a window's DC) draws on; all 0 for a DC
// that is not valid.
TScreenMode GetScreenMode(plat::HDC DC);

}  // namespace zorbit
