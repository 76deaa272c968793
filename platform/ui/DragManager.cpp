#include "platform/ui/DragManager.h"

#include <cstdlib>
#include <memory>

#include "platform/ui/TDragObject.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TWinControl.h"
#include "platform/win/Cursors.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Mouse.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"

namespace plat {

namespace {

constexpr const char* kCaptureClass = "TDragCapture";

struct DragState {
  TControl* Control = nullptr;
  TDragObject* Object = nullptr;
  std::unique_ptr<TDragObject> OwnedObject;  // the one made when OnStartDrag gave none
  TPoint Start;
  int Threshold = TDragManager::DefaultThreshold;
  bool Started = false;
  bool Accepted = false;  // the target's last answer
  HWND CaptureWindow = nullptr;
};

std::unique_ptr<DragState> gDrag;

LRESULT CaptureWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  // The capture window sits at the screen's origin: its client points are screen points.
  switch (Msg) {
    case WM_MOUSEMOVE: TDragManager::MouseMoved(TMouseMessage::From(Msg, WParam, LParam).Pos); return 0;
    case WM_LBUTTONUP:
      TDragManager::MouseMoved(TMouseMessage::From(Msg, WParam, LParam).Pos);
      TDragManager::End(true);
      return 0;
    case WM_RBUTTONDOWN: TDragManager::End(false); return 0;
    case WM_CAPTURECHANGED:
      if (gDrag && gDrag->CaptureWindow == Window && reinterpret_cast<HWND>(LParam) != Window) TDragManager::End(false);
      return 0;
    default: return DefWindowProcA(Window, Msg, WParam, LParam);
  }
}

HWND MakeCaptureWindow() {
  if (!FindWindowClass(kCaptureClass)) {
    WNDCLASSA wc;
    wc.lpfnWndProc = CaptureWindowProc;
    wc.lpszClassName = kCaptureClass;
    RegisterClassA(&wc);
  }
  return CreateWindowExA(WS_EX_TOOLWINDOW, kCaptureClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

LRESULT SendDrag(TControl* Target, TDragMessage Step, const DragState& State, TPoint Screen) {
  TDragRec rec{Screen, State.Object, Target};
  return Target->Perform(CM_DRAG, static_cast<WPARAM>(Step), reinterpret_cast<LPARAM>(&rec));
}

void ShowDragCursor(const DragState& State, TPoint Screen) {
  if (!::plat::Screen) return;
  TPoint local = Screen;
  if (TControl* target = State.Object->DragTarget()) local = target->ScreenToClient(Screen);
  ::plat::SetCursor(::plat::Screen->Cursors(State.Object->GetDragCursor(State.Accepted, local.X, local.Y)));
}

}  // namespace

void TDragManager::StartDragging() {
  DragState& state = *gDrag;
  TDragObject* object = nullptr;
  state.Control->DoStartDrag(object);
  // OnStartDrag may have ended the drag.
  if (!gDrag) return;
  if (!object) {
    state.OwnedObject = std::make_unique<TDragControlObject>(state.Control);
    object = state.OwnedObject.get();
  }
  state.Object = object;
  state.Started = true;
}

void TDragManager::Begin(TControl* Control, bool Immediate, int Threshold) {
  if (gDrag || !Control) return;
  auto state = std::make_unique<DragState>();
  state->Control = Control;
  state->Threshold = Threshold < 0 ? DefaultThreshold : Threshold;
  // Where the mouse was for the message being handled (the press), not
  // where it has gone since.
  const DWORD pos = GetMessagePos();
  const TPoint p{static_cast<SHORT>(LOWORD(pos)), static_cast<SHORT>(HIWORD(pos))};
  state->Start = p;
  state->CaptureWindow = MakeCaptureWindow();
  if (!state->CaptureWindow) return;
  const HWND window = state->CaptureWindow;
  gDrag = std::move(state);
  SetCapture(window);
  if (Immediate) {
    StartDragging();
    if (gDrag && gDrag->Started) MouseMoved(p);
  }
}

void TDragManager::MouseMoved(TPoint At) {
  if (!gDrag) return;
  if (!gDrag->Started) {
    const TPoint moved = At - gDrag->Start;
    if (std::abs(moved.X) < gDrag->Threshold && std::abs(moved.Y) < gDrag->Threshold) return;
    StartDragging();
    if (!gDrag || !gDrag->Started) return;
  }
  DragState& state = *gDrag;
  TControl* target = FindDragTarget(At, false);
  TControl* previous = state.Object->DragTarget();
  state.Object->FDragPos = At;
  if (target != previous) {
    if (previous) SendDrag(previous, TDragMessage::dmDragLeave, state, At);
    if (!gDrag) return;
    state.Object->FDragTarget = target;
    state.Accepted = target && SendDrag(target, TDragMessage::dmDragEnter, state, At) != 0;
  } else if (target) {
    state.Accepted = SendDrag(target, TDragMessage::dmDragMove, state, At) != 0;
  }
  if (gDrag) ShowDragCursor(*gDrag, At);
}

void TDragManager::End(bool Drop) {
  if (!gDrag) return;
  // Taken out first: the handlers below may start another drag.
  std::unique_ptr<DragState> state = std::move(gDrag);
  if (GetCapture() == state->CaptureWindow) ReleaseCapture();
  DestroyWindow(state->CaptureWindow);
  if (!state->Started) return;
  TDragObject* object = state->Object;
  TControl* target = object->DragTarget();
  const TPoint screen = object->DragPos();
  const bool accepted = Drop && target && state->Accepted;
  TPoint local = screen;
  if (target) {
    local = target->ScreenToClient(screen);
    if (accepted)
      SendDrag(target, TDragMessage::dmDragDrop, *state, screen);
    else
      SendDrag(target, TDragMessage::dmDragLeave, *state, screen);
  }
  object->FDropped = accepted;
  object->Finished(accepted ? target : nullptr, local.X, local.Y, accepted);
  if (Screen) ::plat::SetCursor(Screen->Cursors(crDefault));
}

TControl* TDragManager::DragControl() { return gDrag ? gDrag->Control : nullptr; }

void TDragManager::ControlDestroyed(TControl* Control) {
  if (!gDrag) return;
  if (gDrag->Control == Control) {
    // Nothing is told to a control that is going away.
    std::unique_ptr<DragState> state = std::move(gDrag);
    if (GetCapture() == state->CaptureWindow) ReleaseCapture();
    DestroyWindow(state->CaptureWindow);
    return;
  }
  if (gDrag->Object && gDrag->Object->FDragTarget == Control) {
    gDrag->Object->FDragTarget = nullptr;
    gDrag->Accepted = false;
  }
}

// Drag objects.

TCursor TDragObject::GetDragCursor(bool Accepted, int, int) { return Accepted ? crDrag : crNoDrop; }

void TDragObject::Finished(TObject*, int, int, bool) {}

TCursor TDragControlObject::GetDragCursor(bool Accepted, int, int) {
  return Accepted ? FControl->DragCursor() : crNoDrop;
}

void TDragControlObject::Finished(TObject* Target, int X, int Y, bool) { FControl->DoEndDrag(Target, X, Y); }

TObject* TDragControlObject::SourceObject() { return FControl; }

}  // namespace plat
