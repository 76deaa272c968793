#pragma once
// The fixture of the end-to-end tests: a private machine for each test (its
// own platform root and temporary folder, the headless display), the real
// stand-in service on a state file of the test's own, registered under the
// management service's name and reached through the machine's loopback port
// table, so that the program connects to "its" fixed port as in production;
// the program itself run under a uidrive script as a real process.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "testing/ChildProcess.h"
#include "testing/EnvironmentVariable.h"
#include "testing/RunProgram.h"
#include "testing/StandInService.h"
#include "testing/TempFolder.h"

namespace e2e {

class EndToEndTest : public ::testing::Test {
 protected:
  // Writes State as the state file and starts the stand-in on it with the
  // switches given.
  void StartService(const std::string& State = "{}\n", std::vector<std::string> Switches = {});
  std::string StateFile() const { return FFolder.File("bios.json"); }
  nlohmann::json BiosState() const;

  // A copy of the program's folder (uidrive, the language packs and the
  // theme settings file) of the test's own, for what the program writes
  // beside itself; answers the copy of uidrive.
  std::string CopyOfProgram() const;

  // Runs the script to the program's end under uidrive (or a copy of it).
  zorbit::testing::TProgramResult Drive(const std::string& Script, const std::vector<std::string>& Arguments = {},
                                        const std::string& Program = UIDRIVE_PATH);
  // Starts it and leaves it running, for tests that meet it from outside.
  std::unique_ptr<zorbit::testing::TChildProcess> StartDrive(const std::string& Script,
                                                             const std::vector<std::string>& Arguments = {});

  // Expects the PNG that a script saved to match the reference picture
  // app/tests/data/Reference.png of the in-process window tests (a few
  // pixels may differ where anti-aliased text rounds otherwise), and keeps
  // it in tools/uidrive/ of the build folder for a person to look at.
  static void ExpectLooksLike(const std::string& Shot, const std::string& Reference);

  // The values of the output lines "What: value", in order.
  static std::vector<std::string> Values(const std::string& Output, const std::string& What);

  // Writes the script into the test's folder; answers its path.
  std::string WriteScriptFile(const std::string& Script);

  const zorbit::testing::TTempFolder& Folder() const { return FFolder; }
  std::string Root() const { return FFolder.File("root"); }

 private:
  zorbit::testing::TTempFolder FFolder{"zorbit-e2e"};
  zorbit::testing::TEnvironmentVariable FRoot{"ZORBIT_ROOT", FFolder.File("root")};
  zorbit::testing::TEnvironmentVariable FTemp{"TMPDIR", FFolder.Path()};
  zorbit::testing::TEnvironmentVariable FDisplay{"ZORBIT_DISPLAY", "headless"};
  std::unique_ptr<zorbit::testing::TStandInService> FService;
  int FScripts = 0;
};

}  // namespace e2e
