#include "StandInWindowTest.h"

#include <filesystem>

#include "app/StringTable.h"
#include "platform/ui/TApplication.h"
#include "service/ServiceUnits.h"
#include "service/tcpClient.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"

namespace apptest {

void StandInWindowTest::SetUp() {
  WindowTest::SetUp();
  zorbit::InitializeServiceUnits();
  plat::Application->SetTitle("Ovra Zorbit");
  zorbit::InitializeStringTable();
  for (const char* file : {"strtab_Messages.ini", "strtab_Windows.ini"})
    zorbit::StringTable()->LoadFromIni(zorbit::testing::SourcePath("app/lang/English/") + file);
}

void StandInWindowTest::TearDown() {
  zorbit::ServLink().reset();
  FService.reset();
  zorbit::FinalizeServiceUnits();
  zorbit::FinalizeStringTable();
  WindowTest::TearDown();
}

void StandInWindowTest::StartService(const std::string& State, std::vector<std::string> Switches) {
  zorbit::testing::WriteFileContent(StateFile(), State);
  Switches.insert(Switches.begin(), {"--state", StateFile()});
  FService = std::make_unique<zorbit::testing::TStandInService>(Switches);
  zorbit::ServLink() = std::make_shared<zorbit::TtcpServOpr>(zorbit::ServiceHost, true, FService->Port());
}

void StandInWindowTest::RestartService() {
  zorbit::ServLink().reset();
  FService->Restart();
  zorbit::ServLink() = std::make_shared<zorbit::TtcpServOpr>(zorbit::ServiceHost, true, FService->Port());
}

nlohmann::json StandInWindowTest::BiosState() const {
  return nlohmann::json::parse(zorbit::testing::ReadFileContent(StateFile()));
}

void StandInWindowTest::BlockStateWrites() {
  std::filesystem::remove(StateFile());
  std::filesystem::create_directory(StateFile());
}

}  // namespace apptest
