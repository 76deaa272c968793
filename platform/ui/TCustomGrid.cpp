#include "platform/ui/TCustomGrid.h"
#include "platform/ui/detail/GridAxis.h"

#include <algorithm>
#include <utility>

#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/TInplaceEdit.h"
#include "platform/ui/UiConsts.h"
#include "platform/win/Painting.h"
#include "platform/win/ScrollBars.h"
#include "platform/win/WindowStyles.h"

namespace plat {

namespace {

// Where an index goes when the block of Count from FromIndex moves to start
// at ToIndex.
int MovedIndex(int Index, int FromIndex, int Count, int ToIndex) {
  if (Index >= FromIndex && Index < FromIndex + Count) return ToIndex + (Index - FromIndex);
  if (FromIndex < ToIndex && Index >= FromIndex + Count && Index < ToIndex + Count) return Index - Count;
  if (ToIndex < FromIndex && Index >= ToIndex && Index < FromIndex) return Index + Count;
  return Index;
}

// The classic scroll bar range: positions 0..127 stand for the whole way.
constexpr int ScrollRange = 127;

long long MulDiv64(long long a, long long b, long long c) { return c == 0 ? 0 : (a * b + c / 2) / c; }

}  // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner)
    : TCustomControl(AOwner), FCols(std::make_unique<TGridAxis>()), FRows(std::make_unique<TGridAxis>()) {
  FCols->SetDefaultExtent(64);
  FRows->SetDefaultExtent(24);
  FOptions = {TGridOption::goFixedVertLine, TGridOption::goFixedHorzLine, TGridOption::goVertLine,
              TGridOption::goHorzLine, TGridOption::goRangeSelect};
  SetControlStyle({TControlStyleItem::csCaptureMouse, TControlStyleItem::csOpaque, TControlStyleItem::csDoubleClicks,
                   TControlStyleItem::csClickEvents});
  SetParentColor(false);
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() {
  // The editor goes while the grid is whole; it commits nothing then.
  Destroying();
  delete std::exchange(FInplaceEdit, nullptr);
}

int TCustomGrid::ColCount() const { return FCols->Count(); }
int TCustomGrid::RowCount() const { return FRows->Count(); }
int TCustomGrid::FixedCols() const { return FCols->Fixed(); }
int TCustomGrid::FixedRows() const { return FRows->Fixed(); }
int TCustomGrid::LeftCol() const { return FCols->First(); }
int TCustomGrid::TopRow() const { return FRows->First(); }
int TCustomGrid::DefaultColWidth() const { return FCols->DefaultExtent(); }
int TCustomGrid::DefaultRowHeight() const { return FRows->DefaultExtent(); }
int TCustomGrid::ColWidths(int Index) const { return FCols->Extent(Index); }
int TCustomGrid::RowHeights(int Index) const { return FRows->Extent(Index); }
int TCustomGrid::GridLineWidth() const { return FCols->LineWidth(); }

int TCustomGrid::ClientW() { return std::max(ClientWidth(), 0); }
int TCustomGrid::ClientH() { return std::max(ClientHeight(), 0); }

void TCustomGrid::CheckIndex(int Index, int Count) {
  if (Index < 0 || Index >= Count) throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
}

// Counts and fixed counts.

void TCustomGrid::SetColCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == ColCount()) return;
  if (FixedCols() >= Value) FCols->SetFixed(Value - 1);
  ChangeSize(Value, RowCount());
}

void TCustomGrid::SetRowCount(int Value) {
  Value = std::max(Value, 1);
  if (Value == RowCount()) return;
  if (FixedRows() >= Value) FRows->SetFixed(Value - 1);
  ChangeSize(ColCount(), Value);
}

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount) {
  const int oldCols = ColCount();
  const int oldRows = RowCount();
  FCols->SetCount(NewColCount);
  FRows->SetCount(NewRowCount);
  ClampCurrent();
  SizeChanged(oldCols, oldRows);
  UpdateScrollRange();
  MoveTopLeft(LeftCol(), TopRow());
  Invalidate();
  UpdateEditor();
}

void TCustomGrid::ClampCurrent() {
  const auto clamp = [](int v, int low, int high) { return std::max(low, std::min(v, high)); };
  FCurrent = {clamp(FCurrent.X, FixedCols(), ColCount() - 1), clamp(FCurrent.Y, FixedRows(), RowCount() - 1)};
  FAnchor = {clamp(FAnchor.X, FixedCols(), ColCount() - 1), clamp(FAnchor.Y, FixedRows(), RowCount() - 1)};
  FCols->SetFirst(clamp(FCols->First(), FixedCols(), ColCount() - 1));
  FRows->SetFirst(clamp(FRows->First(), FixedRows(), RowCount() - 1));
}

void TCustomGrid::SetFixedCols(int Value) {
  if (Value < 0) throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
  if (Value >= ColCount()) throw EInvalidGridOperation(LoadResString(SFixedColTooBig));
  if (Value == FixedCols()) return;
  FCols->SetFixed(Value);
  ClampCurrent();
  UpdateScrollRange();
  MoveTopLeft(LeftCol(), TopRow());
  Invalidate();
  UpdateEditor();
}

void TCustomGrid::SetFixedRows(int Value) {
  if (Value < 0) throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
  if (Value >= RowCount()) throw EInvalidGridOperation(LoadResString(SFixedRowTooBig));
  if (Value == FixedRows()) return;
  FRows->SetFixed(Value);
  ClampCurrent();
  UpdateScrollRange();
  MoveTopLeft(LeftCol(), TopRow());
  Invalidate();
  UpdateEditor();
}

void TCustomGrid::SizeChanged(int, int) {}

// The current cell, the selection and the view.

void TCustomGrid::SetCol(int Value) {
  if (Value == Col()) return;
  if (Value < FixedCols()) throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
  CheckIndex(Value, ColCount());
  FocusCell(Value, Row(), true);
}

void TCustomGrid::SetRow(int Value) {
  if (Value == Row()) return;
  if (Value < FixedRows()) throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
  CheckIndex(Value, RowCount());
  FocusCell(Col(), Value, true);
}

void TCustomGrid::SetLeftCol(int Value) { MoveTopLeft(Value, TopRow()); }
void TCustomGrid::SetTopRow(int Value) { MoveTopLeft(LeftCol(), Value); }

int TCustomGrid::VisibleColCount() { return FCols->VisibleCount(ClientW()); }
int TCustomGrid::VisibleRowCount() { return FRows->VisibleCount(ClientH()); }

TGridRect TCustomGrid::Selection() const {
  TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
              std::max(FAnchor.Y, FCurrent.Y)};
  if (FOptions.Contains(TGridOption::goRowSelect)) {
    r.Left = FixedCols();
    r.Right = ColCount() - 1;
  }
  return r;
}

void TCustomGrid::SetSelection(const TGridRect& Value) {
  for (int col : {Value.Left, Value.Right})
    if (col < FixedCols() || col >= ColCount()) throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
  for (int row : {Value.Top, Value.Bottom})
    if (row < FixedRows() || row >= RowCount()) throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
  const TGridRect old = Selection();
  FAnchor = {Value.Left, Value.Top};
  FCurrent = {Value.Right, Value.Bottom};
  ScrollToCell(FCurrent.X, FCurrent.Y);
  InvalidateSelection(old, Selection());
  UpdateEditor();
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  MoveCurrent(ACol, ARow, MoveAnchor, true);
  Click();
}

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show) {
  ACol = std::max(FixedCols(), std::min(ACol, ColCount() - 1));
  ARow = std::max(FixedRows(), std::min(ARow, RowCount() - 1));
  const bool moves = ACol != FCurrent.X || ARow != FCurrent.Y;
  if (moves && !SelectCell(ACol, ARow)) return;
  // Leaving the cell commits what the editor holds.
  if (moves && FEditorMode) {
    CommitEditor();
    if (!FOptions.Contains(TGridOption::goAlwaysShowEditor)) HideEditor();
  }
  const TGridRect old = Selection();
  const TGridCoord oldCurrent = FCurrent;
  FCurrent = {ACol, ARow};
  if (MoveAnchor || !FOptions.Contains(TGridOption::goRangeSelect)) FAnchor = FCurrent;
  if (Show) ScrollToCell(ACol, ARow);
  InvalidateSelection(old, Selection());
  InvalidateCell(oldCurrent.X, oldCurrent.Y);
  InvalidateCell(ACol, ARow);
  UpdateEditor();
}

void TCustomGrid::ScrollToCell(int ACol, int ARow) {
  MoveTopLeft(FCols->FirstShowing(ACol, ClientW()), FRows->FirstShowing(ARow, ClientH()));
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop) {
  ALeft = std::max(FixedCols(), std::min(ALeft, FCols->MaxFirst(ClientW())));
  ATop = std::max(FixedRows(), std::min(ATop, FRows->MaxFirst(ClientH())));
  if (ALeft == LeftCol() && ATop == TopRow()) return;
  FCols->SetFirst(ALeft);
  FRows->SetFirst(ATop);
  UpdateScrollPos();
  Invalidate();
  TopLeftChanged();
  UpdateEditor();
}

// Sizes.

void TCustomGrid::SetDefaultColWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == DefaultColWidth() && !FCols->HasExtents()) return;
  FCols->SetDefaultExtent(Value);
  ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
  Value = std::max(Value, 0);
  if (Value == DefaultRowHeight() && !FRows->HasExtents()) return;
  FRows->SetDefaultExtent(Value);
  RowHeightsChanged();
}

void TCustomGrid::SetColWidths(int Index, int Value) {
  CheckIndex(Index, ColCount());
  Value = std::max(Value, 0);
  if (Value == ColWidths(Index)) return;
  FCols->SetExtent(Index, Value);
  ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int Index, int Value) {
  CheckIndex(Index, RowCount());
  Value = std::max(Value, 0);
  if (Value == RowHeights(Index)) return;
  FRows->SetExtent(Index, Value);
  RowHeightsChanged();
}

void TCustomGrid::SetGridLineWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == GridLineWidth()) return;
  FCols->SetLineWidth(Value);
  FRows->SetLineWidth(Value);
  ColWidthsChanged();
}

void TCustomGrid::ColWidthsChanged() {
  UpdateScrollRange();
  MoveTopLeft(LeftCol(), TopRow());
  Invalidate();
  UpdateEditor();
}

void TCustomGrid::RowHeightsChanged() { ColWidthsChanged(); }

// Looks.

void TCustomGrid::SetOptions(TGridOptions Value) {
  if (Value == FOptions) return;
  if (Value.Contains(TGridOption::goRowSelect)) Value.Exclude(TGridOption::goAlwaysShowEditor);
  FOptions = Value;
  if (FOptions.Contains(TGridOption::goRowSelect) || !FOptions.Contains(TGridOption::goEditing)) HideEditor();
  if (FOptions.Contains(TGridOption::goAlwaysShowEditor)) UpdateEditor();
  Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool Value) {
  if (Value == FDefaultDrawing) return;
  FDefaultDrawing = Value;
  Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
  if (Value == FFixedColor) return;
  FFixedColor = Value;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  UpdateScrollRange();
}

void TCustomGrid::SetBorderStyle(TBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  if (HandleAllocated()) RecreateWnd();
}

void TCustomGrid::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (FBorderStyle == TBorderStyle::bsSingle) AddSingleBorder(Params);
}

// Geometry.

TRect TCustomGrid::CellRect(int ACol, int ARow) {
  if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return {};
  const int w = ClientW();
  const int h = ClientH();
  const int x = FCols->Start(ACol, w);
  const int y = FRows->Start(ARow, h);
  if (x < 0 || y < 0) return {};
  return {x, y, std::min(x + ColWidths(ACol), w), std::min(y + RowHeights(ARow), h)};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) {
  const int col = FCols->IndexAt(X, ClientW());
  const int row = FRows->IndexAt(Y, ClientH());
  if (col < 0 || row < 0) return {-1, -1};
  return {col, row};
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) {
  const TGridCoord cell = MouseCoord(X, Y);
  ACol = cell.X;
  ARow = cell.Y;
}

// Moving and deleting.

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex) {
  CheckIndex(FromIndex, ColCount());
  CheckIndex(ToIndex, ColCount());
  if (FromIndex == ToIndex) return;
  HideEditor();
  FCols->MoveExtent(FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  FollowColumnsMoved(FromIndex, 1, ToIndex);
}

void TCustomGrid::MoveColumns(int FromIndex, int Count, int ToIndex) {
  if (Count < 1) return;
  CheckIndex(FromIndex, ColCount());
  CheckIndex(FromIndex + Count - 1, ColCount());
  CheckIndex(ToIndex, ColCount());
  CheckIndex(ToIndex + Count - 1, ColCount());
  if (FromIndex == ToIndex) return;
  HideEditor();
  FCols->MoveExtents(FromIndex, Count, ToIndex);
  ColumnsMoved(FromIndex, Count, ToIndex);
  FollowColumnsMoved(FromIndex, Count, ToIndex);
}

void TCustomGrid::FollowColumnsMoved(int FromIndex, int Count, int ToIndex) {
  FCurrent.X = MovedIndex(FCurrent.X, FromIndex, Count, ToIndex);
  FAnchor.X = MovedIndex(FAnchor.X, FromIndex, Count, ToIndex);
  ClampCurrent();
  ColWidthsChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex) {
  CheckIndex(FromIndex, RowCount());
  CheckIndex(ToIndex, RowCount());
  if (FromIndex == ToIndex) return;
  HideEditor();
  FRows->MoveExtent(FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  FollowRowsMoved(FromIndex, 1, ToIndex);
}

void TCustomGrid::MoveRows(int FromIndex, int Count, int ToIndex) {
  if (Count < 1) return;
  CheckIndex(FromIndex, RowCount());
  CheckIndex(FromIndex + Count - 1, RowCount());
  CheckIndex(ToIndex, RowCount());
  CheckIndex(ToIndex + Count - 1, RowCount());
  if (FromIndex == ToIndex) return;
  HideEditor();
  FRows->MoveExtents(FromIndex, Count, ToIndex);
  RowsMoved(FromIndex, Count, ToIndex);
  FollowRowsMoved(FromIndex, Count, ToIndex);
}

namespace {

// Ascending, no repeats, each inside 0..Count-1.
void CheckRowList(const std::vector<int>& Rows, int Count) {
  for (std::size_t i = 0; i < Rows.size(); ++i)
    if (Rows[i] < 0 || Rows[i] >= Count || (i > 0 && Rows[i] <= Rows[i - 1]))
      throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
}

// Where row Index goes when Rows gather at the end of Count rows.
int GatheredIndex(int Index, const std::vector<int>& Rows, int Count) {
  const auto below = std::lower_bound(Rows.begin(), Rows.end(), Index) - Rows.begin();
  if (below < static_cast<long>(Rows.size()) && Rows[below] == Index)
    return Count - static_cast<int>(Rows.size()) + static_cast<int>(below);
  return Index - static_cast<int>(below);
}

// Where row Index goes when the last rows scatter to Rows.
int ScatteredIndex(int Index, const std::vector<int>& Rows, int Count) {
  const int first = Count - static_cast<int>(Rows.size());
  if (Index >= first) return Rows[static_cast<std::size_t>(Index - first)];
  // The Index-th place (from 0) that Rows leave free.
  int low = Index, high = Count - 1;
  while (low < high) {
    const int mid = low + (high - low) / 2;
    const auto taken = std::upper_bound(Rows.begin(), Rows.end(), mid) - Rows.begin();
    if (mid - taken >= Index)
      high = mid;
    else
      low = mid + 1;
  }
  return low;
}

}  // namespace

void TCustomGrid::GatherRowsAtEnd(const std::vector<int>& Rows) {
  CheckRowList(Rows, RowCount());
  if (Rows.empty()) return;
  HideEditor();
  const int count = RowCount();
  FRows->GatherExtents(Rows);
  RowsGathered(Rows);
  FCurrent.Y = GatheredIndex(FCurrent.Y, Rows, count);
  FAnchor.Y = GatheredIndex(FAnchor.Y, Rows, count);
  ClampCurrent();
  RowHeightsChanged();
}

void TCustomGrid::ScatterRowsFromEnd(const std::vector<int>& Rows, const std::vector<int>& Heights) {
  CheckRowList(Rows, RowCount());
  if (Heights.size() != Rows.size()) throw EInvalidGridOperation(LoadResString(SIndexOutOfRange));
  if (Rows.empty()) return;
  HideEditor();
  const int count = RowCount();
  FRows->ScatterExtents(Rows, Heights);
  RowsScattered(Rows);
  FCurrent.Y = ScatteredIndex(FCurrent.Y, Rows, count);
  FAnchor.Y = ScatteredIndex(FAnchor.Y, Rows, count);
  ClampCurrent();
  RowHeightsChanged();
}

void TCustomGrid::FollowRowsMoved(int FromIndex, int Count, int ToIndex) {
  FCurrent.Y = MovedIndex(FCurrent.Y, FromIndex, Count, ToIndex);
  FAnchor.Y = MovedIndex(FAnchor.Y, FromIndex, Count, ToIndex);
  ClampCurrent();
  RowHeightsChanged();
}

void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}
void TCustomGrid::ColumnsMoved(int, int, int) {}
void TCustomGrid::RowsMoved(int, int, int) {}

// The column goes to the end and the grid loses its last column; what a
// descendant keeps for that index stays, beyond the count.
void TCustomGrid::DeleteColumn(int ACol) {
  CheckIndex(ACol, ColCount());
  MoveColumn(ACol, ColCount() - 1);
  SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(int ARow) {
  CheckIndex(ARow, RowCount());
  MoveRow(ARow, RowCount() - 1);
  SetRowCount(RowCount() - 1);
}

// Invalidation.

void TCustomGrid::InvalidateRect(int ALeft, int ATop, int ARight, int ABottom) {
  if (!HandleAllocated()) return;
  int x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  if (!FCols->Span(ALeft, ARight, ClientW(), x1, x2) || !FRows->Span(ATop, ABottom, ClientH(), y1, y2)) return;
  const RECT r{x1, y1, x2, y2};
  ::plat::InvalidateRect(Handle(), &r, false);
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) { InvalidateRect(ACol, ARow, ACol, ARow); }
void TCustomGrid::InvalidateRow(int ARow) { InvalidateRect(0, ARow, ColCount() - 1, ARow); }
void TCustomGrid::InvalidateCol(int ACol) { InvalidateRect(ACol, 0, ACol, RowCount() - 1); }

void TCustomGrid::InvalidateSelection(const TGridRect& Old, const TGridRect& New) {
  if (Old == New) return;
  InvalidateRect(Old.Left, Old.Top, Old.Right, Old.Bottom);
  InvalidateRect(New.Left, New.Top, New.Right, New.Bottom);
}

// Scroll bars on the classic range: 0..127 stand for the first to the last
// position of the view, whatever the count.

void TCustomGrid::UpdateScrollRange() {
  if (!HandleAllocated() || FUpdatingScrollBars) return;
  FUpdatingScrollBars = true;
  const ScopeExit done([this] { FUpdatingScrollBars = false; });
  const bool horz = FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth;
  const bool vert = FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth;
  // A bar that shows narrows the client, which may call for the other bar.
  for (int pass = 0; pass < 2; ++pass) {
    const bool needH = horz && FCols->MaxFirst(ClientW()) > FixedCols();
    const bool needV = vert && FRows->MaxFirst(ClientH()) > FixedRows();
    ShowScrollBar(Handle(), SB_HORZ, needH);
    ShowScrollBar(Handle(), SB_VERT, needV);
    if (needH) SetScrollRange(Handle(), SB_HORZ, 0, ScrollRange, false);
    if (needV) SetScrollRange(Handle(), SB_VERT, 0, ScrollRange, false);
  }
  ScrollRangeUpdated();
  UpdateScrollPos();
}

void TCustomGrid::UpdateScrollPos() {
  if (!HandleAllocated()) return;
  const int maxLeft = FCols->MaxFirst(ClientW());
  const int maxTop = FRows->MaxFirst(ClientH());
  SetScrollPos(Handle(), SB_HORZ,
               static_cast<int>(MulDiv64(LeftCol() - FixedCols(), ScrollRange, maxLeft - FixedCols())), true);
  SetScrollPos(Handle(), SB_VERT, static_cast<int>(MulDiv64(TopRow() - FixedRows(), ScrollRange, maxTop - FixedRows())),
               true);
}

void TCustomGrid::ScrollRequest(bool Vertical, int Code, int Pos) {
  const TGridAxis& axis = Vertical ? *FRows : *FCols;
  const int client = Vertical ? ClientH() : ClientW();
  const int page = axis.VisibleCount(client);
  const int maxFirst = axis.MaxFirst(client);
  int first = axis.First();
  switch (Code) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBTRACK:
      if (!FOptions.Contains(TGridOption::goThumbTracking)) return;
      [[fallthrough]];
    case SB_THUMBPOSITION:
      first = axis.Fixed() +
              static_cast<int>(MulDiv64(std::clamp(Pos, 0, ScrollRange), maxFirst - axis.Fixed(), ScrollRange));
      break;
    case SB_TOP: first = axis.Fixed(); break;
    case SB_BOTTOM: first = maxFirst; break;
    default: return;
  }
  if (Vertical)
    MoveTopLeft(LeftCol(), first);
  else
    MoveTopLeft(first, TopRow());
  // The thumb stands where the view is, also when nothing moved.
  UpdateScrollPos();
}

void TCustomGrid::Resize() {
  UpdateScrollRange();
  MoveTopLeft(LeftCol(), TopRow());
  UpdateEditor();
  TCustomControl::Resize();
}

}  // namespace plat
