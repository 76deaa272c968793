#include "platform/gdi/DisplayMode.h"

namespace plat {

namespace {
TDisplayMode& CurrentMode() {
  static TDisplayMode mode;
  return mode;
}
}  // namespace

const TDisplayMode& DisplayMode() { return CurrentMode(); }

void SetDisplayMode(const TDisplayMode& Mode) { CurrentMode() = Mode; }

}  // namespace plat
