#include "platform/win/detail/InputRouter.h"

#include <algorithm>
#include <cstdlib>

#include "platform/rtl/Unicode.h"
#include "platform/win/detail/Activation.h"
#include "platform/win/Clock.h"
#include "platform/win/InputMethod.h"
#include "platform/win/Keyboard.h"
#include "platform/win/detail/MessageDelivery.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/MessageViews.h"
#include "platform/win/Mouse.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/detail/TopLevelKind.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowStyles.h"

namespace plat {
namespace {

constexpr int HoverSlop = 4;

UINT ButtonKey(MouseButton b) {
  switch (b) {
    case MouseButton::Left: return VK_LBUTTON;
    case MouseButton::Right: return VK_RBUTTON;
    case MouseButton::Middle: return VK_MBUTTON;
  }
  return VK_LBUTTON;
}

// WM_LBUTTONDOWN / WM_NCLBUTTONDOWN and kin; up and double click follow at +1 and +2.
UINT ButtonDownMessage(MouseButton b, bool nonClient) {
  switch (b) {
    case MouseButton::Left: return nonClient ? WM_NCLBUTTONDOWN : WM_LBUTTONDOWN;
    case MouseButton::Right: return nonClient ? WM_NCRBUTTONDOWN : WM_RBUTTONDOWN;
    case MouseButton::Middle: return nonClient ? WM_NCMBUTTONDOWN : WM_MBUTTONDOWN;
  }
  return WM_LBUTTONDOWN;
}

// The left-hand key of a modifier pair, and the pair's generic key.
UINT SideKey(UINT vk) {
  switch (vk) {
    case VK_SHIFT: return VK_LSHIFT;
    case VK_CONTROL: return VK_LCONTROL;
    case VK_MENU: return VK_LMENU;
    default: return vk;
  }
}
UINT GenericKey(UINT vk) {
  switch (vk) {
    case VK_LSHIFT:
    case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL:
    case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU:
    case VK_RMENU: return VK_MENU;
    default: return vk;
  }
}

void SetKeyDown(std::array<Byte, 256>& keys, UINT k, bool down) {
  if (down) {
    if (!(keys[k] & 0x80)) keys[k] ^= 0x01;  // each press toggles
    keys[k] |= 0x80;
  } else {
    keys[k] &= static_cast<Byte>(~0x80);
  }
}

// Keeps the side keys and their generic key in step: the generic key is
// down while either side is.
void ApplyKey(std::array<Byte, 256>& keys, UINT vk, bool down) {
  const UINT side = SideKey(vk) & 0xFF;
  SetKeyDown(keys, side, down);
  const UINT generic = GenericKey(side);
  if (generic != side) SetKeyDown(keys, generic, ((keys[side] | keys[side ^ 1]) & 0x80) != 0);
}

void ApplyButton(std::array<Byte, 256>& keys, MouseButton button, bool down) {
  Byte& k = keys[ButtonKey(button)];
  k = down ? static_cast<Byte>(k | 0x80) : static_cast<Byte>(k & ~0x80);
}

// The deepest visible window at a screen point, below the windows to skip.
// Disabled children are passed by (their parent takes the input); a
// disabled top-level window is answered as it is.
Window* WindowAt(TPoint p, const std::vector<Window*>& skip) {
  auto skipped = [&skip](Window* w) { return std::find(skip.begin(), skip.end(), w) != skip.end(); };
  auto contains = [&p](Window* w) {
    const TRect r = w->ScreenRect();
    if (!r.Contains(p)) return false;
    return !w->Shape || w->Shape->Contains({p.X - r.Left, p.Y - r.Top});
  };
  Window* found = nullptr;
  for (Window* top : WindowManager::Instance().Desktop()->Children) {
    if (top->IsVisibleStyle() && !top->IsMinimized() && !skipped(top) && contains(top)) {
      found = top;
      break;
    }
  }
  if (!found || found->IsDisabledStyle()) return found;
  for (;;) {
    const TPoint origin = found->ClientScreenOrigin();
    if (!found->Client.Translated(-found->Client.Left, -found->Client.Top).Contains(p - origin)) return found;
    Window* next = nullptr;
    for (Window* child : found->Children) {
      if (child->IsVisibleStyle() && !child->IsDisabledStyle() && !skipped(child) && contains(child)) {
        next = child;
        break;
      }
    }
    if (!next) return found;
    found = next;
  }
}

void QueueMessage(const RawInput& input, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, TPoint pt,
                  bool unicode = false) {
  MSG msg;
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = static_cast<DWORD>(input.Time);
  msg.pt = pt;
  ThreadQueue::Instance().AddInputMessage(msg, unicode);
}

LRESULT Send(Window* w, UINT message, WPARAM wParam, LPARAM lParam) {
  return Deliver(w, message, wParam, lParam, false);
}

}  // namespace

InputRouter& InputRouter::Instance() {
  static InputRouter router;
  return router;
}

void InputRouter::Feed(RawInput input) {
  input.Time = CurrentClock().Now();
  switch (input.What) {
    case RawInput::Kind::MouseMove:
    case RawInput::Kind::MouseWheel:
      CursorPos = input.Point;
      FPointerOutside = false;
      break;
    case RawInput::Kind::MouseButton:
      CursorPos = input.Point;
      FPointerOutside = false;
      ApplyButton(AsyncKeys, input.Button, input.Down);
      break;
    case RawInput::Kind::Key: ApplyKey(AsyncKeys, input.VirtualKey, input.Down); break;
    case RawInput::Kind::MouseExit: FPointerOutside = true; break;
    case RawInput::Kind::Char:
    case RawInput::Kind::Composition: break;
  }
  ThreadQueue::Instance().AddInput(input);
}

void InputRouter::Route(const RawInput& input) {
  const bool pointer = input.What == RawInput::Kind::MouseMove || input.What == RawInput::Kind::MouseButton ||
                       input.What == RawInput::Kind::MouseExit;
  if (pointer) FToldOfLeave.clear();
  switch (input.What) {
    case RawInput::Kind::MouseMove:
    case RawInput::Kind::MouseButton: RouteMouse(input); break;
    case RawInput::Kind::MouseWheel: RouteWheel(input); break;
    case RawInput::Kind::MouseExit: UpdateTracking({}); break;
    case RawInput::Kind::Key: RouteKey(input); break;
    case RawInput::Kind::Char: RouteChar(input); break;
    case RawInput::Kind::Composition: RouteComposition(input); break;
  }
}

WPARAM InputRouter::MouseKeyFlags() const {
  WPARAM flags = 0;
  if (SyncKeys[VK_LBUTTON] & 0x80) flags |= MK_LBUTTON;
  if (SyncKeys[VK_RBUTTON] & 0x80) flags |= MK_RBUTTON;
  if (SyncKeys[VK_MBUTTON] & 0x80) flags |= MK_MBUTTON;
  if (SyncKeys[VK_SHIFT] & 0x80) flags |= MK_SHIFT;
  if (SyncKeys[VK_CONTROL] & 0x80) flags |= MK_CONTROL;
  return flags;
}

InputRouter::Target InputRouter::HitTest(TPoint screen) {
  std::vector<Window*> skip;
  for (;;) {
    Window* w = WindowAt(screen, skip);
    if (!w) return {};
    if (w->Root()->IsDisabledStyle()) return {w->Root(), HTERROR};
    const std::shared_ptr<Window> keep = WindowManager::Instance().Keep(w);
    const LRESULT hit = Send(w, WM_NCHITTEST, 0, PointToLParam(screen.X, screen.Y));
    if (!w->IsAlive()) return {};
    if (hit != HTTRANSPARENT) return {w, hit};
    skip.push_back(w);
  }
}

void InputRouter::SwallowNextRelease(MouseButton button) { FSwallowRelease[static_cast<std::size_t>(button)] = true; }

void InputRouter::RouteMouse(const RawInput& input) {
  const bool isButton = input.What == RawInput::Kind::MouseButton;
  if (isButton) {
    ApplyButton(SyncKeys, input.Button, input.Down);
    bool& swallow = FSwallowRelease[static_cast<std::size_t>(input.Button)];
    const bool swallowed = swallow && !input.Down;
    swallow = false;
    if (swallowed) return;
  }
  const TPoint p = input.Point;
  WindowManager& wm = WindowManager::Instance();

  Target under = HitTest(p);
  UpdateTracking(under);
  Window* capture = wm.Find(wm.Capture);
  Target t = capture ? Target{capture, HTCLIENT} : under;
  if (!t.Win) return;
  const std::shared_ptr<Window> keep = wm.Keep(t.Win);
  const bool nonClient = !capture && t.Hit != HTCLIENT;
  const UINT downMessage = ButtonDownMessage(input.Button, nonClient);
  UINT message = !isButton ? (nonClient ? WM_NCMOUSEMOVE : WM_MOUSEMOVE) : input.Down ? downMessage : downMessage + 1;

  if (!capture && t.Hit == HTERROR) {
    // A window disabled for a modal one: the default cursor handling
    // brings the modal window forward on a press.
    Send(t.Win, WM_SETCURSOR, reinterpret_cast<WPARAM>(t.Win->Handle()),
         MAKELPARAM(static_cast<Word>(HTERROR), static_cast<Word>(message)));
    return;
  }

  bool eat = false;
  if (isButton && input.Down && !capture) {
    Window* root = t.Win->Root();
    if (root->Handle() != wm.Active && !(root->ExStyle & WS_EX_NOACTIVATE)) {
      const LRESULT answer = Send(t.Win, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(root->Handle()),
                                  MAKELPARAM(static_cast<Word>(t.Hit), static_cast<Word>(message)));
      if (!t.Win->IsAlive()) return;
      if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) ActivateWindow(root, WA_CLICKACTIVE);
      eat = answer == MA_ACTIVATEANDEAT || answer == MA_NOACTIVATEANDEAT;
    } else if (root->Handle() == wm.Active) {
      // The desktop may have moved its keyboard focus elsewhere: a click gives it back.
      wm.AnnounceActivated(root);
    }
  }
  if (!capture && t.Win->IsAlive())
    Send(t.Win, WM_SETCURSOR, reinterpret_cast<WPARAM>(t.Win->Handle()),
         MAKELPARAM(static_cast<Word>(t.Hit), static_cast<Word>(message)));
  if (eat || !t.Win->IsAlive()) return;

  if (isButton && input.Down) {
    const std::int64_t now = input.Time;
    const bool wantsDouble = nonClient || (t.Win->Class->Style & CS_DBLCLKS);
    const bool isDouble = wantsDouble && FLastPress.Valid && FLastPress.Window == t.Win->Handle() &&
                          FLastPress.Button == input.Button && FLastPress.NonClient == nonClient &&
                          now - FLastPress.Time <= static_cast<std::int64_t>(DoubleClickTime) &&
                          std::abs(p.X - FLastPress.Point.X) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                          std::abs(p.Y - FLastPress.Point.Y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (isDouble) {
      message = downMessage + 2;
      FLastPress.Valid = false;  // a third press starts again
    } else {
      FLastPress = {t.Win->Handle(), input.Button, nonClient, now, p, true};
    }
  }

  const TMouseMessage mouse =
      nonClient ? TMouseMessage{.Msg = message, .Pos = p, .HitTest = t.Hit}
                : TMouseMessage{.Msg = message, .Pos = p - t.Win->ClientScreenOrigin(), .Keys = MouseKeyFlags()};
  QueueMessage(input, t.Win->Handle(), message, mouse.WParam(), mouse.LParam(), p);
}

void InputRouter::RouteWheel(const RawInput& input) {
  WindowManager& wm = WindowManager::Instance();
  Window* target = wm.Find(wm.Focus);
  if (!target) target = wm.Find(wm.Active);
  if (!target) return;
  const TMouseMessage wheel{.Msg = input.Horizontal ? WM_MOUSEHWHEEL : WM_MOUSEWHEEL,
                            .Pos = input.Point,
                            .Keys = MouseKeyFlags(),
                            .WheelDelta = input.Delta};
  QueueMessage(input, target->Handle(), wheel.Msg, wheel.WParam(), wheel.LParam(), input.Point);
}

void InputRouter::RouteKey(const RawInput& input) {
  const UINT side = SideKey(input.VirtualKey) & 0xFF;
  const UINT generic = GenericKey(side);
  const bool wasDown = (SyncKeys[side] & 0x80) != 0;
  ApplyKey(SyncKeys, input.VirtualKey, input.Down);
  WindowManager& wm = WindowManager::Instance();
  Window* target = wm.Find(wm.Focus);
  bool sys = false;
  if (!target) {
    target = wm.Find(wm.Active);
    sys = true;
  }
  if (!target) return;
  const bool alt = (SyncKeys[VK_MENU] & 0x80) != 0;
  const bool ctrl = (SyncKeys[VK_CONTROL] & 0x80) != 0;
  if ((alt && !ctrl) || generic == VK_F10 || (generic == VK_MENU && !ctrl)) sys = true;
  const UINT message = input.Down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  const TKeyMessage key{.Msg = message,
                        .Key = static_cast<Word>(generic),
                        .RepeatCount = 1,
                        .ScanCode = static_cast<Byte>(MapVirtualKeyA(side, MAPVK_VK_TO_VSC) & 0xFF),
                        .Extended = IsExtendedKey(side),
                        .AltDown = alt,
                        .PreviousDown = !input.Down || wasDown,
                        .Releasing = !input.Down};
  QueueMessage(input, target->Handle(), message, key.WParam(), key.LParam(), CursorPos);
}

void InputRouter::RouteChar(const RawInput& input) {
  WindowManager& wm = WindowManager::Instance();
  Window* target = wm.Find(wm.Focus);
  if (!target) target = wm.Find(wm.Active);
  if (!target) return;
  QueueMessage(input, target->Handle(), WM_CHAR, input.Char, 1, CursorPos, true);
}

void InputRouter::RouteComposition(const RawInput& input) {
  WindowManager& wm = WindowManager::Instance();
  Window* target = wm.Find(wm.Focus);
  if (!target) target = wm.Find(wm.Active);
  if (!target || input.Composed.empty()) return;
  target->ImeResult = input.Composed;
  QueueMessage(input, target->Handle(), WM_IME_STARTCOMPOSITION, 0, 0, CursorPos, true);
  QueueMessage(input, target->Handle(), WM_IME_COMPOSITION, input.Composed.back(), GCS_RESULTSTR, CursorPos, true);
  QueueMessage(input, target->Handle(), WM_IME_ENDCOMPOSITION, 0, 0, CursorPos, true);
}

void InputRouter::UpdateTracking(const Target& under) {
  Window* t = WindowManager::Instance().Find(FTracked);
  if (!t) {
    FTracked = nullptr;
    return;
  }
  if (t->TrackFlags & TME_LEAVE) {
    const bool nonClient = (t->TrackFlags & TME_NONCLIENT) != 0;
    const bool inside = under.Win == t && (nonClient ? under.Hit != HTCLIENT : under.Hit == HTCLIENT);
    if (!inside) {
      t->TrackFlags = 0;
      FTracked = nullptr;
      PostLeave(t, nonClient);
      return;
    }
  }
  if ((t->TrackFlags & TME_HOVER) && (std::abs(CursorPos.X - FHoverOrigin.X) > HoverSlop / 2 ||
                                      std::abs(CursorPos.Y - FHoverOrigin.Y) > HoverSlop / 2)) {
    FHoverOrigin = CursorPos;
    t->HoverDue = CurrentClock().Now() + t->HoverTime;
  }
}

void InputRouter::PostLeave(Window* window, bool nonClient) {
  const UINT message = nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE;
  FToldOfLeave.emplace_back(window->Handle(), message);
  PostMessageA(window->Handle(), message, 0, 0);
}

void InputRouter::CancelTracking(Window* window) {
  if (window) window->TrackFlags = 0;
  if (window && FTracked == window->Handle()) FTracked = nullptr;
}

bool InputRouter::StartTracking(Window* window, DWORD flags, DWORD hoverTime) {
  Window* previous = WindowManager::Instance().Find(FTracked);
  if (previous && previous != window) previous->TrackFlags = 0;
  const Target under = FPointerOutside ? Target{} : HitTest(CursorPos);
  if (!window->IsAlive()) return false;
  const bool nonClient = (flags & TME_NONCLIENT) != 0;
  const bool inside = under.Win == window && (nonClient ? under.Hit != HTCLIENT : under.Hit == HTCLIENT);
  if (!inside) {
    // Not under the pointer: it has left already, and hears of it unless it did.
    window->TrackFlags = 0;
    FTracked = nullptr;
    const std::pair<HWND, UINT> leave{window->Handle(), nonClient ? WM_NCMOUSELEAVE : WM_MOUSELEAVE};
    const bool told = std::find(FToldOfLeave.begin(), FToldOfLeave.end(), leave) != FToldOfLeave.end();
    if ((flags & TME_LEAVE) && !told) PostLeave(window, nonClient);
    return true;
  }
  window->TrackFlags = flags & (TME_LEAVE | TME_HOVER | TME_NONCLIENT);
  window->HoverTime = hoverTime == HOVER_DEFAULT ? 400 : hoverTime;
  window->HoverDue = CurrentClock().Now() + window->HoverTime;
  FHoverOrigin = CursorPos;
  FTracked = window->Handle();
  return true;
}

std::optional<std::int64_t> InputRouter::NextHoverDue() const {
  const Window* t = WindowManager::Instance().Find(FTracked);
  if (!t || !(t->TrackFlags & TME_HOVER)) return std::nullopt;
  return t->HoverDue;
}

void InputRouter::HoverTick(std::int64_t now) {
  Window* t = WindowManager::Instance().Find(FTracked);
  if (!t || !(t->TrackFlags & TME_HOVER) || t->HoverDue > now) return;
  const std::shared_ptr<Window> keep = WindowManager::Instance().Keep(t);
  t->TrackFlags &= ~TME_HOVER;
  if (t->TrackFlags & TME_NONCLIENT) {
    const WPARAM hit = static_cast<WPARAM>(HitTest(CursorPos).Hit);
    if (!t->IsAlive()) return;
    PostMessageA(t->Handle(), WM_NCMOUSEHOVER, hit, PointToLParam(CursorPos.X, CursorPos.Y));
  } else {
    const TPoint client = CursorPos - t->ClientScreenOrigin();
    PostMessageA(t->Handle(), WM_MOUSEHOVER, MouseKeyFlags(), PointToLParam(client.X, client.Y));
  }
  if (!t->TrackFlags) FTracked = nullptr;
}

// Input from the display backends.

void FeedMouseMove(TPoint screenPoint) {
  RawInput in;
  in.What = RawInput::Kind::MouseMove;
  in.Point = screenPoint;
  InputRouter::Instance().Feed(in);
}

void FeedMouseButton(MouseButton button, bool down, TPoint screenPoint) {
  RawInput in;
  in.What = RawInput::Kind::MouseButton;
  in.Button = button;
  in.Down = down;
  in.Point = screenPoint;
  InputRouter::Instance().Feed(in);
}

void FeedMouseWheel(int delta, TPoint screenPoint, bool horizontal) {
  RawInput in;
  in.What = RawInput::Kind::MouseWheel;
  in.Delta = std::clamp(delta, -32768, 32767);
  in.Point = screenPoint;
  in.Horizontal = horizontal;
  InputRouter::Instance().Feed(in);
}

void FeedMouseExit() {
  RawInput in;
  in.What = RawInput::Kind::MouseExit;
  InputRouter::Instance().Feed(in);
}

void FeedKey(UINT virtualKey, bool down) {
  if (virtualKey == 0 || virtualKey > 0xFE) return;
  RawInput in;
  in.What = RawInput::Kind::Key;
  in.VirtualKey = virtualKey;
  in.Down = down;
  InputRouter::Instance().Feed(in);
}

void FeedText(const String& utf8) {
  for (char16_t unit : Utf8ToWide(utf8)) {
    RawInput in;
    in.What = RawInput::Kind::Char;
    in.Char = unit;
    InputRouter::Instance().Feed(in);
  }
}

void FeedComposition(const WideString& result) {
  RawInput in;
  in.What = RawInput::Kind::Composition;
  in.Composed = result;
  InputRouter::Instance().Feed(in);
}

void FeedActivation(HWND window, bool active) {
  WindowManager& wm = WindowManager::Instance();
  Window* w = wm.Find(window);
  if (!w || !w->IsTopLevel()) return;
  // A desktop that focuses a tip or menu anyway does not make it active.
  if (active && IsPopupKind(KindOfTopLevel(w->Style, w->ExStyle))) return;
  if (active) {
    // The desktop cannot know about modality: a disabled window hands the
    // activation to its modal popup.
    if (w->IsDisabledStyle()) w = EnabledPopup(w);
    if (w) ActivateWindow(w, WA_ACTIVE);
  } else if (wm.Active == window) {
    ActivateWindow(nullptr, WA_INACTIVE);
  }
}

void FeedCloseRequest(HWND window) {
  Window* w = WindowManager::Instance().Find(window);
  if (w && w->IsTopLevel()) PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace plat
