#pragma once
// Draws a laid-out tool tip: the body in the background colour framed in
// the frame colour (a balloon filled and framed along its shape, stem
// included), the standard icon, the bold title and the text in the text
// colour. Leaves the DC's state as it found it.
#include "platform/gdi/Colors.h"
#include "platform/win/detail/ToolTipLayout.h"

namespace plat {

struct TipColors {
  COLORREF Background = 0;
  COLORREF Text = 0;
  COLORREF Frame = 0;
};

void PaintTip(HDC dc, const TipLayout& layout, const TipContent& content, HFONT textFont, HFONT titleFont,
              const TipColors& colors);

}  // namespace plat
