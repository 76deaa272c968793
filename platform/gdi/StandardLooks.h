#pragma once
// The standard looks in the classic scheme: 3-D edges, frame controls
// (buttons, check boxes, radio buttons, scroll and combo arrows, caption
// buttons) and the dotted focus rectangle. Controls call these rather than
// drawing their own frames.
#include "platform/gdi/DeviceContext.h"

namespace plat {

// Draws the rings named by edge (BDR_*) on the sides named by flags (BF_*).
// The bottom and right colours own the top-right and bottom-left corners.
// BF_ADJUST shrinks *rect by the rings drawn; BF_MIDDLE fills the inside.
bool DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);
// DFC_BUTTON, DFC_SCROLL or DFC_CAPTION with their DFCS_* kind and states.
// Check boxes and radio buttons take the largest centred square of *rect.
// DFC_MENU draws a menu glyph (DFCS_MENUCHECK, DFCS_MENUBULLET,
// DFCS_MENUARROW pointing right, DFCS_MENUARROWRIGHT pointing left for
// right-to-left menus) as a mask: black on white over the whole rectangle,
// centred, whatever the colour scheme; the menu paints it in its own colours.
bool DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state);
// Inverts every other pixel of the rectangle's outline, so drawing it twice
// restores what was there.
bool DrawFocusRect(HDC dc, const RECT* rect);

}  // namespace plat
