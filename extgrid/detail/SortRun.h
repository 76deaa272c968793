#pragma once
// The state of one sort of the grid: the keys of each column it has
// compared, one per row and exchanged with the rows, and where the pivot's
// data is. The pivot row (a scratch row) has no keys of its own: it stands
// for the row holding the data it copies, followed through the exchanges,
// and its cells are written only when a raw comparison reads them.
#include <memory>
#include <utility>
#include <vector>

#include "extgrid/detail/SortKeys.h"

namespace zorbit::detail {

class TSortColumn {
 public:
  TSortColumn(TSortFormat Format, int Rows) : FFormat(std::move(Format)), FKeys(static_cast<std::size_t>(Rows)) {}
  const TSortFormat& Format() const { return FFormat; }
  TSortKey& Key(int ARow) { return FKeys[static_cast<std::size_t>(ARow)]; }
  void Exchange(int ARow1, int ARow2) { std::swap(Key(ARow1), Key(ARow2)); }

 private:
  TSortFormat FFormat;
  std::vector<TSortKey> FKeys;
};

class TSortRun {
 public:
  // Keys for rows 0..Rows-1; PivotRow is the scratch row of the pivot.
  TSortRun(int Rows, int PivotRow) : FRows(Rows), FPivotRow(PivotRow) {}

  int PivotRow() const { return FPivotRow; }
  // The column's keys; nullptr before the column was first compared.
  TSortColumn* Column(int ACol) {
    return ACol >= 0 && ACol < static_cast<int>(FColumns.size()) ? FColumns[static_cast<std::size_t>(ACol)].get()
                                                                  : nullptr;
  }
  TSortColumn& AddColumn(int ACol, TSortFormat Format);
  // The row whose keys stand for ARow, or -1 for a row without keys.
  int KeyRow(int ARow) const {
    const int row = ARow == FPivotRow ? FPivotSource : ARow;
    return row >= 0 && row < FRows ? row : -1;
  }
  // ARow's data becomes the pivot.
  void TakePivot(int ARow) {
    FPivotSource = ARow;
    FPivotStored = false;
  }
  bool PivotStored() const { return FPivotStored; }
  void SetPivotStored() { FPivotStored = true; }
  void Exchanged(int ARow1, int ARow2);

 private:
  int FRows;
  int FPivotRow;
  int FPivotSource = -1;
  bool FPivotStored = false;
  std::vector<std::unique_ptr<TSortColumn>> FColumns;
};

}  // namespace zorbit::detail
