#pragma once
// Start-up of the class library: its built-in texts and the classes that
// layouts may name. Part of the program's start-up sequence, before any
// layout is read; calling it again does nothing.
namespace plat {

void InitClassLibrary();

}  // namespace plat
