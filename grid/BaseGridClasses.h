#pragma once
// Registers the grid base's classes for layouts: TBaseGrid with its
// published settings and display-text events, and the undo recorder
// TExtGridUndoRedo with MaxLevel, so that a layout can declare a grid and
// link it to a recorder by name; then the grid's companion controls
// (RegisterGridObjectClasses). Part of the start-up sequence after the
// class library's own classes (it starts them when they are not yet).
namespace zorbit {

void RegisterBaseGridClasses();

}  // namespace zorbit
