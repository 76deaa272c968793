#pragma once
// The notifications the standard edit and list box send their parent
// window as WM_COMMAND (the control's identifier and the code in wParam,
// its window in lParam), as the platform's controls do; a parent (an
// in-place editor's grid) may watch them.
#include "platform/win/WinTypes.h"

namespace plat {

class TWinControl;

// Nothing without a window or a parent window.
void NotifyParent(TWinControl* Control, UINT Code);

}  // namespace plat
