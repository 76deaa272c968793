// The row exchange that sorting rests on, and the load-order list that every
// move of rows keeps in step.
#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"

namespace zorbit {

namespace {

void SwapFlags(detail::TFlagList& Flags, int Index1, int Index2) {
  const bool first = Flags.Get(Index1);
  Flags.Set(Index1, Flags.Get(Index2));
  Flags.Set(Index2, first);
}

}  // namespace

void TExtStringGrid::ClaimRowObjects(int ARow) {
  ForEachObjectInRows(ARow, ARow, [](int ACol, int Row, plat::TObject* Object) {
    if (auto* properties = dynamic_cast<TCellProperties*>(Object)) {
      properties->SetOwnerCol(ACol);
      properties->SetOwnerRow(Row);
    }
  });
}

void TExtStringGrid::ExchangeRows(int ARow1, int ARow2) {
  const auto refuse = [](int index) { throw plat::EListError(plat::FmtLoadResString(plat::SListIndexError, {index})); };
  for (const int row : {ARow1, ARow2})
    if (row < 0 || row >= RowCount()) refuse(row);
  const int sortCol = DisplayToRealCol(FSortSettings->Column());
  if (FSortSettings->SingleColumn() && sortCol < 0) refuse(FSortSettings->Column());
  ++FSwapCount;
  if (ARow1 == ARow2) return;
  FLoadOrder.Exchanged(ARow1, ARow2, RowCount());
  if (FTrackedRow == ARow1)
    FTrackedRow = ARow2;
  else if (FTrackedRow == ARow2)
    FTrackedRow = ARow1;
  if (FSortSettings->SingleColumn()) {
    // The text and object trade places; the grid keeps owning the object.
    const plat::String text = Cells(sortCol, ARow1);
    plat::TObject* object = Objects(sortCol, ARow1);
    SetCells(sortCol, ARow1, Cells(sortCol, ARow2));
    SetObjects(sortCol, ARow1, Objects(sortCol, ARow2));
    SetCells(sortCol, ARow2, text);
    SetObjects(sortCol, ARow2, object);
  } else {
    // Whole rows, hidden columns' cells and all.
    ExchangeRowCells(ARow1, ARow2);
    if (FMouseActions->DisjunctRowSelect() && FNavigation->MoveRowOnSort())
      SwapFlags(FRowSelection, RowFlagIndex(ARow1), RowFlagIndex(ARow2));
    SwapFlags(FRowModified, ARow1, ARow2);
    if (RowHeights(ARow1) != RowHeights(ARow2)) {
      const int height = RowHeights(ARow1);
      SetRowHeights(ARow1, RowHeights(ARow2));
      SetRowHeights(ARow2, height);
    }
  }
  ClaimRowObjects(ARow1);
  ClaimRowObjects(ARow2);
}

void TExtStringGrid::RowMoved(int FromIndex, int ToIndex) {
  TBaseGrid::RowMoved(FromIndex, ToIndex);
  FLoadOrder.Moved(FromIndex, 1, ToIndex, RowCount());
}

void TExtStringGrid::RowsMoved(int FromIndex, int Count, int ToIndex) {
  TBaseGrid::RowsMoved(FromIndex, Count, ToIndex);
  FLoadOrder.Moved(FromIndex, Count, ToIndex, RowCount());
}

void TExtStringGrid::RowsGathered(const std::vector<int>& Rows) {
  TBaseGrid::RowsGathered(Rows);
  FLoadOrder.Gathered(Rows, RowCount());
}

void TExtStringGrid::RowsScattered(const std::vector<int>& Rows) {
  TBaseGrid::RowsScattered(Rows);
  FLoadOrder.Scattered(Rows, RowCount());
}

}  // namespace zorbit
