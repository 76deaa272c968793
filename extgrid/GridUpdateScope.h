#pragma once
// TGridUpdateScope: the grid's update bracket held for a scope. The
// constructor calls BeginUpdate, the destructor the matching EndUpdate, so a
// long operation that throws still leaves the grid repainting.
#include "extgrid/TExtStringGrid.h"

namespace zorbit {

class TGridUpdateScope {
 public:
  explicit TGridUpdateScope(TExtStringGrid& Grid) : FGrid(Grid) { FGrid.BeginUpdate(); }
  ~TGridUpdateScope() { FGrid.EndUpdate(); }
  TGridUpdateScope(const TGridUpdateScope&) = delete;
  TGridUpdateScope& operator=(const TGridUpdateScope&) = delete;

 private:
  TExtStringGrid& FGrid;
};

}  // namespace zorbit
