// Choosing and replacing the display backend.
#include <cstdlib>
#include <cstring>

#include "platform/gdi/DisplayMode.h"
#include "platform/win/Display.h"
#include "platform/win/detail/WakeSources.h"
#include "platform/win/detail/WindowManager.h"

namespace plat {
namespace {

std::unique_ptr<Display>& Installed() {
  // A display removes its wake sources when it goes, so their list must
  // outlive it: statics end in the reverse order of their construction.
  [[maybe_unused]] static const bool wakeSourcesFirst = (HasWakeSources(), true);
  static std::unique_ptr<Display> display;
  return display;
}

bool EnvironmentSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// A desktop asked for that cannot be opened is not replaced by the headless
// display: the program would go on where nobody sees it.
std::unique_ptr<Display> ChooseDisplay() {
  const char* asked = std::getenv("ZORBIT_DISPLAY");
  const bool wantSdl =
      asked && *asked ? std::strcmp(asked, "sdl") == 0 : EnvironmentSet("DISPLAY") || EnvironmentSet("WAYLAND_DISPLAY");
  return wantSdl ? CreateSdlDisplay() : CreateHeadlessDisplay();
}

// DCs on the display report its mode through GetDeviceCaps.
void Install(std::unique_ptr<Display> display) {
  Installed() = std::move(display);
  const TSize screen = Installed()->ScreenSize();
  SetDisplayMode({screen.cx, screen.cy, Installed()->RefreshRate(), 32});
}

}  // namespace

Display& CurrentDisplay() {
  if (!Installed()) Install(ChooseDisplay());
  return *Installed();
}

void SetDisplay(std::unique_ptr<Display> display) {
  Install(display ? std::move(display) : ChooseDisplay());
  WindowManager::Instance().IntroduceAll();
}

}  // namespace plat
