#pragma once
// Drawing that several standard controls share: text on a canvas in its
// font (the platform's DrawText formats) and the class library's bevels.
#include "platform/gdi/Colors.h"
#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"

namespace plat {

class TCanvas;

// Draws Text with the canvas's font, in the font's colour, leaving the
// background (DT_* formats; DT_CALCRECT measures into Rect). Answers the
// text's height.
int DrawCanvasText(TCanvas& Canvas, const String& Text, TRect& Rect, UINT Format);
// The same for wide text.
int DrawCanvasText(TCanvas& Canvas, const WideString& Text, TRect& Rect, UINT Format);

// A bevel Width pixels deep on the inside of Rect: TopColor on the top and
// left, BottomColor on the bottom and right. Rect comes back inside it.
void Frame3D(TCanvas& Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int Width);

}  // namespace plat
