#pragma once
// Registers the tool bar and its buttons for layouts (part of
// InitClassLibrary): a TToolBar entry holds its TToolButton entries as
// components, in the buttons' order.
namespace plat {

void RegisterToolBarClasses();

}  // namespace plat
