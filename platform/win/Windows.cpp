#include "platform/win/Windows.h"

#include <algorithm>
#include <cstring>

#include "platform/rtl/Unicode.h"
#include "platform/win/detail/Activation.h"
#include "platform/win/detail/CaretState.h"
#include "platform/win/detail/ClipboardOwnership.h"
#include "platform/win/detail/DropTargets.h"
#include "platform/win/detail/ForeignWindows.h"
#include "platform/win/detail/InputRouter.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/Menus.h"
#include "platform/win/Messages.h"
#include "platform/win/Focus.h"
#include "platform/win/Mouse.h"
#include "platform/win/detail/PaintEngine.h"
#include "platform/win/detail/ThreadQueue.h"
#include "platform/win/detail/TimerQueue.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowClass.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/detail/WindowMenus.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/detail/ZOrder.h"

namespace plat {

namespace {

// Sizes and positions a caller gives are kept within what sums of
// coordinates can hold.
constexpr int MaxWindowSide = 32767;
constexpr int MaxWindowPosition = 1 << 24;

int DefaultPlacementCounter = 0;

// Where the system puts an overlapped window the caller leaves to it.
void DefaultPlacement(int& x, int& y, int& cx, int& cy, bool overlapped) {
  const TRect work = CurrentDisplay().WorkArea();
  if (x == CW_USEDEFAULT) {
    if (overlapped) {
      const int step = 26 * (DefaultPlacementCounter++ % 8);
      x = work.Left + 26 + step;
      y = work.Top + 26 + step;
    } else {
      x = y = 0;
    }
  }
  if (cx == CW_USEDEFAULT) {
    if (overlapped) {
      cx = work.Width() * 3 / 4;
      cy = work.Height() * 3 / 4;
    } else {
      cx = cy = 0;
    }
  }
}

void NotifyParents(Window* w, UINT event) {
  if (!w->IsChild() || (w->ExStyle & WS_EX_NOPARENTNOTIFY)) return;
  const WPARAM wParam = MAKEWPARAM(static_cast<Word>(event), static_cast<Word>(w->Id));
  for (Window* p = w->Parent; p && p->Parent; p = p->Parent) {
    Deliver(p, WM_PARENTNOTIFY, wParam, reinterpret_cast<LPARAM>(w->Handle()), false);
    if (!p->IsChild() || (p->ExStyle & WS_EX_NOPARENTNOTIFY)) break;
  }
}

void SendDestroy(Window* w) {
  Deliver(w, WM_DESTROY, 0, 0, false);
  for (Window* child : std::vector(w->Children))
    if (WindowManager::Instance().Find(child->Handle())) SendDestroy(child);
}

// WM_NCDESTROY, children first, and forgetting the windows.
void FreeWindow(Window* w) {
  WindowManager& wm = WindowManager::Instance();
  const std::shared_ptr<Window> keep = wm.Keep(w);
  for (Window* child : std::vector(w->Children))
    if (wm.Find(child->Handle())) FreeWindow(child);
  Deliver(w, WM_NCDESTROY, 0, 0, false);
  const HWND h = w->Handle();
  TimerQueue::Instance().KillWindowTimers(h);
  ThreadQueue::Instance().Purge(h);
  CaretWindowGone(w);
  InputRouter::Instance().CancelTracking(w);
  ClipboardOwnerGone(h);
  DropTargetWindowGone(h);
  DestroyMenusOf(w);
  if (wm.Focus == h) wm.Focus = nullptr;
  if (wm.Active == h) wm.Active = nullptr;
  if (wm.Capture == h) wm.Capture = nullptr;
  wm.AnnounceDestroyed(w);
  for (Window* other : std::vector(wm.Desktop()->Children))
    if (other->Owner == w) other->Owner = nullptr;
  if (w->Parent) std::erase(w->Parent->Children, w);
  w->Parent = nullptr;
  w->Children.clear();
  w->Stage = Window::Life::Dead;
  --w->Class->WindowCount;
  wm.Remove(w);
}

template <typename Ch>
HWND Create(DWORD exStyle, const Ch* className, const Ch* windowName, DWORD style, int x, int y, int cx, int cy,
            HWND parent, HMENU menu, HINSTANCE instance, void* param, bool unicode) {
  auto cls = FindWindowClass(className);
  if (!cls) {
    SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
    return nullptr;
  }
  WindowManager& wm = WindowManager::Instance();
  Window* parentWin = nullptr;
  Window* owner = nullptr;
  if (parent == HWND_MESSAGE) {
    parentWin = wm.MessageRoot();
  } else if (style & WS_CHILD) {
    if (!parent) {
      SetLastError(ERROR_TLW_WITH_WSCHILD);
      return nullptr;
    }
    parentWin = wm.FindOrFail(parent);
    if (!parentWin || !parentWin->IsAlive()) return nullptr;
  } else {
    parentWin = wm.Desktop();
    if (parent) {
      Window* o = wm.FindOrFail(parent);
      if (!o) return nullptr;
      owner = o->Root();
    }
  }
  const bool overlapped = !(style & (WS_CHILD | WS_POPUP));
  if (overlapped) style |= WS_CLIPSIBLINGS | WS_CAPTION;
  if ((style & WS_THICKFRAME) || (style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) exStyle |= WS_EX_WINDOWEDGE;
  DefaultPlacement(x, y, cx, cy, overlapped && parentWin == wm.Desktop());

  // A top-level window's menu is its menu bar.
  if (menu && !(style & WS_CHILD) && !IsMenu(menu)) {
    SetLastError(ERROR_INVALID_MENU_HANDLE);
    return nullptr;
  }
  Window* w = wm.Create(cls);
  const std::shared_ptr<Window> keep = wm.Keep(w);
  ++cls->WindowCount;
  w->Style = style & ~WS_VISIBLE;
  w->ExStyle = exStyle;
  w->Proc = cls->Proc;
  w->Unicode = cls->Unicode;
  w->Instance = instance;
  w->Id = reinterpret_cast<LONG_PTR>(menu);
  w->Extra.assign(static_cast<std::size_t>(cls->WindowExtra), 0);
  w->Owner = owner;
  w->Parent = parentWin;
  if (style & WS_CHILD)
    parentWin->Children.push_back(w);  // children start at the bottom: creation order is tab order
  else
    InsertInZOrder(parentWin, w);

  try {
    if ((style & WS_THICKFRAME) || overlapped) {
      MINMAXINFO mmi;
      mmi.ptMinTrackSize = {0, 0};
      mmi.ptMaxTrackSize = {MaxWindowSide, MaxWindowSide};
      Deliver(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), unicode);
      if (!w->IsAlive()) return nullptr;
      cx = std::clamp(cx, std::max(mmi.ptMinTrackSize.X, 0), std::max(mmi.ptMaxTrackSize.X, 0));
      cy = std::clamp(cy, std::max(mmi.ptMinTrackSize.Y, 0), std::max(mmi.ptMaxTrackSize.Y, 0));
    }
    cx = std::clamp(cx, 0, MaxWindowSide);
    cy = std::clamp(cy, 0, MaxWindowSide);
    x = std::clamp(x, -MaxWindowPosition, MaxWindowPosition);
    y = std::clamp(y, -MaxWindowPosition, MaxWindowPosition);
    w->Rect = w->Client = {x, y, x + cx, y + cy};
    w->RestoreRect = w->Rect;
    if (w->IsTopLevel() && parentWin == wm.Desktop()) SizeSurface(w);

    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parent == HWND_MESSAGE ? nullptr : parent;
    cs.cx = cx;
    cs.cy = cy;
    cs.x = x;
    cs.y = y;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!Deliver(w, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs), unicode) || !w->IsAlive()) {
      if (w->IsAlive()) FreeWindow(w);
      return nullptr;
    }
    RECT client = w->Rect;
    Deliver(w, WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&client), unicode);
    if (!w->IsAlive()) return nullptr;
    w->Client = client.Normalized().Intersected(w->Rect);
    if (w->Client.IsEmpty()) w->Client = {w->Rect.Left, w->Rect.Top, w->Rect.Left, w->Rect.Top};
    if (Deliver(w, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs), unicode) == -1 || !w->IsAlive()) {
      if (w->IsAlive()) DestroyWindow(w->Handle());
      return nullptr;
    }
    w->Stage = Window::Life::Alive;
    const TSize size{w->Client.Width(), w->Client.Height()};
    Deliver(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(static_cast<Word>(size.cx), static_cast<Word>(size.cy)), false);
    Deliver(w, WM_MOVE, 0, PointToLParam(w->Client.Left, w->Client.Top), false);
    if (!w->IsAlive()) return nullptr;
    NotifyParents(w, WM_CREATE);
    if (!w->IsAlive()) return nullptr;
    wm.AnnounceCreated(w);
    if (style & WS_VISIBLE) {
      const int show = (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : (style & WS_MINIMIZE) ? SW_SHOWMINIMIZED : SW_SHOW;
      ShowWindow(w->Handle(), show);
    }
  } catch (...) {
    if (w->IsAlive()) DestroyWindow(w->Handle());
    throw;
  }
  return w->IsAlive() ? w->Handle() : nullptr;
}

LONG_PTR WindowValue(HWND window, int index) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return 0;
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(LONG_PTR) > w->Extra.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    LONG_PTR v = 0;
    std::memcpy(&v, w->Extra.data() + index, sizeof v);
    return v;
  }
  switch (index) {
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->Proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->Instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(GetParent(window));
    case GWLP_ID: return w->Id;
    case GWL_STYLE: return static_cast<LONG_PTR>(w->Style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->ExStyle);
    case GWLP_USERDATA: return w->UserData;
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
}

LONG_PTR SetWindowValue(HWND window, int index, LONG_PTR value, bool unicode) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(window);
  if (!w) return 0;
  const LONG_PTR old = WindowValue(window, index);
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(LONG_PTR) > w->Extra.size()) return 0;
    std::memcpy(w->Extra.data() + index, &value, sizeof value);
    return old;
  }
  switch (index) {
    case GWLP_WNDPROC:
      w->Proc = reinterpret_cast<WNDPROC>(value);
      w->Unicode = unicode;
      NoteProcForm(w->Proc, unicode);
      break;
    case GWLP_HINSTANCE: w->Instance = reinterpret_cast<HINSTANCE>(value); break;
    case GWLP_HWNDPARENT:
      if (!w->IsChild()) {
        Window* owner = wm.Find(reinterpret_cast<HWND>(value));
        if (owner && IsOwnedBy(owner->Root(), w)) {
          SetLastError(ERROR_INVALID_PARAMETER);  // owners never go round in a circle
          return 0;
        }
        w->Owner = owner ? owner->Root() : nullptr;
      }
      break;
    case GWLP_ID: w->Id = value; break;
    case GWLP_USERDATA: w->UserData = value; break;
    case GWL_STYLE:
    case GWL_EXSTYLE: {
      const std::shared_ptr<Window> keep = wm.Keep(w);
      STYLESTRUCT ss{static_cast<DWORD>(old), static_cast<DWORD>(value)};
      Deliver(w, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss), unicode);
      if (!w->IsAlive()) return 0;
      (index == GWL_STYLE ? w->Style : w->ExStyle) = ss.styleNew;
      Deliver(w, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss), unicode);
      if (index == GWL_STYLE && ((ss.styleOld ^ ss.styleNew) & WS_VISIBLE)) {
        wm.AnnounceShown(w);
        RefreshWindowDCs();
      }
      break;
    }
    default: SetLastError(ERROR_INVALID_INDEX); return 0;
  }
  return old;
}

Window* Sibling(Window* w, int step) {
  if (!w->Parent) return nullptr;
  auto& list = w->Parent->Children;
  const auto index = static_cast<std::ptrdiff_t>(w->ZIndex()) + step;
  return index >= 0 && index < static_cast<std::ptrdiff_t>(list.size()) ? list[static_cast<std::size_t>(index)]
                                                                        : nullptr;
}

HWND HandleOf(const Window* w) { return w ? w->Handle() : nullptr; }

bool EnumTree(Window* parent, WNDENUMPROC proc, LPARAM lParam) {
  std::vector<HWND> children;
  for (Window* c : parent->Children) children.push_back(c->Handle());
  for (HWND h : children) {
    Window* c = WindowManager::Instance().Find(h);
    if (!c) continue;
    if (!proc(h, lParam)) return false;
    if ((c = WindowManager::Instance().Find(h)) && !EnumTree(c, proc, lParam)) return false;
  }
  return true;
}

}  // namespace

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return Create(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param, false);
}

HWND CreateWindowExW(DWORD exStyle, const char16_t* className, const char16_t* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance, void* param) {
  return Create(exStyle, className, windowName, style, x, y, width, height, parent, menu, instance, param, true);
}

bool DestroyWindow(HWND window) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(window);
  if (!w) return false;
  if (!w->Parent) {
    SetLastError(ERROR_ACCESS_DENIED);  // the desktop and the message root stay
    return false;
  }
  if (w->Stage == Window::Life::Destroying) return true;
  const std::shared_ptr<Window> keep = wm.Keep(w);

  // Owned windows go first.
  for (Window* other : std::vector(wm.Desktop()->Children))
    if (other->Owner == w && wm.Find(other->Handle())) DestroyWindow(other->Handle());
  if (!w->IsAlive()) return true;
  NotifyParents(w, WM_DESTROY);
  if (!w->IsAlive()) return true;
  if (w->IsVisibleStyle())
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!w->IsAlive()) return true;
  w->Stage = Window::Life::Destroying;
  if (Window* active = wm.Find(wm.Active); active && w->Contains(active)) ActivateOtherWindow(w);
  if (Window* focus = wm.Find(wm.Focus); focus && w->Contains(focus)) SetFocus(nullptr);
  if (Window* capture = wm.Find(wm.Capture); capture && w->Contains(capture)) ReleaseCapture();
  SendDestroy(w);
  FreeWindow(w);
  RefreshWindowDCs();
  return true;
}

bool IsWindow(HWND window) {
  if (WindowManager::Instance().Find(window)) return true;
  ForeignWindows* foreign = ForeignFor(window);
  return foreign && foreign->IsWindow(window);
}

bool IsWindowUnicode(HWND window) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  return w && w->Unicode;
}

HWND GetParent(HWND window) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return nullptr;
  if (w->IsChild()) return HandleOf(w->Parent);
  return (w->Style & WS_POPUP) ? HandleOf(w->Owner) : nullptr;
}

HWND SetParent(HWND window, HWND newParent) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(window);
  if (!w || !w->Parent) return nullptr;
  Window* target = newParent ? (newParent == HWND_MESSAGE ? wm.MessageRoot() : wm.FindOrFail(newParent)) : wm.Desktop();
  if (!target) return nullptr;
  if (w->Contains(target)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  Window* old = w->Parent;
  const HWND oldHandle = wm.IsDesktop(old) || old == wm.MessageRoot() ? nullptr : old->Handle();
  if (old == target) return oldHandle;
  const bool visible = w->IsVisibleStyle();
  if (visible)
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!w->IsAlive()) return nullptr;
  wm.AnnounceDestroyed(w);
  std::erase(old->Children, w);
  w->Parent = target;
  InsertInZOrder(target, w);
  if (wm.IsDesktop(target)) {
    SizeSurface(w);
    wm.AnnounceCreated(w);
  } else {
    w->Surface.reset();
  }
  if (visible) ShowWindow(window, SW_SHOWNA);
  RefreshWindowDCs();
  return oldHandle;
}

HWND GetAncestor(HWND window, UINT flags) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.FindOrFail(window);
  if (!w || !w->Parent) return nullptr;
  switch (flags) {
    case GA_PARENT: return w->Parent->Handle();
    case GA_ROOT: return w->Root()->Handle();
    case GA_ROOTOWNER: {
      Window* r = w->Root();
      while (r->Owner) r = r->Owner;
      return r->Handle();
    }
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

HWND GetWindow(HWND window, UINT command) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  if (!w) return nullptr;
  switch (command) {
    case GW_HWNDFIRST:
      return w->Parent && !w->Parent->Children.empty() ? w->Parent->Children.front()->Handle() : nullptr;
    case GW_HWNDLAST: return w->Parent && !w->Parent->Children.empty() ? w->Parent->Children.back()->Handle() : nullptr;
    case GW_HWNDNEXT: return HandleOf(Sibling(w, 1));
    case GW_HWNDPREV: return HandleOf(Sibling(w, -1));
    case GW_OWNER: return HandleOf(w->Owner);
    case GW_CHILD: return w->Children.empty() ? nullptr : w->Children.front()->Handle();
    case GW_ENABLEDPOPUP: return HandleOf(EnabledPopup(w));
    default: SetLastError(ERROR_INVALID_PARAMETER); return nullptr;
  }
}

HWND GetTopWindow(HWND parent) {
  Window* p = parent ? WindowManager::Instance().FindOrFail(parent) : WindowManager::Instance().Desktop();
  return p && !p->Children.empty() ? p->Children.front()->Handle() : nullptr;
}

HWND GetNextWindow(HWND window, UINT command) { return GetWindow(window, command); }

bool IsChild(HWND parent, HWND window) {
  WindowManager& wm = WindowManager::Instance();
  Window* p = wm.Find(parent);
  Window* w = wm.Find(window);
  if (!p || !w || p == w) return false;
  // Only along WS_CHILD links, as owned windows are no children.
  for (Window* a = w; a->IsChild() && a->Parent; a = a->Parent)
    if (a->Parent == p) return true;
  return false;
}

HWND GetDesktopWindow() { return WindowManager::Instance().Desktop()->Handle(); }

HWND GetLastActivePopup(HWND owner) {
  Window* w = WindowManager::Instance().FindOrFail(owner);
  if (!w) return nullptr;
  Window* popup = EnabledPopup(w);
  return popup ? popup->Handle() : owner;
}

bool EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
  if (!proc) return false;
  std::vector<HWND> tops;
  for (Window* w : WindowManager::Instance().Desktop()->Children) tops.push_back(w->Handle());
  for (HWND h : tops)
    if (WindowManager::Instance().Find(h) && !proc(h, lParam)) return false;
  return true;
}

bool EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam) {
  Window* p = parent ? WindowManager::Instance().FindOrFail(parent) : WindowManager::Instance().Desktop();
  if (!p || !proc) return false;
  return EnumTree(p, proc, lParam);
}

LONG_PTR GetWindowLongPtrA(HWND window, int index) { return WindowValue(window, index); }
LONG_PTR GetWindowLongPtrW(HWND window, int index) { return WindowValue(window, index); }
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
  return SetWindowValue(window, index, value, false);
}
LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
  return SetWindowValue(window, index, value, true);
}

int GetDlgCtrlID(HWND window) {
  Window* w = WindowManager::Instance().FindOrFail(window);
  return w && w->IsChild() ? static_cast<int>(w->Id) : 0;
}

HWND GetDlgItem(HWND parent, int id) {
  Window* p = WindowManager::Instance().FindOrFail(parent);
  if (!p) return nullptr;
  for (Window* c : p->Children)
    if (c->Id == id) return c->Handle();
  return nullptr;
}

}  // namespace plat
