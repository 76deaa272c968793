#include "platform/win/detail/DropTargets.h"

#include <map>

#include "platform/win/Display.h"
#include "platform/win/WindowPos.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

std::map<HWND, InterfacePtr<IDropTarget>>& Registrations() {
  static std::map<HWND, InterfacePtr<IDropTarget>> registrations;
  return registrations;
}

POINTL PointOf(TPoint screen) { return {screen.X, screen.Y}; }

// The passage of another program's drag, as the display feeds it.
DropTargetPassage& ExternalPassage() {
  static DropTargetPassage passage;
  return passage;
}

}  // namespace

HRESULT RegisterDragDrop(HWND window, IDropTarget* target) {
  if (!OleIsInitialized()) return E_OUTOFMEMORY;
  if (!target) return E_INVALIDARG;
  const Window* record = WindowManager::Instance().Find(window);
  if (!record || !record->IsAlive()) return DRAGDROP_E_INVALIDHWND;
  if (!Registrations().emplace(window, InterfacePtr<IDropTarget>(target)).second) return DRAGDROP_E_ALREADYREGISTERED;
  return S_OK;
}

HRESULT RevokeDragDrop(HWND window) {
  // The registration goes before the target hears of it: its Release may
  // free it, and it may register again from its destructor.
  const auto found = Registrations().find(window);
  if (found == Registrations().end()) return DRAGDROP_E_NOTREGISTERED;
  const InterfacePtr<IDropTarget> released = std::move(found->second);
  Registrations().erase(found);
  return S_OK;
}

InterfacePtr<IDropTarget> RegisteredDropTarget(HWND window) {
  const auto found = Registrations().find(window);
  return found == Registrations().end() ? InterfacePtr<IDropTarget>() : found->second;
}

HWND DropTargetWindowAt(TPoint screen) {
  const Window* w = WindowManager::Instance().Find(WindowFromPoint(screen));
  for (; w; w = w->IsChild() ? w->Parent : nullptr)
    if (Registrations().contains(w->Handle())) return w->Handle();
  return nullptr;
}

bool OwnWindowAt(TPoint screen) { return WindowFromPoint(screen) != nullptr; }

void DropTargetWindowGone(HWND window) { static_cast<void>(RevokeDragDrop(window)); }

DWORD AllowedEffect(DWORD effect, DWORD okEffects) {
  const DWORD action = effect & ~DROPEFFECT_SCROLL;
  return (action & ~okEffects) != 0 ? DROPEFFECT_NONE : action;
}

DWORD DropTargetPassage::Move(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects) {
  const HWND window = DropTargetWindowAt(screen);
  return MoveTo(window, RegisteredDropTarget(window).Get(), data, screen, keyState, okEffects);
}

DWORD DropTargetPassage::MoveTo(HWND window, IDropTarget* target, IDataObject* data, TPoint screen, DWORD keyState,
                                DWORD okEffects) {
  // The target is held for each call: it may revoke itself meanwhile.
  const InterfacePtr<IDropTarget> held(target);
  DWORD effect = okEffects;
  if (window != FWindow || target != FTarget.Get() || !FTarget) {
    Leave();
    if (!held) return DROPEFFECT_NONE;
    FWindow = window;
    FTarget = held;
    FLastEffect = SUCCEEDED(held->DragEnter(data, keyState, PointOf(screen), &effect)) ? effect : DROPEFFECT_NONE;
  } else {
    FLastEffect = SUCCEEDED(held->DragOver(keyState, PointOf(screen), &effect)) ? effect : DROPEFFECT_NONE;
  }
  return FLastEffect;
}

void DropTargetPassage::Leave() {
  FWindow = nullptr;
  FLastEffect = DROPEFFECT_NONE;
  if (InterfacePtr<IDropTarget> target = std::exchange(FTarget, {})) static_cast<void>(target->DragLeave());
}

DWORD DropTargetPassage::Drop(IDataObject* data, TPoint screen, DWORD keyState, DWORD okEffects) {
  const HWND window = DropTargetWindowAt(screen);
  return DropOn(window, RegisteredDropTarget(window).Get(), data, screen, keyState, okEffects);
}

DWORD DropTargetPassage::DropOn(HWND window, IDropTarget* target, IDataObject* data, TPoint screen, DWORD keyState,
                                DWORD okEffects) {
  // A release where no move message told the target of the point first
  // asks it as a move would.
  if (window != FWindow || target != FTarget.Get() || !FTarget) MoveTo(window, target, data, screen, keyState, okEffects);
  if (!FTarget || AllowedEffect(FLastEffect, okEffects) == DROPEFFECT_NONE) {
    Leave();
    return DROPEFFECT_NONE;
  }
  const InterfacePtr<IDropTarget> dropped = std::exchange(FTarget, {});
  FWindow = nullptr;
  FLastEffect = DROPEFFECT_NONE;
  DWORD effect = okEffects;
  if (FAILED(dropped->Drop(data, keyState, PointOf(screen), &effect))) return DROPEFFECT_NONE;
  return AllowedEffect(effect, okEffects);
}

DWORD FeedExternalDragOver(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) {
  if (!data) return DROPEFFECT_NONE;
  return AllowedEffect(ExternalPassage().Move(data, screenPoint, keyState, okEffects), okEffects);
}

void FeedExternalDragLeave() { ExternalPassage().Leave(); }

DWORD FeedExternalDrop(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) {
  if (!data) {
    ExternalPassage().Leave();
    return DROPEFFECT_NONE;
  }
  return ExternalPassage().Drop(data, screenPoint, keyState, okEffects);
}

}  // namespace plat
