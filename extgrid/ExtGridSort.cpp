// The sorts: by a column, by the sort index list, inside nodes, and back to
// the load order. Each runs in a sort scope: the load-order list brought in
// step, column 0 saved (NormalCellsOnly), the update bracket, three scratch
// rows and the run's keys, all taken down again however the sort ends.
#include <algorithm>
#include <optional>
#include <vector>

#include "extgrid/ExtGridError.h"
#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/RowQuickSort.h"
#include "extgrid/detail/SortRun.h"

namespace zorbit {

class TExtStringGrid::TSortScope {
 public:
  explicit TSortScope(TExtStringGrid& Grid) : FGrid(Grid), FRows(Grid.RowCount()) {
    if (!Grid.FLoadOrder.InStep(FRows)) Grid.FLoadOrder.Rebuild(FRows);
    // A fixed row-number column keeps its numbers while the rows move.
    if (Grid.FSortSettings->NormalCellsOnly() && Grid.FixedCols() > 0) {
      FColumnZero.reserve(static_cast<std::size_t>(FRows));
      for (int row = 0; row < FRows; ++row) FColumnZero.push_back(Grid.Cells(0, row));
    }
    FUpdate.emplace(Grid);
    // The display hooks are not asked about the scratch rows.
    const int limit = Grid.DisplayRowLimit();
    Grid.SetRowCount(FRows + ScratchRows);
    Grid.SetDisplayRowLimit(limit);
    Grid.FTrackedRow = Grid.Row();
    Grid.FSortRun = std::make_unique<detail::TSortRun>(FRows + ScratchRows, FRows + 1);
  }
  ~TSortScope() {
    FGrid.FSortRun.reset();
    FGrid.FTrackedRow = -1;
    // The pivot copy shares its objects with a data row: emptied, not freed.
    FGrid.EraseRows(FRows, FRows + ScratchRows - 1);
    FGrid.SetRowCount(FRows);
    for (std::size_t row = 0; row < FColumnZero.size(); ++row)
      FGrid.SetCells(0, static_cast<int>(row), FColumnZero[row]);
  }
  TSortScope(const TSortScope&) = delete;
  TSortScope& operator=(const TSortScope&) = delete;

  // The last normal row.
  int LastNormalRow() const { return FRows - FGrid.FixedFooters() - 1; }

 private:
  static constexpr int ScratchRows = 3;
  TExtStringGrid& FGrid;
  const int FRows;
  std::vector<plat::String> FColumnZero;
  std::optional<TGridUpdateScope> FUpdate;
};

void TExtStringGrid::RunSort(bool ReportRow, const std::function<void(int First, int Last)>& Sort) {
  const int oldRow = Row();
  const bool follow = FNavigation->MoveRowOnSort();
  {
    TSortScope scope(*this);
    Sort(FixedRows(), scope.LastNormalRow());
    // Inside the bracket: SetRow itself reports nothing.
    SetRow(follow ? FTrackedRow : oldRow);
  }
  if (!follow && ReportRow && OnRowUpdate) OnRowUpdate(this, oldRow, Row());
}

void TExtStringGrid::SortExchange(int ARow1, int ARow2) {
  ExchangeRows(ARow1, ARow2);
  FSortRun->Exchanged(ARow1, ARow2);
}

void TExtStringGrid::SortRowsByColumn(int First, int Last) {
  const int col = FSortSettings->Column();
  const int sign = FSortSettings->Direction() == TSortDirection::sdAscending ? 1 : -1;
  detail::QuickSortRows(
      First, Last, FSortRun->PivotRow(), sign, [this](int ARow) { FSortRun->TakePivot(ARow); },
      [this, col](int ARow1, int ARow2) { return CompareRowsByColumn(col, ARow1, ARow2); },
      [this, col](int ARow1, int ARow2) {
        if (CompareRowsByColumn(col, ARow1, ARow2) != 0) SortExchange(ARow1, ARow2);
      });
}

void TExtStringGrid::SortRowsByIndex(int First, int Last) {
  detail::QuickSortRows(
      First, Last, FSortRun->PivotRow(), 1, [this](int ARow) { FSortRun->TakePivot(ARow); },
      [this](int ARow1, int ARow2) { return CompareRowsByIndex(0, ARow1, ARow2); },
      [this](int ARow1, int ARow2) { SortExchange(ARow1, ARow2); });
}

bool TExtStringGrid::SortIndexesInGrid() const {
  for (int i = 0; i < FSortIndexes->Count(); ++i)
    if (TSortIndexList::ColumnOf(FSortIndexes->Item(i)) >= ColCount()) return false;
  return true;
}

void TExtStringGrid::QSort() {
  const int col = FSortSettings->Column();
  if (col < 0 || col >= ColCount()) return;
  FSortIndexes->Clear();
  RunSort(true, [this](int First, int Last) { SortRowsByColumn(First, Last); });
}

void TExtStringGrid::SortByIndexColumns() {
  if (FSortIndexes->Count() == 0) throw EExtGridError("No indexes specified for indexed sort");
  if (!SortIndexesInGrid()) return;
  RunSort(false, [this](int First, int Last) { SortRowsByIndex(First, Last); });
}

namespace {

// Calls SortChildren with the child rows (first, last) of every expanded
// node row among First..Last whose span is more than two rows.
template <typename TNodeAt, typename TSortChildren>
void ForEachSortableNode(TExtStringGrid& Grid, int First, int Last, TNodeAt NodeAt, TSortChildren SortChildren) {
  for (int row = First; row <= Last; ++row) {
    const TCellGraphic* node = NodeAt(row);
    if (!node || node->CellBoolean() || node->CellIndex() <= 2) continue;
    // Spans count real rows: the first display row after the span.
    const int end = std::min(Grid.RealToDisplayRow(Grid.DisplayToRealRow(row) + node->CellIndex()), Last + 1);
    if (end - 1 > row + 1) SortChildren(row + 1, end - 1);
  }
}

}  // namespace

void TExtStringGrid::SortNodesByColumn() {
  const int col = FSortSettings->Column();
  if (col < 0 || col >= ColCount()) return;
  RunSort(false, [this](int First, int Last) {
    ForEachSortableNode(
        *this, First, Last, [this](int ARow) { return NodeAt(ARow); },
        [this](int From, int To) { SortRowsByColumn(From, To); });
  });
}

void TExtStringGrid::SortNodesByIndex() {
  if (FSortIndexes->Count() == 0 || !SortIndexesInGrid()) return;
  RunSort(false, [this](int First, int Last) {
    ForEachSortableNode(
        *this, First, Last, [this](int ARow) { return NodeAt(ARow); },
        [this](int From, int To) { SortRowsByIndex(From, To); });
  });
}

void TExtStringGrid::UnSort() {
  if (!FLoadOrder.InStep(RowCount())) return;
  TSortScope scope(*this);
  // The order lives in the list the row exchange keeps in step.
  const std::vector<int>& order = FLoadOrder.Order();
  int pivot = 0;
  const auto value = [&order, &pivot](int ARow) { return ARow < 0 ? pivot : order[static_cast<std::size_t>(ARow)]; };
  detail::QuickSortRows(
      FixedRows(), scope.LastNormalRow(), -1, 1, [&](int ARow) { pivot = value(ARow); },
      [&](int ARow1, int ARow2) { return (value(ARow1) > value(ARow2)) - (value(ARow1) < value(ARow2)); },
      [&](int ARow1, int ARow2) {
        if (value(ARow1) != value(ARow2)) SortExchange(ARow1, ARow2);
      });
}

}  // namespace zorbit
