#include "tools/mgmtsvc/ClientConnection.h"

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <ostream>

#include "tools/mgmtsvc/StaleIds.h"

namespace zorbit::mgmtsvc {

namespace {

// Requests are short (the longest carries a boot list or a password); a line
// longer than this is hostile and is dropped whole, without buffering it.
constexpr std::size_t kMaxRequestLine = 256 * 1024;
constexpr std::size_t kReadChunk = 64 * 1024;

// Waits until Fd is ready for Events or the stop is raised; false on stop or error.
bool WaitReady(int Fd, short Events, const StopSignal& Stop) {
  pollfd entries[2] = {{Fd, Events, 0}, {Stop.Fd(), POLLIN, 0}};
  for (;;) {
    int ready = poll(entries, 2, -1);
    if (ready < 0 && errno == EINTR) continue;
    if (ready < 0 || entries[1].revents) return false;
    if (entries[0].revents) return true;
  }
}

}  // namespace

ClientConnection::ClientConnection(UniqueFd Socket, const ServiceOptions& Options, CommandDispatcher& Dispatcher,
                                   const StopSignal& Stop, std::ostream& Log)
    : FSocket(std::move(Socket)), FOptions(Options), FDispatcher(Dispatcher), FStop(Stop), FLog(Log) {}

void ClientConnection::Serve() {
  std::string line;
  while (ReadLine(line)) {
    if (line.empty() || FOptions.Silent) continue;
    auto request = ParseRequestLine(line);
    if (!request) {
      FLog << "mgmtsvc: dropped a line that is not \"Command Id,Data\": " + line.substr(0, 80) + "\n";
      continue;
    }
    auto answer = FDispatcher.Handle(*request);
    if (answer && !Reply(*request, *answer)) break;
  }
  // The end of the stream follows what was written, also when the socket is
  // then closed with requests still unread.
  shutdown(FSocket.Get(), SHUT_WR);
}

bool ClientConnection::ReadLine(std::string& Line) {
  for (;;) {
    std::size_t end = FBuffer.find('\n', FScanned);
    if (end != std::string::npos) {
      bool overlong = FDiscarding || end > kMaxRequestLine;
      if (overlong && !FDiscarding) ReportOverlongLine();
      FDiscarding = false;
      if (!overlong) Line.assign(FBuffer, 0, end);
      FBuffer.erase(0, end + 1);
      FScanned = 0;
      if (overlong) continue;
      if (!Line.empty() && Line.back() == '\r') Line.pop_back();
      return true;
    }
    FScanned = FBuffer.size();
    if (FBuffer.size() > kMaxRequestLine) {
      if (!FDiscarding) ReportOverlongLine();
      FDiscarding = true;
      FBuffer.clear();
      FScanned = 0;
    }
    if (!WaitReady(FSocket.Get(), POLLIN, FStop)) return false;
    char chunk[kReadChunk];
    ssize_t got = recv(FSocket.Get(), chunk, sizeof chunk, 0);
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (got <= 0) return false;
    FBuffer.append(chunk, static_cast<std::size_t>(got));
  }
}

void ClientConnection::ReportOverlongLine() {
  FLog << "mgmtsvc: dropped a request line longer than " + std::to_string(kMaxRequestLine) + " bytes\n";
}

bool ClientConnection::Send(std::string_view Data) {
  while (!Data.empty()) {
    ssize_t sent = send(FSocket.Get(), Data.data(), Data.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent < 0 && errno == EINTR) continue;
    if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
      if (!WaitReady(FSocket.Get(), POLLOUT, FStop)) return false;
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
