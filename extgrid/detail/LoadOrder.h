#pragma once
// The load-order list: for each row of the grid, a number that says where
// the row came from, so that the rows can be put back into the order they
// were loaded in. Built as 0..Count-1; rows added later get numbers above
// every one given before, so they sort after the older rows. Every change
// of the rows (exchanges, moves, gathering, scattering, growing and
// shrinking at the end) keeps the list in step, but only while it is: a
// list whose length no longer matches the rows it was told of is left as it
// is until it is built again.
#include <vector>

namespace zorbit::detail {

class TLoadOrder {
 public:
  // Numbers 0..Count-1; later rows continue from Count.
  void Rebuild(int Count);
  // Built, and as long as the rows.
  bool InStep(int Count) const { return FBuilt && static_cast<int>(FOrder.size()) == Count; }
  const std::vector<int>& Order() const { return FOrder; }

  // The grid's count went from OldCount to NewCount at its end.
  void Resized(int OldCount, int NewCount);
  // Rows, of Count rows in all, as the grid moved them (see TCustomGrid).
  void Exchanged(int Row1, int Row2, int Count);
  void Moved(int FromIndex, int MoveCount, int ToIndex, int Count);
  void Gathered(const std::vector<int>& Rows, int Count);
  void Scattered(const std::vector<int>& Rows, int Count);

 private:
  std::vector<int> FOrder;
  int FNext = 0;
  bool FBuilt = false;
};

}  // namespace zorbit::detail
