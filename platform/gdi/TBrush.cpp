#include "platform/gdi/TBrush.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/TBitmap.h"

namespace plat {

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::Change() {
  Changed();
  FHandles.Release(!FHandles.CurrentKey().Pattern);
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
  const bool pattern = FBitmap && !FBitmap->Empty();
  const TKey key{ColorToColorRef(FColor), FStyle, pattern};
  return FHandles.Get(key, [&]() -> HBRUSH {
    if (pattern) return CreatePatternBrush(FBitmap->Handle());
    if (FStyle == TBrushStyle::bsSolid) return CreateSolidBrush(key.Color);
    if (FStyle == TBrushStyle::bsClear) {
      LOGBRUSH clear{BS_NULL, 0, 0};
      return CreateBrushIndirect(&clear);
    }
    const int hatch = static_cast<int>(FStyle) - static_cast<int>(TBrushStyle::bsHorizontal) + HS_HORIZONTAL;
    return CreateHatchBrush(hatch, key.Color);
  });
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
