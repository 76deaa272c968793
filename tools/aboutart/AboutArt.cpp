// about_pictures <folder>: draws the About window's pictures (our own art)
// as BMP files: the background over the whole window (AboutBack.bmp, 457 x
// 321: a teal band fading down, a lighter title strip), the product mark
// (AboutMark.bmp, 64 x 64), the rule under the texts (AboutRule.bmp) and the
// close box (AboutClose.bmp, 23 x 14).
#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "tools/artkit/ArtTool.h"

namespace {

using namespace plat;

constexpr int kWidth = 457;
constexpr int kHeight = 321;
constexpr int kTitleHeight = 26;

TColor Mix(int r1, int g1, int b1, int r2, int g2, int b2, int step, int steps) {
  auto at = [&](int a, int b) { return a + (b - a) * step / steps; };
  return static_cast<TColor>(RGB(at(r1, r2), at(g1, g2), at(b1, b2)));
}

void Fill(TCanvas& c, TColor color, const TRect& rect) {
  c.Brush()->SetColor(color);
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  c.FillRect(rect);
}

void DrawBack(TCanvas& c) {
  for (int y = 0; y < kHeight; ++y)
    Fill(c, Mix(0, 0x5C, 0x50, 0, 0x2A, 0x25, y, kHeight), {0, y, kWidth, y + 1});
  Fill(c, static_cast<TColor>(RGB(0, 0x3A, 0x33)), {0, 0, kWidth, kTitleHeight});
  // Soft arcs on the right, the program's accent.
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  for (int i = 0; i < 6; ++i) {
    c.Pen()->SetColor(Mix(0, 0x6E, 0x62, 0, 0x3C, 0x35, i, 6));
    c.Pen()->SetWidth(2);
    const int r = 120 + i * 28;
    c.Ellipse(kWidth - r / 2, kHeight - r / 2 - 40, kWidth + r, kHeight + r - 40);
  }
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(static_cast<TColor>(RGB(110, 190, 180)));
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  c.Rectangle(0, 0, kWidth, kHeight);
}

void DrawMark(TCanvas& c) {
  Fill(c, static_cast<TColor>(RGB(0, 0x5C, 0x50)), {0, 0, 64, 64});
  c.Pen()->SetColor(static_cast<TColor>(RGB(120, 210, 196)));
  c.Pen()->SetWidth(3);
  c.Brush()->SetColor(static_cast<TColor>(RGB(0, 0x3A, 0x33)));
  c.RoundRect(4, 4, 60, 60, 16, 16);
  // A "Z" of three strokes.
  c.Pen()->SetColor(static_cast<TColor>(RGB(244, 250, 249)));
  c.Pen()->SetWidth(5);
  c.MoveTo(18, 19);
  c.LineTo(46, 19);
  c.LineTo(18, 45);
  c.LineTo(46, 45);
}

void DrawRule(TCanvas& c) {
  Fill(c, static_cast<TColor>(RGB(110, 190, 180)), {0, 0, 393, 1});
  Fill(c, static_cast<TColor>(RGB(0, 0x2E, 0x28)), {0, 1, 393, 2});
}

void DrawClose(TCanvas& c) {
  // The top-left pixel is the transparent colour of an image button.
  Fill(c, static_cast<TColor>(RGB(255, 0, 255)), {0, 0, 23, 14});
  c.Pen()->SetColor(static_cast<TColor>(RGB(120, 210, 196)));
  c.Brush()->SetColor(static_cast<TColor>(RGB(0, 0x5C, 0x50)));
  c.Rectangle(1, 1, 22, 13);
  c.Pen()->SetColor(static_cast<TColor>(RGB(244, 250, 249)));
  c.Pen()->SetWidth(2);
  c.MoveTo(8, 4);
  c.LineTo(15, 10);
  c.MoveTo(15, 4);
  c.LineTo(8, 10);
}

}  // namespace

int main(int argc, char** argv) {
  return artkit::RunArtTool(argc, argv, "about_pictures",
                            {{"AboutBack.bmp", kWidth, kHeight, DrawBack},
                             {"AboutMark.bmp", 64, 64, DrawMark},
                             {"AboutRule.bmp", 393, 2, DrawRule},
                             {"AboutClose.bmp", 23, 14, DrawClose}});
}
