#pragma once
// Activation as the other window units need it.
#include "platform/win/detail/Window.h"

namespace plat {

// Makes a top-level window the active one (how: WA_ACTIVE or
// WA_CLICKACTIVE), with its messages, bringing it to the top; null
// deactivates the program. False when it cannot be (hidden, disabled,
// going away).
bool ActivateWindow(Window* root, Word how);
// `leaving` is being hidden, disabled or destroyed while active: activates
// its owner when that can be, else the topmost visible enabled top-level
// window, else none.
void ActivateOtherWindow(Window* leaving);
// The window to activate instead of a disabled one: its enabled, visible
// owned popup (searching down the chain of owned popups), or null.
Window* EnabledPopup(Window* owner);

}  // namespace plat
