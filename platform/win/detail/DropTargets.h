#pragma once
// The drop targets windows registered (RegisterDragDrop), and the passage
// of one drag over them: which target the pointer is over and what it last
// answered. Our own drags (the drag loop) and other programs' drags (fed
// by the display) go through the same passage.
#include "platform/gdi/Geometry.h"
#include "platform/win/DragDrop.h"

namespace plat {

// The window's registered target, or null.
InterfacePtr<IDropTarget> RegisteredDropTarget(HWND window);
// The registered window under a screen point: the window there, or its
// nearest registered parent; null when none takes drops.
HWND DropTargetWindowAt(TPoint screen);
// Whether a window of this program is under a screen point (registered or not).
bool OwnWindowAt(TPoint screen);
// Forgets the window's registration (the window is being destroyed).
void DropTargetWindowGone(HWND window);

// An effect outside the allowed ones counts as none.
DWORD AllowedEffect(DWORD effect, DWORD okEffects);

class DropTargetPassage {
 public:
  DropTargetPassage() = default;
  DropTargetPassage(const DropTargetPassage&) = delete;
  DropTargetPassage& operator=(const DropTargetPassage&) = delete;
  ~DropTargetPassage() { Leave(); }

  // The pointer is at a screen point: the target there hears DragEnter or
  // DragOver, the one left DragLeave. Answers the effect the target
  // answered, none where no target is.
  DWORD Move(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects);
  // The same with the target given: a window's (or none), or the
  // desktop's in the headless display (window null).
  DWORD MoveTo(HWND window, IDropTarget* target, IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects);
  // The drag left our windows or ended: the current target hears DragLeave.
  void Leave();
  // Released at the point: the target there gets Drop when its last answer
  // was an allowed effect, else DragLeave. Answers the allowed effect of
  // the drop (none without one). The passage is over afterwards.
  DWORD Drop(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects);
  DWORD DropOn(HWND window, IDropTarget* target, IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects);

 private:
  HWND FWindow = nullptr;
  InterfacePtr<IDropTarget> FTarget;
  DWORD FLastEffect = DROPEFFECT_NONE;
};

}  // namespace plat
