#pragma once
// The advanced grid's own state for keys, the mouse and its timer: what the
// window procedure and the input overrides share between messages.
#include <cstdint>

#include "platform/rtl/Types.h"
#include "platform/ui/GridTypes.h"

namespace zorbit::detail {

struct TGridInputState {
  std::uint32_t Ticks = 0;
  plat::String IncrementalText;
  int IncrementalIdleTicks = 0;
  bool BlinkPhase = false;
  // Client width at the last WM_SIZE; -1 before the first.
  int LastWidth = -1;
  bool Sizing = false;
  // A child's WM_COMMAND is being handed back to it.
  bool ReflectingCommand = false;
  bool LeftButtonDown = false;
  // The cell under the mouse; (-1, -1) when the mouse is off the cells or
  // has left the grid. ListView headers show it hot (pressed while the left
  // button is down).
  plat::TGridCoord HoverCell{-1, -1};
  // Where Shift extends a disjunct selection by key from; -1 when none.
  int DisjunctRowAnchor = -1;
  int DisjunctColAnchor = -1;
  // The cell whose hint shows; (-1, -1) when none.
  plat::TGridCoord HintCell{-1, -1};
};

}  // namespace zorbit::detail
