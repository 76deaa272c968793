#pragma once
// TCellControlEditor: what the editors a grid shows over an HTML form
// control of a cell share (TControlEdit for an "EDIT", "PASSWORD" or
// "MASK" CONTROL, TControlCombo for a "COMBO"), over their control class.
// It is placed on the grid it serves (its Parent). Whoever opens it sets
// the control it edits (Col, Row, ControlID, ControlType), its text and
// place, then shows and focuses it.
//
// Losing the focus ends the edit: the editor hides and hands its text to
// the grid's ControlEditDone, which writes it as the control's VALUE and
// fires OnControlEditDone; once for each time it had the focus. The editor
// wants Tab but not Return (a dropped-down list still takes Return for its
// item): Return is first a dialog key of the form (its default button),
// else it gives the grid the focus, which ends the edit. Tab gives the grid
// the focus too and, with the grid's Navigation.AdvanceAuto, goes on to the
// grid as a Tab pressed there (moving to the next cell as the grid's Tab
// does). An editor that takes the focus back (a masked text the mask
// refuses) stays open and the cell as it was.
#include "platform/rtl/Types.h"
#include "platform/ui/TWinControl.h"

namespace zorbit {

class TExtStringGrid;

template <class TEditorBase>
class TCellControlEditor : public TEditorBase {
 public:
  explicit TCellControlEditor(plat::TComponent* AOwner) : TEditorBase(AOwner) {}

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
  // A combo box's list is down.
  bool ListShown();
  // Hides the editor and hands its text to the grid.
  void EndEdit();

  int FCol = 0;
  int FRow = 0;
  plat::String FControlID;
  plat::String FControlType;
};

}  // namespace zorbit
