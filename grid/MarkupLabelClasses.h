#pragma once
// Registers the HTML label for layouts: TMarkupLabel with its HTML text,
// link colour, anchor hints, ellipsis and anchor events, so a window's
// layout can declare links. Part of the start-up sequence after the class
// library's own classes (it starts them when they are not yet); calling it
// again does nothing new.
namespace zorbit {

void RegisterMarkupLabelClass();

}  // namespace zorbit
