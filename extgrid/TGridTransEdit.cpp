#include "extgrid/TGridTransEdit.h"

#include "extgrid/TExtStringGrid.h"

namespace zorbit {

TGridTransEdit::TGridTransEdit(TExtStringGrid* Grid) : plat::TCustomEdit(Grid), FGrid(Grid) { SetVisible(false); }

void TGridTransEdit::DoExit() {
  plat::TCustomEdit::DoExit();
  plat::String value = Text();
  bool valid = true;
  if (FGrid->OnCellValidate) FGrid->OnCellValidate(FGrid, FCol, FRow, value, valid);
  if (valid) {
    if (FGrid->OnEditingDone) FGrid->OnEditingDone(FGrid);
    FGrid->SetCells(FCol, FRow, value);
    SetVisible(false);
    return;
  }
  FGrid->SetCol(FCol);
  FGrid->SetRow(FRow);
  if (CanFocus()) SetFocus();
}

void TGridTransEdit::KeyPress(char32_t& Key) {
  if (Key == U'\r') Key = 0;
  plat::TCustomEdit::KeyPress(Key);
}

}  // namespace zorbit
