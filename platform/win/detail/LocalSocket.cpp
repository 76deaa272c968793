#include "platform/win/detail/LocalSocket.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/rtl/LastError.h"

namespace plat {

namespace {

using SteadyTime = std::chrono::steady_clock;

// The address of path; for a path too long for sun_path, the address goes
// through /proc/self/fd/<folder descriptor>, which folderFd keeps open.
bool MakeAddress(const String& path, sockaddr_un& address, TLocalSocket& folderFd) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  String target = path;
  if (target.size() >= sizeof address.sun_path) {
    const std::size_t slash = path.rfind('/');
    if (slash == String::npos) return false;
    const String folder = slash == 0 ? String("/") : path.substr(0, slash);
    folderFd = TLocalSocket(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.Valid()) return false;
    target = "/proc/self/fd/" + std::to_string(folderFd.Fd()) + path.substr(slash);
    if (target.size() >= sizeof address.sun_path) return false;
  }
  std::memcpy(address.sun_path, target.c_str(), target.size() + 1);
  return true;
}

int MillisecondsLeft(SteadyTime::time_point deadline, int timeoutMs) {
  if (timeoutMs < 0) return -1;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SteadyTime::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// Waits for events on fd until the deadline; false on time-out.
bool WaitFor(int fd, short events, SteadyTime::time_point deadline, int timeoutMs) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, MillisecondsLeft(deadline, timeoutMs));
    if (ready > 0) return true;
    if (ready == 0) return false;
    if (errno != EINTR) return false;
  }
}

}  // namespace

TLocalSocket& TLocalSocket::operator=(TLocalSocket&& other) noexcept {
  if (this != &other) {
    Close();
    FFd = std::exchange(other.FFd, -1);
  }
  return *this;
}

void TLocalSocket::Close() {
  if (FFd >= 0) ::close(FFd);
  FFd = -1;
}

TLocalSocket ListenLocal(const String& path) {
  sockaddr_un address;
  TLocalSocket folder;
  if (!MakeAddress(path, address, folder)) {
    SetLastError(ERROR_FILENAME_EXCED_RANGE);
    return {};
  }
  TLocalSocket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
  if (!socket.Valid()) {
    SetLastError(ErrorFromErrno(errno));
    return {};
  }
  ::unlink(path.c_str());
  if (::bind(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(socket.Fd(), 16) != 0) {
    SetLastError(ErrorFromErrno(errno));
    return {};
  }
  return socket;
}

TLocalSocket AcceptLocal(const TLocalSocket& listener) {
  for (;;) {
    const int fd = ::accept4(listener.Fd(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd >= 0 || errno != EINTR) return TLocalSocket(fd);
  }
}

TConnectResult ConnectLocal(const String& path, TLocalSocket& socket, int waitMs) {
  sockaddr_un address;
  TLocalSocket folder;
  if (!MakeAddress(path, address, folder)) return TConnectResult::Failed;
  // Blocking while connecting when asked to wait: a Unix socket's connect
  // then waits for room in the listener's queue, bounded by the send time-out.
  socket = TLocalSocket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | (waitMs > 0 ? 0 : SOCK_NONBLOCK), 0));
  if (!socket.Valid()) return TConnectResult::Failed;
  if (waitMs > 0) {
    const timeval limit{waitMs / 1000, (waitMs % 1000) * 1000};
    ::setsockopt(socket.Fd(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  }
  int error = 0;
  while (::connect(socket.Fd(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    error = errno;
    if (error != EINTR) break;
  }
  if (error == 0) {
    ::fcntl(socket.Fd(), F_SETFL, ::fcntl(socket.Fd(), F_GETFL) | O_NONBLOCK);
    return TConnectResult::Connected;
  }
  socket.Close();
  if (error == ECONNREFUSED || error == ENOENT || error == ENOTSOCK) return TConnectResult::Refused;
  return error == EAGAIN || error == EWOULDBLOCK || error == ETIMEDOUT ? TConnectResult::Busy : TConnectResult::Failed;
}

bool WriteAll(const TLocalSocket& socket, const String& data, int timeoutMs) {
  const auto deadline = SteadyTime::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  std::size_t written = 0;
  while (written < data.size()) {
    const ssize_t count = ::send(socket.Fd(), data.data() + written, data.size() - written, MSG_NOSIGNAL);
    if (count > 0) {
      written += static_cast<std::size_t>(count);
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(socket.Fd(), POLLOUT, deadline, timeoutMs))
      continue;
    return false;
  }
  return true;
}

std::optional<String> ReadLine(const TLocalSocket& socket, std::size_t maxLength, int timeoutMs) {
  const auto deadline = SteadyTime::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
  String line;
  for (;;) {
    char c;
    const ssize_t count = ::recv(socket.Fd(), &c, 1, 0);
    if (count == 1) {
      if (c == '\n') return line;
      if (line.size() == maxLength) return std::nullopt;
      line += c;
      continue;
    }
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && WaitFor(socket.Fd(), POLLIN, deadline, timeoutMs))
      continue;
    return std::nullopt;
  }
}

}  // namespace plat
