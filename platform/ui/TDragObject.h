#pragma once
// What is being dragged in a class-library drag: the source that the
// targets' OnDragOver and OnDragDrop receive, the cursor shown over a
// target, and what happens when the drag ends.
#include "platform/gdi/Geometry.h"
#include "platform/rtl/Object.h"
#include "platform/ui/ControlTypes.h"

namespace plat {

class TControl;

class TDragObject : public TObject {
 public:
  // The target under the mouse and the mouse position (screen
  // coordinates) as of the last move.
  TControl* DragTarget() const { return FDragTarget; }
  TPoint DragPos() const { return FDragPos; }
  // Whether the drag ended with a drop that the target accepted.
  bool Dropped() const { return FDropped; }

  // The cursor over a target that accepts (or refuses) the drop.
  virtual TCursor GetDragCursor(bool Accepted, int X, int Y);
  // The drag ended on Target (null: cancelled or no target) at X, Y in the
  // target's client coordinates.
  virtual void Finished(TObject* Target, int X, int Y, bool Accepted);
  // What the targets receive as Source.
  virtual TObject* SourceObject() { return this; }

 private:
  friend class TDragManager;

  TControl* FDragTarget = nullptr;
  TPoint FDragPos;
  bool FDropped = false;
};

// The drag object of a control dragged without one of its own: the
// targets receive the control itself as Source, the cursor is the
// control's DragCursor, and the control's OnEndDrag runs at the end.
class TDragControlObject : public TDragObject {
 public:
  explicit TDragControlObject(TControl* Control) : FControl(Control) {}

  TControl* Control() const { return FControl; }
  TCursor GetDragCursor(bool Accepted, int X, int Y) override;
  void Finished(TObject* Target, int X, int Y, bool Accepted) override;
  TObject* SourceObject() override;

 private:
  TControl* FControl;
};

}  // namespace plat
