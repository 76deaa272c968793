#pragma once
// The OEM code page (437, the console's character set of DOS-era files) to
// the system ("ANSI") code page, which is UTF-8.
#include "platform/rtl/Types.h"

namespace plat {

// Bytes below 128 are kept; the others become their code page 437 letters,
// box-drawing and symbol characters.
String OemToChar(const String& oemText);

}  // namespace plat
