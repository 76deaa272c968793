#pragma once
// One embedded resource as the sources that tools/rescomp generates lay it
// out. Each generated source puts one pointer per resource into the linker
// section "zorbit_resources"; the linker gathers the pointers of every object
// file of the program into one array that Resources.cpp walks, so resources
// of libraries and of the program are found alike without any start-up code.
#include <cstddef>

#include "platform/rtl/Types.h"

namespace plat {

struct TResourceEntry {
  Word Type;         // RT_* (Resources.h)
  const char* Name;  // as declared; looked up without regard to case
  const char* Data;  // the file's bytes, unchanged
  std::size_t Size;
};

}  // namespace plat
