// The row exchange that sorting rests on.
#include <utility>

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"

namespace zorbit {

void TExtStringGrid::ExchangeRows(int ARow1, int ARow2) {
  const auto refuse = [](int index) { throw plat::EListError(plat::FmtLoadResString(plat::SListIndexError, {index})); };
  for (const int row : {ARow1, ARow2})
    if (row < 0 || row >= RowCount()) refuse(row);
  if (FSortSettings->SingleColumn() && FSortSettings->Column() < 0) refuse(FSortSettings->Column());
  ++FSwapCount;
  // Texts and objects trade places; the grid keeps owning every object.
  const auto swapCell = [this, ARow1, ARow2](int col) {
    const plat::String text = GetRawCellText(col, ARow1);
    plat::TObject* object = GetGridObject(col, ARow1);
    SetRawCellText(col, ARow1, GetRawCellText(col, ARow2));
    SetGridObject(col, ARow1, GetGridObject(col, ARow2));
    SetRawCellText(col, ARow2, text);
    SetGridObject(col, ARow2, object);
  };
  if (FSortSettings->SingleColumn()) {
    swapCell(FSortSettings->Column());
    return;
  }
  // Up to ColCount: the sort brings hidden columns into the count first.
  for (int col = 0; col < ColCount(); ++col) swapCell(col);
  if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort()) {
    const int flag1 = RowFlagIndex(ARow1), flag2 = RowFlagIndex(ARow2);
    const bool selected1 = FRowSelection.Get(flag1);
    FRowSelection.Set(flag1, FRowSelection.Get(flag2));
    FRowSelection.Set(flag2, selected1);
  }
  if (RowHeights(ARow1) != RowHeights(ARow2)) {
    const int height = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, height);
  }
}

}  // namespace zorbit
