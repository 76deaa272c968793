#pragma once
// Canvas and window helpers of the skinned controls: the parent's
// background painted under a see-through control, the thin frame the edit
// and the list box draw over their window's border, and one-colour frames
// and fills.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"

namespace plat {
class TCanvas;
class TControl;
class TWinControl;
}  // namespace plat

namespace zorbit {

// Paints Control's parent, as it lies under Control, onto Canvas (which
// draws at Control's client origin): the parent's background erase and then
// its paint (the messages with Canvas's DC), with the origin moved by minus
// Control's Left and Top and the drawing clipped to the parent's client
// area. The canvas's state is restored after, also when painting raises. A
// control without a parent draws nothing.
void DrawParentBackground(plat::TCanvas& Canvas, plat::TControl& Control);

// A one-pixel frame of Color around Control's whole window rectangle, drawn
// on its window DC; with Inner, a second one of InnerColor just inside it.
void DrawControlBorder(plat::TWinControl& Control, plat::TColor Color, plat::TColor InnerColor, bool Inner);

void FrameRectColor(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color);
void FillRectColor(plat::TCanvas& Canvas, const plat::TRect& Rect, plat::TColor Color);

}  // namespace zorbit
