#pragma once
// How a skinned control holds its FileTheme: it hears when the theme is
// deleted (its free notification follows the theme from the old one to the
// new) and then forgets it; the control then falls back to DeepBlue.
#include "platform/ui/TComponent.h"

namespace zorbit {

class TskFileTheme;

// Field := Theme, with Control's free notification moved from the theme
// Field held to Theme.
void LinkFileTheme(plat::TComponent& Control, TskFileTheme*& Field, TskFileTheme* Theme);
// Whether this notification is the deletion of the theme Field holds; if
// so, Field is cleared.
bool ForgetFreedTheme(TskFileTheme*& Field, const plat::TComponent* AComponent, plat::TOperation Operation);

}  // namespace zorbit
