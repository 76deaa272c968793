#pragma once
// Text as the common controls draw it: in the font WM_SETFONT gave them
// (the default GUI font until then), measured on the screen's DC, filled
// areas and text in system colours.
#include "platform/gdi/Colors.h"
#include "platform/gdi/Geometry.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/win/WinTypes.h"

namespace plat {

// Given, or the default GUI font when null.
HFONT ControlFont(HFONT Given);
SIZE MeasureControlText(HFONT Font, const String& Text);
int ControlTextHeight(HFONT Font);
// Fills a rectangle with a system colour (COLOR_*).
void FillSysColor(HDC DC, const RECT& Rect, int ColorIndex);
// Writes text into a rectangle (DT_* format) in a colour, leaving the
// background as it is.
void DrawControlText(HDC DC, HFONT Font, const String& Text, RECT Rect, UINT Format, COLORREF Color);
// A notification (WM_NOTIFY) from Window to Target; Record starts with an
// NMHDR whose sender and code this fills.
LRESULT SendNotify(HWND Target, HWND Window, UINT Code, void* Record);

}  // namespace plat
