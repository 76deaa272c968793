// Per-cell and per-row colours and fonts, the cells marked selected one by
// one, and the small accessors beside them: the cell control, the cursor, the current cell's text, the fixed
// gradient colours, the integral height and sizing with the form.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "platform/ui/TCustomForm.h"
#include "platform/win/Painting.h"

namespace zorbit {

void TExtStringGrid::SetCellBrushColor(int ACol, int ARow, plat::TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColor(Value);
  RepaintCell(ACol, ARow);
}

plat::TColor TExtStringGrid::GetCellBrushColor(int ACol, int ARow) const {
  const auto* props = dynamic_cast<const TCellProperties*>(GetGridObject(ACol, ARow));
  return props ? props->BrushColor() : plat::clNone;
}

void TExtStringGrid::SetCellBrushColorTo(int ACol, int ARow, plat::TColor Value) {
  GetCellProperties(ACol, ARow)->SetBrushColorTo(Value);
  RepaintCell(ACol, ARow);
}

void TExtStringGrid::SetCellFontColor(int ACol, int ARow, plat::TColor Value) {
  GetCellProperties(ACol, ARow)->SetFontColor(Value);
  RepaintCell(ACol, ARow);
}

void TExtStringGrid::SetCellFontStyle(int ACol, int ARow, plat::TFontStyles Value) {
  GetCellProperties(ACol, ARow)->SetFontStyle(Value);
  RepaintCell(ACol, ARow);
}

bool TExtStringGrid::GetCellReadOnly(int ACol, int ARow) { return GetCellProperties(ACol, ARow)->ReadOnly(); }

plat::TControl* TExtStringGrid::GetCellControl(int ACol, int ARow) const {
  const auto* props = dynamic_cast<const TCellProperties*>(GetGridObject(ACol, ARow));
  return props ? props->Control() : nullptr;
}

namespace {

// Every column of the row from the fixed ones on, hidden ones too: clNone
// frees the cells' properties, any other colour is written by Set.
template <typename Setter>
void WriteRow(TExtStringGrid& Grid, int ARow, plat::TColor Value, int FirstCol, int EndCol, Setter Set) {
  for (int col = FirstCol; col < EndCol; ++col) {
    if (Value == plat::clNone)
      Grid.FreeCellProperties(col, ARow);
    else
      Set(*Grid.GetCellProperties(col, ARow));
  }
}

}  // namespace

void TExtStringGrid::SetRowBrushColor(int ARow, plat::TColor Value) {
  WriteRow(*this, ARow, Value, TBaseGrid::FixedCols(), AllColumnCount(),
           [Value](TCellProperties& P) { P.SetBrushColor(Value); });
  InvalidateRow(ARow);
}

void TExtStringGrid::SetRowBrushColorTo(int ARow, plat::TColor Value) {
  WriteRow(*this, ARow, Value, TBaseGrid::FixedCols(), AllColumnCount(),
           [Value](TCellProperties& P) { P.SetBrushColorTo(Value); });
  InvalidateRow(ARow);
}

void TExtStringGrid::SetRowFontColor(int ARow, plat::TColor Value) {
  WriteRow(*this, ARow, Value, TBaseGrid::FixedCols(), AllColumnCount(),
           [Value](TCellProperties& P) { P.SetFontColor(Value); });
  InvalidateRow(ARow);
}

void TExtStringGrid::RepaintFirstColumn() {
  if (!HandleAllocated()) return;
  const plat::TRect first = CellRect(0, TopRow());
  const plat::TRect last = CellRect(0, std::min(RowCount() - 1, TopRow() + VisibleRowCount()));
  const plat::RECT area{first.Left, first.Top, first.Right, last.Bottom};
  plat::InvalidateRect(Handle(), &area, false);
}

bool TExtStringGrid::IsCellMarkedSelected(int ACol, int ARow) const {
  return std::find(FSelectedCells.begin(), FSelectedCells.end(), plat::TGridCoord{ACol, ARow}) != FSelectedCells.end();
}

void TExtStringGrid::MarkCellSelected(int ACol, int ARow, bool Value) {
  const plat::TGridCoord cell{ACol, ARow};
  const auto at = std::find(FSelectedCells.begin(), FSelectedCells.end(), cell);
  if ((at != FSelectedCells.end()) == Value) return;
  if (Value)
    FSelectedCells.push_back(cell);
  else
    FSelectedCells.erase(at);
  RepaintCell(ACol, ARow);
}

void TExtStringGrid::ClearCellSelectionMarks() {
  const std::vector<plat::TGridCoord> marked = std::move(FSelectedCells);
  FSelectedCells.clear();
  for (const plat::TGridCoord& cell : marked) RepaintCell(cell.X, cell.Y);
}

plat::String TExtStringGrid::CurrentCellText() {
  const plat::TPoint base = GetBaseCell(Col(), Row());
  return GetCellText(base.X, base.Y);
}

void TExtStringGrid::SetCurrentCellText(const plat::String& Value) {
  const plat::TPoint base = GetBaseCell(Col(), Row());
  SetCellText(base.X, base.Y, Value);
}

void TExtStringGrid::SetCurrentCellEditText(const plat::String& Value) {
  const plat::TPoint base = GetBaseCell(Col(), Row());
  SetEditText(base.X, base.Y, Value);
}

void TExtStringGrid::SetCursor(plat::TCursor Value) {
  TBaseGrid::SetCursor(Value);
  FGridCursor = Value;
}

void TExtStringGrid::SetFixedGradientFrom(plat::TColor Value) {
  FLookColor1 = plat::ColorToRGB(Value);
  Invalidate();
}

void TExtStringGrid::SetFixedGradientTo(plat::TColor Value) {
  FLookColor2 = plat::ColorToRGB(Value);
  Invalidate();
}

void TExtStringGrid::SetIntegralHeight(bool Value) {
  FIntegralHeight = Value;
  SetBounds(Left(), Top(), Width(), Height());
}

void TExtStringGrid::FormResized() {
  const int width = FResizeForm->Width();
  const int height = FResizeForm->Height();
  const bool destroying = ComponentState().Contains(plat::TComponentStateItem::csDestroying);
  if (FSizeWithForm && !Designing() && !destroying) {
    const int newWidth = Width() + width - FFormWidth;
    const int newHeight = Height() + height - FFormHeight;
    if (newWidth > 0 && newHeight > 0) SetBounds(Left(), Top(), newWidth, newHeight);
  }
  FFormWidth = width;
  FFormHeight = height;
}

}  // namespace zorbit
