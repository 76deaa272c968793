#pragma once
// Keeps a device context's clip region for a scope: a copy of the clip
// region (or the fact that there is none) is taken on construction and put
// back exactly on destruction, however the scope is left. Unlike
// DCStateSaver it touches nothing else, so the objects a canvas keeps
// selected stay as they are.
//
//   const ClipRegionSaver kept(dc);
//   ExtSelectClipRgn(dc, cellRegion, RGN_AND);
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Region.h"

namespace plat {

class ClipRegionSaver {
 public:
  explicit ClipRegionSaver(HDC DC) : FDC(DC), FSaved(CreateRectRgn(0, 0, 0, 0)), FKind(GetClipRgn(DC, FSaved)) {}
  ~ClipRegionSaver() {
    // -1: the DC could not be read; nothing to put back.
    if (FKind >= 0) SelectClipRgn(FDC, FKind == 1 ? FSaved : nullptr);
    DeleteObject(FSaved);
  }
  ClipRegionSaver(const ClipRegionSaver&) = delete;
  ClipRegionSaver& operator=(const ClipRegionSaver&) = delete;

 private:
  HDC FDC;
  HRGN FSaved;
  int FKind;  // GetClipRgn's answer: 1 a region, 0 none, -1 error
};

}  // namespace plat
