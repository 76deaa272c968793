#pragma once
// Watching the list of top-level windows, for publishing them to other
// processes. A window counts as top-level while it has no parent; SetParent
// moving it in or out of that list reports it as created or destroyed.
// Observers are called on the UI thread, after the change.
#include "platform/win/WinTypes.h"

namespace plat {

class WindowListObserver {
 public:
  virtual ~WindowListObserver() = default;
  virtual void TopLevelWindowCreated(HWND window) = 0;
  // The handle is still valid during the call.
  virtual void TopLevelWindowDestroyed(HWND window) = 0;
  virtual void TopLevelWindowTextChanged(HWND window) = 0;
  virtual void TopLevelWindowVisibilityChanged(HWND window) = 0;
};

// The observer is not owned and must be removed before it dies.
void AddWindowListObserver(WindowListObserver* observer);
void RemoveWindowListObserver(WindowListObserver* observer);

}  // namespace plat
