#pragma once
// The vocabulary every skinned control shares: the style a control asks for
// and the 48 theme elements it reads from a skin file or a built-in style.
//
// An element is a 1-based number 1..48; its name is both the entry name in a
// skin file and the key by which the number is looked up. Each element has
// one kind for every style (integer, colour, bitmap or flag). Numbers
// outside 1..48 have no name (empty) and no element kind (ElementKind gives
// nothing): callers that read values answer -1 for them.
#include <cstdint>
#include <optional>

#include "platform/rtl/Types.h"

namespace zorbit {

// Which values a control takes: FromThemeFile reads its FileTheme, the
// others name a built-in style. Stored as one byte.
enum class TskUIStyle : std::uint8_t {
  FromThemeFile = 0,
  MacOS = 1,
  WinXP = 2,
  DeepBlue = 3,
  Protein = 4,
  BlueGlass = 5,
};

// A theme element's number, 1..48.
using TskThemeElement = int;

enum class TskElementKind { Integer, Color, Bitmap, Flag };

namespace element {
inline constexpr TskThemeElement ButtonImage = 1;
inline constexpr TskThemeElement ButtonTransparentBool = 2;
inline constexpr TskThemeElement CheckBoxImage = 3;
inline constexpr TskThemeElement RadioButtonImage = 4;
inline constexpr TskThemeElement TitleBarButtonImage = 5;
inline constexpr TskThemeElement TitleBarButtonTransparentBool = 6;
inline constexpr TskThemeElement TitleBarButtonLeftOffsetInt = 7;
inline constexpr TskThemeElement TitleBarButtonRightOffsetInt = 8;
inline constexpr TskThemeElement TitleBarButtonTopInt = 9;
inline constexpr TskThemeElement TitleBarLeftImage = 10;
inline constexpr TskThemeElement TitleBarClientImage = 11;
inline constexpr TskThemeElement TitleBarRightImage = 12;
inline constexpr TskThemeElement FormMinWidthInt = 13;
inline constexpr TskThemeElement FormRoundCornerInt = 14;
inline constexpr TskThemeElement FormBackgroundColor = 15;
inline constexpr TskThemeElement FormBorderColor = 16;
inline constexpr TskThemeElement FormBorderWidthInt = 17;
inline constexpr TskThemeElement MenuSelectedBorderColor = 18;
inline constexpr TskThemeElement MenuSelectedBackgroundColor = 19;
inline constexpr TskThemeElement MenuSelectedFontColor = 20;
inline constexpr TskThemeElement MenuBackgroundColor = 21;
inline constexpr TskThemeElement MenuFontColor = 22;
inline constexpr TskThemeElement MenuBarColor = 23;
inline constexpr TskThemeElement ProgressBarImage = 24;
inline constexpr TskThemeElement ControlBorderColor = 25;
inline constexpr TskThemeElement ControlBackgroundColor = 26;
inline constexpr TskThemeElement ControlFontColor = 27;
inline constexpr TskThemeElement TrackBarBarImage = 28;
inline constexpr TskThemeElement TrackBarSliderImage = 29;
inline constexpr TskThemeElement TrackBarSliderVImage = 30;
inline constexpr TskThemeElement ScrollBarBackgroundColor = 31;
inline constexpr TskThemeElement ScrollBarButtonImage = 32;
inline constexpr TskThemeElement ScrollBarSliderImage = 33;
inline constexpr TskThemeElement CheckListBoxImage = 34;
inline constexpr TskThemeElement ToolBarButtonBorderColor = 35;
inline constexpr TskThemeElement ToolBarButtonBackgroundColor = 36;
inline constexpr TskThemeElement ToolBarButtonDownBackgroundColor = 37;
inline constexpr TskThemeElement ScrollButtonImage = 38;
inline constexpr TskThemeElement TabControlTabImage = 39;
inline constexpr TskThemeElement TabControlBarImage = 40;
inline constexpr TskThemeElement SideChannelHandleImage = 41;
inline constexpr TskThemeElement SideChannelBarImage = 42;
inline constexpr TskThemeElement TitleBarMinimizedImage = 43;
inline constexpr TskThemeElement TitleBarFontColor = 44;
inline constexpr TskThemeElement FormLeftBorderImage = 45;
inline constexpr TskThemeElement FormBottomBorderImage = 46;
inline constexpr TskThemeElement FormBottomRoundCornerInt = 47;
inline constexpr TskThemeElement MenuMenuBarColor = 48;
}  // namespace element

inline constexpr TskThemeElement FirstThemeElement = 1;
inline constexpr TskThemeElement LastThemeElement = 48;

// The element's name ("ButtonImage"); empty outside 1..48.
plat::String ThemeElementName(TskThemeElement Element);
// The element's kind; nothing outside 1..48.
std::optional<TskElementKind> ThemeElementKind(TskThemeElement Element);
// The element named so (ASCII case ignored, as skin-file look-ups are); 0
// for a name that is none of the 48.
TskThemeElement ThemeElementByName(const plat::String& Name);

}  // namespace zorbit
