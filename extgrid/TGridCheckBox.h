#pragma once
// TGridCheckBox: the grid's check box editor (edCheckBox), captioned with
// the cell's text. A left click or Space toggles it; Enter, Page Up, Page
// Down, End and the arrow keys end the edit and give the grid the focus;
// Enter then advances to the next cell with its editor shown, and Up and
// Down go on to the grid as key presses. Losing the focus ends the edit.
// It writes nothing back to the cell.
#include "platform/ui/TComponentRef.h"
#include "platform/ui/TCustomCheckBox.h"

namespace zorbit {

class TExtStringGrid;

class TGridCheckBox : public plat::TCheckBox {
 public:
  explicit TGridCheckBox(plat::TComponent* AOwner);

  TExtStringGrid* Grid() const { return FGrid; }

 protected:
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void DoExit() override;

 private:
  plat::TComponentRef<TExtStringGrid> FGrid;
};

}  // namespace zorbit
