#pragma once
// Another program's drag, as a desktop program would make it: an X client
// of its own that speaks XDND to the window under a screen point (through
// its XdndProxy), offers one type and serves it from XdndSelection.
#include <optional>
#include <string>

namespace plat::testing {

class XdndTestSource {
 public:
  // Throws std::runtime_error when the display cannot be opened.
  explicit XdndTestSource(const std::string& displayName);
  ~XdndTestSource();
  XdndTestSource(const XdndTestSource&) = delete;
  XdndTestSource& operator=(const XdndTestSource&) = delete;

  struct Outcome {
    bool Accepted = false;     // the status before the drop
    bool Finished = false;     // XdndFinished came
    bool FinishedOk = false;   // and said the drop was taken
    std::string Action;        // the action it named
  };
  // Enter, position at the point, drop once the status came, serve the
  // data, wait for the finish. Each wait is bounded; none when no XdndAware
  // window is at the point.
  std::optional<Outcome> Drop(int x, int y, const std::string& type, const std::string& data);

 private:
  void* FDisplay = nullptr;
  unsigned long FWindow = 0;
};

}  // namespace plat::testing
