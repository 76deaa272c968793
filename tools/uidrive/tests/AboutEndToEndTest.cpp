// The About window end to end: opened by the main window's About button, it
// shows the version the registry holds, else the program file's own.
#include <optional>
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "platform/os/Registry.h"

namespace e2e {
namespace {

class AboutEndToEndTest : public EndToEndTest {};

TEST_F(AboutEndToEndTest, ShowsTheRegistryVersionElseTheProgramFilesVersion) {
  StartService();
  const struct {
    std::optional<std::string> Stored;
    const char* Shown;
  } cases[] = {{"3.1.0.15", "Version 3.1.0.15"}, {"", "Version 1.0.0.0"}, {std::nullopt, "Version 1.0.0.0"}};
  const std::string shot = Folder().File("about.png");
  for (const auto& c : cases) {
    {
      plat::TRegistry registry;
      registry.SetRootKey(plat::HKEY_LOCAL_MACHINE);
      ASSERT_TRUE(registry.OpenKey("\\Software\\Ovra\\Zorbit", true));
      if (c.Stored)
        registry.WriteString("Version", *c.Stored);
      else
        registry.DeleteValue("Version");
    }
    const zorbit::testing::TProgramResult run = Drive(
        "wait TfmZorbitMain\n"
        "click btnAbout\n"
        "wait TfmAbout\n"
        "text lblVersion\n"
        "text lblProductName\n"
        "text btnOK\n"
        "screenshot " +
        shot +
        "\n"
        "click btnOK\n"
        "gone TfmAbout\n"
        "quit\n");
    ASSERT_EQ(run.ExitCode, 0) << run.Output;
    EXPECT_EQ(Values(run.Output, "text"), (std::vector<std::string>{c.Shown, "Ovra Zorbit Management", "OK"}))
        << c.Shown;
    if (c.Stored && !c.Stored->empty()) ExpectLooksLike(shot, "about-e2e");
  }
}

}  // namespace
}  // namespace e2e
