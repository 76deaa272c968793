// Merged ranges along columns: splitting those based in a column, merging
// its runs of equal texts, and keeping the MergedColumns merged.
#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/ExtUtilUnicode.h"

namespace zorbit {

void TExtStringGrid::SplitColumnMerges(int ACol) {
  // Every normal row, the last one too: a range based there is still a range.
  for (int row = 0; row < RowCount() - FFixedFooters;) {
    const plat::TPoint span = GetCellSpan(ACol, row);
    if (IsBaseCellAt(ACol, row) && (span.X > 0 || span.Y > 0)) {
      SplitMergedCell(ACol, row);
      row += span.Y + 1;
    } else {
      ++row;
    }
  }
}

void TExtStringGrid::MergeEqualCells(int ACol, bool IgnoreOtherMerges) {
  const int end = RowCount() - FFixedFooters;
  int start = FixedRows();
  for (int row = FixedRows() + 1; row <= end; ++row) {
    const bool continues = row < end && GetCellText(ACol, row) == GetCellText(ACol, row - 1) &&
                           (IgnoreOtherMerges || RowsShareMerges(row - 1, row));
    if (continues) continue;
    if (row - start > 1) MergeCellRange(ACol, start, 1, row - start);
    start = row;
  }
}

void TExtStringGrid::ReapplyColumnMerges() {
  TGridUpdateScope update(*this);
  for (int col = 0; col < ColCount(); ++col) SplitColumnMerges(col);
  bool leading = true;
  for (int i = 0; i < FMergedColumns->Count(); ++i) {
    const int col = FMergedColumns->Item(i);
    if (col < 0 || col >= ColCount()) continue;
    MergeEqualCells(col, leading);
    leading = false;
  }
}

bool TExtStringGrid::IsUnicodeCell(int ACol, int ARow) {
  return GetCellText(ACol, ARow).starts_with(UnicodeCellMarker);
}

}  // namespace zorbit
