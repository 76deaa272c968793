// Tab walking: Tab and Shift+Tab move through the normal cells without
// editing, across a row to the nearest editable cell or down a column,
// and may hand the Tab on to the parent at the end.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/VirtualKeys.h"

namespace zorbit {

plat::TPoint TExtStringGrid::CurrentRangeEnd() {
  const int col = Col();
  const int row = Row();
  if (!HasCellProperties(col, row)) return {col, row};
  const plat::TPoint base = GetBaseCell(col, row);
  const TCellProperties* properties = GetCellProperties(base.X, base.Y);
  return {std::max(col, base.X + properties->CellSpanX()), std::max(row, base.Y + properties->CellSpanY())};
}

void TExtStringGrid::TabToNextCell(bool Backward) {
  std::uint16_t key = plat::VK_TAB;
  plat::TShiftState shift;
  if (Backward) shift.Include(plat::TShiftStateItem::ssShift);
  plat::TWinControl::KeyDown(key, shift);
  if (key != plat::VK_TAB) return;
  const int firstCol = FirstEditableCol();
  const int lastCol = LastNormalCol();
  const int firstRow = FirstNormalRow();
  const int lastRow = LastNormalRow();
  if (lastCol < firstCol || lastRow < firstRow) return;
  const plat::TPoint end = CurrentRangeEnd();
  int col = Col();
  int row = Row();
  bool pastTheEnd = false;
  if (FNavigation->TabAdvanceDirection() == TAdvanceDirection::adTopBottom) {
    if (Backward) {
      if (--row < firstRow) {
        row = lastRow;
        if (--col < firstCol) col = lastCol;
      }
    } else {
      row = end.Y + 1;
      if (row > lastRow) {
        row = firstRow;
        if (++col > lastCol) {
          col = firstCol;
          pastTheEnd = true;
        }
      }
    }
  } else {
    // One round over the normal cells at most: a grid where nothing can be
    // edited keeps its current cell.
    if (!Backward) col = end.X;
    const long long cells = static_cast<long long>(lastCol - firstCol + 1) * (lastRow - firstRow + 1);
    bool found = false;
    for (long long step = 0; step < cells && !found; ++step) {
      if (Backward) {
        if (--col < firstCol) {
          col = lastCol;
          if (--row < firstRow) row = lastRow;
        }
      } else if (++col > lastCol) {
        col = firstCol;
        if (++row > lastRow) {
          row = firstRow;
          pastTheEnd = true;
        }
      }
      found = CellEditable(col, row);
    }
    if (!found) return;
  }
  FocusCell(col, row, true);
  if (pastTheEnd && FNavigation->TabToNextAtEnd() && Parent() && Parent()->HandleAllocated())
    plat::PostMessageA(Parent()->Handle(), plat::WM_KEYDOWN, plat::VK_TAB, 0);
  if (FNavigation->AlwaysEdit() && CanFocus()) SetFocus();
}

}  // namespace zorbit
