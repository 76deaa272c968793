#include "platform/gdi/TBrush.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/TBitmap.h"

namespace plat {

TBrush::~TBrush() { FreeHandle(); }

void TBrush::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

void TBrush::Change() {
  Changed();
  FreeHandle();
}

void TBrush::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  if (FStyle == TBrushStyle::bsClear) FStyle = TBrushStyle::bsSolid;
  Change();
}

void TBrush::SetStyle(TBrushStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Change();
}

void TBrush::SetBitmap(TBitmap* value) {
  if (value == FBitmap) return;
  FBitmap = value;
  Change();
}

HBRUSH TBrush::Handle() {
  if (FHandle) return FHandle;
  if (FBitmap && !FBitmap->Empty()) {
    FHandle = CreatePatternBrush(FBitmap->Handle());
  } else if (FStyle == TBrushStyle::bsSolid) {
    FHandle = CreateSolidBrush(ColorToColorRef(FColor));
  } else if (FStyle == TBrushStyle::bsClear) {
    LOGBRUSH clear{BS_NULL, 0, 0};
    FHandle = CreateBrushIndirect(&clear);
  } else {
    const int hatch = static_cast<int>(FStyle) - static_cast<int>(TBrushStyle::bsHorizontal) + HS_HORIZONTAL;
    FHandle = CreateHatchBrush(hatch, ColorToColorRef(FColor));
  }
  return FHandle;
}

void TBrush::Assign(const TBrush& source) {
  if (&source == this) return;
  if (source.FColor == FColor && source.FStyle == FStyle && source.FBitmap == FBitmap) return;
  FColor = source.FColor;
  FStyle = source.FStyle;
  FBitmap = source.FBitmap;
  Change();
}

}  // namespace plat
