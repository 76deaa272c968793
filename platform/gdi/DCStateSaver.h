#pragma once
// Keeps a device context's state for a scope: SaveDC on construction,
// RestoreDC to that level on destruction, so that the objects selected, the
// origin, the clip region, colours and modes set in the scope are undone
// however it is left (return or exception).
//
//   const DCStateSaver saved(dc);
//   SelectObject(dc, font);
//   IntersectClipRect(dc, ...);
#include "platform/gdi/DeviceContext.h"

namespace plat {

class DCStateSaver {
 public:
  explicit DCStateSaver(HDC DC) : FDC(DC), FLevel(SaveDC(DC)) {}
  ~DCStateSaver() {
    if (FLevel != 0) RestoreDC(FDC, FLevel);
  }
  DCStateSaver(const DCStateSaver&) = delete;
  DCStateSaver& operator=(const DCStateSaver&) = delete;

 private:
  HDC FDC;
  int FLevel;  // 0 when SaveDC failed: nothing to restore
};

}  // namespace plat
