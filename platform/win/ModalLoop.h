#pragma once
// Modal message loops, as dialogs and message boxes run them. The display
// hears of the loop once it first has nothing to do (ModalLoopStarted), so
// a test can read the window and answer it.
#include <functional>

#include "platform/win/WinTypes.h"

namespace plat {

// Runs the queue (GetMessage, TranslateMessage, DispatchMessage) until
// finished() answers true, checked after every message. On WM_QUIT it
// posts WM_QUIT again for the loop outside and answers false; otherwise
// true. The window is the modal one; its owner's disabling is the caller's.
bool RunModalLoop(HWND window, const std::function<bool()>& finished);

// How deep in modal loops the thread is.
int ModalLoopDepth();

// For a loop that handles its own messages (the class library's modal
// forms, menus): while it lives, the loop counts in ModalLoopDepth, and the
// display hears of it as of RunModalLoop's once the queue first has nothing
// to do; a loop that ends before that is never announced.
class ModalLoopScope {
 public:
  explicit ModalLoopScope(HWND window);
  ~ModalLoopScope();
  ModalLoopScope(const ModalLoopScope&) = delete;
  ModalLoopScope& operator=(const ModalLoopScope&) = delete;

 private:
  HWND FWindow;
};

}  // namespace plat
