// Check boxes and radio groups as data: their states, toggling, checking a
// whole column, the check box's hit test and stepping a radio group.
#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/StringList.h"

namespace zorbit {

namespace {

// Where a box of Size starts along an edge of Low..High: 2 pixels from the
// near edge, from the far edge, or centred.
int BoxStart(int Low, int High, int Size, int Where) {
  if (Where < 0) return Low + 2;
  if (Where > 0) return High - 2 - Size;
  return Low + (High - Low - Size) / 2;
}

}  // namespace

bool TExtStringGrid::IsCheckBoxCell(int ACol, int ARow) {
  const plat::TPoint base = GetBaseCell(DisplayToRealCol(ACol), ARow);
  return IsCheckBoxType(GetCellType(base.X, base.Y));
}

bool TExtStringGrid::IsControlCell(int ACol, int ARow) {
  const plat::TPoint base = GetBaseCell(DisplayToRealCol(ACol), ARow);
  return IsControlType(GetCellType(base.X, base.Y));
}

bool TExtStringGrid::IsButtonCell(int ACol, int ARow) {
  const plat::TPoint base = GetBaseCell(DisplayToRealCol(ACol), ARow);
  return IsButtonType(GetCellType(base.X, base.Y));
}

bool TExtStringGrid::IsRadioCell(int ACol, int ARow) {
  return GetCellType(DisplayToRealCol(ACol), ARow) == TCellType::ctRadio;
}

bool TExtStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State) {
  const int realCol = DisplayToRealCol(ACol);
  const TCellGraphic* graphic = FindCellGraphic(realCol, ARow);
  if (!graphic) return false;
  switch (graphic->CellType()) {
    case TCellType::ctCheckBox: State = graphic->CellBoolean(); return true;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox: {
      plat::String checked;
      GetCheckTrue(realCol, ARow, checked);
      State = GetCellText(realCol, ARow) == checked;
      return true;
    }
    case TCellType::ctRowCheckBox: State = graphic->CellBoolean(); return true;
    default: return false;
  }
}

bool TExtStringGrid::SetCheckBoxState(int ACol, int ARow, bool State) {
  const int realCol = DisplayToRealCol(ACol);
  TCellGraphic* graphic = FindCellGraphic(realCol, ARow);
  if (!graphic) return false;
  switch (graphic->CellType()) {
    case TCellType::ctCheckBox:
      graphic->SetCellBoolean(State);
      RepaintCell(ACol, ARow);
      return true;
    case TCellType::ctDataCheckBox:
    case TCellType::ctVirtCheckBox: {
      plat::String text;
      if (State)
        GetCheckTrue(realCol, ARow, text);
      else
        GetCheckFalse(realCol, ARow, text);
      SetCellText(realCol, ARow, text);
      RepaintCell(ACol, ARow);
      return true;
    }
    case TCellType::ctRowCheckBox: SetRowSelected(RowFlagIndex(ARow), State); return true;
    default: return false;
  }
}

void TExtStringGrid::SetCheckBoxFlag(int ACol, int ARow, bool State) {
  TCellGraphic* graphic = StoredGraphic(DisplayToRealCol(ACol), ARow);
  if (!graphic) return;
  graphic->SetCellBoolean(State);
  RepaintCell(ACol, ARow);
}

bool TExtStringGrid::ToggleCheckBox(int ACol, int ARow, bool ByUser) {
  if (!IsCheckBoxCell(ACol, ARow)) return false;
  const int realCol = DisplayToRealCol(ACol);
  if (ByUser && !FControlLook->CheckAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(realCol, ARow, canEdit);
    if (!canEdit) return false;
  }
  TCellGraphic* graphic = FindCellGraphic(realCol, ARow);
  if (graphic->CellType() == TCellType::ctCheckBox) {
    graphic->SetCellBoolean(!graphic->CellBoolean());
  } else if (graphic->CellType() == TCellType::ctRowCheckBox) {
    SetRowSelected(RowFlagIndex(ARow), !graphic->CellBoolean());
  } else {
    plat::String checked, unchecked;
    GetCheckTrue(realCol, ARow, checked);
    GetCheckFalse(realCol, ARow, unchecked);
    SetCellText(realCol, ARow, GetCellText(realCol, ARow) == checked ? unchecked : checked);
  }
  RepaintCell(ACol, ARow);
  return true;
}

void TExtStringGrid::CheckAllInColumn(int ACol) {
  for (int row = FixedRows(); row < RowCount(); ++row) SetCheckBoxState(ACol, row, true);
}

void TExtStringGrid::UncheckAllInColumn(int ACol) {
  for (int row = FixedRows(); row < RowCount(); ++row) SetCheckBoxState(ACol, row, false);
}

bool TExtStringGrid::CheckBoxHit(int ACol, int ARow, int X, int Y) {
  if (!IsCheckBoxCell(ACol, ARow)) return false;
  if (!FMouseActions->PreciseCheckBoxCheck()) return true;
  const int realCol = DisplayToRealCol(ACol);
  const TCellGraphic* graphic = FindCellGraphic(realCol, ARow);
  const plat::TRect cell = GetCellRect(ACol, ARow);
  const int size = FControlLook->CheckSize();
  plat::TAlignment hAlign = plat::TAlignment::taLeftJustify;
  TVAlignment vAlign = TVAlignment::vtaTop;
  GetCellAlignment(realCol, ARow, hAlign, vAlign);
  const int across = hAlign == plat::TAlignment::taLeftJustify    ? -1
                     : hAlign == plat::TAlignment::taRightJustify ? 1
                                                                  : 0;
  const TCellVAlign vertical = graphic ? graphic->CellVAlign() : TCellVAlign::vaTop;
  const int down = vertical == TCellVAlign::vaBottom ? 1 : vertical == TCellVAlign::vaCenter ? 0 : -1;
  const int left = BoxStart(cell.Left, cell.Right, size, across);
  const int top = BoxStart(cell.Top, cell.Bottom, size, down);
  return X >= left && X < left + size && Y >= top && Y < top + size;
}

plat::TStringList* TExtStringGrid::GetRadioStrings(int ACol, int ARow) {
  const TCellGraphic* graphic = StoredGraphic(DisplayToRealCol(ACol), ARow);
  return graphic && graphic->CellType() == TCellType::ctRadio ? graphic->Strings() : nullptr;
}

bool TExtStringGrid::GetRadioIndex(int ACol, int ARow, int& Index) {
  const TCellGraphic* graphic = StoredGraphic(DisplayToRealCol(ACol), ARow);
  if (!graphic || graphic->CellType() != TCellType::ctRadio) return false;
  Index = graphic->CellIndex();
  return true;
}

void TExtStringGrid::AdvanceRadio(int ACol, int ARow, bool ByUser) {
  const int realCol = DisplayToRealCol(ACol);
  TCellGraphic* graphic = StoredGraphic(realCol, ARow);
  if (!graphic || graphic->CellType() != TCellType::ctRadio) return;
  const plat::TStringList* captions = graphic->Strings();
  if (!captions || captions->Count() == 0) return;
  if (ByUser && !FControlLook->RadioAlwaysActive()) {
    bool canEdit = true;
    CanEditCell(realCol, ARow, canEdit);
    if (!canEdit) return;
  }
  const int selected = graphic->CellIndex() >= 0 ? graphic->CellIndex() : captions->IndexOf(GetCellText(realCol, ARow));
  const int next = selected + 1 < captions->Count() ? selected + 1 : 0;
  if (graphic->CellIndex() >= 0) graphic->SetCellIndex(next);
  SetCellText(realCol, ARow, captions->Strings(next));
  RepaintCell(ACol, ARow);
}

}  // namespace zorbit
