#pragma once
// The editors' paste rule: a paste that would take the text beyond the
// edit's length limit is refused whole, rather than cut to what fits (a cut
// number or unit would be a different value).
#include "platform/rtl/Types.h"

namespace plat {
class TEditBuffer;
}

namespace zorbit {

// Whether Text pasted in place of Buffer's selection keeps the whole text
// within Buffer's limit; always true without a limit.
bool PasteFitsLimit(const plat::TEditBuffer& Buffer, const plat::String& Text);
// The same for the text on the clipboard.
bool ClipboardPasteFits(const plat::TEditBuffer& Buffer);

}  // namespace zorbit
