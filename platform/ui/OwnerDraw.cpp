#include "platform/ui/OwnerDraw.h"

#include "platform/gdi/DrawText.h"
#include "platform/gdi/StandardLooks.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/ControlPaint.h"
#include "platform/ui/TControl.h"
#include "platform/ui/TControlCanvas.h"

namespace plat {

void DrawOwnerItem(TControlCanvas& Canvas, TControl& Control, const DRAWITEMSTRUCT& Item, const TDrawOwnerItem& Draw) {
  const TOwnerDrawState state = OwnerDrawStateOf(Item.itemState);
  const auto index = static_cast<int>(Item.itemID);
  {
    const TControlCanvasLock lock(Canvas, Item.hDC);
    Canvas.SetFont(*Control.Font());
    Canvas.Brush()->SetColor(Control.Color());
    Canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    if (index >= 0 && state.Contains(TOwnerDrawStateItem::odSelected)) {
      Canvas.Brush()->SetColor(clHighlight);
      Canvas.Font()->SetColor(clHighlightText);
    } else if (state.Contains(TOwnerDrawStateItem::odDisabled)) {
      Canvas.Font()->SetColor(clGrayText);
    }
    if (index >= 0) {
      Draw(index, Item.rcItem, state);
    } else {
      Canvas.FillRect(Item.rcItem);
    }
  }
  if (state.Contains(TOwnerDrawStateItem::odFocused)) DrawFocusRect(Item.hDC, &Item.rcItem);
}

void DrawStandardItem(TCanvas& Canvas, const String& Text, TRect Rect) {
  Canvas.FillRect(Rect);
  Rect.Left += 2;
  DrawCanvasText(Canvas, Text, Rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace plat
