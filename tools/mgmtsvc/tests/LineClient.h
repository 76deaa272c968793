#pragma once
// A raw TCP line client for the tests: it sends exactly the bytes it is given
// and reads the service's lines as they come, so the tests see the wire.
#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace zorbit::mgmtsvc::tests {

using namespace std::chrono_literals;

class LineClient {
 public:
  explicit LineClient(int Port);
  ~LineClient();
  LineClient(const LineClient&) = delete;
  LineClient& operator=(const LineClient&) = delete;

  void Send(const std::string& Bytes);
  // Sends "Command Id,Data" with CR LF, as the real client does.
  void Request(const std::string& Command, int Id, const std::string& Data);
  // The next line without its LF; empty when none came in time or the
  // connection ended.
  std::optional<std::string> ReadLine(std::chrono::milliseconds Timeout = 10s);
  // Everything until the service closes the connection; empty when it did
  // not close in time.
  std::optional<std::string> ReadUntilClosed(std::chrono::milliseconds Timeout = 10s);
  // Request, then the reply line.
  std::string Exchange(const std::string& Command, int Id, const std::string& Data);
  // Request, then the reply's payload; throws when the reply does not start
  // with the request number and a comma.
  std::string Ask(const std::string& Command, int Id, const std::string& Data);

 private:
  // Reads once; false when the connection ended or nothing came in time.
  bool Fill(std::chrono::steady_clock::time_point Deadline);

  int FSocket = -1;
  std::string FBuffer;
  bool FClosed = false;
};

// The data of a GetInfo request as the client builds it: module and item in
// double quotes, then the request text as a one-item comma text.
std::string GetInfoData(const std::string& Module, const std::string& Item, const std::string& Params);
// An int15 request text: the items' comma text.
std::string Int15Params(const std::vector<std::string>& Items);

}  // namespace zorbit::mgmtsvc::tests
