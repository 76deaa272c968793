// The switches that make the service misbehave for the client's tests.
#include <gtest/gtest.h>

#include <chrono>

#include "testing/StandInService.h"
#include "tools/mgmtsvc/tests/LineClient.h"

namespace zorbit::mgmtsvc::tests {
namespace {

using testing::TStandInService;

const std::string kSensors = "\"CPU Temperature\",\"System Temperature\",\"CPU Fan\"";

TEST(Switches, DelayMsWaitsBeforeEveryReply) {
  TStandInService service({"--delay-ms", "200"});
  LineClient client(service.Port());
  for (int id = 1; id <= 2; ++id) {
    auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(client.Ask("Unknown", id, ""), "");
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(200));
  }
}

TEST(Switches, SilentNeverReplies) {
  TStandInService service({"--silent"});
  LineClient client(service.Port());
  client.Request("AvaliableSensors", 1, "");
  client.Request("GetInfo", 2, GetInfoData("smbios_sub", "BIOS", ""));
  EXPECT_EQ(client.ReadLine(std::chrono::milliseconds(200)), std::nullopt);
  client.Send("Unknown 3,\r\n");
  EXPECT_EQ(client.ReadLine(std::chrono::milliseconds(100)), std::nullopt) << "the connection stays open, unanswered";
}

TEST(Switches, StaleLinesComeFirstAndNeverLookLikeTheReply) {
  TStandInService service({"--stale", "4"});
  LineClient client(service.Port());
  struct Case {
    int Id;
    std::vector<std::string> Stale;
  };
  const Case cases[] = {
      {12, {"1,stale", "11,stale", "13,stale", "10,stale"}},
      {0, {"1,stale", "2,stale", "3,stale", "4,stale"}},
      {120, {"12,stale", "1,stale", "119,stale", "121,stale"}},
  };
  for (const Case& c : cases) {
    client.Request("AvaliableSensors", c.Id, "");
    for (const std::string& stale : c.Stale) EXPECT_EQ(client.ReadLine(), stale) << c.Id;
    EXPECT_EQ(client.ReadLine(), std::to_string(c.Id) + "," + kSensors);
  }
}

TEST(Switches, BareIdRepliesWithTheNumberAlone) {
  TStandInService service({"--bare-id"});
  LineClient client(service.Port());
  EXPECT_EQ(client.Exchange("AvaliableSensors", 12, ""), "12");
  EXPECT_EQ(client.Exchange("GetInfo", 13, GetInfoData("smbios_sub", "BIOS", "")), "13");
}

TEST(Switches, OverlongSendsALineOfThatLength) {
  for (long length : {300001L, 5L}) {
    TStandInService service({"--overlong", std::to_string(length)});
    LineClient client(service.Port());
    std::string line = client.Exchange("AvaliableSensors", 77, "");
    EXPECT_EQ(static_cast<long>(line.size()), length);
    EXPECT_EQ(line.substr(0, 3), "77,");
  }
}

TEST(Switches, CloseMidReadWritesPartOfTheLineThenCloses) {
  TStandInService service({"--close-mid-read"});
  LineClient client(service.Port());
  client.Request("AvaliableSensors", 7, "");
  auto received = client.ReadUntilClosed();
  ASSERT_TRUE(received);
  const std::string full = "7," + kSensors;
  EXPECT_FALSE(received->empty());
  EXPECT_LT(received->size(), full.size());
  EXPECT_EQ(full.compare(0, received->size(), *received), 0) << *received;
}

TEST(Switches, DropAfterClosesAfterThatManyAnswers) {
  TStandInService service({"--drop-after", "2"});
  for (int round = 0; round < 2; ++round) {
    LineClient client(service.Port());
    client.Request("EnableAlert", 1, "\"CPU Fan\",0,1");  // not answered, not counted
    EXPECT_EQ(client.Ask("Unknown", 2, ""), "");
    EXPECT_EQ(client.Ask("Unknown", 3, ""), "");
    client.Request("Unknown", 4, "");
    EXPECT_EQ(client.ReadUntilClosed(), "");
  }
}

TEST(Switches, RefuseClosesEveryConnectionAtOnce) {
  TStandInService service({"--refuse"});
  for (int i = 0; i < 3; ++i) {
    LineClient client(service.Port());
    EXPECT_EQ(client.ReadUntilClosed(), "");
  }
}

}  // namespace
}  // namespace zorbit::mgmtsvc::tests
