// Column aggregates: the sum, average, minimum and maximum of the numbers
// in a column over a row range. Real rows are walked beside the ascending
// hidden-row list, so a range costs in proportion to its rows whatever
// number of them is hidden.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellNumber.h"
#include "grid/TCellProperties.h"

namespace zorbit {

namespace {

// A hidden row's saved cell is a merged range's member (not its base).
bool IsMergeMember(const plat::TObject* Object) {
  const auto* properties = dynamic_cast<const TCellProperties*>(Object);
  return properties && !properties->IsBaseCell();
}

}  // namespace

void TExtStringGrid::TColumnNumbers::Take(double Value) {
  Sum += Value;
  if (!Any || Value < Minimum) Minimum = Value;
  if (!Any || Value > Maximum) Maximum = Value;
  Any = true;
}

int TExtStringGrid::UsableRowCount() const { return RowCount() - (FFloatingFooter->Visible() ? 1 : 0); }

// Captions and summaries are passed over only while a column is grouped:
// node rows of an ungrouped grid are data.
bool TExtStringGrid::IsGroupingRow(int ARow) {
  if (GroupColumn() < 0 || !GetGridObject(0, ARow)) return false;
  const TCellType type = GetCellType(0, ARow);
  return type == TCellType::ctNode || type == TCellType::ctSummary;
}

TExtStringGrid::TColumnNumbers TExtStringGrid::ReadColumnNumbers(int ACol, int FromRow, int ToRow) {
  TColumnNumbers numbers;
  GridProgress(0, -1);
  if (ToRow >= UsableRowCount())
    ReadRealRows(ACol, FromRow, ToRow, numbers);
  else
    ReadShownRows(ACol, FromRow, ToRow, numbers);
  GridProgress(2, -1);
  return numbers;
}

void TExtStringGrid::ReadShownRows(int ACol, int FromRow, int ToRow, TColumnNumbers& Numbers) {
  double value = 0;
  for (int row = FromRow; row <= ToRow; ++row) {
    GridProgress(1, row);
    if (ACol < 0 || row < 0 || IsGroupingRow(row) || !IsBaseCellAt(ACol, row)) continue;
    if (detail::TryReadCellNumber(GetCellText(ACol, row), value)) Numbers.Take(value);
  }
}

void TExtStringGrid::ReadRealRows(int ACol, int FromRow, int ToRow, TColumnNumbers& Numbers) {
  int hidden = HiddenRowsBefore(FromRow);
  double value = 0;
  for (int real = FromRow; real <= ToRow; ++real) {
    GridProgress(1, real);
    if (real < 0) continue;
    if (hidden < HiddenRowCount() && HiddenRow(hidden)->Idx() == real) {
      const plat::TStrings* cells = HiddenRow(hidden++)->Items();
      if (ACol < 0 || ACol >= cells->Count() || IsMergeMember(cells->Objects(ACol))) continue;
      if (detail::TryReadCellNumber(cells->Strings(ACol), value)) Numbers.Take(value);
      continue;
    }
    const int row = real - hidden;
    if (ACol < 0 || row >= RowCount() || !IsBaseCellAt(ACol, row)) continue;
    if (detail::TryReadCellNumber(GetCellText(ACol, row), value)) Numbers.Take(value);
  }
}

double TExtStringGrid::SumOfColumn(int ACol, int FromRow, int ToRow) {
  return ReadColumnNumbers(ACol, FromRow, ToRow).Sum;
}

double TExtStringGrid::AverageOfColumn(int ACol, int FromRow, int ToRow) {
  const double sum = ReadColumnNumbers(ACol, FromRow, ToRow).Sum;
  return ToRow < FromRow ? 0 : sum / (static_cast<double>(ToRow) - FromRow + 1);
}

double TExtStringGrid::MinimumOfColumn(int ACol, int FromRow, int ToRow) {
  return ReadColumnNumbers(ACol, FromRow, ToRow).Minimum;
}

double TExtStringGrid::MaximumOfColumn(int ACol, int FromRow, int ToRow) {
  return ReadColumnNumbers(ACol, FromRow, ToRow).Maximum;
}

}  // namespace zorbit
