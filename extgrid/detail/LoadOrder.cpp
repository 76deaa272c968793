#include "extgrid/detail/LoadOrder.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace zorbit::detail {

void TLoadOrder::Rebuild(int Count) {
  FOrder.resize(static_cast<std::size_t>(std::max(Count, 0)));
  std::iota(FOrder.begin(), FOrder.end(), 0);
  FNext = Count;
  FBuilt = true;
}

void TLoadOrder::Resized(int OldCount, int NewCount) {
  if (!InStep(OldCount) || NewCount < 0) return;
  if (NewCount < OldCount) {
    FOrder.resize(static_cast<std::size_t>(NewCount));
    return;
  }
  while (static_cast<int>(FOrder.size()) < NewCount) FOrder.push_back(FNext++);
}

void TLoadOrder::Exchanged(int Row1, int Row2, int Count) {
  if (!InStep(Count) || Row1 < 0 || Row2 < 0 || Row1 >= Count || Row2 >= Count) return;
  std::swap(FOrder[static_cast<std::size_t>(Row1)], FOrder[static_cast<std::size_t>(Row2)]);
}

void TLoadOrder::Moved(int FromIndex, int MoveCount, int ToIndex, int Count) {
  if (!InStep(Count) || MoveCount < 1 || FromIndex < 0 || ToIndex < 0 || FromIndex + MoveCount > Count ||
      ToIndex + MoveCount > Count)
    return;
  const auto at = [this](int Index) { return FOrder.begin() + Index; };
  if (FromIndex < ToIndex)
    std::rotate(at(FromIndex), at(FromIndex + MoveCount), at(ToIndex + MoveCount));
  else
    std::rotate(at(ToIndex), at(FromIndex), at(FromIndex + MoveCount));
}

void TLoadOrder::Gathered(const std::vector<int>& Rows, int Count) {
  if (!InStep(Count) || Rows.empty()) return;
  std::vector<int> staying, moving;
  staying.reserve(FOrder.size());
  std::size_t next = 0;
  for (int row = 0; row < Count; ++row) {
    const bool moves = next < Rows.size() && Rows[next] == row;
    (moves ? moving : staying).push_back(FOrder[static_cast<std::size_t>(row)]);
    if (moves) ++next;
  }
  staying.insert(staying.end(), moving.begin(), moving.end());
  FOrder = std::move(staying);
}

void TLoadOrder::Scattered(const std::vector<int>& Rows, int Count) {
  if (!InStep(Count) || Rows.empty() || Rows.size() > FOrder.size()) return;
  const std::size_t first = FOrder.size() - Rows.size();
  std::vector<int> order;
  order.reserve(FOrder.size());
  std::size_t stay = 0, scattered = 0;
  for (int row = 0; row < Count; ++row) {
    if (scattered < Rows.size() && Rows[scattered] == row)
      order.push_back(FOrder[first + scattered++]);
    else
      order.push_back(FOrder[stay++]);
  }
  FOrder = std::move(order);
}

}  // namespace zorbit::detail
