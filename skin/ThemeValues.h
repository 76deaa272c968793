#pragma once
// What a skinned control reads for its pair FileTheme/UIStyle, by the one
// rule of UsingFileTheme: the file theme's value while it is in use, else
// the built-in style's (DeepBlue for FromThemeFile without a loaded file).
// The link a control keeps to its file theme is skin/ThemeLink.h.
#include "platform/gdi/Colors.h"
#include "platform/ui/TComponent.h"
#include "skin/ThemeElements.h"
#include "skin/ThemeLink.h"

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

}  // namespace zorbit
