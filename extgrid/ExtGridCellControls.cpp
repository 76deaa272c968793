// HTML form controls in cells: the editor a click on one opens, and the
// value their editors hand back.
#include "extgrid/TControlEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/HtmlRenderer.h"
#include "grid/HtmlText.h"

namespace zorbit {

void TExtStringGrid::ControlEditDone(int ACol, int ARow, const plat::String& CtrlID, const plat::String& CtrlType,
                                     const plat::String& CtrlVal) {
  const plat::TPoint base = GetBaseCell(ACol, ARow);
  plat::String html = GetRawCellText(base.X, base.Y);
  if (WriteCellControlValue(html, CtrlID, CtrlVal)) SetCellText(ACol, ARow, html);
  if (OnControlEditDone) OnControlEditDone(this, ARow, ACol, CtrlID, CtrlType, CtrlVal);
}

void TExtStringGrid::HandleCellControlClick(int ACol, int ARow, const plat::String& ControlID) {
  const plat::TPoint base = GetBaseCell(ACol, ARow);
  const plat::String html = GetCellText(base.X, base.Y);
  // Laid out as painting lays it out: inside the margin, after the check box.
  const int checkShift = IsCheckBoxCell(ACol, ARow) ? FControlLook->CheckSize() : 0;
  const plat::TRect cell = GetCellRect(ACol, ARow).Translated(CellHorzMargin + 1 + checkShift, CellVertMargin + 1);
  THtmlRenderOptions options;
  options.CheckOnly = true;
  options.CheckControlID = ControlID;
  THtmlRenderResult found;
  RenderHtml(*Canvas(), html, cell, options, found);
  const bool editable = found.ControlType == "EDIT" || found.ControlType == "PASSWORD" || found.ControlType == "MASK";
  if (found.ControlID.empty() || !editable) {
    if (CanFocus()) SetFocus();
    return;
  }
  TControlEdit* edit = FEditors.ControlEdit();
  const plat::TRect& at = found.ControlRect;
  edit->SetBounds(at.Left + 1, at.Top + 4, at.Width() - 4, at.Height() - 4);
  edit->SetCol(ACol);
  edit->SetRow(ARow);
  edit->SetControlID(found.ControlID);
  edit->SetControlType(found.ControlType);
  edit->SetPasswordChar(found.ControlType == "PASSWORD" ? '*' : '\0');
  edit->SetText(found.ControlValue);
  edit->SetEnabled(true);
  edit->SetVisible(true);
  edit->BringToFront();
  if (edit->CanFocus()) edit->SetFocus();
}

}  // namespace zorbit
