#pragma once
// Picture helpers of the skinned controls: quarter and half turns, tiling
// from the canvas origin, three-part bars and nine-slice boxes that keep a
// picture's ends or corners unscaled at any size.
//
// Magenta ($FF00FF) is the transparent colour of the pieces that are
// stretched. Pieces whose source or destination comes out empty are
// skipped, so pictures too small to cut and rectangles too small to hold
// them draw what fits and never raise; an empty picture draws nothing.
#include "platform/gdi/Geometry.h"

namespace plat {
class TBitmap;
class TCanvas;
}  // namespace plat

namespace zorbit {

// In place, pixel by pixel (small pictures): counter-clockwise, (x, y) to
// (y, W - 1 - x); half a turn, to (W - 1 - x, H - 1 - y); clockwise, to
// (H - 1 - y, x). Quarter turns swap width and height.
void RotateLeft(plat::TBitmap& Bitmap);
void Rotate180(plat::TBitmap& Bitmap);
void RotateRight(plat::TBitmap& Bitmap);

// Draws Picture again and again from the canvas origin (0, 0), a picture's
// width and height apart, until Rect's right and bottom edges are covered.
void TileDraw(plat::TCanvas& Canvas, plat::TBitmap& Picture, const plat::TRect& Rect);

// Bitmap holds three equal frames side by side (width div 3 each): frame 1
// at Rect's top-left, frame 3 ending at its right edge, both unscaled, and
// frame 2 stretched between them to Rect's bottom. The transparent colour
// is the bitmap's top-left (TopLeftCorner) or bottom-left pixel when
// Transparent is set, else magenta. A bitmap narrower than three pixels
// draws nothing.
void DrawThreePart(plat::TBitmap& Bitmap, plat::TCanvas& Canvas, const plat::TRect& Rect, bool TopLeftCorner,
                   bool Transparent);

// Picture at Rect's size with its four corners copied unscaled (each at
// most half of Rect in either direction, the part next to its corner kept),
// opaque or with magenta transparent, and the middle strips stretched
// between them with magenta transparent.
void DrawNineSlice(plat::TBitmap& Picture, plat::TCanvas& Canvas, const plat::TRect& Rect, bool Transparent);

}  // namespace zorbit
