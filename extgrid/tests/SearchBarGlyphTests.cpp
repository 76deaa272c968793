// The search bar's button glyphs as the grid's resources carry them: every
// name there, the size of its button face, see-through corners, the states
// of one glyph sharing its silhouette, disabled glyphs grey and the up arrow
// the down arrow turned over. A sheet of them all is kept in the build
// folder, eight times enlarged, for a person to look at.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/TBitmap.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

using plat::Bitmap;
using plat::TPixel;

constexpr TPixel Transparent = 0xFF00FF;

struct GlyphCase {
  const char* Name;
  int Size;
  const char* SameSilhouetteAs;  // another state of the same button, or null
  bool Grey;
};

const GlyphCase kGlyphs[] = {
    {"ESGCLOSE", 12, nullptr, false},  {"ESGCLOSEH", 12, nullptr, false},     {"ESGCLOSED", 12, "ESGCLOSEH", false},
    {"ESGARDOWN", 16, nullptr, false}, {"ESGARDOWND", 16, "ESGARDOWN", true}, {"ESGARUP", 16, nullptr, false},
    {"ESGARUPD", 16, "ESGARUP", true}, {"ESGHI", 16, nullptr, false},         {"ESGHID", 16, "ESGHI", true},
};

Bitmap Load(const std::string& Name) {
  plat::TBitmap bitmap;
  bitmap.LoadFromResourceName(nullptr, Name);
  return *bitmap.Image();
}

TPixel Rgb(const Bitmap& Picture, int X, int Y) { return Picture.At(X, Y) & 0xFFFFFF; }

bool Visible(const Bitmap& Picture, int X, int Y) { return Rgb(Picture, X, Y) != Transparent; }

bool IsGrey(TPixel P) { return ((P >> 16) & 0xFF) == ((P >> 8) & 0xFF) && ((P >> 8) & 0xFF) == (P & 0xFF); }

TEST(SearchBarGlyphs, EachIsAResourceOfItsButtonsSizeWithSeeThroughCorners) {
  for (const GlyphCase& c : kGlyphs) {
    SCOPED_TRACE(c.Name);
    const Bitmap glyph = Load(c.Name);
    ASSERT_EQ(glyph.Width(), c.Size);
    ASSERT_EQ(glyph.Height(), c.Size);
    // The grid's transparent drawing takes the top-left pixel's colour, the
    // button's the bottom-left one's.
    EXPECT_EQ(Rgb(glyph, 0, 0), Transparent);
    EXPECT_EQ(Rgb(glyph, 0, c.Size - 1), Transparent);
    int visible = 0;
    for (int y = 0; y < c.Size; ++y)
      for (int x = 0; x < c.Size; ++x) visible += Visible(glyph, x, y);
    EXPECT_GT(visible, c.Size * c.Size / 5) << "a glyph, not a speck";
  }
}

TEST(SearchBarGlyphs, StatesOfAButtonShareTheShapeAndDisabledOnesAreGrey) {
  for (const GlyphCase& c : kGlyphs) {
    if (!c.SameSilhouetteAs) continue;
    SCOPED_TRACE(c.Name);
    const Bitmap state = Load(c.Name);
    const Bitmap other = Load(c.SameSilhouetteAs);
    int differing = 0;
    for (int y = 0; y < c.Size; ++y)
      for (int x = 0; x < c.Size; ++x) {
        EXPECT_EQ(Visible(state, x, y), Visible(other, x, y)) << x << "," << y;
        if (Visible(state, x, y)) {
          if (c.Grey) {
            EXPECT_TRUE(IsGrey(Rgb(state, x, y))) << x << "," << y;
          }
          differing += Rgb(state, x, y) != Rgb(other, x, y);
        }
      }
    EXPECT_GT(differing, 0) << "a state that looks like another";
  }
}

TEST(SearchBarGlyphs, TheCloseCrossStandsOnATileOnlyUnderTheMouse) {
  const Bitmap normal = Load("ESGCLOSE");
  const Bitmap hot = Load("ESGCLOSEH");
  // The tile's edge, next to the corner.
  EXPECT_FALSE(Visible(normal, 1, 0));
  EXPECT_TRUE(Visible(hot, 1, 0));
  // The cross's centre in both.
  EXPECT_TRUE(Visible(normal, 5, 5));
  EXPECT_TRUE(Visible(hot, 5, 5));
}

TEST(SearchBarGlyphs, FindPreviousIsFindNextTurnedOver) {
  const Bitmap down = Load("ESGARDOWN");
  const Bitmap up = Load("ESGARUP");
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(Rgb(up, x, y), Rgb(down, x, 15 - y)) << x << "," << y;
}

TEST(SearchBarGlyphs, ASheetOfThemAllIsKeptForAPersonToLookAt) {
  constexpr int Zoom = 8, Cell = 16 * Zoom + 8;
  const int count = static_cast<int>(std::size(kGlyphs));
  Bitmap sheet(count * Cell, Cell);
  for (int y = 0; y < sheet.Height(); ++y)
    for (int x = 0; x < sheet.Width(); ++x) sheet.Put(x, y, 0xD4D0C8);  // a button's face
  for (int i = 0; i < count; ++i) {
    const Bitmap glyph = Load(kGlyphs[i].Name);
    for (int y = 0; y < glyph.Height() * Zoom; ++y)
      for (int x = 0; x < glyph.Width() * Zoom; ++x)
        if (Visible(glyph, x / Zoom, y / Zoom)) sheet.Put(i * Cell + 4 + x, 4 + y, glyph.At(x / Zoom, y / Zoom));
  }
  EXPECT_FALSE(testing::KeepForInspection(sheet, "extgrid/search-bar-glyphs.png").empty());
}

}  // namespace
}  // namespace zorbit
