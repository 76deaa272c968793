#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

#include "platform/os/TcpClient.h"
#include "platform/rtl/LastError.h"
#include "testing/LoopbackSocket.h"
#include "testing/WaitUntil.h"

namespace {

using namespace plat;
using zorbit::testing::ListenOnLoopback;
using zorbit::testing::SendAll;
using zorbit::testing::WaitUntil;

// A one-connection server on 127.0.0.1: accepts, then runs the script with
// the connection, which the test steers through Step()/WaitStep(). Every
// test connects once.
class TTestServer {
 public:
  explicit TTestServer(std::function<void(TTestServer&, int)> script) {
    FListen = ListenOnLoopback(FPort, 4);
    FThread = std::thread([this, script] {
      const int connection = ::accept4(FListen, nullptr, nullptr, SOCK_CLOEXEC);
      if (connection < 0) return;
      const int one = 1;
      ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
      script(*this, connection);
      ::close(connection);
      FFinished = true;
    });
  }
  ~TTestServer() {
    Step(1000000);  // release a script still waiting
    FThread.join();
    ::close(FListen);
  }

  int Port() const { return FPort; }
  // Whether the script ran and the connection is closed.
  bool Finished() const { return FFinished; }

  // The test lets the script go on to step n; the script waits for it.
  void Step(int n) {
    std::lock_guard<std::mutex> guard(FLock);
    FStep = std::max(FStep, n);
    FChanged.notify_all();
  }
  void WaitStep(int n) {
    std::unique_lock<std::mutex> lock(FLock);
    FChanged.wait_for(lock, std::chrono::seconds(10), [&] { return FStep >= n; });
  }

 private:
  int FListen = -1;
  int FPort = 0;
  std::thread FThread;
  std::mutex FLock;
  std::condition_variable FChanged;
  int FStep = 0;
  std::atomic<bool> FFinished{false};
};

std::unique_ptr<TTcpClient> ConnectedClient(int port) {
  auto client = std::make_unique<TTcpClient>();
  client->SetHost("127.0.0.1");
  client->SetPort(port);
  client->Connect();
  return client;
}

TEST(TcpClient, LinesAreSplitAtLineFeedsWhateverThePackets) {
  TTestServer server([](TTestServer& self, int fd) {
    SendAll(fd, "hel");
    self.WaitStep(1);
    SendAll(fd, "lo\r\nworld\nthree\r\n\r\na\rb\nx;y;");
    self.WaitStep(2);
  });
  auto client = ConnectedClient(server.Port());
  EXPECT_EQ(client->ReadLn('\n', 30), "");  // only "hel" so far
  EXPECT_TRUE(client->ReadLnTimedOut());
  server.Step(1);
  const char* const expected[] = {"hello", "world", "three", "", "a\rb"};
  for (const char* line : expected) {
    EXPECT_EQ(client->ReadLn('\n', 5000), line);
    EXPECT_FALSE(client->ReadLnTimedOut());
  }
  EXPECT_EQ(client->ReadLn(';', 5000), "x");
  EXPECT_EQ(client->ReadLn(';', 5000), "y");
}

TEST(TcpClient, WrittenLinesEndInCarriageReturnLineFeed) {
  std::string received;
  {
    TTestServer server([&](TTestServer&, int fd) {
      char chunk[256];
      for (ssize_t got; (got = ::recv(fd, chunk, sizeof chunk, 0)) > 0;)
        received.append(chunk, static_cast<std::size_t>(got));
    });
    auto client = ConnectedClient(server.Port());
    client->WriteLn("GetInfo 0,");
    client->WriteLn("");
  }  // the client closes, the server reads to the end and stops
  EXPECT_EQ(received, "GetInfo 0,\r\n\r\n");
}

TEST(TcpClient, OverLongLinesRaiseAndAreSkipped) {
  TTestServer server([](TTestServer& self, int fd) {
    SendAll(fd, std::string(100, 'x') + "\nok\n" + std::string(10, 'y') + "\r\n" + std::string(11, 'z') + "\n");
    SendAll(fd, std::string(50, 'w'));
    self.WaitStep(1);
    SendAll(fd, std::string(50, 'w') + "\nnext\n");
    self.WaitStep(2);
  });
  auto client = ConnectedClient(server.Port());
  try {
    client->ReadLn('\n', 5000, 10);
    FAIL() << "no exception";
  } catch (const EMaxLineLengthExceeded& e) {
    EXPECT_EQ(e.Message(), "Max line length exceeded.");
  }
  EXPECT_EQ(client->ReadLn('\n', 5000, 10), "ok");
  EXPECT_EQ(client->ReadLn('\n', 5000, 10), std::string(10, 'y'));  // exactly the limit, CR not counted
  EXPECT_THROW(client->ReadLn('\n', 5000, 10), EMaxLineLengthExceeded);
  // A line still growing past the limit raises before its end arrives.
  EXPECT_THROW(client->ReadLn('\n', 5000, 10), EMaxLineLengthExceeded);
  server.Step(1);
  EXPECT_EQ(client->ReadLn('\n', 5000, 10), "next");
  EXPECT_TRUE(client->Connected());
}

TEST(TcpClient, PeerCloseDisconnectsWithBothEventsAfterTheLastLines) {
  TTestServer server([](TTestServer&, int fd) { SendAll(fd, "last\npartial"); });
  auto client = ConnectedClient(server.Port());
  std::vector<std::string> events;
  client->OnStatus = [&](TObject* sender, TTcpStatus status, const String&) {
    EXPECT_EQ(sender, client.get());
    events.push_back("status " + std::to_string(status));
  };
  client->OnDisconnected = [&](TObject* sender) {
    EXPECT_EQ(sender, client.get());
    events.push_back("disconnected");
  };
  EXPECT_EQ(client->ReadLn('\n', 5000), "last");
  try {
    client->ReadLn('\n', 5000);
    FAIL() << "no exception";
  } catch (const EConnectionClosedGracefully& e) {
    EXPECT_EQ(e.Message(), "Connection Closed Gracefully.");
  }
  EXPECT_FALSE(client->Connected());
  const std::vector<std::string> expected = {"status " + std::to_string(hsDisconnecting),
                                             "status " + std::to_string(hsDisconnected), "disconnected"};
  EXPECT_EQ(events, expected);
  EXPECT_THROW(client->ReadLn('\n', 10), ENotConnected);
  EXPECT_THROW(client->WriteLn("x"), ENotConnected);
}

TEST(TcpClient, ChecksFindClosedAndResetConnectionsWithoutReading) {
  {
    TTestServer server([](TTestServer&, int fd) { SendAll(fd, "unread\n"); });
    auto client = ConnectedClient(server.Port());
    ASSERT_TRUE(WaitUntil([&] { return server.Finished(); }));
    client->CheckForDisconnect(false, false);
    EXPECT_TRUE(client->Connected());  // closed, but a line is still unread
    EXPECT_EQ(client->ReadLn('\n', 0), "unread");
    client->CheckForDisconnect(false, false);
    EXPECT_FALSE(client->Connected());
    EXPECT_THROW(client->CheckForDisconnect(true, false), ENotConnected);
  }
  {
    TTestServer server([](TTestServer&, int fd) { SendAll(fd, "unread\n"); });
    auto client = ConnectedClient(server.Port());
    int disconnects = 0;
    client->OnDisconnected = [&](TObject*) { ++disconnects; };
    ASSERT_TRUE(WaitUntil([&] { return server.Finished(); }));
    EXPECT_THROW(client->CheckForGracefulDisconnect(true), EConnectionClosedGracefully);
    EXPECT_FALSE(client->Connected());
    EXPECT_EQ(disconnects, 1);
  }
  {
    TTestServer server([](TTestServer& self, int fd) {
      self.WaitStep(1);          // a reset before Connect returns would fail the connect itself
      const linger reset{1, 0};  // close with a reset
      ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    });
    auto client = ConnectedClient(server.Port());
    server.Step(1);
    ASSERT_TRUE(WaitUntil([&] { return server.Finished(); }));
    try {
      client->CheckForDisconnect(true, false);
      ADD_FAILURE() << "no exception";
    } catch (const ESocketError& e) {
      EXPECT_EQ(e.ErrorCode(), 10054);  // WSAECONNRESET
    }
    EXPECT_FALSE(client->Connected());
  }
}

TEST(TcpClient, WritingToAResetConnectionRaisesAndDisconnects) {
  TTestServer server([](TTestServer& self, int fd) {
    self.WaitStep(1);  // a reset before Connect returns would fail the connect itself
    const linger reset{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
  });
  auto client = ConnectedClient(server.Port());
  server.Step(1);
  int disconnects = 0;
  client->OnDisconnected = [&](TObject*) { ++disconnects; };
  ASSERT_TRUE(WaitUntil([&] { return server.Finished(); }));
  try {
    client->WriteLn("ping");
    ADD_FAILURE() << "no exception";
  } catch (const ESocketError& e) {
    EXPECT_EQ(e.ErrorCode(), 10054);  // WSAECONNRESET
    EXPECT_EQ(e.Message(), "Socket Error # 10054\n" + SysErrorMessage(WSAECONNRESET));
  }
  EXPECT_FALSE(client->Connected());
  EXPECT_EQ(disconnects, 1);
}

TEST(TcpClient, ConnectReportsItsStepsAndFailures) {
  TTestServer server([](TTestServer& self, int) { self.WaitStep(1); });
  TTcpClient client;
  std::vector<TTcpStatus> statuses;
  client.OnStatus = [&](TObject*, TTcpStatus status, const String&) { statuses.push_back(status); };
  client.SetHost("127.0.0.1");
  client.SetPort(server.Port());
  client.Connect();
  EXPECT_TRUE(client.Connected());
  EXPECT_EQ(statuses, (std::vector<TTcpStatus>{hsResolving, hsConnecting, hsConnected}));
  EXPECT_THROW(client.Connect(), EAlreadyConnected);
  client.Disconnect();
  EXPECT_FALSE(client.Connected());
  client.Disconnect();  // twice is harmless

  int port = 0;
  const int closedPort = ListenOnLoopback(port, 1);
  ::close(closedPort);  // nothing listens there now
  client.SetPort(port);
  try {
    client.Connect(2000);
    FAIL() << "no exception";
  } catch (const ESocketError& e) {
    EXPECT_EQ(e.ErrorCode(), 10061);  // WSAECONNREFUSED
    EXPECT_EQ(e.Message(), "Socket Error # 10061\n" + SysErrorMessage(WSAECONNREFUSED));
  }
  EXPECT_FALSE(client.Connected());
  const struct {
    const char* Host;
    int Port;
    int Code;
  } failures[] = {{"", 80, 11001}, {"no such host.invalid", 80, 11001}, {"127.0.0.1", 70000, 10022}};
  for (const auto& failure : failures) {
    client.SetHost(failure.Host);
    client.SetPort(failure.Port);
    try {
      client.Connect(2000);
      ADD_FAILURE() << failure.Host;
    } catch (const ESocketError& e) {
      EXPECT_EQ(e.ErrorCode(), failure.Code) << failure.Host;
    }
  }
}

TEST(TcpClient, ConnectGivesUpAtItsTimeout) {
  // A listener whose queue is full drops further handshakes, so the next
  // connection attempt hangs until the client's time-out.
  int port = 0;
  const int listener = ListenOnLoopback(port, 0);
  std::vector<int> fillers;
  for (int i = 0; i < 8; ++i) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(port));
    ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    fillers.push_back(fd);
  }
  TTcpClient client;
  client.SetHost("127.0.0.1");
  client.SetPort(port);
  try {
    client.Connect(100);
    ADD_FAILURE() << "connected although the queue is full";
  } catch (const ESocketError& e) {
    EXPECT_EQ(e.ErrorCode(), 10060);  // WSAETIMEDOUT
  }
  for (const int fd : fillers) ::close(fd);
  ::close(listener);
}

}  // namespace
