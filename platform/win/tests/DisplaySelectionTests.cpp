// The display the environment chooses: a desktop asked for (by
// ZORBIT_DISPLAY=sdl or by naming one in DISPLAY) that cannot be opened is
// an error, never the headless display in its place, which would hide every
// window of the program.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/rtl/Exception.h"
#include "platform/win/Display.h"
#include "platform/win/tests/XvfbServer.h"
#include "testing/EnvironmentVariable.h"

namespace plat {
namespace {

using zorbit::testing::TEnvironmentVariable;

TEST(DisplaySelection, ADesktopThatCannotBeOpenedIsAnErrorAndTheDisplayInForceStays) {
  const std::string gone = testing::XvfbServer::UnusedDisplayName();
  struct TCase {
    std::optional<std::string> Asked;  // ZORBIT_DISPLAY
    std::optional<std::string> Named;  // DISPLAY
    bool Error;
  };
  // clang-format off
  const TCase cases[] = {
    {"sdl",        gone,         true},
    {std::nullopt, gone,         true},
    {"sdl",        std::nullopt, true},
    {"headless",   gone,         false},
    {std::nullopt, std::nullopt, false},
  };
  // clang-format on
  const TEnvironmentVariable noWayland("WAYLAND_DISPLAY", std::nullopt);
  const TEnvironmentVariable videoDriver("SDL_VIDEODRIVER", "x11");
  // A bus that cannot be there keeps libdbus, which SDL asks, from trying to
  // launch one (and from the allocation it loses when that fails).
  const TEnvironmentVariable noSessionBus("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbit-test-bus");
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Asked.value_or("(unset)") + " on " + c.Named.value_or("(unset)"));
    SetDisplay(CreateHeadlessDisplay());
    const Display* before = &CurrentDisplay();
    const TEnvironmentVariable asked("ZORBIT_DISPLAY", c.Asked);
    const TEnvironmentVariable named("DISPLAY", c.Named);
    if (c.Error) {
      try {
        SetDisplay(nullptr);
        ADD_FAILURE() << "chose the " << CurrentDisplay().Name() << " display";
      } catch (const Exception& e) {
        const std::string expected =
            "Cannot open the display" + (c.Named ? " \"" + *c.Named + "\"" : std::string()) + ": ";
        EXPECT_EQ(e.Message().rfind(expected, 0), 0u) << e.Message();
      }
      EXPECT_EQ(&CurrentDisplay(), before);
    } else {
      SetDisplay(nullptr);
      EXPECT_STREQ(CurrentDisplay().Name(), "headless");
    }
  }
  SetDisplay(CreateHeadlessDisplay());
}

}  // namespace
}  // namespace plat
