// Hiding and unhiding rows: a hidden row's cells and height move into a
// TGridItem of the hidden-row list and its grid row goes; unhiding puts
// them back at the row's display position. Real indexes do not change.
// Hiding every row leaves the one empty row a grid keeps; the first rows
// put back take its place. However many rows go or come back, the rows
// move in one pass (gathered at the end of the grid, or scattered from
// it), so hiding and showing stay proportional to the rows.
#include <algorithm>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"

namespace zorbit {

namespace {

bool ByRealRow(const plat::TCollectionItem* A, const plat::TCollectionItem* B) {
  return static_cast<const TGridItem*>(A)->Idx() < static_cast<const TGridItem*>(B)->Idx();
}

}  // namespace

void TExtStringGrid::HideRowRange(int FromRow, int ToRow) {
  FromRow = std::max(FromRow, 0);
  ToRow = std::min(ToRow, RowCount() + HiddenRowCount() - 1);
  if (FromRow > ToRow) return;
  std::vector<int> rows;
  int hidden = HiddenRowsBefore(FromRow);
  for (int real = FromRow; real <= ToRow; ++real) {
    if (hidden < HiddenRowCount() && HiddenRow(hidden)->Idx() == real) {
      ++hidden;
      continue;
    }
    rows.push_back(real);
  }
  HideRealRows(rows);
}

void TExtStringGrid::HideRowList(const std::vector<int>& Rows) {
  std::vector<int> rows;
  for (int real : Rows)
    if (real >= 0 && real < RowCount() + HiddenRowCount() && !RowIsHidden(real)) rows.push_back(real);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  HideRealRows(rows);
}

void TExtStringGrid::HideRealRows(const std::vector<int>& Rows) {
  if (Rows.empty()) return;
  TGridUpdateScope update(*this);
  // Display rows by one walk beside the hidden-row list.
  std::vector<int> displayRows;
  displayRows.reserve(Rows.size());
  int hiddenBelow = 0;
  for (int real : Rows) {
    while (hiddenBelow < HiddenRowCount() && HiddenRow(hiddenBelow)->Idx() < real) ++hiddenBelow;
    displayRows.push_back(real - hiddenBelow);
  }
  const int rows = RowCount();
  const int count = static_cast<int>(Rows.size());
  const int first = rows - count;
  std::vector<TGridItem*> items;
  items.reserve(Rows.size());
  for (std::size_t i = 0; i < Rows.size(); ++i) {
    auto* item = static_cast<TGridItem*>(FHiddenRows->Add());
    item->SetIdx(Rows[i]);
    item->SetHeight(RowHeights(displayRows[i]));
    items.push_back(item);
  }
  GatherRowsAtEnd(displayRows);
  const int columns = AllColumnCount();
  for (TGridItem* item : items)
    for (int col = 0; col < columns; ++col) item->Items()->Add({});
  TakeRowCells(first, rows - 1, [&](int ACol, int ARow, plat::String&& Text, plat::TObject* Object) {
    plat::TStrings* cells = items[static_cast<std::size_t>(ARow - first)]->Items();
    // Cells beyond the columns (written past the counts) go along too.
    while (cells->Count() <= ACol) cells->Add({});
    cells->SetStrings(ACol, Text);
    cells->SetObjects(ACol, Object);
  });
  // The grid keeps one row: with every row hidden, an empty one stands in.
  if (count >= rows) FPlaceholderRow = true;
  SetRowCount(first);
  FHiddenRows->Sort(ByRealRow);
}

void TExtStringGrid::ShowHiddenRows(const std::vector<int>& Indexes) {
  if (Indexes.empty()) return;
  TGridUpdateScope update(*this);
  // A hidden row comes back below the shown rows before it: its real index
  // less the hidden rows before it that stay hidden; one whose index lies
  // past the rows (a removal that left the hidden rows alone) at the end.
  const int rows = RowCount();
  std::vector<int> displayRows, heights;
  displayRows.reserve(Indexes.size());
  heights.reserve(Indexes.size());
  for (std::size_t j = 0; j < Indexes.size(); ++j) {
    const TGridItem* item = HiddenRow(Indexes[j]);
    const int place = item->Idx() - (Indexes[j] - static_cast<int>(j));
    displayRows.push_back(std::min(place, rows + static_cast<int>(j)));
    heights.push_back(item->Height());
  }
  const int count = static_cast<int>(Indexes.size());
  // Cells written beyond the count must not show in the new rows.
  DropRows(rows, rows + count - 1);
  SetRowCount(rows + count);
  for (int j = 0; j < count; ++j) {
    plat::TStrings* cells = HiddenRow(Indexes[static_cast<std::size_t>(j)])->Items();
    for (int col = 0; col < cells->Count(); ++col) {
      if (const plat::String text = cells->Strings(col); !text.empty()) SetCells(col, rows + j, text);
      if (plat::TObject* object = cells->Objects(col)) {
        SetObjects(col, rows + j, object);
        cells->SetObjects(col, nullptr);
      }
    }
  }
  ScatterRowsFromEnd(displayRows, heights);
  FHiddenRows->DeleteItems(Indexes);
  DropPlaceholderRow();
}

void TExtStringGrid::UnhideRowRange(int FromRow, int ToRow) {
  FromRow = std::max(FromRow, 0);
  ToRow = std::min(ToRow, RowCount() + HiddenRowCount() - 1);
  if (FromRow > ToRow || !RowIsHidden(FromRow)) return;
  std::vector<int> indexes;
  for (int i = HiddenRowsBefore(FromRow); i < HiddenRowCount() && HiddenRow(i)->Idx() <= ToRow; ++i)
    indexes.push_back(i);
  ShowHiddenRows(indexes);
}

void TExtStringGrid::DropPlaceholderRow() {
  if (!FPlaceholderRow || RowCount() < 2) return;
  FPlaceholderRow = false;
  // It stays below the rows put back; written to, it is a row like the others.
  const int last = RowCount() - 1;
  for (int col = 0; col < AllColumnCount(); ++col)
    if (!Cells(col, last).empty() || Objects(col, last)) return;
  CutRows(last, 1, false);
}

void TExtStringGrid::UnhideAllRows() {
  std::vector<int> indexes(static_cast<std::size_t>(HiddenRowCount()));
  for (std::size_t i = 0; i < indexes.size(); ++i) indexes[i] = static_cast<int>(i);
  ShowHiddenRows(indexes);
}

}  // namespace zorbit
