#pragma once
// Registers the skin library's classes for layouts, so that a window's
// layout can declare them: TskFileTheme with its ThemeFile, the skinned
// buttons, check box and TImgBtn with their published properties. Part of the
// start-up sequence after the class library's own classes (it starts them
// when they are not yet); calling it again does nothing.
namespace zorbit {

void RegisterSkinClasses();

}  // namespace zorbit
