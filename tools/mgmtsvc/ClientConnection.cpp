#include "tools/mgmtsvc/ClientConnection.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ostream>

#include "tools/mgmtsvc/StaleIds.h"

namespace zorbit::mgmtsvc {

namespace {

using Clock = std::chrono::steady_clock;

// Requests are short (the longest carries a boot list or a password); a line
// longer than this is hostile and is dropped whole, without buffering it.
constexpr std::size_t kMaxRequestLine = 256 * 1024;
constexpr std::size_t kReadChunk = 64 * 1024;

enum class Wait { Ready, TimedOut, Ended };

// Waits until Fd is ready for Events, the deadline (when there is one) passes,
// or the stop is raised; Ended on stop or error.
Wait WaitReady(int Fd, short Events, const StopSignal& Stop, std::optional<Clock::time_point> Deadline) {
  pollfd entries[2] = {{Fd, Events, 0}, {Stop.Fd(), POLLIN, 0}};
  for (;;) {
    int timeout = -1;
    if (Deadline) {
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(*Deadline - Clock::now()).count();
      if (left <= 0) return Wait::TimedOut;
      timeout = static_cast<int>(std::min<long long>(left, INT_MAX));
    }
    int ready = poll(entries, 2, timeout);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0 || entries[1].revents) return Wait::Ended;
    if (entries[0].revents) return Wait::Ready;
  }
}

}  // namespace

ClientConnection::ClientConnection(UniqueFd Socket, ClientKey Key, const ServiceOptions& Options,
                                   CommandDispatcher& Dispatcher, const StopSignal& Stop, std::ostream& Log)
    : FSocket(std::move(Socket)),
      FKey(Key),
      FOptions(Options),
      FDispatcher(Dispatcher),
      FStop(Stop),
      FLog(Log),
      FLines(kMaxRequestLine),
      FIdleSince(Clock::now().time_since_epoch().count()) {}

void ClientConnection::Serve() {
  // However the connection ends, the end of the stream follows what was
  // written (also when requests are left unread), the client's holdings are
  // freed and the socket is closed at once.
  struct Ending {
    ClientConnection& Connection;
    ~Ending() {
      shutdown(Connection.FSocket.Get(), SHUT_WR);
      Connection.FDispatcher.ClientGone(Connection.FKey);
      std::lock_guard<std::mutex> lock(Connection.FSocketLock);
      Connection.FIdleSince = kBusy;
      Connection.FSocket.Reset();
    }
  } ending{*this};
  DropReport drops(FLog);
  std::string_view line;
  while (ReadLine(line, drops)) {
    if (line.empty() || FOptions.Silent) continue;
    auto request = ParseRequestLine(line);
    if (!request) {
      drops.Dropped("a line that is not \"Command Id,Data\"", line);
      continue;
    }
    FHadRequest = true;
    if (CommandDispatcher::AwaitsReply(request->Command) && ClientHungUp()) {
      drops.Dropped("a request whose client closed the connection before it was carried out", line);
      continue;
    }
    auto answer = FDispatcher.Handle(*request, FKey);
    if (answer && !Reply(*request, *answer)) break;
  }
}

std::optional<ClientConnection::IdleRank> ClientConnection::Idleness() const {
  const std::int64_t since = FIdleSince;
  if (since == kBusy) return std::nullopt;
  return IdleRank{FServed, since};
}

void ClientConnection::Evict() {
  std::lock_guard<std::mutex> lock(FSocketLock);
  if (FSocket.Valid()) shutdown(FSocket.Get(), SHUT_RDWR);
}

void ClientConnection::MarkIdle() {
  if (FIdleSince == kBusy) FIdleSince = Clock::now().time_since_epoch().count();
  FServed = FHadRequest && !FLines.HoldsPartialLine();
}

bool ClientConnection::ReadLine(std::string_view& Line, DropReport& Drops) {
  for (;;) {
    const LineBuffer::Taken taken = FLines.Take(Line);
    if (taken != LineBuffer::Taken::NeedMore) FLineStarted = FLastArrival;  // what follows came with the last read
    if (taken == LineBuffer::Taken::Line) {
      FIdleSince = kBusy;
      return true;
    }
    if (taken == LineBuffer::Taken::Overlong) {
      Drops.Dropped("a request line longer than " + std::to_string(kMaxRequestLine) + " bytes");
      continue;
    }
    MarkIdle();
    std::optional<Clock::time_point> deadline;
    if (FLines.HoldsPartialLine()) deadline = FLineStarted + std::chrono::milliseconds(FOptions.LineTimeoutMs);
    const Wait wait = WaitReady(FSocket.Get(), POLLIN, FStop, deadline);
    if (wait == Wait::TimedOut)
      FLog << "mgmtsvc: closed a connection that left a request line unfinished for " +
                  std::to_string(FOptions.LineTimeoutMs) + " ms\n";
    if (wait != Wait::Ready) return false;
    char chunk[kReadChunk];
    ssize_t got = recv(FSocket.Get(), chunk, sizeof chunk, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (got <= 0) return false;
    FLastArrival = Clock::now();
    if (!FLines.HoldsPartialLine()) FLineStarted = FLastArrival;
    FLines.Append(std::string_view(chunk, static_cast<std::size_t>(got)));
  }
}

bool ClientConnection::ClientHungUp() const {
  // Asked without waiting: a hang-up shows even while requests are unread.
  pollfd entry{FSocket.Get(), POLLRDHUP, 0};
  int ready = 0;
  while ((ready = poll(&entry, 1, 0)) < 0 && errno == EINTR) {
  }
  return ready > 0 && (entry.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
}

bool ClientConnection::Send(std::string_view Data) {
  const auto deadline = Clock::now() + std::chrono::milliseconds(FOptions.SendTimeoutMs);
  while (!Data.empty()) {
    ssize_t sent = send(FSocket.Get(), Data.data(), Data.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0 && errno == EINTR) continue;
    if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      const Wait wait = WaitReady(FSocket.Get(), POLLOUT, FStop, deadline);
      if (wait == Wait::TimedOut)
        FLog << "mgmtsvc: closed a connection whose client took no reply for " +
                    std::to_string(FOptions.SendTimeoutMs) + " ms\n";
      if (wait != Wait::Ready) return false;
      continue;
    }
    if (sent < 0) return false;
    Data.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

bool ClientConnection::Reply(const RequestLine& Request, const CommandAnswer& Answer) {
  int delay = FOptions.DelayMs + Answer.DelayMs;
  if (delay > 0 && FStop.WaitFor(delay)) return false;

  for (const std::string& id : StaleIds(Request.Id, FOptions.Stale))
    if (!Send(id + ",stale\n")) return false;

  std::string line = FOptions.BareId ? Request.Id : Request.Id + "," + Answer.Payload;
  if (FOptions.Overlong > 0) {
    line = Request.Id + ",";
    line.resize(std::max<std::size_t>(line.size(), static_cast<std::size_t>(FOptions.Overlong)), 'x');
  }
  if (FOptions.CloseMidRead) {
    Send(std::string_view(line).substr(0, std::max<std::size_t>(1, line.size() / 2)));
    return false;
  }
  line += '\n';
  if (!Send(line)) return false;
  ++FAnswered;
  return FOptions.DropAfter == 0 || FAnswered < FOptions.DropAfter;
}

}  // namespace zorbit::mgmtsvc
