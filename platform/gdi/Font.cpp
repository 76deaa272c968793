#include "platform/gdi/Font.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/CodePoints.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/RealizedFont.h"
#include "platform/rtl/Unicode.h"

namespace plat {

Font::Font(const LOGFONTW& font) : FLogFont(font) {
  // The face name field is always terminated, whatever the caller left there.
  FLogFont.lfFaceName[LF_FACESIZE - 1] = 0;
}

Font::~Font() = default;

int Font::Describe(int size, void* buffer) const {
  if (buffer == nullptr) return static_cast<int>(sizeof(LOGFONTA));
  if (size == static_cast<int>(sizeof(LOGFONTW))) {
    std::memcpy(buffer, &FLogFont, sizeof(LOGFONTW));
    return size;
  }
  if (size < static_cast<int>(sizeof(LOGFONTA))) return 0;
  const LOGFONTA ansi = AnsiLogFont(FLogFont);
  std::memcpy(buffer, &ansi, sizeof(LOGFONTA));
  return static_cast<int>(sizeof(LOGFONTA));
}

RealizedFont& Font::Realized() {
  if (!FRealized) FRealized = RealizedFont::For(FLogFont);
  return *FRealized;
}

TEXTMETRICW Font::Metrics() {
  TEXTMETRICW metrics = Realized().Metrics();
  metrics.tmUnderlined = FLogFont.lfUnderline != 0 ? 1 : 0;
  metrics.tmStruckOut = FLogFont.lfStrikeOut != 0 ? 1 : 0;
  if (metrics.tmCharSet != SYMBOL_CHARSET && FLogFont.lfCharSet != DEFAULT_CHARSET) {
    metrics.tmCharSet = FLogFont.lfCharSet;
  }
  return metrics;
}

namespace {

template <typename To, typename From>
void CopyFields(To& to, const From& from) {
  to.lfHeight = from.lfHeight;
  to.lfWidth = from.lfWidth;
  to.lfEscapement = from.lfEscapement;
  to.lfOrientation = from.lfOrientation;
  to.lfWeight = from.lfWeight;
  to.lfItalic = from.lfItalic;
  to.lfUnderline = from.lfUnderline;
  to.lfStrikeOut = from.lfStrikeOut;
  to.lfCharSet = from.lfCharSet;
  to.lfOutPrecision = from.lfOutPrecision;
  to.lfClipPrecision = from.lfClipPrecision;
  to.lfQuality = from.lfQuality;
  to.lfPitchAndFamily = from.lfPitchAndFamily;
}

}  // namespace

LOGFONTW WideLogFont(const LOGFONTA& font) {
  LOGFONTW wide;
  CopyFields(wide, font);
  const std::size_t length = strnlen(font.lfFaceName, LF_FACESIZE);
  WideString name = Utf8ToWide(String(font.lfFaceName, length));
  name.resize(std::min<std::size_t>(name.size(), LF_FACESIZE - 1));
  std::copy(name.begin(), name.end(), wide.lfFaceName);
  return wide;
}

LOGFONTA AnsiLogFont(const LOGFONTW& font) {
  LOGFONTA ansi;
  CopyFields(ansi, font);
  std::size_t length = 0;
  while (length < LF_FACESIZE && font.lfFaceName[length] != 0) ++length;
  // Cut at a whole character so that the name stays valid UTF-8.
  String name;
  for (char32_t c : CodePointsOfUtf16(std::u16string_view(font.lfFaceName, length)).Points) {
    String encoded;
    AppendUtf8(encoded, c);
    if (name.size() + encoded.size() > LF_FACESIZE - 1) break;
    name += encoded;
  }
  std::copy(name.begin(), name.end(), ansi.lfFaceName);
  return ansi;
}

HFONT CreateFontIndirectW(const LOGFONTW* font) {
  if (font == nullptr) return nullptr;
  return GdiObjectTable::Adopt(std::make_unique<Font>(*font));
}

HFONT CreateFontIndirectA(const LOGFONTA* font) {
  if (font == nullptr) return nullptr;
  const LOGFONTW wide = WideLogFont(*font);
  return CreateFontIndirectW(&wide);
}

HGDIOBJ CreateStockFont(int index) {
  LOGFONTW font;
  const char16_t* face = u"MS Sans Serif";
  switch (index) {
    case SYSTEM_FONT:
    case DEVICE_DEFAULT_FONT:
      font.lfHeight = 16;
      font.lfWeight = FW_BOLD;
      break;
    case OEM_FIXED_FONT:
    case ANSI_FIXED_FONT:
    case SYSTEM_FIXED_FONT:
      font.lfHeight = -13;
      font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
      face = u"Courier New";
      break;
    default:  // ANSI_VAR_FONT, DEFAULT_GUI_FONT
      font.lfHeight = -11;
      break;
  }
  std::u16string_view name(face);
  std::copy(name.begin(), name.end(), font.lfFaceName);
  return CreateFontIndirectW(&font);
}

Font* SelectedFont(HDC dc) {
  if (!DeviceContext::IsLive(dc)) return nullptr;
  if (Font* font = GdiObjectTable::As<Font>(dc->State().Font, OBJ_FONT)) return font;
  return GdiObjectTable::As<Font>(GetStockObject(SYSTEM_FONT), OBJ_FONT);
}

bool GetTextMetricsW(HDC dc, TEXTMETRICW* metrics) {
  Font* font = SelectedFont(dc);
  if (font == nullptr || metrics == nullptr) return false;
  *metrics = font->Metrics();
  return true;
}

bool GetTextMetricsA(HDC dc, TEXTMETRICA* metrics) {
  TEXTMETRICW wide;
  if (metrics == nullptr || !GetTextMetricsW(dc, &wide)) return false;
  TEXTMETRICA& a = *metrics;
  a.tmHeight = wide.tmHeight;
  a.tmAscent = wide.tmAscent;
  a.tmDescent = wide.tmDescent;
  a.tmInternalLeading = wide.tmInternalLeading;
  a.tmExternalLeading = wide.tmExternalLeading;
  a.tmAveCharWidth = wide.tmAveCharWidth;
  a.tmMaxCharWidth = wide.tmMaxCharWidth;
  a.tmWeight = wide.tmWeight;
  a.tmOverhang = wide.tmOverhang;
  a.tmDigitizedAspectX = wide.tmDigitizedAspectX;
  a.tmDigitizedAspectY = wide.tmDigitizedAspectY;
  auto narrow = [](char16_t c) { return static_cast<Byte>(std::min<unsigned>(c, 0xFF)); };
  a.tmFirstChar = narrow(wide.tmFirstChar);
  a.tmLastChar = narrow(wide.tmLastChar);
  a.tmDefaultChar = narrow(wide.tmDefaultChar);
  a.tmBreakChar = narrow(wide.tmBreakChar);
  a.tmItalic = wide.tmItalic;
  a.tmUnderlined = wide.tmUnderlined;
  a.tmStruckOut = wide.tmStruckOut;
  a.tmPitchAndFamily = wide.tmPitchAndFamily;
  a.tmCharSet = wide.tmCharSet;
  return true;
}

}  // namespace plat
