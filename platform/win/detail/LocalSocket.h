#pragma once
// Unix stream sockets named by a path, for the window sockets that processes
// reach each other's windows through. Paths longer than a socket address can
// hold are reached through the folder's descriptor, so a deep platform root
// still works.
#include <optional>
#include <utility>

#include "platform/rtl/Types.h"

namespace plat {

// Owns one file descriptor.
class TLocalSocket {
 public:
  TLocalSocket() = default;
  explicit TLocalSocket(int fd) : FFd(fd) {}
  TLocalSocket(TLocalSocket&& other) noexcept : FFd(std::exchange(other.FFd, -1)) {}
  TLocalSocket& operator=(TLocalSocket&& other) noexcept;
  TLocalSocket(const TLocalSocket&) = delete;
  TLocalSocket& operator=(const TLocalSocket&) = delete;
  ~TLocalSocket() { Close(); }

  int Fd() const { return FFd; }
  bool Valid() const { return FFd >= 0; }
  void Close();

 private:
  int FFd = -1;
};

// A non-blocking listening socket at path (an old file there is replaced);
// invalid with the last error set on failure.
TLocalSocket ListenLocal(const String& path);

// Accepts one waiting connection, non-blocking; invalid when none waits.
TLocalSocket AcceptLocal(const TLocalSocket& listener);

enum class TConnectResult { Connected, Refused, Busy, Failed };

// Connects to the socket at path; the other side need not have accepted
// yet. Refused means nobody listens there: the file is left over from a
// process that has ended (or is no socket at all). Busy means the listener
// has a full queue of connections it has not taken yet; with waitMs above 0
// the call waits that long for room first. The socket is non-blocking.
TConnectResult ConnectLocal(const String& path, TLocalSocket& socket, int waitMs = 0);

// Writes all of data, waiting at most timeoutMs (negative: no limit).
bool WriteAll(const TLocalSocket& socket, const String& data, int timeoutMs);

// Reads one line (without its line break) of at most maxLength bytes,
// waiting at most timeoutMs; nothing on time-out, error, end of stream or an
// over-long line. Bytes after the line break are not read.
std::optional<String> ReadLine(const TLocalSocket& socket, std::size_t maxLength, int timeoutMs);

}  // namespace plat
