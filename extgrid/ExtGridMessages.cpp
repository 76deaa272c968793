// The advanced grid's window procedure: the grid's timer (its ticks age the
// incremental lookup, follow the mouse with Hovering and make "<BLINK>" text
// blink), sizing with the stretch column and the scroll-bar policy after it,
// the wheel, the cell hints, and the mouse leaving the grid.
#include <algorithm>
#include <vector>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/HtmlText.h"
#include "platform/rtl/StringUtils.h"
#include "platform/rtl/Unicode.h"
#include "platform/ui/ControlMessages.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Mouse.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowPos.h"

namespace zorbit {

namespace {

// Ticks after the last typed character at which the incremental text goes.
constexpr int kIncrementalIdleTicks = 3;
// A hint without a text of its own stands this far below its cell.
constexpr int kHintBelowCell = 6;

}  // namespace

void TExtStringGrid::WndProc(plat::TMessage& Message) {
  if (PaintMessage(Message)) return;
  if (GridWindowMessage(Message)) return;
  switch (Message.Msg) {
    case plat::WM_TIMER:
      if (Message.WParam == GridTimer) {
        TimerTick();
        return;
      }
      break;
    case plat::WM_DESTROY: plat::KillTimer(Handle(), GridTimer); break;
    case plat::CM_HINTSHOW:
      CMHintShow(*reinterpret_cast<plat::THintInfo*>(Message.LParam));
      Message.Result = 0;
      return;
    default:
      if (Message.Msg == FWheelMessage && !Designing()) {
        WMMouseWheel(Message);
        return;
      }
      break;
  }
  TBaseGrid::WndProc(Message);
  switch (Message.Msg) {
    case plat::WM_SIZE: WMSize(); break;
    case plat::WM_LBUTTONUP: UpdateScrollBars(false); break;
    case plat::CM_MOUSELEAVE: SetHoverCell({-1, -1}); break;
    default: break;
  }
}

void TExtStringGrid::TimerTick() {
  ++FInput.Ticks;
  if (FNavigation->AutoGotoIncremental()) {
    if (FInput.IncrementalIdleTicks == kIncrementalIdleTicks)
      SetIncrementalText({});
    else
      ++FInput.IncrementalIdleTicks;
  }
  if (FHovering && !Designing()) {
    plat::POINT cursor{};
    plat::GetCursorPos(&cursor);
    if (plat::WindowFromPoint(cursor) == Handle()) {
      const plat::TPoint client = ScreenToClient(cursor);
      const plat::TGridCoord cell = MouseCoord(client.X, client.Y);
      if (cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.X < ColCount() && cell.Y < RowCount()) {
        if (CanFocus()) SetFocus();
        SetCol(cell.X);
        SetRow(cell.Y);
      }
    }
  }
  if (FEnableBlink) {
    FInput.BlinkPhase = !FInput.BlinkPhase;
    // The fixed rows and columns, then those scrolled into view.
    const auto shown = [](int Fixed, int First, int Last) {
      std::vector<int> indexes;
      for (int i = 0; i < Fixed && i <= Last; ++i) indexes.push_back(i);
      for (int i = std::max(First, Fixed); i <= Last; ++i) indexes.push_back(i);
      return indexes;
    };
    const std::vector<int> cols =
        shown(TBaseGrid::FixedCols(), LeftCol(), std::min(ColCount() - 1, LeftCol() + VisibleColCount()));
    for (int r : shown(TBaseGrid::FixedRows(), TopRow(), std::min(RowCount() - 1, TopRow() + VisibleRowCount())))
      for (int c : cols)
        if (plat::UpperCase(GetCellText(c, r)).find("<BLI") != plat::String::npos) RepaintCell(c, r);
  }
}

void TExtStringGrid::WMSize() {
  if (FInput.Sizing) return;
  FInput.Sizing = true;
  const int width = ClientWidth();
  if (FColumnSize->Stretch() && ColCount() > 0) {
    const int stretch = FColumnSize->StretchColumn() < 0 || FColumnSize->StretchColumn() >= ColCount()
                            ? ColCount() - 1
                            : FColumnSize->StretchColumn();
    int others = 0;
    for (int col = 0; col < ColCount(); ++col)
      if (col != stretch) others += ColWidths(col);
    if (others < Width()) {
      StretchColumn(stretch);
      const bool horizontal =
          FScrollBars == plat::TScrollStyle::ssHorizontal || FScrollBars == plat::TScrollStyle::ssBoth;
      plat::ShowScrollBar(Handle(), plat::SB_HORZ, horizontal && width < others + ColWidths(stretch));
      plat::ShowScrollBar(Handle(), plat::SB_VERT, VisibleRowCount() + TBaseGrid::FixedRows() < RowCount());
    }
  } else if (FColumnSize->SynchWithGrid() && FInput.LastWidth > 0 && width != FInput.LastWidth) {
    HideEditor();
    for (int col = 0; col < ColCount(); ++col)
      SetColWidths(col, static_cast<int>((static_cast<long long>(ColWidths(col)) * width + FInput.LastWidth / 2) /
                                         FInput.LastWidth));
  }
  FInput.LastWidth = width;
  UpdateScrollBars(true);
  FInput.Sizing = false;
}

void TExtStringGrid::WMMouseWheel(plat::TMessage& Message) {
  const plat::TMouseMessage wheel = plat::TMouseMessage::From(Message);
  Message.Result = 1;
  // Ctrl with IntelliZoom belongs to zooming, not to moving.
  if (wheel.Holds(plat::MK_CONTROL) && FIntelliZoom) return;
  if (!FEnableWheel || (FFixedRowAlways && RowCount() == 1) || wheel.WheelDelta == 0) return;
  const int step = FMouseActions->WheelIncrement() >= 1 ? FMouseActions->WheelIncrement() : FWheelLines;
  const bool towardsUser = wheel.WheelDelta < 0;
  const int fixedRows = TBaseGrid::FixedRows();
  if (FMouseActions->WheelAction() == TWheelAction::waScroll) {
    int top = TopRow();
    const int lastTop = std::max(fixedRows, RowCount() - VisibleRowCount());
    top = towardsUser ? std::min(top + step, lastTop) : std::max(top - step, fixedRows);
    if (top != TopRow()) SetTopRow(top);
    return;
  }
  const plat::TGridRect before = Selection();
  const int lastRow = RowCount() - FFixedFooters - 1;
  const int row = std::clamp(Row() + (towardsUser ? step : -step), fixedRows, std::max(fixedRows, lastRow));
  const int col = std::clamp(Col(), TBaseGrid::FixedCols(), ColCount() - 1);
  {
    const TGridUpdateScope update(*this);
    const int left = LeftCol();
    SetCol(col);
    SetRow(row);
    if (Options().Contains(plat::TGridOption::goRowSelect) && FNavigation->KeepHorizScroll() && LeftCol() != left)
      SetLeftCol(left);
  }
  SelectionChangedFrom(before);
}

void TExtStringGrid::CMHintShow(plat::THintInfo& Info) {
  Info.HintColor = FHintColor;
  const plat::TGridCoord cell = MouseCoord(Info.CursorPos.X, Info.CursorPos.Y);
  if (cell.X < 0 || cell.Y < 0) return;
  FInput.HintCell = cell;
  const plat::TRect rect = CellRect(cell.X, cell.Y);
  Info.CursorRect = rect;
  plat::String hint;
  GetGridHint(cell.X, cell.Y, hint);
  if (!hint.empty()) {
    Info.HintStr = hint;
    Info.HintPos = ClientToScreen({rect.Right, rect.Top});
    return;
  }
  Info.HintPos = ClientToScreen({rect.Left, rect.Bottom + kHintBelowCell});
  if (!FHintShowCells || cell.X < FixedCols() || cell.Y < FixedRows()) return;
  const plat::String text = GetCellText(cell.X, cell.Y);
  if (text.starts_with(UnicodeCellMarker))
    Info.HintStr = plat::WideToUtf8(DecodeUnicodeCellText(text));
  else
    Info.HintStr = FHTMLHint ? text : StripHtml(text);
  Info.HintPos = ClientToScreen({rect.Left, rect.Top});
}

}  // namespace zorbit
