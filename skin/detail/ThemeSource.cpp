#include "skin/detail/ThemeSource.h"

#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/ThemeChoice.h"

namespace zorbit {

TskThemeSource::TskThemeSource(const TskFileTheme* Theme, TskUIStyle Style)
    : FTheme(Theme), FStyle(Style), FFromFile(UsingFileTheme(Theme, Style, FStyle)) {}

int TskThemeSource::Int(TskThemeElement Element) const {
  return FFromFile ? FTheme->GetInt(Element) : GetBuiltinInt(FStyle, Element);
}

plat::TColor TskThemeSource::Color(TskThemeElement Element) const {
  return FFromFile ? FTheme->GetColor(Element) : GetBuiltinColor(FStyle, Element);
}

bool TskThemeSource::Bool(TskThemeElement Element) const {
  return FFromFile ? FTheme->GetBool(Element) : GetBuiltinBool(FStyle, Element);
}

void TskThemeSource::Bitmap(TskThemeElement Element, plat::TBitmap& Bitmap) const {
  if (FFromFile)
    FTheme->GetBitmap(Element, Bitmap);
  else
    GetBuiltinBitmap(FStyle, Element, &Bitmap);
}

void TskThemeSource::BitmapFrame(TskThemeElement Element, plat::TBitmap& Bitmap, int Count, int Index) const {
  if (FFromFile)
    FTheme->GetBitmapFrame(Element, Bitmap, Count, Index);
  else
    GetBuiltinBitmapFrame(FStyle, Element, &Bitmap, Count, Index);
}

}  // namespace zorbit
