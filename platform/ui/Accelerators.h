#pragma once
// "&" accelerators in captions: "&Open" answers to O (and o); "&&" is a
// plain ampersand.
#include "platform/rtl/Types.h"

namespace plat {

// Whether Char is the accelerator of Caption, without regard to case.
bool IsAccel(char32_t Char, const String& Caption);

}  // namespace plat
