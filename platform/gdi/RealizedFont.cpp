#include "platform/gdi/RealizedFont.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <tuple>

#include FT_TRUETYPE_TABLES_H

#include "platform/rtl/Exception.h"
#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

// lfHeight 0 asks for the default size: this character height.
constexpr int DefaultEm = 12;
// Requests beyond this character height are drawn at it, so that no request
// can make the renderer allocate absurd glyph bitmaps.
constexpr int MaxEm = 1024;
// Mask bytes the glyph cache of one font may hold (thousands of glyphs at
// screen sizes, a few dozen at the largest).
constexpr std::size_t MaxCachedBytes = 32u << 20;
// Realized fonts kept for reuse while no logical font holds them.
constexpr std::size_t MaxCachedFonts = 64;

int ScaledRound(long value, int em, int unitsPerEm) {
  const long long product = static_cast<long long>(value) * em;
  const long long half = unitsPerEm / 2;
  return static_cast<int>(product >= 0 ? (product + half) / unitsPerEm : -((-product + half) / unitsPerEm));
}

int FloorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

// One FreeType face opened at one pixel size.
class FaceAtSize {
 public:
  // lfHeight selects the size as a logical font does.
  FaceAtSize(const FontFile& file, int lfHeight) {
    if (FT_New_Face(FreeTypeLibrary(), file.Path.c_str(), file.Index, &FFace) != 0) {
      throw Exception("The font file \"" + file.Path + "\" could not be opened");
    }
    if (FFace->charmap == nullptr) FT_Select_Charmap(FFace, FT_ENCODING_MS_SYMBOL);
    FSymbol = FFace->charmap != nullptr && FFace->charmap->encoding == FT_ENCODING_MS_SYMBOL;
    if (FT_IS_SCALABLE(FFace)) {
      SizeOutline(lfHeight);
    } else {
      SizeStrike(lfHeight);
    }
  }
  ~FaceAtSize() { FT_Done_Face(FFace); }
  FaceAtSize(const FaceAtSize&) = delete;
  FaceAtSize& operator=(const FaceAtSize&) = delete;

  FT_Face Face() const { return FFace; }
  int Em() const { return FEm; }
  int Ascent() const { return FAscent; }
  int Descent() const { return FDescent; }
  bool Symbol() const { return FSymbol; }

  // Symbol-encoded faces carry their characters at U+F000 + the byte.
  FT_UInt IndexOf(char32_t codePoint) const {
    FT_UInt index = FT_Get_Char_Index(FFace, codePoint);
    if (index == 0 && FSymbol && codePoint < 0x100) index = FT_Get_Char_Index(FFace, 0xF000 + codePoint);
    return index;
  }

  // The monochrome bitmap of a glyph; false when the face cannot draw it.
  bool Render(FT_UInt index, Glyph& glyph) const {
    if (FT_Load_Glyph(FFace, index, FT_LOAD_TARGET_MONO) != 0) return false;
    FT_GlyphSlot slot = FFace->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return false;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.Advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.OffsetX = slot->bitmap_left;
    glyph.OffsetY = -slot->bitmap_top;
    glyph.Width = static_cast<int>(bitmap.width);
    glyph.Height = static_cast<int>(bitmap.rows);
    glyph.Mask.assign(static_cast<std::size_t>(glyph.Width) * glyph.Height, 0);
    const int stride = std::abs(bitmap.pitch);
    for (int row = 0; row < glyph.Height; ++row) {
      const unsigned char* line =
          bitmap.buffer + static_cast<std::ptrdiff_t>(bitmap.pitch >= 0 ? row : glyph.Height - 1 - row) * stride;
      for (int col = 0; col < glyph.Width; ++col) {
        bool set = false;
        if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
          set = (line[col >> 3] >> (7 - (col & 7))) & 1;
        } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
          set = line[col] >= 128;
        }
        glyph.Mask[static_cast<std::size_t>(row) * glyph.Width + col] = set ? 255 : 0;
      }
    }
    return true;
  }

 private:
  void SizeOutline(int lfHeight) {
    const int unitsPerEm = std::max<int>(FFace->units_per_EM, 1);
    long ascent = FFace->ascender;
    long descent = -FFace->descender;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(FFace, FT_SFNT_OS2));
        os2 != nullptr && os2->version != 0xFFFF) {
      ascent = os2->usWinAscent;
      descent = os2->usWinDescent;
    }
    const long cell = std::max(ascent + descent, 1L);
    if (lfHeight > 0) {
      // A cell height: the em follows from it, and the cell is exactly the request.
      const int height =
          static_cast<int>(std::min<long long>(lfHeight, static_cast<long long>(MaxEm) * cell / unitsPerEm));
      FEm = std::clamp(ScaledRound(height, unitsPerEm, static_cast<int>(cell)), 1, MaxEm);
      if (FT_Set_Pixel_Sizes(FFace, 0, static_cast<FT_UInt>(FEm)) != 0) throw Exception("The font could not be scaled");
      FAscent = ScaledRound(ascent, height, static_cast<int>(cell));
      FDescent = height - FAscent;
      return;
    }
    FEm = lfHeight == 0 ? DefaultEm : (lfHeight < -MaxEm ? MaxEm : -lfHeight);
    if (FT_Set_Pixel_Sizes(FFace, 0, static_cast<FT_UInt>(FEm)) != 0) throw Exception("The font could not be scaled");
    FAscent = ScaledRound(ascent, FEm, unitsPerEm);
    FDescent = ScaledRound(descent, FEm, unitsPerEm);
  }

  // A face made only of bitmap strikes: a strike's character height is its
  // ascent (the rest of the cell is the internal leading), and the request
  // takes the largest strike not above it, or else the smallest.
  void SizeStrike(int lfHeight) {
    if (FFace->num_fixed_sizes <= 0) throw Exception("The font has neither outlines nor bitmaps");
    const int wanted = lfHeight == 0 ? DefaultEm : std::abs(lfHeight);
    int chosen = -1;
    int chosenMeasure = 0;
    int smallest = -1;
    int smallestMeasure = 0;
    for (int i = 0; i < FFace->num_fixed_sizes; ++i) {
      if (FT_Select_Size(FFace, i) != 0) continue;
      const int ascent = static_cast<int>(FFace->size->metrics.ascender >> 6);
      const int descent = static_cast<int>(-FFace->size->metrics.descender >> 6);
      const int measure = lfHeight > 0 ? ascent + descent : ascent;
      if (smallest < 0 || measure < smallestMeasure) smallest = i, smallestMeasure = measure;
      if (measure <= wanted && (chosen < 0 || measure > chosenMeasure)) chosen = i, chosenMeasure = measure;
    }
    if (chosen < 0) chosen = smallest;
    if (chosen < 0 || FT_Select_Size(FFace, chosen) != 0) throw Exception("The font's bitmaps could not be selected");
    FAscent = static_cast<int>(FFace->size->metrics.ascender >> 6);
    FDescent = static_cast<int>(-FFace->size->metrics.descender >> 6);
    FEm = std::max(FAscent, 1);
  }

  FT_Face FFace = nullptr;
  int FEm = 1;
  int FAscent = 0;
  int FDescent = 0;
  bool FSymbol = false;
};

namespace {

String FaceNameOf(const LOGFONTW& font) {
  WideString name;
  for (int i = 0; i < LF_FACESIZE && font.lfFaceName[i] != 0; ++i) name += font.lfFaceName[i];
  return WideToUtf8(name);
}

int NormalisedEscapement(int escapement) { return ((escapement % 3600) + 3600) % 3600; }

Byte FamilyOf(FT_Face face, const TT_OS2* os2) {
  if (FT_IS_FIXED_WIDTH(face)) return FF_MODERN;
  if (os2 == nullptr) return FF_DONTCARE;
  switch (os2->sFamilyClass >> 8) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 7: return FF_ROMAN;
    case 8: return FF_SWISS;
    case 10: return FF_SCRIPT;
    case 12: return FF_DECORATIVE;
    default: return FF_DONTCARE;
  }
}

}  // namespace

TextDirection TextDirection::Of(int escapement) {
  switch (NormalisedEscapement(escapement)) {
    case 0: return {1, 0};
    case 900: return {0, 1};
    case 1800: return {-1, 0};
    case 2700: return {0, -1};
    default: {
      const double angle = NormalisedEscapement(escapement) * std::numbers::pi / 1800.0;
      return {std::cos(angle), std::sin(angle)};
    }
  }
}

TPoint TextDirection::Map(int u, int v) const {
  if (IsQuarterTurn()) {
    const int c = static_cast<int>(Cos);
    const int s = static_cast<int>(Sin);
    return {u * c + v * s, -u * s + v * c};
  }
  return {static_cast<int>(std::lround(X(u, v))), static_cast<int>(std::lround(Y(u, v)))};
}

RealizedFont::RealizedFont(const LOGFONTW& font)
    : FChoice(ResolveFont(FaceNameOf(font), font.lfWeight, font.lfItalic != 0, font.lfPitchAndFamily)),
      FEscapement(NormalisedEscapement(font.lfEscapement)),
      FDirection(TextDirection::Of(FEscapement)),
      FFace(std::make_unique<FaceAtSize>(FChoice.File, font.lfHeight)) {
  FT_Face face = FFace->Face();
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  const bool outline = FT_IS_SCALABLE(face);
  const int em = FFace->Em();
  const int unitsPerEm = std::max<int>(face->units_per_EM, 1);

  TEXTMETRICW& tm = FMetrics;
  tm.tmAscent = FFace->Ascent();
  tm.tmDescent = FFace->Descent();
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max(tm.tmHeight - em, 0);
  if (outline && os2 != nullptr && hhea != nullptr && os2->version != 0xFFFF) {
    const long winCell = static_cast<long>(os2->usWinAscent) + os2->usWinDescent;
    const long hheaCell = static_cast<long>(hhea->Ascender) - hhea->Descender;
    tm.tmExternalLeading =
        std::max(0, ScaledRound(std::max(0L, hhea->Line_Gap - (winCell - hheaCell)), em, unitsPerEm));
  }
  if (outline && os2 != nullptr && os2->version != 0xFFFF && os2->xAvgCharWidth > 0) {
    tm.tmAveCharWidth = ScaledRound(os2->xAvgCharWidth, em, unitsPerEm);
  } else {
    tm.tmAveCharWidth = AdvanceOf(U'x');
  }
  if (outline && hhea != nullptr) {
    tm.tmMaxCharWidth = ScaledRound(hhea->advance_Width_Max, em, unitsPerEm);
  } else {
    for (char32_t c = 0x20; c < 0x100; ++c) tm.tmMaxCharWidth = std::max(tm.tmMaxCharWidth, AdvanceOf(c));
  }
  tm.tmWeight = FChoice.SyntheticBold ? FW_BOLD : FChoice.File.Weight;
  tm.tmItalic = font.lfItalic != 0 ? 1 : 0;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = 0xFFFC;
  if (os2 != nullptr && os2->version != 0xFFFF) {
    tm.tmFirstChar = static_cast<char16_t>(os2->usFirstCharIndex);
    tm.tmLastChar = static_cast<char16_t>(os2->usLastCharIndex);
    if (os2->version >= 2) tm.tmDefaultChar = static_cast<char16_t>(os2->usDefaultChar);
  }
  tm.tmBreakChar = 0x20;
  tm.tmPitchAndFamily = static_cast<Byte>((FT_IS_FIXED_WIDTH(face) ? 0 : TMPF_FIXED_PITCH) |
                                          (outline ? TMPF_VECTOR | TMPF_TRUETYPE : 0) | FamilyOf(face, os2));
  tm.tmCharSet = FFace->Symbol() ? SYMBOL_CHARSET : ANSI_CHARSET;

  // Lines: an outline face's own positions, at least one pixel thick, the
  // underline at least one pixel below the baseline and inside the cell where
  // it fits. Bitmap-only faces carry no usable positions: one pixel below the
  // baseline, and a third of the ascent up for the strike-out.
  if (outline && face->underline_thickness > 0) {
    FUnderlineThickness = std::max(1, ScaledRound(face->underline_thickness, em, unitsPerEm));
    FUnderlineOffset = std::max(1, ScaledRound(-face->underline_position, em, unitsPerEm) - FUnderlineThickness / 2);
  }
  if (tm.tmDescent > FUnderlineThickness)
    FUnderlineOffset = std::min(FUnderlineOffset, tm.tmDescent - FUnderlineThickness);
  if (outline && os2 != nullptr && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    FStrikeOutThickness = std::max(1, ScaledRound(os2->yStrikeoutSize, em, unitsPerEm));
    FStrikeOutOffset = ScaledRound(os2->yStrikeoutPosition, em, unitsPerEm);
  } else {
    FStrikeOutThickness = FUnderlineThickness;
    FStrikeOutOffset = tm.tmAscent / 3;
  }
  FStrikeOutOffset = std::max(FStrikeOutOffset, FStrikeOutThickness);
}

RealizedFont::~RealizedFont() = default;

std::shared_ptr<RealizedFont> RealizedFont::For(const LOGFONTW& font) {
  using Key = std::tuple<std::u16string, int, int, bool, Byte, int>;
  static std::map<Key, std::shared_ptr<RealizedFont>> cache;
  std::u16string face;
  for (int i = 0; i < LF_FACESIZE && font.lfFaceName[i] != 0; ++i) face += font.lfFaceName[i];
  const Key key{face,
                font.lfHeight,
                font.lfWeight,
                font.lfItalic != 0,
                font.lfPitchAndFamily,
                NormalisedEscapement(font.lfEscapement)};
  if (auto found = cache.find(key); found != cache.end()) return found->second;
  if (cache.size() >= MaxCachedFonts) {
    std::erase_if(cache, [](const auto& entry) { return entry.second.use_count() == 1; });
  }
  auto realized = std::make_shared<RealizedFont>(font);
  cache.emplace(key, realized);
  return realized;
}

FaceAtSize& RealizedFont::Fallback() {
  if (!FFallback) FFallback = std::make_unique<FaceAtSize>(FallbackFontFile(), -FFace->Em());
  return *FFallback;
}

Glyph RealizedFont::Render(char32_t codePoint) {
  Glyph glyph;
  FT_UInt index = FFace->IndexOf(codePoint);
  bool drawn = false;
  if (index == 0 && !(FChoice.File == FallbackFontFile())) {
    if (FT_UInt fallbackIndex = Fallback().IndexOf(codePoint); fallbackIndex != 0) {
      drawn = Fallback().Render(fallbackIndex, glyph);
    }
  }
  if (!drawn && !FFace->Render(index, glyph)) glyph = Glyph{};
  return Synthesised(std::move(glyph));
}

Glyph RealizedFont::Synthesised(Glyph glyph) const {
  if (FChoice.SyntheticItalic && glyph.Height > 0) {
    // Rows above the baseline lean right by a quarter of their height.
    auto shift = [&](int row) { return FloorDiv(-(glyph.OffsetY + row), 4); };
    const int minShift = shift(glyph.Height - 1);
    const int maxShift = shift(0);
    const int width = glyph.Width + maxShift - minShift;
    std::vector<Byte> mask(static_cast<std::size_t>(width) * glyph.Height, 0);
    for (int row = 0; row < glyph.Height; ++row) {
      const int dx = shift(row) - minShift;
      std::copy_n(glyph.Mask.begin() + static_cast<std::ptrdiff_t>(row) * glyph.Width, glyph.Width,
                  mask.begin() + static_cast<std::ptrdiff_t>(row) * width + dx);
    }
    glyph.OffsetX += minShift;
    glyph.Width = width;
    glyph.Mask = std::move(mask);
  }
  if (FChoice.SyntheticBold) {
    // An overstrike one pixel to the right, which also widens the advance.
    if (glyph.Width > 0) {
      const int width = glyph.Width + 1;
      std::vector<Byte> mask(static_cast<std::size_t>(width) * glyph.Height, 0);
      for (int row = 0; row < glyph.Height; ++row) {
        for (int col = 0; col < glyph.Width; ++col) {
          if (glyph.Mask[static_cast<std::size_t>(row) * glyph.Width + col] == 0) continue;
          mask[static_cast<std::size_t>(row) * width + col] = 255;
          mask[static_cast<std::size_t>(row) * width + col + 1] = 255;
        }
      }
      glyph.Width = width;
      glyph.Mask = std::move(mask);
    }
    ++glyph.Advance;
  }
  return glyph;
}

const Glyph& RealizedFont::Keep(Glyph glyph, std::unique_ptr<Glyph>& slot) {
  if (FCachedBytes + glyph.Mask.size() > MaxCachedBytes) {
    FLent = std::move(glyph);
    return FLent;
  }
  FCachedBytes += glyph.Mask.size();
  slot = std::make_unique<Glyph>(std::move(glyph));
  return *slot;
}

const Glyph& RealizedFont::Keep(Glyph glyph, std::unordered_map<char32_t, Glyph>& map, char32_t codePoint,
                                Glyph& lent) {
  if (FCachedBytes + glyph.Mask.size() > MaxCachedBytes) {
    lent = std::move(glyph);
    return lent;
  }
  FCachedBytes += glyph.Mask.size();
  return map.emplace(codePoint, std::move(glyph)).first->second;
}

const Glyph& RealizedFont::GlyphOf(char32_t codePoint) {
  if (codePoint < FLatin.size()) {
    auto& slot = FLatin[codePoint];
    return slot ? *slot : Keep(Render(codePoint), slot);
  }
  if (auto found = FOthers.find(codePoint); found != FOthers.end()) return found->second;
  return Keep(Render(codePoint), FOthers, codePoint, FLent);
}

const Glyph& RealizedFont::TurnedGlyphOf(char32_t codePoint) {
  if (FEscapement == 0) return GlyphOf(codePoint);
  if (auto found = FTurned.find(codePoint); found != FTurned.end()) return found->second;
  const Glyph& upright = GlyphOf(codePoint);
  // Quarter turns are exact; other angles sample the upright mask at each
  // device pixel's centre.
  const TextDirection& d = FDirection;
  double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
  for (int u : {upright.OffsetX, upright.OffsetX + upright.Width}) {
    for (int v : {upright.OffsetY, upright.OffsetY + upright.Height}) {
      minX = std::min(minX, d.X(u, v)), maxX = std::max(maxX, d.X(u, v));
      minY = std::min(minY, d.Y(u, v)), maxY = std::max(maxY, d.Y(u, v));
    }
  }
  Glyph turned;
  turned.Advance = upright.Advance;
  if (upright.Width > 0 && upright.Height > 0) {
    turned.OffsetX = static_cast<int>(std::floor(minX));
    turned.OffsetY = static_cast<int>(std::floor(minY));
    turned.Width = static_cast<int>(std::ceil(maxX)) - turned.OffsetX;
    turned.Height = static_cast<int>(std::ceil(maxY)) - turned.OffsetY;
    turned.Mask.assign(static_cast<std::size_t>(turned.Width) * turned.Height, 0);
    for (int y = 0; y < turned.Height; ++y) {
      for (int x = 0; x < turned.Width; ++x) {
        const double dx = turned.OffsetX + x + 0.5;
        const double dy = turned.OffsetY + y + 0.5;
        // The inverse turn: u = x cos - y sin, v = x sin + y cos.
        const int col = static_cast<int>(std::floor(dx * d.Cos - dy * d.Sin)) - upright.OffsetX;
        const int row = static_cast<int>(std::floor(dx * d.Sin + dy * d.Cos)) - upright.OffsetY;
        if (col < 0 || row < 0 || col >= upright.Width || row >= upright.Height) continue;
        turned.Mask[static_cast<std::size_t>(y) * turned.Width + x] =
            upright.Mask[static_cast<std::size_t>(row) * upright.Width + col];
      }
    }
  }
  return Keep(std::move(turned), FTurned, codePoint, FLentTurned);
}

void RealizedFont::TrimCache() {
  if (FCachedBytes + MaxCachedBytes / 8 < MaxCachedBytes) return;
  for (auto& slot : FLatin) slot.reset();
  FOthers.clear();
  FTurned.clear();
  FCachedBytes = 0;
}

}  // namespace plat
