#pragma once
// The grid that keeps a text and an object reference per cell: TDrawGrid
// with a sparse cell store. A cell never written reads empty, at any index;
// writes beyond ColCount and RowCount are kept and show when the grid grows.
// With DefaultDrawing each cell shows its text from 2 pixels inside its
// top-left corner, clipped to the cell, before OnDrawCell. The editor
// starts with the cell's text and a committed text goes into the cell.
// Moving a row or column moves its cells.
//
// Rows(i) and Cols(i) are the texts and objects of a row (column) as a
// TStrings of ColCount (RowCount) items; they are read and written in place
// and cannot grow or shrink (Insert and Delete raise EInvalidGridOperation).
// Negative indexes raise EListError ("List index out of bounds (%d)").
#include <functional>
#include <map>
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/TDrawGrid.h"

namespace plat {

class TSparseCellStore;

class TStringGrid : public TDrawGrid {
 public:
  explicit TStringGrid(TComponent* AOwner);
  ~TStringGrid() override;

  const String& Cells(int ACol, int ARow) const;
  void SetCells(int ACol, int ARow, const String& Value);
  TObject* Objects(int ACol, int ARow) const;
  void SetObjects(int ACol, int ARow, TObject* Value);
  // Calls Visit(ACol, ARow, Object) for every cell that holds an object,
  // also those beyond ColCount and RowCount, row by row and left to right.
  // Visit must not write objects into the grid.
  void ForEachObject(const std::function<void(int ACol, int ARow, TObject* Object)>& Visit) const;
  // The same for rows FromRow..ToRow only, visiting only stored cells.
  void ForEachObjectInRows(int FromRow, int ToRow,
                           const std::function<void(int ACol, int ARow, TObject* Object)>& Visit) const;
  TStrings* Rows(int Index);
  void SetRows(int Index, const TStrings& Value);
  TStrings* Cols(int Index);
  void SetCols(int Index, const TStrings& Value);

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const String& Value) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void RowMoved(int FromIndex, int ToIndex) override;
  void ColumnsMoved(int FromIndex, int Count, int ToIndex) override;
  void RowsMoved(int FromIndex, int Count, int ToIndex) override;
  void RowsGathered(const std::vector<int>& Rows) override;
  void RowsScattered(const std::vector<int>& Rows) override;
  // Exchanges two rows' cells whole (texts and objects), at any index.
  void ExchangeRowCells(int ARow1, int ARow2);
  // Empties rows FromRow..ToRow whole, at any index, visiting only stored
  // cells; the objects are not freed (the caller owns them).
  void EraseRows(int FromRow, int ToRow);
  // Empties the texts of the block's cells, at any index, visiting only the
  // stored cells of its rows however large it is; the objects stay.
  void ClearTexts(const TGridRect& Block);
  // Hands each stored cell of rows FromRow..ToRow (row by row, left to
  // right) to Take with its text moved out, then empties the rows; the
  // objects are not freed (Take owns them now).
  void TakeRowCells(int FromRow, int ToRow,
                    const std::function<void(int ACol, int ARow, String&& Text, TObject* Object)>& Take);

 private:
  class TLineStrings;
  TStrings* Line(bool IsRow, int Index);
  // Empties a row's (column's) cells from From on, visiting only stored ones.
  void ClearLine(bool IsRow, int Index, int From, bool Objects);

  std::unique_ptr<TSparseCellStore> FCells;
  std::map<std::pair<bool, int>, std::unique_ptr<TLineStrings>> FLines;
  bool FEditUpdate = false;  // a committed text is going into its cell
};

}  // namespace plat
