// Fonts: which installed face draws a Windows face name, the metrics and
// extents that layouts elsewhere rely on, and the class library's TFont.
#include <gtest/gtest.h>

#include <cstdio>

#include "platform/gdi/FontResolver.h"
#include "platform/gdi/TFont.h"
#include "platform/gdi/TextOut.h"
#include "platform/gdi/tests/TextFixture.h"

namespace plat::testing {
namespace {

String FileName(const String& path) { return path.substr(path.find_last_of('/') + 1); }

TEST(FontResolution, WindowsNamesFindTheirStandIns) {
  struct Case {
    const char* Face;
    int Weight;
    bool Italic;
    Byte PitchAndFamily;
    const char* File;
    bool SyntheticBold;
    bool SyntheticItalic;
  };
  const Case cases[] = {
      {"Arial", FW_NORMAL, false, DEFAULT_PITCH, "LiberationSans-Regular.ttf", false, false},
      {"arial", FW_BOLD, false, DEFAULT_PITCH, "LiberationSans-Bold.ttf", false, false},
      {"Arial", FW_NORMAL, true, DEFAULT_PITCH, "LiberationSans-Italic.ttf", false, false},
      {"Arial Bold", FW_NORMAL, false, DEFAULT_PITCH, "LiberationSans-Bold.ttf", false, false},
      {"Times New Roman", FW_NORMAL, false, DEFAULT_PITCH, "LiberationSerif-Regular.ttf", false, false},
      {"Courier New", FW_NORMAL, false, DEFAULT_PITCH, "LiberationMono-Regular.ttf", false, false},
      {"Tahoma", FW_NORMAL, false, DEFAULT_PITCH, "tahoma.ttf", false, false},
      {"Tahoma", FW_BOLD, true, DEFAULT_PITCH, "tahomabd.ttf", false, true},
      {"MS Sans Serif", FW_NORMAL, false, DEFAULT_PITCH, "ms_sans_serif.ttf", false, false},
      {"MS Sans Serif", FW_BOLD, false, DEFAULT_PITCH, "ms_sans_serif.ttf", true, false},
      {"Symbol", FW_NORMAL, false, DEFAULT_PITCH, "symbol.ttf", false, false},
      {"Marlett", FW_NORMAL, false, DEFAULT_PITCH, "marlett.ttf", false, false},
      {"No Such Face", FW_NORMAL, false, DEFAULT_PITCH, "DejaVuSans.ttf", false, false},
      {"No Such Face", FW_NORMAL, false, FIXED_PITCH, "LiberationMono-Regular.ttf", false, false},
      {"No Such Face", FW_NORMAL, false, VARIABLE_PITCH | FF_ROMAN, "LiberationSerif-Regular.ttf", false, false},
      {"", FW_NORMAL, false, DEFAULT_PITCH | FF_MODERN, "LiberationMono-Regular.ttf", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Face);
    const FontChoice choice = ResolveFont(c.Face, c.Weight, c.Italic, c.PitchAndFamily);
    EXPECT_EQ(FileName(choice.File.Path), c.File);
    EXPECT_EQ(choice.SyntheticBold, c.SyntheticBold);
    EXPECT_EQ(choice.SyntheticItalic, c.SyntheticItalic);
  }
}

TEST(FontResolution, FallbackFaceIsDejaVuSans) { EXPECT_EQ(FileName(FallbackFontFile().Path), "DejaVuSans.ttf"); }

// The extents other modules' layout tests rely on (96 DPI, the heights a
// TFont of that size asks for: 8 pt = -11 px, 10 pt = -13 px):
//
//   face           pt | height ascent descent int.lead ext.lead avg max | "Item" "Value" "Motherboard and BIOS" "Wg"
//   Arial           8 |   12     10      2       1        0      6  15  |   19     28          109               16
//   Arial          10 |   15     12      3       2        0      8  17  |   25     33          132               20
//   Tahoma          8 |   13     11      2       2        0      7  15  |   22     26          110               16
//   Tahoma         10 |   16     13      3       3        0      8  18  |   26     32          130               19
//   MS Sans Serif   8 |   13     11      2       2        0      5  11  |   20     27          109               17
//   MS Sans Serif  10 |   16     13      3       3        0      6  14  |   25     35          137               21
//   Courier New     8 |   12      9      3       1        0      7   7  |   28     35          140               14
//   Courier New    10 |   15     11      4       2        0      8   8  |   32     40          160               16
//
// The extent's height is the font's height.
TEST(FontMetrics, DocumentedExtents) {
  struct Row {
    const char* Face;
    int Points;
    int Height, Ascent, Descent, InternalLeading, ExternalLeading, Average, Max;
    int Item, Value, Motherboard, Wg;
  };
  const Row rows[] = {
      {"Arial", 8, 12, 10, 2, 1, 0, 6, 15, 19, 28, 109, 16},
      {"Arial", 10, 15, 12, 3, 2, 0, 8, 17, 25, 33, 132, 20},
      {"Tahoma", 8, 13, 11, 2, 2, 0, 7, 15, 22, 26, 110, 16},
      {"Tahoma", 10, 16, 13, 3, 3, 0, 8, 18, 26, 32, 130, 19},
      {"MS Sans Serif", 8, 13, 11, 2, 2, 0, 5, 11, 20, 27, 109, 17},
      {"MS Sans Serif", 10, 16, 13, 3, 3, 0, 6, 14, 25, 35, 137, 21},
      {"Courier New", 8, 12, 9, 3, 1, 0, 7, 7, 28, 35, 140, 14},
      {"Courier New", 10, 15, 11, 4, 2, 0, 8, 8, 32, 40, 160, 16},
  };
  Surface surface(8, 8);
  for (const Row& row : rows) {
    TFont font;
    font.SetName(row.Face);
    font.SetSize(row.Points);
    HGDIOBJ old = SelectObject(surface.Dc(), font.Handle());
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetrics(surface.Dc(), &tm));
    std::printf("%-14s %2d | %2d %2d %d %d %d %d %2d |", row.Face, row.Points, tm.tmHeight, tm.tmAscent, tm.tmDescent,
                tm.tmInternalLeading, tm.tmExternalLeading, tm.tmAveCharWidth, tm.tmMaxCharWidth);
    SCOPED_TRACE(std::string(row.Face) + " " + std::to_string(row.Points));
    EXPECT_EQ(tm.tmHeight, row.Height);
    EXPECT_EQ(tm.tmAscent, row.Ascent);
    EXPECT_EQ(tm.tmDescent, row.Descent);
    EXPECT_EQ(tm.tmInternalLeading, row.InternalLeading);
    EXPECT_EQ(tm.tmExternalLeading, row.ExternalLeading);
    EXPECT_EQ(tm.tmAveCharWidth, row.Average);
    EXPECT_EQ(tm.tmMaxCharWidth, row.Max);
    const std::pair<const char*, int> texts[] = {
        {"Item", row.Item}, {"Value", row.Value}, {"Motherboard and BIOS", row.Motherboard}, {"Wg", row.Wg}};
    for (const auto& [text, width] : texts) {
      SIZE size;
      ASSERT_TRUE(GetTextExtentPoint32(surface.Dc(), text, static_cast<int>(std::strlen(text)), &size));
      std::printf(" %3d", size.cx);
      EXPECT_EQ(size.cx, width) << text;
      EXPECT_EQ(size.cy, row.Height) << text;
    }
    std::printf("\n");
    SelectObject(surface.Dc(), old);
  }
}

// A positive height asks for the cell; bitmap-only faces take the largest
// strike whose character height is not above the request.
TEST(FontMetrics, HeightsPickTheSize) {
  struct Case {
    const char* Face;
    int Height;
    int ExpectedHeight;
    int ExpectedInternalLeading;
  };
  const Case cases[] = {
      {"Arial", 16, 16, 2},          {"Arial", 24, 24, 3},          {"Tahoma", 13, 13, 2},
      {"Tahoma", 16, 16, 3},         {"MS Sans Serif", -11, 13, 2}, {"MS Sans Serif", -12, 13, 2},
      {"MS Sans Serif", -13, 16, 3}, {"MS Sans Serif", -16, 20, 4}, {"MS Sans Serif", -8, 13, 2},
      {"MS Sans Serif", 16, 16, 3},  {"MS Sans Serif", 19, 16, 3},  {"Arial", 0, 14, 2},
      {"Arial", -100000, 1144, 120},
  };
  Surface surface(8, 8);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Face) + " " + std::to_string(c.Height));
    Selected font(surface.Dc(), MakeFont(c.Face, c.Height));
    TEXTMETRICA tm;
    ASSERT_TRUE(GetTextMetrics(surface.Dc(), &tm));
    EXPECT_EQ(tm.tmHeight, c.ExpectedHeight);
    EXPECT_EQ(tm.tmInternalLeading, c.ExpectedInternalLeading);
  }
}

TEST(FontMetrics, StylesAreReportedAndSynthesisedBoldWidens) {
  Surface surface(8, 8);
  SIZE regular;
  SIZE bold;
  {
    Selected font(surface.Dc(), MakeFont("MS Sans Serif", -11));
    GetTextExtentPoint32(surface.Dc(), "Item", 4, &regular);
  }
  {
    Selected font(surface.Dc(), MakeFont("MS Sans Serif", -11, FW_BOLD, 0, true, true, true));
    GetTextExtentPoint32(surface.Dc(), "Item", 4, &bold);
    TEXTMETRICW tm;
    ASSERT_TRUE(GetTextMetricsW(surface.Dc(), &tm));
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_TRUE(tm.tmItalic && tm.tmUnderlined && tm.tmStruckOut);
  }
  // The overstrike adds a pixel to every advance.
  EXPECT_EQ(bold.cx, regular.cx + 4);
  EXPECT_EQ(bold.cy, regular.cy);
}

TEST(FontMetrics, SymbolFacesReportTheirCharacterSet) {
  Surface surface(8, 8);
  Selected font(surface.Dc(), MakeFont("Marlett", -13));
  TEXTMETRICA tm;
  ASSERT_TRUE(GetTextMetrics(surface.Dc(), &tm));
  EXPECT_EQ(tm.tmCharSet, SYMBOL_CHARSET);
  // Symbol faces draw their characters from the byte values: "r" is a cross.
  SIZE size;
  ASSERT_TRUE(GetTextExtentPoint32(surface.Dc(), "r", 1, &size));
  EXPECT_GT(size.cx, 0);
}

TEST(FontObject, GetObjectGivesTheDescriptionInBothForms) {
  HFONT font = MakeFont("Tahoma", -13, FW_BOLD, 900);
  LOGFONTA ansi;
  ASSERT_EQ(GetObject(font, sizeof ansi, &ansi), static_cast<int>(sizeof ansi));
  EXPECT_STREQ(ansi.lfFaceName, "Tahoma");
  EXPECT_EQ(ansi.lfHeight, -13);
  EXPECT_EQ(ansi.lfEscapement, 900);
  LOGFONTW wide;
  ASSERT_EQ(GetObject(font, sizeof wide, &wide), static_cast<int>(sizeof wide));
  EXPECT_EQ(std::u16string(wide.lfFaceName), u"Tahoma");
  EXPECT_EQ(GetObject(font, 4, &ansi), 0);
  EXPECT_TRUE(DeleteObject(font));
}

TEST(FontObject, UnterminatedAndNonAsciiNamesStayInTheField) {
  LOGFONTA font;
  std::memset(font.lfFaceName, 'x', sizeof font.lfFaceName);  // no terminator
  HFONT handle = CreateFontIndirectA(&font);
  LOGFONTA back;
  ASSERT_GT(GetObject(handle, sizeof back, &back), 0);
  EXPECT_EQ(std::strlen(back.lfFaceName), static_cast<std::size_t>(LF_FACESIZE - 1));
  DeleteObject(handle);
  // A name cut inside a character keeps whole characters only.
  TFont named;
  named.SetName(
      "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
      "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9");
  String fifteen;
  for (int i = 0; i < 15; ++i) fifteen += "\xC3\xA9";
  EXPECT_EQ(named.Name(), fifteen);
  LOGFONTA described;
  ASSERT_GT(GetObject(named.Handle(), sizeof described, &described), 0);
  EXPECT_EQ(String(described.lfFaceName), fifteen);
}

TEST(TFontClass, Defaults) {
  TFont font;
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Height(), -11);
  EXPECT_EQ(font.Color(), clWindowText);
  EXPECT_TRUE(font.Style().Empty());
  EXPECT_EQ(font.Pitch(), TFontPitch::fpDefault);
  EXPECT_EQ(font.Charset(), DEFAULT_CHARSET);
}

TEST(TFontClass, SizeAndHeightConvertAt96Dpi) {
  const std::pair<int, int> sizes[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}, {-12, 16}};
  for (const auto& [size, height] : sizes) {
    TFont font;
    font.SetSize(size);
    EXPECT_EQ(font.Height(), height) << size;
    font.SetHeight(height);
    EXPECT_EQ(font.Size(), size) << height;
  }
  TFont font;
  font.SetHeight(-15);
  EXPECT_EQ(font.Size(), 11);  // 11.25 points
}

TEST(TFontClass, OnChangeFiresOnlyForRealChanges) {
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, &font);
    ++changes;
  };
  font.SetName("MS Sans Serif");
  font.SetSize(8);
  font.SetStyle({});
  font.SetColor(clWindowText);
  font.SetName("");
  EXPECT_EQ(changes, 0);
  font.SetName("Tahoma");
  font.SetSize(10);
  font.SetStyle({TFontStyle::fsBold, TFontStyle::fsUnderline});
  font.SetColor(clRed);
  font.SetPitch(TFontPitch::fpFixed);
  font.SetCharset(SYMBOL_CHARSET);
  EXPECT_EQ(changes, 6);
  EXPECT_TRUE(font.Style().Contains(TFontStyle::fsBold));
  EXPECT_FALSE(font.Style().Contains(TFontStyle::fsItalic));
}

TEST(TFontClass, HandleFollowsTheProperties) {
  TFont font;
  font.SetName("Arial");
  font.SetSize(10);
  font.SetStyle({TFontStyle::fsItalic, TFontStyle::fsStrikeOut});
  LOGFONTA lf;
  ASSERT_GT(GetObject(font.Handle(), sizeof lf, &lf), 0);
  EXPECT_STREQ(lf.lfFaceName, "Arial");
  EXPECT_EQ(lf.lfHeight, -13);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_TRUE(lf.lfItalic && lf.lfStrikeOut && !lf.lfUnderline);
  HFONT first = font.Handle();
  EXPECT_EQ(font.Handle(), first);
  font.SetColor(clBlue);  // the colour is not the handle's
  EXPECT_EQ(font.Handle(), first);
  font.SetStyle({TFontStyle::fsBold});
  ASSERT_GT(GetObject(font.Handle(), sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
}

TEST(TFontClass, SetHandleTakesTheDescriptionWithItsEscapement) {
  TFont font;
  font.SetColor(clRed);
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  LOGFONTA lf;
  GetObject(font.Handle(), sizeof lf, &lf);
  lf.lfEscapement = 900;
  HFONT turned = CreateFontIndirectA(&lf);
  font.SetHandle(turned);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(font.Handle(), turned);
  EXPECT_EQ(font.Name(), "MS Sans Serif");
  font.SetSize(10);
  ASSERT_GT(GetObject(font.Handle(), sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfHeight, -13);
}

TEST(TFontClass, AssignCopiesEverythingOnce) {
  TFont source;
  source.SetName("Courier New");
  source.SetSize(12);
  source.SetColor(clGreen);
  source.SetStyle({TFontStyle::fsBold});
  TFont dest;
  int changes = 0;
  dest.OnChange = [&](TObject*) { ++changes; };
  dest.Assign(source);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dest.Name(), "Courier New");
  EXPECT_EQ(dest.Size(), 12);
  EXPECT_EQ(dest.Color(), clGreen);
  EXPECT_TRUE(dest.Style().Contains(TFontStyle::fsBold));
  dest.Assign(source);
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace plat::testing
