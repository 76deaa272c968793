#pragma once
// Registers the menus and menu items for layouts (part of
// InitClassLibrary): a TMainMenu or TPopupMenu holds its TMenuItem entries
// as nested components, items nest their sub-items, and a shortcut is
// written as its text ("Ctrl+S"; "" for none, a text naming no key is a
// load error).
namespace plat {

void RegisterMenuClasses();

}  // namespace plat
