#pragma once
// The grid's sort columns in order of precedence: each entry is a column
// number, with bit 31 set when that column sorts descending. Changes go
// through TIntList, so FlipDirection fires OnChange and AppendColumn does
// too.
#include <cstdint>

#include "grid/TIntList.h"

namespace zorbit {

class TSortIndexList : public TIntList {
 public:
  static constexpr std::uint32_t DescendingBit = 0x80000000u;

  using TIntList::TIntList;

  void AppendColumn(int ACol, bool Ascending);
  // The first entry of ACol whatever its direction, or -1.
  int IndexOfColumn(int ACol) const;
  // Turns the direction of ACol's first entry; nothing when ACol is absent.
  void FlipDirection(int ACol);
  // An entry's column and direction.
  static int ColumnOf(int Entry) { return static_cast<int>(static_cast<std::uint32_t>(Entry) & ~DescendingBit); }
  static bool IsAscending(int Entry) { return (static_cast<std::uint32_t>(Entry) & DescendingBit) == 0; }
};

}  // namespace zorbit
