#include "platform/ui/MouseTracking.h"

#include "platform/ui/TWinControl.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowPos.h"

namespace plat {

namespace {

TControl* gMouseControl = nullptr;
HWND gTrackedWindow = nullptr;

void SetMouseControl(TControl* Control) {
  if (Control == gMouseControl) return;
  TControl* left = gMouseControl;
  gMouseControl = Control;
  if (left) left->Perform(CM_MOUSELEAVE, 0, 0);
  // The leave handler may have moved on already.
  if (Control && Control == gMouseControl) Control->Perform(CM_MOUSEENTER, 0, 0);
}

}  // namespace

void NoteMousePosition(TPoint Screen) {
  // The window under the pointer reports when the pointer leaves it, so a
  // control hears of it also when no other window of ours is entered.
  const HWND under = WindowFromPoint(Screen);
  if (under != gTrackedWindow && FindControl(under)) {
    TRACKMOUSEEVENT track;
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = under;
    TrackMouseEvent(&track);
    gTrackedWindow = under;
  }
  SetMouseControl(FindDragTarget(Screen, true));
}

void NoteMouseLeft(HWND Window) {
  if (Window != gTrackedWindow) return;
  gTrackedWindow = nullptr;
  // Not tracked again: a window of ours under the pointer now reports it
  // with its own mouse messages, and tracking this one again would only
  // report the leave again. The pointer was last seen still over this window
  // when it went off every window of ours; over a frame, no control is under it.
  POINT p;
  GetCursorPos(&p);
  TWinControl* under = FindControl(WindowFromPoint(p));
  const bool inClientArea =
      under && under->Handle() != Window && under->ClientRect().Contains(under->ScreenToClient(p));
  SetMouseControl(inClientArea ? FindDragTarget(p, true) : nullptr);
}

void ForgetMouseControl(TControl* Control) {
  if (gMouseControl == Control) gMouseControl = nullptr;
}

TControl* MouseControl() { return gMouseControl; }

}  // namespace plat
