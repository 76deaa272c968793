#pragma once
// Colour helpers and the cell decorations of the grid family: gradients,
// percentage bars and pies, balance bars, wavy error underlines, transparent
// bitmaps and combo arrow buttons. They draw on the caller's canvas and give
// its pen, brush and font back as they found them. Degenerate input (empty
// rectangles, empty ranges, a zero limit) draws something sensible and never
// divides by zero.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Types.h"

namespace plat {
class TBitmap;
class TCanvas;
}  // namespace plat

namespace zorbit {

// Each RGB channel of the colour (a system colour resolved first) halved.
plat::TColor HalfBrightColor(plat::TColor Color);

// The colour at Position of a linear gradient from FromColor at Start to
// ToColor at End; positions outside take the nearer end's colour, and an
// empty range (Start equal to End) gives FromColor. ToColor clNone gives
// FromColor.
plat::TColor GradientColorAt(plat::TColor FromColor, plat::TColor ToColor, int Start, int Position, int End);

// Steps bands (fewer than 1 count as 1) from left to right (Horizontal) or
// top to bottom, band n in FromColor + round(n * (ToColor - FromColor) /
// Steps) per channel. The bands share the rectangle out exactly, also when
// there are more bands than pixels. ToColor clNone fills plainly in
// FromColor.
void FillGradientRect(plat::TCanvas& Canvas, plat::TColor FromColor, plat::TColor ToColor, bool Horizontal,
                      const plat::TRect& Rect, int Steps);

struct TPercentBarColors {
  plat::TColor Color = plat::clRed;          // the done part
  plat::TColor TextColor = plat::clWhite;    // the text over it
  plat::TColor ColorTo = plat::clWhite;      // the rest
  plat::TColor TextColorTo = plat::clBlack;  // the text over the rest
  plat::TColor BorderColor = plat::clBlack;  // the bar's frame; clNone for none
  plat::TColor BackgroundColor = plat::clWindow;
};

// A bar in Rect less the margins: the done part from the left in Color, the
// rest in ColorTo, the text centred over both (each part's text in its own
// colour), the frame in BorderColor, then the ring of pixels round the bar
// (inside Rect) in BackgroundColor. Without Format the bar stands at Value
// percent and reads "Value%"; with Format it stands at (Value - MinValue) *
// 100 / (MaxValue - MinValue) percent (full from MaxValue on when the range
// is empty) and reads Format applied to Value. The bar never leaves 0..100.
void DrawPercentBar(plat::TCanvas& Canvas, const plat::TRect& Rect, int Value, const TPercentBarColors& Colors,
                    int MarginX = 0, int MarginY = 0, int MinValue = 0, int MaxValue = 100,
                    const plat::String& Format = {});

// A bar from the rectangle's centre, right in PositiveColor for a positive
// Value, left in NegativeColor for a negative one, Value / Limit of the half
// width long (Value clamped to plus or minus Limit). A Limit of 0 or less
// draws no bar. With ShowNumber, Value is written centred.
void DrawBalanceBar(plat::TCanvas& Canvas, const plat::TRect& Rect, int Value, int Limit, plat::TColor PositiveColor,
                    plat::TColor NegativeColor, bool ShowNumber);

// A grey (808080) ellipse in Rect with a line from its top to its centre,
// and the sector from the top clockwise over Percent of a full turn (clamped
// to 0..100) filled in FillColor up to its radius line.
void DrawPercentPie(plat::TCanvas& Canvas, const plat::TRect& Rect, double Percent, plat::TColor FillColor);

// A red (0000FF) zigzag of 3-pixel steps, 2 pixels high, under ErrLen
// characters of Text from character ErrFrom (1-based), the text standing at
// Rect's top-left in the canvas font, one line per CR LF.
void DrawErrorUnderline(plat::TCanvas& Canvas, const plat::TRect& Rect, const plat::String& Text, int ErrFrom,
                        int ErrLen);

// Bitmap at (X, Y) with its top-left pixel's colour transparent, showing
// BackgroundColor there (the canvas itself with clNone).
void DrawBitmapTransparent(plat::TCanvas& Canvas, int X, int Y, plat::TBitmap* Bitmap, plat::TColor BackgroundColor);

// The same for the program's bitmap resource of that name; a missing or
// unreadable resource draws nothing.
void DrawResourceBitmapTransparent(plat::TCanvas& Canvas, int X, int Y, const plat::String& ResourceName,
                                   plat::TColor BackgroundColor);

// A 16-pixel arrow button at the right edge of Rect, 1 pixel in from top
// and bottom and 2 from the right: the visual style's "combobox" part 1
// state 1 while a style is active, else the classic flat combo arrow.
void DrawComboArrowButton(plat::TCanvas& Canvas, const plat::TRect& Rect);

}  // namespace zorbit
