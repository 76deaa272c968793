// The SDL2 display: each top-level window is a borderless native window
// showing its backing bitmap; the window layer draws every pixel, frame
// included, and SDL's input goes back into it.
//
// Waking: SDL has no descriptor of its own, but under X11 its events arrive
// on the X connection, so that descriptor is a wake source. Xlib may read
// events into its own queue while other calls run (a present, a map), and
// SDL queues some events itself; after every call into SDL the display
// therefore kicks an eventfd (a second wake source), and each wake drains
// SDL's whole queue. Other video drivers offer no descriptor; there SDL is
// polled every few milliseconds while the UI thread waits.
#include <SDL2/SDL.h>
#include <SDL2/SDL_shape.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

#include "platform/rtl/Exception.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/win/Cursors.h"
#include "platform/win/Display.h"
#include "platform/win/DragDrop.h"
#include "platform/win/detail/SdlEventSource.h"
#include "platform/win/detail/SdlKeyboard.h"
#include "platform/win/detail/SdlSurface.h"
#include "platform/win/detail/SdlWindowFlags.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/detail/XdndBridge.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/WindowStyles.h"

namespace plat {

namespace {

constexpr int kPollIntervalMs = 10;

// The desktop the environment names, quoted after a blank; empty when none is.
String DesktopName() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* name = std::getenv(variable); name != nullptr && *name != '\0') return " \"" + String(name) + "\"";
  return String();
}

struct NativeWindow {
  SDL_Window* Window = nullptr;
  TopLevelKind Kind = TopLevelKind::Ordinary;
  bool Topmost = false;
  bool Shaped = false;
  bool Visible = false;
  TRect Bounds{0, 0, 1, 1};
  std::optional<Region> Shape;
  std::optional<LayerAttributes> Layer;
  String Title;
};

class SdlDisplay final : public Display {
 public:
  SdlDisplay();
  ~SdlDisplay() override;

  const char* Name() const override { return "sdl"; }
  TSize ScreenSize() const override;
  TRect WorkArea() const override;
  std::vector<MonitorArea> Monitors() const override;
  int RefreshRate() const override;

  void WindowCreated(HWND window) override;
  void WindowDestroyed(HWND window) override;
  void WindowShown(HWND window, bool visible) override;
  void WindowMoved(HWND window, const TRect& screenBounds) override;
  void WindowRegionChanged(HWND window, const Region* region) override;
  void WindowTextChanged(HWND window, const String& text) override;
  void WindowLayerChanged(HWND window, const LayerAttributes* layer) override;
  void WindowRaised(HWND window) override;
  void WindowActivated(HWND window) override;
  void WindowPixelsChanged(HWND window, const TRect& dirty) override;
  void CaptureChanged(HWND window) override;
  void CursorChanged(HCURSOR cursor) override;
  void ClipboardTextChanged(const String& text) override;
  std::optional<String> DesktopClipboardText() override;
  DWORD DesktopDragOver(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) override;
  void DesktopDragLeave() override;
  DWORD DesktopDrop(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) override;
  void ModalLoopStarted(HWND) override {}
  // The window has no sound of its own to play.
  void Beep(UINT) override {}

 private:
  NativeWindow* Find(HWND window);
  HWND WindowOfId(Uint32 windowId) const;
  TPoint ScreenPoint(HWND window, int x, int y);
  // Makes the native window (again, when the kind changes) and shows what it held.
  void MakeNative(HWND window, NativeWindow& native, bool shaped);
  void ApplyShape(NativeWindow& native);
  static void ApplyOpacity(const NativeWindow& native);
  static void ShowNative(const NativeWindow& native);
  void PresentAll(HWND window, NativeWindow& native);
  void WatchEvents(SDL_Window* window);
  // Wakes the loop to read events SDL may have taken off the X connection
  // while it waited for an answer of the desktop.
  void Kick() const;
  void Drain();
  void Dispatch(const SDL_Event& event);
  // While our drag is over another program, the desktop's pointer is
  // followed (see the definition).
  void FollowDesktopDrag(bool follow);
  void FollowDesktopPointer();
  void DispatchWindowEvent(const SDL_WindowEvent& event);

  std::map<HWND, NativeWindow> FWindows;
  std::map<HCURSOR, SDL_Cursor*> FCursors;
  SdlKeyboard FKeyboard;
  bool FShapesUnsupported = false;
  int FKickFd = -1;
  WakeSourceId FKickSource = 0;
  WakeSourceId FEventSource = 0;
  String FOwnClipboardText;
  // The window whose native window lost the focus during this drain.
  HWND FFocusLost = nullptr;
  // The buttons fed down and not yet up (SDL_BUTTON masks).
  Uint32 FButtonsDown = 0;
  // The pointer as last fed, in screen coordinates.
  TPoint FLastPointer;
  WakeSourceId FDragPoll = 0;
  // Drags to and from other programs, under X11.
  std::unique_ptr<XdndBridge> FXdnd;
};

SdlDisplay::SdlDisplay() {
  // The program, not SDL, decides what a signal or a last closed window means.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A click on an inactive window reaches it, as on the desktop the system was made for.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // The pixels are ours and ready: they go to the desktop as they are
  // (shared memory under X11), without SDL probing OpenGL for a texture path.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    throw Exception("Cannot open the display" + DesktopName() + ": " + SDL_GetError());
  SDL_StartTextInput();
  // Drags from other programs reach our drop targets through the bridge,
  // not as SDL's file and text drops.
  for (Uint32 type : {SDL_DROPFILE, SDL_DROPTEXT, SDL_DROPBEGIN, SDL_DROPCOMPLETE}) SDL_EventState(type, SDL_DISABLE);
  if (const char* driver = SDL_GetCurrentVideoDriver(); driver && String(driver) == "x11") FXdnd = XdndBridge::Open();
  FKickFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (FKickFd >= 0)
    FKickSource = AddWakeSource(FKickFd, [this] {
      eventfd_t count;
      static_cast<void>(::eventfd_read(FKickFd, &count));
      Drain();
    });
}

SdlDisplay::~SdlDisplay() {
  FollowDesktopDrag(false);
  FXdnd.reset();
  RemoveWakeSource(FEventSource);
  RemoveWakeSource(FKickSource);
  if (FKickFd >= 0) ::close(FKickFd);
  for (auto& [window, native] : FWindows) SDL_DestroyWindow(native.Window);
  FWindows.clear();
  for (auto& [handle, cursor] : FCursors) SDL_FreeCursor(cursor);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  // SDL's own start-up (its D-Bus connection among it) ends only with SDL_Quit.
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0) SDL_Quit();
}

TSize SdlDisplay::ScreenSize() const {
  SDL_Rect bounds;
  if (SDL_GetDisplayBounds(0, &bounds) != 0) return {1024, 768};
  return {bounds.w, bounds.h};
}

TRect SdlDisplay::WorkArea() const {
  SDL_Rect usable;
  const bool read = SDL_GetDisplayUsableBounds(0, &usable) == 0;
  Kick();  // the work area is a property read from the desktop
  if (!read) {
    const TSize screen = ScreenSize();
    return {0, 0, screen.cx, screen.cy};
  }
  return {usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
}

std::vector<MonitorArea> SdlDisplay::Monitors() const {
  // SDL's display 0 is the primary one, as ScreenSize and WorkArea take it.
  std::vector<MonitorArea> monitors;
  const int count = SDL_GetNumVideoDisplays();
  for (int i = 0; i < count; ++i) {
    SDL_Rect bounds, usable;
    if (SDL_GetDisplayBounds(i, &bounds) != 0) continue;
    const TRect whole{bounds.x, bounds.y, bounds.x + bounds.w, bounds.y + bounds.h};
    const TRect work = SDL_GetDisplayUsableBounds(i, &usable) == 0
                           ? TRect{usable.x, usable.y, usable.x + usable.w, usable.y + usable.h}.Intersected(whole)
                           : whole;
    monitors.push_back({whole, work.IsEmpty() ? whole : work});
  }
  Kick();
  if (monitors.empty()) {
    const TSize screen = ScreenSize();
    monitors.push_back({{0, 0, screen.cx, screen.cy}, WorkArea()});
  }
  return monitors;
}

int SdlDisplay::RefreshRate() const {
  SDL_DisplayMode mode;
  if (SDL_GetCurrentDisplayMode(0, &mode) != 0 || mode.refresh_rate <= 0) return 60;
  return mode.refresh_rate;
}

NativeWindow* SdlDisplay::Find(HWND window) {
  const auto found = FWindows.find(window);
  return found == FWindows.end() ? nullptr : &found->second;
}

HWND SdlDisplay::WindowOfId(Uint32 windowId) const {
  for (const auto& [window, native] : FWindows)
    if (SDL_GetWindowID(native.Window) == windowId) return window;
  return nullptr;
}

TPoint SdlDisplay::ScreenPoint(HWND window, int x, int y) {
  // Relative to where the window layer placed the window: if the desktop put
  // the native window elsewhere, the point still lands on the same pixel.
  const NativeWindow* native = Find(window);
  return native == nullptr ? TPoint{x, y} : TPoint{native->Bounds.Left + x, native->Bounds.Top + y};
}

void SdlDisplay::Kick() const {
  if (FKickFd >= 0) static_cast<void>(::eventfd_write(FKickFd, 1));
}

void SdlDisplay::WatchEvents(SDL_Window* window) {
  if (FEventSource != 0) return;
  const int descriptor = SdlEventDescriptor(window);
  FEventSource = descriptor >= 0 ? AddWakeSource(descriptor, [this] { Drain(); })
                                 : AddWakeSource(
                                       -1, [this] { Drain(); }, kPollIntervalMs);
}

void SdlDisplay::MakeNative(HWND window, NativeWindow& native, bool shaped) {
  const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SdlWindowFlags(native.Kind, native.Topmost);
  SDL_Window* made = nullptr;
  if (shaped && !FShapesUnsupported && !native.Bounds.IsEmpty()) {
    // Shaped windows take unsigned positions; the real one is set below.
    made = SDL_CreateShapedWindow(native.Title.c_str(), 0, 0, static_cast<unsigned>(native.Bounds.Width()),
                                  static_cast<unsigned>(native.Bounds.Height()), flags);
    // The desktop cannot shape windows: they stay rectangles.
    FShapesUnsupported = made == nullptr;
  }
  native.Shaped = made != nullptr;
  if (made == nullptr)
    made = SDL_CreateWindow(native.Title.c_str(), native.Bounds.Left, native.Bounds.Top, native.Bounds.Width(),
                            native.Bounds.Height(), flags);
  // Without a native window the window still exists for the program; the
  // desktop just does not show it.
  if (made == nullptr) return;
  if (native.Window != nullptr) SDL_DestroyWindow(native.Window);
  native.Window = made;
  if (native.Shaped) ApplyShape(native);
  ApplyOpacity(native);
  SDL_SetWindowPosition(made, native.Bounds.Left, native.Bounds.Top);
  if (FXdnd)
    if (const unsigned long x11Window = SdlX11Window(made)) FXdnd->Advertise(x11Window);
  WatchEvents(made);
  if (native.Visible) {
    ShowNative(native);
    PresentAll(window, native);
  }
  Kick();
}

void SdlDisplay::ApplyShape(NativeWindow& native) {
  SdlSurfacePtr mask =
      CreateShapeMask(native.Shape ? &*native.Shape : nullptr, native.Bounds.Width(), native.Bounds.Height());
  if (!mask) return;
  SDL_WindowShapeMode mode;
  mode.mode = ShapeModeBinarizeAlpha;
  mode.parameters.binarizationCutoff = 128;
  SDL_SetWindowShape(native.Window, mask.get(), &mode);
  // SDL moves a newly shaped window to the place it was created at.
  SDL_SetWindowPosition(native.Window, native.Bounds.Left, native.Bounds.Top);
}

void SdlDisplay::ApplyOpacity(const NativeWindow& native) {
  // Only the constant opacity: a transparent colour key would need the
  // window reshaped with every change of its pixels.
  const bool translucent = native.Layer && (native.Layer->Flags & LWA_ALPHA);
  // Refused without a compositing desktop; the window is then opaque.
  static_cast<void>(SDL_SetWindowOpacity(native.Window, translucent ? native.Layer->Alpha / 255.0F : 1.0F));
}

void SdlDisplay::ShowNative(const NativeWindow& native) {
  SDL_Window* focused = SDL_GetKeyboardFocus();
  SDL_ShowWindow(native.Window);
  // Without a window manager SDL gives every window it shows the input
  // focus; a tip or menu hands it back.
  if (IsPopupKind(native.Kind) && focused != nullptr && focused != native.Window)
    static_cast<void>(SDL_SetWindowInputFocus(focused));
}

void SdlDisplay::PresentAll(HWND window, NativeWindow& native) {
  WindowPixelsChanged(window, {0, 0, native.Bounds.Width(), native.Bounds.Height()});
}

void SdlDisplay::WindowCreated(HWND window) {
  NativeWindow& native = FWindows[window];
  if (const Window* record = WindowManager::Instance().Find(window)) {
    native.Bounds = record->ScreenRect();
    native.Title = record->Text;
    native.Kind = KindOfTopLevel(record->Style, record->ExStyle);
    native.Topmost = (record->ExStyle & WS_EX_TOPMOST) != 0;
  }
  // SDL knows no empty window; one sized to nothing keeps one pixel.
  native.Bounds.Right = std::max(native.Bounds.Right, native.Bounds.Left + 1);
  native.Bounds.Bottom = std::max(native.Bounds.Bottom, native.Bounds.Top + 1);
  MakeNative(window, native, false);
}

void SdlDisplay::WindowDestroyed(HWND window) {
  const auto found = FWindows.find(window);
  if (found == FWindows.end()) return;
  SDL_DestroyWindow(found->second.Window);
  FWindows.erase(found);
  Kick();
}

void SdlDisplay::WindowShown(HWND window, bool visible) {
  NativeWindow* native = Find(window);
  if (native == nullptr || native->Visible == visible) return;
  native->Visible = visible;
  if (visible) {
    ShowNative(*native);
    PresentAll(window, *native);
  } else {
    SDL_HideWindow(native->Window);
  }
  Kick();
}

void SdlDisplay::WindowMoved(HWND window, const TRect& screenBounds) {
  NativeWindow* native = Find(window);
  if (native == nullptr) return;
  const bool resized =
      screenBounds.Width() != native->Bounds.Width() || screenBounds.Height() != native->Bounds.Height();
  native->Bounds = screenBounds;
  if (resized) SDL_SetWindowSize(native->Window, std::max(1, screenBounds.Width()), std::max(1, screenBounds.Height()));
  SDL_SetWindowPosition(native->Window, screenBounds.Left, screenBounds.Top);
  if (resized && native->Shaped) ApplyShape(*native);
  if (resized && native->Visible) PresentAll(window, *native);
  Kick();
}

void SdlDisplay::WindowRegionChanged(HWND window, const Region* region) {
  NativeWindow* native = Find(window);
  if (native == nullptr) return;
  native->Shape = region != nullptr ? std::optional<Region>(*region) : std::nullopt;
  if (native->Shaped)
    ApplyShape(*native);
  else if (region != nullptr && !FShapesUnsupported)
    MakeNative(window, *native, true);
  Kick();
}

void SdlDisplay::WindowTextChanged(HWND window, const String& text) {
  NativeWindow* native = Find(window);
  if (native == nullptr) return;
  native->Title = text;
  SDL_SetWindowTitle(native->Window, text.c_str());
  Kick();
}

void SdlDisplay::WindowLayerChanged(HWND window, const LayerAttributes* layer) {
  NativeWindow* native = Find(window);
  if (native == nullptr) return;
  native->Layer = layer != nullptr ? std::optional<LayerAttributes>(*layer) : std::nullopt;
  ApplyOpacity(*native);
  Kick();
}

void SdlDisplay::WindowRaised(HWND window) {
  NativeWindow* native = Find(window);
  // A window manager focuses a raised window: tips and menus, which the
  // desktop keeps above the others anyway, are left alone.
  if (native == nullptr || !native->Visible || IsPopupKind(native->Kind)) return;
  const Window* record = WindowManager::Instance().Find(window);
  const bool topmost = record != nullptr && (record->ExStyle & WS_EX_TOPMOST) != 0;
  if (topmost != native->Topmost) {
    native->Topmost = topmost;
    SDL_SetWindowAlwaysOnTop(native->Window, topmost ? SDL_TRUE : SDL_FALSE);
  }
  SDL_RaiseWindow(native->Window);
  Kick();
}

void SdlDisplay::WindowActivated(HWND window) {
  NativeWindow* native = Find(window);
  // Tips and menus never take the keyboard; a window that has it keeps it.
  if (native == nullptr || !native->Visible || IsPopupKind(native->Kind) || SDL_GetKeyboardFocus() == native->Window)
    return;
  // Refused while the desktop has not mapped the window yet: showing it focuses it.
  static_cast<void>(SDL_SetWindowInputFocus(native->Window));
  Kick();
}

void SdlDisplay::WindowPixelsChanged(HWND window, const TRect& dirty) {
  NativeWindow* native = Find(window);
  const Bitmap* pixels = WindowSurface(window);
  if (native == nullptr || !native->Visible || pixels == nullptr) return;
  SDL_Surface* surface = SDL_GetWindowSurface(native->Window);
  const TRect copied = CopyBitmapToSurface(*pixels, dirty, surface);
  if (!copied.IsEmpty()) {
    const SDL_Rect rect{copied.Left, copied.Top, copied.Width(), copied.Height()};
    SDL_UpdateWindowSurfaceRects(native->Window, &rect, 1);
  }
  Kick();
}

void SdlDisplay::CaptureChanged(HWND window) {
  // Refused when no window of ours has the pointer; nothing to capture then.
  static_cast<void>(SDL_CaptureMouse(window != nullptr ? SDL_TRUE : SDL_FALSE));
  Kick();  // a grab waits for the desktop's answer
}

void SdlDisplay::CursorChanged(HCURSOR cursor) {
  const ScopeExit kick([this] { Kick(); });
  SDL_ShowCursor(cursor != nullptr ? SDL_ENABLE : SDL_DISABLE);
  if (cursor == nullptr) return;
  auto made = FCursors.find(cursor);
  if (made == FCursors.end()) {
    const CursorPicture picture = GetCursorPicture(cursor);
    SdlSurfacePtr surface = CreateCursorSurface(picture.Color, picture.Mask);
    // A cursor SDL cannot make leaves the pointer as it was.
    SDL_Cursor* native = surface ? SDL_CreateColorCursor(surface.get(), picture.HotSpot.X, picture.HotSpot.Y) : nullptr;
    if (native == nullptr) return;
    made = FCursors.emplace(cursor, native).first;
  }
  SDL_SetCursor(made->second);
}

void SdlDisplay::ClipboardTextChanged(const String& text) {
  FOwnClipboardText = text;
  SDL_SetClipboardText(text.c_str());
  Kick();
}

std::optional<String> SdlDisplay::DesktopClipboardText() {
  // Empty when the desktop's clipboard holds no text.
  char* text = SDL_GetClipboardText();
  if (text == nullptr) return std::nullopt;
  String result(text);
  SDL_free(text);
  Kick();  // SDL ran the desktop's events while it waited for the text
  if (result.empty() || result == FOwnClipboardText) return std::nullopt;
  return result;
}

DWORD SdlDisplay::DesktopDragOver(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) {
  const ScopeExit kick([this] { Kick(); });
  FollowDesktopDrag(true);
  return FXdnd ? FXdnd->DragOver(data, screenPoint, keyState, okEffects) : DROPEFFECT_NONE;
}

void SdlDisplay::DesktopDragLeave() {
  FollowDesktopDrag(false);
  if (FXdnd) FXdnd->DragLeave();
  Kick();
}

DWORD SdlDisplay::DesktopDrop(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) {
  const ScopeExit kick([this] { Kick(); });
  FollowDesktopDrag(false);
  return FXdnd ? FXdnd->Drop(data, screenPoint, keyState, okEffects) : DROPEFFECT_NONE;
}

void SdlDisplay::Drain() {
  // Feeding input runs window procedures, which may call back into this
  // display (even destroy windows) or run a nested loop that drains too; so
  // nothing is held across an event.
  SDL_Event event;
  while (SDL_PollEvent(&event) == 1) Dispatch(event);
  // A lost focus deactivates the program only when no window of ours has
  // it now: passing to one of its tips or menus keeps the form active.
  const HWND lost = std::exchange(FFocusLost, nullptr);
  if (lost != nullptr && SDL_GetKeyboardFocus() == nullptr) FeedActivation(lost, false);
}

void SdlDisplay::FollowDesktopPointer() {
  // Our drag over another program's window: its pointer events can reach
  // that program instead of us (SDL may give up the desktop's capture of
  // the press before the drag takes the pointer), and the drag would wait
  // for a release for ever. So while it lasts the desktop's pointer is
  // asked, as the platform's drag loop polls the keys.
  int x = 0, y = 0;
  const Uint32 held = SDL_GetGlobalMouseState(&x, &y);
  if (TPoint{x, y} != FLastPointer) {
    FLastPointer = {x, y};
    FeedMouseMove(FLastPointer);
  }
  for (const auto& [sdlButton, button] : {std::pair{SDL_BUTTON_LEFT, MouseButton::Left},
                                          std::pair{SDL_BUTTON_RIGHT, MouseButton::Right},
                                          std::pair{SDL_BUTTON_MIDDLE, MouseButton::Middle}}) {
    const Uint32 mask = SDL_BUTTON(sdlButton);
    if ((FButtonsDown & mask) && !(held & mask)) {
      FButtonsDown &= ~mask;
      FeedMouseButton(button, false, {x, y});
    }
  }
  Kick();  // the question may have read events off the connection
}

void SdlDisplay::FollowDesktopDrag(bool follow) {
  if (follow == (FDragPoll != 0)) return;
  if (follow) {
    FDragPoll = AddWakeSource(-1, [this] { FollowDesktopPointer(); }, kPollIntervalMs);
  } else {
    RemoveWakeSource(FDragPoll);
    FDragPoll = 0;
  }
}

void SdlDisplay::Dispatch(const SDL_Event& event) {
  switch (event.type) {
    case SDL_WINDOWEVENT: DispatchWindowEvent(event.window); break;
    case SDL_MOUSEMOTION:
      if (HWND window = WindowOfId(event.motion.windowID)) {
        FLastPointer = ScreenPoint(window, event.motion.x, event.motion.y);
        FeedMouseMove(FLastPointer);
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      HWND window = WindowOfId(event.button.windowID);
      if (window == nullptr) break;
      const bool down = event.type == SDL_MOUSEBUTTONDOWN;
      if (event.button.button <= 3) {
        const Uint32 mask = SDL_BUTTON(event.button.button);
        FButtonsDown = down ? FButtonsDown | mask : FButtonsDown & ~mask;
      }
      const TPoint point = ScreenPoint(window, event.button.x, event.button.y);
      if (event.button.button == SDL_BUTTON_LEFT) FeedMouseButton(MouseButton::Left, down, point);
      if (event.button.button == SDL_BUTTON_RIGHT) FeedMouseButton(MouseButton::Right, down, point);
      if (event.button.button == SDL_BUTTON_MIDDLE) FeedMouseButton(MouseButton::Middle, down, point);
      break;
    }
    case SDL_MOUSEWHEEL: {
      HWND window = WindowOfId(event.wheel.windowID);
      if (window == nullptr) break;
      const int sign = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
      const TPoint point = ScreenPoint(window, event.wheel.mouseX, event.wheel.mouseY);
      // SDL's x grows to the right, as WM_MOUSEHWHEEL's delta does.
      if (event.wheel.y != 0) FeedMouseWheel(sign * event.wheel.y * 120, point);
      if (event.wheel.x != 0) FeedMouseWheel(sign * event.wheel.x * 120, point, true);
      break;
    }
    case SDL_KEYDOWN:
      if (const unsigned key = FKeyboard.KeyDown(event.key.keysym)) FeedKey(key, true);
      break;
    case SDL_KEYUP:
      if (const unsigned key = FKeyboard.KeyUp(event.key.keysym)) FeedKey(key, false);
      break;
    case SDL_TEXTINPUT:
      if (FKeyboard.TextNeedsFeeding()) FeedText(event.text.text);
      break;
    default: break;
  }
}

void SdlDisplay::DispatchWindowEvent(const SDL_WindowEvent& event) {
  HWND window = WindowOfId(event.windowID);
  if (window == nullptr) return;
  switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:  // SDL has made a new surface
      if (NativeWindow* native = Find(window)) PresentAll(window, *native);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      FFocusLost = nullptr;
      FeedActivation(window, true);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST: FFocusLost = window; break;
    case SDL_WINDOWEVENT_LEAVE: FeedMouseExit(); break;
    case SDL_WINDOWEVENT_CLOSE: FeedCloseRequest(window); break;
    default: break;
  }
}

}  // namespace

std::unique_ptr<Display> CreateSdlDisplay() { return std::make_unique<SdlDisplay>(); }

}  // namespace plat
