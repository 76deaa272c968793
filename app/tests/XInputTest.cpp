// The program as a user meets it on an X server: the real zorbit program on
// a private Xvfb through the SDL2 display, against the real stand-in service,
// driven by input the server makes itself (XTEST): a click on the main
// window's Security link opens the Security window, and keys typed on the
// server's keyboard reach its password fields and, as scan codes, the BIOS.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "AppTestSupport.h"
#include "XTestInput.h"
#include "platform/gdi/Bitmap.h"
#include "platform/os/ServiceControl.h"
#include "platform/win/tests/XvfbServer.h"
#include "testing/ChildProcess.h"
#include "testing/EnvironmentVariable.h"
#include "testing/FileContent.h"
#include "testing/ReferencePicture.h"
#include "testing/StandInService.h"
#include "testing/WaitUntil.h"

namespace {

using namespace apptest;
using plat::testing::XvfbServer;
using zorbit::testing::TChildProcess;
using zorbit::testing::TEnvironmentVariable;
using zorbit::testing::TStandInService;
using zorbit::testing::WaitUntil;
using TPlace = XTestInput::TWindowPlace;

struct TPoint {
  int X;
  int Y;
};

// The port the program connects to, and the service it would start when
// nothing answers there.
constexpr int kServicePort = 2804;
constexpr const char* kServiceName = "ZIRuzedav";

// The stand-in on the program's fixed port. That port is one for the whole
// machine, so copies of this test take turns through a lock file, and a port
// held by anyone else is waited for (bounded) rather than shared.
class TServiceOnProgramPort {
 public:
  explicit TServiceOnProgramPort(const std::string& StateFile) {
    FLock = ::open("/tmp/zorbit-service-port.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (FLock < 0 || ::flock(FLock, LOCK_EX) != 0) throw std::runtime_error("cannot lock the service port");
    const bool started = WaitUntil([&] {
      try {
        FService = std::make_unique<TStandInService>(kServicePort, std::vector<std::string>{"--state", StateFile});
      } catch (const std::runtime_error&) {
        return false;  // the port is still taken
      }
      return true;
    });
    if (!started) throw std::runtime_error("the service port stays taken");
  }
  ~TServiceOnProgramPort() {
    FService.reset();
    ::close(FLock);
  }
  TServiceOnProgramPort(const TServiceOnProgramPort&) = delete;
  TServiceOnProgramPort& operator=(const TServiceOnProgramPort&) = delete;

 private:
  int FLock = -1;
  std::unique_ptr<TStandInService> FService;
};

// Centres of what is clicked, in the client areas of their windows (a
// dialog's body panel lies 29 below the client area's top): the main
// window's Security link picture, placed at (158, 199); in the Security
// window the supervisor section's input link, its Confirm edit and its Apply
// button (placed at (64, 341)); the message box's OK.
constexpr TPoint kSecurityLink{158 + 80, 199 + 13};
constexpr TPoint kSupervisorInputLink{20 + 12 + 40, 29 + 100 + 80 + 9};
constexpr TPoint kSupervisorConfirm{20 + 80 + 75, 29 + 100 + 161 + 10};
constexpr TPoint kSupervisorApply{64 + 37, 341 + 12};
constexpr TPoint kMessageOk{281 + 52, 29 + 169 + 12};

class XInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbServer::Available()) GTEST_SKIP() << "Xvfb is not installed: the program cannot be shown on an X server";
    FServer = std::make_unique<XvfbServer>();
    FInput = std::make_unique<XTestInput>(FServer->DisplayName());
    FDisplay.emplace("DISPLAY", FServer->DisplayName());
  }

  // The shown window of that size, once it is there; it is pictured into
  // the build folder either way, so that a failure can be looked at.
  TPlace WaitForWindow(int Width, int Height, const std::string& Picture) {
    std::optional<TPlace> found;
    WaitUntil([&] {
      for (const TPlace& place : FInput->ShownWindows())
        if (place.Width == Width && place.Height == Height) found = place;
      return found.has_value();
    });
    KeepScreen(Picture);
    if (!found) {
      std::string shown;
      for (const TPlace& place : FInput->ShownWindows())
        shown += " \"" + place.Title + "\" " + std::to_string(place.Width) + " x " + std::to_string(place.Height);
      throw std::runtime_error("no window of " + std::to_string(Width) + " x " + std::to_string(Height) +
                               "; shown:" + shown);
    }
    return *found;
  }

  void KeepScreen(const std::string& Name) const {
    constexpr int kWidth = 1024, kHeight = 768;
    const std::vector<std::uint32_t> pixels = FServer->Grab(0, 0, kWidth, kHeight);
    plat::Bitmap picture(kWidth, kHeight);
    for (int y = 0; y < kHeight && !pixels.empty(); ++y)
      for (int x = 0; x < kWidth; ++x) picture.Put(x, y, 0xFF000000u | pixels[static_cast<std::size_t>(y * kWidth + x)]);
    zorbit::testing::KeepForInspection(picture, "app/xinput-" + Name + ".png");
  }

  // A click as a user makes it: onto a point of the window's client area
  // (as the skinned frame lays it out), once the window holds still there.
  void Click(const TPlace& Window, TPoint Client) const {
    const int x = Window.Left + kClientLeft + Client.X, y = Window.Top + kClientTop + Client.Y;
    FInput->MovePointer(x, y);
    WaitSettled(Window);
    FInput->Click(x, y);
  }
  void Type(const std::vector<std::string>& Keys) const {
    for (const std::string& key : Keys) FInput->Type(key);
  }

  // Until the window's picture on the screen holds still for a few looks in
  // a row: the program has shown it and waits for input. A window shown a
  // moment ago may not take a click yet.
  void WaitSettled(const TPlace& Window) const {
    std::vector<std::uint32_t> last;
    int same = 0;
    WaitUntil([&] {
      std::vector<std::uint32_t> now = FServer->Grab(Window.Left, Window.Top, Window.Width, Window.Height);
      same = !now.empty() && now == last ? same + 1 : 0;
      last.swap(now);
      return same >= 3;
    });
  }

  bool WindowShown(int Width, int Height) const {
    for (const TPlace& place : FInput->ShownWindows())
      if (place.Width == Width && place.Height == Height) return true;
    return false;
  }

  // Where the skinned frame puts its client area.
  static constexpr int kClientLeft = 3;
  static constexpr int kClientTop = 3;
  static constexpr int kMainWidth = 646;
  static constexpr int kMainHeight = 513;
  static constexpr int kDialogWidth = 588;
  static constexpr int kDialogHeight = 462;
  static constexpr int kMessageWidth = 406;
  static constexpr int kMessageHeight = 233;

  const TSandboxFolder FFolder;
  std::unique_ptr<XvfbServer> FServer;
  std::unique_ptr<XTestInput> FInput;
  std::optional<TEnvironmentVariable> FDisplay;
  const TEnvironmentVariable FBackend{"ZORBIT_DISPLAY", "sdl"};
  const TEnvironmentVariable FVideoDriver{"SDL_VIDEODRIVER", "x11"};
  // SDL asks the session bus for an input method; a private server has none.
  const TEnvironmentVariable FNoSessionBus{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbit-test-bus"};
};

TEST_F(XInputTest, SecurityLinkAndPasswordKeysThroughTheXServer) {
  const std::string state = FFolder.Path() + "bios.json";
  zorbit::testing::WriteFileContent(state, "{}\n");
  const TServiceOnProgramPort service(state);
  // Registered as the machine's management service, so that the program
  // finds it stopped and connects to the port rather than waiting for it.
  ASSERT_TRUE(plat::RegisterService(kServiceName, TStandInService::ExecutablePath() + " --state " + state));

  TChildProcess program({ProgramDir() + "zorbit"});
  const TPlace main = WaitForWindow(kMainWidth, kMainHeight, "main");
  Click(main, kSecurityLink);
  const TPlace security = WaitForWindow(kDialogWidth, kDialogHeight, "security");

  // The supervisor section's input link opens the entry with the focus in
  // New; Confirm is clicked into; then Apply.
  Click(security, kSupervisorInputLink);
  Type({"a", "b", "1"});
  Click(security, kSupervisorConfirm);
  Type({"a", "b", "1"});
  Click(security, kSupervisorApply);

  // The BIOS took the keys as scan codes (A 1E, B 30, 1 02); the window
  // tells so in its message box.
  const auto stored = [&] {
    const nlohmann::json bios = nlohmann::json::parse(zorbit::testing::ReadFileContent(state), nullptr, false);
    return bios.is_object() && bios.contains("supervisor_password") ? bios["supervisor_password"].get<std::string>()
                                                                     : std::string();
  };
  EXPECT_TRUE(WaitUntil([&] { return stored() == "1E,30,02"; })) << stored();
  const TPlace message = WaitForWindow(kMessageWidth, kMessageHeight, "message");
  Click(message, kMessageOk);
  EXPECT_TRUE(WaitUntil([&] { return !WindowShown(kMessageWidth, kMessageHeight); }));
  EXPECT_TRUE(WindowShown(kDialogWidth, kDialogHeight));
}

}  // namespace
