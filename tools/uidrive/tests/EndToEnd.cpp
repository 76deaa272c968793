#include "EndToEnd.h"

#include <filesystem>
#include <sstream>

#include "platform/os/LoopbackPorts.h"
#include "platform/os/ServiceControl.h"
#include "service/tcpClient.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"
#include "testing/ReferencePicture.h"

namespace e2e {

void EndToEndTest::StartService(const std::string& State, std::vector<std::string> Switches) {
  zorbit::testing::WriteFileContent(StateFile(), State);
  Switches.insert(Switches.begin(), {"--state", StateFile()});
  FService = std::make_unique<zorbit::testing::TStandInService>(Switches);
  // Registered, an administrator's start finds it settled (not running by
  // the table: the test started it) and connects at once.
  ASSERT_TRUE(plat::RegisterService(zorbit::ServiceName, zorbit::testing::TStandInService::ExecutablePath()));
  plat::SetLoopbackPortMapping(zorbit::ServicePort, FService->Port());
}

nlohmann::json EndToEndTest::BiosState() const {
  return nlohmann::json::parse(zorbit::testing::ReadFileContent(StateFile()));
}

std::string EndToEndTest::CopyOfProgram() const {
  namespace fs = std::filesystem;
  const fs::path original = fs::path(UIDRIVE_PATH).parent_path();
  const fs::path copy = FFolder.File("program");
  fs::create_directories(copy);
  fs::copy_file(UIDRIVE_PATH, copy / "uidrive");
  fs::copy(original / "Resources", copy / "Resources", fs::copy_options::recursive);
  fs::copy_file(original / "pfqtheme.ini", copy / "pfqtheme.ini");
  return (copy / "uidrive").string();
}

std::string EndToEndTest::WriteScriptFile(const std::string& Script) {
  return FFolder.Write("script" + std::to_string(++FScripts) + ".txt", Script);
}

zorbit::testing::TProgramResult EndToEndTest::Drive(const std::string& Script,
                                                    const std::vector<std::string>& Arguments,
                                                    const std::string& Program) {
  std::vector<std::string> argv{Program, WriteScriptFile(Script)};
  argv.insert(argv.end(), Arguments.begin(), Arguments.end());
  return zorbit::testing::RunProgram(argv);
}

std::unique_ptr<zorbit::testing::TChildProcess> EndToEndTest::StartDrive(const std::string& Script,
                                                                         const std::vector<std::string>& Arguments) {
  std::vector<std::string> argv{UIDRIVE_PATH, WriteScriptFile(Script)};
  argv.insert(argv.end(), Arguments.begin(), Arguments.end());
  return std::make_unique<zorbit::testing::TChildProcess>(argv,
                                                          zorbit::testing::TChildProcess::TErrorOutput::IntoOutput);
}

void EndToEndTest::ExpectLooksLike(const std::string& Shot, const std::string& Reference) {
  const std::unique_ptr<plat::Bitmap> picture = zorbit::testing::ReadPngPicture(Shot);
  ASSERT_TRUE(picture) << "no picture in " << Shot;
  const std::string kept = zorbit::testing::KeepForInspection(*picture, "tools/uidrive/" + Reference + ".png");
  const zorbit::testing::TPictureMatch match = zorbit::testing::MatchReference(
      *picture, zorbit::testing::SourcePath("app/tests/data/" + Reference + ".png"), 24);
  EXPECT_TRUE(match.Loaded && match.Differing * 1000 <= picture->Width() * picture->Height())
      << Reference << " does not match its reference (" << match.Differing << " pixels differ); see " << kept;
}

std::vector<std::string> EndToEndTest::Values(const std::string& Output, const std::string& What) {
  std::vector<std::string> values;
  std::istringstream lines(Output);
  const std::string prefix = What + ": ";
  for (std::string line; std::getline(lines, line);)
    if (line.rfind(prefix, 0) == 0) values.push_back(line.substr(prefix.size()));
  return values;
}

}  // namespace e2e
