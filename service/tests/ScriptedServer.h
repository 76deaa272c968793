#pragma once
// A loopback TCP peer for the service link's tests: it records every request
// line exactly as received and answers as the test scripts it, so a test can
// check the bytes on the wire and feed replies that the stand-in service
// would never send.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zorbit::testing {

class ScriptedServer {
 public:
  // What to do with one request line (without its CR LF): the lines to send
  // back (each gets LF), and whether to close the connection afterwards.
  struct Answer {
    std::vector<std::string> Lines;
    bool Close = false;
    int DelayMs = 0;
  };
  using Script = std::function<Answer(const std::string& request)>;

  explicit ScriptedServer(Script script);
  ~ScriptedServer();
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  int Port() const { return FPort; }
  // The request lines received so far, CR LF removed.
  std::vector<std::string> Requests() const;
  // How many connections have been taken in so far.
  int Connections() const;
  // Waits (a few seconds at most) until Count requests have arrived, for
  // requests whose reply nobody awaits; answers Requests().
  std::vector<std::string> WaitForRequests(std::size_t Count) const;
  // The id ("12") and payload of a request line "Command 12,Data".
  static std::string IdOf(const std::string& request);

  // Answers every request with "<id>,<payload>".
  static Script Reply(std::string payload);

 private:
  void Serve();

  Script FScript;
  int FListener = -1;
  int FPort = 0;
  std::thread FThread;
  mutable std::mutex FMutex;
  mutable std::condition_variable FArrived;
  std::vector<std::string> FRequests;
  int FConnections = 0;
  bool FStopping = false;
};

}  // namespace zorbit::testing
