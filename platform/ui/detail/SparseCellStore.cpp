#include "platform/ui/detail/SparseCellStore.h"

#include <algorithm>

#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"

namespace plat {

namespace {

void CheckIndex(int Index) {
  if (Index < 0) throw EListError(FmtLoadResString(SListIndexError, {Index}));
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

}  // namespace

const TSparseCellStore::TCell* TSparseCellStore::Find(int ACol, int ARow) const {
  CheckIndex(ARow);
  CheckIndex(ACol);
  if (ARow != FReadRow) {
    const auto row = FRows.find(ARow);
    if (row == FRows.end()) return nullptr;
    FReadCells = &row->second;
    FReadRow = ARow;
  }
  const TRowCells& cells = *FReadCells;
  const auto it =
      std::lower_bound(cells.begin(), cells.end(), ACol, [](const TCell& c, int col) { return c.Col < col; });
  return it != cells.end() && it->Col == ACol ? &*it : nullptr;
}

TSparseCellStore::TRowCells& TSparseCellStore::RowCells(int ARow) {
  if (ARow != FCachedRow) {
    FCachedCells = &FRows[ARow];
    FCachedRow = ARow;
  }
  return *FCachedCells;
}

TSparseCellStore::TCell& TSparseCellStore::Cell(int ACol, int ARow) {
  CheckIndex(ARow);
  CheckIndex(ACol);
  TRowCells& cells = RowCells(ARow);
  // Cells are mostly written left to right: appending is the common case.
  if (cells.empty() || cells.back().Col < ACol) return cells.emplace_back(TCell{ACol, {}, nullptr});
  const auto it =
      std::lower_bound(cells.begin(), cells.end(), ACol, [](const TCell& c, int col) { return c.Col < col; });
  if (it != cells.end() && it->Col == ACol) return *it;
  return *cells.insert(it, TCell{ACol, {}, nullptr});
}

void TSparseCellStore::Prune(int ACol, int ARow) {
  const auto row = FRows.find(ARow);
  if (row == FRows.end()) return;
  TRowCells& cells = row->second;
  std::erase_if(cells, [ACol](const TCell& c) { return c.Col == ACol && c.Text.empty() && !c.Object; });
  if (cells.empty()) {
    FRows.erase(row);
    Forget();
  }
}

const String& TSparseCellStore::Text(int ACol, int ARow) const {
  const TCell* cell = Find(ACol, ARow);
  return cell ? cell->Text : EmptyText;
}

TObject* TSparseCellStore::Object(int ACol, int ARow) const {
  const TCell* cell = Find(ACol, ARow);
  return cell ? cell->Object : nullptr;
}

void TSparseCellStore::SetText(int ACol, int ARow, const String& Value) {
  if (Value.empty()) {
    if (!Find(ACol, ARow)) return;
    Cell(ACol, ARow).Text.clear();
    Prune(ACol, ARow);
    return;
  }
  Cell(ACol, ARow).Text = Value;
}

void TSparseCellStore::SetObject(int ACol, int ARow, TObject* Value) {
  if (!Value) {
    if (!Find(ACol, ARow)) return;
    Cell(ACol, ARow).Object = nullptr;
    Prune(ACol, ARow);
    return;
  }
  Cell(ACol, ARow).Object = Value;
}

void TSparseCellStore::MoveRows(int FromIndex, int Count, int ToIndex) {
  CheckIndex(FromIndex);
  CheckIndex(ToIndex);
  if (FromIndex == ToIndex || Count < 1) return;
  Forget();
  // Only the rows between the two places change their keys.
  const int low = std::min(FromIndex, ToIndex);
  const int high = std::max(FromIndex, ToIndex) + Count - 1;
  // The rows' nodes are taken out and put back under their new keys, so
  // no row's cells are copied or allocated again.
  for (auto it = FRows.lower_bound(low); it != FRows.end() && it->first <= high;) {
    auto next = std::next(it);
    auto node = FRows.extract(it);
    node.key() = MovedIndex(node.key(), FromIndex, Count, ToIndex);
    FMovedRows.push_back(std::move(node));
    it = next;
  }
  for (auto& node : FMovedRows) FRows.insert(std::move(node));
  FMovedRows.clear();
}

void TSparseCellStore::RenumberRows(int End, const std::function<int(int Key, bool& Moves)>& NewKey) {
  Forget();
  using TNode = std::map<int, TRowCells>::node_type;
  std::vector<TNode> staying, moving;
  for (auto it = FRows.begin(); it != FRows.end() && it->first < End;) {
    auto next = std::next(it);
    bool moves = false;
    auto node = FRows.extract(it);
    node.key() = NewKey(node.key(), moves);
    (moves ? moving : staying).push_back(std::move(node));
    it = next;
  }
  // Both runs ascend: merged, each node goes in just before the rows at or
  // after End, where the hint makes the insertion constant time.
  const auto tail = FRows.lower_bound(End);
  std::size_t i = 0, j = 0;
  while (i < staying.size() || j < moving.size()) {
    const bool fromStaying = j == moving.size() || (i < staying.size() && staying[i].key() < moving[j].key());
    FRows.insert(tail, std::move(fromStaying ? staying[i++] : moving[j++]));
  }
}

void TSparseCellStore::GatherRows(const std::vector<int>& Rows, int End) {
  if (Rows.empty()) return;
  const int first = End - static_cast<int>(Rows.size());
  // Keys come in ascending order: the listed rows below a key only grow.
  std::size_t below = 0;
  RenumberRows(End, [&](int Key, bool& Moves) {
    while (below < Rows.size() && Rows[below] < Key) ++below;
    Moves = below < Rows.size() && Rows[below] == Key;
    return Moves ? first + static_cast<int>(below) : Key - static_cast<int>(below);
  });
}

void TSparseCellStore::ScatterRows(const std::vector<int>& Rows, int End) {
  if (Rows.empty()) return;
  const int first = End - static_cast<int>(Rows.size());
  // The rows that stay ascend, so the places they skip only grow.
  std::size_t skipped = 0;
  RenumberRows(End, [&](int Key, bool& Moves) {
    Moves = Key >= first;
    if (Moves) return Rows[static_cast<std::size_t>(Key - first)];
    while (skipped < Rows.size() && Rows[skipped] <= Key + static_cast<int>(skipped)) ++skipped;
    return Key + static_cast<int>(skipped);
  });
}

void TSparseCellStore::TakeRows(int FromRow, int ToRow, const std::function<void(int, int, String&&, TObject*)>& Take) {
  CheckIndex(FromRow);
  if (ToRow < FromRow) return;
  Forget();
  const auto from = FRows.lower_bound(FromRow);
  const auto to = FRows.upper_bound(ToRow);
  for (auto it = from; it != to; ++it)
    for (TCell& cell : it->second) Take(cell.Col, it->first, std::move(cell.Text), cell.Object);
  FRows.erase(from, to);
}

void TSparseCellStore::MoveCols(int FromIndex, int Count, int ToIndex) {
  CheckIndex(FromIndex);
  CheckIndex(ToIndex);
  if (FromIndex == ToIndex || Count < 1) return;
  for (auto& [index, cells] : FRows) {
    bool touched = false;
    for (TCell& cell : cells) {
      const int moved = MovedIndex(cell.Col, FromIndex, Count, ToIndex);
      touched |= moved != cell.Col;
      cell.Col = moved;
    }
    if (touched) std::sort(cells.begin(), cells.end(), [](const TCell& a, const TCell& b) { return a.Col < b.Col; });
  }
}

void TSparseCellStore::DeleteRow(int Index) {
  CheckIndex(Index);
  Forget();
  FRows.erase(Index);
  std::vector<std::pair<int, TRowCells>> after;
  for (auto it = FRows.upper_bound(Index); it != FRows.end();) {
    after.emplace_back(it->first - 1, std::move(it->second));
    it = FRows.erase(it);
  }
  for (auto& [index, cells] : after) FRows.emplace(index, std::move(cells));
}

void TSparseCellStore::DeleteCol(int Index) {
  CheckIndex(Index);
  Forget();
  for (auto it = FRows.begin(); it != FRows.end();) {
    TRowCells& cells = it->second;
    std::erase_if(cells, [Index](const TCell& c) { return c.Col == Index; });
    for (TCell& cell : cells)
      if (cell.Col > Index) --cell.Col;
    it = cells.empty() ? FRows.erase(it) : std::next(it);
  }
}

void TSparseCellStore::ClearRow(int ARow, int From, bool Objects) {
  CheckIndex(ARow);
  const auto row = FRows.find(ARow);
  if (row == FRows.end()) return;
  for (TCell& cell : row->second) {
    if (cell.Col < From) continue;
    cell.Text.clear();
    if (Objects) cell.Object = nullptr;
  }
  std::erase_if(row->second, [](const TCell& c) { return c.Text.empty() && !c.Object; });
  if (row->second.empty()) {
    FRows.erase(row);
    Forget();
  }
}

void TSparseCellStore::ClearCol(int ACol, int From, bool Objects) {
  CheckIndex(ACol);
  std::vector<int> emptied;
  for (auto it = FRows.lower_bound(std::max(From, 0)); it != FRows.end(); ++it) {
    for (TCell& cell : it->second) {
      if (cell.Col != ACol) continue;
      cell.Text.clear();
      if (Objects) cell.Object = nullptr;
    }
    std::erase_if(it->second, [](const TCell& c) { return c.Text.empty() && !c.Object; });
    if (it->second.empty()) emptied.push_back(it->first);
  }
  for (int row : emptied) FRows.erase(row);
  if (!emptied.empty()) Forget();
}

void TSparseCellStore::EraseRows(int FromRow, int ToRow) {
  CheckIndex(FromRow);
  if (ToRow < FromRow) return;
  Forget();
  FRows.erase(FRows.lower_bound(FromRow), FRows.upper_bound(ToRow));
}

void TSparseCellStore::ClearTexts(int Left, int Top, int Right, int Bottom) {
  CheckIndex(Left);
  CheckIndex(Top);
  if (Right < Left || Bottom < Top) return;
  bool erased = false;
  for (auto it = FRows.lower_bound(Top); it != FRows.end() && it->first <= Bottom;) {
    TRowCells& cells = it->second;
    auto cell = std::lower_bound(cells.begin(), cells.end(), Left, [](const TCell& c, int col) { return c.Col < col; });
    for (; cell != cells.end() && cell->Col <= Right; ++cell) cell->Text.clear();
    std::erase_if(cells, [](const TCell& c) { return c.Text.empty() && !c.Object; });
    if (cells.empty()) {
      it = FRows.erase(it);
      erased = true;
    } else {
      ++it;
    }
  }
  if (erased) Forget();
}

std::size_t TSparseCellStore::CellCount() const {
  std::size_t count = 0;
  for (const auto& [index, cells] : FRows) count += cells.size();
  return count;
}

void TSparseCellStore::ForEachObject(const std::function<void(int, int, TObject*)>& Visit) const {
  for (const auto& [row, cells] : FRows)
    for (const TCell& cell : cells)
      if (cell.Object) Visit(cell.Col, row, cell.Object);
}

void TSparseCellStore::ForEachObjectInRows(int FromRow, int ToRow,
                                           const std::function<void(int, int, TObject*)>& Visit) const {
  if (ToRow < FromRow) return;
  for (auto it = FRows.lower_bound(FromRow); it != FRows.end() && it->first <= ToRow; ++it)
    for (const TCell& cell : it->second)
      if (cell.Object) Visit(cell.Col, it->first, cell.Object);
}

}  // namespace plat
