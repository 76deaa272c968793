#include "extgrid/detail/SortRun.h"

namespace zorbit::detail {

TSortColumn& TSortRun::AddColumn(int ACol, TSortFormat Format) {
  if (ACol >= static_cast<int>(FColumns.size())) FColumns.resize(static_cast<std::size_t>(ACol) + 1);
  auto& column = FColumns[static_cast<std::size_t>(ACol)];
  column = std::make_unique<TSortColumn>(std::move(Format), FRows);
  return *column;
}

void TSortRun::Exchanged(int ARow1, int ARow2) {
  if (KeyRow(ARow1) != ARow1 || KeyRow(ARow2) != ARow2) return;
  for (const auto& column : FColumns)
    if (column) column->Exchange(ARow1, ARow2);
  if (FPivotSource == ARow1)
    FPivotSource = ARow2;
  else if (FPivotSource == ARow2)
    FPivotSource = ARow1;
}

}  // namespace zorbit::detail
