// Search highlighting: every visible occurrence of a text wrapped in the
// HTML mini-language's "hi" tag, and the tags taken out again.
#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/HtmlText.h"

namespace zorbit {

namespace {

const plat::String HighlightTag = "hi";

}  // namespace

plat::TRect TExtStringGrid::HighlightRange(bool AllCells) const {
  if (AllCells) return {0, 0, ColCount() - 1, RowCount() - 1};
  return {FixedCols(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
}

void TExtStringGrid::RewriteCells(const plat::TRect& Range,
                                  const std::function<plat::String(const plat::String&)>& Rewrite) {
  if (Range.Right < Range.Left || Range.Bottom < Range.Top) return;
  {
    TGridUpdateScope update(*this);
    for (int row = Range.Top; row <= Range.Bottom; ++row)
      for (int col = Range.Left; col <= Range.Right; ++col) {
        const plat::String& text = Cells(col, row);
        // Empty cells stay unstored.
        if (text.empty()) continue;
        plat::String rewritten = Rewrite(text);
        if (rewritten != text) SetCells(col, row, rewritten);
      }
  }
  ReportChanged(Range);
}

void TExtStringGrid::HighlightInCells(bool AllCells, bool CaseSensitive, const plat::String& Text) {
  RewriteCells(HighlightRange(AllCells), [&](const plat::String& Cell) {
    return HighlightHtmlText(Cell, Text, HighlightTag, CaseSensitive);
  });
}

void TExtStringGrid::RemoveHighlightInCells(bool AllCells) {
  RewriteCells(HighlightRange(AllCells),
               [](const plat::String& Cell) { return RemoveHtmlHighlight(Cell, HighlightTag); });
}

}  // namespace zorbit
