// gridart: draws the advanced grid's painted pictures (our own art) as
// bitmap files at build time:
//   ESGFILT                 the filter glyph of a header cell;
//   ESGCHK01 .. ESGCHK04    silver check boxes: checked, unchecked, checked
//                           disabled, unchecked disabled;
//   ESGCHK05 .. ESGCHK08    the same four in the XP look;
//   ESGRAD01 .. ESGRAD08    radio buttons, in the same order and looks;
//   ESGLEAFCLOSE/OPEN       a closed and an open folder for leaf nodes;
//   XPNODEC/XPNODEO         the XP look's plus and minus node boxes;
//   ESGCLOSE/H/D            the search bar's close button: normal, hot, down;
//   ESGARDOWN/D, ESGARUP/D  its find next and find previous buttons, and
//                           their disabled looks;
//   ESGHI/D                 its highlight button, and its disabled look.
//
//   grid_art <folder>   writes <folder>/<name>.bmp for each of them
//
// Each picture's corner pixels hold its transparent colour (magenta): the
// grid leaves out the top-left pixel's colour, the search bar's buttons the
// bottom-left one's.
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/BmpCodec.h"

namespace {

using plat::TPixel;

constexpr TPixel Transparent = 0xFF00FF;

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

// The colour Part of the way (0..1) from one colour to another.
TPixel Blend(TPixel From, TPixel To, double Part) {
  TPixel mixed = 0;
  for (int shift : {0, 8, 16}) {
    const double a = (From >> shift) & 0xFF, b = (To >> shift) & 0xFF;
    mixed |= static_cast<TPixel>(std::lround(a + (b - a) * Part)) << shift;
  }
  return mixed;
}

// A funnel: a dark outline, a blue body with a light stroke on its left.
plat::Bitmap FilterGlyph() {
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

// The colours of a control look, enabled or not.
struct TControlColours {
  TPixel Frame;
  TPixel FillTop;
  TPixel FillBottom;
  TPixel Mark;
};

const TControlColours SilverEnabled{0x6E7378, 0xFFFFFF, 0xD9DCE0, 0x202428};
const TControlColours SilverDisabled{0xB4B7BA, 0xF2F2F2, 0xE6E6E6, 0xA8ABAE};
const TControlColours XPEnabled{0x1C5180, 0xDCDCD7, 0xFFFFFF, 0x21A121};
const TControlColours XPDisabled{0xCAC8BB, 0xF5F4EA, 0xF5F4EA, 0xCAC8BB};

// A 15-pixel glyph: a 13-pixel box inside a transparent ring, its inside
// shaded from top to bottom, with a tick when checked.
plat::Bitmap CheckGlyph(const TControlColours& Look, bool Checked) {
  constexpr int Size = 15;
  plat::Bitmap picture(Size, Size);
  picture.Fill(Transparent);
  for (int y = 1; y < Size - 1; ++y)
    for (int x = 1; x < Size - 1; ++x) {
      const bool frame = x == 1 || y == 1 || x == Size - 2 || y == Size - 2;
      picture.Put(x, y, frame ? Look.Frame : Blend(Look.FillTop, Look.FillBottom, (y - 2) / 10.0));
    }
  if (!Checked) return picture;
  // clang-format off
  const std::vector<std::string> tick = {
      "......#",
      ".....##",
      "#...###",
      "##.###.",
      "#####..",
      ".###...",
      "..#....",
  };
  // clang-format on
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x)
      if (tick[y][x] == '#') picture.Put(x + 4, y + 4, Look.Mark);
  return picture;
}

// A 13-pixel round button: a ring, a shaded inside, a dot when selected.
plat::Bitmap RadioGlyph(const TControlColours& Look, bool Selected) {
  constexpr int Size = 13;
  constexpr double Centre = 6.0;
  plat::Bitmap picture(Size, Size);
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      const double d = std::hypot(x - Centre, y - Centre);
      TPixel p = Transparent;
      if (d <= 6.3) p = Look.Frame;
      if (d <= 5.3) p = Blend(Look.FillTop, Look.FillBottom, y / 12.0);
      if (Selected && d <= 2.6) p = Look.Mark;
      picture.Put(x, y, p);
    }
  return picture;
}

// A folder, shut or open, for the nodes of the leaf look.
plat::Bitmap LeafGlyph(bool Open) {
  const std::map<char, TPixel> colours = {
      {'.', Transparent}, {'#', 0x8A6418}, {'y', 0xF6D66E}, {'o', 0xE6B43C}, {'w', 0xFFF4C8}};
  if (!Open)
    return FromRows(
        {
            "............",
            "..####......",
            ".#wwww#.....",
            ".#wyyyy####.",
            ".#yyyyyyyy#.",
            ".#oooooooo#.",
            ".#oooooooo#.",
            ".#oooooooo#.",
            ".#oooooooo#.",
            ".#oooooooo#.",
            ".##########.",
            "............",
        },
        colours);
  return FromRows(
      {
          "............",
          "..####......",
          ".#wwww#.....",
          ".#wyyyy####.",
          ".#y########.",
          ".#y#wwwwwww#",
          ".#y#yyyyyyy#",
          ".##oooooooo#",
          ".##ooooooo#.",
          ".#oooooooo#.",
          ".##########.",
          "............",
      },
      colours);
}

// The XP look's 9-pixel node box with rounded corners, plus or minus.
plat::Bitmap XPNodeGlyph(bool Contracted) {
  constexpr int Size = 9;
  plat::Bitmap picture(Size, Size);
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      const bool corner = (x == 0 || x == Size - 1) && (y == 0 || y == Size - 1);
      const bool frame = x == 0 || y == 0 || x == Size - 1 || y == Size - 1;
      picture.Put(x, y, corner ? Transparent : frame ? 0x7A8899 : Blend(0xFFFFFF, 0xC4CBD6, (y - 1) / 6.0));
    }
  for (int i = 2; i <= 6; ++i) {
    picture.Put(i, 4, 0x000000);
    if (Contracted) picture.Put(4, i, 0x000000);
  }
  return picture;
}

void Write(const std::string& Path, const plat::Bitmap& Picture) {
  const std::vector<plat::Byte> bytes = plat::WriteBmp(Picture);
  std::ofstream out(Path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + Path);
}

// The pictures by name, in the numbering the grid loads them by.
std::map<std::string, plat::Bitmap> Pictures() {
  std::map<std::string, plat::Bitmap> pictures;
  pictures.emplace("ESGFILT", FilterGlyph());
  // Checked, unchecked, checked disabled, unchecked disabled; silver, then XP.
  const TControlColours* looks[2][2] = {{&SilverEnabled, &SilverDisabled}, {&XPEnabled, &XPDisabled}};
  int number = 1;
  for (const auto& look : looks)
    for (const TControlColours* colours : {look[0], look[0], look[1], look[1]}) {
      const bool on = number % 2 == 1;
      const std::string suffix = (number < 10 ? "0" : "") + std::to_string(number);
      pictures.emplace("ESGCHK" + suffix, CheckGlyph(*colours, on));
      pictures.emplace("ESGRAD" + suffix, RadioGlyph(*colours, on));
      ++number;
    }
  pictures.emplace("ESGLEAFCLOSE", LeafGlyph(false));
  pictures.emplace("ESGLEAFOPEN", LeafGlyph(true));
  pictures.emplace("XPNODEC", XPNodeGlyph(true));
  pictures.emplace("XPNODEO", XPNodeGlyph(false));
  pictures.emplace("ESGCLOSE", CloseGlyph(CloseLook::Normal));
  pictures.emplace("ESGCLOSEH", CloseGlyph(CloseLook::Hot));
  pictures.emplace("ESGCLOSED", CloseGlyph(CloseLook::Down));
  const plat::Bitmap down = ArrowDownGlyph();
  const plat::Bitmap up = FlippedVertically(down);
  const plat::Bitmap highlight = HighlightGlyph();
  pictures.emplace("ESGARDOWN", down);
  pictures.emplace("ESGARDOWND", Greyed(down));
  pictures.emplace("ESGARUP", up);
  pictures.emplace("ESGARUPD", Greyed(up));
  pictures.emplace("ESGHI", highlight);
  pictures.emplace("ESGHID", Greyed(highlight));
  return pictures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: grid_art <folder>\n";
    return 2;
  }
  try {
    for (const auto& [name, picture] : Pictures()) Write(std::string(argv[1]) + "/" + name + ".bmp", picture);
  } catch (const std::exception& error) {
    std::cerr << "grid_art: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
