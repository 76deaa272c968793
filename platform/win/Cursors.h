#pragma once
// Mouse pointers. The standard shapes are our own pictures, drawn at 32x32
// with a hot spot; a program's own come from its cursor resources. WM_SETCURSOR's default handling sets the class cursor
// over the client area and the sizing shapes over a sizable frame.
#include "platform/gdi/Bitmap.h"
#include "platform/win/WinTypes.h"

namespace plat {

// Standard cursor identifiers, for LoadCursor(nullptr, IDC_...).
inline const char* const IDC_ARROW = MAKEINTRESOURCE(32512);
inline const char* const IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const char* const IDC_WAIT = MAKEINTRESOURCE(32514);
inline const char* const IDC_CROSS = MAKEINTRESOURCE(32515);
inline const char* const IDC_UPARROW = MAKEINTRESOURCE(32516);
inline const char* const IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const char* const IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const char* const IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const char* const IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const char* const IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const char* const IDC_NO = MAKEINTRESOURCE(32648);
inline const char* const IDC_HAND = MAKEINTRESOURCE(32649);
inline const char* const IDC_APPSTARTING = MAKEINTRESOURCE(32650);
inline const char* const IDC_HELP = MAKEINTRESOURCE(32651);

// A standard cursor (instance null, an IDC_ identifier), or the program's
// cursor resource (a whole .cur file, platform/os/Resources.h) of that name;
// a number n that is no standard cursor's (or comes with an instance) names
// the resource "#n". The image nearest 32 x 32 is taken. Null with
// ERROR_RESOURCE_NAME_NOT_FOUND when there is no such resource, or
// ERROR_RESOURCE_DATA_NOT_FOUND when its data is no cursor. Loaded once per
// name; the handle needs no freeing.
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
inline HCURSOR LoadCursor(HINSTANCE instance, const char* name) { return LoadCursorA(instance, name); }

// A cursor drawn by a program (at most 32 x 32), from two planes of
// bits, rows padded to 16-bit words and the leftmost pixel in the high bit:
// AND 1 lets the screen show through (XOR 1 inverts it), AND 0 draws
// black (XOR 0) or white (XOR 1). Null with ERROR_INVALID_PARAMETER for a
// bad size or hot spot. DestroyCursor frees it (not the standard ones).
HCURSOR CreateCursor(HINSTANCE instance, int xHotSpot, int yHotSpot, int width, int height, const void* andPlane,
                     const void* xorPlane);
bool DestroyCursor(HCURSOR cursor);

// Answers the previous cursor; null hides the pointer.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
// What the pointer shows: the current cursor, or null while hidden.
HCURSOR VisibleCursor();
// Counts show requests; the pointer shows while the count is 0 or more.
int ShowCursor(bool show);

// A cursor's picture: colour pixels with a mask (white in the mask: the
// screen shows through; a black pixel over a white mask pixel inverts).
struct CursorPicture {
  const Bitmap* Color = nullptr;
  const Bitmap* Mask = nullptr;
  TPoint HotSpot;
};
// The picture of a cursor handle, or all nulls for an unknown handle.
CursorPicture GetCursorPicture(HCURSOR cursor);

}  // namespace plat
