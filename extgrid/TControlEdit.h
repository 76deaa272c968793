#pragma once
// TControlEdit: the masked edit a grid shows over an HTML form control of a
// cell (an "EDIT", "PASSWORD" or "MASK" CONTROL), placed on the grid it
// serves (its Parent). Whoever opens it sets the control it edits (Col,
// Row, ControlID, ControlType), its text, place and mask, then shows and
// focuses it.
//
// Losing the focus ends the edit: the edit hides and hands its text to the
// grid's ControlEditDone, which writes it as the control's VALUE and fires
// OnControlEditDone; once for each time it had the focus. The edit wants Tab but not Return: Return is first a
// dialog key of the form (its default button), else it gives the grid the
// focus, which ends the edit. Tab gives the grid the focus too and, with
// the grid's Navigation.AdvanceAuto, goes on to the grid as a Tab pressed
// there (moving to the next cell as the grid's Tab does). A masked text the
// mask refuses keeps the focus here: the edit stays open and the cell as it
// was.
#include "platform/ui/TMaskEdit.h"

namespace zorbit {

class TExtStringGrid;

class TControlEdit : public plat::TMaskEdit {
 public:
  explicit TControlEdit(plat::TComponent* AOwner);

  // The grid it is placed on; nullptr on any other parent.
  TExtStringGrid* Grid() const;

  // The cell and the control of it being edited.
  int Col() const { return FCol; }
  void SetCol(int Value) { FCol = Value; }
  int Row() const { return FRow; }
  void SetRow(int Value) { FRow = Value; }
  const plat::String& ControlID() const { return FControlID; }
  void SetControlID(const plat::String& Value) { FControlID = Value; }
  const plat::String& ControlType() const { return FControlType; }
  void SetControlType(const plat::String& Value) { FControlType = Value; }

 protected:
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void DoExit() override;

 private:
  // Hides the edit and hands its text to the grid.
  void EndEdit();

  int FCol = 0;
  int FRow = 0;
  plat::String FControlID;
  plat::String FControlType;
};

}  // namespace zorbit
