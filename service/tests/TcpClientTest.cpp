// The line protocol of the service link, checked on the wire against a
// scripted loopback peer.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <limits>
#include <mutex>
#include <thread>

#include "platform/rtl/Exception.h"
#include "service/tcpClient.h"
#include "service/tests/ScriptedServer.h"
#include "service/tests/ServiceTestEnvironment.h"
#include "testing/WaitUntil.h"

namespace zorbit::testing {
namespace {

using Answer = ScriptedServer::Answer;

// A port on which nothing listens.
int ClosedPort() {
  ScriptedServer server(ScriptedServer::Reply(""));
  return server.Port();
}

// A peer that accepts one connection and never reads from it, with a receive
// buffer far smaller than the requests written to it. Should a writer never
// give up, the peer resets the connection after a minute, so that the test
// fails instead of hanging.
class DeafPeer {
 public:
  DeafPeer() {
    FListener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int small = 4096;
    ::setsockopt(FListener, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(FListener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(FListener, 1) != 0 ||
        ::getsockname(FListener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
      throw std::runtime_error("deaf peer: cannot listen");
    FPort = ntohs(address.sin_port);
    FThread = std::thread([this] {
      const int connection = ::accept4(FListener, nullptr, nullptr, SOCK_CLOEXEC);
      std::unique_lock lock(FMutex);
      if (!FReleased.wait_for(lock, std::chrono::minutes(1), [this] { return FDone; })) {
        FGaveUp = true;
        const linger reset{1, 0};
        ::setsockopt(connection, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
      }
      if (connection >= 0) ::close(connection);
    });
  }
  ~DeafPeer() {
    {
      std::lock_guard lock(FMutex);
      FDone = true;
    }
    FReleased.notify_all();
    ::shutdown(FListener, SHUT_RDWR);  // ends an accept still waiting
    FThread.join();
    ::close(FListener);
  }
  DeafPeer(const DeafPeer&) = delete;
  DeafPeer& operator=(const DeafPeer&) = delete;

  int Port() const { return FPort; }
  bool GaveUp() {
    std::lock_guard lock(FMutex);
    return FGaveUp;
  }

 private:
  int FListener = -1;
  int FPort = 0;
  std::thread FThread;
  std::mutex FMutex;
  std::condition_variable FReleased;
  bool FDone = false;
  bool FGaveUp = false;
};

class TcpClientTest : public ServiceTest {
 protected:
  std::unique_ptr<TtcpServOpr> Connect(const ScriptedServer& server, TExchangeTimings timings = {}) {
    auto client = std::make_unique<TtcpServOpr>(ServiceHost, true, server.Port());
    client->SetTimings(timings);
    return client;
  }
};

TEST_F(TcpClientTest, RequestsAreNumberedFromZeroAndOnlyWhenSent) {
  ScriptedServer server(ScriptedServer::Reply("ok"));
  auto client = Connect(server);
  EXPECT_EQ(RequestCounter(), 0);
  plat::WideString params;
  client->GetInfo(u"smbios_sub", u"BIOS", params);
  client->GetInfo(u"smbios_sub", u"BIOS", params);
  ASSERT_EQ(server.Requests().size(), 2u);
  EXPECT_EQ(ScriptedServer::IdOf(server.Requests()[0]), "0");
  EXPECT_EQ(ScriptedServer::IdOf(server.Requests()[1]), "1");

  // A request that cannot reach the service uses no number: the reconnection
  // attempt raises its socket error to the caller.
  TtcpServOpr offline(ServiceHost, false, ClosedPort());
  EXPECT_THROW(offline.GetInfo(u"smbios_sub", u"BIOS", params), plat::Exception);
  EXPECT_EQ(RequestCounter(), 2);
}

TEST_F(TcpClientTest, RequestLinesAreExact) {
  struct Case {
    const char* Name;
    std::function<void(TtcpServOpr&)> Call;
    std::string Line;  // with the id 0
  };
  const std::vector<Case> cases = {
      {"GetInfo, empty Params",
       [](TtcpServOpr& c) {
         plat::WideString p;
         c.GetInfo(u"int15", u"", p);
       },
       R"(GetInfo 0,"int15","",)"},
      {"GetInfo, plain Params",
       [](TtcpServOpr& c) {
         plat::WideString p = u"HandleID=3";
         c.GetInfo(u"smbios", u"BIOS", p);
       },
       R"(GetInfo 0,"smbios","BIOS",HandleID=3)"},
      {"GetInfo, Params with commas",
       [](TtcpServOpr& c) {
         plat::WideString p = u"EAX=38416,EBX=23";
         c.GetInfo(u"int15", u"", p);
       },
       R"(GetInfo 0,"int15","","EAX=38416,EBX=23")"},
      {"GetInfo, Params with quotes and blanks",
       [](TtcpServOpr& c) {
         plat::WideString p = u"query=Select * FROM \"x\"";
         c.GetInfo(u"wmi", u"q", p);
       },
       R"(GetInfo 0,"wmi","q","query=Select * FROM ""x""")"},
      {"AvailableSensors as spelt on the wire",
       [](TtcpServOpr& c) {
         plat::WideString s;
         c.AvailableSensors(s);
       },
       "AvaliableSensors 0,"},
      {"DisableAlert", [](TtcpServOpr& c) { c.DisableAlert(u"Fan"); }, R"(DisableAlert 0,"Fan")"},
      {"EnableAlert", [](TtcpServOpr& c) { c.EnableAlert(u"Temp", 1.5f, 70.0f); }, R"(EnableAlert 0,"Temp",1.5,70)"},
      {"GetField",
       [](TtcpServOpr& c) {
         plat::WideString v;
         c.GetField(u"A", u"B", u"C,D", v);
       },
       R"(GetField 0,"A","B",C,D)"},
      {"IsAlertEnabled",
       [](TtcpServOpr& c) {
         bool e;
         c.IsAlertEnabled(u"Fan", e);
       },
       R"(IsAlertEnabled 0,"Fan")"},
      {"Subscribe",
       [](TtcpServOpr& c) {
         int id = 7;
         c.Subscribe(id);
       },
       "Subscribe 0,7"},
      {"Unsubscribe", [](TtcpServOpr& c) { c.Unsubscribe(7); }, "Unsubscribe 0,7"},
      {"WaitAlert",
       [](TtcpServOpr& c) {
         int code;
         std::uint8_t flag;
         plat::WideString text;
         c.WaitAlert(3, code, flag, text);
       },
       "WaitAlert 0,3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    InitializeServiceUnits();  // the counter starts at 0 again
    ScriptedServer server(ScriptedServer::Reply("1"));
    auto client = Connect(server);
    c.Call(*client);
    const std::vector<std::string> requests = server.WaitForRequests(1);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0], c.Line);
  }
}

TEST_F(TcpClientTest, RepliesAreMatchedByTheLengthOfTheirNumber) {
  // For request 12, lines of requests 1 and 11 are dropped; the payload
  // starts after exactly one separator, whatever it is.
  struct Case {
    std::vector<std::string> Lines;
    std::u16string Payload;
  };
  const std::vector<Case> cases = {
      {{"1,stale", "11,stale", "12,payload"}, u"payload"},
      {{"12;semicolon"}, u"semicolon"},
      {{"12,,two"}, u",two"},
      {{"12"}, u""},
      {{"", "12,after an empty line"}, u"after an empty line"},
  };
  for (const Case& c : cases) {
    InitializeServiceUnits();
    ScriptedServer server([&c](const std::string& request) {
      return ScriptedServer::IdOf(request) == "12" ? Answer{c.Lines} : Answer{{ScriptedServer::IdOf(request) + ",x"}};
    });
    auto client = Connect(server);
    plat::WideString params;
    for (int i = 0; i < 12; ++i) client->GetInfo(u"m", u"i", params);
    params.clear();
    client->GetInfo(u"m", u"i", params);
    EXPECT_EQ(params, c.Payload) << c.Lines.back();
  }
}

TEST_F(TcpClientTest, RepliesAreReadAsTheOperationSays) {
  struct Case {
    std::string Reply;
    bool Enabled;
    int SubscribedId;
  };
  // A boolean is a number or True/False; only integers may be hexadecimal.
  for (const Case& c : std::vector<Case>{{"True", true, -1},
                                         {"false", false, -1},
                                         {"1", true, 1},
                                         {"0", false, 0},
                                         {"2.5", true, -1},
                                         {"$1F", false, 31},
                                         {"junk", false, -1}}) {
    ScriptedServer server(ScriptedServer::Reply(c.Reply));
    auto client = Connect(server);
    bool enabled = !c.Enabled;
    client->IsAlertEnabled(u"Fan", enabled);
    EXPECT_EQ(enabled, c.Enabled) << c.Reply;
    int id = 5;
    client->Subscribe(id);
    EXPECT_EQ(id, c.SubscribedId) << c.Reply;
  }

  // The third item is split again as comma text: a blank ends an item there
  // unless it is quoted.
  ScriptedServer server(ScriptedServer::Reply(R"(3,1,"first,""second item"",third fourth")"));
  auto client = Connect(server);
  int code = 0;
  std::uint8_t flag = 0;
  plat::WideString text = u"old";
  client->WaitAlert(1, code, flag, text);
  EXPECT_EQ(code, 3);
  EXPECT_EQ(flag, 1);
  EXPECT_EQ(text, u"first\r\nsecond item\r\nthird\r\nfourth\r\n");
}

TEST_F(TcpClientTest, WaitAlertWithAnUnreadableReplyGivesMinusOne) {
  ScriptedServer server(ScriptedServer::Reply("x"));
  auto client = Connect(server);
  int code = 0;
  std::uint8_t flag = 9;
  plat::WideString text = u"old";
  client->WaitAlert(1, code, flag, text);
  EXPECT_EQ(code, -1);
  EXPECT_EQ(flag, 0);
  EXPECT_EQ(text, u"");
}

TEST_F(TcpClientTest, NoReplyBeforeTheDeadlineGivesAnEmptyReplyAndEndsTheConnection) {
  // The first reply comes after the client gave up. The next request goes on
  // a connection of its own and is still matched by its number: a line of the
  // old request that comes first on it is not its reply.
  ScriptedServer server([](const std::string& request) {
    const std::string id = ScriptedServer::IdOf(request);
    return id == "0" ? Answer{{"0,late"}, false, 1200} : Answer{{"0,late", id + ",in time"}};
  });
  auto client = Connect(server, {.ReadTimeoutMs = 100, .DeadlineSeconds = 1});
  plat::WideString params = u"request";
  client->GetInfo(u"m", u"i", params);
  EXPECT_EQ(params, u"");
  EXPECT_FALSE(client->Connected()) << "a request given up on ends its connection";
  params = u"request";
  client->GetInfo(u"m", u"i", params);
  EXPECT_EQ(params, u"in time");
  EXPECT_EQ(server.Connections(), 2);
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(ScriptedServer::IdOf(requests[1]), "1");
  EXPECT_TRUE(Messages.empty()) << "giving up is quiet, as the deadline always was";
}

TEST_F(TcpClientTest, SilenceEndsAtTheDeadline) {
  ScriptedServer server([](const std::string&) { return Answer{}; });
  auto client = Connect(server, {.ReadTimeoutMs = 100, .DeadlineSeconds = 1});
  const auto start = std::chrono::steady_clock::now();
  plat::WideString params = u"request";
  client->GetInfo(u"m", u"i", params);
  EXPECT_EQ(params, u"");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  EXPECT_TRUE(Messages.empty());
}

TEST_F(TcpClientTest, AnOverlongReplyLineFailsTheExchangeQuietly) {
  ScriptedServer server([](const std::string& request) {
    return Answer{{ScriptedServer::IdOf(request) + "," + std::string(300001, 'x')}};
  });
  auto client = Connect(server);
  plat::WideString params = u"request";
  client->GetInfo(u"m", u"i", params);
  EXPECT_EQ(params, u"");
  EXPECT_TRUE(Messages.empty());
}

TEST_F(TcpClientTest, ALostConnectionShowsTheMessageOnceAndEndsTheProgram) {
  ScriptedServer server([](const std::string&) { return Answer{{}, true}; });
  auto client = Connect(server);
  plat::WideString params = u"request";
  client->GetInfo(u"m", u"i", params);
  EXPECT_EQ(params, u"");
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0].Caption, "Ovra Zorbit Management");
  EXPECT_EQ(Messages[0].Title, "Service stopped");
  EXPECT_EQ(Messages[0].Text, "Can not connect to service. Application will be terminated!");
  EXPECT_EQ(Messages[0].Icon, 1);
  EXPECT_EQ(Messages[0].Buttons, 0);
  EXPECT_EQ(Terminations, 1);
}

TEST_F(TcpClientTest, TheServiceMessagesAreTranslated) {
  AppHooks().Lookup = [](const std::string& Section, const std::string& Key) {
    return Section == "TcpClient" && Key == "Service stopped" ? std::string("Dienst angehalten") : Key;
  };
  ScriptedServer server([](const std::string&) { return Answer{{}, true}; });
  auto client = Connect(server);
  plat::WideString params;
  client->GetInfo(u"m", u"i", params);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0].Title, "Dienst angehalten");
}

TEST_F(TcpClientTest, DestroyingAConnectedClientShowsNothing) {
  ScriptedServer server(ScriptedServer::Reply("x"));
  Connect(server).reset();
  EXPECT_TRUE(Messages.empty());
}

TEST_F(TcpClientTest, CheckConnectionNoticesAClosedPeerWithoutTheMessage) {
  ScriptedServer server(ScriptedServer::Reply("x"));
  auto client = Connect(server);
  EXPECT_TRUE(client->CheckConnection());
  {
    ScriptedServer closing([](const std::string&) { return Answer{{}, true}; });
    auto other = Connect(closing);
    other->Unsubscribe(1);  // not awaited; the peer closes afterwards
    // The peer closes once it has read the line, in its own time.
    EXPECT_TRUE(WaitUntil([&] { return !other->CheckConnection(); }));
    other.reset();
  }
  EXPECT_TRUE(Messages.empty());
}

TEST_F(TcpClientTest, ANestedExchangeKeepsTheOuterReply) {
  // The outer request is answered late; while it waits, the window messages
  // it lets through start a second request on the same thread. The peer
  // answers in order, so the inner exchange reads the outer reply first.
  ScriptedServer server([](const std::string& request) {
    const std::string id = ScriptedServer::IdOf(request);
    return Answer{{id + ",reply " + id}, false, id == "0" ? 400 : 0};
  });
  auto client = Connect(server, {.ReadTimeoutMs = 50});
  plat::WideString inner;
  bool nested = false;
  AppHooks().ProcessMessages = [&] {
    if (nested) return;
    nested = true;
    client->GetInfo(u"m", u"inner", inner);
  };
  plat::WideString outer;
  client->GetInfo(u"m", u"outer", outer);
  EXPECT_TRUE(nested);
  EXPECT_EQ(inner, u"reply 1");
  EXPECT_EQ(outer, u"reply 0");
}

TEST_F(TcpClientTest, ARequestThePeerNeverTakesEndsAtTheDeadlineAndClosesTheConnection) {
  DeafPeer peer;
  TtcpServOpr client(ServiceHost, true, peer.Port());
  client.SetTimings({.ReadTimeoutMs = 100, .DeadlineSeconds = 1});
  plat::WideString params(8 * 1024 * 1024, u'x');
  client.GetInfo(u"m", u"i", params);
  EXPECT_FALSE(peer.GaveUp()) << "the write waited for the peer";
  EXPECT_EQ(params, u"");
  EXPECT_FALSE(client.Connected()) << "a request cut short ends the connection";
  EXPECT_TRUE(Messages.empty()) << "quietly, as a deadline ends an exchange";
}

TEST_F(TcpClientTest, AFloodingPeerCannotPileUpLinesForAWaitingExchange) {
  // The inner exchange reads a flood of lines that match the outer request
  // before its own reply; only the first can ever be the outer reply.
  struct Case {
    const char* Name;
    int Lines;
    std::size_t Length;
  };
  const Case cases[] = {{"many short lines", 400, 10}, {"long lines", 40, 250000}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    InitializeServiceUnits();
    ScriptedServer server([&c](const std::string& request) {
      const std::string id = ScriptedServer::IdOf(request);
      if (id == "0") return Answer{};
      Answer flood;
      for (int i = 0; i < c.Lines; ++i) flood.Lines.push_back("0," + std::to_string(i) + std::string(c.Length, 'f'));
      flood.Lines.push_back(id + ",inner");
      return flood;
    });
    auto client = Connect(server, {.ReadTimeoutMs = 50});
    plat::WideString inner;
    std::size_t kept = 0;
    bool nested = false;
    AppHooks().ProcessMessages = [&] {
      if (nested) return;
      nested = true;
      client->GetInfo(u"m", u"inner", inner);
      kept = client->KeptLines();
    };
    plat::WideString outer;
    client->GetInfo(u"m", u"outer", outer);
    EXPECT_TRUE(nested);
    EXPECT_EQ(inner, u"inner");
    EXPECT_EQ(kept, 1u);
    EXPECT_EQ(outer, u"0" + std::u16string(c.Length, u'f'));
    EXPECT_EQ(client->KeptLines(), 0u);
    AppHooks().ProcessMessages = nullptr;
  }
}

TEST_F(TcpClientTest, TheRequestNumberWrapsToZeroAfterTheLargest) {
  ScriptedServer server(ScriptedServer::Reply("ok"));
  auto client = Connect(server);
  SetRequestCounter(std::numeric_limits<std::int32_t>::max());
  for (int i = 0; i < 2; ++i) {
    plat::WideString params;
    client->GetInfo(u"m", u"i", params);
    EXPECT_EQ(params, u"ok");
  }
  const std::vector<std::string> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(ScriptedServer::IdOf(requests[0]), "2147483647");
  EXPECT_EQ(ScriptedServer::IdOf(requests[1]), "0");
  EXPECT_EQ(RequestCounter(), 1);
}

}  // namespace
}  // namespace zorbit::testing
