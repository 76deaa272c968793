#pragma once
// Layered windows (WS_EX_LAYERED top-level windows): shown with a constant
// opacity and/or with the pixels of one colour left out, which the display
// applies when it puts the window's pixels on the screen. The window paints
// as any other; UpdateLayeredWindow instead hands it a finished picture
// (and may move and size it) with the same effects.
#include <optional>

#include "platform/gdi/Blits.h"
#include "platform/win/WinTypes.h"

namespace plat {

constexpr DWORD LWA_COLORKEY = 0x00000001;
constexpr DWORD LWA_ALPHA = 0x00000002;
constexpr DWORD ULW_COLORKEY = 0x00000001;
constexpr DWORD ULW_ALPHA = 0x00000002;
constexpr DWORD ULW_OPAQUE = 0x00000004;

// What the display applies: Key where Flags has LWA_COLORKEY, Alpha where
// it has LWA_ALPHA.
struct LayerAttributes {
  COLORREF Key = 0;
  Byte Alpha = 255;
  DWORD Flags = 0;
  bool operator==(const LayerAttributes&) const = default;
};

// False with ERROR_INVALID_WINDOW_HANDLE for no window, ERROR_INVALID_PARAMETER
// for a window without WS_EX_LAYERED or flags beyond LWA_COLORKEY | LWA_ALPHA.
bool SetLayeredWindowAttributes(HWND window, COLORREF key, Byte alpha, DWORD flags);
// What SetLayeredWindowAttributes set; false for a window it has not set.
bool GetLayeredWindowAttributes(HWND window, COLORREF* key, Byte* alpha, DWORD* flags);
// Moves the window to position and sizes it to size (screen coordinates;
// null keeps each), copies the picture from sourceDc at sourcePosition
// (null: 0, 0) into it, and applies key (ULW_COLORKEY) and the constant
// alpha of blend (ULW_ALPHA); ULW_OPAQUE shows it as it is. screenDc is not
// used. Fails as SetLayeredWindowAttributes does.
bool UpdateLayeredWindow(HWND window, HDC screenDc, POINT* position, SIZE* size, HDC sourceDc, POINT* sourcePosition,
                         COLORREF key, BLENDFUNCTION* blend, DWORD flags);

}  // namespace plat
