#pragma once
// Window translation by tag: gives the controls of a window their texts from
// the global string table when the window is shown.
//
// A control takes part when bit 16 (65536) of its Tag is set; bits 0 to 15
// are a text id, and 0 means that the control's current text is the key.
// Images are the exception: an image that shows its hint has the hint
// translated whatever its Tag. The controls are walked in index order and
// every windowed child is descended into, whatever its class or Tag (a
// panel's own Tag is never read).
//
// Promises: a missing translation leaves the English text, or shows the id
// key when the control is keyed by an id the table lacks; without a string
// table nothing changes. Captions are set through the class's published
// Caption property, so a control with a caption of its own repaints through
// its own setter. The skinned controls and the advanced grid are recognised
// by their registered class names, so this unit needs neither library.
#include "platform/rtl/Types.h"

namespace plat {
class TWinControl;
}

namespace zorbit {

// The section every window of the program is translated with.
inline constexpr const char* kFormComponentSection = "ZorbitFormComponent";

// Translates the controls below Parent (Parent itself is not touched).
void Translate(const plat::String& Section, plat::TWinControl* Parent);

// The key of a text id: four upper-case hexadecimal digits when the
// section's "HEX" key looks up to a true Boolean text, else the id in
// decimal (769 gives "0301" or "769").
plat::String TagKey(int Id, const plat::String& Section);

}  // namespace zorbit
