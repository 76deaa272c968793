#include "testing/LoopbackSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <stdexcept>

namespace zorbit::testing {

namespace {

sockaddr_in LoopbackAddress(int Port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<std::uint16_t>(Port));
  return address;
}

}  // namespace

int ListenOnLoopback(int& Port, int Backlog) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address = LoopbackAddress(0);
  socklen_t length = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, Backlog) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    if (fd >= 0) ::close(fd);
    throw std::runtime_error("cannot listen on 127.0.0.1");
  }
  Port = ntohs(address.sin_port);
  return fd;
}

int ConnectToLoopback(int Port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const sockaddr_in address = LoopbackAddress(Port);
  if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    if (fd >= 0) ::close(fd);
    throw std::runtime_error("cannot connect to 127.0.0.1:" + std::to_string(Port));
  }
  return fd;
}

bool SendAll(int Socket, const std::string& Bytes) {
  std::size_t sent = 0;
  while (sent < Bytes.size()) {
    const ssize_t put = ::send(Socket, Bytes.data() + sent, Bytes.size() - sent, MSG_NOSIGNAL);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    sent += static_cast<std::size_t>(put);
  }
  return true;
}

}  // namespace zorbit::testing
