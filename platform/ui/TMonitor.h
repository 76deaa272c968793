#pragma once
// One monitor as the class library sees it: its handle, its number in
// Screen's list and its bounds and work area in virtual-screen coordinates,
// read from the window layer each time they are asked for. Made and kept
// by TScreen only.
#include "platform/gdi/Geometry.h"
#include "platform/win/Monitors.h"

namespace plat {

// What a monitor look-up answers when the place lies on no monitor.
enum class TMonitorDefaultTo { mdNearest, mdNull, mdPrimary };

class TMonitor {
 public:
  TMonitor(HMONITOR Handle, int MonitorNum) : FHandle(Handle), FMonitorNum(MonitorNum) {}
  TMonitor(const TMonitor&) = delete;
  TMonitor& operator=(const TMonitor&) = delete;

  HMONITOR Handle() const { return FHandle; }
  int MonitorNum() const { return FMonitorNum; }
  TRect BoundsRect() const;
  TRect WorkareaRect() const;
  int Left() const { return BoundsRect().Left; }
  int Top() const { return BoundsRect().Top; }
  int Width() const { return BoundsRect().Width(); }
  int Height() const { return BoundsRect().Height(); }
  bool Primary() const;

 private:
  MONITORINFO Info() const;

  HMONITOR FHandle;
  int FMonitorNum;
};

}  // namespace plat
