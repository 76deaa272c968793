#pragma once
// The class library's own pointers, which the platform has no standard
// shapes for: dragging one item or several, and the two splitters. Made by
// the screen object, which frees them.
#include <vector>

#include "platform/ui/ControlTypes.h"
#include "platform/win/WinTypes.h"

namespace plat {

struct TOwnCursor {
  TCursor Index;
  HCURSOR Handle;
};

// crDrag, crMultiDrag, crHSplit and crVSplit; the caller destroys them.
std::vector<TOwnCursor> CreateOwnCursors();

}  // namespace plat
