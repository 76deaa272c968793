// Scroll bar requests (the thumb's hint and synchronous scrolling), the
// stretch column on size changes, and the hit tests the mouse and the drop
// target use.
#include <cstdlib>
#include <string>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/Nearest.h"
#include "platform/rtl/MulDiv.h"
#include "platform/ui/THintWindow.h"
#include "platform/win/Mouse.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WinTypes.h"

namespace zorbit {

namespace {

// The thumb's scroll range, whatever the grid's size.
constexpr int ThumbRange = 127;
constexpr int HintMaxWidth = 100;
// How near a cell's edge the mouse sizes the row or column.
constexpr int SizingReach = 4;

}  // namespace

void TExtStringGrid::HideScrollHint() {
  if (FScrollHint) FScrollHint->ReleaseHandle();
}

void TExtStringGrid::TrackThumb(plat::TMessage& Message, bool Vertical) {
  const int code = plat::LOWORD(Message.WParam);
  const auto hints = FScrollHints;
  const bool hinted = hints == TScrollHintType::shBoth ||
                      hints == (Vertical ? TScrollHintType::shVertical : TScrollHintType::shHorizontal);
  if (hinted && code == plat::SB_ENDSCROLL) HideScrollHint();
  if (code != plat::SB_THUMBTRACK) return;
  const int position = static_cast<short>(plat::HIWORD(Message.WParam));
  const int index = Vertical
                        ? plat::MulDiv(position, RowCount() - VisibleRowCount() - FixedRows(), ThumbRange) + FixedRows()
                        : plat::MulDiv(position, ColCount() - VisibleColCount() - FixedCols(), ThumbRange) + FixedCols();
  if (hinted) {
    plat::String text = plat::String(Vertical ? "Row : " : "Col : ") + std::to_string(index);
    if (OnScrollHint) OnScrollHint(this, index, text);
    if (!FScrollHint) FScrollHint = new plat::THintWindow(this);
    plat::TRect rect = FScrollHint->CalcHintRect(HintMaxWidth, text);
    plat::POINT cursor{};
    plat::GetCursorPos(&cursor);
    rect = rect.Translated(cursor.X + 10, cursor.Y);
    FScrollHint->SetColor(FHintColor);
    FScrollHint->ActivateHint(rect, text);
  }
  if (FScrollSynch) {
    if (Vertical)
      SetTopRow(index);
    else
      SetLeftCol(index);
  }
}

void TExtStringGrid::WMHScroll(plat::TMessage& Message) {
  TrackThumb(Message, false);
  const int code = plat::LOWORD(Message.WParam);
  if (FFlatScrollActive && code == plat::SB_THUMBPOSITION && ColCount() > 0) {
    // The flat bar's thumb ends its track short by the page it shows.
    const int page = detail::Nearest(VisibleColCount() * 128.0 / ColCount());
    const int position = static_cast<short>(plat::HIWORD(Message.WParam));
    const int rescaled = detail::Nearest(position * 127.0 / (128 - page));
    Message.WParam = plat::MAKEWPARAM(static_cast<plat::Word>(code), static_cast<plat::Word>(rescaled));
  }
  TBaseGrid::WMHScroll(Message);
  CopyScrollInfoToFlat(plat::SB_HORZ);
  CopyScrollInfoToFlat(plat::SB_VERT);
}

void TExtStringGrid::WMVScroll(plat::TMessage& Message) {
  TrackThumb(Message, true);
  TBaseGrid::WMVScroll(Message);
  CopyScrollInfoToFlat(plat::SB_VERT);
  CopyScrollInfoToFlat(plat::SB_HORZ);
}

void TExtStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  // Every change of the row count passes here, also while loading.
  FLoadOrder.Resized(OldRowCount, RowCount());
  UpdateDisplayRowLimit();
  if (!Parent() || Loading() || ComponentState().Contains(plat::TComponentStateItem::csReading)) return;
  if (FColumnSize->Stretch()) StretchColumn(FColumnSize->StretchColumn());
  TBaseGrid::SizeChanged(OldColCount, OldRowCount);
  ShowFlatBarsAsNeeded();
}

bool TExtStringGrid::ScreenToCell(plat::TPoint Point, int& ACol, int& ARow) {
  const plat::TPoint client = ScreenToClient(Point);
  MouseToCell(client.X, client.Y, ACol, ARow);
  return ACol >= 0 && ARow >= 0;
}

bool TExtStringGrid::IsOnSizingBorder(int X, int Y) {
  int col = -1;
  int row = -1;
  MouseToCell(X, Y, col, row);
  if (col < 0 || row < 0) return false;
  const plat::TRect rect = CellRect(col, row);
  const auto near = [](int A, int B) { return std::abs(A - B) < SizingReach; };
  if (row < TBaseGrid::FixedRows() && Options().Contains(plat::TGridOption::goColSizing) &&
      (near(X, rect.Left) || near(X, rect.Right)))
    return true;
  return col < TBaseGrid::FixedCols() && Options().Contains(plat::TGridOption::goRowSizing) &&
         (near(Y, rect.Top) || near(Y, rect.Bottom));
}

}  // namespace zorbit
