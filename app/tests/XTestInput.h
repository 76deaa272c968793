#pragma once
// Real input on an X server through its XTEST extension: the server itself
// moves the pointer, presses buttons and keys, and delivers the events to
// whichever window is under the pointer or holds the focus, as a user's
// devices would. Also finds a program's top-level windows in the server's
// window tree, for tests that drive another process's windows.
//
// Refuses (throws std::runtime_error) a display it cannot open or one
// without XTEST. Every call is finished on the server when it returns.
#include <string>
#include <vector>

namespace apptest {

class XTestInput {
 public:
  explicit XTestInput(const std::string& DisplayName);
  ~XTestInput();
  XTestInput(const XTestInput&) = delete;
  XTestInput& operator=(const XTestInput&) = delete;

  struct TWindowPlace {
    std::string Title;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
  };
  // The mapped top-level windows, top of the stacking order first.
  std::vector<TWindowPlace> ShownWindows() const;

  // Moves the pointer to a screen point.
  void MovePointer(int X, int Y) const;
  // A left click at a screen point: the pointer moves there, then the
  // button goes down and up.
  void Click(int X, int Y) const;
  // Presses and releases the key that gives KeyName (an X key symbol
  // name such as "a", "1" or "Return") on the server's keyboard map.
  void Type(const std::string& KeyName) const;

 private:
  void* FDisplay = nullptr;
};

}  // namespace apptest
