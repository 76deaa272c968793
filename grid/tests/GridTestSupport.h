#pragma once
// Shared pieces of the grid tests: a small white bitmap to draw on and probe.
#include "platform/gdi/TBitmap.h"

namespace zorbit::testing {

// A white bitmap of the given size; At reads a pixel as a TColor.
class Canvas {
 public:
  Canvas(int width, int height) {
    FBitmap.SetSize(width, height);
    FBitmap.Canvas()->Brush()->SetColor(plat::clWhite);
    FBitmap.Canvas()->FillRect({0, 0, width, height});
  }
  plat::TCanvas& operator*() { return *FBitmap.Canvas(); }
  plat::TCanvas* operator->() { return FBitmap.Canvas(); }
  plat::TBitmap& Bitmap() { return FBitmap; }
  int Width() const { return FBitmap.Width(); }
  int Height() const { return FBitmap.Height(); }
  plat::TColor At(int x, int y) { return FBitmap.Canvas()->Pixels(x, y); }
  // How many pixels of a colour lie in a rectangle.
  int Count(plat::TColor color, const plat::TRect& area) {
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x) n += At(x, y) == color;
    return n;
  }
  int Count(plat::TColor color) { return Count(color, {0, 0, Width(), Height()}); }

 private:
  plat::TBitmap FBitmap;
};

}  // namespace zorbit::testing
