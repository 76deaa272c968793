#pragma once
// A private X server for tests of the SDL display: Xvfb started on a display
// number it picks itself (-displayfd), on its Unix socket only, with a black
// root window. It is killed when the object goes, and by the kernel when the
// test process dies.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "testing/ChildProcess.h"

namespace plat::testing {

class XvfbServer {
 public:
  // True when the Xvfb program is installed.
  static bool Available();
  // ":N" of a display no X server answers on, for starts whose desktop is
  // gone: far above the numbers servers pick for themselves (the lowest
  // free), and without a socket or lock file of one.
  static std::string UnusedDisplayName();

  // Starts the server and waits until it accepts connections; throws
  // std::runtime_error when it does not come up in time.
  XvfbServer(int width = 1024, int height = 768);
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // ":N", for DISPLAY.
  const std::string& DisplayName() const { return FDisplayName; }

  // A rectangle of the screen read back from the server, row by row, each
  // pixel as 0xRRGGBB; empty when it cannot be read.
  std::vector<std::uint32_t> Grab(int x, int y, int width, int height) const;
  // The shown top-level window with exactly these bounds, as the server
  // keeps it: whether the desktop may manage (and focus) it, whether it
  // holds the keyboard focus, and the opacity it asks of a compositing
  // desktop (_NET_WM_WINDOW_OPACITY, 0xFFFFFFFF opaque; none when it asks
  // none). None when no such window is shown.
  struct NativeWindowState {
    bool OverrideRedirect = false;
    bool Focused = false;
    std::optional<std::uint32_t> Opacity;
  };
  std::optional<NativeWindowState> ShownWindowAt(int x, int y, int width, int height) const;
  // Moves the pointer, as the user would: the server sends the motion to
  // the window below.
  void MovePointer(int x, int y) const;
  // A left click at a screen point, told to the deepest window there as
  // the server would tell it (motion, press, release), even while another
  // window holds a pointer grab: the events are sent to that window rather
  // than made through the input extension (app/tests/XTestInput.h makes
  // real input, which a grab would divert).
  void Click(int x, int y) const;
  // The left button pressed at a screen point (the pointer moved there
  // first), and released at one, told as Click tells them: a drag is
  // Press, MovePointer as often as wanted, Release.
  void Press(int x, int y) const;
  void Release(int x, int y) const;

  // The desktop's clipboard as another program sees it. Asking is one step
  // and the answer another, because the owner answers only while its own
  // event loop runs.
  void RequestClipboardText();
  // The text once it arrived ("" when nobody owns the clipboard).
  std::optional<std::string> ClipboardTextArrived();
  // Another program (a child process) takes the clipboard with text and
  // serves it until the server goes or another owner takes over.
  void OfferClipboardText(const std::string& text);

 private:
  void Stop();
  std::optional<std::uint32_t> OpacityOf(unsigned long window) const;
  // Sends the deepest window at the point these events (MotionNotify,
  // ButtonPress, ButtonRelease of the left button), in order.
  void SendPointerEvents(int x, int y, std::initializer_list<int> types) const;

  std::unique_ptr<zorbit::testing::TChildProcess> FServer;
  int FClipboardOwnerPid = -1;
  unsigned long FRequestor = 0;  // the window clipboard text is delivered to
  std::string FDisplayName;
  void* FConnection = nullptr;  // the Xlib display the pixels are read through
};

}  // namespace plat::testing
