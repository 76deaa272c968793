#include "platform/gdi/TFont.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/Font.h"
#include "platform/rtl/MulDiv.h"
#include "platform/rtl/Unicode.h"

namespace plat {

namespace {

bool SameFont(const LOGFONTW& a, const LOGFONTW& b) { return std::memcmp(&a, &b, sizeof(LOGFONTW)) == 0; }

}  // namespace

TFont::TFont() {
  FLogFont.lfHeight = -MulDiv(8, PixelsPerInch, 72);
  FLogFont.lfWeight = FW_NORMAL;
  const WideString name = u"MS Sans Serif";
  std::copy(name.begin(), name.end(), FLogFont.lfFaceName);
}

TFont::~TFont() { FreeHandle(); }

void TFont::FreeHandle() {
  if (FHandle) DeleteObject(FHandle);
  FHandle = nullptr;
}

// Listeners let go of the handle first (a canvas deselects it), so it can be freed.
void TFont::Change(const LOGFONTW& font) {
  if (SameFont(font, FLogFont)) return;
  FLogFont = font;
  Changed();
  FreeHandle();
}

String TFont::Name() const {
  WideString name;
  for (int i = 0; i < LF_FACESIZE && FLogFont.lfFaceName[i] != 0; ++i) name += FLogFont.lfFaceName[i];
  return WideToUtf8(name);
}

void TFont::SetName(const String& value) {
  if (value.empty()) return;
  // A name longer than the field loses whole characters from its end.
  std::size_t length = std::min<std::size_t>(value.size(), LF_FACESIZE - 1);
  while (length > 0 && length < value.size() && (static_cast<unsigned char>(value[length]) & 0xC0) == 0x80) --length;
  LOGFONTA ansi{};
  std::copy_n(value.begin(), length, ansi.lfFaceName);
  LOGFONTW font = FLogFont;
  std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), u'\0');
  const LOGFONTW named = WideLogFont(ansi);
  std::copy(std::begin(named.lfFaceName), std::end(named.lfFaceName), font.lfFaceName);
  Change(font);
}

int TFont::Size() const { return -MulDiv(FLogFont.lfHeight, 72, PixelsPerInch); }

void TFont::SetSize(int value) { SetHeight(-MulDiv(value, PixelsPerInch, 72)); }

void TFont::SetHeight(int value) {
  LOGFONTW font = FLogFont;
  font.lfHeight = value;
  Change(font);
}

TFontStyles TFont::Style() const {
  TFontStyles style;
  if (FLogFont.lfWeight >= FW_SEMIBOLD) style.Include(TFontStyle::fsBold);
  if (FLogFont.lfItalic) style.Include(TFontStyle::fsItalic);
  if (FLogFont.lfUnderline) style.Include(TFontStyle::fsUnderline);
  if (FLogFont.lfStrikeOut) style.Include(TFontStyle::fsStrikeOut);
  return style;
}

void TFont::SetStyle(TFontStyles value) {
  LOGFONTW font = FLogFont;
  font.lfWeight = value.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  font.lfItalic = value.Contains(TFontStyle::fsItalic) ? 1 : 0;
  font.lfUnderline = value.Contains(TFontStyle::fsUnderline) ? 1 : 0;
  font.lfStrikeOut = value.Contains(TFontStyle::fsStrikeOut) ? 1 : 0;
  if (value == Style()) font.lfWeight = FLogFont.lfWeight;  // keeps a handle's own weight
  Change(font);
}

void TFont::SetColor(TColor value) {
  if (value == FColor) return;
  FColor = value;
  Changed();  // the colour is the canvas's, not the handle's
}

void TFont::SetCharset(TFontCharset value) {
  LOGFONTW font = FLogFont;
  font.lfCharSet = value;
  Change(font);
}

TFontPitch TFont::Pitch() const {
  switch (FLogFont.lfPitchAndFamily & 0x03) {
    case VARIABLE_PITCH: return TFontPitch::fpVariable;
    case FIXED_PITCH: return TFontPitch::fpFixed;
    default: return TFontPitch::fpDefault;
  }
}

void TFont::SetPitch(TFontPitch value) {
  LOGFONTW font = FLogFont;
  const Byte pitch = value == TFontPitch::fpVariable ? VARIABLE_PITCH
                     : value == TFontPitch::fpFixed  ? FIXED_PITCH
                                                     : DEFAULT_PITCH;
  font.lfPitchAndFamily = static_cast<Byte>((font.lfPitchAndFamily & ~0x03) | pitch);
  Change(font);
}

HFONT TFont::Handle() {
  if (!FHandle) FHandle = CreateFontIndirectW(&FLogFont);
  return FHandle;
}

void TFont::SetHandle(HFONT value) {
  Font* font = GdiObjectTable::As<Font>(value, OBJ_FONT);
  if (font == nullptr || value == FHandle) return;
  LOGFONTW description = font->LogFont();
  Changed();
  FreeHandle();
  FLogFont = description;
  FHandle = value;
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  const bool colorChanged = source.FColor != FColor;
  FColor = source.FColor;
  if (!SameFont(source.FLogFont, FLogFont)) {
    Change(source.FLogFont);
  } else if (colorChanged) {
    Changed();
  }
}

}  // namespace plat
