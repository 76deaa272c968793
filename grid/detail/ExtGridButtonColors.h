#pragma once
// The colour sets a TExtGridButton takes from the desktop's visual style:
// one per colour scheme the button knows ("NormalColor" blue, "HomeStead"
// olive, "Metallic" silver) and a default set for any other scheme or no
// style at all.
#include "platform/gdi/Colors.h"
#include "platform/rtl/Types.h"

namespace zorbit::detail {

struct TExtGridButtonColors {
  plat::TColor Color, ColorTo;
  plat::TColor ColorHot, ColorHotTo;
  plat::TColor ColorDown, ColorDownTo;
  plat::TColor ColorChecked, ColorCheckedTo;
  plat::TColor BorderDownAndHot;
};

// Whether the system is of the generation with visual styles and one is
// active.
bool VisualStylesInForce();
// The set for the visual style in force.
const TExtGridButtonColors& CurrentThemeButtonColors();

}  // namespace zorbit::detail
