#include "platform/win/WindowPos.h"

#include <algorithm>

#include "platform/win/detail/Activation.h"
#include "platform/win/detail/DefaultFrame.h"
#include "platform/win/Focus.h"
#include "platform/win/detail/ForeignWindows.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/Messages.h"
#include "platform/win/detail/PaintEngine.h"
#include "platform/win/Painting.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinErrors.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/detail/WindowPlacement.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/detail/ZOrder.h"

namespace plat {
namespace {

// Flags SetWindowPos adds for WM_WINDOWPOSCHANGED: the client area did not
// move or change size, so the default handling sends no WM_MOVE or WM_SIZE.
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

constexpr int MaxWindowSide = 32767;
constexpr int MaxWindowPosition = 1 << 24;
const TSize MinimizedSize{160, 24};
constexpr int MinimizedPosition = -32000;

// The area a window covered in its parent, in the parent's window coordinates.
Region AreaInParent(Window* w) {
  Region area = VisibleRegion(w, false, false, false);
  const TPoint parentOrigin = w->Parent->OriginInRoot();
  area.Offset(-parentOrigin.X, -parentOrigin.Y);
  return area;
}

Window* FocusHolder() { return WindowManager::Instance().Find(WindowManager::Instance().Focus); }

}  // namespace

bool PlaceWindow(Window* w, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WindowManager& wm = WindowManager::Instance();
  const std::shared_ptr<Window> keep = wm.Keep(w);
  if (!w->Parent) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  const bool wasVisible = w->IsVisibleStyle();
  if (wasVisible) flags &= ~SWP_SHOWWINDOW;
  if (!wasVisible) flags &= ~SWP_HIDEWINDOW;

  WINDOWPOS wp;
  wp.hwnd = w->Handle();
  wp.hwndInsertAfter = insertAfter;
  wp.x = (flags & SWP_NOMOVE) ? w->Rect.Left : x;
  wp.y = (flags & SWP_NOMOVE) ? w->Rect.Top : y;
  wp.cx = (flags & SWP_NOSIZE) ? w->Rect.Width() : cx;
  wp.cy = (flags & SWP_NOSIZE) ? w->Rect.Height() : cy;
  wp.flags = flags;
  if (!(flags & SWP_NOSENDCHANGING)) {
    Deliver(w, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp), false);
    if (!w->IsAlive() && w->Stage != Window::Life::Destroying) return false;
    flags = wp.flags;
  }
  wp.cx = std::clamp(wp.cx, 0, MaxWindowSide);
  wp.cy = std::clamp(wp.cy, 0, MaxWindowSide);
  wp.x = std::clamp(wp.x, -MaxWindowPosition, MaxWindowPosition);
  wp.y = std::clamp(wp.y, -MaxWindowPosition, MaxWindowPosition);

  const TRect oldRect = w->Rect;
  const TRect oldClient = w->Client;
  const TPoint oldClientOnScreen = w->ClientScreenOrigin();
  const TRect newRect{wp.x, wp.y, wp.x + wp.cx, wp.y + wp.cy};
  const bool moved = newRect.TopLeft() != oldRect.TopLeft();
  const bool sized = newRect.Width() != oldRect.Width() || newRect.Height() != oldRect.Height();
  const bool frameChanged = (flags & SWP_FRAMECHANGED) != 0;

  TRect newClient = oldClient.Translated(newRect.Left - oldRect.Left, newRect.Top - oldRect.Top);
  if (sized || frameChanged) {
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = newRect;
    params.rgrc[1] = oldRect;
    params.rgrc[2] = oldClient;
    params.lppos = &wp;
    Deliver(w, WM_NCCALCSIZE, 1, reinterpret_cast<LPARAM>(&params), false);
    if (!w->IsAlive() && w->Stage != Window::Life::Destroying) return false;
    newClient = params.rgrc[0].Normalized().Intersected(newRect);
    if (newClient.IsEmpty()) newClient = {newRect.Left, newRect.Top, newRect.Left, newRect.Top};
  }

  // What the window covered before, for the parent to repaint.
  const bool child = !w->IsTopLevel();
  const bool redraw = !(flags & SWP_NOREDRAW);
  Region oldArea;
  if (child && wasVisible && redraw) oldArea = AreaInParent(w);

  w->Rect = newRect;
  w->Client = newClient;
  const bool reordered = !(flags & SWP_NOZORDER) && PlaceInZOrder(w, wp.hwndInsertAfter);
  const bool shown = (flags & SWP_SHOWWINDOW) != 0;
  const bool hidden = (flags & SWP_HIDEWINDOW) != 0;
  if (shown) w->Style |= WS_VISIBLE;
  if (hidden) w->Style &= ~WS_VISIBLE;

  if (w->IsTopLevel() && w->Surface) {
    if (sized) SizeSurface(w);
    if (moved || sized) wm.AnnounceMoved(w);
    if (shown || hidden) wm.AnnounceShown(w);
    if (reordered && IsRaised(w)) wm.AnnounceRaised(w);
  }
  if (moved || sized || reordered || shown || hidden || frameChanged) RefreshWindowDCs();

  // Repaint what the change uncovered or brought.
  if (redraw) {
    if (!oldArea.IsEmpty() && (moved || sized || hidden || reordered))
      ChangeUpdate(w->Parent, &oldArea, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    if (w->IsVisibleStyle()) {
      const bool stretch = (w->Class->Style & (CS_HREDRAW | CS_VREDRAW)) != 0;
      if (shown || reordered || (child && moved) || (sized && stretch)) {
        ChangeUpdate(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      } else if (sized || frameChanged) {
        // The frame moves with the size; of the client area, only what is new.
        Region fresh = Region(w->ClientInWindow());
        if (!frameChanged) {
          const TRect kept = w->ClientInWindow();
          fresh = fresh.Subtracted(Region(Bounds(kept.Left, kept.Top, std::min(kept.Width(), oldClient.Width()),
                                                 std::min(kept.Height(), oldClient.Height()))));
        }
        const Region frame = Region(w->WindowBounds()).Subtracted(Region(w->ClientInWindow()));
        const Region area = fresh.United(frame);
        ChangeUpdate(w, &area, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      }
    }
  }

  // Showing or raising a top-level window activates it unless told not to.
  if (!hidden && !(flags & SWP_NOACTIVATE) && w->IsTopLevel() && w->IsVisibleStyle() && wm.IsDesktop(w->Parent))
    ActivateWindow(w, WA_ACTIVE);
  if (!w->IsAlive() && w->Stage != Window::Life::Destroying) return true;

  // A window being shown has its frame and background drawn at once.
  if (shown && !(flags & SWP_DEFERERASE)) PaintNow(w, RDW_ERASENOW);
  if (!w->IsAlive() && w->Stage != Window::Life::Destroying) return true;

  wp.x = w->Rect.Left;
  wp.y = w->Rect.Top;
  wp.cx = w->Rect.Width();
  wp.cy = w->Rect.Height();
  wp.flags = flags;
  if (w->ClientScreenOrigin() == oldClientOnScreen && !moved) wp.flags |= SWP_NOCLIENTMOVE;
  if (w->Client.Width() == oldClient.Width() && w->Client.Height() == oldClient.Height()) wp.flags |= SWP_NOCLIENTSIZE;
  if (!moved) wp.flags |= SWP_NOMOVE;
  if (!sized) wp.flags |= SWP_NOSIZE;
  Deliver(w, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp), false);

  // A hidden window hands the activation and the focus on.
  if (hidden) {
    if (wm.IsDesktop(w->Parent) && wm.Active == w->Handle()) ActivateOtherWindow(w);
    if (Window* focus = FocusHolder(); focus && w->Contains(focus))
      SetFocus(child && w->Parent && w->Parent->Parent ? w->Parent->Handle() : nullptr);
  }
  return true;
}

namespace {

// The placement of a maximized window: the parent's client area (the work
// area for a top-level window) with the frame hanging outside it.
TRect MaximizedRect(Window* w) {
  const int border = LayOutFrame(w->Style, w->ExStyle, {0, 0, 100, 100}).Border;
  const TRect area = w->IsTopLevel() ? CurrentDisplay().WorkArea()
                                     : w->Parent->Client.Translated(-w->Parent->Client.Left, -w->Parent->Client.Top);
  MINMAXINFO mmi;
  mmi.ptMaxSize = {area.Width() + 2 * border, area.Height() + 2 * border};
  mmi.ptMaxPosition = {area.Left - border, area.Top - border};
  mmi.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  Deliver(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), false);
  return Bounds(mmi.ptMaxPosition.X, mmi.ptMaxPosition.Y, mmi.ptMaxSize.X, mmi.ptMaxSize.Y);
}

}  // namespace

bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  if ((flags & SWP_SHOWWINDOW) && (flags & SWP_HIDEWINDOW)) {
    SetLastError(ERROR_INVALID_FLAGS);
    return false;
  }
  return PlaceWindow(w, insertAfter, x, y, width, height, flags);
}

bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint) {
  return SetWindowPos(window, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool ShowWindow(HWND window, int command) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.Find(window);
  if (!w) {
    ForeignWindows* foreign = ForeignFor(window);
    return foreign && foreign->ShowWindow(window, command);
  }
  const std::shared_ptr<Window> keep = wm.Keep(w);
  const bool wasVisible = w->IsVisibleStyle();
  const bool child = w->IsChild();
  UINT flags = SWP_NOSIZE | SWP_NOMOVE;
  if (child) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  enum class State { Keep, Normal, Minimized, Maximized } state = State::Keep;
  bool show = true;
  switch (command) {
    case SW_HIDE:
      if (!wasVisible) return false;
      show = false;
      flags = SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
      break;
    case SW_SHOWMINNOACTIVE:
    case SW_MINIMIZE:
    case SW_FORCEMINIMIZE: flags |= SWP_NOACTIVATE; [[fallthrough]];
    case SW_SHOWMINIMIZED: state = State::Minimized; break;
    case SW_SHOWMAXIMIZED: state = State::Maximized; break;
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE: flags |= SWP_NOACTIVATE | (command == SW_SHOWNA ? SWP_NOZORDER : 0); break;
    case SW_SHOW: break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
      if (w->IsMinimized() || w->IsMaximized()) state = State::Normal;
      break;
    default: SetLastError(ERROR_INVALID_PARAMETER); return false;
  }
  if (show && !wasVisible) flags |= SWP_SHOWWINDOW;
  if (show != wasVisible) {
    Deliver(w, WM_SHOWWINDOW, show ? 1 : 0, 0, false);
    if (!w->IsAlive()) return wasVisible;
  }

  TRect target = w->Rect;
  const bool inNormalState = !w->IsMinimized() && !w->IsMaximized();
  switch (state) {
    case State::Keep: break;
    case State::Normal:
      w->Style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
      target = w->RestoreRect;
      flags &= ~(SWP_NOSIZE | SWP_NOMOVE);
      flags |= SWP_FRAMECHANGED;
      break;
    case State::Maximized:
      if (inNormalState) w->RestoreRect = w->Rect;
      w->Style = (w->Style & ~WS_MINIMIZE) | WS_MAXIMIZE;
      target = MaximizedRect(w);
      flags &= ~(SWP_NOSIZE | SWP_NOMOVE);
      flags |= SWP_FRAMECHANGED;
      break;
    case State::Minimized:
      if (inNormalState) w->RestoreRect = w->Rect;
      w->Style = (w->Style & ~WS_MAXIMIZE) | WS_MINIMIZE;
      target = Bounds(MinimizedPosition, MinimizedPosition, MinimizedSize.cx, MinimizedSize.cy);
      flags &= ~(SWP_NOSIZE | SWP_NOMOVE);
      flags |= SWP_FRAMECHANGED | SWP_NOACTIVATE;
      break;
  }
  if (!w->IsAlive()) return wasVisible;
  PlaceWindow(w, HWND_TOP, target.Left, target.Top, target.Width(), target.Height(), flags);
  if (state == State::Minimized && w->IsAlive() && wm.Active == w->Handle()) ActivateOtherWindow(w);
  return wasVisible;
}

bool BringWindowToTop(HWND window) {
  if (!WindowManager::Instance().Find(window)) {
    ForeignWindows* foreign = ForeignFor(window);
    return foreign && foreign->BringWindowToTop(window);
  }
  return SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool AnimateWindow(HWND window, DWORD, DWORD flags) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return false;
  const bool hide = (flags & AW_HIDE) != 0;
  if (w->IsVisibleStyle() != hide) return false;
  ShowWindow(window, hide ? SW_HIDE : (flags & AW_ACTIVATE) ? SW_SHOW : SW_SHOWNA);
  return true;
}

bool IsWindowVisible(HWND window) {
  Window* w = WindowManager::Instance().Find(window);
  if (!w) {
    ForeignWindows* foreign = ForeignFor(window);
    return foreign && foreign->IsWindowVisible(window);
  }
  return w->IsShowing();
}

bool IsIconic(HWND window) {
  Window* w = WindowManager::Instance().Find(window);
  return w && w->IsMinimized();
}

bool IsZoomed(HWND window) {
  Window* w = WindowManager::Instance().Find(window);
  return w && w->IsMaximized();
}

bool GetWindowRect(HWND window, RECT* rect) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w || !rect) return false;
  *rect = w->Parent ? w->ScreenRect() : w->Rect;
  return true;
}

bool GetClientRect(HWND window, RECT* rect) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w || !rect) return false;
  *rect = {0, 0, w->Client.Width(), w->Client.Height()};
  return true;
}

bool ClientToScreen(HWND window, POINT* point) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w || !point) return false;
  if (w->Parent) *point = *point + w->ClientScreenOrigin();
  return true;
}

bool ScreenToClient(HWND window, POINT* point) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w || !point) return false;
  if (w->Parent) *point = *point - w->ClientScreenOrigin();
  return true;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
  WindowManager& wm = WindowManager::Instance();
  auto origin = [&wm](HWND h, bool& ok) -> TPoint {
    if (!h) return {0, 0};
    Window* w = wm.FindOrFail(h);
    ok = ok && w;
    return w && w->Parent ? w->ClientScreenOrigin() : TPoint{0, 0};
  };
  bool ok = true;
  const TPoint delta = origin(from, ok) - origin(to, ok);
  if (!ok) return 0;
  for (UINT i = 0; points && i < count; ++i) points[i] = points[i] + delta;
  SetLastError(ERROR_SUCCESS);
  return static_cast<int>(MAKELONG(static_cast<Word>(delta.X), static_cast<Word>(delta.Y)));
}

bool AdjustWindowRectEx(RECT* rect, DWORD style, bool menu, DWORD exStyle) {
  if (!rect) return false;
  // The frame's thickness on each side, from a window large enough to hold it all.
  const TRect probe{0, 0, 10000, 10000};
  const TRect client = LayOutFrame(style, exStyle, probe).Client;
  rect->Left -= client.Left;
  rect->Top -= client.Top + (menu && !(style & WS_CHILD) ? GetSystemMetrics(SM_CYMENU) : 0);
  rect->Right += probe.Right - client.Right;
  rect->Bottom += probe.Bottom - client.Bottom;
  return true;
}

int SetWindowRgn(HWND window, HRGN region, bool redraw) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(window);
  if (!w) return 0;
  const Region* given = region ? GdiObjectTable::As<Region>(region, OBJ_REGION) : nullptr;
  if (region && !given) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  Region oldArea;
  if (!w->IsTopLevel() && w->IsVisibleStyle()) oldArea = AreaInParent(w);
  if (given) {
    w->Shape = *given;
    DeleteObject(region);  // the window owns it now
  } else {
    w->Shape.reset();
  }
  wm.AnnounceRegion(w);
  RefreshWindowDCs();
  if (redraw && w->IsVisibleStyle()) {
    if (!oldArea.IsEmpty()) ChangeUpdate(w->Parent, &oldArea, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    ChangeUpdate(w, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return 1;
}

int GetWindowRgn(HWND window, HRGN region) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  Region* target = region ? GdiObjectTable::As<Region>(region, OBJ_REGION) : nullptr;
  if (!w || !target || !w->Shape) return ERROR;
  *target = *w->Shape;
  return target->Kind();
}

HWND WindowFromPoint(POINT screenPoint) {
  const InputRouter::Target t = InputRouter::Instance().HitTest(screenPoint);
  return t.Win ? t.Win->Handle() : nullptr;
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
  Window* p = WindowManager::Instance().FindOrFail(parent);
  if (!p) return nullptr;
  if (!TRect{0, 0, p->Client.Width(), p->Client.Height()}.Contains(point)) return nullptr;
  for (Window* c : p->Children) {
    if ((flags & CWP_SKIPINVISIBLE) && !c->IsVisibleStyle()) continue;
    if ((flags & CWP_SKIPDISABLED) && c->IsDisabledStyle()) continue;
    if ((flags & CWP_SKIPTRANSPARENT) && (c->ExStyle & WS_EX_TRANSPARENT)) continue;
    if (!c->Rect.Contains(point)) continue;
    if (c->Shape && !c->Shape->Contains(point - c->Rect.TopLeft())) continue;
    return c->Handle();
  }
  return parent;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) { return ChildWindowFromPointEx(parent, point, CWP_ALL); }

}  // namespace plat
