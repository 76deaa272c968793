// TBaseGrid: merged ranges and cell geometry.
#include "grid/TBaseGrid.h"
#include "grid/TCellProperties.h"
#include "platform/win/Painting.h"

namespace zorbit {

using plat::TPoint;
using plat::TRect;

void TBaseGrid::MergeCellRange(int ACol, int ARow, int ColCount, int RowCount) {
  for (int c = ACol; c < ACol + ColCount; ++c) {
    for (int r = ARow; r < ARow + RowCount; ++r) {
      TCellProperties* properties = GetCellProperties(c, r);
      const bool base = c == ACol && r == ARow;
      properties->SetIsBaseCell(base);
      properties->SetCellSpanX(base ? ColCount - 1 : c - ACol);
      properties->SetCellSpanY(base ? RowCount - 1 : r - ARow);
    }
  }
  for (int c = ACol; c < ACol + ColCount; ++c)
    for (int r = ARow; r < ARow + RowCount; ++r) RepaintCell(c, r);
}

void TBaseGrid::SplitMergedCell(int ACol, int ARow) {
  GetCellProperties(ACol, ARow);
  const TPoint base = GetBaseCell(ACol, ARow);
  const TCellProperties* baseProperties = GetCellProperties(base.X, base.Y);
  const int spanX = baseProperties->CellSpanX();
  const int spanY = baseProperties->CellSpanY();
  for (int c = base.X; c <= base.X + spanX; ++c) {
    for (int r = base.Y; r <= base.Y + spanY; ++r) {
      TCellProperties* properties = GetCellProperties(c, r);
      properties->SetIsBaseCell(true);
      properties->SetCellSpanX(-1);
      properties->SetCellSpanY(-1);
    }
  }
  for (int c = base.X; c <= base.X + spanX; ++c)
    for (int r = base.Y; r <= base.Y + spanY; ++r) RepaintCell(c, r);
}

TPoint TBaseGrid::GetBaseCell(int ACol, int ARow) const {
  const TCellProperties* properties = PropertiesOf(ACol, ARow);
  if (properties && !properties->IsBaseCell() && properties->CellSpanX() != -1 && properties->CellSpanY() != -1)
    return {ACol - properties->CellSpanX(), ARow - properties->CellSpanY()};
  return {ACol, ARow};
}

bool TBaseGrid::ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
  const TCellProperties* properties = PropertiesOf(ACol, ARow);
  if (!properties || properties->IsBaseCell()) {
    BaseCol = ACol;
    BaseRow = ARow;
    return true;
  }
  const TPoint base = GetBaseCell(ACol, ARow);
  BaseCol = base.X;
  BaseRow = base.Y;
  return false;
}

bool TBaseGrid::IsBaseCellAt(int ACol, int ARow) const {
  const TCellProperties* properties = PropertiesOf(ACol, ARow);
  return !properties || properties->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
  const TCellProperties* properties = PropertiesOf(ACol, ARow);
  return properties && (properties->CellSpanX() > 0 || properties->CellSpanY() > 0);
}

bool TBaseGrid::IsHorzMergedCell(int ACol, int ARow) {
  if (!PropertiesOf(ACol, ARow)) return false;
  const TPoint base = GetBaseCell(ACol, ARow);
  return GetCellProperties(base.X, base.Y)->CellSpanX() > 0;
}

bool TBaseGrid::IsVertMergedCell(int ACol, int ARow) {
  if (!PropertiesOf(ACol, ARow)) return false;
  const TPoint base = GetBaseCell(ACol, ARow);
  return GetCellProperties(base.X, base.Y)->CellSpanY() > 0;
}

TPoint TBaseGrid::GetCellSpan(int ACol, int ARow) {
  const TCellProperties* properties = PropertiesOf(ACol, ARow);
  if (!properties || properties->CellSpanX() == -1 || properties->CellSpanY() == -1) return {0, 0};
  const TPoint base = GetBaseCell(ACol, ARow);
  const TCellProperties* baseProperties = GetCellProperties(base.X, base.Y);
  return {baseProperties->CellSpanX(), baseProperties->CellSpanY()};
}

bool TBaseGrid::RowsShareMerges(int ARow1, int ARow2) {
  bool found = false;
  for (int c = 0; c < ColCount(); ++c) {
    if (GetCellSpan(c, ARow1).Y <= 0 || GetCellSpan(c, ARow2).Y <= 0) continue;
    if (GetBaseCell(c, ARow1).Y != GetBaseCell(c, ARow2).Y) return false;
    found = true;
  }
  return found;
}

int TBaseGrid::ColStart(int ACol) {
  // Fixed columns from the left edge, the others from LeftCol's edge: the
  // walk is as long as the distance to the view, not to column 0.
  if (ACol < FixedCols()) {
    int x = 0;
    for (int c = 0; c < ACol; ++c) x += ColWidths(c);
    return x;
  }
  int x = CellRect(LeftCol(), TopRow()).Left;
  for (int c = LeftCol(); c < ACol; ++c) x += ColWidths(c);
  for (int c = ACol; c < LeftCol(); ++c) x -= ColWidths(c);
  return x;
}

int TBaseGrid::RowStart(int ARow) {
  if (ARow < FixedRows()) {
    int y = 0;
    for (int r = 0; r < ARow; ++r) y += RowHeights(r);
    return y;
  }
  int y = CellRect(LeftCol(), TopRow()).Top;
  for (int r = TopRow(); r < ARow; ++r) y += RowHeights(r);
  for (int r = ARow; r < TopRow(); ++r) y -= RowHeights(r);
  return y;
}

TRect TBaseGrid::GetUnclippedCellRect(int ACol, int ARow) {
  // ColWidths and RowHeights give the default sizes past the counts.
  const int x = ColStart(ACol);
  const int y = RowStart(ARow);
  return {x, y, x + ColWidths(ACol), y + RowHeights(ARow)};
}

TRect TBaseGrid::GetCellRect(int ACol, int ARow) {
  const TCellProperties* properties = PropertiesOf(ACol, ARow);
  if (properties && (properties->CellSpanX() != -1 || properties->CellSpanY() != -1)) {
    const TPoint base = GetBaseCell(ACol, ARow);
    const TCellProperties* baseProperties = GetCellProperties(base.X, base.Y);
    const TRect first = GetUnclippedCellRect(base.X, base.Y);
    const TRect last = GetUnclippedCellRect(base.X + baseProperties->CellSpanX(), base.Y + baseProperties->CellSpanY());
    return first.United(last);
  }
  if (properties && properties->Control()) return GetUnclippedCellRect(ACol, ARow);
  const TRect shown = CellRect(ACol, ARow);
  return {shown.Left, shown.Top, shown.Left + ColWidths(ACol), shown.Top + RowHeights(ARow)};
}

TPoint TBaseGrid::GetCellSize(int ACol, int ARow) {
  if (IsMergedCell(ACol, ARow)) {
    const TRect r = GetCellRect(ACol, ARow);
    return {r.Width(), r.Height()};
  }
  return {ColWidths(ACol), RowHeights(ARow)};
}

void TBaseGrid::RepaintCell(int ACol, int ARow) {
  if (!HandleAllocated()) return;
  const TRect r = GetCellRect(ACol, ARow);
  const plat::RECT area{r.Left, r.Top, r.Right, r.Bottom};
  plat::InvalidateRect(Handle(), &area, true);
}

int TBaseGrid::GetFixedColsWidth() const {
  int width = 0;
  for (int c = 0; c < FixedCols(); ++c) width += ColWidths(c);
  return width;
}

int TBaseGrid::GetFixedRowsHeight() const {
  int height = 0;
  for (int r = 0; r < FixedRows(); ++r) height += RowHeights(r);
  return height;
}

}  // namespace zorbit
