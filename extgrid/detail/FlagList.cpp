#include "extgrid/detail/FlagList.h"

#include <algorithm>

namespace zorbit::detail {

bool TFlagList::Set(int Index, bool Value) {
  if (Get(Index) == Value) return false;
  if (Index >= static_cast<int>(FFlags.size())) FFlags.resize(Index + 1, false);
  FFlags[Index] = Value;
  return true;
}

void TFlagList::Insert(int Index, int Count) {
  if (Count < 1 || Index < 0 || Index >= static_cast<int>(FFlags.size())) return;
  FFlags.insert(FFlags.begin() + Index, Count, false);
}

void TFlagList::Remove(int Index, int Count) {
  const int size = static_cast<int>(FFlags.size());
  if (Count < 1 || Index < 0 || Index >= size) return;
  FFlags.erase(FFlags.begin() + Index, FFlags.begin() + std::min(Index + Count, size));
}

void TFlagList::RemoveEach(const std::vector<int>& AscendingIndexes) {
  std::size_t kept = 0;
  auto gone = AscendingIndexes.begin();
  for (std::size_t i = 0; i < FFlags.size(); ++i) {
    while (gone != AscendingIndexes.end() && *gone < static_cast<int>(i)) ++gone;
    if (gone != AscendingIndexes.end() && *gone == static_cast<int>(i)) continue;
    FFlags[kept++] = FFlags[i];
  }
  FFlags.resize(kept);
}

std::vector<int> TFlagList::SetIndexes() const {
  std::vector<int> indexes;
  for (std::size_t i = 0; i < FFlags.size(); ++i)
    if (FFlags[i]) indexes.push_back(static_cast<int>(i));
  return indexes;
}

}  // namespace zorbit::detail
