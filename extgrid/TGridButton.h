#pragma once
// TGridButton: the grid's button editor (edButton), captioned with the
// cell's text. A click (a left-button release or a release of Space) asks
// the grid's EllipsisClicked with the caption and shows the answer as the
// caption. Esc puts the text from before the edit back into the cell and
// goes on to the grid; an arrow key goes to the grid as a press and a
// release. Losing the focus ends the edit; nothing is written back.
#include "platform/ui/TButton.h"
#include "platform/ui/TComponentRef.h"

namespace zorbit {

class TExtStringGrid;

class TGridButton : public plat::TButton {
 public:
  explicit TGridButton(plat::TComponent* AOwner);

  TExtStringGrid* Grid() const { return FGrid; }
  void Click() override;

 protected:
  void WndProc(plat::TMessage& Message) override;
  void KeyDown(std::uint16_t& Key, plat::TShiftState Shift) override;
  void DoExit() override;

 private:
  plat::TComponentRef<TExtStringGrid> FGrid;
};

}  // namespace zorbit
