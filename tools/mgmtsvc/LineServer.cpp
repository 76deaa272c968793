#include "tools/mgmtsvc/LineServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <ostream>
#include <system_error>

#include "tools/mgmtsvc/ClientConnection.h"

namespace zorbit::mgmtsvc {

namespace {

// More simultaneous clients than any machine's programs would open; beyond
// it a connection is closed at once rather than given a thread.
constexpr std::size_t kMaxConnections = 64;

[[noreturn]] void ThrowSystemError(const char* What) { throw std::system_error(errno, std::generic_category(), What); }

}  // namespace

LineServer::LineServer(const ServiceOptions& Options, CommandDispatcher& Dispatcher, const StopSignal& Stop,
                       std::ostream& Log)
    : FOptions(Options), FDispatcher(Dispatcher), FStop(Stop), FLog(Log) {}

LineServer::~LineServer() { JoinAll(); }

int LineServer::Listen() {
  FListener.Reset(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!FListener.Valid()) ThrowSystemError("socket");
  int on = 1;
  setsockopt(FListener.Get(), SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<std::uint16_t>(FOptions.Port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (bind(FListener.Get(), reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
    ThrowSystemError(("cannot listen on 127.0.0.1:" + std::to_string(FOptions.Port)).c_str());
  if (listen(FListener.Get(), SOMAXCONN) != 0) ThrowSystemError("listen");
  socklen_t length = sizeof address;
  if (getsockname(FListener.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
    ThrowSystemError("getsockname");
  return ntohs(address.sin_port);
}

void LineServer::Run() {
  pollfd entries[2] = {{FListener.Get(), POLLIN, 0}, {FStop.Fd(), POLLIN, 0}};
  for (;;) {
    int ready = poll(entries, 2, -1);
    if (ready < 0 && errno != EINTR) ThrowSystemError("poll");
    if (entries[1].revents) break;
    if (ready <= 0 || !entries[0].revents) continue;
    UniqueFd client(accept4(FListener.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
    if (!client.Valid()) {
      // Out of descriptors or an aborted handshake: wait a moment and go on.
      if (errno != EAGAIN && errno != EINTR && errno != ECONNABORTED) FStop.WaitFor(10);
      continue;
    }
    ReapFinished();
    if (FOptions.Refuse) continue;  // closed at once by the owner
    if (FWorkers.size() >= kMaxConnections) {
      FLog << "mgmtsvc: too many connections; one was closed\n";
      continue;
    }
    Serve(std::move(client));
  }
  FListener.Reset();
  JoinAll();
}

void LineServer::Serve(UniqueFd Socket) {
  Worker& worker = FWorkers.emplace_back();
  try {
    worker.Thread = std::thread([this, &worker, socket = std::move(Socket)]() mutable {
      try {
        ClientConnection(std::move(socket), FOptions, FDispatcher, FStop, FLog).Serve();
      } catch (const std::exception& error) {
        FLog << std::string("mgmtsvc: a connection ended on an error: ") + error.what() + "\n";
      }
      worker.Done = true;
    });
  } catch (const std::system_error& error) {
    FWorkers.pop_back();
    FLog << std::string("mgmtsvc: no thread for a connection: ") + error.what() + "\n";
  }
}

void LineServer::ReapFinished() {
  for (auto it = FWorkers.begin(); it != FWorkers.end();) {
    if (it->Done) {
      it->Thread.join();
      it = FWorkers.erase(it);
    } else {
      ++it;
    }
  }
}

void LineServer::JoinAll() {
  for (Worker& worker : FWorkers)
    if (worker.Thread.joinable()) worker.Thread.join();
  FWorkers.clear();
}

}  // namespace zorbit::mgmtsvc
