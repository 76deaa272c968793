// Comparing cells and rows for sorting: the column's style, the keys a sort
// keeps per row, blanks, and the custom and raw comparisons.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/SortRun.h"
#include "grid/ExtUtilText.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/HtmlText.h"

namespace zorbit {

using detail::TSortKey;

detail::TSortFormat TExtStringGrid::SortFormatOf(int ACol) {
  detail::TSortFormat format;
  format.Style = FSortSettings->AutoFormat() ? TSortStyle::ssAutomatic : TSortStyle::ssAlphabetic;
  GetCellFormat(ACol, format.Style, format.Prefix, format.Suffix);
  return format;
}

void TExtStringGrid::LoadSortKey(int ACol, int ARow, TSortStyle Style, TSortKey& Key) {
  const int realCol = DisplayToRealCol(ACol);
  Key.Text = GetCellText(realCol, ARow);
  Key.Empty = Key.Text.empty();
  switch (Style) {
    case TSortStyle::ssAutomatic: {
      const bool checkBox = IsCheckBoxType(GetCellType(realCol, ARow));
      Key.Detected = detail::DetectSortStyle(Key.Text, checkBox);
      if (checkBox) GetCheckBoxState(ACol, ARow, Key.Checked);
      break;
    }
    case TSortStyle::ssCheckBox: GetCheckBoxState(ACol, ARow, Key.Checked); break;
    case TSortStyle::ssImages:
      Key.Value = GetGraphicSortKey(realCol, ARow);
      Key.ValueStyle = TSortStyle::ssImages;
      break;
    case TSortStyle::ssHTML: Key.Text = StripHtml(Key.Text); break;
    case TSortStyle::ssUnicode: Key.Wide = DecodeUnicodeCellText(Key.Text); break;
    case TSortStyle::ssAlphaNumeric:
    case TSortStyle::ssAlphaNumericNoCase: Key.Number = ClassifyNumberText(Key.Text) != NumberTextNone; break;
    default: break;
  }
  Key.Loaded = true;
}

TSortKey& TExtStringGrid::RunKey(detail::TSortColumn& Column, int ACol, int ARow) {
  TSortKey& key = Column.Key(ARow);
  if (!key.Loaded) LoadSortKey(ACol, ARow, Column.Format().Style, key);
  return key;
}

int TExtStringGrid::CompareCells(int ACol, int ARow1, int ARow2, TSortDirection Direction) {
  if (FSortRun) {
    const int keyRow1 = FSortRun->KeyRow(ARow1);
    const int keyRow2 = FSortRun->KeyRow(ARow2);
    if (keyRow1 >= 0 && keyRow2 >= 0) {
      detail::TSortColumn* column = FSortRun->Column(ACol);
      if (!column) column = &FSortRun->AddColumn(ACol, SortFormatOf(ACol));
      return CompareSortCells(ACol, ARow1, ARow2, column->Format(), RunKey(*column, ACol, keyRow1),
                              RunKey(*column, ACol, keyRow2), Direction);
    }
  }
  const detail::TSortFormat format = SortFormatOf(ACol);
  TSortKey key1, key2;
  LoadSortKey(ACol, ARow1, format.Style, key1);
  LoadSortKey(ACol, ARow2, format.Style, key2);
  return CompareSortCells(ACol, ARow1, ARow2, format, key1, key2, Direction);
}

int TExtStringGrid::CompareSortCells(int ACol, int ARow1, int ARow2, const detail::TSortFormat& Format,
                                     TSortKey& Key1, TSortKey& Key2, TSortDirection Direction) {
  if (FSortSettings->IgnoreBlanks() && Key1.Empty != Key2.Empty) {
    // Given for the direction, so that the sort's own turn puts blanks at
    // the same end both ways.
    int result = Key1.Empty ? -1 : 1;
    if (FSortSettings->BlankPos() == TSortBlankPosition::blLast) result = -result;
    return Direction == TSortDirection::sdDescending ? -result : result;
  }
  TSortStyle style = Format.Style;
  switch (style) {
    case TSortStyle::ssAutomatic: style = Key1.Detected; break;
    case TSortStyle::ssAlphaNumeric:
      style = Key1.Number && Key2.Number ? TSortStyle::ssNumeric : TSortStyle::ssAlphabetic;
      break;
    case TSortStyle::ssAlphaNumericNoCase:
      style = Key1.Number && Key2.Number ? TSortStyle::ssNumeric : TSortStyle::ssAlphaNoCase;
      break;
    default: break;
  }
  int result = 0;
  switch (style) {
    case TSortStyle::ssCustom: CustomCompare(Key1.Text, Key2.Text, result); return result;
    case TSortStyle::ssRaw:
      if (FSortRun && (ARow1 == FSortRun->PivotRow() || ARow2 == FSortRun->PivotRow())) StorePivotRow();
      RawCompare(ACol, ARow1, ARow2, result);
      return result;
    default: return detail::CompareSortKeys(Key1, Key2, style, Format);
  }
}

int TExtStringGrid::CompareRowsByColumn(int ACol, int ARow1, int ARow2) {
  const TSortDirection direction = FSortSettings->Direction();
  int result = CompareCells(ACol, ARow1, ARow2, direction);
  if (FSortSettings->Full())
    for (int col = ACol + 1; result == 0 && col < ColCount(); ++col) result = CompareCells(col, ARow1, ARow2, direction);
  return result;
}

int TExtStringGrid::CompareRowsByIndex(int Index, int ARow1, int ARow2) {
  for (int i = std::max(Index, 0); i < FSortIndexes->Count(); ++i) {
    const int entry = FSortIndexes->Item(i);
    const bool ascending = TSortIndexList::IsAscending(entry);
    const int result = CompareCells(TSortIndexList::ColumnOf(entry), ARow1, ARow2,
                                    ascending ? TSortDirection::sdAscending : TSortDirection::sdDescending);
    if (result != 0 || !FSortSettings->Full()) return ascending ? result : -result;
  }
  return 0;
}

void TExtStringGrid::StorePivotRow() {
  if (FSortRun->PivotStored()) return;
  FSortRun->SetPivotStored();
  const int pivot = FSortRun->PivotRow();
  const int source = FSortRun->KeyRow(pivot);
  // The objects are shared with the data row: the scratch row never frees them.
  EraseRows(pivot, pivot);
  if (source < 0) return;
  const bool displayed = static_cast<bool>(OnGetDisplText);
  for (int col = 0; col < AllColumnCount(); ++col) {
    SetCells(col, pivot, displayed ? GetCellText(col, source) : Cells(col, source));
    SetObjects(col, pivot, Objects(col, source));
  }
}

void TExtStringGrid::CustomCompare(const plat::String& Str1, const plat::String& Str2, int& Res) {
  if (OnCustomCompare) OnCustomCompare(this, Str1, Str2, Res);
}

void TExtStringGrid::RawCompare(int ACol, int ARow1, int ARow2, int& Res) {
  if (OnRawCompare) OnRawCompare(this, ACol, ARow1, ARow2, Res);
}

}  // namespace zorbit
