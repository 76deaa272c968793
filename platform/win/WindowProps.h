#pragma once
// Window properties: named handles a window carries for others. Names
// compare without regard to case; an atom (MAKEINTATOM) names a property too.
#include "platform/os/Handle.h"
#include "platform/win/WinTypes.h"

namespace plat {

bool SetPropA(HWND window, const char* name, HANDLE data);
bool SetPropW(HWND window, const char16_t* name, HANDLE data);
inline bool SetProp(HWND window, const char* name, HANDLE data) { return SetPropA(window, name, data); }
HANDLE GetPropA(HWND window, const char* name);
HANDLE GetPropW(HWND window, const char16_t* name);
inline HANDLE GetProp(HWND window, const char* name) { return GetPropA(window, name); }
// Answers the property's handle, null when there was none.
HANDLE RemovePropA(HWND window, const char* name);
HANDLE RemovePropW(HWND window, const char16_t* name);
inline HANDLE RemoveProp(HWND window, const char* name) { return RemovePropA(window, name); }

}  // namespace plat
