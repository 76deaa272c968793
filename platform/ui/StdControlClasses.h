#pragma once
// Registers the standard controls (panel, label, image, buttons, check
// box, radio button, speed button, group box, edit, list box) for layouts
// (part of InitClassLibrary).
namespace plat {

void RegisterStdControlClasses();

}  // namespace plat
