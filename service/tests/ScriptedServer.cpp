#include "service/tests/ScriptedServer.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "testing/LoopbackSocket.h"

namespace zorbit::testing {

ScriptedServer::ScriptedServer(Script script) : FScript(std::move(script)) {
  FListener = ListenOnLoopback(FPort);
  FThread = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
  {
    std::lock_guard lock(FMutex);
    FStopping = true;
  }
  ::shutdown(FListener, SHUT_RDWR);
  FThread.join();
  ::close(FListener);
}

std::vector<std::string> ScriptedServer::Requests() const {
  std::lock_guard lock(FMutex);
  return FRequests;
}

int ScriptedServer::Connections() const {
  std::lock_guard lock(FMutex);
  return FConnections;
}

std::vector<std::string> ScriptedServer::WaitForRequests(std::size_t Count) const {
  std::unique_lock lock(FMutex);
  FArrived.wait_for(lock, std::chrono::seconds(5), [&] { return FRequests.size() >= Count; });
  return FRequests;
}

std::string ScriptedServer::IdOf(const std::string& request) {
  const auto blank = request.find(' ');
  const auto comma = request.find(',', blank);
  if (blank == std::string::npos || comma == std::string::npos) return {};
  return request.substr(blank + 1, comma - blank - 1);
}

ScriptedServer::Script ScriptedServer::Reply(std::string payload) {
  return [payload](const std::string& request) { return Answer{{IdOf(request) + "," + payload}}; };
}

void ScriptedServer::Serve() {
  // Connections are served one after another: the client under test holds one.
  for (;;) {
    pollfd listening{FListener, POLLIN, 0};
    if (::poll(&listening, 1, 50) <= 0) {
      std::lock_guard lock(FMutex);
      if (FStopping) return;
      continue;
    }
    const int connection = ::accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) return;
    {
      std::lock_guard lock(FMutex);
      ++FConnections;
    }
    std::string buffer;
    bool open = true;
    while (open) {
      pollfd reading{connection, POLLIN, 0};
      if (::poll(&reading, 1, 50) <= 0) {
        std::lock_guard lock(FMutex);
        if (FStopping) break;
        continue;
      }
      char chunk[4096];
      const ssize_t received = ::recv(connection, chunk, sizeof(chunk), 0);
      if (received <= 0) break;
      buffer.append(chunk, static_cast<std::size_t>(received));
      for (auto end = buffer.find('\n'); open && end != std::string::npos; end = buffer.find('\n')) {
        std::string line = buffer.substr(0, end);
        buffer.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        {
          std::lock_guard lock(FMutex);
          FRequests.push_back(line);
        }
        FArrived.notify_all();
        const Answer answer = FScript(line);
        if (answer.DelayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(answer.DelayMs));
        for (const std::string& reply : answer.Lines) SendAll(connection, reply + "\n");
        if (answer.Close) open = false;
      }
    }
    ::close(connection);
  }
}

}  // namespace zorbit::testing
