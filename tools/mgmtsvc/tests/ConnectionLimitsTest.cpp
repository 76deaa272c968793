// What one client can take from the others through the real program: the
// connection slots, a thread blocked on a client that never reads, the
// service's memory and its log.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <thread>

#include "tools/mgmtsvc/AlertBook.h"
#include "tools/mgmtsvc/DropReport.h"
#include "testing/StandInService.h"
#include "tools/mgmtsvc/tests/LineClient.h"
#include "testing/TempFolder.h"
#include "testing/WaitUntil.h"

namespace zorbit::mgmtsvc::tests {
namespace {

using testing::TStandInService;
using testing::TTempFolder;
using testing::WaitUntil;

constexpr int kConnectionSlots = 64;

// Waits (bounded) until the log file holds Text.
bool LogShows(const TTempFolder& Dir, const std::string& Name, const std::string& Text) {
  return WaitUntil([&] { return Dir.Read(Name).find(Text) != std::string::npos; });
}

TEST(ConnectionLimits, IdleConnectionsInEverySlotMakeRoomForANewcomer) {
  struct Case {
    const char* Name;
    std::string Sent;
  };
  const Case cases[] = {{"one byte each", "G"}, {"nothing at all", ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TStandInService service;
    std::vector<std::unique_ptr<LineClient>> idle;
    for (int i = 0; i < kConnectionSlots; ++i) {
      idle.push_back(std::make_unique<LineClient>(service.Port()));
      if (!c.Sent.empty()) idle.back()->Send(c.Sent);
    }
    for (int round = 0; round < 3; ++round) {
      LineClient newcomer(service.Port());
      EXPECT_EQ(newcomer.Ask("Unknown", round, ""), "");
    }
  }
}

TEST(ConnectionLimits, AServedClientKeepsItsConnectionWhileJunkFillsTheSlots) {
  TStandInService service;
  LineClient served(service.Port());
  EXPECT_EQ(served.Ask("Unknown", 1, ""), "");
  std::vector<std::unique_ptr<LineClient>> junk;
  for (int i = 0; i < 2 * kConnectionSlots; ++i) {
    junk.push_back(std::make_unique<LineClient>(service.Port()));
    junk.back()->Send("x");
  }
  LineClient newcomer(service.Port());
  EXPECT_EQ(newcomer.Ask("Unknown", 2, ""), "");
  EXPECT_EQ(served.Ask("Unknown", 3, ""), "");
}

TEST(ConnectionLimits, AnUnfinishedRequestLineEndsItsConnectionButIdlingDoesNot) {
  TStandInService service({"--line-timeout-ms", "200"});
  LineClient idle(service.Port());
  EXPECT_EQ(idle.Ask("Unknown", 1, ""), "");
  LineClient stalling(service.Port());
  stalling.Send("GetInfo 2,\"smbios_sub\"");
  EXPECT_EQ(stalling.ReadUntilClosed(), "");
  EXPECT_EQ(idle.Ask("Unknown", 3, ""), "") << "a connection between requests may stay as long as it likes";
}

TEST(ConnectionLimits, AClientThatNeverReadsIsClosedAfterTheSendDeadline) {
  TTempFolder dir;
  TStandInService service({"--send-timeout-ms", "300", "--overlong", "2000000", "--log", dir.File("service.log")});
  LineClient deaf(service.Port());
  std::string requests;
  for (int id = 0; id < 20; ++id) requests += "Unknown " + std::to_string(id) + ",\r\n";
  deaf.Send(requests);

  LineClient other(service.Port());
  EXPECT_EQ(other.Exchange("Unknown", 77, "").substr(0, 3), "77,");
  ASSERT_TRUE(LogShows(dir, "service.log", "took no reply for 300 ms"));
  auto received = deaf.ReadUntilClosed();
  ASSERT_TRUE(received) << "the connection was closed";
  EXPECT_LT(received->size(), 20u * 2000001u);
  EXPECT_EQ(other.Exchange("Unknown", 78, "").substr(0, 3), "78,");
}

TEST(ConnectionLimits, DroppedLinesAreLoggedEscapedAndThrottled) {
  TTempFolder dir;
  TStandInService service({"--log", dir.File("service.log")});
  LineClient client(service.Port());
  const char hostile[] = "\0\x01\x1B[2J\x7F\xFF\xC3\xA9\\ok\r\n";
  client.Send(std::string(hostile, sizeof hostile - 1));
  client.Send("GetInfo 1," + std::string(300 * 1024, 'A') + "\r\n");
  std::string flood;
  for (int i = 0; i < 512 * 1024; ++i) flood += "x\n";
  client.Send(flood);
  EXPECT_EQ(client.Ask("Unknown", 2, ""), "");
  service.Stop();

  const std::string log = dir.Read("service.log");
  EXPECT_LT(log.size(), 4096u) << log.substr(0, 4096);
  EXPECT_TRUE(std::none_of(log.begin(), log.end(), [](char c) {
    return (c >= 0 && c < 0x20 && c != '\n') || c == 0x7F;
  })) << log;
  EXPECT_NE(log.find(R"(dropped a line that is not "Command Id,Data": \x00\x01\x1B[2J\x7F\xFF)"
                     "\xC3\xA9"
                     R"(\\ok)"),
            std::string::npos)
      << log;
  EXPECT_NE(log.find("dropped a request line longer than 262144 bytes"), std::string::npos) << log;
  const std::size_t dropped = 2 + 512 * 1024;
  EXPECT_NE(log.find(std::to_string(dropped - DropReport::kLoggedDrops) + " more lines dropped"), std::string::npos)
      << log;
}

TEST(ConnectionLimits, AlertNamesAreBounded) {
  TStandInService service;
  LineClient client(service.Port());
  int id = 0;
  const auto enabled = [&](const std::string& name) {
    client.Request("EnableAlert", id++, "\"" + name + "\",0,1");
    return client.Ask("IsAlertEnabled", id++, "\"" + name + "\"") == "True";
  };
  EXPECT_TRUE(enabled(std::string(AlertBook::kMaxNameLength, 'n')));
  EXPECT_FALSE(enabled(std::string(AlertBook::kMaxNameLength + 1, 'n')));
  EXPECT_FALSE(enabled(std::string(200 * 1024, 'n')));

  // One name is in already; fill up to the bound.
  std::string burst;
  for (std::size_t i = 1; i < AlertBook::kMaxAlerts; ++i)
    burst += "EnableAlert " + std::to_string(id++) + ",\"alert " + std::to_string(i) + "\",0,1\r\n";
  client.Send(burst);
  EXPECT_TRUE(enabled("alert 1")) << "new bounds for a name already in";
  EXPECT_TRUE(enabled("alert " + std::to_string(AlertBook::kMaxAlerts - 1)));
  EXPECT_FALSE(enabled("one too many"));
  client.Request("DisableAlert", id++, "\"alert 1\"");
  EXPECT_TRUE(enabled("one too many"));
}

TEST(ConnectionLimits, SubscriptionsAreBoundedPerClientAndGoWithIt) {
  TStandInService service;
  LineClient watcher(service.Port());
  int held = 0;
  {
    LineClient client(service.Port());
    int id = 0;
    for (std::size_t i = 0; i < AlertBook::kMaxSubscriptionsPerClient; ++i) {
      held = std::stoi(client.Ask("Subscribe", id++, "0"));
      EXPECT_GT(held, 0);
    }
    EXPECT_EQ(client.Ask("Subscribe", id++, "0"), "-1");
    EXPECT_NE(watcher.Ask("Subscribe", 1, "0"), "-1") << "the bound is each client's";
    client.Request("Unsubscribe", id++, std::to_string(held));
    held = std::stoi(client.Ask("Subscribe", id++, "0"));
    EXPECT_GT(held, 0);
    EXPECT_EQ(watcher.Ask("WaitAlert", 2, std::to_string(held)), "0,0,");
  }
  // The service notices the closed connection in its own time.
  EXPECT_TRUE(WaitUntil([&] { return watcher.Ask("WaitAlert", 3, std::to_string(held)) == "-1,0,"; }))
      << "a client's subscriptions end with its connection";
}

}  // namespace
}  // namespace zorbit::mgmtsvc::tests
