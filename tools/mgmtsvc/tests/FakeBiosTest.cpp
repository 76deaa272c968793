// The fake BIOS through the real program: every request goes over a socket
// exactly as the client writes it.
#include <gtest/gtest.h>

#include <memory>

#include <nlohmann/json.hpp>

#include "platform/rtl/StringList.h"
#include "testing/StandInService.h"
#include "testing/TempFolder.h"
#include "tools/mgmtsvc/tests/LineClient.h"

namespace zorbit::mgmtsvc::tests {
namespace {

using testing::TTempFolder;

using Items = std::vector<std::string>;

Items Int15(int Ebx, Items Middle) {
  Items items{"EAX=38416", "EBX=" + std::to_string(Ebx)};
  items.insert(items.end(), Middle.begin(), Middle.end());
  items.push_back("nocache=true");
  return items;
}

const std::string kSupervisorFlag = "Flag=3221225480";
const std::string kUserFlag = "Flag=3221225476";

Items GetBootOrder() { return Int15(23, {"VTYPE=1", "Flag=512"}); }
Items SetBootOrder(const std::string& Codes) {
  return Int15(279, {"TYPE=2", "VTYPE=1", "BUFFER=" + Codes, "Flag=2147484160", "cmos=1"});
}
Items GetBootFlag() { return Int15(42, {"Flag=2048"}); }
Items SetBootFlag(const std::string& Ecx) { return Int15(298, {"ECX=" + Ecx, "Flag=2147485696", "cmos=1"}); }
Items PasswordCall(int Ebx, const std::string& Flag) { return Int15(Ebx, {Flag}); }
Items SetPassword(int Ebx, const std::string& Flag, int Length, const std::string& Hex) {
  return Int15(Ebx, {"ECX=" + std::to_string(Length), "TYPE=1", "VTYPE=1", "BUFFER=" + Hex, "cmos=1", Flag});
}
Items VerifyPassword(int Ebx, const std::string& Flag, int Length, const std::string& Hex) {
  return Int15(Ebx, {"ECX=" + std::to_string(Length), "TYPE=1", "VTYPE=1", "BUFFER=" + Hex, Flag});
}
Items ClearSupervisor() { return PasswordCall(8, kSupervisorFlag); }
Items IsSupervisorSet() { return PasswordCall(264, kSupervisorFlag); }
Items SetSupervisor(int Length, const std::string& Hex) { return SetPassword(520, kSupervisorFlag, Length, Hex); }
Items VerifySupervisor(int Length, const std::string& Hex) { return VerifyPassword(776, kSupervisorFlag, Length, Hex); }
Items ClearUser() { return PasswordCall(7, kUserFlag); }
Items IsUserSet() { return PasswordCall(263, kUserFlag); }
Items SetUser(int Length, const std::string& Hex) { return SetPassword(519, kUserFlag, Length, Hex); }
Items VerifyUser(int Length, const std::string& Hex) { return VerifyPassword(775, kUserFlag, Length, Hex); }
Items SerialPort(int Ebx) { return Int15(Ebx, {"Flag=4"}); }
Items ParallelPort() { return Int15(3, {"Flag=8"}); }
Items GetAssetTag(int Ebx) { return Int15(Ebx, {"Flag=256"}); }
Items SetAssetTag(int Ebx, const std::string& Tag) {
  return Int15(Ebx, {"BUFFER=" + Tag, "cmos=1", "Flag=2147483904"});
}

class Bios {
 public:
  explicit Bios(std::vector<std::string> Switches = {}) {
    Switches.insert(Switches.begin(), {"--state", FDir.File("state.json")});
    FService = std::make_unique<testing::TStandInService>(Switches);
    Connect();
  }

  std::string Call(const Items& Request) {
    return FClient->Ask("GetInfo", FNextId++, GetInfoData("int15", "", Int15Params(Request)));
  }
  void Restart() {
    FClient.reset();
    FService->Restart();
    Connect();
  }
  const TTempFolder& Dir() const { return FDir; }

 private:
  void Connect() { FClient = std::make_unique<LineClient>(FService->Port()); }

  TTempFolder FDir;
  std::unique_ptr<testing::TStandInService> FService;
  std::unique_ptr<LineClient> FClient;
  int FNextId = 0;
};

struct Step {
  Items Request;
  std::string Reply;
};

void RunSteps(Bios& Service, const std::vector<Step>& Steps) {
  for (std::size_t i = 0; i < Steps.size(); ++i)
    EXPECT_EQ(Service.Call(Steps[i].Request), Steps[i].Reply)
        << "step " << i + 1 << ": " << Int15Params(Steps[i].Request);
}

TEST(FakeBios, BootOrderAndFastBoot) {
  Bios service;
  RunSteps(service, {
                        {GetBootOrder(), "result=1,\"BUFFER=01,02,00,07,FF\""},
                        {SetBootOrder("02,01,FF"), "result=1"},
                        {GetBootOrder(), "result=1,\"BUFFER=02,01,FF\""},
                        {SetBootOrder("0e,0a,ff,03"), "result=1"},
                        {GetBootOrder(), "result=1,\"BUFFER=0E,0A,FF,03\""},
                        {GetBootFlag(), "result=1,EAX=0"},
                        {SetBootFlag("1"), "result=1"},
                        {GetBootFlag(), "result=1,EAX=1"},
                        {SetBootFlag("0"), "result=1"},
                        {GetBootFlag(), "result=1,EAX=0"},
                    });
}

TEST(FakeBios, PasswordsCompareScanCodes) {
  Bios service;
  RunSteps(service, {
                        {IsSupervisorSet(), "result=256"},
                        {IsUserSet(), "result=256"},
                        {SetUser(1, "1E"), "result=256"},  // a user password needs a supervisor password
                        {VerifySupervisor(0, ""), "result=1"},
                        {SetSupervisor(2, "1E,30"), "result=1"},
                        {IsSupervisorSet(), "result=1"},
                        {VerifySupervisor(2, "1E,30"), "result=1"},
                        {VerifySupervisor(2, "1e,30"), "result=1"},
                        {VerifySupervisor(2, "30,1E"), "result=256"},
                        {VerifySupervisor(1, "1E"), "result=256"},
                        {VerifySupervisor(0, ""), "result=256"},
                        {SetSupervisor(0, ""), "result=256"},  // an empty password is refused, not stored
                        {SetUser(8, "10,11,12,13,14,15,16,17"), "result=1"},
                        {IsUserSet(), "result=1"},
                        {VerifyUser(8, "10,11,12,13,14,15,16,17"), "result=1"},
                        {VerifyUser(2, "1E,30"), "result=256"},
                        {ClearUser(), "result=1"},
                        {IsUserSet(), "result=256"},
                        {IsSupervisorSet(), "result=1"},
                        {SetUser(1, "2E"), "result=1"},
                        {ClearSupervisor(), "result=1"},
                        {IsSupervisorSet(), "result=256"},
                        {IsUserSet(), "result=256"},  // cleared along with the supervisor password
                        {ClearUser(), "result=1"},
                    });
}

TEST(FakeBios, PortsAndAssetTag) {
  Bios service;
  RunSteps(service, {
                        {SerialPort(2), "result=1,EAX=0,ECX=1016,EDX=4"},
                        {SerialPort(258), "result=1,EAX=2,ECX=760,EDX=259"},
                        {ParallelPort(), "result=1,EAX=0,ECX=888,EDX=775"},
                        {GetAssetTag(275), "result=1,BUFFER="},
                        {SetAssetTag(33043, "Desk 7, \"North\""), "result=1"},
                        {GetAssetTag(275), "result=1,\"BUFFER=Desk 7, \"\"North\"\"\""},
                        {SetAssetTag(293, "  padded  "), "result=1"},
                        {GetAssetTag(37), "result=1,\"BUFFER=  padded  \""},
                        {SetAssetTag(33043, "B\xC3\xBCro \xC3\xBF"), "result=1"},
                        {GetAssetTag(275), "result=1,\"BUFFER=B\xC3\xBCro \xC3\xBF\""},
                        {SetAssetTag(33043, std::string(64, 'A')), "result=1"},
                        {SetAssetTag(33043, std::string(65, 'B')), "result=256"},
                        {GetAssetTag(275), "result=1,BUFFER=" + std::string(64, 'A')},
                    });
}

TEST(FakeBios, RepliesReadBackAsTheClientReadsThem) {
  Bios service;
  const std::string tag = "a,b \"c\" =d";
  ASSERT_EQ(service.Call(SetAssetTag(33043, tag)), "result=1");
  plat::TStringList reply;
  reply.SetCommaText(service.Call(GetAssetTag(275)));
  EXPECT_EQ(reply.Values("result"), "1");
  EXPECT_EQ(reply.Values("BUFFER"), tag);

  reply.SetCommaText(service.Call(GetBootOrder()));
  plat::TStringList devices;
  devices.SetCommaText(reply.Values("BUFFER"));
  EXPECT_EQ(devices.Count(), 5);
  EXPECT_EQ(devices.Strings(4), "FF");
}

TEST(FakeBios, StateSurvivesARestart) {
  Bios service;
  RunSteps(service, {
                        {SetBootOrder("02,00,FF"), "result=1"},
                        {SetBootFlag("1"), "result=1"},
                        {SetSupervisor(3, "1E,30,2E"), "result=1"},
                        {SetUser(1, "1F"), "result=1"},
                        {SetAssetTag(33043, "INV-0042"), "result=1"},
                    });
  service.Restart();
  RunSteps(service, {
                        {GetBootOrder(), "result=1,\"BUFFER=02,00,FF\""},
                        {GetBootFlag(), "result=1,EAX=1"},
                        {VerifySupervisor(3, "1E,30,2E"), "result=1"},
                        {VerifyUser(1, "1F"), "result=1"},
                        {GetAssetTag(275), "result=1,BUFFER=INV-0042"},
                    });
  auto state = nlohmann::json::parse(service.Dir().Read("state.json"));
  EXPECT_EQ(state["supervisor_password"], "1E,30,2E");
  EXPECT_EQ(state["asset_tag"], "INV-0042");
}

TEST(FakeBios, PortStatesComeFromTheStateFile) {
  TTempFolder dir;
  std::string state = dir.Write("state.json", R"({
    "serial": {"available": false, "enabled": false, "address": 1016, "low": 4, "high": 0},
    "infrared": {"available": true, "enabled": true, "address": 744, "low": 10, "high": 2},
    "parallel": {"available": true, "enabled": false, "address": 632, "low": 5, "high": 0}})");
  testing::TStandInService service({"--state", state});
  LineClient client(service.Port());
  auto call = [&](const Items& request) {
    return client.Ask("GetInfo", 1, GetInfoData("int15", "", Int15Params(request)));
  };
  EXPECT_EQ(call(SerialPort(2)), "result=1,EAX=3,ECX=1016,EDX=4");
  EXPECT_EQ(call(SerialPort(258)), "result=1,EAX=0,ECX=744,EDX=522");
  EXPECT_EQ(call(ParallelPort()), "result=1,EAX=2,ECX=632,EDX=5");
}

TEST(FakeBios, FailSwitchFailsOneFeatureOnly) {
  struct Feature {
    std::string Name;
    Items Request;
  };
  const std::vector<Feature> features = {
      {"bootorder", GetBootOrder()}, {"bootflag", GetBootFlag()},    {"supervisor", VerifySupervisor(0, "")},
      {"user", VerifyUser(0, "")},   {"assettag", GetAssetTag(275)}, {"serial", SerialPort(2)},
      {"infrared", SerialPort(258)}, {"parallel", ParallelPort()},
  };
  for (const Feature& failing : features) {
    Bios service({"--fail", failing.Name});
    for (const Feature& feature : features) {
      plat::TStringList reply;
      reply.SetCommaText(service.Call(feature.Request));
      EXPECT_EQ(reply.Values("result"), feature.Name == failing.Name ? "256" : "1")
          << "--fail " << failing.Name << " asked " << feature.Name;
    }
  }
}

TEST(FakeBios, FailSwitchRefusesWritesAndKeepsTheState) {
  Bios service({"--fail", "bootorder", "--fail", "assettag"});
  EXPECT_EQ(service.Call(SetBootOrder("02,FF")), "result=256");
  EXPECT_EQ(service.Call(SetAssetTag(33043, "X")), "result=256");
  EXPECT_EQ(service.Call(SetAssetTag(293, "X")), "result=256");
  EXPECT_EQ(service.Call(SetBootFlag("1")), "result=1");
  auto state = nlohmann::json::parse(service.Dir().Read("state.json"));
  EXPECT_EQ(state["boot_order"].size(), 5u);
  EXPECT_EQ(state["asset_tag"], "");
}

TEST(FakeBios, AssetTagFallbackOnly) {
  Bios service({"--asset-tag-fallback-only"});
  RunSteps(service, {
                        {SetAssetTag(33043, "first"), "result=256"},
                        {SetAssetTag(293, "second"), "result=1"},
                        {GetAssetTag(275), "result=256"},
                        {GetAssetTag(37), "result=1,BUFFER=second"},
                    });
}

TEST(FakeBios, UndecodableRequestsAnswerResultZeroAndChangeNothing) {
  Items passwordOrderSwapped = Int15(520, {"ECX=1", "TYPE=1", "VTYPE=1", "BUFFER=1E", kSupervisorFlag, "cmos=1"});
  Items bootFlagOrderSwapped = Int15(298, {"ECX=1", "cmos=1", "Flag=2147485696"});
  Items withoutNocache = GetBootFlag();
  withoutNocache.pop_back();
  Items extraItem = GetBootFlag();
  extraItem.insert(extraItem.end() - 1, "ECX=1");
  std::string manyCodes;
  for (int i = 0; i < 33; ++i) manyCodes += "01,";
  const std::vector<Items> cases = {
      {},
      {"EAX=38416"},
      {"EAX=38416", "nocache=true"},
      {"EAX=38415", "EBX=42", "Flag=2048", "nocache=true"},
      {"EBX=42", "EAX=38416", "Flag=2048", "nocache=true"},
      {"EAX=38416", "EBX=abc", "Flag=2048", "nocache=true"},
      {"EAX=38416", "EBX=", "Flag=2048", "nocache=true"},
      {"EAX=38416", "EBX=99999", "Flag=2048", "nocache=true"},
      {"EAX=38416", "EBX=42", "Flag=2047", "nocache=true"},
      {"EAX=38416", "EBX=42", "Flag", "nocache=true"},
      {"EAX=38416", "EBX=42", "Flag=2048", "nocache=false"},
      {"EAX=38416", "EBX=-214", "Flag=2048", "nocache=true"},
      Int15(520, {"ECX=1", "TYPE=1", "VTYPE=1", "BUFFER=1E", "cmos=1", "Flag=-1073741816"}),
      passwordOrderSwapped,
      bootFlagOrderSwapped,
      withoutNocache,
      extraItem,
      SetBootFlag("2"),
      SetBootFlag("x"),
      SetBootFlag("99999999999"),
      SetBootOrder("02,1,FF"),
      SetBootOrder("02,01"),
      SetBootOrder(""),
      SetBootOrder(manyCodes + "FF"),
      SetSupervisor(9, "01,02,03,04,05,06,07,08,09"),
      SetSupervisor(2, "1E"),
      SetSupervisor(1, "1G"),
      SetSupervisor(1, "1E,"),
      VerifySupervisor(-1, "1E"),
      SetAssetTag(33043, "\xFF\xFE"),
      {"EAX=38416", "EBX=42", std::string(100000, 'F'), "nocache=true"},
  };
  Bios service;
  for (const Items& request : cases) EXPECT_EQ(service.Call(request), "result=0") << Int15Params(request);
  RunSteps(service, {
                        {GetBootOrder(), "result=1,\"BUFFER=01,02,00,07,FF\""},
                        {GetBootFlag(), "result=1,EAX=0"},
                        {IsSupervisorSet(), "result=256"},
                    });
}

}  // namespace
}  // namespace zorbit::mgmtsvc::tests
