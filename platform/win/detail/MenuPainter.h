#pragma once
// Draws menus in the standard looks: the popup's raised frame, items in the
// menu font and colours (the default item bold), check marks, radio bullets
// and sub-menu arrows through DrawFrameControl(DFC_MENU), the shortcut text
// right-aligned, separators as an etched line, the selected item in the
// highlight colours, disabled items in the gray text colour. Owner-drawn
// items are drawn by the owner (WM_DRAWITEM) in the DC given, which is
// restored afterwards.
#include "platform/win/detail/MenuLayout.h"

namespace plat {

struct MenuPaintState {
  int Selected = -1;              // the highlighted item's position, or -1
  bool HideAccelerators = false;  // ODS_NOACCEL for owner-drawn items (opened by the mouse)
};

// The whole popup menu window's client area.
void PaintPopupMenu(HDC dc, HWND owner, HMENU menu, const PopupLayout& layout, const MenuPaintState& state);
// A window's menu bar into `bar` (window coordinates of dc).
void PaintMenuBar(HDC dc, HWND owner, HMENU menu, const TRect& bar, const BarLayout& layout,
                  const MenuPaintState& state);

}  // namespace plat
