#include "grid/TSortIndexList.h"

namespace zorbit {

void TSortIndexList::AppendColumn(int ACol, bool Ascending) {
  const std::uint32_t entry = static_cast<std::uint32_t>(ACol) | (Ascending ? 0u : DescendingBit);
  Add(static_cast<int>(entry));
}

int TSortIndexList::IndexOfColumn(int ACol) const {
  for (int i = 0; i < Count(); ++i)
    if (ColumnOf(Item(i)) == ACol) return i;
  return -1;
}

void TSortIndexList::FlipDirection(int ACol) {
  const int index = IndexOfColumn(ACol);
  if (index < 0) return;
  SetItem(index, static_cast<int>(static_cast<std::uint32_t>(Item(index)) ^ DescendingBit));
}

}  // namespace zorbit
