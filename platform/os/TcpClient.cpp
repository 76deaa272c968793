#include "platform/os/TcpClient.h"

#include <fcntl.h>
#include <netdb.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include "platform/os/LoopbackPorts.h"
#include "platform/rtl/LastError.h"

namespace plat {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kReceiveChunk = 65536;

ESocketError SocketError(DWORD errorCode) {
  return ESocketError(static_cast<int>(errorCode), SysErrorMessage(errorCode));
}

// A failed socket call, by its errno value.
ESocketError SocketErrorOf(int errnoValue) { return SocketError(SocketErrorFromErrno(errnoValue)); }

std::optional<Clock::time_point> DeadlineAfter(int timeoutMs) {
  if (timeoutMs < 0) return std::nullopt;
  return Clock::now() + std::chrono::milliseconds(timeoutMs);
}

// Milliseconds left for poll: -1 for no deadline, 0 once it has passed.
int Remaining(const std::optional<Clock::time_point>& deadline) {
  if (!deadline) return -1;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

// poll for one descriptor until the deadline, across interruptions. True
// when an event came.
bool PollUntil(int fd, short events, const std::optional<Clock::time_point>& deadline) {
  for (;;) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, Remaining(deadline));
    if (ready > 0) return true;
    if (ready == 0) return false;
    if (errno != EINTR) return true;  // let the following call report the error
  }
}

String AddressText(const sockaddr* address, socklen_t length) {
  char host[NI_MAXHOST];
  if (::getnameinfo(address, length, host, sizeof host, nullptr, 0, NI_NUMERICHOST) != 0) return String();
  return host;
}

// The address to connect to: a loopback one on the port its table maps to.
sockaddr_storage ConnectTarget(const addrinfo* address) {
  sockaddr_storage target{};
  std::memcpy(&target, address->ai_addr, std::min<std::size_t>(address->ai_addrlen, sizeof target));
  if (target.ss_family == AF_INET) {
    auto& v4 = reinterpret_cast<sockaddr_in&>(target);
    if ((ntohl(v4.sin_addr.s_addr) >> 24) == 127) v4.sin_port = htons(MappedLoopbackPort(ntohs(v4.sin_port)));
  } else if (target.ss_family == AF_INET6) {
    auto& v6 = reinterpret_cast<sockaddr_in6&>(target);
    if (IN6_IS_ADDR_LOOPBACK(&v6.sin6_addr)) v6.sin6_port = htons(MappedLoopbackPort(ntohs(v6.sin6_port)));
  }
  return target;
}

}  // namespace

ESocketError::ESocketError(int errorCode, const String& text)
    : Exception("Socket Error # " + std::to_string(errorCode) + "\n" + text), FErrorCode(errorCode) {}

EConnectionClosedGracefully::EConnectionClosedGracefully() : Exception("Connection Closed Gracefully.") {}

EMaxLineLengthExceeded::EMaxLineLengthExceeded() : Exception("Max line length exceeded.") {}

ENotConnected::ENotConnected() : Exception("Not Connected.") {}

EAlreadyConnected::EAlreadyConnected() : Exception("Already connected.") {}

TTcpClient::TTcpClient() = default;

TTcpClient::~TTcpClient() { CloseSocket(); }

void TTcpClient::FireStatus(TTcpStatus status, const String& text) {
  if (OnStatus) OnStatus(this, status, text);
}

void TTcpClient::CloseSocket() {
  if (FSocket >= 0) ::close(FSocket);
  FSocket = -1;
  FBuffer.clear();
  FBufferStart = 0;
  FPeerClosed = false;
  FSkippingLine = false;
}

void TTcpClient::Connect(int timeoutMs) {
  if (Connected()) throw EAlreadyConnected();
  if (FPort < 0 || FPort > 65535) throw SocketError(WSAEINVAL);
  FireStatus(hsResolving, "Resolving hostname " + FHost + ".");
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* addresses = nullptr;
  const String service = std::to_string(FPort);
  if (FHost.empty() || ::getaddrinfo(FHost.c_str(), service.c_str(), &hints, &addresses) != 0 || addresses == nullptr)
    throw SocketError(WSAHOST_NOT_FOUND);
  const auto deadline = DeadlineAfter(timeoutMs);
  int error = ECONNREFUSED;
  int fd = -1;
  for (const addrinfo* address = addresses; address != nullptr && fd < 0; address = address->ai_next) {
    FireStatus(hsConnecting, "Connecting to " + AddressText(address->ai_addr, address->ai_addrlen) + ".");
    fd = ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->ai_protocol);
    if (fd < 0) {
      error = errno;
      continue;
    }
    const sockaddr_storage target = ConnectTarget(address);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&target), address->ai_addrlen) != 0) {
      error = errno;
      if (error == EINPROGRESS) {
        if (!PollUntil(fd, POLLOUT, deadline)) {
          error = ETIMEDOUT;
        } else {
          socklen_t length = sizeof error;
          if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
        }
      }
      if (error != 0) {
        ::close(fd);
        fd = -1;
      }
    }
  }
  ::freeaddrinfo(addresses);
  if (fd < 0) throw SocketErrorOf(error);
  // Request lines are small and answered at once: send them without delay.
  const int one = 1;
  ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
  CloseSocket();
  FSocket = fd;
  FBrokenError = 0;
  FireStatus(hsConnected, "Connected.");
}

void TTcpClient::Disconnect() {
  if (!Connected()) return;
  FireStatus(hsDisconnecting, "Disconnecting.");
  CloseSocket();
  FireStatus(hsDisconnected, "Disconnected.");
  if (OnDisconnected) OnDisconnected(this);
}

void TTcpClient::RaiseBroken(int errnoValue) {
  Disconnect();
  throw SocketErrorOf(errnoValue);
}

void TTcpClient::WriteLn(const String& text, int timeoutMs) {
  if (!Connected()) throw ENotConnected();
  FWriteLnTimedOut = false;
  const auto deadline = DeadlineAfter(timeoutMs);
  const String line = text + "\r\n";
  std::size_t sent = 0;
  while (sent < line.size()) {
    const ssize_t put = ::send(FSocket, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
    if (put >= 0) {
      sent += static_cast<std::size_t>(put);
    } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
      if (!PollUntil(FSocket, POLLOUT, deadline)) {
        FWriteLnTimedOut = true;
        return;
      }
    } else if (errno != EINTR) {
      RaiseBroken(errno);
    }
  }
}

TTcpClient::TReceive TTcpClient::ReceiveAvailable() {
  if (FBufferStart > kReceiveChunk && FBufferStart * 2 > FBuffer.size()) {
    FBuffer.erase(0, FBufferStart);
    FBufferStart = 0;
  }
  char chunk[kReceiveChunk];
  for (;;) {
    const ssize_t got = ::recv(FSocket, chunk, sizeof chunk, MSG_DONTWAIT);
    if (got > 0) {
      FBuffer.append(chunk, static_cast<std::size_t>(got));
      return TReceive::Data;
    }
    if (got == 0) {
      FPeerClosed = true;
      return TReceive::Closed;
    }
    if (errno == EINTR) continue;
    if (errno == EAGAIN || errno == EWOULDBLOCK) return TReceive::WouldBlock;
    FBrokenError = errno;
    return TReceive::Failed;
  }
}

bool TTcpClient::TakeLine(char terminator, int maxLineLength, String& line) {
  const auto limit = static_cast<std::size_t>(maxLineLength > 0 ? maxLineLength : DefaultMaxLineLength);
  for (;;) {
    const auto end = FBuffer.find(terminator, FBufferStart);
    if (FSkippingLine) {
      if (end == String::npos) {
        FBuffer.clear();
        FBufferStart = 0;
        return false;
      }
      FBufferStart = end + 1;
      FSkippingLine = false;
      continue;
    }
    if (end == String::npos) {
      // One more byte may be the CR of a line of exactly the limit.
      if (FBuffer.size() - FBufferStart > limit + 1) {
        FSkippingLine = true;
        throw EMaxLineLengthExceeded();
      }
      return false;
    }
    std::size_t length = end - FBufferStart;
    if (terminator == '\n' && length > 0 && FBuffer[end - 1] == '\r') --length;
    const std::size_t start = FBufferStart;
    FBufferStart = end + 1;
    if (length > limit) throw EMaxLineLengthExceeded();
    line.assign(FBuffer, start, length);
    return true;
  }
}

String TTcpClient::ReadLn(char terminator, int timeoutMs, int maxLineLength) {
  FReadLnTimedOut = false;
  const auto deadline = DeadlineAfter(timeoutMs);
  String line;
  for (;;) {
    if (TakeLine(terminator, maxLineLength, line)) return line;
    if (!Connected()) throw ENotConnected();
    if (FPeerClosed) {
      Disconnect();
      throw EConnectionClosedGracefully();
    }
    if (!PollUntil(FSocket, POLLIN, deadline)) {
      FReadLnTimedOut = true;
      return String();
    }
    if (ReceiveAvailable() == TReceive::Failed) RaiseBroken(FBrokenError);
  }
}

void TTcpClient::CheckForDisconnect(bool raiseIfDisconnected, bool ignoreBuffer) {
  if (!Connected()) {
    if (raiseIfDisconnected) throw ENotConnected();
    return;
  }
  // Take what has arrived (bounded, so a flooding peer cannot hold us here).
  TReceive received = TReceive::Data;
  for (int pass = 0; pass < 16 && received == TReceive::Data && !FPeerClosed; ++pass) received = ReceiveAvailable();
  if (received == TReceive::Failed) {
    const int error = FBrokenError;
    Disconnect();
    if (raiseIfDisconnected) throw SocketErrorOf(error);
    return;
  }
  if (FPeerClosed && (ignoreBuffer || FBufferStart == FBuffer.size())) {
    Disconnect();
    if (raiseIfDisconnected) throw EConnectionClosedGracefully();
  }
}

void TTcpClient::CheckForGracefulDisconnect(bool raiseIfDisconnected) { CheckForDisconnect(raiseIfDisconnected, true); }

}  // namespace plat
