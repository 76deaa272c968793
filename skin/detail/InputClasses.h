#pragma once
// Registers the skinned edit, list box, group box, image panel, track bar
// and scroll bar for layouts and published-property look-ups (part of
// RegisterSkinClasses).
namespace zorbit::detail {

void RegisterInputClasses();

}  // namespace zorbit::detail
