#pragma once
// The layered-window calls, looked up by name in "USER32" when they are
// made. A system (or window layer) without them still shows the window,
// only without the effect, so a missing function counts as success.
#include "platform/gdi/Blits.h"
#include "platform/gdi/WindowHandle.h"

namespace zorbit {

// The functions' types as "USER32" offers them (BOOL results as int).
using TUpdateLayeredWindow = int (*)(plat::HWND Window, plat::HDC DestDc, plat::POINT* DestPos, plat::SIZE* Size,
                                     plat::HDC SourceDc, plat::POINT* SourcePos, plat::COLORREF Key,
                                     plat::BLENDFUNCTION* Blend, plat::DWORD Flags);
using TSetLayeredWindowAttributes = int (*)(plat::HWND Window, plat::COLORREF Key, plat::Byte Alpha, plat::DWORD Flags);

// The function's answer, or true when it is missing.
bool CallUpdateLayeredWindow(plat::HWND Window, plat::HDC DestDc, plat::POINT* DestPos, plat::SIZE* Size,
                             plat::HDC SourceDc, plat::POINT* SourcePos, plat::COLORREF Key, plat::BLENDFUNCTION* Blend,
                             plat::DWORD Flags);
bool CallSetLayeredWindowAttributes(plat::HWND Window, plat::COLORREF Key, plat::Byte Alpha, plat::DWORD Flags);

}  // namespace zorbit
