// boot_pictures <folder>: draws the glyphs of the Boot Options window's
// arrow buttons (our own art) as BMP files, ArrowUp.bmp and ArrowDown.bmp:
// each 18 x 9, two frames of 9 x 9 side by side (enabled in the window's
// teal, disabled in grey), magenta where the button shows through.
#include <array>
#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "tools/artkit/ArtTool.h"

namespace {

using namespace plat;

constexpr int kFrame = 9;

// A solid triangle filling a frame, pointing up or down.
void Arrow(TCanvas& c, int left, TColor color, bool up) {
  c.Pen()->SetColor(color);
  c.Brush()->SetColor(color);
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  const int tip = up ? 1 : kFrame - 2, base = up ? kFrame - 3 : 2;
  const std::array<TPoint, 3> points{{{left + 4, tip}, {left, base}, {left + 8, base}}};
  c.Polygon(points);
  // The stem below (or above) the head.
  const int stemFrom = up ? base : 0, stemTo = up ? kFrame : base;
  c.Brush()->SetColor(color);
  c.FillRect({left + 3, stemFrom, left + 6, stemTo});
}

void Draw(TCanvas& c, bool up) {
  c.Brush()->SetColor(static_cast<TColor>(RGB(255, 0, 255)));
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  c.FillRect({0, 0, 2 * kFrame, kFrame});
  Arrow(c, 0, static_cast<TColor>(RGB(0, 0x50, 0x46)), up);
  Arrow(c, kFrame, static_cast<TColor>(RGB(0x80, 0x80, 0x80)), up);
}

void DrawUp(TCanvas& c) { Draw(c, true); }
void DrawDown(TCanvas& c) { Draw(c, false); }

}  // namespace

int main(int argc, char** argv) {
  return artkit::RunArtTool(argc, argv, "boot_pictures",
                            {{"ArrowUp.bmp", 2 * kFrame, kFrame, DrawUp}, {"ArrowDown.bmp", 2 * kFrame, kFrame, DrawDown}});
}
