#include "platform/gdi/TPen.h"

#include <array>

#include "platform/gdi/Pen.h"

namespace plat {

int PenModeToRop2(TPenMode mode) {
  static constexpr std::array<int, 16> Rop2{R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                            R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                            R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                            R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
  const auto index = static_cast<std::size_t>(mode);
  return index < Rop2.size() ? Rop2[index] : R2_COPYPEN;
}

TPen::TPen() = default;
TPen::~TPen() = default;

// Listeners let go of the handle first (a canvas deselects it), so it can be set aside.
void TPen::Change() {
  Changed();
  FHandles.Release(true);
}

void TPen::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Change();
}

void TPen::SetWidth(int value) {
  if (value < 0 || value == FWidth) return;
  FWidth = value;
  Change();
}

void TPen::SetStyle(TPenStyle value) {
  if (value == FStyle) return;
  FStyle = value;
  Change();
}

void TPen::SetMode(TPenMode value) {
  if (value == FMode) return;
  FMode = value;
  Changed();  // the mix is the canvas's, not the handle's
}

HPEN TPen::Handle() {
  const TKey key{ColorToColorRef(FColor), FWidth, FStyle};
  return FHandles.Get(key, [&] {
    static constexpr std::array<int, 7> Styles{PS_SOLID,      PS_DASH, PS_DOT,        PS_DASHDOT,
                                               PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    return CreatePen(Styles[static_cast<std::size_t>(FStyle)], FWidth, key.Color);
  });
}

void TPen::Assign(const TPen& source) {
  if (&source == this) return;
  if (source.FColor == FColor && source.FWidth == FWidth && source.FStyle == FStyle && source.FMode == FMode) return;
  FColor = source.FColor;
  FWidth = source.FWidth;
  FStyle = source.FStyle;
  FMode = source.FMode;
  Change();
}

}  // namespace plat
