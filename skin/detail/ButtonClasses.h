#pragma once
// Registers the skinned buttons, the image button TImgBtn and the skinned
// check box for layouts and property look-ups by name (FileTheme and
// UIStyle among them, as the theme walk sets them). Part of
// RegisterSkinClasses.
namespace zorbit::detail {

void RegisterButtonClasses();

}  // namespace zorbit::detail
