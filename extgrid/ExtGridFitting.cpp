// Column widths and row heights fitted to the cells' contents.
#include <algorithm>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellTextMeasure.h"
#include "grid/ExtUtilSmall.h"
#include "platform/gdi/TBrush.h"
#include "platform/gdi/TFont.h"
#include "platform/ui/TInplaceEdit.h"

namespace zorbit {
namespace {

// The font a cell is drawn in: FixedFont or Font, then what the colour hook
// makes of it.
void TakeCellFont(TExtStringGrid& Grid, int ACol, int ARealCol, int ARow, plat::TFont& Font) {
  const bool fixed = ACol < Grid.FixedCols() || ARow < Grid.FixedRows();
  Font.Assign(fixed ? *Grid.FixedFont() : *Grid.Font());
  plat::TBrush brush;
  plat::TGridDrawState state;
  if (fixed) state.Include(plat::TGridDrawStateItem::gdFixed);
  Grid.ApplyCellColors(ARealCol, ARow, state, &brush, &Font);
}

THtmlRenderOptions HtmlOptionsOf(const TExtStringGrid& Grid) {
  THtmlRenderOptions options;
  options.Images = Grid.GridImages();
  options.Container = Grid.PictureContainer();
  options.URLColor = Grid.URLColor();
  return options;
}

bool AllRowsVisible(TExtStringGrid& Grid) {
  return Grid.TopRow() <= Grid.FixedRows() && Grid.TopRow() + Grid.VisibleRowCount() >= Grid.RowCount();
}

}  // namespace

void TExtStringGrid::SetAutoSize(bool Value) {
  FAutoSizeFlag = Value;
  if (Value) FitColumnsToText(false, 10);
}

void TExtStringGrid::FitColumnsToText(bool IncludeFixed, int Extra) {
  TGridUpdateScope update(*this);
  for (int col = IncludeFixed ? 0 : FixedCols(); col < ColCount(); ++col) {
    FitColumnToContents(col);
    if (Extra != 0) SetColWidths(col, ClampToRange(ColWidths(col) + Extra, FMinColWidth, FMaxColWidth));
  }
}

void TExtStringGrid::FitColumnToContents(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const int realCol = DataColIndex(ACol);
  detail::TCellTextMeasure measure;
  const detail::TCellTextLayout layout{EnableHTML(), Multilinecells(), false, 0};
  const THtmlRenderOptions html = HtmlOptionsOf(*this);
  plat::TFont font;
  int widest = 0;
  for (int row = 0; row < RowCount(); ++row) {
    if (IsHorzMergedCell(realCol, row)) continue;
    TakeCellFont(*this, ACol, realCol, row, font);
    widest = std::max(widest, measure.Measure(GetCellText(realCol, row), font, layout, html).cx);
  }
  int width = 2 * GridLineWidth() + widest + CellHorzMargin + 2;
  if (FOnlyGrow && ColWidths(ACol) >= width) return;
  UpdateColumnSize(ACol, width);
  SetColWidths(ACol, ClampToRange(width, FMinColWidth, FMaxColWidth));
}

void TExtStringGrid::FitRowToContents(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  const bool allVisible = AllRowsVisible(*this);
  detail::TCellTextMeasure measure;
  const THtmlRenderOptions html = HtmlOptionsOf(*this);
  plat::TFont font;
  int tallest = 0;
  for (int col = 0; col < ColCount(); ++col) {
    const int realCol = DataColIndex(col);
    // A member of a merged range takes no room of its own.
    if (IsVertMergedCell(realCol, ARow) || !IsBaseCellAt(realCol, ARow)) continue;
    TakeCellFont(*this, col, realCol, ARow, font);
    const detail::TCellTextLayout layout{EnableHTML(), Multilinecells(), WordWrap(),
                                         ColWidths(col) - 2 * (CellHorzMargin + 2)};
    tallest = std::max(tallest, measure.Measure(GetCellText(realCol, ARow), font, layout, html).cy);
  }
  const int height = 2 * GridLineWidth() + tallest + CellVertMargin;
  if (FOnlyGrow && RowHeights(ARow) >= height) return;
  SetRowHeights(ARow, ClampToRange(height, FMinRowHeight, FMaxRowHeight));
  if (FSizeWhileTyping->Height() && allVisible && !AllRowsVisible(*this)) {
    ScrollInView(Col(), Row());
    if (plat::TInplaceEdit* editor = InplaceEditor(); editor && EditorMode())
      editor->SetSelStart(static_cast<int>(editor->Text().size()));
  }
}

void TExtStringGrid::UpdateColumnSize(int ACol, int& AWidth) {
  if (OnUpdateColumnSize) OnUpdateColumnSize(this, ACol, AWidth);
}

void TExtStringGrid::SetRowLines(int ARow, int Lines, int Extra) {
  if (ARow < 0 || ARow >= RowCount()) return;
  detail::TCellTextMeasure measure;
  const int h = measure.LineHeight(*Font());
  SetRowHeights(ARow, ClampToRange(Extra + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}

}  // namespace zorbit
