#pragma once
// Ordering of names without regard to ASCII case, for the maps of the class
// library's names (classes, properties, handlers), which match that way.
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Types.h"

namespace plat {

struct TTextLess {
  bool operator()(const String& a, const String& b) const { return CompareText(a, b) < 0; }
};

}  // namespace plat
