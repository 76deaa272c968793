#pragma once
// Registers the controls, forms, timers, actions and image lists for
// layouts (part of InitClassLibrary).
namespace plat {

void RegisterControlClasses();

}  // namespace plat
