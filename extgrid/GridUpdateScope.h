#pragma once
// TGridUpdateScope: the grid's update bracket held for a scope. The
// constructor calls BeginUpdate (in the form asked for), the destructor the
// matching EndUpdate, so a long operation that throws still leaves the grid
// repainting.
#include "extgrid/TExtStringGrid.h"

namespace zorbit {

class TGridUpdateScope {
 public:
  explicit TGridUpdateScope(TExtStringGrid& Grid,
                            TExtStringGrid::TUpdateSuspension How = TExtStringGrid::TUpdateSuspension::usStopRedraw)
      : FGrid(Grid) {
    FGrid.BeginUpdate(How);
  }
  ~TGridUpdateScope() { FGrid.EndUpdate(); }
  TGridUpdateScope(const TGridUpdateScope&) = delete;
  TGridUpdateScope& operator=(const TGridUpdateScope&) = delete;

 private:
  TExtStringGrid& FGrid;
};

}  // namespace zorbit
