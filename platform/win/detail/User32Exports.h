#pragma once
// Enters the window layer's functions that programs look up by name into
// "USER32" (ModuleExports.h), in the forms callers cast them to (BOOL
// results and arguments as int). Idempotent; the window list calls it as it
// starts, before any window exists.
namespace plat {

void RegisterUser32Exports();

}  // namespace plat
