#pragma once
// Menu shortcuts: a virtual key with Shift, Ctrl and Alt packed in one
// 16-bit value (the key in the low byte, scShift, scCtrl and scAlt above),
// and its text as menus show it ("Ctrl+S", "Shift+Del", "Alt+F4", "F1").
//
// The key and modifier names are the class library's resource strings, so
// a translation changes what menus show and what TextToShortCut reads
// alike. Modifiers are written Shift, Ctrl, Alt in that order; reading
// takes them in any order and without regard to case. Keys without a name
// (the modifier keys themselves, mouse buttons) have no text: their
// shortcut reads as "", and a text that names no key reads as 0.
#include <cstdint>

#include "platform/rtl/Types.h"
#include "platform/ui/ControlTypes.h"

namespace plat {

using TShortCut = std::uint16_t;

constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

// Key with the modifiers of Shift (mouse buttons and ssDouble are
// ignored); 0 for a key above 255.
TShortCut ShortCut(Word Key, TShiftState Shift);
// The key and the modifiers of a shortcut.
void ShortCutToKey(TShortCut Value, Word& Key, TShiftState& Shift);
String ShortCutToText(TShortCut Value);
TShortCut TextToShortCut(const String& Text);

}  // namespace plat
