#include "platform/gdi/Pen.h"

#include <algorithm>
#include <cstring>

namespace plat {

Pen::Pen(int style, int width, COLORREF color)
    : FStyle(style >= PS_SOLID && style <= PS_INSIDEFRAME ? style : PS_SOLID),
      FWidth(std::max(width, 0)),
      FColor(color & 0x00FFFFFF) {}

int Pen::Describe(int size, void* buffer) const {
  if (!buffer) return sizeof(LOGPEN);
  if (size < static_cast<int>(sizeof(LOGPEN))) return 0;
  const LOGPEN lp{static_cast<UINT>(FStyle), {FWidth, 0}, FColor};
  std::memcpy(buffer, &lp, sizeof lp);
  return sizeof(LOGPEN);
}

HPEN CreatePen(int style, int width, COLORREF color) {
  return GdiObjectTable::Adopt(std::make_unique<Pen>(style & PS_STYLE_MASK, width, color));
}

HPEN CreatePenIndirect(const LOGPEN* logPen) {
  if (!logPen) return nullptr;
  return CreatePen(static_cast<int>(logPen->lopnStyle & PS_STYLE_MASK), logPen->lopnWidth.X, logPen->lopnColor);
}

}  // namespace plat
