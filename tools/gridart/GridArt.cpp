// gridart: draws the advanced grid's painted pictures (our own art) as
// bitmap files at build time: the filter glyph of a header cell (ESGFILT)
// and the glyphs of the search bar's buttons: close (ESGCLOSE, hot
// ESGCLOSEH, down ESGCLOSED), find next (ESGARDOWN, disabled ESGARDOWND),
// find previous (ESGARUP, disabled ESGARUPD) and highlight (ESGHI,
// disabled ESGHID).
//
//   grid_art <folder>   writes <folder>/<name>.bmp for each of them
//
// Each picture's corner pixels hold its transparent colour (magenta): the
// grid leaves out the top-left pixel's colour, the search bar's buttons the
// bottom-left one's.
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

struct TNamedPicture {
  std::string Name;
  plat::Bitmap Picture;
};

// A picture from rows of characters, each character one pixel.
plat::Bitmap FromRows(const std::vector<std::string>& Rows, const std::map<char, plat::TPixel>& Colours) {
  const std::size_t width = Rows.front().size();
  plat::Bitmap picture(static_cast<int>(width), static_cast<int>(Rows.size()));
  for (int y = 0; y < picture.Height(); ++y) {
    const std::string& row = Rows[static_cast<std::size_t>(y)];
    if (row.size() != width) throw std::logic_error("picture row " + std::to_string(y) + " has the wrong width");
    for (int x = 0; x < picture.Width(); ++x) picture.Put(x, y, Colours.at(row[static_cast<std::size_t>(x)]));
  }
  return picture;
}

// The same picture upside down.
plat::Bitmap FlippedVertically(const plat::Bitmap& Picture) {
  plat::Bitmap flipped(Picture.Width(), Picture.Height());
  for (int y = 0; y < Picture.Height(); ++y)
    for (int x = 0; x < Picture.Width(); ++x) flipped.Put(x, Picture.Height() - 1 - y, Picture.At(x, y));
  return flipped;
}

// A disabled button's picture: each visible pixel turned to a light grey
// of its brightness (the grey level halved, plus 96), the silhouette kept.
plat::Bitmap Greyed(const plat::Bitmap& Picture) {
  plat::Bitmap grey(Picture.Width(), Picture.Height());
  for (int y = 0; y < Picture.Height(); ++y)
    for (int x = 0; x < Picture.Width(); ++x) {
      const plat::TPixel p = Picture.At(x, y) & 0xFFFFFF;
      if (p == Transparent) {
        grey.Put(x, y, Transparent);
        continue;
      }
      const unsigned level = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) + 1) / 3 / 2 + 96;
      grey.Put(x, y, (level << 16) | (level << 8) | level);
    }
  return grey;
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

enum class CloseLook { Normal, Hot, Down };

// The close button's cross: dark grey at rest; white on a red tile under
// the mouse, on a darker red one while pressed. 12 x 12, the button's face.
plat::Bitmap CloseGlyph(CloseLook Look) {
  // clang-format off
  const std::vector<std::string> bare = {
      "............",
      "............",
      "..xx....xx..",
      "..xxx..xxx..",
      "...xxxxxx...",
      "....xxxx....",
      "....xxxx....",
      "...xxxxxx...",
      "..xxx..xxx..",
      "..xx....xx..",
      "............",
      "............",
  };
  const std::vector<std::string> onTile = {
      ".tttttttttt.",
      "tttttttttttt",
      "ttxxttttxxtt",
      "ttxxxttxxxtt",
      "tttxxxxxxttt",
      "ttttxxxxtttt",
      "ttttxxxxtttt",
      "tttxxxxxxttt",
      "ttxxxttxxxtt",
      "ttxxttttxxtt",
      "tttttttttttt",
      ".tttttttttt.",
  };
  // clang-format on
  switch (Look) {
    case CloseLook::Normal: return FromRows(bare, {{'.', Transparent}, {'x', 0x505050}});
    case CloseLook::Hot: return FromRows(onTile, {{'.', Transparent}, {'t', 0xD83C30}, {'x', 0xFFFFFF}});
    case CloseLook::Down: return FromRows(onTile, {{'.', Transparent}, {'t', 0x9C2018}, {'x', 0xF0F0F0}});
  }
  throw std::logic_error("unknown close look");
}

// Find next: a blue arrow pointing down, lit on its left side.
plat::Bitmap ArrowDownGlyph() {
  // clang-format off
  return FromRows(
      {
          "................",
          "................",
          "......####......",
          "......#wo#......",
          "......#wo#......",
          "......#wo#......",
          "......#wo#......",
          "..#####wo#####..",
          "...#wwwooooo#...",
          "....#wwoooo#....",
          ".....#wooo#.....",
          "......#wo#......",
          ".......##.......",
          "................",
          "................",
          "................",
      },
      {{'.', Transparent}, {'#', 0x1F3F7F}, {'o', 0x3A78D8}, {'w', 0xA8C8F8}});
  // clang-format on
}

// Highlight: a yellow marker with a dark cap, and the stroke it drew.
plat::Bitmap HighlightGlyph() {
  // clang-format off
  return FromRows(
      {
          "................",
          "..........##....",
          ".........#cc#...",
          "........#yccc#..",
          ".......#yyyccc#.",
          "......#yyyyyc#..",
          ".....#yyyyyy#...",
          "....#yyyyyy#....",
          "...#yyyyyy#.....",
          "....#yyyy#......",
          "...#tyyy#.......",
          "..#tt###........",
          "...##...........",
          ".iiiiiiiiiii....",
          ".iiiiiiiiiii....",
          "................",
      },
      {{'.', Transparent},
       {'#', 0x5A4A10},
       {'y', 0xF4D23C},
       {'c', 0x4A4A4A},
       {'t', 0xE0A800},
       {'i', 0xF8E048}});
  // clang-format on
}

std::vector<TNamedPicture> Pictures() {
  const plat::Bitmap down = ArrowDownGlyph();
  const plat::Bitmap up = FlippedVertically(down);
  const plat::Bitmap highlight = HighlightGlyph();
  std::vector<TNamedPicture> pictures;
  pictures.push_back({"ESGFILT", FilterGlyph()});
  pictures.push_back({"ESGCLOSE", CloseGlyph(CloseLook::Normal)});
  pictures.push_back({"ESGCLOSEH", CloseGlyph(CloseLook::Hot)});
  pictures.push_back({"ESGCLOSED", CloseGlyph(CloseLook::Down)});
  pictures.push_back({"ESGARDOWN", down});
  pictures.push_back({"ESGARDOWND", Greyed(down)});
  pictures.push_back({"ESGARUP", up});
  pictures.push_back({"ESGARUPD", Greyed(up)});
  pictures.push_back({"ESGHI", highlight});
  pictures.push_back({"ESGHID", Greyed(highlight)});
  return pictures;
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
    for (const TNamedPicture& picture : Pictures())
      Write(std::string(argv[1]) + "/" + picture.Name + ".bmp", picture.Picture);
  } catch (const std::exception& error) {
    std::cerr << "grid_art: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
