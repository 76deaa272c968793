// Inserting and removing columns. Hidden columns live beyond ColCount, so
// each operation counts them in while it moves cells, widths and the
// visibility table, and takes them out again at the end. The selection
// flags follow their columns; each operation reports its columns as changed.
#include <algorithm>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"

namespace zorbit {

void TExtStringGrid::ShiftColumnTable(int Index, int Count) {
  if (Index < 0 || Index >= static_cast<int>(FColumnShown.size())) return;
  const auto from = FColumnShown.begin() + Index;
  const auto span = static_cast<int>(FColumnShown.end() - from);
  if (Count > 0) {
    // Inserted columns are shown; the table's last entries fall off.
    const int keep = std::max(span - Count, 0);
    std::copy_backward(from, from + keep, FColumnShown.end());
    std::fill(from, from + std::min(Count, span), true);
  } else {
    const int gone = std::min(-Count, span);
    std::copy(from + gone, FColumnShown.end(), from);
    std::fill(FColumnShown.end() - gone, FColumnShown.end(), true);
  }
  FHiddenColCount = static_cast<int>(std::count(FColumnShown.begin(), FColumnShown.end(), false));
}

void TExtStringGrid::ColumnsChanged(int Index, int Count) { ReportChanged({Index, 0, Index + Count, RowCount() - 1}); }

void TExtStringGrid::RemoveCols(int Index, int Count) {
  if (Index < 0 || Index >= ColCount() || Count < 1) return;
  Count = std::min(Count, ColCount() - Index);
  // The grid keeps at least one column.
  if (Count == ColCount()) return;
  {
    TGridUpdateScope update(*this);
    EmptyCells(Index, 0, Index + Count - 1, RowCount() - 1);
    const int shown = ColCount();
    const int stored = AllColumnCount();
    if (stored != shown) SetColCount(stored);
    MoveColumns(Index, Count, stored - Count);
    ShiftColumnTable(Index, -Count);
    FColSelection.Remove(Index, Count);
    SetColCount(shown - Count);
  }
  ColumnsChanged(Index, Count);
}

void TExtStringGrid::InsertCols(int Index, int Count) {
  if (Count < 1) return;
  Index = std::clamp(Index, 0, ColCount());
  {
    TGridUpdateScope update(*this);
    const int shown = ColCount();
    const int stored = AllColumnCount();
    SetColCount(stored + Count);
    // Cells written beyond the stored columns must not show in the new ones.
    EmptyCells(stored, 0, stored + Count - 1, RowCount() - 1);
    MoveColumns(stored, Count, Index);
    for (int col = Index; col < Index + Count; ++col) SetColWidths(col, DefaultColWidth());
    ShiftColumnTable(Index, Count);
    FColSelection.Insert(Index, Count);
    SetColCount(shown + Count);
  }
  ColumnsChanged(Index, Count);
}

}  // namespace zorbit
