// gridart: draws the advanced grid's painted pictures (our own art) as
// bitmap files at build time: the filter glyph of a header cell (ESGFILT).
//
//   grid_art <folder>   writes <folder>/ESGFILT.bmp
//
// Each picture's top-left pixel holds its transparent colour (magenta), as
// the grid draws these pictures with that corner's colour left out.
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/BmpCodec.h"

namespace {

constexpr plat::TPixel Transparent = 0xFF00FF;

// A picture from rows of characters, each character one pixel.
plat::Bitmap FromRows(const std::vector<std::string>& Rows, const std::map<char, plat::TPixel>& Colours) {
  plat::Bitmap picture(static_cast<int>(Rows.front().size()), static_cast<int>(Rows.size()));
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x) picture.Put(x, y, Colours.at(Rows[y][x]));
  return picture;
}

// A funnel: a dark outline, a blue body with a light stroke on its left.
plat::Bitmap FilterGlyph() {
  // clang-format off
  return FromRows(
      {
          "................",
          "................",
          "................",
          "..############..",
          "..#wooooooooo#..",
          "...#woooooooo#..",
          "....#woooooo#...",
          ".....#woooo#....",
          "......#wo.#.....",
          "......#wo#......",
          "......#wo#......",
          "......#wo#......",
          "......#wo#......",
          "......####......",
          "................",
          "................",
      },
      {{'.', Transparent}, {'#', 0x203040}, {'o', 0x3060B0}, {'w', 0xB0C8F0}});
  // clang-format on
}

void Write(const std::string& Path, const plat::Bitmap& Picture) {
  const std::vector<plat::Byte> bytes = plat::WriteBmp(Picture);
  std::ofstream out(Path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + Path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: grid_art <folder>\n";
    return 2;
  }
  try {
    Write(std::string(argv[1]) + "/ESGFILT.bmp", FilterGlyph());
  } catch (const std::exception& error) {
    std::cerr << "grid_art: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
