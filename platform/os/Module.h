#pragma once
// The running program's own file.
#include "platform/rtl/Types.h"

namespace plat {

// The full path of the program file (from /proc/self/exe), however long;
// "" with the last error set when it cannot be read.
String GetModuleFileName();

}  // namespace plat
