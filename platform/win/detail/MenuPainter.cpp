#include "platform/win/detail/MenuPainter.h"

#include <algorithm>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Blits.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DCStateSaver.h"
#include "platform/gdi/DrawText.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/detail/SystemFonts.h"

namespace plat {
namespace {

// Where the mask is black the brush, elsewhere the destination (PSDPxax).
constexpr DWORD MaskWithBrush = 0x00B8074A;

// A DFC_MENU glyph centred in `cell`, in `color`.
void DrawGlyph(HDC dc, const TRect& cell, UINT kind, COLORREF color) {
  const int s = GetSystemMetrics(SM_CXMENUCHECK);
  const TPoint at{cell.Left + (cell.Width() - s) / 2, cell.Top + (cell.Height() - s) / 2};
  HDC mask = CreateCompatibleDC(dc);
  HBITMAP picture = CreateCompatibleBitmap(dc, s, s);
  HBRUSH brush = CreateSolidBrush(color);
  const ScopeExit release([&] {
    DeleteDC(mask);
    DeleteObject(picture);
    DeleteObject(brush);
  });
  SelectObject(mask, picture);
  RECT r{0, 0, s, s};
  DrawFrameControl(mask, &r, DFC_MENU, kind);
  const DCStateSaver saver(dc);
  SelectObject(dc, brush);
  BitBlt(dc, at.X, at.Y, s, s, mask, 0, 0, MaskWithBrush);
}

void DrawBitmap(HDC dc, Bitmap* bitmap, TPoint at) {
  HDC source = CreateCompatibleDC(dc);
  const ScopeExit release([&] { DeleteDC(source); });
  SelectObject(source, bitmap);
  BitBlt(dc, at.X, at.Y, bitmap->Width(), bitmap->Height(), source, 0, 0, SRCCOPY);
}

UINT OwnerDrawState(const MenuItem& item, bool selected, bool hideAccelerators) {
  UINT state = 0;
  if (selected) state |= ODS_SELECTED;
  if (item.State & MF_GRAYED) state |= ODS_GRAYED;
  if (item.State & MF_DISABLED) state |= ODS_DISABLED;
  if (item.IsChecked()) state |= ODS_CHECKED;
  if (item.IsDefault()) state |= ODS_DEFAULT;
  if (hideAccelerators) state |= ODS_NOACCEL;
  return state;
}

// Hands an owner-drawn item to its owner; the DC comes back as it was.
void DrawByOwner(HDC dc, HWND owner, HMENU menu, const MenuItem& item, const TRect& rect, bool selected,
                 bool hideAccelerators) {
  DRAWITEMSTRUCT dis;
  dis.CtlType = ODT_MENU;
  dis.itemID = item.Id;
  dis.itemAction = ODA_DRAWENTIRE;
  dis.itemState = OwnerDrawState(item, selected, hideAccelerators);
  dis.hwndItem = reinterpret_cast<HWND>(menu);
  dis.hDC = dc;
  dis.rcItem = rect;
  dis.itemData = item.Data;
  const DCStateSaver saver(dc);
  SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
}

void DrawLine(HDC dc, const String& text, TRect r, UINT format) {
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_SINGLELINE | DT_VCENTER);
}

// A plain item: background, check mark, text and shortcut, arrow.
void DrawPlainItem(HDC dc, const MenuItem& item, const TRect& rect, bool selected, bool inBar, int shortcutLeft) {
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (item.IsSeparator()) {
    TRect line{rect.Left + 1, rect.Top + rect.Height() / 2 - 1, rect.Right - 1, rect.Top + rect.Height() / 2 + 1};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const COLORREF color = GetSysColor(item.IsGrayed() ? COLOR_GRAYTEXT
                                     : selected      ? COLOR_HIGHLIGHTTEXT
                                                     : COLOR_MENUTEXT);
  const TRect checkCell{rect.Left, rect.Top, rect.Left + MenuCheckColumn, rect.Bottom};
  if (!inBar && item.IsChecked())
    DrawGlyph(dc, checkCell, (item.Type & MFT_RADIOCHECK) ? DFCS_MENUBULLET : DFCS_MENUCHECK, color);
  if (!inBar && item.SubMenu)
    DrawGlyph(dc, {rect.Right - MenuArrowColumn, rect.Top, rect.Right, rect.Bottom}, DFCS_MENUARROW, color);
  if (item.Type & MFT_BITMAP) {
    if (Bitmap* picture = ItemPicture(item)) {
      const int left = inBar ? rect.Left + MenuBarItemPadding : rect.Left + MenuCheckColumn;
      DrawBitmap(dc, picture, {left, rect.Top + (rect.Height() - picture->Height()) / 2});
    }
    return;
  }
  const DCStateSaver saver(dc);
  SelectObject(dc, item.IsDefault() ? MenuDefaultItemFont() : MenuFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  const ItemText text = SplitItemText(item.Text);
  if (inBar) {
    DrawLine(dc, text.Label, rect, DT_CENTER);
    return;
  }
  DrawLine(dc, text.Label, {rect.Left + MenuCheckColumn, rect.Top, rect.Right - MenuArrowColumn, rect.Bottom}, DT_LEFT);
  if (!text.Shortcut.empty())
    DrawLine(dc, text.Shortcut, {rect.Left + shortcutLeft, rect.Top, rect.Right - MenuArrowColumn, rect.Bottom},
             DT_RIGHT);
}

// Draws each item; the owner may change the menu while drawing its items,
// so the menu is found again for each.
void DrawItems(HDC dc, HWND owner, HMENU menu, const std::vector<TRect>& rects, TPoint offset,
               const MenuPaintState& state, bool inBar, int shortcutLeft) {
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const MenuRecord* record = MenuStore::Instance().Find(menu);
    if (!record || i >= record->Items.size()) return;
    const MenuItem item = record->Items[i];
    const TRect rect = rects[i].Translated(offset.X, offset.Y);
    const bool selected = static_cast<int>(i) == state.Selected;
    if (item.IsOwnerDraw())
      DrawByOwner(dc, owner, menu, item, rect, selected, state.HideAccelerators);
    else
      DrawPlainItem(dc, item, rect, selected && !item.IsSeparator(), inBar, shortcutLeft);
  }
}

}  // namespace

void PaintPopupMenu(HDC dc, HWND owner, HMENU menu, const PopupLayout& layout, const MenuPaintState& state) {
  TRect frame{0, 0, layout.Size.cx, layout.Size.cy};
  FillRect(dc, &frame, GetSysColorBrush(COLOR_MENU));
  DrawEdge(dc, &frame, EDGE_RAISED, BF_RECT);
  DrawItems(dc, owner, menu, layout.Items, {0, 0}, state, false, layout.ShortcutLeft);
}

void PaintMenuBar(HDC dc, HWND owner, HMENU menu, const TRect& bar, const BarLayout& layout,
                  const MenuPaintState& state) {
  FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
  const DCStateSaver saver(dc);
  IntersectClipRect(dc, bar.Left, bar.Top, bar.Right, bar.Bottom);
  DrawItems(dc, owner, menu, layout.Items, bar.TopLeft(), state, true, 0);
}

}  // namespace plat
