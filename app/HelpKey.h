#pragma once
// F1 in a window the main window opened: its Help button is clicked, so that
// help opens exactly as from the main window. Nothing happens without a main
// window or without a button of that name on it.
#include <cstdint>

namespace zorbit {

void HelpKeyReleased(std::uint16_t Key);

}  // namespace zorbit
