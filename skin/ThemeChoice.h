#pragma once
// How a skinned control chooses where its values come from, and the style
// a new control starts with.
//
// UsingFileTheme is the one rule every control applies when its UIStyle or
// FileTheme changes: a built-in style is used as it is; FromThemeFile uses
// the file theme when one is given and has loaded a file, and falls back to
// DeepBlue otherwise.
#include "skin/ThemeElements.h"

namespace plat {
class TComponent;
}

namespace zorbit {

class TskFileTheme;

// True: read the values from Theme. False: read the built-in values of
// OutStyle, which is Style, or DeepBlue when Style is FromThemeFile and
// Theme is missing or has no file loaded.
bool UsingFileTheme(const TskFileTheme* Theme, TskUIStyle Style, TskUIStyle& OutStyle);

// The UIStyle of the first TskForm among the direct child controls of Owner
// when Owner is a form (the frame is found by its class name and its style
// read through the published properties); DeepBlue when Owner is missing,
// is not a form, or holds no TskForm.
TskUIStyle GetOwnerFormUIStyle(const plat::TComponent* Owner);

}  // namespace zorbit
