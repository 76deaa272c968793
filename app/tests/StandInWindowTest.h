#pragma once
// The fixture of window tests that talk to the BIOS: the window fixture with
// the service units up, the English string table loaded, and the real
// stand-in service on a state file in a private folder, its state read back
// as JSON. A test deletes its windows before the fixture's TearDown.
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "WindowTestSupport.h"
#include "testing/StandInService.h"
#include "testing/TempFolder.h"

namespace apptest {

class StandInWindowTest : public WindowTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes State as the state file and starts the stand-in on it with the
  // switches given, the service link connected to it.
  void StartService(const std::string& State, std::vector<std::string> Switches = {});
  void RestartService();
  // The stand-in started last, to pause and resume it.
  zorbit::testing::TStandInService& Service() const { return *FService; }
  std::string StateFile() const { return FFolder.File("bios.json"); }
  // The stand-in's state file as it stands.
  nlohmann::json BiosState() const;
  // From now on the stand-in cannot save its state, so every write it is
  // asked for fails (the state file's place is taken by a folder).
  void BlockStateWrites();

 private:
  zorbit::testing::TTempFolder FFolder{"zorbit-bios-window"};
  std::unique_ptr<zorbit::testing::TStandInService> FService;
};

}  // namespace apptest
