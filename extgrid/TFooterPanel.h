#pragma once
// TFooterPanel: the floating footer's window, docked at the bottom of its
// grid (height 0 and no border until the footer shows). It paints what the
// footer's style asks of the grid, and shows a hint per column: the grid's
// OnGridHint is asked with the footer row and the column under the mouse,
// and the hint shows while the footer's ShowHint is on; moving onto
// another column hides it.
#include "platform/ui/TCustomPanel.h"

namespace plat {
struct THintInfo;
}

namespace zorbit {

class TExtStringGrid;

class TFooterPanel : public plat::TCustomPanel {
 public:
  explicit TFooterPanel(TExtStringGrid* Grid);

  TExtStringGrid* Grid() const { return FGrid; }
  // The column whose hint was last asked for; -1 when none (the mouse left).
  int HintColumn() const { return FHintColumn; }

 protected:
  void Paint() override;
  void WndProc(plat::TMessage& Message) override;

 private:
  void CMHintShow(plat::THintInfo& Info);

  TExtStringGrid* FGrid;
  int FHintColumn = -1;
};

}  // namespace zorbit
