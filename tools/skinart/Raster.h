#pragma once
// A small painter for the built-in styles' pictures: an RGB raster with
// anti-aliased shapes (rounded boxes, discs, strokes) and gradients, and its
// conversion to a bitmap. Pixels that hold magenta stand for transparency:
// shapes never blend into them (a pixel is taken whole or left), so no pink
// fringe appears where the picture is meant to be see-through.
#include <cstdint>
#include <functional>
#include <vector>

namespace plat {
class Bitmap;
}

namespace skinart {

struct Rgb {
  int R = 0, G = 0, B = 0;
};
constexpr Rgb Magenta{255, 0, 255};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};

// a + (b - a) * t, t in 0..1.
Rgb Mix(Rgb a, Rgb b, double t);
// Lighter toward white (t > 0) or darker toward black (t < 0).
Rgb Shade(Rgb c, double t);

struct Box {
  double X, Y, W, H;
};

class Raster {
 public:
  Raster(int width, int height, Rgb fill);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  Rgb At(int x, int y) const { return FPixels[y * FWidth + x]; }
  void Put(int x, int y, Rgb c) { FPixels[y * FWidth + x] = c; }

  // Covers the pixel with colour c at coverage 0..1.
  void Blend(int x, int y, Rgb c, double coverage);
  void FillRect(int x, int y, int w, int h, Rgb c);
  // A rounded box whose rows take their colour from ColourAt (0 at the
  // box's top, 1 at its bottom).
  void RoundBox(Box b, double radius, const std::function<Rgb(double)>& colourAt);
  // A ring of the box's outline, Width thick.
  void RoundFrame(Box b, double radius, double width, Rgb c);
  void Disc(double cx, double cy, double r, Rgb c);
  void Stroke(double x1, double y1, double x2, double y2, double width, Rgb c);
  // Fills where Inside says, anti-aliased by 4 x 4 samples per pixel.
  void Shape(const std::function<bool(double, double)>& inside, const std::function<Rgb(int, int)>& colour);

  // Rows from the top into a 24-bit-ready pixel store.
  void CopyTo(plat::Bitmap& target, int left) const;

 private:
  int FWidth, FHeight;
  std::vector<Rgb> FPixels;
};

// Vertical gradients for RoundBox: two stops, or the glassy look that
// jumps at Split (0..1): Top..Mid above it, Mid2..Bottom below.
std::function<Rgb(double)> Gradient(Rgb top, Rgb bottom);
std::function<Rgb(double)> Glass(Rgb top, Rgb mid, Rgb mid2, Rgb bottom, double split);

}  // namespace skinart
