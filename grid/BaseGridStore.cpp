// TBaseGrid: creation and destruction, its settings, and the cell store
// with its properties objects and display hooks.
#include <algorithm>
#include <vector>

#include "grid/ExtUtilUnicode.h"
#include "grid/TBaseGrid.h"
#include "grid/TCellProperties.h"
#include "grid/TExtGridUndoRedo.h"
#include "platform/rtl/Unicode.h"

namespace zorbit {

using plat::String;
using plat::TObject;

TBaseGrid::TBaseGrid(plat::TComponent* AOwner) : TStringGrid(AOwner) {
  SetGridLineWidth(1);
  SetGridLineColor(0xC0C0C0);
  SetDefaultDrawing(false);
  TStringGrid::SetDefaultDrawing(false);
  SetOptions(Options() + plat::TGridOptions{plat::TGridOption::goDrawFocusSelected});
}

TBaseGrid::~TBaseGrid() {
  // Every object in the slots, also beyond the counts, belongs to the grid.
  std::vector<TObject*> owned;
  ForEachObject([&owned](int, int, TObject* Object) { owned.push_back(Object); });
  // An object that a caller left in two slots is freed once.
  std::sort(owned.begin(), owned.end());
  owned.erase(std::unique(owned.begin(), owned.end()), owned.end());
  for (TObject* object : owned) delete object;
}

void TBaseGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = Value;
  TStringGrid::SetGridLineWidth(0);
  Invalidate();
}

void TBaseGrid::SetGridLineColor(plat::TColor Value) {
  if (Value == FGridLineColor) return;
  FGridLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetHideLastRow(bool Value) {
  if (Value == FHideLastRow) return;
  FHideLastRow = Value;
  Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value) {
  if (Value == FActiveRowShow) return;
  FActiveRowShow = Value;
  Invalidate();
}

void TBaseGrid::SetActiveRowColor(plat::TColor Value) {
  if (Value == FActiveRowColor) return;
  FActiveRowColor = Value;
  Invalidate();
}

TCellProperties* TBaseGrid::PropertiesOf(int ACol, int ARow) const {
  return dynamic_cast<TCellProperties*>(Objects(ACol, ARow));
}

String TBaseGrid::GetCellText(int ACol, int ARow) {
  int col = ACol, row = ARow;
  if (HasCellProperties(ACol, ARow)) {
    const plat::TPoint base = GetBaseCell(ACol, ARow);
    col = base.X;
    row = base.Y;
  }
  String result = Cells(col, row);
  if (row < FDisplayRowLimit) {
    GetDisplText(col, row, result);
    if (OnGetDisplWideText) {
      plat::WideString wide = plat::AnsiToWide(result);
      GetDisplWideText(col, row, wide);
      result = EncodeUnicodeCellText(wide);
    }
  }
  return result;
}

void TBaseGrid::SetCellText(int ACol, int ARow, const String& Value) {
  if (HasCellProperties(ACol, ARow)) {
    const plat::TPoint base = GetBaseCell(ACol, ARow);
    SetCells(base.X, base.Y, Value);
    if (Parent()) RepaintCell(ACol, ARow);
  } else {
    SetCells(ACol, ARow, Value);
  }
  if (FHideLastRow && ARow == RowCount() - 1) HiddenLastRowChanged();
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
  TObject* object = Objects(ACol, ARow);
  if (!object) {
    auto* made = new TCellProperties(this, ACol, ARow);
    SetObjects(ACol, ARow, made);
    return made;
  }
  auto* properties = dynamic_cast<TCellProperties*>(object);
  if (!properties) throw plat::EInvalidGridOperation("Cell object is not a TCellProperties");
  return properties;
}

void TBaseGrid::ReplaceCellObject(int ACol, int ARow, TObject* Obj) {
  TObject* old = Objects(ACol, ARow);
  if (old == Obj) return;
  SetObjects(ACol, ARow, Obj);
  delete old;
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow) {
  TObject* old = Objects(ACol, ARow);
  if (!old) return;
  SetObjects(ACol, ARow, nullptr);
  delete old;
}

void TBaseGrid::FreeCellPropertiesRange(int Col1, int Row1, int Col2, int Row2) {
  for (int c = Col1; c <= Col2; ++c)
    for (int r = Row1; r <= Row2; ++r) FreeCellProperties(c, r);
}

void TBaseGrid::ClearCell(int ACol, int ARow) {
  SetCellText(ACol, ARow, {});
  SetObjects(ACol, ARow, nullptr);
}

void TBaseGrid::ClearColCells(int ACol) {
  for (int r = 0; r < RowCount(); ++r) {
    SetObjects(ACol, r, nullptr);
    SetCellText(ACol, r, {});
  }
}

void TBaseGrid::ClearRowCells(int ARow) {
  for (int c = 0; c < ColCount(); ++c) {
    SetObjects(c, ARow, nullptr);
    SetCellText(c, ARow, {});
  }
}

TCellGraphic* TBaseGrid::GetCellGraphic(int ACol, int ARow) {
  const TCellProperties* properties = PropertiesOf(ACol, ARow);
  return properties ? properties->Graphic() : nullptr;
}

void TBaseGrid::SetCellGraphic(int ACol, int ARow, TCellGraphic* Graphic) {
  const bool wasEmpty = GetCellText(ACol, ARow).empty();
  if (wasEmpty) SetCellText(ACol, ARow, " ");
  GetCellProperties(ACol, ARow)->SetGraphic(Graphic);
  if (wasEmpty) SetCellText(ACol, ARow, {});
}

void TBaseGrid::GetDisplText(int ACol, int ARow, String& Value) {
  if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, plat::WideString& Value) {
  if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::HiddenLastRowChanged() {}
bool TBaseGrid::IsFixedCellAt(int, int) { return false; }
int TBaseGrid::GetNodeIndent(int) { return 0; }
bool TBaseGrid::HasNodes() { return false; }
int TBaseGrid::DataColIndex(int ACol) { return ACol; }

}  // namespace zorbit
