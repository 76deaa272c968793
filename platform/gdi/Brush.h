#pragma once
// Brushes: solid, null, hatched (8x8 hatch in the brush colour over the DC's
// background, or nothing in transparent mode) and pattern (a bitmap tiled
// from the brush origin; a monochrome pattern takes the DC's text and
// background colours).
#include <memory>

#include "platform/gdi/Bitmap.h"

namespace plat {

struct LOGBRUSH {
  UINT lbStyle;
  COLORREF lbColor;
  std::uintptr_t lbHatch;  // hatch style, or the HBITMAP of a pattern
};

class Brush : public GdiObject {
 public:
  Brush(UINT style, COLORREF color, int hatch);
  // A pattern brush keeps its own copy of the bitmap.
  explicit Brush(const Bitmap& pattern);

  DWORD ObjectType() const override { return OBJ_BRUSH; }
  int Describe(int size, void* buffer) const override;

  UINT Style() const { return FStyle; }
  COLORREF Color() const { return FColor; }
  int Hatch() const { return FHatch; }
  const Bitmap* Pattern() const { return FPattern.get(); }
  bool IsNull() const { return FStyle == BS_NULL; }

  // Whether the hatch of style `hatch` sets pixel (x, y) of its 8x8 cell.
  static bool HatchBit(int hatch, int x, int y);

 private:
  UINT FStyle;
  COLORREF FColor;
  int FHatch;
  std::unique_ptr<Bitmap> FPattern;
};

HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP pattern);
HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush);
// A shared brush of a system colour; DeleteObject leaves it alone.
HBRUSH GetSysColorBrush(int index);

}  // namespace plat
