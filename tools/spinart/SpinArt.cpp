// spin_art <folder>: draws the arrows of the spin editor's buttons (our own
// art) as BMP files, EsgSpinUp.bmp and EsgSpinDown.bmp: each 9 x 6, a black
// triangle on magenta, whose bottom-left pixel the buttons leave out.
#include <array>

#include "platform/gdi/TBitmap.h"
#include "tools/artkit/ArtTool.h"

namespace {

using namespace plat;

constexpr int kWidth = 9;
constexpr int kHeight = 6;

// Rows 1 to 4 hold the triangle, one pixel wider on each side per row.
void Draw(TCanvas& c, bool up) {
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  c.Brush()->SetColor(static_cast<TColor>(RGB(255, 0, 255)));
  c.FillRect({0, 0, kWidth, kHeight});
  c.Brush()->SetColor(clBlack);
  for (int step = 0; step < 4; ++step) {
    const int row = up ? 1 + step : 4 - step;
    c.FillRect({4 - step, row, 5 + step, row + 1});
  }
}

void DrawUp(TCanvas& c) { Draw(c, true); }
void DrawDown(TCanvas& c) { Draw(c, false); }

}  // namespace

int main(int argc, char** argv) {
  return artkit::RunArtTool(argc, argv, "spin_art",
                            {{"EsgSpinUp.bmp", kWidth, kHeight, DrawUp}, {"EsgSpinDown.bmp", kWidth, kHeight, DrawDown}});
}
