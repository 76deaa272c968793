#include "platform/gdi/Brush.h"

#include <array>
#include <cstring>

namespace plat {

Brush::Brush(UINT style, COLORREF color, int hatch)
    : FStyle(style == BS_NULL || style == BS_HATCHED ? style : BS_SOLID),
      FColor(color & 0x00FFFFFF),
      FHatch(hatch >= HS_HORIZONTAL && hatch <= HS_DIAGCROSS ? hatch : HS_HORIZONTAL) {}

Brush::Brush(const Bitmap& pattern)
    : FStyle(BS_PATTERN), FColor(0), FHatch(0), FPattern(std::make_unique<Bitmap>(pattern)) {}

int Brush::Describe(int size, void* buffer) const {
  if (!buffer) return sizeof(LOGBRUSH);
  if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
  const LOGBRUSH lb{FStyle, FColor, static_cast<std::uintptr_t>(FStyle == BS_HATCHED ? FHatch : 0)};
  std::memcpy(buffer, &lb, sizeof lb);
  return sizeof(LOGBRUSH);
}

bool Brush::HatchBit(int hatch, int x, int y) {
  x &= 7;
  y &= 7;
  switch (hatch) {
    case HS_HORIZONTAL: return y == 4;
    case HS_VERTICAL: return x == 4;
    case HS_FDIAGONAL: return x == y;      // "\"
    case HS_BDIAGONAL: return x + y == 7;  // "/"
    case HS_CROSS: return x == 4 || y == 4;
    case HS_DIAGCROSS: return x == y || x + y == 7;
    default: return false;
  }
}

HBRUSH CreateSolidBrush(COLORREF color) { return GdiObjectTable::Adopt(std::make_unique<Brush>(BS_SOLID, color, 0)); }

HBRUSH CreateHatchBrush(int hatch, COLORREF color) {
  return GdiObjectTable::Adopt(std::make_unique<Brush>(BS_HATCHED, color, hatch));
}

HBRUSH CreatePatternBrush(HBITMAP pattern) {
  const Bitmap* bitmap = GdiObjectTable::As<Bitmap>(pattern, OBJ_BITMAP);
  return bitmap ? GdiObjectTable::Adopt(std::make_unique<Brush>(*bitmap)) : nullptr;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* logBrush) {
  if (!logBrush) return nullptr;
  switch (logBrush->lbStyle) {
    case BS_PATTERN: return CreatePatternBrush(reinterpret_cast<HBITMAP>(logBrush->lbHatch));
    case BS_SOLID:
    case BS_NULL:
    case BS_HATCHED:
      return GdiObjectTable::Adopt(
          std::make_unique<Brush>(logBrush->lbStyle, logBrush->lbColor, static_cast<int>(logBrush->lbHatch)));
    default: return nullptr;
  }
}

HBRUSH GetSysColorBrush(int index) {
  static std::array<HBRUSH, COLOR_COUNT> brushes{};
  if (index < 0 || index >= COLOR_COUNT) return nullptr;
  HBRUSH& slot = brushes[static_cast<std::size_t>(index)];
  if (!slot) {
    slot = CreateSolidBrush(GetSysColor(index));
    GdiObjectTable::MarkStock(slot);
  }
  return slot;
}

}  // namespace plat
