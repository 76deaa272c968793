#pragma once
// A logical font made real: one FreeType face at one pixel size, its text
// metrics, and a cache of its rendered glyphs. Glyphs are rendered
// monochrome with full hinting (crisp, classic-looking, and the same pixels on
// every run); a style the file lacks is synthesised on the bitmap (bold by a
// one-pixel overstrike, italic by a shear), and a code point the face lacks is
// drawn from the fallback face at the same size. Internal to the drawing layer.
#include <array>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/gdi/FontLibrary.h"
#include "platform/gdi/FontResolver.h"
#include "platform/gdi/FontTypes.h"
#include "platform/gdi/Geometry.h"

namespace plat {

// A glyph's mask (one byte of coverage per pixel, 0 or 255) placed relative to the pen
// position on the baseline, in device directions (y grows downwards).
struct Glyph {
  int OffsetX = 0;
  int OffsetY = 0;
  int Width = 0;
  int Height = 0;
  int Advance = 0;  // along the baseline
  std::vector<Byte> Mask;
};

// The direction of text at an escapement: offsets in the text frame (u along
// the baseline, v downwards across it) to device offsets. Quarter turns are
// exact.
struct TextDirection {
  double Cos = 1;
  double Sin = 0;

  static TextDirection Of(int escapement);
  bool IsQuarterTurn() const { return (Cos == 0 || Sin == 0); }
  double X(double u, double v) const { return u * Cos + v * Sin; }
  double Y(double u, double v) const { return -u * Sin + v * Cos; }
  TPoint Map(int u, int v) const;
};

class FaceAtSize;

class RealizedFont {
 public:
  // The realized font for a description; equal descriptions share one.
  static std::shared_ptr<RealizedFont> For(const LOGFONTW& font);

  explicit RealizedFont(const LOGFONTW& font);
  ~RealizedFont();
  RealizedFont(const RealizedFont&) = delete;
  RealizedFont& operator=(const RealizedFont&) = delete;

  // Metrics of the face itself; underline, strike-out and character set are
  // the logical font's and filled in by its owner.
  const TEXTMETRICW& Metrics() const { return FMetrics; }
  const TextDirection& Direction() const { return FDirection; }

  // Distances below (underline) and above (strike-out) the baseline, and the
  // thickness of those lines, in pixels.
  int UnderlineOffset() const { return FUnderlineOffset; }
  int UnderlineThickness() const { return FUnderlineThickness; }
  int StrikeOutOffset() const { return FStrikeOutOffset; }
  int StrikeOutThickness() const { return FStrikeOutThickness; }

  // The upright glyph of a code point, and the glyph turned by the escapement.
  // A glyph stays valid until TrimCache, except once the cache is full: then
  // new glyphs are lent until the next request, so callers use each glyph
  // before they ask for the next.
  const Glyph& GlyphOf(char32_t codePoint);
  const Glyph& TurnedGlyphOf(char32_t codePoint);
  int AdvanceOf(char32_t codePoint) { return GlyphOf(codePoint).Advance; }

  // Empties a full cache. Text calls make this call before they take any
  // glyph, so no glyph they hold is lost.
  void TrimCache();

 private:
  Glyph Render(char32_t codePoint);
  Glyph Synthesised(Glyph glyph) const;
  FaceAtSize& Fallback();
  // Keeps a glyph in the cache while it has room, else in the lent slot.
  const Glyph& Keep(Glyph glyph, std::unique_ptr<Glyph>& slot);
  const Glyph& Keep(Glyph glyph, std::unordered_map<char32_t, Glyph>& map, char32_t codePoint, Glyph& lent);

  FontChoice FChoice;
  int FEscapement = 0;
  TextDirection FDirection;
  std::unique_ptr<FaceAtSize> FFace;
  std::unique_ptr<FaceAtSize> FFallback;
  TEXTMETRICW FMetrics;
  int FUnderlineOffset = 1;
  int FUnderlineThickness = 1;
  int FStrikeOutOffset = 1;
  int FStrikeOutThickness = 1;
  std::array<std::unique_ptr<Glyph>, 256> FLatin;
  std::unordered_map<char32_t, Glyph> FOthers;
  std::unordered_map<char32_t, Glyph> FTurned;
  std::size_t FCachedBytes = 0;
  Glyph FLent;
  Glyph FLentTurned;
};

}  // namespace plat
