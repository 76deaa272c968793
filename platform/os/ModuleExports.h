#pragma once
// Functions looked up by name at run time, the way a program looks them up
// in a system library that may or may not offer them. The platform units
// that stand in for such a library enter their functions under its name
// ("USER32"); a library or function never entered is missing, as on a system
// without it, and the caller takes its documented fallback. Library names
// compare without case and with or without ".DLL"; function names exactly.
// A library named by a path ("/x/System32/hhctrl.ocx"; "\" delimits too) is
// the library of its file name, and LoadLibrary finds it only while that
// file exists, as a system loads a library from its file.
// Safe to use from any thread.
#include "platform/rtl/Types.h"

namespace plat {

// A function of some type; the caller casts it to the type it expects of the
// name, as with the platform's own lookup.
using FARPROC = void (*)();

struct ModuleRecord;
using HMODULE = ModuleRecord*;

// Enters (or replaces) a function; a null proc removes it.
void RegisterProcAddress(const String& moduleName, const String& procName, FARPROC proc);

// The library while it offers at least one function; null and
// ERROR_MOD_NOT_FOUND otherwise.
HMODULE GetModuleHandle(const String& moduleName);
// Null with ERROR_INVALID_HANDLE for a handle that GetModuleHandle did not
// give, or with ERROR_PROC_NOT_FOUND for a name the library lacks.
FARPROC GetProcAddress(HMODULE module, const String& procName);

// The library's handle, as GetModuleHandle answers, with its load count
// raised (a path must name an existing file); the libraries are the platform's own and stay in memory, so the
// count only decides how many FreeLibrary calls it takes. Null with
// ERROR_MOD_NOT_FOUND for a library that offers nothing.
HMODULE LoadLibrary(const String& moduleName);
HMODULE LoadLibrary(const WideString& moduleName);
// Lowers the count; false with ERROR_INVALID_HANDLE for a handle no
// LoadLibrary call gave, or one freed as often as it was loaded.
bool FreeLibrary(HMODULE module);

}  // namespace plat
