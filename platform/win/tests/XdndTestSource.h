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
  // How the data is served: as 8-bit bytes, or as a program sending bad
  // replies would: 32-bit items, the incremental transfer's INCR type, or
  // more bytes than the receiver reads (17 MiB, built up in pieces).
  enum class Reply { Bytes, Items32, Incremental, Oversized };
  // Enter, position at the point, drop once the status came, serve the
  // data, wait for the finish. Each wait is bounded; none when no XdndAware
  // window is at the point.
  std::optional<Outcome> Drop(int x, int y, const std::string& type, const std::string& data,
                              Reply reply = Reply::Bytes);
  // A client message as a broken program sends it to the window at the
  // point (through its proxy): any format, any values.
  void SendRaw(int x, int y, const char* messageType, int format, const long (&values)[5]);

 private:
  // The XdndAware window at a point and where its messages go.
  bool FindTarget(int x, int y, unsigned long& target, unsigned long& sendTo) const;
  void ServeRequest(const void* request, unsigned long typeAtom, const std::string& data, Reply reply);

  void* FDisplay = nullptr;
  unsigned long FWindow = 0;
};

}  // namespace plat::testing
