// The hooks: each applies the grid's own rule, then asks its event.
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellPaint.h"
#include "grid/TCellProperties.h"

namespace zorbit {

void TExtStringGrid::GetGridHint(int ACol, int ARow, plat::String& HintText) {
  if (OnGridHint) OnGridHint(this, ARow, ACol, HintText);
}

void TExtStringGrid::ApplyCellColors(int ACol, int ARow, plat::TGridDrawState AState, plat::TBrush* ABrush,
                                     plat::TFont* AFont) {
  if (FActiveCellShow) {
    const bool rowHead = TBaseGrid::FixedCols() > 0 && ACol == 0 && ARow == Row();
    const bool colHead = TBaseGrid::FixedRows() > 0 && ARow == 0 && ACol == Col();
    if (rowHead || colHead) {
      AFont->Assign(*FActiveCellFont);
      ABrush->SetColor(FActiveCellColor);
    }
  }
  if (HasCellProperties(ACol, ARow)) ApplyPropertyLooks(*GetCellProperties(ACol, ARow), ABrush, AFont);
  if (OnGetCellColor) OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellPrintColors(int ACol, int ARow, plat::TGridDrawState AState, plat::TBrush* ABrush,
                                        plat::TFont* AFont) {
  if (OnGetCellPrintColor) OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExtStringGrid::GetCellBorders(int ACol, int ARow, TCellBorders& Borders, plat::TPen* APen) {
  if (ACol != 0 && IsNode(ARow) && FGrouping->HeaderUnderline()) {
    Borders = TCellBorders{TCellBorder::cbBottom};
    APen->SetColor(FGrouping->HeaderLineColor());
    APen->SetWidth(FGrouping->HeaderLineWidth());
  } else if (ACol != 0 && IsSummary(ARow) && FGrouping->SummaryLine()) {
    Borders = TCellBorders{TCellBorder::cbTop};
    APen->SetColor(FGrouping->SummaryLineColor());
    APen->SetWidth(FGrouping->SummaryLineWidth());
  }
  if (OnGetCellBorder) OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::GetCellPrintBorders(int ACol, int ARow, plat::TPen* APen, TCellBorders& Borders) {
  if (OnGetCellPrintBorder) OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExtStringGrid::AdjustCellAlignment(int ACol, int ARow, plat::TAlignment& HAlign, TVAlignment& VAlign) {
  if (ACol == 0 && FMouseActions->HotmailRowSelect()) {
    HAlign = plat::TAlignment::taCenter;
    VAlign = TVAlignment::vtaCenter;
  }
  if (OnGetAlignment) OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExtStringGrid::GetCellFormat(int ACol, TSortStyle& AStyle, plat::String& Prefix, plat::String& Suffix) {
  if (OnGetFormat) OnGetFormat(this, ACol, AStyle, Prefix, Suffix);
}

void TExtStringGrid::GetCellEditorType(int ACol, int ARow, TEditorType& AEditor) {
  if (OnGetEditorType) OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExtStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed) {
  IsFixed = IsFixed || ACol < TBaseGrid::FixedCols() || ARow < TBaseGrid::FixedRows() ||
            (FFixedRowAlways && RowCount() == FSavedFixedRows) ||
            (FFixedColAlways && ACol < FSavedFixedCols && ColCount() == FSavedFixedCols);
  if (!IsFixed && OnIsFixedCell) OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TExtStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit) {
  const plat::TPoint base = GetBaseCell(ACol, ARow);
  if (CanEdit && HasCellProperties(base.X, base.Y)) {
    CanEdit = !GetCellProperties(base.X, base.Y)->ReadOnly();
    const bool lacksEditing = !Options().Contains(plat::TGridOption::goEditing);
    if (lacksEditing && !FEdit.EditOptionSuspended && !FMouseActions->RangeSelectAndEdit()) CanEdit = false;
  }
  if (OnCanEditCell) OnCanEditCell(this, base.Y, base.X, CanEdit);
}

void TExtStringGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword) {
  if (OnIsPasswordCell) OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

void TExtStringGrid::GetCellWordWrap(int ACol, int ARow, bool& AWordWrap) {
  if (OnGetWordWrap) OnGetWordWrap(this, ACol, ARow, AWordWrap);
}

bool TExtStringGrid::HasComboBox(int ACol, int ARow) {
  bool result = false;
  if (OnHasComboBox) OnHasComboBox(this, ACol, ARow, result);
  return result;
}

void TExtStringGrid::GetCheckTrue(int ACol, int ARow, plat::String& Value) {
  Value = FCheckTrue;
  if (OnGetCheckTrue) OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExtStringGrid::GetCheckFalse(int ACol, int ARow, plat::String& Value) {
  Value = FCheckFalse;
  if (OnGetCheckFalse) OnGetCheckFalse(this, ACol, ARow, Value);
}

bool TExtStringGrid::HasFilterGlyph(int, int) { return false; }

void TExtStringGrid::CanAddRow(bool& CanAdd) {
  if (OnCanAddRow) OnCanAddRow(this, CanAdd);
}

void TExtStringGrid::CanInsertRow(int ARow, bool& CanInsert) {
  if (OnCanInsertRow) OnCanInsertRow(this, ARow, CanInsert);
}

int TExtStringGrid::GetNodeIndent(int ARow) {
  // A row's node level lives in its column-0 cell.
  if (!HasNodes() || !HasCellProperties(0, ARow)) return 0;
  return GetCellProperties(0, ARow)->NodeLevel() * FCellNode->NodeIndent();
}

}  // namespace zorbit
