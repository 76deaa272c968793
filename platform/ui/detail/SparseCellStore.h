#pragma once
// The string grid's cells: per cell one text and one object reference, kept
// as rows of sparse column lists, so that a grid of a million cells costs
// only the cells written. A cell never written reads as the empty text and
// no object, at any index; writes beyond the grid's counts are kept (they
// show when the grid grows). Rows and columns move and disappear whole.
//
// Layout, for memory: rows lie in pages of 64 consecutive indexes, a page
// existing while one of its rows holds a cell; a row is a vector of cells
// sorted by column, each cell its text and column and the number of its
// object's slot (objects are few, so their references live in a slot table
// of their own). A row written after another starts with room for as many
// cells as that one took, so rows filled one after the other hold no slack.
//
// Refuses negative indexes with EListError ("List index out of bounds
// (%d)"), changing nothing. Objects are references; the store frees none.
// A text read stays valid until its row changes.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/rtl/Types.h"

namespace plat {

class TObject;

class TSparseCellStore {
 public:
  TSparseCellStore();
  ~TSparseCellStore();
  TSparseCellStore(const TSparseCellStore&) = delete;
  TSparseCellStore& operator=(const TSparseCellStore&) = delete;

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
  // Exchanges two rows whole (texts and object references) without copying
  // a cell.
  void SwapRows(int ARow1, int ARow2);
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
  void Clear();

  // Cells that hold a text or an object.
  std::size_t CellCount() const;
  // Calls Visit(ACol, ARow, Object) for every cell that holds an object, row
  // by row and left to right, at any index; Visit must not change the store.
  void ForEachObject(const std::function<void(int ACol, int ARow, TObject* Object)>& Visit) const;
  // The same for rows FromRow..ToRow only.
  void ForEachObjectInRows(int FromRow, int ToRow,
                           const std::function<void(int ACol, int ARow, TObject* Object)>& Visit) const;

 private:
  using TSlot = std::uint32_t;  // 0: no object; n: FObjects[n - 1]
  struct TCell {
    String Text;
    int Col = 0;
    TSlot Slot = 0;
  };
  using TRowCells = std::vector<TCell>;
  static constexpr int kPageRows = 64;
  struct TPage {
    std::array<TRowCells, kPageRows> Rows;
  };
  using TPages = std::map<int, std::unique_ptr<TPage>>;

  // The stored row, or null when it holds no cell.
  const TRowCells* FindRow(int ARow) const;
  TCell* Find(int ACol, int ARow);
  const TCell* Find(int ACol, int ARow) const;
  // The row, made (empty) when missing.
  TRowCells& RowForWriting(int ARow);
  // The cell, made when missing.
  TCell& Cell(int ACol, int ARow);
  // Drops the cells of a row that hold nothing, and the row's page when
  // that leaves it empty.
  void Prune(int ARow);

  // Calls Visit(index, cells) for each stored row from FromRow to ToRow, in
  // order; Visit may empty cells (never add any). Pages left empty go.
  template <typename TVisit>
  void ForEachRow(int FromRow, int ToRow, TVisit Visit);
  template <typename TVisit>
  void ForEachRow(int FromRow, int ToRow, TVisit Visit) const;
  // Gives every stored row of Low..High the index NewIndex(index); the new
  // indexes must be free or among those rows.
  template <typename TNewIndex>
  void Renumber(int Low, int High, TNewIndex NewIndex);

  TObject* ObjectIn(const TCell& Cell) const { return Cell.Slot ? FObjects[Cell.Slot - 1] : nullptr; }
  void ReleaseSlot(TCell& Cell);
  // Erases the row's cells (from column From on), objects released.
  void EraseCells(TRowCells& Cells, int From);

  // The row last written, kept because cells are mostly written row by row,
  // and the row last read, because a paint reads a cell many times over;
  // both forgotten whenever pages go or rows are renumbered.
  void Forget() {
    FWriteRow = -1;
    FWriteCells = nullptr;
    FReadRow = -1;
    FReadCells = nullptr;
  }

  TPages FPages;
  std::vector<TObject*> FObjects;
  std::vector<TSlot> FFreeSlots;
  // The rows a renumbering takes out, kept between moves so that a move
  // among many rows does not allocate.
  std::vector<std::pair<int, TRowCells>> FMovedRows;
  // How many cells the row last left by the writer held: the room a new
  // row starts with.
  std::size_t FRowWidth = 0;
  int FWriteRow = -1;
  TRowCells* FWriteCells = nullptr;
  mutable int FReadRow = -1;
  mutable const TRowCells* FReadCells = nullptr;
};

}  // namespace plat
