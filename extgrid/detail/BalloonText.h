#pragma once
// The texts a balloon tip shows, counted in characters (code points), so
// that a shortened text never ends inside a character.
#include "platform/rtl/Types.h"

namespace zorbit::detail {

// Leading line feeds, tabs and carriage returns skipped; every other tab
// but one in the last position a blank; beyond 1,024 characters the first
// 1,021 and "...".
plat::String BalloonText(const plat::String& Text);
// Beyond 100 characters the first 97 and "...".
plat::String BalloonTitle(const plat::String& Title);
// The standard icons 0..3; any other number is 0 (none).
int BalloonIcon(int Icon);

}  // namespace zorbit::detail
