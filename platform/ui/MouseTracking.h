#pragma once
// The control under the mouse. Every control window reports the pointer's
// screen position from its mouse messages (and when the pointer left it),
// so the control it is over hears CM_MOUSEENTER and the one it left
// CM_MOUSELEAVE, also while some window holds the mouse capture. The window
// under the pointer is tracked until the pointer leaves it; a leave onto a
// frame or out of every window of ours leaves no control under the mouse.
#include "platform/gdi/Geometry.h"
#include "platform/win/WinTypes.h"

namespace plat {

class TControl;

void NoteMousePosition(TPoint Screen);
// The window reported that the pointer left it (its client area).
void NoteMouseLeft(HWND Window);
// A control is going away: it is no longer under the mouse.
void ForgetMouseControl(TControl* Control);
TControl* MouseControl();

}  // namespace plat
