// The grid's shape: counts and fixed counts, row heights, IntegralHeight,
// the scroll-bar policy and the stretch column.
#include <algorithm>
#include <climits>

#include "extgrid/TExtStringGrid.h"
#include "platform/rtl/Exception.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/SystemMetrics.h"

namespace zorbit {

using plat::TComponentStateItem;

void TExtStringGrid::Repaint() {
  if (FUpdateCount == 0) Invalidate();
}

void TExtStringGrid::UpdateDisplayRowLimit() {
  SetDisplayRowLimit(std::clamp(RowCount() - FFixedFooters, 0, RowCount()));
}

void TExtStringGrid::SetRowCount(int Value) {
  if (Value < TBaseGrid::RowCount()) DropRows(std::max(Value, 1), INT_MAX);
  if (TBaseGrid::RowCount() == TBaseGrid::FixedRows() && FFixedRowAlways) RestoreSelection();
  TBaseGrid::SetRowCount(Value);
  if (FSavedFixedRows < TBaseGrid::RowCount() && FFixedRowAlways) TBaseGrid::SetFixedRows(FSavedFixedRows);
  FNormalRowCount = Value;
  if (FFooterPanel) FFooterPanel->Invalidate();
  UpdateScrollBars(false);
}

void TExtStringGrid::SetColCount(int Value) {
  TBaseGrid::SetColCount(Value);
  if (FSavedFixedCols < TBaseGrid::ColCount() && FFixedColAlways) TBaseGrid::SetFixedCols(FSavedFixedCols);
  if (FFooterPanel) FFooterPanel->Invalidate();
  // IntegralHeight depends on whether a horizontal bar shows.
  SetBounds(Left(), Top(), Width(), Height());
  UpdateScrollBars(false);
}

int TExtStringGrid::FixedRows() const {
  const int rows = TBaseGrid::FixedRows();
  return rows == 0 && FFixedRowAlways ? 1 : rows;
}

void TExtStringGrid::SetFixedRows(int Value) {
  TBaseGrid::SetFixedRows(Value);
  if (!Loading()) FSavedFixedRows = Value;
}

int TExtStringGrid::FixedCols() const {
  const int cols = TBaseGrid::FixedCols();
  return cols == 0 && FFixedColAlways ? 1 : cols;
}

void TExtStringGrid::SetFixedCols(int Value) {
  TBaseGrid::SetFixedCols(Value);
  if (!Loading()) FSavedFixedCols = Value;
}

void TExtStringGrid::SetFixedColWidth(int Value) {
  if (Loading() || Value == DefaultColWidth()) return;
  for (int col = 0; col < TBaseGrid::FixedCols(); ++col) SetColWidths(col, Value);
}

void TExtStringGrid::SetFixedRowHeight(int Value) {
  FFixedRowHeight = Value;
  if (Loading()) return;
  if (Value == DefaultRowHeight()) {
    SetDefaultRowHeight(Value);
    return;
  }
  for (int row = 0; row < TBaseGrid::FixedRows(); ++row) SetRowHeights(row, Value);
}

void TExtStringGrid::SetDefaultRowHeight(int Value) {
  TBaseGrid::SetDefaultRowHeight(Value);
  if (Designing()) FFixedRowHeight = Value;
  if (FFloatingFooter) {
    FFloatingFooter->SetHeight(Value);
    if (FFloatingFooter->Visible()) FFooterPanel->SetHeight(Value);
  }
}

void TExtStringGrid::SetScrollBars(plat::TScrollStyle Value) {
  FScrollBars = Value;
  TBaseGrid::SetScrollBars(Value);
}

void TExtStringGrid::SetScrollBarAlways(TScrollBarAlways Value) {
  FScrollBarAlways = Value;
  UpdateScrollBars(true);
}

void TExtStringGrid::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int rowHeight = DefaultRowHeight();
  if (FIntegralHeight && FUpdateCount == 0 && rowHeight > 0) {
    const bool horizontalBar = VisibleColCount() + TBaseGrid::FixedCols() < ColCount();
    const int h = horizontalBar ? plat::GetSystemMetrics(plat::SM_CYHSCROLL) : 0;
    const int b = BorderStyle() == plat::TBorderStyle::bsSingle ? 2 : 0;
    int x = AHeight - h - b;
    x -= x % rowHeight;
    AHeight = h + x + 2 * b;
  }
  TBaseGrid::SetBounds(ALeft, ATop, AWidth, AHeight);
  // The frame shows at the new bounds at once, not only at the next
  // non-client paint.
  if (Parent() && Parent()->HandleAllocated()) PaintFlatBorder();
}

void TExtStringGrid::Resize() {
  TBaseGrid::Resize();
  const auto display = FBackGround ? FBackGround->Display() : TBackGroundDisplay::bdTile;
  if ((display == TBackGroundDisplay::bdGradientHorz || display == TBackGroundDisplay::bdGradientVert) &&
      FBackGround->ColorTo() != plat::clNone)
    Invalidate();
  UpdateScrollBars(false);
}

void TExtStringGrid::UpdateScrollBars(bool Force) {
  if (!HandleAllocated()) return;
  const bool rowsFit = VisibleRowCount() + TBaseGrid::FixedRows() >= RowCount();
  const bool colsFit = VisibleColCount() + TBaseGrid::FixedCols() >= ColCount();
  const plat::HWND window = Handle();
  if (FScrollBarAlways != TScrollBarAlways::saNone) {
    const bool keepVert = FScrollBarAlways == TScrollBarAlways::saVert || FScrollBarAlways == TScrollBarAlways::saBoth;
    const bool keepHorz = FScrollBarAlways == TScrollBarAlways::saHorz || FScrollBarAlways == TScrollBarAlways::saBoth;
    if (rowsFit) {
      plat::ShowScrollBar(window, plat::SB_VERT, keepVert);
      plat::EnableScrollBar(window, plat::SB_VERT, plat::ESB_DISABLE_BOTH);
    } else {
      plat::EnableScrollBar(window, plat::SB_VERT, plat::ESB_ENABLE_BOTH);
    }
    if (colsFit) {
      plat::ShowScrollBar(window, plat::SB_HORZ, keepHorz);
      plat::EnableScrollBar(window, plat::SB_HORZ, plat::ESB_DISABLE_BOTH);
    } else {
      plat::EnableScrollBar(window, plat::SB_HORZ, plat::ESB_ENABLE_BOTH);
    }
  } else if (Force) {
    if (rowsFit) plat::ShowScrollBar(window, plat::SB_VERT, false);
    if (colsFit) plat::ShowScrollBar(window, plat::SB_HORZ, false);
  }
}

void TExtStringGrid::StretchColumn(int Index) {
  if (Loading() || ComponentState().Contains(TComponentStateItem::csDestroying)) return;
  if (Index < -1 || Index >= ColCount()) throw plat::Exception("Stretch column index out of range");
  if (ColCount() == 0 || !FColumnSize->Stretch()) return;
  const int column = Index == -1 ? ColCount() - 1 : Index;
  const int client = ClientWidth();
  if (ColCount() == 1) {
    SetColWidths(column, client);
    return;
  }
  int others = 0;
  for (int col = 0; col < ColCount(); ++col)
    if (col != column) others += ColWidths(col);
  if (others < client)
    SetColWidths(column, client - others - 1);
  else if (LeftCol() == TBaseGrid::FixedCols())
    SetColWidths(column, DefaultColWidth());
}

bool TExtStringGrid::ColumnShown(int ACol) const {
  if (ACol < 0 || ACol >= static_cast<int>(FColumnShown.size())) return true;
  return FColumnShown[static_cast<std::size_t>(ACol)];
}

void TExtStringGrid::SetWordWrap(bool Value) {
  TBaseGrid::SetWordWrap(Value);
  Repaint();
}

void TExtStringGrid::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  Repaint();
}

}  // namespace zorbit
