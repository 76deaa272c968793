#pragma once
// Drawing items for their owner: the state an item is drawn in; the
// window layer's owner-draw records (OwnerDrawItems.h) reach the control
// that draws as CN_DRAWITEM and CN_MEASUREITEM (ControlMessages.h; LParam:
// the record).
#include <functional>

#include "platform/rtl/Set.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/OwnerDrawItems.h"

namespace plat {

enum class TOwnerDrawStateItem {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect,
  odReserved1,
  odReserved2,
  odComboBoxEdit,
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

// The state of a DRAWITEMSTRUCT's itemState: the ODS_* bits in order are
// the set's members.
inline TOwnerDrawState OwnerDrawStateOf(UINT ItemState) {
  TOwnerDrawState state;
  for (unsigned bit = 0; bit <= static_cast<unsigned>(TOwnerDrawStateItem::odComboBoxEdit); ++bit) {
    if (ItemState & (1u << bit)) state.Include(static_cast<TOwnerDrawStateItem>(bit));
  }
  return state;
}

class TCanvas;
class TControl;
class TControlCanvas;

using TDrawOwnerItem = std::function<void(int Index, TRect Rect, TOwnerDrawState State)>;

// Draws the item a DRAWITEMSTRUCT names, as list and combo boxes do: Canvas
// on the record's DC with Control's font and colour (the highlight colours
// for a selected item, grey text for a disabled one), Draw for an item (a
// record without one, itemID -1, is only filled), then the focus rectangle.
void DrawOwnerItem(TControlCanvas& Canvas, TControl& Control, const DRAWITEMSTRUCT& Item, const TDrawOwnerItem& Draw);
// The standard item: the rectangle filled, the text two pixels in,
// centred vertically.
void DrawStandardItem(TCanvas& Canvas, const String& Text, TRect Rect);

}  // namespace plat
