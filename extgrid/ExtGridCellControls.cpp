// HTML form controls in cells: the value their editors hand back.
#include "extgrid/TExtStringGrid.h"
#include "grid/HtmlText.h"

namespace zorbit {

void TExtStringGrid::ControlEditDone(int ACol, int ARow, const plat::String& CtrlID, const plat::String& CtrlType,
                                     const plat::String& CtrlVal) {
  const plat::TPoint base = GetBaseCell(ACol, ARow);
  plat::String html = GetRawCellText(base.X, base.Y);
  if (WriteCellControlValue(html, CtrlID, CtrlVal)) SetCellText(ACol, ARow, html);
  if (OnControlEditDone) OnControlEditDone(this, ARow, ACol, CtrlID, CtrlType, CtrlVal);
}

}  // namespace zorbit
