#pragma once
// Icons: pictures with a transparency mask, each icon holding one image per
// size. The standard icons (IDI_...) are our own drawings at 32 x 32 and
// 16 x 16; a program's icons are its icon resources (whole .ico files,
// platform/os/Resources.h), found by name.
//
// Drawing picks the image nearest the size asked for (the deepest among
// equals) and stretches it to that size: the mask clears the screen where
// the icon shows and the image is laid over it, so the rest of the screen
// stays as it was. Handles from LoadIcon are shared and never freed;
// DestroyIcon frees the others. Unreadable icon data gives no icon, never
// a crash.
#include <span>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/WinTypes.h"

namespace plat {

// Standard icon identifiers, for LoadIcon(nullptr, IDI_...).
inline const char* const IDI_APPLICATION = MAKEINTRESOURCE(32512);
inline const char* const IDI_HAND = MAKEINTRESOURCE(32513);
inline const char* const IDI_QUESTION = MAKEINTRESOURCE(32514);
inline const char* const IDI_EXCLAMATION = MAKEINTRESOURCE(32515);
inline const char* const IDI_ASTERISK = MAKEINTRESOURCE(32516);
inline const char* const IDI_ERROR = IDI_HAND;
inline const char* const IDI_WARNING = IDI_EXCLAMATION;
inline const char* const IDI_INFORMATION = IDI_ASTERISK;

// DrawIconEx flags.
constexpr UINT DI_MASK = 0x0001;
constexpr UINT DI_IMAGE = 0x0002;
constexpr UINT DI_NORMAL = DI_MASK | DI_IMAGE;
constexpr UINT DI_DEFAULTSIZE = 0x0008;

// A standard icon (a null or any instance with an IDI_ identifier) or the
// program's icon resource of that name. Null with
// ERROR_RESOURCE_NAME_NOT_FOUND when there is none, or
// ERROR_RESOURCE_DATA_NOT_FOUND when its data is no icon.
HICON LoadIconA(HINSTANCE instance, const char* name);
inline HICON LoadIcon(HINSTANCE instance, const char* name) { return LoadIconA(instance, name); }

// An icon from the bytes of an .ico file; null with
// ERROR_RESOURCE_DATA_NOT_FOUND when they are not one. Free it with DestroyIcon.
HICON CreateIconFromIconFile(std::span<const Byte> data);
// Frees an icon made by CreateIconFromIconFile; true (and nothing freed) for
// a shared one; false with ERROR_INVALID_CURSOR_HANDLE for an unknown handle.
bool DestroyIcon(HICON icon);

// Draws the icon at (x, y) in cx x cy pixels; 0 takes the size of the
// icon's first image, or the system's icon size with DI_DEFAULTSIZE.
// DI_NORMAL draws the mask then the image; DI_MASK or DI_IMAGE alone copies
// that plane (the mask: black where the icon shows, white elsewhere; the
// image: black where it does not show). A flicker-free brush fills the
// rectangle first. The step (animation frame) is accepted and ignored.
bool DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flickerFreeBrush, UINT flags);
// The icon at the system's icon size.
bool DrawIcon(HDC dc, int x, int y, HICON icon);

// The sizes of the icon's images, in their order; empty for an unknown handle.
std::vector<TSize> IconImageSizes(HICON icon);

}  // namespace plat
