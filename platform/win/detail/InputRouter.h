#pragma once
// Turns input into messages: finds the target window (the capture holder,
// else hit testing with WM_NCHITTEST), sets the cursor (WM_SETCURSOR),
// activates on clicks (WM_MOUSEACTIVATE), makes double clicks, keeps the
// key state and mouse tracking, and queues the messages.
//
// Mouse tracking ends with the leave it reports. A window is told of one
// leave once: tracking a window the pointer is not over reports the leave at
// once, unless the window was told of it already and the pointer has not
// moved since, so a leave handler that asks again starts no loop. Once the
// display reports that the pointer left every window of ours, no window is
// under it until the display reports it again.
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "platform/win/detail/ThreadQueue.h"
#include "platform/win/detail/Window.h"

namespace plat {

class InputRouter {
 public:
  static InputRouter& Instance();

  // Input fed by a display: updates the physical (asynchronous) state and
  // queues the input for routing.
  void Feed(RawInput input);
  // Routes one input taken from the queue; may send messages and queue some.
  void Route(const RawInput& input);

  struct Target {
    Window* Win = nullptr;
    LRESULT Hit = HTNOWHERE;
  };
  // The window under a screen point and its hit-test code (HTERROR for a
  // window disabled for modality).
  Target HitTest(TPoint screen);

  // The next release of the button reaches no window: the press that
  // dismissed a menu was the menu's, and so is its release.
  void SwallowNextRelease(MouseButton button);

  // Mouse tracking.
  void CancelTracking(Window* window);
  HWND TrackedWindow() const { return FTracked; }
  bool StartTracking(Window* window, DWORD flags, DWORD hoverTime);
  std::optional<std::int64_t> NextHoverDue() const;
  void HoverTick(std::int64_t now);

  TPoint CursorPos;
  // The display reported that the pointer left every window of ours.
  bool PointerOutside() const { return FPointerOutside; }
  std::array<Byte, 256> SyncKeys{};
  std::array<Byte, 256> AsyncKeys{};
  UINT DoubleClickTime = 500;

 private:
  void RouteMouse(const RawInput& input);
  void RouteWheel(const RawInput& input);
  void RouteKey(const RawInput& input);
  void RouteChar(const RawInput& input);
  void RouteComposition(const RawInput& input);
  void UpdateTracking(const Target& under);
  void PostLeave(Window* window, bool nonClient);
  WPARAM MouseKeyFlags() const;

  // The last press, for double clicks.
  struct Press {
    HWND Window = nullptr;
    MouseButton Button = MouseButton::Left;
    bool NonClient = false;
    std::int64_t Time = 0;
    TPoint Point;
    bool Valid = false;
  } FLastPress;
  HWND FTracked = nullptr;
  TPoint FHoverOrigin;
  bool FPointerOutside = false;
  // The leaves posted since pointer input was last routed: the window and
  // WM_MOUSELEAVE or WM_NCMOUSELEAVE.
  std::vector<std::pair<HWND, UINT>> FToldOfLeave;
  std::array<bool, 3> FSwallowRelease{};  // by MouseButton
};

}  // namespace plat
