#pragma once
// The caret as the message wait and the painting code see it: its blink
// falls due on the clock, and it comes off the screen while its window is
// painted or scrolled.
#include <cstdint>
#include <optional>

#include "platform/win/detail/Window.h"

namespace plat {

std::optional<std::int64_t> CaretNextBlink();
void CaretBlink(std::int64_t now);
// Takes the caret off the screen while the window (or an ancestor of the
// caret's window) is drawn on; CaretRestore puts it back. They nest.
void CaretHide(Window* window);
void CaretRestore(Window* window);
// The window is going away: so is its caret.
void CaretWindowGone(Window* window);

}  // namespace plat
