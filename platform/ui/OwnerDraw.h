#pragma once
// Drawing items for their owner: the state an item is drawn in and the
// notifications that carry the window layer's owner-draw records
// (OwnerDrawItems.h) to the control that draws (CN_DRAWITEM,
// CN_MEASUREITEM; LParam: the record).
#include "platform/rtl/Set.h"
#include "platform/win/Messages.h"
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

// The class library's reflected notifications: the window message's number
// above CN_BASE.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;

}  // namespace plat
