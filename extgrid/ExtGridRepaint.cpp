// Repainting a cell block, a row, a column and the headers of a position.
#include <utility>

#include "extgrid/TExtStringGrid.h"
#include "platform/win/Painting.h"

namespace zorbit {

void TExtStringGrid::RepaintRect(const plat::TRect& R) {
  if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0) return;
  const plat::TRect first = CellRect(R.Left, R.Top);
  const plat::TRect last = CellRect(R.Right, R.Bottom);
  // A corner out of view leaves no rectangle to join: all of it goes.
  if (first.IsEmpty() || last.IsEmpty()) {
    Invalidate();
    return;
  }
  if (!HandleAllocated()) return;
  const plat::RECT both = first.United(last);
  plat::InvalidateRect(Handle(), &both, false);
}

void TExtStringGrid::RepaintRow(int ARow) { InvalidateRow(ARow); }

void TExtStringGrid::RepaintCol(int ACol) { InvalidateCol(ACol); }

void TExtStringGrid::RepaintHeadings(int OldCol, int OldRow, int NewRow, int NewCol) {
  for (const auto& [col, row] : {std::pair{OldCol, OldRow}, std::pair{NewCol, NewRow}}) {
    InvalidateCell(col, 0);
    InvalidateCell(0, row);
  }
}

}  // namespace zorbit
