// The real program started for a desktop that is not there (its X server
// gone before the program reached it): it says so and ends, rather than
// running on where nobody sees its windows.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "AppTestSupport.h"
#include "platform/win/tests/XvfbServer.h"
#include "testing/EnvironmentVariable.h"
#include "testing/RunProgram.h"

namespace {

using namespace apptest;
using zorbit::testing::TEnvironmentVariable;

TEST(NoDesktop, TheProgramSaysItCannotOpenTheDisplayAndEnds) {
  const TSandboxFolder folder;
  const std::string gone = plat::testing::XvfbServer::UnusedDisplayName();
  const TEnvironmentVariable display("DISPLAY", gone);
  const TEnvironmentVariable noWayland("WAYLAND_DISPLAY", std::nullopt);
  const TEnvironmentVariable videoDriver("SDL_VIDEODRIVER", "x11");
  const TEnvironmentVariable noSessionBus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbit-test-bus");
  // Asked for by name, or chosen because DISPLAY names a desktop.
  for (const std::optional<std::string>& asked : {std::optional<std::string>("sdl"), std::optional<std::string>()}) {
    SCOPED_TRACE(asked.value_or("(unset)"));
    const TEnvironmentVariable backend("ZORBIT_DISPLAY", asked);
    const zorbit::testing::TProgramResult result = zorbit::testing::RunProgram({ProgramDir() + "zorbit"});
    EXPECT_EQ(result.ExitCode, 1) << result.Output;
    EXPECT_EQ(result.Output.rfind("zorbit: Cannot open the display \"" + gone + "\": ", 0), 0u) << result.Output;
    EXPECT_TRUE(result.Output.ends_with("\n")) << result.Output;
  }
}

}  // namespace
