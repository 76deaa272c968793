#pragma once
// Enters the window layer's functions that programs look up by name into
// "USER32" (ModuleExports.h), in the forms callers cast them to (BOOL
// results and arguments as int), and the common controls' version into
// "COMCTL32". Idempotent; the window list calls it as it
// starts, before any window exists.
namespace plat {

void RegisterUser32Exports();

}  // namespace plat
