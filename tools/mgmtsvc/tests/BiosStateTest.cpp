#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "testing/StandInService.h"
#include "testing/TempFolder.h"
#include "tools/mgmtsvc/BiosState.h"
#include "tools/mgmtsvc/BiosStateFile.h"

namespace zorbit::mgmtsvc {
namespace {

using testing::TTempFolder;
using Json = nlohmann::ordered_json;

BiosState SampleState() {
  BiosState state;
  state.BootOrder = {"02", "01", "FF", "07"};
  state.FastBoot = true;
  state.SupervisorPassword = {0x1E, 0x30};
  state.UserPassword = {0x2E};
  state.AssetTag = "Desk \"7\", room 4";
  state.Serial.Enabled = false;
  state.Parallel = PortState{false, false, 0x278, 5, 0};
  return state;
}

TEST(BiosState, SurvivesTheJsonRoundTrip) {
  EXPECT_EQ(BiosStateFromJson(BiosStateToJson(SampleState())), SampleState());
  EXPECT_EQ(BiosStateFromJson(Json::object()), BiosState{}) << "missing keys keep their defaults";
}

TEST(BiosState, RejectsImpossibleValues) {
  const char* cases[] = {
      R"([])",
      R"({"boot_order": []})",
      R"({"boot_order": ["01", "02"]})",
      R"({"boot_order": ["01", "1", "FF"]})",
      R"({"boot_order": ["0G", "FF"]})",
      R"({"boot_order": "01,FF"})",
      R"({"fast_boot": 1})",
      R"({"supervisor_password": "1E,3"})",
      R"({"supervisor_password": "01,02,03,04,05,06,07,08,09"})",
      R"({"user_password": "1E"})",
      R"({"asset_tag": 5})",
      R"({"serial": {"address": 65536}})",
      R"({"serial": {"low": -1}})",
      R"({"infrared": true})",
      R"({"display": {}})",
  };
  for (const char* text : cases) EXPECT_THROW(BiosStateFromJson(Json::parse(text)), std::runtime_error) << text;
}

TEST(BiosState, HexByteTextTable) {
  struct Case {
    std::string Text;
    bool Valid;
    std::vector<std::uint8_t> Bytes;
  };
  const Case cases[] = {
      {"", true, {}},     {"1E", true, {0x1E}},  {"1e,30,FF", true, {0x1E, 0x30, 0xFF}},
      {"1E,", false, {}}, {",1E", false, {}},    {"1E,,30", false, {}},
      {"1", false, {}},   {"123", false, {}},    {"1G", false, {}},
      {" 1E", false, {}}, {"1E ,30", false, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(ParseHexByteText(c.Text, bytes), c.Valid) << c.Text;
    if (c.Valid) {
      EXPECT_EQ(bytes, c.Bytes) << c.Text;
    }
  }
  EXPECT_EQ(HexByteText({0x1E, 0x0A, 0xFF}), "1E,0A,FF");
}

TEST(BiosState, Utf8Check) {
  EXPECT_TRUE(IsValidUtf8("Asset \xC3\xBF tag \xE2\x82\xAC \xF0\x9F\x98\x80"));
  for (std::string bad : {"\xFF", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "a\x80"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad.size();
}

TEST(BiosStateFile, MissingFileIsCreatedWithDefaults) {
  TTempFolder dir;
  BiosStateFile file(dir.File("state.json"));
  std::ostringstream log;
  EXPECT_EQ(file.Load(log), BiosState{});
  EXPECT_TRUE(log.str().empty());
  EXPECT_EQ(BiosStateFromJson(Json::parse(dir.Read("state.json"))), BiosState{});
}

TEST(BiosStateFile, SavedStateLoadsBack) {
  TTempFolder dir;
  BiosStateFile file(dir.File("state.json"));
  file.Save(SampleState());
  std::ostringstream log;
  EXPECT_EQ(file.Load(log), SampleState());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.File("")), {}), 1) << "no temporary file is left";
}

TEST(BiosStateFile, CorruptFileIsKeptAsideAndReported) {
  for (std::string text : {"{\"fast_boot\": tru", "", "{\"boot_order\": [\"01\"]}", "\xFF\xFE{}"}) {
    TTempFolder dir;
    dir.Write("state.json", text);
    BiosStateFile file(dir.File("state.json"));
    std::ostringstream log;
    EXPECT_EQ(file.Load(log), BiosState{});
    EXPECT_NE(log.str().find("state.json.corrupt"), std::string::npos) << log.str();
    EXPECT_EQ(dir.Read("state.json.corrupt"), text) << "the unreadable file is kept as it was";
    EXPECT_EQ(BiosStateFromJson(Json::parse(dir.Read("state.json"))), BiosState{});
  }
}

TEST(BiosStateFile, FolderInsteadOfFileIsAnError) {
  TTempFolder dir;
  std::filesystem::create_directory(dir.File("state.json"));
  std::ostringstream log;
  EXPECT_THROW(BiosStateFile(dir.File("state.json")).Load(log), std::runtime_error);
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("state.json")));
}

TEST(BiosStateFile, EmptyPathKeepsTheStateInMemory) {
  BiosStateFile file("");
  std::ostringstream log;
  EXPECT_EQ(file.Load(log), BiosState{});
  EXPECT_NO_THROW(file.Save(SampleState()));
}

TEST(BiosStateFile, TemporaryFilesLeftByKilledSavesAreRemovedAtStart) {
  TTempFolder dir;
  BiosStateFile(dir.File("state.json")).Save(SampleState());
  // 999999999 is above any process number; 0 is none.
  const std::vector<std::string> leftovers = {"state.json.tmp.999999999", "state.json.tmp.0"};
  const std::vector<std::string> others = {
      "state.json.tmp." + std::to_string(getpid()),  // a save of a process that still runs
      "state.json.tmp.",
      "state.json.tmp.12x",
      "state.json.tmp.-5",
      "state.json.tmp.1234567890",
      "state.json.tmp.999999999.bak",
      "state.json.corrupt",
      "other.json.tmp.999999999",
      "xstate.json.tmp.999999999",
  };
  for (const std::string& name : leftovers) dir.Write(name, "{}");
  for (const std::string& name : others) dir.Write(name, "{}");

  testing::TStandInService service({"--state", dir.File("state.json")});
  for (const std::string& name : leftovers) EXPECT_FALSE(std::filesystem::exists(dir.File(name))) << name;
  for (const std::string& name : others) EXPECT_EQ(dir.Read(name), "{}") << name;
  EXPECT_EQ(BiosStateFromJson(Json::parse(dir.Read("state.json"))), SampleState());
}

TEST(BiosStateFile, UnwritableFolderFailsTheSave) {
  BiosStateFile file("/nonexistent-folder-of-mgmtsvc/state.json");
  EXPECT_THROW(file.Save(BiosState{}), std::runtime_error);
}

}  // namespace
}  // namespace zorbit::mgmtsvc
