#pragma once
// Unicode in 8-bit cell texts: a text that starts with the marker "|\"
// carries UTF-16 characters after it, two bytes each, high byte first.
#include "platform/rtl/Types.h"

namespace zorbit {

inline constexpr char UnicodeCellMarker[] = "|\\";

// A marked text to its characters (an odd last byte is ignored); any other
// text converted from the system code page.
plat::WideString DecodeUnicodeCellText(const plat::String& Text);
plat::String EncodeUnicodeCellText(const plat::WideString& Text);

// 1-based position of Sub in Text; 0 when absent or Sub is empty.
int WideTextPos(const plat::WideString& Sub, const plat::WideString& Text);

}  // namespace zorbit
