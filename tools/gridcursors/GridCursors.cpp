// gridcursors: draws the advanced grid's mouse pointers (our own art) as
// cursor files at build time: the pan cursor and its eight directions
// (8000-8008), the link hand (8009), the row, column and whole-grid
// selection arrows (8010-8012) and the fixed-cell sizing pointer (8014).
//
//   grid_cursors <folder>   writes <folder>/8000.cur ... <folder>/8014.cur
//
// Every pointer is a black shape with a one-pixel white outline, so it
// shows on light and dark cells alike.
#include <cmath>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/IcoCodec.h"

namespace {

constexpr int Size = 32;
constexpr double Centre = 15.5;

// Where the shape is inked; the outline is added around it.
class Ink {
 public:
  Ink() : FCells(Size * Size, false) {}

  // Inks every pixel whose centre lies inside.
  void Fill(const std::function<bool(double, double)>& inside) {
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x)
        if (inside(x + 0.5, y + 0.5)) FCells[y * Size + x] = true;
  }
  void Disc(double cx, double cy, double r) {
    Fill([=](double x, double y) { return std::hypot(x - cx, y - cy) <= r; });
  }
  void Rect(double left, double top, double right, double bottom) {
    Fill([=](double x, double y) { return x >= left && x <= right && y >= top && y <= bottom; });
  }
  // An arrowhead from the point at distance Near from (cx, cy) to the tip at
  // distance Far, in direction (dx, dy), HalfWidth wide at its base.
  void Head(double cx, double cy, double dx, double dy, double nearDistance, double farDistance, double halfWidth) {
    Along(cx, cy, dx, dy, [=](double along, double across) {
      return along >= nearDistance && along <= farDistance &&
             across <= halfWidth * (farDistance - along) / (farDistance - nearDistance);
    });
  }
  // A bar from distance Near to Far along the direction, HalfWidth thick.
  void Shaft(double cx, double cy, double dx, double dy, double nearDistance, double farDistance, double halfWidth) {
    Along(cx, cy, dx, dy, [=](double along, double across) {
      return along >= nearDistance && along <= farDistance && across <= halfWidth;
    });
  }
  void Rows(int left, int top, const std::vector<const char*>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r)
      for (int c = 0; rows[r][c]; ++c)
        if (rows[r][c] == 'X') FCells[(top + r) * Size + left + c] = true;
  }

  // Fills by a test on the distance along the direction (dx, dy) from
  // (cx, cy) and the distance across it.
  void Along(double cx, double cy, double dx, double dy, const std::function<bool(double, double)>& inside) {
    const double length = std::hypot(dx, dy);
    const double ux = dx / length, uy = dy / length;
    Fill([=](double x, double y) {
      return inside((x - cx) * ux + (y - cy) * uy, std::abs(-(x - cx) * uy + (y - cy) * ux));
    });
  }

  // Black where inked, white around it, transparent elsewhere.
  plat::IconImage Picture(plat::TPoint hotSpot) const {
    plat::IconImage image{std::make_unique<plat::Bitmap>(Size, Size), 32, hotSpot};
    image.Image->Fill(0);
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x) {
        if (At(x, y))
          image.Image->Put(x, y, 0xFF000000u);
        else if (Near(x, y))
          image.Image->Put(x, y, 0xFFFFFFFFu);
      }
    return image;
  }

 private:
  bool At(int x, int y) const { return x >= 0 && y >= 0 && x < Size && y < Size && FCells[y * Size + x]; }
  bool Near(int x, int y) const {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (At(x + dx, y + dy)) return true;
    return false;
  }
  std::vector<bool> FCells;
};

// The pan marker: a ring with a dot at the start point and, for a
// direction, the arrowhead that way; no direction shows all four.
Ink Pan(int dx, int dy) {
  Ink ink;
  ink.Fill([](double x, double y) {
    const double d = std::hypot(x - Centre, y - Centre);
    return d <= 4.5 && d >= 2.5;
  });
  ink.Disc(Centre, Centre, 0.8);
  auto head = [&ink](double hx, double hy) { ink.Head(Centre, Centre, hx, hy, 7, 14, 5); };
  if (dx == 0 && dy == 0) {
    head(1, 0);
    head(-1, 0);
    head(0, 1);
    head(0, -1);
  } else {
    head(dx, dy);
  }
  return ink;
}

// A thick arrow pointing (dx, dy) whose tip is the hot spot.
Ink Arrow(double dx, double dy) {
  Ink ink;
  ink.Shaft(Centre, Centre, dx, dy, -9, 2, 2);
  ink.Head(Centre, Centre, dx, dy, 1, 10, 6);
  return ink;
}

plat::TPoint ArrowTip(double dx, double dy) {
  const double length = std::hypot(dx, dy);
  return {static_cast<int>(std::floor(Centre + 9 * dx / length)), static_cast<int>(std::floor(Centre + 9 * dy / length))};
}

Ink Hand() {
  Ink ink;
  // clang-format off
  ink.Rows(9, 3, {
                     "  XX",
                     " XXXX",
                     " XXXX",
                     " XXXX",
                     " XXXX",
                     " XXXXXX",
                     " XXXXXXXXX",
                     " XXXXXXXXXXXX",
                     "XXXXXXXXXXXXX",
                     "XXXXXXXXXXXXX",
                     "XXXXXXXXXXXXX",
                     " XXXXXXXXXXXX",
                     " XXXXXXXXXXX",
                     "  XXXXXXXXXX",
                     "  XXXXXXXXX",
                     "   XXXXXXXX",
                     "   XXXXXXXX",
                 });
  // clang-format on
  return ink;
}

// Two arrowheads apart and a double bar between them: a border being dragged.
Ink Sizing() {
  Ink ink;
  ink.Rect(14, 6, 14.9, 25);
  ink.Rect(17, 6, 17.9, 25);
  ink.Shaft(Centre, Centre, 1, 0, -9, 9, 1);
  ink.Head(Centre, Centre, 1, 0, 5, 12, 5);
  ink.Head(Centre, Centre, -1, 0, 5, 12, 5);
  return ink;
}

void Write(const std::string& path, plat::IconImage image) {
  plat::IconFile file;
  file.Cursor = true;
  file.Images.push_back(std::move(image));
  const std::vector<plat::Byte> bytes = plat::WriteIco(file);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: grid_cursors <folder>\n";
    return 2;
  }
  const std::string folder = argv[1];
  const plat::TPoint centre{15, 15};
  try {
    // 8000 no direction; 8001 down, 8002 left, 8003 right, 8004 up,
    // 8005 up-right, 8006 up-left, 8007 down-right, 8008 down-left.
    const int directions[9][2] = {{0, 0}, {0, 1}, {-1, 0}, {1, 0}, {0, -1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};
    for (int i = 0; i < 9; ++i)
      Write(folder + "/" + std::to_string(8000 + i) + ".cur", Pan(directions[i][0], directions[i][1]).Picture(centre));
    Write(folder + "/8009.cur", Hand().Picture({11, 3}));
    Write(folder + "/8010.cur", Arrow(1, 0).Picture(ArrowTip(1, 0)));    // a row: pointing right
    Write(folder + "/8011.cur", Arrow(0, 1).Picture(ArrowTip(0, 1)));    // a column: pointing down
    Write(folder + "/8012.cur", Arrow(1, 1).Picture(ArrowTip(1, 1)));    // everything: pointing down-right
    Write(folder + "/8014.cur", Sizing().Picture(centre));
  } catch (const std::exception& error) {
    std::cerr << "grid_cursors: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
