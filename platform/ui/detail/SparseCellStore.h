#pragma once
// The string grid's cells: per cell one text and one object reference, kept
// as rows of sparse column lists, so that a grid of a million cells costs
// only the cells written. A cell never written reads as the empty text and
// no object, at any index; writes beyond the grid's counts are kept (they
// show when the grid grows). Rows and columns move and disappear whole.
//
// Refuses negative indexes with EListError ("List index out of bounds
// (%d)"), changing nothing. Objects are references; the store frees none.
#include <cstddef>
#include <functional>
#include <map>
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

class TObject;

class TSparseCellStore {
 public:
  const String& Text(int ACol, int ARow) const;
  TObject* Object(int ACol, int ARow) const;
  void SetText(int ACol, int ARow, const String& Value);
  void SetObject(int ACol, int ARow, TObject* Value);

  // Moves row (column) FromIndex to ToIndex; those between shift by one.
  void MoveRow(int FromIndex, int ToIndex) { MoveRows(FromIndex, 1, ToIndex); }
  // Moves rows FromIndex..FromIndex+Count-1 so that they start at ToIndex;
  // those between shift by Count. Work is proportional to the stored rows
  // between the two places.
  void MoveRows(int FromIndex, int Count, int ToIndex);
  void MoveCol(int FromIndex, int ToIndex) { MoveCols(FromIndex, 1, ToIndex); }
  void MoveCols(int FromIndex, int Count, int ToIndex);
  // Rows (ascending, no repeats, each below End) move to End - n .. End - 1
  // (n of them) in their order, the other rows below End closing up in
  // theirs; the reverse, ScatterRows, moves rows End - n .. End - 1 to Rows,
  // the others below End spreading into the places left in order. Rows at
  // or after End stay. One pass over the stored rows, however many move.
  void GatherRows(const std::vector<int>& Rows, int End);
  void ScatterRows(const std::vector<int>& Rows, int End);
  // Hands each stored cell of rows FromRow..ToRow (row by row, left to
  // right) to Take with its text moved out, then empties those rows.
  void TakeRows(int FromRow, int ToRow,
                const std::function<void(int ACol, int ARow, String&& Text, TObject* Object)>& Take);
  // Removes a row (column); those after it shift back by one.
  void DeleteRow(int Index);
  void DeleteCol(int Index);
  // Empties the texts (and, with Objects, the object references) of a row
  // from column From on (of a column from row From on); only stored cells
  // are visited, however long the row.
  void ClearRow(int ARow, int From, bool Objects);
  // Empties rows FromRow..ToRow whole, texts and object references.
  void EraseRows(int FromRow, int ToRow);
  // Empties the texts of columns Left..Right in rows Top..Bottom; object
  // references stay. Only the stored cells of those rows are visited.
  void ClearTexts(int Left, int Top, int Right, int Bottom);
  void ClearCol(int ACol, int From, bool Objects);
  void Clear() {
    FRows.clear();
    Forget();
  }

  // Cells that hold a text or an object.
  std::size_t CellCount() const;
  // Calls Visit(ACol, ARow, Object) for every cell that holds an object, row
  // by row and left to right, at any index; Visit must not change the store.
  void ForEachObject(const std::function<void(int ACol, int ARow, TObject* Object)>& Visit) const;
  // The same for rows FromRow..ToRow only.
  void ForEachObjectInRows(int FromRow, int ToRow,
                           const std::function<void(int ACol, int ARow, TObject* Object)>& Visit) const;

 private:
  struct TCell {
    int Col = 0;
    String Text;
    TObject* Object = nullptr;
  };
  using TRowCells = std::vector<TCell>;

  const TCell* Find(int ACol, int ARow) const;
  // The cell, made when missing.
  TCell& Cell(int ACol, int ARow);
  // Gives the rows below End their new keys in one pass. NewKey is asked
  // for the keys in ascending order and must map them to two ascending
  // runs, the rows that stay and those that move (Moves set).
  void RenumberRows(int End, const std::function<int(int Key, bool& Moves)>& NewKey);
  // Drops the cell again when it holds nothing.
  void Prune(int ACol, int ARow);

  // The row last written, kept because cells are mostly written row by row,
  // and the row last read, because a paint reads a cell many times over;
  // both forgotten whenever rows are erased or renumbered.
  TRowCells& RowCells(int ARow);
  void Forget() {
    FCachedRow = -1;
    FCachedCells = nullptr;
    FReadRow = -1;
    FReadCells = nullptr;
  }

  std::map<int, TRowCells> FRows;
  // The rows a move takes out, kept between moves so that a move among many
  // rows does not allocate.
  std::vector<std::map<int, TRowCells>::node_type> FMovedRows;
  int FCachedRow = -1;
  TRowCells* FCachedCells = nullptr;
  mutable int FReadRow = -1;
  mutable const TRowCells* FReadCells = nullptr;
};

}  // namespace plat
