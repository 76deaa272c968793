#include "skin/ThemeValues.h"

#include "platform/gdi/TBitmap.h"
#include "skin/SkMgr.h"
#include "skin/SkThemes.h"
#include "skin/ThemeChoice.h"

namespace zorbit {

TskUIStyle ResolvedUIStyle(const TskFileTheme* Theme, TskUIStyle Style) {
  TskUIStyle resolved = Style;
  UsingFileTheme(Theme, Style, resolved);
  return resolved;
}

plat::TColor SkinColor(const TskFileTheme* Theme, TskUIStyle Style, TskThemeElement Element) {
  TskUIStyle builtin = Style;
  if (UsingFileTheme(Theme, Style, builtin)) return Theme->GetColor(Element);
  return GetBuiltinColor(builtin, Element);
}

bool SkinBool(const TskFileTheme* Theme, TskUIStyle Style, TskThemeElement Element) {
  TskUIStyle builtin = Style;
  if (UsingFileTheme(Theme, Style, builtin)) return Theme->GetBool(Element);
  return GetBuiltinBool(builtin, Element);
}

void SkinBitmap(const TskFileTheme* Theme, TskUIStyle Style, TskThemeElement Element, plat::TBitmap& Bitmap) {
  TskUIStyle builtin = Style;
  if (UsingFileTheme(Theme, Style, builtin)) {
    Theme->GetBitmap(Element, Bitmap);
  } else {
    GetBuiltinBitmap(builtin, Element, &Bitmap);
  }
}

void SkinBitmapFrame(const TskFileTheme* Theme, TskUIStyle Style, TskThemeElement Element, plat::TBitmap& Bitmap,
                     int Count, int Index) {
  TskUIStyle builtin = Style;
  if (UsingFileTheme(Theme, Style, builtin)) {
    Theme->GetBitmapFrame(Element, Bitmap, Count, Index);
  } else {
    GetBuiltinBitmapFrame(builtin, Element, &Bitmap, Count, Index);
  }
}

void LinkFileTheme(plat::TComponent& Self, TskFileTheme*& Field, TskFileTheme* Value) {
  if (Field == Value) return;
  if (Field) Self.RemoveFreeNotification(Field);
  Field = Value;
  if (Value) Self.FreeNotification(Value);
}

bool ForgetFreedTheme(TskFileTheme*& Field, const plat::TComponent* AComponent, plat::TOperation Operation) {
  if (Operation != plat::TOperation::opRemove || !Field || AComponent != Field) return false;
  Field = nullptr;
  return true;
}

}  // namespace zorbit
