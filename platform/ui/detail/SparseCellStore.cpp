#include "platform/ui/detail/SparseCellStore.h"

#include <algorithm>
#include <climits>

#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"

namespace plat {

namespace {

[[noreturn, gnu::noinline]] void RaiseIndexError(int Index) {
  throw EListError(FmtLoadResString(SListIndexError, {Index}));
}

// Inlined on every cell access; the error path stays out of line.
inline void CheckIndex(int Index) {
  if (Index < 0) [[unlikely]]
    RaiseIndexError(Index);
}

// Where an index goes when the block of Count from FromIndex moves to start
// at ToIndex.
int MovedIndex(int Index, int FromIndex, int Count, int ToIndex) {
  if (Index >= FromIndex && Index < FromIndex + Count) return ToIndex + (Index - FromIndex);
  if (FromIndex < ToIndex && Index >= FromIndex + Count && Index < ToIndex + Count) return Index - Count;
  if (ToIndex < FromIndex && Index >= ToIndex && Index < FromIndex) return Index + Count;
  return Index;
}

const String EmptyText;

template <typename TCells>
auto CellAt(TCells& Cells, int ACol) {
  return std::lower_bound(Cells.begin(), Cells.end(), ACol, [](const auto& c, int col) { return c.Col < col; });
}

}  // namespace

TSparseCellStore::TSparseCellStore() = default;
TSparseCellStore::~TSparseCellStore() = default;

const TSparseCellStore::TRowCells* TSparseCellStore::FindRow(int ARow) const {
  if (ARow == FReadRow) return FReadCells;
  const auto page = FPages.find(ARow / kPageRows);
  if (page == FPages.end()) return nullptr;
  FReadCells = &page->second->Rows[static_cast<std::size_t>(ARow % kPageRows)];
  FReadRow = ARow;
  return FReadCells;
}

const TSparseCellStore::TCell* TSparseCellStore::Find(int ACol, int ARow) const {
  CheckIndex(ARow);
  CheckIndex(ACol);
  const TRowCells* cells = FindRow(ARow);
  if (!cells) return nullptr;
  const auto it = CellAt(*cells, ACol);
  return it != cells->end() && it->Col == ACol ? &*it : nullptr;
}

TSparseCellStore::TCell* TSparseCellStore::Find(int ACol, int ARow) {
  return const_cast<TCell*>(std::as_const(*this).Find(ACol, ARow));
}

TSparseCellStore::TRowCells& TSparseCellStore::RowForWriting(int ARow) {
  if (ARow != FWriteRow) {
    if (FWriteCells) FRowWidth = FWriteCells->size();
    std::unique_ptr<TPage>& page = FPages[ARow / kPageRows];
    if (!page) page = std::make_unique<TPage>();
    FWriteCells = &page->Rows[static_cast<std::size_t>(ARow % kPageRows)];
    FWriteRow = ARow;
  }
  return *FWriteCells;
}

TSparseCellStore::TCell& TSparseCellStore::Cell(int ACol, int ARow) {
  CheckIndex(ARow);
  CheckIndex(ACol);
  TRowCells& cells = RowForWriting(ARow);
  if (cells.empty()) cells.reserve(std::max<std::size_t>(FRowWidth, 1));
  // Cells are mostly written left to right: appending is the common case.
  if (cells.empty() || cells.back().Col < ACol) return cells.emplace_back(TCell{{}, ACol, 0});
  const auto it = CellAt(cells, ACol);
  if (it != cells.end() && it->Col == ACol) return *it;
  return *cells.insert(it, TCell{{}, ACol, 0});
}

void TSparseCellStore::ReleaseSlot(TCell& Cell) {
  if (!Cell.Slot) return;
  FObjects[Cell.Slot - 1] = nullptr;
  FFreeSlots.push_back(Cell.Slot);
  Cell.Slot = 0;
}

void TSparseCellStore::EraseCells(TRowCells& Cells, int From) {
  const auto first = CellAt(Cells, From);
  for (auto it = first; it != Cells.end(); ++it) ReleaseSlot(*it);
  Cells.erase(first, Cells.end());
}

void TSparseCellStore::Prune(int ARow) {
  ForEachRow(ARow, ARow, [](int, TRowCells& cells) {
    std::erase_if(cells, [](const TCell& c) { return c.Text.empty() && !c.Slot; });
  });
}

template <typename TVisit>
void TSparseCellStore::ForEachRow(int FromRow, int ToRow, TVisit Visit) const {
  if (ToRow < FromRow) return;
  for (auto page = FPages.lower_bound(FromRow / kPageRows); page != FPages.end(); ++page) {
    const long long base = static_cast<long long>(page->first) * kPageRows;
    if (base > ToRow) break;
    // Only the page's rows inside the range: a single row costs one look.
    const int first = static_cast<int>(std::max<long long>(FromRow - base, 0));
    const int last = static_cast<int>(std::min<long long>(ToRow - base, kPageRows - 1));
    for (int i = first; i <= last; ++i) {
      if (page->second->Rows[static_cast<std::size_t>(i)].empty()) continue;
      Visit(static_cast<int>(base + i), page->second->Rows[static_cast<std::size_t>(i)]);
    }
  }
}

template <typename TVisit>
void TSparseCellStore::ForEachRow(int FromRow, int ToRow, TVisit Visit) {
  if (ToRow < FromRow) return;
  bool erased = false;
  for (auto page = FPages.lower_bound(FromRow / kPageRows); page != FPages.end();) {
    const long long base = static_cast<long long>(page->first) * kPageRows;
    if (base > ToRow) break;
    bool empty = true;
    for (int i = 0; i < kPageRows; ++i) {
      TRowCells& cells = page->second->Rows[static_cast<std::size_t>(i)];
      const long long row = base + i;
      if (row >= FromRow && row <= ToRow && !cells.empty()) Visit(static_cast<int>(row), cells);
      // A row emptied gives its memory back.
      if (cells.empty() && cells.capacity()) TRowCells().swap(cells);
      empty = empty && cells.empty();
    }
    if (empty) {
      page = FPages.erase(page);
      erased = true;
    } else {
      ++page;
    }
  }
  if (erased) Forget();
}

template <typename TNewIndex>
void TSparseCellStore::Renumber(int Low, int High, TNewIndex NewIndex) {
  ForEachRow(Low, High, [&](int row, TRowCells& cells) { FMovedRows.emplace_back(NewIndex(row), std::move(cells)); });
  Forget();
  for (auto& [row, cells] : FMovedRows) RowForWriting(row) = std::move(cells);
  FMovedRows.clear();
  Forget();
}

const String& TSparseCellStore::Text(int ACol, int ARow) const {
  const TCell* cell = Find(ACol, ARow);
  return cell ? cell->Text : EmptyText;
}

TObject* TSparseCellStore::Object(int ACol, int ARow) const {
  const TCell* cell = Find(ACol, ARow);
  return cell ? ObjectIn(*cell) : nullptr;
}

void TSparseCellStore::SetText(int ACol, int ARow, const String& Value) {
  if (Value.empty()) {
    TCell* cell = Find(ACol, ARow);
    if (!cell) return;
    cell->Text.clear();
    if (!cell->Slot) Prune(ARow);
    return;
  }
  Cell(ACol, ARow).Text = Value;
}

void TSparseCellStore::SetObject(int ACol, int ARow, TObject* Value) {
  if (!Value) {
    TCell* cell = Find(ACol, ARow);
    if (!cell || !cell->Slot) return;
    ReleaseSlot(*cell);
    if (cell->Text.empty()) Prune(ARow);
    return;
  }
  TCell& cell = Cell(ACol, ARow);
  if (!cell.Slot) {
    if (FFreeSlots.empty()) {
      FObjects.push_back(nullptr);
      cell.Slot = static_cast<TSlot>(FObjects.size());
    } else {
      cell.Slot = FFreeSlots.back();
      FFreeSlots.pop_back();
    }
  }
  FObjects[cell.Slot - 1] = Value;
}

void TSparseCellStore::MoveRows(int FromIndex, int Count, int ToIndex) {
  CheckIndex(FromIndex);
  CheckIndex(ToIndex);
  if (FromIndex == ToIndex || Count < 1) return;
  // Only the rows between the two places change their indexes; their cells
  // move with them, never copied.
  const int low = std::min(FromIndex, ToIndex);
  const int high =
      static_cast<int>(std::min<long long>(static_cast<long long>(std::max(FromIndex, ToIndex)) + Count - 1, INT_MAX));
  Renumber(low, high, [&](int row) { return MovedIndex(row, FromIndex, Count, ToIndex); });
}

void TSparseCellStore::SwapRows(int ARow1, int ARow2) {
  CheckIndex(ARow1);
  CheckIndex(ARow2);
  if (ARow1 == ARow2) return;
  const bool stored1 = FindRow(ARow1) != nullptr;
  const bool stored2 = FindRow(ARow2) != nullptr;
  if (!stored1 && !stored2) return;
  TRowCells& cells1 = RowForWriting(ARow1);
  TRowCells& cells2 = RowForWriting(ARow2);
  cells1.swap(cells2);
  Forget();
  // A row left empty may leave its page empty.
  if (!stored1) Prune(ARow2);
  if (!stored2) Prune(ARow1);
}

void TSparseCellStore::GatherRows(const std::vector<int>& Rows, int End) {
  if (Rows.empty() || End <= 0) return;
  const int first = End - static_cast<int>(Rows.size());
  // Rows are renumbered in ascending order: the listed rows below one only grow.
  std::size_t below = 0;
  Renumber(0, End - 1, [&](int row) {
    while (below < Rows.size() && Rows[below] < row) ++below;
    const bool moves = below < Rows.size() && Rows[below] == row;
    return moves ? first + static_cast<int>(below) : row - static_cast<int>(below);
  });
}

void TSparseCellStore::ScatterRows(const std::vector<int>& Rows, int End) {
  if (Rows.empty() || End <= 0) return;
  const int first = End - static_cast<int>(Rows.size());
  // The rows that stay ascend, so the places they skip only grow.
  std::size_t skipped = 0;
  Renumber(0, End - 1, [&](int row) {
    if (row >= first) return Rows[static_cast<std::size_t>(row - first)];
    while (skipped < Rows.size() && Rows[skipped] <= row + static_cast<int>(skipped)) ++skipped;
    return row + static_cast<int>(skipped);
  });
}

void TSparseCellStore::TakeRows(int FromRow, int ToRow, const std::function<void(int, int, String&&, TObject*)>& Take) {
  CheckIndex(FromRow);
  ForEachRow(FromRow, ToRow, [&](int row, TRowCells& cells) {
    for (TCell& cell : cells) {
      TObject* object = ObjectIn(cell);
      ReleaseSlot(cell);
      Take(cell.Col, row, std::move(cell.Text), object);
    }
    cells.clear();
  });
}

void TSparseCellStore::MoveCols(int FromIndex, int Count, int ToIndex) {
  CheckIndex(FromIndex);
  CheckIndex(ToIndex);
  if (FromIndex == ToIndex || Count < 1) return;
  ForEachRow(0, INT_MAX, [&](int, TRowCells& cells) {
    bool touched = false;
    for (TCell& cell : cells) {
      const int moved = MovedIndex(cell.Col, FromIndex, Count, ToIndex);
      touched |= moved != cell.Col;
      cell.Col = moved;
    }
    if (touched) std::sort(cells.begin(), cells.end(), [](const TCell& a, const TCell& b) { return a.Col < b.Col; });
  });
}

void TSparseCellStore::DeleteRow(int Index) {
  CheckIndex(Index);
  EraseRows(Index, Index);
  if (Index < INT_MAX) Renumber(Index + 1, INT_MAX, [](int row) { return row - 1; });
}

void TSparseCellStore::DeleteCol(int Index) {
  CheckIndex(Index);
  ForEachRow(0, INT_MAX, [&](int, TRowCells& cells) {
    const auto it = CellAt(cells, Index);
    if (it != cells.end() && it->Col == Index) {
      ReleaseSlot(*it);
      cells.erase(it);
    }
    for (auto c = CellAt(cells, Index); c != cells.end(); ++c) --c->Col;
  });
}

void TSparseCellStore::ClearRow(int ARow, int From, bool Objects) {
  CheckIndex(ARow);
  ForEachRow(ARow, ARow, [&](int, TRowCells& cells) {
    for (auto cell = CellAt(cells, From); cell != cells.end(); ++cell) {
      cell->Text.clear();
      if (Objects) ReleaseSlot(*cell);
    }
    std::erase_if(cells, [](const TCell& c) { return c.Text.empty() && !c.Slot; });
  });
}

void TSparseCellStore::ClearCol(int ACol, int From, bool Objects) {
  CheckIndex(ACol);
  ForEachRow(std::max(From, 0), INT_MAX, [&](int, TRowCells& cells) {
    const auto cell = CellAt(cells, ACol);
    if (cell == cells.end() || cell->Col != ACol) return;
    cell->Text.clear();
    if (Objects) ReleaseSlot(*cell);
    if (!cell->Slot) cells.erase(cell);
  });
}

void TSparseCellStore::EraseRows(int FromRow, int ToRow) {
  CheckIndex(FromRow);
  ForEachRow(FromRow, ToRow, [&](int, TRowCells& cells) { EraseCells(cells, 0); });
}

void TSparseCellStore::ClearTexts(int Left, int Top, int Right, int Bottom) {
  CheckIndex(Left);
  CheckIndex(Top);
  if (Right < Left) return;
  ForEachRow(Top, Bottom, [&](int, TRowCells& cells) {
    for (auto cell = CellAt(cells, Left); cell != cells.end() && cell->Col <= Right; ++cell) cell->Text.clear();
    std::erase_if(cells, [](const TCell& c) { return c.Text.empty() && !c.Slot; });
  });
}

void TSparseCellStore::Clear() {
  FPages.clear();
  FObjects.clear();
  FFreeSlots.clear();
  FRowWidth = 0;
  Forget();
}

std::size_t TSparseCellStore::CellCount() const {
  std::size_t count = 0;
  ForEachRow(0, INT_MAX, [&count](int, const TRowCells& cells) { count += cells.size(); });
  return count;
}

void TSparseCellStore::ForEachObject(const std::function<void(int, int, TObject*)>& Visit) const {
  ForEachObjectInRows(0, INT_MAX, Visit);
}

void TSparseCellStore::ForEachObjectInRows(int FromRow, int ToRow,
                                           const std::function<void(int, int, TObject*)>& Visit) const {
  ForEachRow(FromRow, ToRow, [&](int row, const TRowCells& cells) {
    for (const TCell& cell : cells)
      if (cell.Slot) Visit(cell.Col, row, ObjectIn(cell));
  });
}

}  // namespace plat
