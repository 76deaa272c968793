#include "extgrid/TFooterPanel.h"

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/ControlMessages.h"

namespace zorbit {

TFooterPanel::TFooterPanel(TExtStringGrid* Grid) : plat::TCustomPanel(Grid), FGrid(Grid) {
  SetAlign(plat::TAlign::alBottom);
  SetHeight(0);
}

void TFooterPanel::Paint() {
  if (FGrid->ComponentState().Contains(plat::TComponentStateItem::csDestroying)) return;
  FGrid->PaintFooterPanel(*Canvas(), ClientRect());
}

void TFooterPanel::WndProc(plat::TMessage& Message) {
  switch (Message.Msg) {
    case plat::CM_HINTSHOW:
      CMHintShow(*reinterpret_cast<plat::THintInfo*>(Message.LParam));
      Message.Result = FGrid->FloatingFooter()->ShowHint() ? 0 : 1;
      return;
    case plat::CM_MOUSELEAVE: FHintColumn = -1; break;
    default: break;
  }
  plat::TCustomPanel::WndProc(Message);
}

void TFooterPanel::CMHintShow(plat::THintInfo& Info) {
  // The column under the mouse as the panel draws it; a move onto another
  // column leaves its rectangle and hides the hint.
  for (const TExtStringGrid::TFooterColumn& column : FGrid->FooterColumns(ClientWidth())) {
    if (Info.CursorPos.X < column.Left || Info.CursorPos.X >= column.Right) continue;
    Info.CursorRect = {column.Left, 0, column.Right, ClientHeight()};
    plat::String hint;
    FGrid->GetGridHint(column.Col, FGrid->RowCount() - 1, hint);
    Info.HintStr = hint;
    if (FGrid->FloatingFooter()->ShowHint()) FHintColumn = column.Col;
    return;
  }
  Info.HintStr.clear();
}

}  // namespace zorbit
