#pragma once
// Registers the grid's flat combo boxes for layouts: TESGComboBox and
// TESGUniComboBox with their flat look (AutoFocus, ButtonWidth, Flat,
// Etched, FocusBorder, DropWidth; the plain one also Version, which a
// layout may name but not change), so that a window's layout can declare
// them. Part of the start-up sequence after the class library's own classes
// (it starts them when they are not yet); calling it again does nothing new.
namespace zorbit {

void RegisterComboClasses();

}  // namespace zorbit
