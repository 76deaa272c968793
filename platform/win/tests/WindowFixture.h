#pragma once
// The window tests' common ground: the headless display and a virtual clock
// installed for each test, a window class whose procedure writes every
// message it gets into a log ("main WM_CREATE"), per-window handlers that
// answer messages before the default handling, and helpers to make and
// read windows.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/Clock.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/Messages.h"

namespace plat::testing {

using Log = std::vector<std::string>;

// The message's name ("WM_PAINT"), or its number in hex for others.
std::string MessageName(UINT message);

// A handler answers a message itself (a value) or lets the default
// handling run (none).
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Windows of the logging class ("Logged", or "LoggedW" for Unicode),
  // named in the log. Parent: for WS_CHILD the parent, else the owner.
  HWND Make(const std::string& name, DWORD style, TRect bounds, HWND parent = nullptr, DWORD exStyle = 0, int id = 0);
  HWND MakeUnicode(const std::string& name, DWORD style, TRect bounds, HWND parent = nullptr);
  void Handle(HWND window, UINT message, Handler handler);

  // The log since the last Take, then cleared; with a filter, only those messages.
  Log Take();
  Log Take(std::initializer_list<UINT> only);
  void ClearLog();
  // Message-name filter for logs that care about some messages only.
  static Log Only(const Log& log, std::initializer_list<UINT> messages);

  // Runs the queue until it is empty.
  int Pump();
  // Handles at most count messages, for a queue that might never run dry;
  // answers how many it handled.
  static int PumpAtMost(int count);
  VirtualClock& Clock() { return *FClock; }
  HeadlessDisplay& Display() { return *FDisplay; }

  // Fills the window's client area through GetDC.
  static void Fill(HWND window, COLORREF color, const TRect* area = nullptr);
  // A pixel of the window's root bitmap at a client point of the window.
  static COLORREF PixelAt(HWND window, TPoint client);

 private:
  std::shared_ptr<VirtualClock> FClock;
  HeadlessDisplay* FDisplay = nullptr;
};

}  // namespace plat::testing
