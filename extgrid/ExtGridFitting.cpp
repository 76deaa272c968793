// Column widths and row heights fitted to the cells' contents.
#include <algorithm>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/ExtUtilSmall.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/ui/TInplaceEdit.h"

namespace zorbit {
namespace {

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

// The cell measure counts a margin on each side of the text; a fitted size
// counts one, so the text's own room is what the measure gives less both.

void TExtStringGrid::FitColumnToContents(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) return;
  const int realCol = DisplayToRealCol(ACol);
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  int widest = 0;
  for (int row = 0; row < RowCount(); ++row) {
    if (IsHorzMergedCell(realCol, row)) continue;
    int width = 0, height = 0;
    MeasureCellText(*scratch.Canvas(), ACol, row, width, height, false);
    widest = std::max(widest, width - 2 * CellHorzMargin);
  }
  int width = 2 * GridLineWidth() + widest + CellHorzMargin + 2;
  if (FOnlyGrow && ColWidths(ACol) >= width) return;
  UpdateColumnSize(ACol, width);
  SetColWidths(ACol, ClampToRange(width, FMinColWidth, FMaxColWidth));
}

void TExtStringGrid::FitRowToContents(int ARow) {
  if (ARow < 0 || ARow >= RowCount()) return;
  const bool allVisible = AllRowsVisible(*this);
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  int tallest = 0;
  for (int col = 0; col < ColCount(); ++col) {
    const int realCol = DisplayToRealCol(col);
    // A member of a merged range takes no room of its own.
    if (IsVertMergedCell(realCol, ARow) || !IsBaseCellAt(realCol, ARow)) continue;
    int width = 0, height = 0;
    MeasureCellText(*scratch.Canvas(), col, ARow, width, height, WordWrap());
    tallest = std::max(tallest, height - 2 * CellVertMargin);
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
  plat::TBitmap scratch;
  scratch.SetSize(1, 1);
  scratch.Canvas()->SetFont(*Font());
  const int h = scratch.Canvas()->TextHeight("gh");
  SetRowHeights(ARow, ClampToRange(Extra + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}

}  // namespace zorbit
