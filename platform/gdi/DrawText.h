#pragma once
// Formatted text in a rectangle with the font selected into a DC: several
// lines (CR, LF or CR LF) or one (DT_SINGLELINE), word wrapping
// (DT_WORDBREAK; DT_EDITCONTROL also breaks words wider than a line and
// leaves out a last line that would show only in part), alignment
// (DT_CENTER, DT_RIGHT; DT_VCENTER and DT_BOTTOM for a single line), "&"
// prefixes shown underlined ("&&" for "&") unless DT_NOPREFIX, DT_EXPANDTABS
// (stops every 8 average character widths, or the DRAWTEXTPARAMS tab
// length), DT_EXTERNALLEADING, DT_END_ELLIPSIS (on the last line of wrapped
// text, also when lines below it are cut) and DT_PATH_ELLIPSIS (keeping the
// part from the last "\" or "/"), clipped to the rectangle unless DT_NOCLIP.
// DT_CALCRECT draws nothing and sets the rectangle's right and bottom to the
// text's extent (without ellipses). The result is the text's height, or with
// DT_VCENTER or DT_BOTTOM the distance from the rectangle's top to the text's
// bottom; 0 on failure. An empty text has no lines and height 0.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/TextConstants.h"

namespace plat {

struct DRAWTEXTPARAMS {
  UINT cbSize = sizeof(DRAWTEXTPARAMS);
  int iTabLength = 0;  // in average character widths; 0 for the default
  int iLeftMargin = 0;
  int iRightMargin = 0;
  UINT uiLengthDrawn = 0;  // out: code units laid out up to the last line drawn
};

// count -1: up to the terminating zero.
int DrawTextA(HDC dc, const char* text, int count, RECT* rect, UINT format);
int DrawTextW(HDC dc, const char16_t* text, int count, RECT* rect, UINT format);
inline int DrawText(HDC dc, const char* text, int count, RECT* rect, UINT format) {
  return DrawTextA(dc, text, count, rect, format);
}

// params may be null; when given its cbSize must be right.
int DrawTextExA(HDC dc, const char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params);
int DrawTextExW(HDC dc, const char16_t* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params);
inline int DrawTextEx(HDC dc, const char* text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params) {
  return DrawTextExA(dc, text, count, rect, format, params);
}

}  // namespace plat
