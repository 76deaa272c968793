// The grid's find: the walk over the searched cells and the match of one
// cell.
#include <algorithm>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/FindText.h"
#include "grid/ExtUtilMatcher.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/HtmlText.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"

namespace zorbit {

namespace {

using enum TFindParameter;

// The block of cells a search walks, its edges included, and the order of
// the walk as one running index.
struct TSearchArea {
  int Left, Top, Right, Bottom;
  bool RowWise;

  long long Width() const { return Right - Left + 1; }
  long long Height() const { return Bottom - Top + 1; }
  long long Cells() const { return Width() * Height(); }
  long long IndexOf(int Col, int Row) const {
    Col = std::clamp(Col, Left, Right);
    Row = std::clamp(Row, Top, Bottom);
    return RowWise ? (Row - Top) * Width() + (Col - Left) : (Col - Left) * Height() + (Row - Top);
  }
  plat::TPoint CellAt(long long Index) const {
    if (RowWise) return {Left + static_cast<int>(Index % Width()), Top + static_cast<int>(Index / Width())};
    return {Left + static_cast<int>(Index / Height()), Top + static_cast<int>(Index % Height())};
  }
};

// The wide search text goes through the same comparison as UTF-8.
plat::String PrepareText(const plat::String& Text, bool MatchCase) {
  return MatchCase ? Text : plat::AnsiUpperCase(Text);
}

}  // namespace

plat::TPoint TExtStringGrid::FindCell(plat::TPoint Start, const plat::String& Text, const plat::WideString& WideText,
                                      TFindParams Options) {
  const bool matchCase = Options.Contains(fnMatchCase);
  const bool wide = !WideText.empty();
  FFind.Options = Options;
  FFind.Text = PrepareText(Text, matchCase);
  FFind.Prepared = wide ? PrepareText(plat::WideToUtf8(WideText), matchCase) : FFind.Text;
  FFind.WideText = wide ? plat::Utf8ToWide(FFind.Prepared) : plat::WideString();
  FFind.LastFound = {-1, -1};

  const int fixedCols = TBaseGrid::FixedCols();
  const int fixedRows = TBaseGrid::FixedRows();
  if (ColCount() == fixedCols || ColCount() == 0 || RowCount() == fixedRows || RowCount() == 0) return {-1, -1};
  TSearchArea area{fixedCols, fixedRows, ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1,
                   Options.Contains(fnDirectionLeftRight)};
  if (Options.Contains(fnIncludeFixed)) area = {0, 0, ColCount() - 1, RowCount() - 1, area.RowWise};
  if (Options.Contains(fnIncludeHiddenColumns)) area.Right += FHiddenColCount;
  if (Options.Contains(fnFindInCurrentRow)) area.Top = area.Bottom = Row();
  if (Options.Contains(fnFindInPresetRow)) area.Top = area.Bottom = FFind.PresetRow;
  if (Options.Contains(fnFindInCurrentCol)) area.Left = area.Right = Col();
  if (Options.Contains(fnFindInPresetCol)) area.Left = area.Right = FFind.PresetCol;
  if (area.Left < 0 || area.Top < 0 || area.Right < area.Left || area.Bottom < area.Top) return {-1, -1};

  const bool backward = Options.Contains(fnBackward);
  const long long cells = area.Cells();
  const long long step = backward ? cells - 1 : 1;
  long long index = backward ? cells - 1 : 0;
  if (Start.X != -1 || Start.Y != -1) index = (area.IndexOf(Start.X, Start.Y) + step) % cells;
  for (long long visited = 0; visited < cells; ++visited, index = (index + step) % cells) {
    const plat::TPoint cell = area.CellAt(index);
    FindProgress(1, cell.Y);
    if (!MatchCell(cell.X, cell.Y, wide)) continue;
    FFind.LastFound = cell;
    if (Options.Contains(fnAutoGoto)) {
      const int col = Options.Contains(fnIncludeHiddenColumns) ? RealToDisplayCol(cell.X) : cell.X;
      if (col >= fixedCols && col < ColCount() && cell.Y >= fixedRows) {
        SetCol(col);
        SetRow(cell.Y);
      }
    }
    return cell;
  }
  return {-1, -1};
}

plat::TPoint TExtStringGrid::FindFirst(plat::TPoint Start, const plat::String& Text, TFindParams Options) {
  FindProgress(0, -1);
  const plat::TPoint found = FindCell(Start, Text, {}, Options);
  FindProgress(found.X < 0 ? 2 : 4, -1);
  return found;
}

bool TExtStringGrid::MatchCell(int ACol, int ARow, bool Wide) {
  const TFindParams options = FFind.Options;
  const int col = options.Contains(fnIncludeHiddenColumns) ? ACol : DisplayToRealCol(ACol);
  const plat::String* text = &Cells(col, ARow);
  if (Wide) {
    FFind.CellScratch = plat::WideToUtf8(DecodeUnicodeCellText(*text));
    text = &FFind.CellScratch;
  }
  if (options.Contains(fnIgnoreHTMLTags)) {
    FFind.CellScratch = StripHtml(*text);
    text = &FFind.CellScratch;
  }
  const bool matchCase = options.Contains(fnMatchCase);
  if (!matchCase) {
    detail::UpperCaseInto(*text, FFind.CaseScratch);
    text = &FFind.CaseScratch;
  }
  const plat::String& search = FFind.Prepared;
  if (search == "\"\"") return text->empty();
  if (options.Contains(fnMatchRegular)) return EvaluateFilterCondition(search, *text, matchCase);
  const detail::TTextMatch how = options.Contains(fnMatchFull)    ? detail::TTextMatch::tmWhole
                                 : options.Contains(fnMatchStart) ? detail::TTextMatch::tmBeginsWith
                                                                  : detail::TTextMatch::tmContains;
  return detail::TextMatches(*text, search, how);
}

}  // namespace zorbit
