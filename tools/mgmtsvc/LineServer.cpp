#include "tools/mgmtsvc/LineServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <ostream>
#include <system_error>

namespace zorbit::mgmtsvc {

namespace {

// More simultaneous clients than any machine's programs would open; beyond
// it an idle connection makes room, or the newcomer is closed at once rather
// than given a thread.
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
    if (Occupied() >= kMaxConnections && !EvictOne()) {
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
  worker.Connection =
      std::make_unique<ClientConnection>(std::move(Socket), FNextClient++, FOptions, FDispatcher, FStop, FLog);
  try {
    worker.Thread = std::thread([this, &worker] {
      try {
        worker.Connection->Serve();
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

std::size_t LineServer::Occupied() const {
  std::size_t occupied = 0;
  for (const Worker& worker : FWorkers) occupied += worker.Evicted ? 0 : 1;
  return occupied;
}

bool LineServer::EvictOne() {
  Worker* weakest = nullptr;
  std::optional<ClientConnection::IdleRank> weakestRank;
  for (Worker& worker : FWorkers) {
    if (worker.Evicted) continue;
    auto rank = worker.Connection->Idleness();
    if (rank && (!weakestRank || *rank < *weakestRank)) {
      weakest = &worker;
      weakestRank = rank;
    }
  }
  if (!weakest) return false;
  weakest->Connection->Evict();
  weakest->Evicted = true;
  FLog << "mgmtsvc: every connection slot was taken; an idle connection was closed to make room\n";
  return true;
}

void LineServer::JoinAll() {
  for (Worker& worker : FWorkers)
    if (worker.Thread.joinable()) worker.Thread.join();
  FWorkers.clear();
}

}  // namespace zorbit::mgmtsvc
