#include "grid/ExtStringGridCheck.h"

namespace zorbit {

plat::String TExtStringGridCheck::MarkError(int, int, const plat::String& Value) { return Value; }

plat::String TExtStringGridCheck::Correct(int, int, const plat::String& Value) { return Value; }

}  // namespace zorbit
