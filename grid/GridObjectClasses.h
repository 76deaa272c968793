#pragma once
// Registers the grid's companion controls for layouts: the search panel's
// button TExtGridButton with its published settings and OnDropDown, and
// the floating TPopupButton with Flat and its gradient. Glyphs are not
// layout data; the program assigns them. RegisterBaseGridClasses calls it.
namespace zorbit {

void RegisterGridObjectClasses();

}  // namespace zorbit
