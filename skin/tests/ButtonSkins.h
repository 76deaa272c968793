#pragma once
// Pictures for the button and check-box tests: a skin file whose state
// pictures are each one plain colour, so that a pixel tells which frame is
// drawn, and one-colour pictures for the image buttons.
#include <string>

#include "platform/gdi/Colors.h"
#include "platform/gdi/TPicture.h"
#include "skin/SkMgr.h"
#include "testing/TempFolder.h"

namespace skintest {

// ButtonImage: normal, mouse-on, pressed (6 x 6 each).
inline constexpr plat::COLORREF kButtonNormal = 0x0000FF;
inline constexpr plat::COLORREF kButtonMouseOn = 0x00FF00;
inline constexpr plat::COLORREF kButtonPressed = 0xFF0000;
// CheckBoxImage: checked, unchecked, checked disabled, unchecked disabled
// (13 x 13 each).
inline constexpr plat::COLORREF kBoxChecked = 0x0000FF;
inline constexpr plat::COLORREF kBoxUnchecked = 0x00FF00;
inline constexpr plat::COLORREF kBoxCheckedDisabled = 0xFF0000;
inline constexpr plat::COLORREF kBoxUncheckedDisabled = 0x00FFFF;

// Writes the skin into Folder and loads it into a new theme owned by Owner.
zorbit::TskFileTheme* LoadButtonSkin(plat::TComponent* Owner, zorbit::testing::TTempFolder& Folder);

// Picture becomes a bitmap of Width x Height in Color.
void FillPicture(plat::TPicture& Picture, plat::TColor Color, int Width, int Height);

}  // namespace skintest
