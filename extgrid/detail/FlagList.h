#pragma once
// A growable list of flags, one an index: indexes beyond its end
// read as unset, and setting one grows the list. Inserting and removing
// keep each flag with its row or column as those move.
#include <vector>

namespace zorbit::detail {

class TFlagList {
 public:
  // Index must not be negative.
  bool Get(int Index) const { return Index < static_cast<int>(FFlags.size()) && FFlags[Index]; }
  // True when the flag changed.
  bool Set(int Index, bool Value);
  // Count unset flags at Index; nothing happens at or beyond the end.
  void Insert(int Index, int Count);
  // Flags Index..Index+Count-1, as far as present; the later ones move down.
  void Remove(int Index, int Count);
  // The flags at the given ascending indexes, in one pass.
  void RemoveEach(const std::vector<int>& AscendingIndexes);
  // Every set index, ascending.
  std::vector<int> SetIndexes() const;
  void Clear() { FFlags.clear(); }

 private:
  std::vector<bool> FFlags;
};

}  // namespace zorbit::detail
