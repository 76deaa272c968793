#include "skin/FrameCut.h"

#include "platform/gdi/TBitmap.h"

namespace zorbit {

void FrameCut(plat::TBitmap& Source, plat::TBitmap& Result, int Count, int Index) {
  if (Count < 1) {
    Result.Assign(Source);
    return;
  }
  const int width = Source.Width() / Count;
  const int height = Source.Height();
  if (width <= 0 || height <= 0 || Index < 1 || Index > Count) {
    Result.SetSize(0, 0);
    return;
  }
  Result.SetSize(width, height);
  const int left = width * (Index - 1);
  Result.Canvas()->CopyRect(plat::TRect{0, 0, width, height}, Source.Canvas(),
                            plat::TRect{left, 0, left + width, height});
}

}  // namespace zorbit
