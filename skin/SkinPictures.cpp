#include "skin/SkinPictures.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/gdi/Blits.h"
#include "platform/gdi/TBitmap.h"

namespace zorbit {
namespace {

constexpr plat::TColor Magenta = 0xFF00FF;

// A new picture of Width x Height whose pixel (x, y) is the old picture's
// pixel Source(x, y).
template <typename SourceOf>
void Remap(plat::TBitmap& Bitmap, int Width, int Height, SourceOf Source) {
  if (Bitmap.Empty()) return;
  const plat::Bitmap& old = *Bitmap.Image();
  auto turned = std::make_unique<plat::Bitmap>(Width, Height, old.IsMonochrome());
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) {
      const plat::TPoint from = Source(x, y);
      turned->Put(x, y, old.At(from.X, from.Y));
    }
  Bitmap.SetImage(std::move(turned), Bitmap.PixelFormat());
}

// Copies Source's rectangle From onto Canvas's rectangle To, stretched when
// the sizes differ; pixels of Key are left out. Empty rectangles draw nothing.
void DrawPiece(plat::TCanvas& Canvas, plat::TBitmap& Source, const plat::TRect& From, const plat::TRect& To,
               std::optional<plat::TColor> Key) {
  if (From.Width() <= 0 || From.Height() <= 0 || To.Width() <= 0 || To.Height() <= 0) return;
  const plat::HDC source = Source.Canvas()->Handle();
  const plat::HDC target = Canvas.Handle();
  if (Key)
    plat::TransparentBlt(target, To.Left, To.Top, To.Width(), To.Height(), source, From.Left, From.Top, From.Width(),
                         From.Height(), plat::ColorToColorRef(*Key));
  else
    plat::StretchBlt(target, To.Left, To.Top, To.Width(), To.Height(), source, From.Left, From.Top, From.Width(),
                     From.Height(), plat::SRCCOPY);
}

}  // namespace

void RotateLeft(plat::TBitmap& Bitmap) {
  const int w = Bitmap.Width(), h = Bitmap.Height();
  // New (x, y) holds old (W - 1 - y, x).
  Remap(Bitmap, h, w, [w](int x, int y) { return plat::TPoint{w - 1 - y, x}; });
}

void Rotate180(plat::TBitmap& Bitmap) {
  const int w = Bitmap.Width(), h = Bitmap.Height();
  Remap(Bitmap, w, h, [w, h](int x, int y) { return plat::TPoint{w - 1 - x, h - 1 - y}; });
}

void RotateRight(plat::TBitmap& Bitmap) {
  const int w = Bitmap.Width(), h = Bitmap.Height();
  // New (x, y) holds old (y, H - 1 - x).
  Remap(Bitmap, h, w, [h](int x, int y) { return plat::TPoint{y, h - 1 - x}; });
}

void TileDraw(plat::TCanvas& Canvas, plat::TBitmap& Picture, const plat::TRect& Rect) {
  const int w = Picture.Width(), h = Picture.Height();
  if (w <= 0 || h <= 0) return;
  for (int y = 0; y < Rect.Bottom; y += h)
    for (int x = 0; x < Rect.Right; x += w) Canvas.Draw(x, y, &Picture);
}

void DrawThreePart(plat::TBitmap& Bitmap, plat::TCanvas& Canvas, const plat::TRect& Rect, bool TopLeftCorner,
                   bool Transparent) {
  const int frame = Bitmap.Width() / 3, h = Bitmap.Height();
  if (frame < 1 || h < 1) return;
  const plat::TColor key = Transparent ? Bitmap.Canvas()->Pixels(0, TopLeftCorner ? 0 : h - 1) : Magenta;
  DrawPiece(Canvas, Bitmap, {0, 0, frame, h}, {Rect.Left, Rect.Top, Rect.Left + frame, Rect.Top + h}, key);
  DrawPiece(Canvas, Bitmap, {2 * frame, 0, 3 * frame, h}, {Rect.Right - frame, Rect.Top, Rect.Right, Rect.Top + h},
            key);
  DrawPiece(Canvas, Bitmap, {frame, 0, 2 * frame, h}, {Rect.Left + frame, Rect.Top, Rect.Right - frame, Rect.Bottom},
            key);
}

void DrawNineSlice(plat::TBitmap& Picture, plat::TCanvas& Canvas, const plat::TRect& Rect, bool Transparent) {
  const int bw = Picture.Width(), bh = Picture.Height();
  if (bw <= 0 || bh <= 0) return;
  const int hw = bw / 2, hh = bh / 2;
  const int W = Rect.Width(), H = Rect.Height();
  const int x0 = Rect.Left, y0 = Rect.Top;
  // Corner sizes: the left and top corners are half the picture, the right
  // and bottom ones start one past the middle; none more than half of Rect.
  const int left = std::min(hw, W / 2), right = std::min(bw - (bw - hw + 1), W / 2);
  const int top = std::min(hh, H / 2), bottom = std::min(bh - (bh - hh + 1), H / 2);
  const std::optional<plat::TColor> cornerKey = Transparent ? std::optional<plat::TColor>(Magenta) : std::nullopt;

  DrawPiece(Canvas, Picture, {0, 0, left, top}, {x0, y0, x0 + left, y0 + top}, cornerKey);
  DrawPiece(Canvas, Picture, {0, bh - bottom, left, bh}, {x0, y0 + H - bottom, x0 + left, y0 + H}, cornerKey);
  DrawPiece(Canvas, Picture, {bw - right, 0, bw, top}, {x0 + W - right, y0, x0 + W, y0 + top}, cornerKey);
  DrawPiece(Canvas, Picture, {bw - right, bh - bottom, bw, bh}, {x0 + W - right, y0 + H - bottom, x0 + W, y0 + H},
            cornerKey);

  // The middle strips: one pixel wide or high for an even size, two for an odd one.
  const int midLeft = hw, midRight = bw - hw + 1, midTop = hh, midBottom = bh - hh + 1;
  const plat::TRect inner{x0 + left, y0 + top, x0 + W - right, y0 + H - bottom};
  DrawPiece(Canvas, Picture, {0, midTop, left, midBottom}, {x0, inner.Top, inner.Left, inner.Bottom}, Magenta);
  DrawPiece(Canvas, Picture, {bw - right, midTop, bw, midBottom}, {inner.Right, inner.Top, x0 + W, inner.Bottom},
            Magenta);
  DrawPiece(Canvas, Picture, {midLeft, 0, midRight, top}, {inner.Left, y0, inner.Right, inner.Top}, Magenta);
  DrawPiece(Canvas, Picture, {midLeft, bh - bottom, midRight, bh}, {inner.Left, inner.Bottom, inner.Right, y0 + H},
            Magenta);
  DrawPiece(Canvas, Picture, {midLeft, midTop, midRight, midBottom}, inner, Magenta);
}

}  // namespace zorbit
