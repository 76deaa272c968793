#pragma once
// Registers the Unicode edit and memo for layouts (TEsgUniEdit with the
// edit's settings, TEsgUniMemo with the memo's), so that a window's layout
// can declare them; their Text is the window text, UTF-8 in a layout. Part
// of the start-up sequence after the class library's own classes (it
// starts them when they are not yet); calling it again does nothing new.
// The Unicode edit with a button and combo box are registered with their
// plain kin (EditBtnClasses.h, ComboClasses.h).
namespace zorbit {

void RegisterUniEditClasses();

}  // namespace zorbit
