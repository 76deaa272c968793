#include "tools/mgmtsvc/tests/LineClient.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "testing/LoopbackSocket.h"
#include "tools/mgmtsvc/CommaText.h"

namespace zorbit::mgmtsvc::tests {

LineClient::LineClient(int Port) : FSocket(testing::ConnectToLoopback(Port)) {}

LineClient::~LineClient() { close(FSocket); }

void LineClient::Send(const std::string& Bytes) {
  if (!testing::SendAll(FSocket, Bytes)) throw std::runtime_error("send failed");
}

void LineClient::Request(const std::string& Command, int Id, const std::string& Data) {
  Send(Command + " " + std::to_string(Id) + "," + Data + "\r\n");
}

bool LineClient::Fill(std::chrono::steady_clock::time_point Deadline) {
  if (FClosed) return false;
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(Deadline - std::chrono::steady_clock::now());
  pollfd entry{FSocket, POLLIN, 0};
  int ready = poll(&entry, 1, static_cast<int>(std::max<long>(0, left.count())));
  if (ready <= 0) return false;
  char chunk[64 * 1024];
  ssize_t got = recv(FSocket, chunk, sizeof chunk, 0);
  if (got <= 0) {
    FClosed = true;
    return false;
  }
  FBuffer.append(chunk, static_cast<std::size_t>(got));
  return true;
}

std::optional<std::string> LineClient::ReadLine(std::chrono::milliseconds Timeout) {
  auto deadline = std::chrono::steady_clock::now() + Timeout;
  for (;;) {
    std::size_t end = FBuffer.find('\n');
    if (end != std::string::npos) {
      std::string line = FBuffer.substr(0, end);
      FBuffer.erase(0, end + 1);
      return line;
    }
    if (!Fill(deadline)) return std::nullopt;
  }
}

std::optional<std::string> LineClient::ReadUntilClosed(std::chrono::milliseconds Timeout) {
  auto deadline = std::chrono::steady_clock::now() + Timeout;
  while (Fill(deadline)) {
  }
  if (!FClosed) return std::nullopt;
  return std::exchange(FBuffer, std::string());
}

std::string LineClient::Exchange(const std::string& Command, int Id, const std::string& Data) {
  Request(Command, Id, Data);
  auto line = ReadLine();
  if (!line) throw std::runtime_error("no reply to " + Command + " " + std::to_string(Id));
  return *line;
}

std::string LineClient::Ask(const std::string& Command, int Id, const std::string& Data) {
  std::string line = Exchange(Command, Id, Data);
  std::string prefix = std::to_string(Id) + ",";
  if (line.compare(0, prefix.size(), prefix) != 0)
    throw std::runtime_error("reply \"" + line + "\" is not for " + prefix);
  return line.substr(prefix.size());
}

std::string GetInfoData(const std::string& Module, const std::string& Item, const std::string& Params) {
  std::string data = "\"" + Module + "\",\"" + Item + "\",";
  if (!Params.empty()) data += JoinCommaText({Params});
  return data;
}

std::string Int15Params(const std::vector<std::string>& Items) { return JoinCommaText(Items); }

}  // namespace zorbit::mgmtsvc::tests
