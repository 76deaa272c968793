#pragma once
// A window as the window layer keeps it. Only the window layer's own units
// use this record; everything else goes through handles. Windows are owned
// by the window list (WindowManager) through shared pointers, so a routine
// that calls into window procedures can keep the record alive and look at
// IsAlive() afterwards: a procedure may destroy the window under it.
#include <memory>
#include <optional>
#include <vector>

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Region.h"
#include "platform/os/Handle.h"
#include "platform/rtl/Utf8Assembler.h"
#include "platform/win/LayeredWindows.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowStyles.h"

namespace plat {

class Window {
 public:
  enum class Life { Creating, Alive, Destroying, Dead };

  Window(HWND handle, std::shared_ptr<WindowClassRecord> windowClass);

  HWND Handle() const { return FHandle; }
  bool IsAlive() const { return Stage == Life::Creating || Stage == Life::Alive; }

  // Identity and stored values.
  std::shared_ptr<WindowClassRecord> Class;
  Life Stage = Life::Creating;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  WNDPROC Proc = nullptr;
  bool Unicode = false;
  HINSTANCE Instance = nullptr;
  LONG_PTR Id = 0;             // GWLP_ID: the control identifier, or a top-level window's menu bar
  HMENU SystemMenu = nullptr;  // the window's own copy, made by GetSystemMenu
  LONG_PTR UserData = 0;
  std::vector<Byte> Extra;
  String Text;  // UTF-8
  std::vector<std::pair<String, HANDLE>> Props;

  // The tree. Children are kept topmost first. Top-level windows are the
  // desktop's children; the desktop and the message-only root have no parent.
  Window* Parent = nullptr;
  Window* Owner = nullptr;
  std::vector<Window*> Children;

  // Placement, in the parent's client coordinates (screen coordinates for
  // top-level windows).
  TRect Rect;
  TRect Client;
  TRect RestoreRect;                     // the normal rectangle while minimized or maximized
  std::optional<Region> Shape;           // the window region, window coordinates
  std::optional<LayerAttributes> Layer;  // set for a layered window

  // Painting: the update region in window coordinates and what it needs.
  Region Update;
  bool EraseNeeded = false;
  bool FrameNeeded = false;
  bool InternalPaint = false;
  bool NcActive = false;   // the frame is drawn active
  bool Announced = false;  // the display and the observers know it
  // Top-level windows draw into their own bitmap.
  std::unique_ptr<Bitmap> Surface;
  TRect SurfaceDirty;  // window coordinates, reported to the display at idle

  // Mouse tracking asked by TrackMouseEvent.
  DWORD TrackFlags = 0;
  DWORD HoverTime = 0;
  std::int64_t HoverDue = 0;

  // Parts of a character on its way between UTF-8 and UTF-16 procedures.
  TUtf8Assembler PendingUtf8;
  char16_t PendingHighSurrogate = 0;
  // The input method's last composed text (InputMethod.h).
  WideString ImeResult;

  // Derived facts.
  bool IsChild() const { return (Style & WS_CHILD) != 0; }
  bool IsVisibleStyle() const { return (Style & WS_VISIBLE) != 0; }
  bool IsDisabledStyle() const { return (Style & WS_DISABLED) != 0; }
  bool IsMinimized() const { return (Style & WS_MINIMIZE) != 0; }
  bool IsMaximized() const { return (Style & WS_MAXIMIZE) != 0; }
  // Whether this window and every ancestor carry WS_VISIBLE.
  bool IsShowing() const;
  // The top-level window that holds this one (itself for a top-level one).
  Window* Root();
  bool IsTopLevel() const;
  // Whether `other` is this window or below it.
  bool Contains(const Window* other) const;

  // Coordinates: the window's rectangle and client area in its own window
  // coordinates, and where they lie on the screen.
  TRect WindowBounds() const { return {0, 0, Rect.Width(), Rect.Height()}; }
  TRect ClientInWindow() const { return Client.Translated(-Rect.Left, -Rect.Top); }
  TPoint ScreenOrigin() const;        // the window rectangle's top-left on the screen
  TPoint ClientScreenOrigin() const;  // the client area's top-left on the screen
  TRect ScreenRect() const;
  // The window's top-left in its root's bitmap.
  TPoint OriginInRoot() const;

  // Index in the parent's child list.
  std::size_t ZIndex() const;

 private:
  const HWND FHandle;
};

}  // namespace plat
