// main_pictures <folder>: draws the main window's pictures (our own art) as
// BMP files: the header in three parts (MainLeft.bmp and MainRight.bmp,
// 200 x 130, and MainMiddle.bmp, 246 x 130, which the window stretches, so
// it changes only from top to bottom), the body behind the links
// (MainBody.bmp, 640 x 321, with a large picture in each link's 121 x 113
// click area), the bar under each link's name (MainLink.bmp, 165 x 27) and
// the face of the Help and About buttons (MainButton.bmp, 64 x 24).
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "tools/artkit/ArtTool.h"

namespace {

using namespace plat;

constexpr int kHeaderHeight = 130;
constexpr int kBodyWidth = 640;
constexpr int kBodyHeight = 321;
constexpr int kTileWidth = 121;
constexpr int kTileHeight = 113;

// The program's colours: the window's teal (its font colour) and shades of it.
struct TRgb {
  int R, G, B;
};
constexpr TRgb kTeal{0, 0x50, 0x46};
constexpr TRgb kDeepTeal{0, 0x3A, 0x33};
constexpr TRgb kBrightTeal{0, 0x78, 0x69};
constexpr TRgb kAccent{120, 210, 196};
constexpr TRgb kWhite{255, 255, 255};
constexpr TRgb kMist{226, 238, 236};
constexpr TRgb kPaleMist{242, 247, 246};

TColor Color(TRgb c) { return static_cast<TColor>(RGB(c.R, c.G, c.B)); }

TColor Mix(TRgb a, TRgb b, int step, int steps) {
  auto at = [&](int x, int y) { return x + (y - x) * step / steps; };
  return static_cast<TColor>(RGB(at(a.R, b.R), at(a.G, b.G), at(a.B, b.B)));
}

void Fill(TCanvas& c, TColor color, const TRect& rect) {
  c.Brush()->SetColor(color);
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  c.FillRect(rect);
}

void VerticalFade(TCanvas& c, TRgb top, TRgb bottom, const TRect& rect) {
  const int steps = rect.Height();
  for (int y = 0; y < steps; ++y) Fill(c, Mix(top, bottom, y, steps), {rect.Left, rect.Top + y, rect.Right, rect.Top + y + 1});
}

void Line(TCanvas& c, TColor color, int width, std::initializer_list<TPoint> points) {
  c.Pen()->SetColor(color);
  c.Pen()->SetWidth(width);
  const TPoint* p = points.begin();
  c.MoveTo(p->X, p->Y);
  for (++p; p != points.end(); ++p) c.LineTo(p->X, p->Y);
  c.Pen()->SetWidth(1);
}

// The header's ground, the same in all three parts: light at the top,
// misty below, closed by a teal rule.
void HeaderGround(TCanvas& c, int width) {
  VerticalFade(c, kWhite, kMist, {0, 0, width, kHeaderHeight - 5});
  Fill(c, Color(kAccent), {0, kHeaderHeight - 5, width, kHeaderHeight - 4});
  Fill(c, Color(kTeal), {0, kHeaderHeight - 4, width, kHeaderHeight});
}

void DrawHeaderLeft(TCanvas& c) {
  HeaderGround(c, 200);
  // A short teal stroke above the program's name, which the window writes
  // at (16, 48).
  Fill(c, Color(kTeal), {16, 34, 56, 37});
  Fill(c, Color(kAccent), {56, 34, 72, 37});
}

void DrawHeaderMiddle(TCanvas& c) { HeaderGround(c, 246); }

// The product mark: a rounded teal square holding a "Z".
void DrawMark(TCanvas& c, int left, int top, int size) {
  c.Pen()->SetColor(Color(kAccent));
  c.Pen()->SetWidth(2);
  c.Brush()->SetColor(Color(kTeal));
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  c.RoundRect(left, top, left + size, top + size, size / 4, size / 4);
  const int m = size / 4;
  Line(c, Color(kWhite), size / 10, {{left + m, top + m}, {left + size - m, top + m}, {left + m, top + size - m},
                                     {left + size - m, top + size - m}});
}

void DrawHeaderRight(TCanvas& c) {
  HeaderGround(c, 200);
  // Soft arcs rising from the bottom right corner, the program's accent.
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  for (int i = 0; i < 5; ++i) {
    c.Pen()->SetColor(Mix(kAccent, kMist, i, 5));
    c.Pen()->SetWidth(2);
    const int r = 70 + i * 26;
    c.Ellipse(200 - r, kHeaderHeight - 5 - r, 200 + r, kHeaderHeight - 5 + r);
  }
  // The arcs must not cross the rule below.
  Fill(c, Color(kAccent), {0, kHeaderHeight - 5, 200, kHeaderHeight - 4});
  Fill(c, Color(kTeal), {0, kHeaderHeight - 4, 200, kHeaderHeight});
  DrawMark(c, 136, 52, 48);
}

// A link's large picture: a rounded tile fading from bright to deep teal
// with a light rim, on which the link's symbol is drawn.
void Tile(TCanvas& c, int left, int top) {
  constexpr int kRadius = 9;
  for (int y = 0; y < kTileHeight; ++y) {
    const int fromEdge = std::min(y, kTileHeight - 1 - y);
    const int dy = kRadius - fromEdge;
    const int inset = fromEdge < kRadius ? kRadius - static_cast<int>(std::sqrt(kRadius * kRadius - dy * dy)) : 0;
    Fill(c, Mix(kBrightTeal, kDeepTeal, y, kTileHeight), {left + inset, top + y, left + kTileWidth - inset, top + y + 1});
  }
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  c.Pen()->SetColor(Color(kAccent));
  c.Pen()->SetWidth(2);
  c.RoundRect(left + 1, top + 1, left + kTileWidth - 1, top + kTileHeight - 1, 2 * kRadius, 2 * kRadius);
  c.Pen()->SetWidth(1);
}

void DrawPadlock(TCanvas& c, int cx, int cy) {
  // The shackle, then the body with its keyhole.
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  c.Pen()->SetColor(Color(kWhite));
  c.Pen()->SetWidth(7);
  c.Arc(cx - 20, cy - 40, cx + 20, cy, cx + 20, cy - 20, cx - 20, cy - 20);
  Line(c, Color(kWhite), 7, {{cx - 20, cy - 20}, {cx - 20, cy - 4}});
  Line(c, Color(kWhite), 7, {{cx + 20, cy - 20}, {cx + 20, cy - 4}});
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(Color(kWhite));
  c.Brush()->SetColor(Color(kWhite));
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  c.RoundRect(cx - 32, cy - 6, cx + 32, cy + 40, 10, 10);
  c.Pen()->SetColor(Color(kDeepTeal));
  c.Brush()->SetColor(Color(kDeepTeal));
  c.Ellipse(cx - 7, cy + 6, cx + 7, cy + 20);
  const std::array<TPoint, 4> stem{{{cx - 4, cy + 16}, {cx + 4, cy + 16}, {cx + 6, cy + 30}, {cx - 6, cy + 30}}};
  c.Polygon(stem);
}

void DrawBootOrder(TCanvas& c, int cx, int cy) {
  // Three drives in a column, the first marked, and an arrow turning them.
  c.Pen()->SetColor(Color(kWhite));
  for (int i = 0; i < 3; ++i) {
    const int top = cy - 34 + i * 24;
    c.Brush()->SetStyle(TBrushStyle::bsSolid);
    c.Brush()->SetColor(i == 0 ? Color(kWhite) : Color(kBrightTeal));
    c.RoundRect(cx - 34, top, cx + 22, top + 18, 6, 6);
    c.Brush()->SetColor(i == 0 ? Color(kTeal) : Color(kAccent));
    c.Pen()->SetColor(i == 0 ? Color(kTeal) : Color(kAccent));
    c.Ellipse(cx + 10, top + 6, cx + 16, top + 12);
    c.Pen()->SetColor(Color(kWhite));
  }
  Line(c, Color(kAccent), 4, {{cx + 30, cy + 22}, {cx + 38, cy + 22}, {cx + 38, cy - 26}, {cx + 30, cy - 26}});
  c.Pen()->SetColor(Color(kAccent));
  c.Brush()->SetColor(Color(kAccent));
  const std::array<TPoint, 3> head{{{cx + 26, cy - 26}, {cx + 34, cy - 33}, {cx + 34, cy - 19}}};
  c.Polygon(head);
}

void DrawChip(TCanvas& c, int cx, int cy) {
  // A processor with its pins, an "i" on its face.
  for (int i = -2; i <= 2; ++i) {
    const int at = i * 11;
    Line(c, Color(kAccent), 3, {{cx + at, cy - 38}, {cx + at, cy + 38}});
    Line(c, Color(kAccent), 3, {{cx - 38, cy + at}, {cx + 38, cy + at}});
  }
  c.Pen()->SetColor(Color(kWhite));
  c.Brush()->SetColor(Color(kWhite));
  c.Brush()->SetStyle(TBrushStyle::bsSolid);
  c.RoundRect(cx - 29, cy - 29, cx + 29, cy + 29, 8, 8);
  c.Pen()->SetColor(Color(kTeal));
  c.Brush()->SetColor(Color(kTeal));
  c.Ellipse(cx - 4, cy - 19, cx + 4, cy - 11);
  Fill(c, Color(kTeal), {cx - 4, cy - 6, cx + 4, cy + 18});
  Fill(c, Color(kTeal), {cx - 9, cy - 6, cx + 4, cy - 2});
  Fill(c, Color(kTeal), {cx - 9, cy + 15, cx + 9, cy + 19});
}

void DrawBody(TCanvas& c) {
  VerticalFade(c, kWhite, kPaleMist, {0, 0, kBodyWidth, kBodyHeight});
  struct TPlace {
    int Left, Top;
    void (*Symbol)(TCanvas&, int, int);
  };
  for (const TPlace& tile : {TPlace{24, 38, DrawPadlock}, TPlace{24, 182, DrawBootOrder}, TPlace{328, 38, DrawChip}}) {
    Tile(c, tile.Left, tile.Top);
    tile.Symbol(c, tile.Left + kTileWidth / 2, tile.Top + kTileHeight / 2);
  }
}

void DrawLink(TCanvas& c) {
  VerticalFade(c, kBrightTeal, kTeal, {0, 0, 165, 27});
  Fill(c, Color(kAccent), {0, 0, 165, 1});
  Fill(c, Color(kDeepTeal), {0, 26, 165, 27});
  // A chevron at the right end: this bar leads somewhere.
  Line(c, Color(kAccent), 2, {{149, 8}, {155, 13}, {149, 18}});
}

void DrawButton(TCanvas& c) {
  // The top-left pixel is the transparent colour of an image button.
  Fill(c, static_cast<TColor>(RGB(255, 0, 255)), {0, 0, 64, 24});
  for (int y = 1; y < 23; ++y) Fill(c, Mix(kWhite, kMist, y, 23), {1, y, 63, y + 1});
  c.Brush()->SetStyle(TBrushStyle::bsClear);
  c.Pen()->SetColor(Color(kAccent));
  c.RoundRect(0, 0, 64, 24, 8, 8);
}

}  // namespace

int main(int argc, char** argv) {
  return artkit::RunArtTool(argc, argv, "main_pictures",
                            {{"MainLeft.bmp", 200, kHeaderHeight, DrawHeaderLeft},
                             {"MainMiddle.bmp", 246, kHeaderHeight, DrawHeaderMiddle},
                             {"MainRight.bmp", 200, kHeaderHeight, DrawHeaderRight},
                             {"MainBody.bmp", kBodyWidth, kBodyHeight, DrawBody},
                             {"MainLink.bmp", 165, 27, DrawLink},
                             {"MainButton.bmp", 64, 24, DrawButton}});
}
