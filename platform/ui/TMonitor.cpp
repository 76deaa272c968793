#include "platform/ui/TMonitor.h"

namespace plat {

MONITORINFO TMonitor::Info() const {
  MONITORINFO info;
  // A monitor gone since reads as empty.
  if (!GetMonitorInfo(FHandle, &info)) return MONITORINFO{};
  return info;
}

TRect TMonitor::BoundsRect() const { return Info().rcMonitor; }
TRect TMonitor::WorkareaRect() const { return Info().rcWork; }
bool TMonitor::Primary() const { return (Info().dwFlags & MONITORINFOF_PRIMARY) != 0; }

}  // namespace plat
