#pragma once
// The caret: one per thread, owned by a window, drawn by inverting its
// rectangle in the window's client area and blinking on the window layer's
// clock. It starts hidden; ShowCaret and HideCaret count. While the owner
// paints (BeginPaint to EndPaint) it is taken off the screen.
#include "platform/gdi/Bitmap.h"
#include "platform/win/WinTypes.h"

namespace plat {

// bitmap: null for a solid caret, (HBITMAP)1 for a grey one, or a bitmap
// whose size is the caret's (its pixels XOR the screen).
bool CreateCaret(HWND window, HBITMAP bitmap, int width, int height);
bool DestroyCaret();
bool ShowCaret(HWND window);
bool HideCaret(HWND window);
// Client coordinates of the owner.
bool SetCaretPos(int x, int y);
bool GetCaretPos(POINT* point);
UINT GetCaretBlinkTime();
bool SetCaretBlinkTime(UINT milliseconds);

}  // namespace plat
