#include "platform/win/CrossProcessWindows.h"

#include <memory>

#include "platform/os/PosixFiles.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/StringUtils.h"
#include "platform/win/detail/LocalSocket.h"
#include "platform/win/detail/PublishedWindowList.h"
#include "platform/win/detail/RemoteWindows.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/detail/WindowManager.h"
#include "platform/win/detail/WindowPublisher.h"
#include "platform/win/detail/WindowRegistryFolder.h"

namespace plat {

namespace {

struct CrossProcessState {
  RemoteWindows Remote;
  std::unique_ptr<WindowPublisher> Publisher;
  bool RemoteInstalled = false;

  CrossProcessState() {
    // Made first, so that at exit they outlive the publisher that uses them.
    WindowManager::Instance();
    static_cast<void>(HasWakeSources());
  }
  ~CrossProcessState() {
    if (RemoteInstalled && InstalledForeignWindows() == &Remote) SetForeignWindows(nullptr);
  }
};

CrossProcessState& State() {
  static CrossProcessState state;
  return state;
}

RemoteWindows& InstalledRemote() {
  CrossProcessState& state = State();
  if (!state.RemoteInstalled) {
    SetForeignWindows(&state.Remote);
    state.RemoteInstalled = true;
  }
  return state.Remote;
}

struct WindowMatch {
  String ClassName;  // when MatchClass
  String Title;      // when MatchTitle
  bool MatchClass = false;
  bool MatchTitle = false;
  bool Possible = true;  // false for an atom no class of this process has

  bool Matches(const String& className, const String& title) const {
    return (!MatchClass || AnsiSameText(className, ClassName)) && (!MatchTitle || AnsiSameText(title, Title));
  }
};

WindowMatch MatchFor(const char* className, const char* windowName) {
  WindowMatch match;
  if (className != nullptr) {
    match.MatchClass = true;
    if (IS_INTRESOURCE(className)) {
      const auto windowClass = FindWindowClass(className);
      match.Possible = windowClass != nullptr;
      if (windowClass) match.ClassName = windowClass->Name;
    } else {
      match.ClassName = className;
    }
  }
  if (windowName != nullptr) {
    match.MatchTitle = true;
    match.Title = windowName;
  }
  return match;
}

HWND FindLocal(const WindowMatch& match) {
  for (const Window* window : WindowManager::Instance().Desktop()->Children)
    if (window->IsAlive() && match.Matches(window->Class ? window->Class->Name : String(), window->Text))
      return window->Handle();
  return nullptr;
}

HWND FindRemote(const WindowMatch& match) {
  CrossProcessState& state = State();
  const String own = state.Publisher ? state.Publisher->Endpoint() : String();
  for (const String& endpoint : WindowRegistryFolder::Endpoints()) {
    if (endpoint == own) continue;
    const auto text = ReadWholeFile(WindowRegistryFolder::ListPath(endpoint), TPublishedWindowLimits::MaxFileSize);
    const auto windows = text ? DecodeWindowList(*text) : std::nullopt;
    if (!windows) continue;  // vanished meanwhile, or not a list we can read
    const TPublishedWindow* found = nullptr;
    for (const TPublishedWindow& window : *windows)
      if (found == nullptr && match.Matches(window.ClassName, window.Title)) found = &window;
    if (found == nullptr) continue;
    TLocalSocket probe;
    const TConnectResult alive = ConnectLocal(WindowRegistryFolder::SocketPath(endpoint), probe);
    if (alive == TConnectResult::Refused) {
      WindowRegistryFolder::Remove(endpoint);
      InstalledRemote().ForgetEndpoint(endpoint);
      continue;
    }
    // A busy process, or one this one may not reach, is still alive: its
    // window is found, and calls on it report why they fail.
    return InstalledRemote().HandleFor(endpoint, found->Id);
  }
  return nullptr;
}

}  // namespace

bool StartWindowPublishing() {
  CrossProcessState& state = State();
  if (state.Publisher) return true;
  try {
    state.Publisher = std::make_unique<WindowPublisher>();
  } catch (const Exception&) {
    return false;  // the last error tells why
  }
  return true;
}

void StopWindowPublishing() { State().Publisher.reset(); }

bool IsPublishingWindows() { return State().Publisher != nullptr; }

HWND FindWindowA(const char* className, const char* windowName) {
  const WindowMatch match = MatchFor(className, windowName);
  if (!match.Possible) return nullptr;
  if (HWND local = FindLocal(match)) return local;
  return FindRemote(match);
}

HWND FindProcessWindow(const char* className, const char* windowName) {
  const WindowMatch match = MatchFor(className, windowName);
  return match.Possible ? FindLocal(match) : nullptr;
}

void SetCrossProcessTimeout(int milliseconds) { InstalledRemote().SetTimeoutMs(milliseconds); }

}  // namespace plat
