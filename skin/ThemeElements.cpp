#include "skin/ThemeElements.h"

#include <array>

#include "platform/rtl/StringUtils.h"

namespace zorbit {
namespace {

struct ElementInfo {
  const char* Name;
  TskElementKind Kind;
};

using K = TskElementKind;

// Indexed by element number - 1.
constexpr std::array<ElementInfo, LastThemeElement> Elements{{
    {"ButtonImage", K::Bitmap},
    {"ButtonTransparentBool", K::Flag},
    {"CheckBoxImage", K::Bitmap},
    {"RadioButtonImage", K::Bitmap},
    {"TitleBarButtonImage", K::Bitmap},
    {"TitleBarButtonTransparentBool", K::Flag},
    {"TitleBarButtonLeftOffsetInt", K::Integer},
    {"TitleBarButtonRightOffsetInt", K::Integer},
    {"TitleBarButtonTopInt", K::Integer},
    {"TitleBarLeftImage", K::Bitmap},
    {"TitleBarClientImage", K::Bitmap},
    {"TitleBarRightImage", K::Bitmap},
    {"FormMinWidthInt", K::Integer},
    {"FormRoundCornerInt", K::Integer},
    {"FormBackgroundColor", K::Color},
    {"FormBorderColor", K::Color},
    {"FormBorderWidthInt", K::Integer},
    {"MenuSelectedBorderColor", K::Color},
    {"MenuSelectedBackgroundColor", K::Color},
    {"MenuSelectedFontColor", K::Color},
    {"MenuBackgroundColor", K::Color},
    {"MenuFontColor", K::Color},
    {"MenuBarColor", K::Color},
    {"ProgressBarImage", K::Bitmap},
    {"ControlBorderColor", K::Color},
    {"ControlBackgroundColor", K::Color},
    {"ControlFontColor", K::Color},
    {"TrackBarBarImage", K::Bitmap},
    {"TrackBarSliderImage", K::Bitmap},
    {"TrackBarSliderVImage", K::Bitmap},
    {"ScrollBarBackgroundColor", K::Color},
    {"ScrollBarButtonImage", K::Bitmap},
    {"ScrollBarSliderImage", K::Bitmap},
    {"CheckListBoxImage", K::Bitmap},
    {"ToolBarButtonBorderColor", K::Color},
    {"ToolBarButtonBackgroundColor", K::Color},
    {"ToolBarButtonDownBackgroundColor", K::Color},
    {"ScrollButtonImage", K::Bitmap},
    {"TabControlTabImage", K::Bitmap},
    {"TabControlBarImage", K::Bitmap},
    {"SideChannelHandleImage", K::Bitmap},
    {"SideChannelBarImage", K::Bitmap},
    {"TitleBarMinimizedImage", K::Bitmap},
    {"TitleBarFontColor", K::Color},
    {"FormLeftBorderImage", K::Bitmap},
    {"FormBottomBorderImage", K::Bitmap},
    {"FormBottomRoundCornerInt", K::Integer},
    {"MenuMenuBarColor", K::Color},
}};

bool InRange(TskThemeElement Element) {
  return Element >= FirstThemeElement && Element <= LastThemeElement;
}

}  // namespace

plat::String ThemeElementName(TskThemeElement Element) {
  return InRange(Element) ? Elements[Element - 1].Name : "";
}

std::optional<TskElementKind> ThemeElementKind(TskThemeElement Element) {
  if (!InRange(Element)) return std::nullopt;
  return Elements[Element - 1].Kind;
}

TskThemeElement ThemeElementByName(const plat::String& Name) {
  for (TskThemeElement e = FirstThemeElement; e <= LastThemeElement; ++e)
    if (plat::SameText(Name, Elements[e - 1].Name)) return e;
  return 0;
}

}  // namespace zorbit
