// The floating footer's values: each footer cell of the last row computed
// by its calculation type, recalculated when cells or a column change, and
// the custom template filled from the current row.
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/FooterTemplate.h"
#include "grid/TCellProperties.h"

namespace zorbit {

void TExtStringGrid::CalcFooter(int ACol) {
  if (!FFloatingFooter->Visible() || FFloatingFooter->FooterStyle() != TFooterStyle::fsFixedLastRow ||
      !FFloatingFooter->Calculate())
    return;
  if (ACol == -1) {
    for (int col = 0; col < ColCount(); ++col) CalcFooterCell(col);
  } else if (ACol >= 0 && ACol < AllColumnCount()) {
    CalcFooterCell(ACol);
  }
}

void TExtStringGrid::CalcFooterCell(int ACol) {
  const int footerRow = RowCount() - 1;
  const auto* properties = dynamic_cast<const TCellProperties*>(GetGridObject(ACol, footerRow));
  if (!properties) return;
  const int hidden = FFloatingFooter->CalculateHiddenRows() ? HiddenRowCount() : 0;
  const int from = FixedRows();
  const int to = hidden + RowCount() - 2;
  switch (static_cast<TFooterCalcType>(properties->CalcType() & 0x7F)) {
    case TFooterCalcType::fcNone: SetCellText(ACol, footerRow, {}); break;
    case TFooterCalcType::fcSum: SetCellFloat(ACol, footerRow, SumOfColumn(ACol, from, to)); break;
    case TFooterCalcType::fcAverage: SetCellFloat(ACol, footerRow, AverageOfColumn(ACol, from, to)); break;
    case TFooterCalcType::fcCount:
      SetCellText(ACol, footerRow, std::to_string(hidden + RowCount() - FixedRows() - 1));
      break;
    case TFooterCalcType::fcMinimum: SetCellFloat(ACol, footerRow, MinimumOfColumn(ACol, from, to)); break;
    case TFooterCalcType::fcMaximum: SetCellFloat(ACol, footerRow, MaximumOfColumn(ACol, from, to)); break;
    case TFooterCalcType::fcCustom: {
      plat::String value;
      CalcFooterValue(ACol, hidden + RowCount() - 1, value);
      SetCellText(ACol, footerRow, value);
      break;
    }
    default: break;
  }
}

void TExtStringGrid::CalcFooterValue(int ACol, int ARow, plat::String& Value) {
  if (FFloatingFooter->OnCalcFooter) FFloatingFooter->OnCalcFooter(this, ACol, ARow, Value);
}

void TExtStringGrid::ColumnChanged(int ACol) { CalcFooter(ACol); }

void TExtStringGrid::ColumnChanged() { CalcFooter(-1); }

plat::String TExtStringGrid::FooterTemplateText() {
  return detail::ExpandFooterTemplate(FFloatingFooter->CustomTemplate(), ColCount(), [this](int Column) {
    return GetCellText(DisplayToRealCol(Column), Row());
  });
}

}  // namespace zorbit
