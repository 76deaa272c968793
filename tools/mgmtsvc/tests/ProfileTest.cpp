// Answers from a machine profile: matching, reply texts, retries and delays.
#include <gtest/gtest.h>

#include <chrono>

#include "platform/rtl/StringList.h"
#include "testing/ProjectPaths.h"
#include "testing/StandInService.h"
#include "testing/TempFolder.h"
#include "tools/mgmtsvc/DefaultProfile.h"
#include "tools/mgmtsvc/MachineProfile.h"
#include "tools/mgmtsvc/tests/LineClient.h"

namespace zorbit::mgmtsvc::tests {
namespace {

using testing::TStandInService;
using testing::TTempFolder;

const char* kProfile = R"({
  "sensors": [{"name": "Fan", "value": "3100"}],
  "entries": [
    {"module": "smbios_sub", "item": "Memory Device", "reply": "16,17,,18"},
    {"module": "smbios", "item": "Memory Device", "request": {"HandleID": "16"},
     "reply": {"Size": 1024, "Locator": "DIMM 0"}},
    {"module": "smbios", "item": "Memory Device", "request": {"HandleID": 17},
     "reply": {"Size": 2048, "Locator": "DIMM, \"1\""}},
    {"module": "WMI", "item": "", "request": {"query": "Select DeviceID FROM Win32_CDROMDrive "}, "retries": 2,
     "reply": [{"DeviceID": "IDE\\CDROM&1"}, {"DeviceID": "USB\\CD", "Name": "USB CD"}]},
    {"module": "cpuid", "item": "CPUID_EXECUTE_COMMAND", "request": "EAX=0x00000001",
     "reply": {"EAX": "0x6F6", "EBX": "0x20800", "ECX": "0xE3BD", "EDX": "0xBFEBFBFF"}},
    {"module": "values", "reply": {"on": true, "off": false, "none": null, "ratio": 1.5, "list": ["a", "b c"]}},
    {"module": "wide numbers", "reply": {"ExtendedMaximumCapacity": 4398046511104, "Largest": 18446744073709551615, "Smallest": -9223372036854775808}},
    {"module": "any item", "reply": "first"},
    {"module": "slow", "delay_ms": 300, "reply": "late"},
    {"command": "GetField", "module": "Fan", "item": "Speed", "reply": 3100}
  ]})";

class ProfileAnswers : public ::testing::Test {
 protected:
  ProfileAnswers() : FService({"--profile", FDir.Write("profile.json", kProfile)}), FClient(FService.Port()) {}

  std::string Ask(const std::string& Module, const std::string& Item, const std::string& Params) {
    return FClient.Ask("GetInfo", FNextId++, GetInfoData(Module, Item, Params));
  }

  TTempFolder FDir;
  TStandInService FService;
  LineClient FClient;
  int FNextId = 0;
};

TEST_F(ProfileAnswers, EntriesMatchByModuleItemAndRequest) {
  struct Case {
    std::string Module, Item, Params, Payload;
  };
  const Case cases[] = {
      {"smbios_sub", "Memory Device", "", "16,17,,18"},
      {"smbios", "Memory Device", "HandleID=16", "Size=1024,\"Locator=DIMM 0\""},
      {"SMBIOS", "memory device", "handleid=16", "Size=1024,\"Locator=DIMM 0\""},
      {"smbios", "Memory Device", "nocache=true,HandleID=17", "Size=2048,\"Locator=DIMM, \"\"1\"\"\""},
      {"smbios", "Memory Device", "HandleID=18", ""},
      {"smbios", "Memory Device", "HandleID=016", ""},
      {"smbios", "Memory Device", "", ""},
      {"smbios", "BIOS", "HandleID=16", ""},
      {"cpuid", "CPUID_EXECUTE_COMMAND", "EAX=0x00000001", "EAX=0x6F6,EBX=0x20800,ECX=0xE3BD,EDX=0xBFEBFBFF"},
      {"cpuid", "CPUID_EXECUTE_COMMAND", "EAX=0x00000001,nocache=true", ""},
      {"values", "", "", "on=True,off=False,none=,ratio=1.5,\"list=a,\"\"b c\"\"\""},
      // Whole numbers stay exact up to 64 bits, as the extended SMBIOS fields need.
      {"wide numbers", "", "",
       "ExtendedMaximumCapacity=4398046511104,Largest=18446744073709551615,Smallest=-9223372036854775808"},
      {"any item", "whatever", "whatever=1", "first"},
      {"no such module", "", "", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Ask(c.Module, c.Item, c.Params), c.Payload) << c.Module << "/" << c.Item << "/" << c.Params;
}

TEST_F(ProfileAnswers, RetriesAnswerRetryFirstOnEveryConnection) {
  const std::string query = "\"query=Select DeviceID FROM Win32_CDROMDrive \",wmikey=DeviceID";
  const std::string instances = "DeviceID=IDE\\CDROM&1,\"DeviceID=USB\\CD,\"\"Name=USB CD\"\"\"";
  EXPECT_EQ(Ask("WMI", "", query), "Retry");
  LineClient other(FService.Port());
  EXPECT_EQ(other.Ask("GetInfo", 1, GetInfoData("WMI", "", query)), "Retry");
  EXPECT_EQ(Ask("WMI", "", query), instances);
  EXPECT_EQ(Ask("WMI", "", query), instances);
}

TEST_F(ProfileAnswers, GetFieldAndSensorsComeFromTheProfile) {
  EXPECT_EQ(FClient.Ask("GetField", 1, "\"Fan\",\"Speed\",0"), "3100");
  EXPECT_EQ(FClient.Ask("GetField", 2, "\"Fan\",\"Noise\",0"), "");
  EXPECT_EQ(FClient.Ask("AvaliableSensors", 3, ""), "Fan");
}

TEST_F(ProfileAnswers, ADelayedRequestIsAnsweredBeforeTheNextOneOnItsConnection) {
  // Request A waits for its entry's delay; B, sent meanwhile on the same
  // connection, is answered after A.
  auto started = std::chrono::steady_clock::now();
  FClient.Request("GetInfo", 1, GetInfoData("slow", "", ""));
  FClient.Request("GetInfo", 2, GetInfoData("smbios_sub", "Memory Device", ""));
  EXPECT_EQ(FClient.ReadLine(), "1,late");
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
  EXPECT_EQ(FClient.ReadLine(), "2,16,17,,18");
}

TEST(Profile, FaultsAreLoadErrors) {
  const char* cases[] = {
      "",
      "[]",
      R"({"entries": {}})",
      R"({"entry": []})",
      R"({"entries": [{"item": "x", "reply": ""}]})",
      R"({"entries": [{"module": "x"}]})",
      R"({"entries": [{"module": "x", "reply": "", "replies": 1}]})",
      R"({"entries": [{"module": 5, "reply": ""}]})",
      R"({"entries": [{"module": "x", "reply": "two\nlines"}]})",
      R"({"entries": [{"module": "x", "reply": ["a\r"]}]})",
      R"({"entries": [{"module": "x", "reply": "", "request": 5}]})",
      R"({"entries": [{"module": "x", "reply": "", "request": {"a": [1]}}]})",
      R"({"entries": [{"module": "x", "reply": "", "delay_ms": -1}]})",
      R"({"entries": [{"module": "x", "reply": "", "delay_ms": 600001}]})",
      R"({"entries": [{"module": "x", "reply": "", "retries": "2"}]})",
      R"({"sensors": [{"name": "a"}]})",
      R"({"sensors": [{"name": "a", "value": [1]}]})",
      R"({"sensors": [{"name": "a", "value": 1, "unit": "C"}]})",
  };
  for (const char* text : cases) EXPECT_THROW(MachineProfile::FromJsonText(text, "test"), std::runtime_error) << text;
}

TEST(Profile, BuiltInProfileLoads) {
  auto profile = MachineProfile::FromJsonText(DefaultProfileText(), "built in");
  EXPECT_FALSE(profile->Sensors().empty());
  auto model = profile->Answer("GetInfo", "smbios", "System", "HandleID=1");
  ASSERT_TRUE(model);
  EXPECT_NE(model->Payload.find("Model="), std::string::npos);

  // Network cards: one line per card, its description = the comma text of its fields.
  auto cards = profile->Answer("GetInfo", "module.netmonitor", "net.card.information", "nocache=true");
  ASSERT_TRUE(cards);
  plat::TStringList lines;
  lines.SetCommaText(cards->Payload);
  ASSERT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines.Names(0), "Ovra Gigabit Ethernet Controller");
  plat::TStringList fields;
  fields.SetCommaText(lines.ValueFromIndex(0));
  EXPECT_EQ(fields.Values("Card Type"), "Wire Lan ");
  EXPECT_EQ(fields.Values("Connected"), "Connected");
}

TEST(Profile, ShippedProfileFileIsTheBuiltInOne) {
  auto profile = MachineProfile::FromFile(testing::SourcePath("tools/mgmtsvc/profiles/default.json"));
  EXPECT_EQ(profile->Answer("GetInfo", "smbios_sub", "BIOS", "")->Payload, "0");
}

}  // namespace
}  // namespace zorbit::mgmtsvc::tests
