#pragma once
// The small drawing steps of the owner-drawn skinned menus: handing an item
// tree its measure and draw handlers, the separator line, the MacOS menu
// band and highlight pictures, the flat frame around a popup menu's window
// and the system's menu font.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/ui/TMenuItem.h"
#include "platform/win/WinTypes.h"

namespace plat {
class TCanvas;
class TFont;
}  // namespace plat

namespace zorbit {

// Sets Item's OnMeasureItem and OnDrawItem, and those of all its sub-items.
void SetMenuItemDrawHandlers(plat::TMenuItem& Item, const plat::TMenuMeasureItemEvent& Measure,
                             const plat::TMenuDrawItemEvent& Draw);

// One line in Color at Rect.Top + 2: left to right from Left + BarWidth + 4
// to Right - 2, right to left from Left + 2 to Right - BarWidth - 4 (the
// side bar lies at the leading edge).
void DrawMenuSeparator(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color, bool LeftToRight,
                       int BarWidth);

// "MACOS_MENU_BAR" cut to 12 rows (Tall: 20), or "MACOS_MENU_SELECT" cut to
// 20 rows, stretched over Rect. Nothing when the picture is missing.
void DrawMacMenuBar(plat::TCanvas& Canvas, const plat::TRect& Rect);
void DrawMacMenuBarTall(plat::TCanvas& Canvas, const plat::TRect& Rect);
void DrawMacMenuSelect(plat::TCanvas& Canvas, const plat::TRect& Rect);

// On the screen's DC: MenuWindow's rectangle, less a pixel at the top,
// right and bottom, framed in BorderColor, the rectangle a pixel inside
// that framed in white, and the shadow lines (Left, Bottom - 1) to
// (Right - 1, Bottom - 1) to (Right - 1, Top) to (Right, Top) to (Left, Top)
// in ShadowColor.
void DrawMenuWindowFrame(plat::HWND MenuWindow, plat::TColor BorderColor, plat::TColor ShadowColor);

// Gives Font the system's menu font and the menu-text colour when the
// system's non-client metrics can be read; otherwise leaves it alone.
void GetMenuFont(plat::TFont& Font);

}  // namespace zorbit
