// The BIOS interrupt-15h requests: the exact lines on the wire, the outputs
// read from given replies, and whole round trips through the stand-in.
#include <gtest/gtest.h>

#include <functional>

#include "service/NBFuncAssetTag.h"
#include "service/NBFuncBoot.h"
#include "service/NBFuncPassword.h"
#include "service/NBFuncPort.h"
#include "service/tcpClient.h"
#include "service/tests/ScriptedServer.h"
#include "service/tests/ServiceTestEnvironment.h"
#include "testing/FileContent.h"
#include "testing/StandInService.h"
#include "testing/WaitUntil.h"

namespace zorbit::testing {
namespace {

using Answer = ScriptedServer::Answer;

// The request list text as it travels: one quoted item, inner quotes doubled.
std::string Int15Line(const std::string& id, const std::string& requestList) {
  std::string quoted;
  for (const char c : requestList) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return "GetInfo " + id + R"(,"int15","",")" + quoted + "\"";
}

class BiosRequestTest : public ServiceTest {
 protected:
  // Links ServLink to a scripted peer answering every request with Reply.
  void Link(ScriptedServer& server) { ServLink() = std::make_shared<TtcpServOpr>(ServiceHost, true, server.Port()); }
};

TEST_F(BiosRequestTest, EveryOperationSendsItsExactRequest) {
  struct Case {
    const char* Name;
    std::function<void()> Call;
    std::string RequestList;
  };
  plat::TStringList devices;
  devices.SetCommaText("01,02,FF");
  const std::vector<Case> cases = {
      {"GetBootOrder",
       [] {
         plat::TStringList d;
         GetBootOrder(d);
       },
       "EAX=38416,EBX=23,VTYPE=1,Flag=512,nocache=true"},
      {"SetBootOrder", [&] { SetBootOrder(devices); },
       R"(EAX=38416,EBX=279,TYPE=2,VTYPE=1,"BUFFER=01,02,FF",Flag=2147484160,cmos=1,nocache=true)"},
      {"GetBootFlag",
       [] {
         bool f;
         GetBootFlag(f);
       },
       "EAX=38416,EBX=42,Flag=2048,nocache=true"},
      {"SetBootFlag true", [] { SetBootFlag(true); }, "EAX=38416,EBX=298,ECX=1,Flag=2147485696,cmos=1,nocache=true"},
      {"SetBootFlag false", [] { SetBootFlag(false); }, "EAX=38416,EBX=298,ECX=0,Flag=2147485696,cmos=1,nocache=true"},
      {"ClearSupervisorPassword", [] { ClearSupervisorPassword(); }, "EAX=38416,EBX=8,Flag=3221225480,nocache=true"},
      {"IsSupervisorPasswordSet", [] { IsSupervisorPasswordSet(); }, "EAX=38416,EBX=264,Flag=3221225480,nocache=true"},
      {"SetSupervisorPassword", [] { SetSupervisorPassword("\x1e\x30\xab"); },
       R"(EAX=38416,EBX=520,ECX=3,TYPE=1,VTYPE=1,"BUFFER=1E,30,AB",cmos=1,Flag=3221225480,nocache=true)"},
      {"SetSupervisorPassword, empty", [] { SetSupervisorPassword(""); },
       "EAX=38416,EBX=520,ECX=0,TYPE=1,VTYPE=1,BUFFER=,cmos=1,Flag=3221225480,nocache=true"},
      {"VerifySupervisorPassword, nine characters cut to eight", [] { VerifySupervisorPassword("123456789"); },
       R"(EAX=38416,EBX=776,ECX=8,TYPE=1,VTYPE=1,"BUFFER=31,32,33,34,35,36,37,38",Flag=3221225480,nocache=true)"},
      {"ClearUserPassword", [] { ClearUserPassword(); }, "EAX=38416,EBX=7,Flag=3221225476,nocache=true"},
      {"IsUserPasswordSet", [] { IsUserPasswordSet(); }, "EAX=38416,EBX=263,Flag=3221225476,nocache=true"},
      {"SetUserPassword", [] { SetUserPassword("\x02"); },
       "EAX=38416,EBX=519,ECX=1,TYPE=1,VTYPE=1,BUFFER=02,cmos=1,Flag=3221225476,nocache=true"},
      {"VerifyUserPassword", [] { VerifyUserPassword("\x02"); },
       "EAX=38416,EBX=775,ECX=1,TYPE=1,VTYPE=1,BUFFER=02,Flag=3221225476,nocache=true"},
      {"GetSerialPortState 0",
       [] {
         bool a, e;
         std::uint16_t w;
         std::uint8_t l, h;
         GetSerialPortState(0, a, e, w, l, h);
       },
       "EAX=38416,EBX=2,Flag=4,nocache=true"},
      {"GetSerialPortState 1",
       [] {
         bool a, e;
         std::uint16_t w;
         std::uint8_t l, h;
         GetSerialPortState(1, a, e, w, l, h);
       },
       "EAX=38416,EBX=258,Flag=4,nocache=true"},
      {"GetParallelPortState",
       [] {
         bool a, e;
         std::uint16_t w;
         std::uint8_t l, h;
         GetParallelPortState(a, e, w, l, h);
       },
       "EAX=38416,EBX=3,Flag=8,nocache=true"},
      {"GetAssetTag",
       [] {
         plat::String t;
         GetAssetTag(t);
       },
       "EAX=38416,EBX=275,Flag=256,nocache=true"},
      {"SetAssetTag with a comma and a quote", [] { SetAssetTag("A,\"B\""); },
       R"(EAX=38416,EBX=33043,"BUFFER=A,""B""",cmos=1,Flag=2147483904,nocache=true)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ScriptedServer server(ScriptedServer::Reply("result=1"));
    Link(server);
    c.Call();
    ServLink().reset();
    ASSERT_EQ(server.Requests().size(), 1u);
    const std::string line = server.Requests()[0];
    EXPECT_EQ(line, Int15Line(ScriptedServer::IdOf(line), c.RequestList));
  }
}

TEST_F(BiosRequestTest, TheLowByteOfResultDecides) {
  for (const auto& [reply, success] : std::vector<std::pair<std::string, bool>>{{"result=1", true},
                                                                                {"result=257", true},
                                                                                {"result=256", false},
                                                                                {"result=0", false},
                                                                                {"result=$101", true},
                                                                                {"result=junk", false},
                                                                                {"EAX=1", false},
                                                                                {"", false}}) {
    ScriptedServer server(ScriptedServer::Reply(reply));
    Link(server);
    EXPECT_EQ(IsSupervisorPasswordSet(), success) << reply;
  }
}

TEST_F(BiosRequestTest, WithoutTheLinkNothingIsSent) {
  ServLink().reset();
  plat::TStringList devices;
  devices.Add("keep");
  EXPECT_FALSE(GetBootOrder(devices));
  EXPECT_EQ(devices.CommaText(), "keep");
  EXPECT_FALSE(SetBootFlag(true));
}

TEST_F(BiosRequestTest, OutputsAreReadFromTheReply) {
  {
    ScriptedServer server(ScriptedServer::Reply(R"(result=1,"BUFFER=03,01,FF")"));
    Link(server);
    plat::TStringList devices;
    ASSERT_TRUE(GetBootOrder(devices));
    EXPECT_EQ(devices.CommaText(), "03,01,FF");
  }
  {
    ScriptedServer server(ScriptedServer::Reply(R"(result=256,"BUFFER=03,01,FF")"));
    Link(server);
    plat::TStringList devices;
    devices.Add("untouched");
    EXPECT_FALSE(GetBootOrder(devices));
    EXPECT_EQ(devices.CommaText(), "untouched");
  }
  for (const auto& [eax, fastBoot] :
       std::vector<std::pair<std::string, bool>>{{"1", true}, {"2", false}, {"3", true}}) {
    ScriptedServer server(ScriptedServer::Reply("result=1,EAX=" + eax));
    Link(server);
    bool flag = !fastBoot;
    ASSERT_TRUE(GetBootFlag(flag));
    EXPECT_EQ(flag, fastBoot) << eax;
  }
  {
    // EAX bit 0 clear: present; bit 1 set: disabled. ECX's low word, EDX's two low bytes.
    ScriptedServer server(ScriptedServer::Reply("result=1,EAX=2,ECX=$123F8,EDX=$ABCD"));
    Link(server);
    bool available = false, enabled = true;
    std::uint16_t port = 0;
    std::uint8_t low = 0, high = 0;
    ASSERT_TRUE(GetSerialPortState(0, available, enabled, port, low, high));
    EXPECT_TRUE(available);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(port, 0x23F8);
    EXPECT_EQ(low, 0xCD);
    EXPECT_EQ(high, 0xAB);
  }
  {
    ScriptedServer server(ScriptedServer::Reply("result=0,EAX=0,ECX=1,EDX=1"));
    Link(server);
    bool available = true, enabled = true;
    std::uint16_t port = 7;
    std::uint8_t low = 7, high = 7;
    EXPECT_FALSE(GetParallelPortState(available, enabled, port, low, high));
    EXPECT_FALSE(available);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(port, 7);
    EXPECT_EQ(low, 7);
    EXPECT_EQ(high, 7);
  }
}

TEST_F(BiosRequestTest, InfraredAsksBothCodesUntilOneReportsAPort) {
  struct Case {
    const char* Name;
    std::string First, Second;
    bool Result, Available, Enabled;
    std::size_t Requests;
  };
  const std::vector<Case> cases = {
      {"first reports it", "result=1,EAX=0,EDX=$100", "", true, true, true, 1},
      {"second reports it", "result=1,EAX=0,EDX=0", "result=1,EAX=2,EDX=$200", true, true, false, 2},
      {"neither reports a port", "result=1,EAX=0,EDX=0", "result=1,EAX=0,EDX=$FF", true, false, false, 2},
      {"first fails, second has none", "result=0", "result=1,EDX=0", true, false, false, 2},
      {"second fails", "result=1,EDX=0", "result=256,EDX=$100", false, false, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ScriptedServer server([&c](const std::string& request) {
      const bool first = request.find("EBX=2,") != std::string::npos;
      return Answer{{ScriptedServer::IdOf(request) + "," + (first ? c.First : c.Second)}};
    });
    Link(server);
    bool available = !c.Available, enabled = !c.Enabled;
    EXPECT_EQ(GetInfraredState(available, enabled), c.Result);
    EXPECT_EQ(available, c.Available);
    EXPECT_EQ(enabled, c.Enabled);
    ServLink().reset();
    EXPECT_EQ(server.Requests().size(), c.Requests);
  }
}

TEST_F(BiosRequestTest, TheAssetTagFallsBackToTheOlderCode) {
  ScriptedServer server([](const std::string& request) {
    const bool current = request.find("EBX=275,") != std::string::npos;
    return Answer{
        {ScriptedServer::IdOf(request) + "," + (current ? "result=0,BUFFER=wrong" : "result=1,BUFFER=TAG-42")}};
  });
  Link(server);
  plat::String tag = "old";
  ASSERT_TRUE(GetAssetTag(tag));
  EXPECT_EQ(tag, "TAG-42");
  ServLink().reset();
  ASSERT_EQ(server.Requests().size(), 2u);
  EXPECT_NE(server.Requests()[1].find("EBX=37,"), std::string::npos);
}

TEST_F(BiosRequestTest, HostileRepliesFailCleanly) {
  for (const std::string& reply :
       {std::string("BUFFER=01"), std::string("result=99999999999999999999999"), std::string("\"unterminated"),
        std::string("result=1,BUFFER=") + std::string(200000, 'A'),
        std::string("result=1,EAX=-1,ECX=zz,EDX=$FFFFFFFFFF")}) {
    ScriptedServer server(ScriptedServer::Reply(reply));
    Link(server);
    plat::TStringList devices;
    bool available = false, enabled = false;
    std::uint16_t port = 0;
    std::uint8_t low = 0, high = 0;
    GetBootOrder(devices);
    GetSerialPortState(0, available, enabled, port, low, high);
    plat::String tag;
    GetAssetTag(tag);
  }
  SUCCEED();
}

class BiosStandInTest : public ServiceTest {
 protected:
  void Link(const TStandInService& service, const TExchangeTimings& timings = {}) {
    auto link = std::make_shared<TtcpServOpr>(ServiceHost, true, service.Port());
    link->SetTimings(timings);
    ServLink() = link;
  }
};

TEST_F(BiosStandInTest, PasswordsRoundTripThroughTheStandIn) {
  TStandInService service({"--state", Root + "/bios.json"});
  Link(service);
  const std::string password = "\x1e\x30\x2e";  // scan codes of a, b, c
  ASSERT_TRUE(SetSupervisorPassword(password));
  EXPECT_TRUE(IsSupervisorPasswordSet());
  EXPECT_TRUE(VerifySupervisorPassword(password));
  EXPECT_FALSE(VerifySupervisorPassword("\x1e\x30"));
  ASSERT_TRUE(ClearSupervisorPassword());
  EXPECT_FALSE(IsSupervisorPasswordSet());
}

TEST_F(BiosStandInTest, BootSettingsSurviveARestart) {
  TStandInService service({"--state", Root + "/bios.json"});
  Link(service);
  plat::TStringList order;
  ASSERT_TRUE(GetBootOrder(order));
  ASSERT_GE(order.Count(), 3);
  EXPECT_EQ(order.Strings(order.Count() - 1), "FF");
  order.Exchange(0, 1);
  const std::string changed = order.CommaText();
  ASSERT_TRUE(SetBootOrder(order));
  bool fastBoot = false;
  ASSERT_TRUE(GetBootFlag(fastBoot));
  ASSERT_TRUE(SetBootFlag(!fastBoot));

  ServLink().reset();
  service.Restart();
  Link(service);

  plat::TStringList reread;
  ASSERT_TRUE(GetBootOrder(reread));
  EXPECT_EQ(reread.CommaText(), changed);
  bool reFastBoot = fastBoot;
  ASSERT_TRUE(GetBootFlag(reFastBoot));
  EXPECT_EQ(reFastBoot, !fastBoot);
}

TEST_F(BiosStandInTest, AWriteGivenUpOnWhileTheServiceStandsStillIsNeverCarriedOut) {
  const std::string log = Root + "/service.log";
  TStandInService service({"--state", Root + "/bios.json", "--log", log});
  Link(service, {.ReadTimeoutMs = 100, .DeadlineSeconds = 1});
  plat::TStringList before;
  ASSERT_TRUE(GetBootOrder(before));
  plat::TStringList wanted;
  wanted.SetCommaText("07,FF");

  service.Pause();
  EXPECT_FALSE(SetBootOrder(wanted));
  EXPECT_FALSE(static_cast<TtcpServOpr&>(*ServLink()).Connected());
  service.Resume();
  ASSERT_TRUE(WaitUntil([&] { return ReadFileContent(log).find("closed the connection") != std::string::npos; }))
      << "the stand-in takes up the request it was sent and drops it";

  // The next requests connect anew and are answered as usual.
  plat::TStringList after;
  ASSERT_TRUE(GetBootOrder(after));
  EXPECT_EQ(after.CommaText(), before.CommaText());
  ASSERT_TRUE(SetBootOrder(wanted));
  ASSERT_TRUE(GetBootOrder(after));
  EXPECT_EQ(after.CommaText(), wanted.CommaText());
  EXPECT_TRUE(Messages.empty());
}

TEST_F(BiosStandInTest, AFailingFeatureAndTheAssetTagFallback) {
  TStandInService service({"--state", Root + "/bios.json", "--fail", "bootorder", "--asset-tag-fallback-only"});
  Link(service);
  plat::TStringList order;
  order.Add("untouched");
  EXPECT_FALSE(GetBootOrder(order));
  EXPECT_EQ(order.CommaText(), "untouched");
  ASSERT_TRUE(SetAssetTag("NB-0042"));
  plat::String tag;
  ASSERT_TRUE(GetAssetTag(tag));
  EXPECT_EQ(tag, "NB-0042");
}

}  // namespace
}  // namespace zorbit::testing
