#include "platform/ui/TStringGrid.h"

#include "platform/gdi/TCanvas.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/ui/UiConsts.h"
#include "platform/ui/detail/SparseCellStore.h"

namespace plat {

// A row or column of the grid seen as a list of strings.
class TStringGrid::TLineStrings : public TStrings {
 public:
  TLineStrings(TStringGrid* Grid, bool IsRow, int Index) : FGrid(Grid), FIsRow(IsRow), FIndex(Index) {}

  int Count() const override { return FIsRow ? FGrid->ColCount() : FGrid->RowCount(); }
  String Strings(int index) const override { return FGrid->Cells(Col(index), Row(index)); }
  void SetStrings(int index, const String& s) override { FGrid->SetCells(Col(index), Row(index), s); }
  TObjectPtr Objects(int index) const override { return FGrid->Objects(Col(index), Row(index)); }
  void SetObjects(int index, TObjectPtr object) override { FGrid->SetObjects(Col(index), Row(index), object); }
  void Insert(int, const String&) override { throw EInvalidGridOperation(LoadResString(SIndexOutOfRange)); }
  void Delete(int) override { throw EInvalidGridOperation(LoadResString(SIndexOutOfRange)); }
  void Clear() override { FGrid->ClearLine(FIsRow, FIndex, 0, true); }

 private:
  int Col(int index) const { return FIsRow ? index : FIndex; }
  int Row(int index) const { return FIsRow ? FIndex : index; }

  TStringGrid* FGrid;
  bool FIsRow;
  int FIndex;
};

TStringGrid::TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner), FCells(std::make_unique<TSparseCellStore>()) {}

TStringGrid::~TStringGrid() = default;

const String& TStringGrid::Cells(int ACol, int ARow) const { return FCells->Text(ACol, ARow); }
TObject* TStringGrid::Objects(int ACol, int ARow) const { return FCells->Object(ACol, ARow); }

void TStringGrid::SetCells(int ACol, int ARow, const String& Value) {
  FCells->SetText(ACol, ARow, Value);
  InvalidateCell(ACol, ARow);
  // An open editor on the cell shows the new text, unless it wrote it.
  if (!FEditUpdate && ACol == Col() && ARow == Row()) InvalidateEditor();
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value) { FCells->SetObject(ACol, ARow, Value); }

void TStringGrid::ForEachObject(const std::function<void(int, int, TObject*)>& Visit) const {
  FCells->ForEachObject(Visit);
}

void TStringGrid::ForEachObjectInRows(int FromRow, int ToRow,
                                      const std::function<void(int, int, TObject*)>& Visit) const {
  FCells->ForEachObjectInRows(FromRow, ToRow, Visit);
}

void TStringGrid::EraseRows(int FromRow, int ToRow) {
  if (FromRow < 0) throw EListError(FmtLoadResString(SListIndexError, {FromRow}));
  if (ToRow < FromRow) return;
  FCells->EraseRows(FromRow, ToRow);
  Invalidate();
  if (Row() >= FromRow && Row() <= ToRow) InvalidateEditor();
}

void TStringGrid::ClearTexts(const TGridRect& Block) {
  FCells->ClearTexts(Block.Left, Block.Top, Block.Right, Block.Bottom);
  Invalidate();
  if (Block.Contains(Col(), Row())) InvalidateEditor();
}

void TStringGrid::TakeRowCells(int FromRow, int ToRow, const std::function<void(int, int, String&&, TObject*)>& Take) {
  if (FromRow < 0) throw EListError(FmtLoadResString(SListIndexError, {FromRow}));
  if (ToRow < FromRow) return;
  FCells->TakeRows(FromRow, ToRow, Take);
  Invalidate();
  if (Row() >= FromRow && Row() <= ToRow) InvalidateEditor();
}

TStrings* TStringGrid::Line(bool IsRow, int Index) {
  if (Index < 0) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  auto& line = FLines[{IsRow, Index}];
  if (!line) line = std::make_unique<TLineStrings>(this, IsRow, Index);
  return line.get();
}

TStrings* TStringGrid::Rows(int Index) { return Line(true, Index); }
TStrings* TStringGrid::Cols(int Index) { return Line(false, Index); }

void TStringGrid::SetRows(int Index, const TStrings& Value) {
  if (Index < 0) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  for (int i = 0; i < Value.Count(); ++i) {
    SetCells(i, Index, Value.Strings(i));
    SetObjects(i, Index, Value.Objects(i));
  }
  ClearLine(true, Index, Value.Count(), false);
}

void TStringGrid::SetCols(int Index, const TStrings& Value) {
  if (Index < 0) throw EListError(FmtLoadResString(SListIndexError, {Index}));
  for (int i = 0; i < Value.Count(); ++i) {
    SetCells(Index, i, Value.Strings(i));
    SetObjects(Index, i, Value.Objects(i));
  }
  ClearLine(false, Index, Value.Count(), false);
}

void TStringGrid::ClearLine(bool IsRow, int Index, int From, bool Objects) {
  if (IsRow) {
    FCells->ClearRow(Index, From, Objects);
    InvalidateRow(Index);
  } else {
    FCells->ClearCol(Index, From, Objects);
    InvalidateCol(Index);
  }
  if ((IsRow ? Row() : Col()) == Index) InvalidateEditor();
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing()) {
    // Over the grid's own fill the text alone: filling again would change
    // no pixel and costs as much as the text.
    const String& text = Cells(ACol, ARow);
    if (CellFillShows(ARect)) {
      Canvas()->TextRectOver(ARect, ARect.Left + 2, ARect.Top + 2, text);
    } else {
      Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, text);
    }
  }
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

String TStringGrid::GetEditText(int ACol, int ARow) {
  String text = Cells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const String& Value) {
  FEditUpdate = true;
  const ScopeExit done([this] { FEditUpdate = false; });
  if (Value != Cells(ACol, ARow)) SetCells(ACol, ARow, Value);
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  FCells->MoveCol(FromIndex, ToIndex);
  TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex) {
  FCells->MoveRow(FromIndex, ToIndex);
  TDrawGrid::RowMoved(FromIndex, ToIndex);
}

void TStringGrid::ColumnsMoved(int FromIndex, int Count, int ToIndex) {
  FCells->MoveCols(FromIndex, Count, ToIndex);
  TDrawGrid::ColumnsMoved(FromIndex, Count, ToIndex);
}

void TStringGrid::ExchangeRowCells(int ARow1, int ARow2) { FCells->SwapRows(ARow1, ARow2); }

void TStringGrid::RowsGathered(const std::vector<int>& Rows) { FCells->GatherRows(Rows, RowCount()); }

void TStringGrid::RowsScattered(const std::vector<int>& Rows) { FCells->ScatterRows(Rows, RowCount()); }

void TStringGrid::RowsMoved(int FromIndex, int Count, int ToIndex) {
  FCells->MoveRows(FromIndex, Count, ToIndex);
  TDrawGrid::RowsMoved(FromIndex, Count, ToIndex);
}

}  // namespace plat
