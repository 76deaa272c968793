// Inserting, removing and deleting rows, keeping the hidden rows' real
// indexes, the selection flags, the row heights and the current row in
// step. Rows move as blocks: the work is proportional to the stored rows
// after the place. Each operation reports its rows as changed.
#include <algorithm>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"

namespace zorbit {

void TExtStringGrid::DropRows(int FromRow, int ToRow) {
  if (FromRow > ToRow) return;
  std::vector<plat::TObject*> owned;
  ForEachObjectInRows(FromRow, ToRow, [&owned, this](int ACol, int, plat::TObject* Object) {
    ForgetNode(ACol, Object);
    owned.push_back(Object);
  });
  // An object that a caller left in two slots is freed once.
  std::sort(owned.begin(), owned.end());
  owned.erase(std::unique(owned.begin(), owned.end()), owned.end());
  EraseRows(FromRow, ToRow);
  for (plat::TObject* object : owned) delete object;
}

void TExtStringGrid::CutRows(int Index, int Count, bool Detached) {
  const int rows = RowCount();
  // The grid keeps one row: with every row hidden, an empty one stands in.
  if (Detached && Count >= rows) FPlaceholderRow = true;
  if (Index + Count < rows) MoveRows(Index, Count, rows - Count);
  if (Detached)
    EraseRows(rows - Count, rows - 1);
  else
    DropRows(rows - Count, rows - 1);
  SetRowCount(rows - Count);
}

void TExtStringGrid::OpenRows(int Index, int Count) {
  const int rows = RowCount();
  // Cells written beyond the count must not show in the new rows.
  DropRows(rows, rows + Count - 1);
  SetRowCount(rows + Count);
  if (Index < rows) MoveRows(rows, Count, Index);
}

void TExtStringGrid::LowerHiddenIndexes(const std::vector<int>& Removed) {
  for (int i = 0; i < HiddenRowCount(); ++i) {
    TGridItem* item = HiddenRow(i);
    const auto below = std::lower_bound(Removed.begin(), Removed.end(), item->Idx()) - Removed.begin();
    item->SetIdx(item->Idx() - static_cast<int>(below));
  }
}

void TExtStringGrid::RaiseHiddenIndexes(int From, int Count) {
  for (int i = 0; i < HiddenRowCount(); ++i)
    if (HiddenRow(i)->Idx() >= From) HiddenRow(i)->SetIdx(HiddenRow(i)->Idx() + Count);
}

std::vector<int> TExtStringGrid::RealRowsOf(int Index, int Count) const {
  std::vector<int> rows;
  rows.reserve(Count);
  int real = DisplayToRealRow(Index);
  while (static_cast<int>(rows.size()) < Count) {
    if (!RowIsHidden(real)) rows.push_back(real);
    ++real;
  }
  return rows;
}

void TExtStringGrid::ForgetRowFlags(int Index, const std::vector<int>& RealRows) {
  if (FMouseActions->RowSelectPersistent())
    FRowSelection.RemoveEach(RealRows);
  else
    FRowSelection.Remove(Index, static_cast<int>(RealRows.size()));
  FRowModified.Remove(Index, static_cast<int>(RealRows.size()));
}

bool TExtStringGrid::TakeRows(int Index, int& Count, bool AdjustHidden) {
  if (Index < 0 || Index >= RowCount() || Count < 1) return false;
  Count = std::min(Count, RowCount() - Index);
  const std::vector<int> removed = RealRowsOf(Index, Count);
  if (AdjustHidden) LowerHiddenIndexes(removed);
  ForgetRowFlags(Index, removed);
  CutRows(Index, Count, false);
  return true;
}

void TExtStringGrid::RowsChanged(int Index, int Count) { ReportChanged({0, Index, ColCount() - 1, Index + Count}); }

void TExtStringGrid::SelectRowAgain(int ARow, int ATopRow) {
  SetRow(ARow);
  SetTopRow(std::min(ATopRow, RowCount() - 1));
}

void TExtStringGrid::RemoveRows(int Index, int Count) {
  const int oldRow = Row();
  const int oldTop = TopRow();
  {
    TGridUpdateScope update(*this);
    if (!TakeRows(Index, Count, true)) return;
    if (oldRow < RowCount()) {
      SelectRowAgain(oldRow, oldTop);
    } else if (RowCount() > FixedRows()) {
      SetRow(FixedRows());
      ScrollInView(Col(), FixedRows());
    }
  }
  RowsChanged(Index, Count);
}

void TExtStringGrid::DeleteRows(int Index, int Count) {
  const int oldRow = Row();
  const int oldTop = TopRow();
  {
    TGridUpdateScope update(*this);
    if (!TakeRows(Index, Count, true)) return;
    const int lastNormal = RowCount() - FFixedFooters - 1;
    if (oldRow <= lastNormal)
      SelectRowAgain(oldRow, oldTop);
    else if (lastNormal >= FixedRows())
      SetRow(lastNormal);
  }
  RowsChanged(Index, Count);
  // Keeps the last page full after rows went from its end.
  const int visible = VisibleRowCount();
  const int lastTop = RowCount() + FixedRows() - visible - 2;
  if (TopRow() >= lastTop && RowCount() - visible - 1 > 0) SetTopRow(lastTop);
}

void TExtStringGrid::RemoveRowsFreeing(int Index, int Count) { RemoveRowsKeepingHeights(Index, Count, true); }

void TExtStringGrid::RemoveRowsKeepingHeights(int Index, int Count, bool AdjustHidden) {
  const int oldRow = Row();
  const int oldTop = TopRow();
  {
    TGridUpdateScope update(*this);
    if (!TakeRows(Index, Count, AdjustHidden)) return;
    if (oldRow < RowCount())
      SelectRowAgain(oldRow, oldTop);
    else if (RowCount() > FixedRows())
      SetRow(FixedRows());
    // Column 0 holds the node glyphs, not data to stand on.
    if (HasNodes() && ColCount() > 1) SetCol(1);
  }
  RowsChanged(Index, Count);
}

void TExtStringGrid::InsertRows(int Index, int Count) {
  if (Count < 1) return;
  Index = std::clamp(Index, 0, RowCount());
  const int real = DisplayToRealRow(Index);
  {
    TGridUpdateScope update(*this);
    OpenRows(Index, Count);
    RaiseHiddenIndexes(real, Count);
    FRowSelection.Insert(FMouseActions->RowSelectPersistent() ? real : Index, Count);
    FRowModified.Insert(Index, Count);
  }
  RowsChanged(Index, Count);
}

void TExtStringGrid::AddRow() {
  // A visible floating footer keeps the last row.
  if (FFloatingFooter->Visible()) {
    InsertRows(RowCount() - 1, 1);
    return;
  }
  InsertRows(RowCount(), 1);
}

void TExtStringGrid::InsertRowsAt(const std::vector<int>& FinalRows) {
  if (FinalRows.empty()) return;
  const int count = static_cast<int>(FinalRows.size());
  {
    TGridUpdateScope update(*this);
    // As InsertRows one by one: each row's place counts the ones before it.
    for (const int row : FinalRows) {
      const int real = DisplayToRealRow(row);
      RaiseHiddenIndexes(real, 1);
      FRowSelection.Insert(FMouseActions->RowSelectPersistent() ? real : row, 1);
      FRowModified.Insert(row, 1);
    }
    const int rows = RowCount();
    // Cells written beyond the count must not show in the new rows.
    DropRows(rows, rows + count - 1);
    SetRowCount(rows + count);
    ScatterRowsFromEnd(FinalRows, std::vector<int>(FinalRows.size(), DefaultRowHeight()));
  }
  RowsChanged(FinalRows.front(), RowCount() - FinalRows.front());
}

void TExtStringGrid::RemoveRowList(const std::vector<int>& Rows) {
  if (Rows.empty()) return;
  const int count = static_cast<int>(Rows.size());
  {
    TGridUpdateScope update(*this);
    std::vector<int> reals;
    reals.reserve(Rows.size());
    for (const int row : Rows) reals.push_back(DisplayToRealRow(row));
    LowerHiddenIndexes(reals);
    FRowSelection.RemoveEach(FMouseActions->RowSelectPersistent() ? reals : Rows);
    FRowModified.RemoveEach(Rows);
    GatherRowsAtEnd(Rows);
    CutRows(RowCount() - count, count, false);
  }
  RowsChanged(Rows.front(), RowCount() - Rows.front());
}

}  // namespace zorbit
