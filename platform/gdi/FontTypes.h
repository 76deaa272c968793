#pragma once
// The logical-font description and the text metrics records, in their ANSI
// (UTF-8) and wide (UTF-16) forms.
#include <cstdint>

#include "platform/gdi/TextConstants.h"
#include "platform/rtl/Types.h"

namespace plat {

// lfHeight < 0 asks for a character (em) height of -lfHeight pixels, > 0 for a
// cell height (ascent + descent), 0 for the default size. lfEscapement is the
// text direction in tenths of a degree, counter-clockwise. lfWidth,
// lfOrientation, the precisions and the quality are kept but do not change the
// rendering: glyphs keep their designed aspect and turn with the text.
template <typename Char>
struct LogFontT {
  std::int32_t lfHeight = 0;
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = FW_DONTCARE;
  Byte lfItalic = 0;
  Byte lfUnderline = 0;
  Byte lfStrikeOut = 0;
  Byte lfCharSet = DEFAULT_CHARSET;
  Byte lfOutPrecision = OUT_DEFAULT_PRECIS;
  Byte lfClipPrecision = CLIP_DEFAULT_PRECIS;
  Byte lfQuality = DEFAULT_QUALITY;
  Byte lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  Char lfFaceName[LF_FACESIZE] = {};
};

using LOGFONTA = LogFontT<char>;
using LOGFONTW = LogFontT<char16_t>;
using LOGFONT = LOGFONTA;
// The classic sizes, without padding: descriptions compare and copy as bytes.
static_assert(sizeof(LOGFONTA) == 60 && sizeof(LOGFONTW) == 92);

template <typename Char>
struct TextMetricT {
  std::int32_t tmHeight = 0;
  std::int32_t tmAscent = 0;
  std::int32_t tmDescent = 0;
  std::int32_t tmInternalLeading = 0;
  std::int32_t tmExternalLeading = 0;
  std::int32_t tmAveCharWidth = 0;
  std::int32_t tmMaxCharWidth = 0;
  std::int32_t tmWeight = 0;
  std::int32_t tmOverhang = 0;
  std::int32_t tmDigitizedAspectX = 96;
  std::int32_t tmDigitizedAspectY = 96;
  Char tmFirstChar = 0;
  Char tmLastChar = 0;
  Char tmDefaultChar = 0;
  Char tmBreakChar = 0;
  Byte tmItalic = 0;
  Byte tmUnderlined = 0;
  Byte tmStruckOut = 0;
  Byte tmPitchAndFamily = 0;
  Byte tmCharSet = 0;
};

using TEXTMETRICA = TextMetricT<Byte>;
using TEXTMETRICW = TextMetricT<char16_t>;
using TEXTMETRIC = TEXTMETRICA;

}  // namespace plat
