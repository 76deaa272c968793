#pragma once
// A caption cut to the room it has: unchanged when it fits (an empty one
// always does), else whole code
// points removed from its end until the rest plus "..." fits (down to
// "..." alone, which is shown even when it does not fit).
#include "platform/rtl/Types.h"

namespace plat {
class TCanvas;
}

namespace zorbit {

plat::String FitCaption(plat::TCanvas& Canvas, plat::String Caption, int Room);

}  // namespace zorbit
