#include "platform/win/Focus.h"

#include "platform/win/detail/Activation.h"
#include "platform/win/detail/ForeignWindows.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/Messages.h"
#include "platform/win/Mouse.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/MenuTracker.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/detail/WindowPlacement.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/detail/ZOrder.h"

namespace plat {
namespace {

bool CanActivate(const Window* w) {
  return w && w->IsAlive() && w->IsVisibleStyle() && !w->IsDisabledStyle() &&
         WindowManager::Instance().IsDesktop(w->Parent) && !(w->ExStyle & WS_EX_NOACTIVATE);
}

// Moves the focus without asking anyone: the messages go to both windows.
void MoveFocus(Window* to) {
  WindowManager& wm = WindowManager::Instance();
  const HWND old = wm.Focus;
  const HWND target = to ? to->Handle() : nullptr;
  if (old == target) return;
  wm.Focus = target;
  if (Window* o = wm.Find(old)) Deliver(o, WM_KILLFOCUS, reinterpret_cast<WPARAM>(target), 0, false);
  if (to && wm.Focus == target && to->IsAlive()) Deliver(to, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0, false);
}

}  // namespace

Window* EnabledPopup(Window* owner) {
  for (Window* w : WindowManager::Instance().Desktop()->Children) {
    if (w->Owner != owner || !w->IsAlive() || !w->IsVisibleStyle() || w->IsDisabledStyle()) continue;
    Window* deeper = EnabledPopup(w);
    return deeper ? deeper : w;
  }
  return nullptr;
}

bool ActivateWindow(Window* root, Word how) {
  WindowManager& wm = WindowManager::Instance();
  if (root && !CanActivate(root)) return false;
  const HWND newHandle = root ? root->Handle() : nullptr;
  const HWND oldHandle = wm.Active;
  if (newHandle == oldHandle) return true;
  const std::shared_ptr<Window> keepNew = wm.Keep(root);
  Window* old = wm.Find(oldHandle);
  const std::shared_ptr<Window> keepOld = wm.Keep(old);

  if (root && !IsRaised(root)) PlaceWindow(root, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  wm.Active = newHandle;
  // A menu lives only as long as its window stays active.
  if (MenuTracker* menu = MenuTracker::Current()) menu->Cancel();
  if (old) {
    Deliver(old, WM_NCACTIVATE, 0, 0, false);
    Deliver(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, old->IsMinimized() ? 1 : 0), reinterpret_cast<LPARAM>(newHandle),
            false);
  }
  if (!oldHandle != !newHandle) {
    // The program as a whole gains or loses the activation.
    std::vector<HWND> tops;
    for (Window* t : wm.Desktop()->Children) tops.push_back(t->Handle());
    for (HWND h : tops)
      if (Window* t = wm.Find(h)) Deliver(t, WM_ACTIVATEAPP, newHandle ? 1 : 0, 0, false);
  }
  if (!root) {
    MoveFocus(nullptr);
    return true;
  }
  if (wm.Active != newHandle || !root->IsAlive()) return false;
  Deliver(root, WM_NCACTIVATE, 1, 0, false);
  Deliver(root, WM_ACTIVATE, MAKEWPARAM(how, root->IsMinimized() ? 1 : 0), reinterpret_cast<LPARAM>(oldHandle), false);
  if (wm.Active != newHandle || !root->IsAlive()) return false;
  // The focus follows into the new active window unless it is there already.
  Window* focus = wm.Find(wm.Focus);
  if (!focus || !root->Contains(focus)) MoveFocus(root->IsMinimized() ? nullptr : root);
  wm.AnnounceRaised(root);
  wm.AnnounceActivated(root);
  return true;
}

void ActivateOtherWindow(Window* leaving) {
  WindowManager& wm = WindowManager::Instance();
  Window* next = nullptr;
  if (leaving && leaving->Owner && leaving->Owner != leaving && CanActivate(leaving->Owner) &&
      !leaving->Owner->IsMinimized())
    next = leaving->Owner;
  if (!next) {
    for (Window* w : wm.Desktop()->Children) {
      if (w != leaving && CanActivate(w) && !w->IsMinimized() && !(w->ExStyle & WS_EX_TOOLWINDOW)) {
        next = w;
        break;
      }
    }
  }
  if (!next || !ActivateWindow(next, WA_ACTIVE)) ActivateWindow(nullptr, WA_INACTIVE);
}

HWND SetFocus(HWND window) {
  WindowManager& wm = WindowManager::Instance();
  const HWND old = wm.Focus;
  if (!window) {
    MoveFocus(nullptr);
    return old;
  }
  Window* w = wm.FindOrFail(window);
  if (!w || !w->IsAlive()) return nullptr;
  for (Window* a = w; a->Parent && a->Parent->Parent; a = a->Parent)
    if (a->IsDisabledStyle() || a->IsMinimized()) return nullptr;
  const std::shared_ptr<Window> keep = wm.Keep(w);
  Window* root = w->Root();
  if (wm.IsDesktop(root->Parent) && root->Handle() != wm.Active && !ActivateWindow(root, WA_ACTIVE)) return nullptr;
  if (!w->IsAlive()) return nullptr;
  MoveFocus(w);
  return old;
}

HWND GetFocus() { return WindowManager::Instance().Focus; }

HWND SetActiveWindow(HWND window) {
  WindowManager& wm = WindowManager::Instance();
  const HWND old = wm.Active;
  if (!window) {
    ActivateWindow(nullptr, WA_INACTIVE);
    return old;
  }
  Window* w = wm.FindOrFail(window);
  if (!w || !ActivateWindow(w->Root(), WA_ACTIVE)) return nullptr;
  return old;
}

HWND GetActiveWindow() { return WindowManager::Instance().Active; }

bool SetForegroundWindow(HWND window) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.Find(window);
  if (!w) {
    ForeignWindows* foreign = ForeignFor(window);
    return foreign && foreign->SetForegroundWindow(window);
  }
  Window* root = w->Root();
  if (!ActivateWindow(root, WA_ACTIVE)) return false;
  // Also when it was active already: the foreground window has the keyboard.
  wm.AnnounceRaised(root);
  wm.AnnounceActivated(root);
  return true;
}

HWND GetForegroundWindow() { return WindowManager::Instance().Active; }

bool EnableWindow(HWND window, bool enable) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(window);
  if (!w) return false;
  const bool wasDisabled = w->IsDisabledStyle();
  if (wasDisabled != enable) return wasDisabled;
  const std::shared_ptr<Window> keep = wm.Keep(w);
  if (!enable) {
    if (Window* capture = wm.Find(wm.Capture); capture && w->Contains(capture))
      Deliver(capture, WM_CANCELMODE, 0, 0, false);
    w->Style |= WS_DISABLED;
    if (Window* focus = wm.Find(wm.Focus); focus && w->Contains(focus)) MoveFocus(nullptr);
  } else {
    w->Style &= ~WS_DISABLED;
  }
  if (w->IsAlive()) Deliver(w, WM_ENABLE, enable ? 1 : 0, 0, false);
  return wasDisabled;
}

bool IsWindowEnabled(HWND window) {
  Window* w = WindowManager::Instance().Find(window);
  return w && !w->IsDisabledStyle();
}

}  // namespace plat
