// Any bytes as a grid and a grouping that is taken out again: grouping on
// any column (in place or not, with summaries or not, merged or coloured)
// and then removing it gives back the grid's texts exactly; grouping never
// raises, and refused columns change nothing.
#include <cstdlib>

#include "extgrid/fuzz/FuzzGrid.h"

using namespace zorbit;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::TBytes bytes(data, size);
  std::unique_ptr<TExtStringGrid> grid = fuzz::MakeGrid(bytes);
  grid->SetFixedFooters(bytes.Next() % 3);
  const std::uint8_t flags = bytes.Next();
  TGrouping& grouping = *grid->Grouping();
  grouping.SetSummary(flags & 1);
  grouping.SetMergeHeader(flags & 2);
  grouping.SetMergeSummary(flags & 4);
  grouping.SetHeaderColor(flags & 8 ? 0x00FF00 : plat::clNone);
  grouping.SetSummaryTextColor(flags & 16 ? 0x0000FF : plat::clNone);
  // Without the sort first, ungrouping gives back the very order.
  grid->SortSettings()->SetAutoSortForGrouping(false);
  const int col = bytes.Next() % 7 - 1;
  const std::vector<std::string> before = fuzz::Rows(*grid, 0);
  const int rows = grid->RowCount();
  if (flags & 32) {
    grid->GroupOnColumnInPlace(col);
    if (grid->RowCount() < rows) std::abort();
    grid->RemoveGroupLevel(col);
  } else {
    grid->GroupOnColumn(col);
    if (grid->GroupColumn() != -1 && grid->GroupColumn() != col) std::abort();
    grid->RemoveGrouping();
  }
  if (grid->GroupColumn() != -1 || grid->UpdateCount() != 0) std::abort();
  if (fuzz::Rows(*grid, 0) != before) std::abort();
  return 0;
}
