#pragma once
// Display backends. The window layer owns every window, draws every pixel
// into the top-level windows' backing bitmaps and routes all input; a
// backend only shows those bitmaps somewhere (a native window, nowhere) and
// feeds the input it receives back in. Everything here runs on the UI thread.
//
// Which backend: ZORBIT_DISPLAY=headless|sdl; without it SDL when DISPLAY or
// WAYLAND_DISPLAY is set, else headless. When the backend so chosen cannot
// start, that is an error; the headless one never takes its place. A program
// opens its display before it makes windows, to say so and end rather than
// run where nobody sees it.
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Region.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/Ole.h"
#include "platform/win/WinTypes.h"

namespace plat {

// One monitor of the display, in virtual-screen coordinates.
struct MonitorArea {
  TRect Bounds;
  TRect WorkArea;
  bool operator==(const MonitorArea&) const = default;
};

// What the window layer tells a backend. Only top-level windows (no parent)
// are announced; coordinates are screen coordinates unless said otherwise.
class Display {
 public:
  virtual ~Display() = default;

  // "headless" or "sdl".
  virtual const char* Name() const = 0;

  // The screen: its size (the virtual screen starts at 0, 0), the part not
  // taken by the desktop's panels, and the refresh rate in hertz. DCs on
  // the display report them (DisplayMode.h) from the moment it is installed.
  virtual TSize ScreenSize() const = 0;
  virtual TRect WorkArea() const = 0;
  virtual int RefreshRate() const = 0;
  // Every monitor, the primary one first: its place on the virtual screen
  // and its work area. Never empty; the primary one is ScreenSize and
  // WorkArea.
  virtual std::vector<MonitorArea> Monitors() const = 0;

  // A window came into being (hidden) or is going away; after
  // WindowDestroyed its handle is never passed again.
  virtual void WindowCreated(HWND window) = 0;
  virtual void WindowDestroyed(HWND window) = 0;
  virtual void WindowShown(HWND window, bool visible) = 0;
  // The window's rectangle, non-client area included. A minimized window
  // moves to (-32000, -32000), off every screen.
  virtual void WindowMoved(HWND window, const TRect& screenBounds) = 0;
  // The window's shape in window coordinates; null: the whole rectangle.
  virtual void WindowRegionChanged(HWND window, const Region* region) = 0;
  virtual void WindowTextChanged(HWND window, const String& text) = 0;
  // How a layered window is to be composed on the screen (its constant
  // opacity, its transparent colour); null: as it is.
  virtual void WindowLayerChanged(HWND window, const LayerAttributes* layer) = 0;
  // The window came to the top of the Z order and should be raised.
  virtual void WindowRaised(HWND window) = 0;
  // The window is the program's active one and should hold the desktop's
  // keyboard focus. Told on every activation and on every press into the
  // active window: without a window manager nothing else moves the focus,
  // not when a modal window goes nor on a click.
  virtual void WindowActivated(HWND window) = 0;
  // New pixels in the window's backing bitmap (WindowSurface), in window
  // coordinates. Reported when the UI thread goes idle, merged per window.
  virtual void WindowPixelsChanged(HWND window, const TRect& dirty) = 0;

  // The window holding the mouse capture (null: none), so a backend can
  // keep receiving the pointer outside its native window.
  virtual void CaptureChanged(HWND window) = 0;
  // The shape the pointer should take (a handle from LoadCursor; null hides it).
  virtual void CursorChanged(HCURSOR cursor) = 0;

  // Plain text put on the clipboard by this program, for the desktop.
  virtual void ClipboardTextChanged(const String& text) = 0;
  // The desktop's clipboard text when another program set it, else none.
  virtual std::optional<String> DesktopClipboardText() = 0;

  // A drag of ours (DoDragDrop) while the pointer is over no window of
  // this program: the desktop's window there may take it. Answers what
  // that window would do (DROPEFFECT_ values; none where no window takes
  // drags). DesktopDragLeave: the pointer came back or the drag ended.
  // DesktopDrop: released there; answers what the window did, once it is
  // done with the data (the data object lives until then).
  virtual DWORD DesktopDragOver(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) = 0;
  virtual void DesktopDragLeave() = 0;
  virtual DWORD DesktopDrop(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects) = 0;

  // A nested modal loop started for the window (a dialog, a message box);
  // called once the loop first has nothing to do, so the window is shown
  // and painted.
  virtual void ModalLoopStarted(HWND window) = 0;

  // The program asked for the desktop's sound of that kind (MessageBeep:
  // MB_OK, MB_ICONHAND..., 0xFFFFFFFF the plain beep).
  virtual void Beep(UINT type) = 0;
};

// The backend in force, chosen on first use; throws Exception when the
// chosen backend cannot start (nothing is installed then).
Display& CurrentDisplay();
// Replaces the backend (tests install the headless one); windows that exist
// are announced to the new one. Null chooses again from the environment; when
// that choice cannot start, Exception, and the backend in force stays.
void SetDisplay(std::unique_ptr<Display> display);

// The backends. CreateSdlDisplay throws Exception, naming the desktop, when
// it cannot be opened.
std::unique_ptr<Display> CreateHeadlessDisplay();
std::unique_ptr<Display> CreateSdlDisplay();

// The backing bitmap of a top-level window (window coordinates), or null for
// a child, hidden-never-shown or unknown window.
const Bitmap* WindowSurface(HWND window);

// Input a backend feeds in. Positions are screen coordinates; the window
// layer finds the target (capture, hit testing), adds double clicks and
// key flags, and queues the messages.
enum class MouseButton { Left, Right, Middle };
void FeedMouseMove(TPoint screenPoint);
void FeedMouseButton(MouseButton button, bool down, TPoint screenPoint);
// delta in WHEEL_DELTA units of 120 per notch; positive is away from the user (or right).
void FeedMouseWheel(int delta, TPoint screenPoint, bool horizontal = false);
// The pointer left every window of this program.
void FeedMouseExit();
// A key by its virtual-key code; the scan code comes from MapVirtualKey
// (US layout). A key fed down while already down repeats.
void FeedKey(UINT virtualKey, bool down);
// Characters no key produced (input methods, composed characters): queued
// to the focus window as WM_CHAR directly, bypassing TranslateMessage.
void FeedText(const String& utf8);
// An input method finished composing: the result goes to the focus window
// as InputMethod.h describes (nothing for an empty result).
void FeedComposition(const WideString& result);
// The desktop activated or deactivated the native window of a top-level window.
void FeedActivation(HWND window, bool active);
// The desktop asked to close a top-level window (its close button).
void FeedCloseRequest(HWND window);
// Another program's drag over the screen: the window of ours there that
// registered a drop target (DragDrop.h) hears DragEnter, DragOver and
// DragLeave as for our own drags, and answers the effect a drop would
// have (none where no target is). FeedExternalDragLeave: the drag left
// our windows or was cancelled. FeedExternalDrop: released; answers the
// effect the target performed (an effect outside okEffects counts as none).
DWORD FeedExternalDragOver(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects);
void FeedExternalDragLeave();
DWORD FeedExternalDrop(IDataObject* data, TPoint screenPoint, DWORD keyState, DWORD okEffects);

}  // namespace plat
