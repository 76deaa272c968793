#pragma once
// Registers the spin editor's controls for layouts: TEsgSpinButton (its
// direction, glyph counts, focus control and click events) and TEsgSpinEdit
// (its kind, integer limits and steps, precision, direction, alignment and
// switches), so that a window's layout can declare spin editors. Part of the
// start-up sequence after the class library's own classes (it starts them
// when they are not yet); calling it again does nothing new.
namespace zorbit {

void RegisterSpinEditClasses();

}  // namespace zorbit
