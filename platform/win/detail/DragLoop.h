#pragma once
// The modal loop of DoDragDrop (DragDrop.h): a hidden window of its own
// holds the capture while the loop reads input off the thread's queue;
// input is the drag's (never dispatched), other messages are dispatched as
// usual. Over our windows the drop-target passage runs; elsewhere the
// display's desktop takes the drag. One drag at a time per thread.
#include "platform/win/DragDrop.h"
#include "platform/win/detail/DropTargets.h"

namespace plat {

class DragLoop {
 public:
  DragLoop(IDataObject* data, IDropSource* source, DWORD okEffects);
  DragLoop(const DragLoop&) = delete;
  DragLoop& operator=(const DragLoop&) = delete;
  ~DragLoop();

  static bool Running();
  HRESULT Run(DWORD* effect);

 private:
  // One input step at a screen point; ends the loop on a drop or cancel.
  void Step(TPoint screen, bool escapePressed);
  DWORD Over(TPoint screen, DWORD keyState);
  DWORD DropAt(TPoint screen, DWORD keyState);
  void LeaveAll();
  void Feedback(DWORD effect);

  InterfacePtr<IDataObject> FData;
  InterfacePtr<IDropSource> FSource;
  DWORD FOkEffects;
  DropTargetPassage FPassage;
  bool FOnDesktop = false;
  HWND FTracker = nullptr;
  HRESULT FResult = S_OK;
  DWORD FEffect = DROPEFFECT_NONE;
  bool FDone = false;
};

// The standard cursor shown for a drag's effect.
HCURSOR DefaultDragCursor(DWORD effect);

}  // namespace plat
