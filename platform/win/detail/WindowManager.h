#pragma once
// The window list: every window of this process by handle, the desktop and
// the message-only root they hang from, and the window state that belongs
// to the thread (active, focus and capture windows). It also tells the
// display and the window-list observers about top-level windows.
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/win/detail/Window.h"
#include "platform/win/detail/WindowListObserver.h"

namespace plat {

class WindowManager {
 public:
  static WindowManager& Instance();

  // The window behind a handle while it is not dead, else null. SetError
  // sets ERROR_INVALID_WINDOW_HANDLE for a miss.
  Window* Find(HWND handle) const;
  Window* FindOrFail(HWND handle) const;
  std::shared_ptr<Window> Keep(const Window* window) const;

  // The desktop (the parent of top-level windows, the size of the screen)
  // and the root of message-only windows.
  Window* Desktop();
  Window* MessageRoot();
  bool IsDesktop(const Window* window) const { return window == FDesktop.get(); }

  // Enters a new window record under a fresh handle.
  Window* Create(std::shared_ptr<WindowClassRecord> windowClass);
  // Forgets a dead window (its record lives on while someone keeps it).
  void Remove(Window* window);

  // Thread window state.
  HWND Active = nullptr;
  HWND Focus = nullptr;
  HWND Capture = nullptr;

  // Announcements about top-level windows to the display and the observers.
  void AnnounceCreated(Window* window);
  void AnnounceDestroyed(Window* window);
  void AnnounceShown(Window* window);
  void AnnounceMoved(Window* window);
  void AnnounceText(Window* window);
  void AnnounceRegion(Window* window);
  void AnnounceLayer(Window* window);
  // The window, then the windows it owns, raised by the display.
  void AnnounceRaised(Window* window);
  // The active window, to hold the desktop's keyboard focus.
  void AnnounceActivated(Window* window);
  // Tells the display about the new pixels of every top-level window.
  void FlushSurfaces();
  // Introduces every existing top-level window to a newly installed display.
  void IntroduceAll();

  std::vector<WindowListObserver*> Observers;

 private:
  WindowManager();
  std::unordered_map<HWND, std::shared_ptr<Window>> FWindows;
  std::shared_ptr<Window> FDesktop;
  std::shared_ptr<Window> FMessageRoot;
};

// Whether a window counts for the display and the observers: a top-level
// window (the desktop's child).
bool IsAnnounced(const Window* window);

}  // namespace plat
