#pragma once
// What a skinned control reads for its pair FileTheme/UIStyle, by the one
// rule of UsingFileTheme: the file theme's value while it is in use, else
// the built-in style's (DeepBlue for FromThemeFile without a loaded file).
//
// Also the link every skinned control keeps to its file theme: taking a
// new theme links it for the free notification, and a control that hears
// of its theme's deletion forgets it (ForgetFreedTheme answers True then,
// and the control goes back to DeepBlue).
#include "platform/gdi/Colors.h"
#include "platform/ui/TComponent.h"
#include "skin/ThemeElements.h"

namespace plat {
class TBitmap;
}

namespace zorbit {

class TskFileTheme;

// The built-in style the pair falls back to when the file theme is not used.
TskUIStyle ResolvedUIStyle(const TskFileTheme* Theme, TskUIStyle Style);

plat::TColor SkinColor(const TskFileTheme* Theme, TskUIStyle Style, TskThemeElement Element);
bool SkinBool(const TskFileTheme* Theme, TskUIStyle Style, TskThemeElement Element);
// The element's picture into Bitmap (left as it was when there is none).
void SkinBitmap(const TskFileTheme* Theme, TskUIStyle Style, TskThemeElement Element, plat::TBitmap& Bitmap);
// Frame Index (1-based) of a strip of Count frames of the element's picture.
void SkinBitmapFrame(const TskFileTheme* Theme, TskUIStyle Style, TskThemeElement Element, plat::TBitmap& Bitmap,
                     int Count, int Index);

// Field := Value, moving Self's free-notification link from the old theme
// to the new one.
void LinkFileTheme(plat::TComponent& Self, TskFileTheme*& Field, TskFileTheme* Value);
// True, with Field cleared, when a removal notification is about Field.
bool ForgetFreedTheme(TskFileTheme*& Field, const plat::TComponent* AComponent, plat::TOperation Operation);

}  // namespace zorbit
