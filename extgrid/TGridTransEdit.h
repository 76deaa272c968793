#pragma once
// TGridTransEdit: an invisible edit bound to one cell of its grid. When it
// loses the focus its text is validated through the grid's OnCellValidate
// (Valid starts true): a valid text fires OnEditingDone, goes into the cell
// and the edit hides; an invalid one sends the grid's current cell back to
// the edit's cell and the edit keeps the focus. Return is swallowed.
#include "platform/ui/TCustomEdit.h"

namespace zorbit {

class TExtStringGrid;

class TGridTransEdit : public plat::TCustomEdit {
 public:
  explicit TGridTransEdit(TExtStringGrid* Grid);

  int Col() const { return FCol; }
  void SetCol(int Value) { FCol = Value; }
  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value; }

 protected:
  void DoExit() override;
  void KeyPress(char32_t& Key) override;

 private:
  TExtStringGrid* FGrid;
  int FCol = 0;
  int FRow = 0;
};

}  // namespace zorbit
