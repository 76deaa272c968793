#pragma once
// The class library's drag and drop: one drag at a time, driven by the
// mouse through a hidden window that holds the capture while it runs.
// Targets hear CM_DRAG (enter, move, leave, drop) and decide in DragOver;
// the pointer shows the drag object's cursor; Escape, the right button or a
// lost capture cancel.
#include "platform/gdi/Geometry.h"

namespace plat {

class TControl;

class TDragManager {
 public:
  // The distance the mouse moves before a drag that was not immediate starts.
  static constexpr int DefaultThreshold = 5;

  // Starts a drag of Control (ignored while another runs).
  static void Begin(TControl* Control, bool Immediate, int Threshold);
  // Ends the drag: Drop drops on the target under the mouse when it accepts.
  static void End(bool Drop);
  // The control being dragged (also while waiting for the threshold), or null.
  static TControl* DragControl();
  static void ControlDestroyed(TControl* Control);

  // The mouse moved to (or was released at) a screen point.
  static void MouseMoved(TPoint At);

 private:
  // The threshold was passed (or the drag is immediate): OnStartDrag.
  static void StartDragging();
};

}  // namespace plat
