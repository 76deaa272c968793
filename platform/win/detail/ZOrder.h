#pragma once
// The stacking of sibling windows (topmost first in the parent's child
// list) and the rules every stacking of top-level windows keeps:
// - topmost windows (WS_EX_TOPMOST) form a band above all others;
// - a window stays above the window that owns it, unless only the owner is
//   topmost (a window created for a topmost owner is topmost itself).
// Child windows have no bands; they stack as they are placed.
#include "platform/win/detail/Window.h"

namespace plat {

// Places w among its siblings as SetWindowPos's insertAfter says:
// HWND_TOP (the top of its band), HWND_BOTTOM (the very bottom, leaving the
// topmost band), HWND_TOPMOST (entering the band, with the windows it
// owns), HWND_NOTOPMOST (leaving it, with the windows it owns, for the top
// of the others) or below a sibling (kept within its band). The windows w
// owns follow it up. Answers whether any window's place changed; false for
// a sibling handle that is not w's sibling.
bool PlaceInZOrder(Window* w, HWND insertAfter);

// Enters a window into its new parent's list at the top (a top-level window:
// of its band; one made for a topmost owner is topmost).
void InsertInZOrder(Window* parent, Window* w);

// Whether w is as high as it can go: above it only windows of a higher
// band and windows it owns.
bool IsRaised(const Window* w);

// Whether w is owner, or owned by it through a chain of owners.
bool IsOwnedBy(const Window* w, const Window* owner);

}  // namespace plat
