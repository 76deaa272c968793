// The line protocol through the real program: framing, request numbers,
// the sensor commands, hostile lines and several clients at once.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <stdexcept>

#include "testing/StandInService.h"
#include "testing/TempFolder.h"
#include "testing/WaitUntil.h"
#include "tools/mgmtsvc/tests/LineClient.h"

namespace zorbit::mgmtsvc::tests {
namespace {

using testing::TStandInService;
using testing::TTempFolder;
using testing::WaitUntil;

TEST(Protocol, ReplyIsTheRequestNumberACommaAndThePayload) {
  TStandInService service;
  LineClient client(service.Port());
  struct Case {
    std::string Request;
    std::string Reply;
  };
  const Case cases[] = {
      {"Unknown 17,abc\r\n", "17,"},
      {"Unknown 5,x\n", "5,"},  // a bare LF ends a line too
      {"Unknown 8\r\n", "8,"},
      {"Unknown 007,x\r\n", "007,"},
      {"Unknown 4294967295,x\r\n", "4294967295,"},
      {"GetInfo 0,\"no such module\",\"x\",\r\n", "0,"},
      {"GetInfo 1,\r\n", "1,"},
      {"AvaliableSensors 3,\r\n", "3,\"CPU Temperature\",\"System Temperature\",\"CPU Fan\""},
      {"GetInfo 2,\"smbios_sub\",\"BIOS\",\r\n", "2,0"},
      {"GetInfo 9,\"smbios\",\"BIOS\",HandleID=0\r\n", "9,Vendor=Ovra,Version=V1.07,ReleaseDate=03/14/2007"},
  };
  for (const Case& c : cases) {
    client.Send(c.Request);
    EXPECT_EQ(client.ReadLine(), c.Reply) << c.Request;
  }
}

TEST(Protocol, PipelinedRequestsAreAnsweredInOrder) {
  TStandInService service;
  LineClient client(service.Port());
  std::string burst;
  for (int id = 0; id < 50; ++id) burst += "GetInfo " + std::to_string(id) + ",\"smbios_sub\",\"System\",\r\n";
  client.Send(burst);
  for (int id = 0; id < 50; ++id) EXPECT_EQ(client.ReadLine(), std::to_string(id) + ",1");
}

TEST(Protocol, CommandsThatAreNotAwaitedGetNoReply) {
  TStandInService service;
  LineClient client(service.Port());
  client.Send(
      "EnableAlert 1,\"CPU Fan\",0,5000\r\n"
      "DisableAlert 2,\"CPU Fan\"\r\n"
      "Unsubscribe 3,1\r\n"
      "Unknown 4,\r\n");
  EXPECT_EQ(client.ReadLine(), "4,");
}

TEST(Protocol, SensorAlertsAndSubscriptions) {
  TStandInService service;
  LineClient client(service.Port());
  LineClient other(service.Port());
  EXPECT_EQ(client.Ask("IsAlertEnabled", 1, "\"CPU Temperature\""), "False");
  client.Request("EnableAlert", 2, "\"CPU Temperature\",0,40.5");
  EXPECT_EQ(client.Ask("IsAlertEnabled", 20, "\"CPU Temperature\""), "True");
  EXPECT_EQ(other.Ask("IsAlertEnabled", 3, "\"CPU Temperature\""), "True")
      << "alerts are the machine's, not the connection's";
  std::string id = client.Ask("Subscribe", 4, "0");
  EXPECT_EQ(id, "1");
  EXPECT_EQ(client.Ask("Subscribe", 5, "0"), "2");
  // The third item is itself a comma text: the sensor's name and its value.
  EXPECT_EQ(client.Ask("WaitAlert", 6, id), "1,1,\"\"\"CPU Temperature\"\",52\"");
  client.Request("EnableAlert", 7, "\"CPU Temperature\",0,60");
  EXPECT_EQ(client.Ask("WaitAlert", 8, id), "0,0,");
  client.Request("DisableAlert", 9, "\"CPU Temperature\"");
  EXPECT_EQ(client.Ask("IsAlertEnabled", 10, "\"CPU Temperature\""), "False");
  EXPECT_EQ(client.Ask("WaitAlert", 11, "99"), "-1,0,");
  client.Request("Unsubscribe", 12, id);
  EXPECT_EQ(client.Ask("WaitAlert", 13, id), "-1,0,");
  EXPECT_EQ(client.Ask("WaitAlert", 14, "junk"), "-1,0,");
  client.Request("EnableAlert", 15, "\"CPU Fan\",lots,more");
  EXPECT_EQ(client.Ask("IsAlertEnabled", 16, "\"CPU Fan\""), "False") << "bounds that are not numbers are ignored";
}

TEST(Protocol, GetInfoWithMissingOrUnquotedItems) {
  TStandInService service;
  LineClient client(service.Port());
  struct Case {
    std::string Data;
    std::string Payload;
  };
  const Case cases[] = {
      {"", ""},
      {"\"int15\"", "result=0"},
      {"\"int15\",\"\"", "result=0"},
      {"\"int15\",\"\",", "result=0"},
      // The request list not quoted as one item: only its first item arrives.
      {"\"int15\",\"\",EAX=38416,EBX=42,Flag=2048,nocache=true", "result=0"},
      {"\"int15\",\"\",\"EAX=38416,EBX=42,Flag=2048,nocache=true\"", "result=1,EAX=0"},
      {"\"INT15\",\"\",\"EAX=38416,EBX=42,Flag=2048,nocache=true\"", "result=1,EAX=0"},
      {"\"\"\"\",,,,,,", ""},
  };
  int id = 0;
  for (const Case& c : cases) EXPECT_EQ(client.Ask("GetInfo", id++, c.Data), c.Payload) << c.Data;
}

TEST(Protocol, GarbageLinesAreDroppedAndTheServiceStaysUp) {
  TStandInService service;
  LineClient client(service.Port());
  const std::string garbage[] = {
      "\r\n",
      "\n",
      "junk\r\n",
      " 5,x\r\n",
      "GetInfo x,1\r\n",
      "GetInfo -1,x\r\n",
      "GetInfo ,x\r\n",
      "GetInfo  5,x\r\n",
      std::string("\0\x01\x02\xFF\xFE\r\n", 7),
      "GetInfo 123456789012345678901,x\r\n",
      "GetInfo 6," + std::string(300 * 1024, 'A') + "\r\n",  // over-long: dropped whole
      std::string(1024 * 1024, 'B') + "\n",
  };
  for (const std::string& line : garbage) client.Send(line);
  client.Send("Unknown 9,\r\n");
  EXPECT_EQ(client.ReadLine(), "9,") << "nothing is answered before the good request";
}

TEST(Protocol, AClientThatLeavesMidLineDoesNotDisturbOthers) {
  TStandInService service;
  {
    LineClient leaving(service.Port());
    leaving.Send("GetInfo 1,\"smbios_sub\",\"Sys");
  }
  LineClient client(service.Port());
  EXPECT_EQ(client.Ask("GetInfo", 2, GetInfoData("smbios_sub", "System", "")), "1");
}

TEST(Protocol, ConnectionsAreServedAtTheSameTime) {
  TTempFolder dir;
  // The slow reply never comes while the test runs: every quick one must be
  // answered past it.
  std::string profile = dir.Write("profile.json", R"({"entries": [
      {"module": "slow", "delay_ms": 600000, "reply": "late"},
      {"module": "quick", "reply": "soon"}]})");
  TStandInService service({"--profile", profile});
  LineClient slow(service.Port());
  slow.Request("GetInfo", 1, GetInfoData("slow", "", ""));
  std::vector<std::unique_ptr<LineClient>> clients;
  for (int i = 0; i < 8; ++i) clients.push_back(std::make_unique<LineClient>(service.Port()));
  for (int i = 0; i < 8; ++i) clients[i]->Request("GetInfo", 100 + i, GetInfoData("quick", "", ""));
  for (int i = 7; i >= 0; --i)
    EXPECT_EQ(clients[i]->ReadLine(std::chrono::seconds(30)), std::to_string(100 + i) + ",soon");
  EXPECT_EQ(service.Stop(), 0);
  EXPECT_EQ(slow.ReadUntilClosed(), "");
}

TEST(Protocol, ARequestWhoseClientHungUpBeforeItsTurnIsNotCarriedOut) {
  // The service stands still while its clients write; each closes its
  // connection before the service gets to its request, as a client that gave
  // up on the reply does.
  TTempFolder dir;
  TStandInService service({"--log", dir.File("service.log")});
  const auto setOrder = [](int Id, const std::string& Codes) {
    return "GetInfo " + std::to_string(Id) + "," +
           GetInfoData("int15", "",
                       Int15Params({"EAX=38416", "EBX=279", "TYPE=2", "VTYPE=1", "BUFFER=" + Codes, "Flag=2147484160",
                                    "cmos=1", "nocache=true"})) +
           "\r\n";
  };
  const std::string getOrder =
      GetInfoData("int15", "", Int15Params({"EAX=38416", "EBX=23", "VTYPE=1", "Flag=512", "nocache=true"}));
  const std::string setFastBoot = GetInfoData(
      "int15", "", Int15Params({"EAX=38416", "EBX=298", "ECX=1", "Flag=2147485696", "cmos=1", "nocache=true"}));
  const std::string getFastBoot =
      GetInfoData("int15", "", Int15Params({"EAX=38416", "EBX=42", "Flag=2048", "nocache=true"}));
  const std::string before = "result=1,\"BUFFER=01,02,00,07,FF\"";

  auto servedBefore = std::make_unique<LineClient>(service.Port());
  ASSERT_EQ(servedBefore->Ask("GetInfo", 1, getOrder), before);
  auto staying = std::make_unique<LineClient>(service.Port());
  service.Pause();
  // Connected before the pause and served, or only waiting to be taken in.
  servedBefore->Send(setOrder(2, "02,FF"));
  auto waitingToBeTaken = std::make_unique<LineClient>(service.Port());
  waitingToBeTaken->Send(setOrder(3, "07,FF"));
  // A command that is not awaited: nobody gave up on it.
  auto notifying = std::make_unique<LineClient>(service.Port());
  notifying->Request("EnableAlert", 4, "\"CPU Fan\",0,5000");
  staying->Request("GetInfo", 5, setFastBoot);
  servedBefore.reset();
  waitingToBeTaken.reset();
  notifying.reset();
  service.Resume();

  const auto drops = [&] {
    const std::string log = dir.Read("service.log");
    std::size_t count = 0;
    for (auto at = log.find("closed the connection before it was carried out"); at != std::string::npos;
         at = log.find("closed the connection before it was carried out", at + 1))
      ++count;
    return count;
  };
  ASSERT_TRUE(WaitUntil([&] { return drops() == 2; })) << dir.Read("service.log");
  EXPECT_EQ(staying->ReadLine(), "5,result=1") << "a client that waits is answered after the pause";
  LineClient after(service.Port());
  EXPECT_EQ(after.Ask("GetInfo", 6, getOrder), before);
  EXPECT_EQ(after.Ask("GetInfo", 7, getFastBoot), "result=1,EAX=1");
  EXPECT_TRUE(WaitUntil([&] { return after.Ask("IsAlertEnabled", 8, "\"CPU Fan\"") == "True"; }));
}

TEST(Protocol, TerminationIsClean) {
  TStandInService service({"--delay-ms", "600000"});
  LineClient client(service.Port());
  client.Request("Unknown", 1, "");
  // A reply waiting out its delay does not hold up the end.
  EXPECT_EQ(service.Stop(), 0);
  EXPECT_EQ(client.ReadUntilClosed(), "");
}

TEST(Protocol, BadCommandLinesAreRefused) {
  const std::vector<std::vector<std::string>> cases = {
      {"--bogus"},
      {"--port", "70000"},
      {"--port"},
      {"--delay-ms", "-1"},
      {"--stale", "x"},
      {"--fail", "display"},
      {"--overlong", "0"},
      {"--drop-after", "0"},
      {"--profile", "/nonexistent/profile.json"},
      {"--line-timeout-ms", "0"},
      {"--send-timeout-ms", "x"},
      {"--log"},
      {"--log", "/nonexistent/folder/log"},
  };
  for (const auto& arguments : cases) EXPECT_THROW(TStandInService{arguments}, std::runtime_error) << arguments[0];
}

}  // namespace
}  // namespace zorbit::mgmtsvc::tests
