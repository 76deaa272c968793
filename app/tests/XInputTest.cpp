// The program as a user meets it on an X server: the real zorbit program on
// a private Xvfb through the SDL2 display, against the real stand-in service,
// driven by input the server makes itself (XTEST): a click on the main
// window's Security link opens the Security window, and keys typed on the
// server's keyboard reach its password fields and, as scan codes, the BIOS,
// also once a message box has come and gone; a pointer that left the
// program's window leaves it idle and taking clicks.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "AppTestSupport.h"
#include "XTestInput.h"
#include "platform/gdi/Bitmap.h"
#include "platform/os/LoopbackPorts.h"
#include "platform/os/ServiceControl.h"
#include "platform/win/tests/XvfbServer.h"
#include "service/tcpClient.h"
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

// Centres of what is clicked, in the client areas of their windows (a
// dialog's body panel lies 29 below the client area's top): the main
// window's Security and Boot Options link pictures, placed at (158, 199) and
// (158, 349); in the Security window the supervisor section's input link,
// its Old, New and Confirm edits and its Apply button (placed at (64, 341));
// the message box's OK.
constexpr TPoint kSecurityLink{158 + 80, 199 + 13};
constexpr TPoint kBootOptionsLink{158 + 80, 349 + 13};
constexpr TPoint kSupervisorInputLink{20 + 12 + 40, 29 + 100 + 80 + 9};
constexpr TPoint kSupervisorOld{20 + 80 + 75, 29 + 100 + 101 + 10};
constexpr TPoint kSupervisorNew{20 + 80 + 75, 29 + 100 + 131 + 10};
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

  // The stand-in service with its BIOS state in a file, registered as the
  // machine's management service, so that the program finds it settled
  // rather than waiting for it to start; its fixed port leads to the
  // stand-in through the machine's loopback port table.
  void ServeBios(const std::string& InitialState) {
    FState = FFolder.Path() + "bios.json";
    zorbit::testing::WriteFileContent(FState, InitialState);
    FService.emplace(std::vector<std::string>{"--state", FState});
    ASSERT_TRUE(plat::RegisterService(zorbit::ServiceName, TStandInService::ExecutablePath()));
    plat::SetLoopbackPortMapping(zorbit::ServicePort, FService->Port());
  }
  std::string StoredSupervisorPassword() const {
    const nlohmann::json bios = nlohmann::json::parse(zorbit::testing::ReadFileContent(FState), nullptr, false);
    return bios.is_object() && bios.contains("supervisor_password") ? bios["supervisor_password"].get<std::string>()
                                                                    : std::string();
  }

  // With a password set, the supervisor section's input link opens Old, New
  // and Confirm; each is clicked into and typed into, then Apply.
  void ChangeSupervisorPassword(const TPlace& Security, const std::vector<std::string>& Old,
                                const std::vector<std::string>& New) const {
    Click(Security, kSupervisorInputLink);
    Click(Security, kSupervisorOld);
    Type(Old);
    Click(Security, kSupervisorNew);
    Type(New);
    Click(Security, kSupervisorConfirm);
    Type(New);
    Click(Security, kSupervisorApply);
  }

  // The processor time (user and system) a process used during Interval.
  static double CpuSecondsOver(int Pid, std::chrono::milliseconds Interval) {
    const long before = CpuTicks(Pid);
    std::this_thread::sleep_for(Interval);
    return static_cast<double>(CpuTicks(Pid) - before) / static_cast<double>(sysconf(_SC_CLK_TCK));
  }
  // utime and stime, the 14th and 15th fields of /proc/PID/stat; the second
  // field (the command) may hold blanks, so counting starts after it.
  static long CpuTicks(int Pid) {
    std::ifstream stat("/proc/" + std::to_string(Pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t commandEnd = line.rfind(')');
    if (commandEnd == std::string::npos)
      throw std::runtime_error("no processor times for process " + std::to_string(Pid));
    std::istringstream fields(line.substr(commandEnd + 1));
    std::string field;
    long utime = 0, stime = 0;
    for (int index = 3; index <= 15 && fields >> field; ++index) {
      if (index == 14) utime = std::stol(field);
      if (index == 15) stime = std::stol(field);
    }
    return utime + stime;
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
  std::string FState;
  std::optional<TStandInService> FService;
  std::unique_ptr<XvfbServer> FServer;
  std::unique_ptr<XTestInput> FInput;
  std::optional<TEnvironmentVariable> FDisplay;
  const TEnvironmentVariable FBackend{"ZORBIT_DISPLAY", "sdl"};
  const TEnvironmentVariable FVideoDriver{"SDL_VIDEODRIVER", "x11"};
  // SDL asks the session bus for an input method; a private server has none.
  const TEnvironmentVariable FNoSessionBus{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbit-test-bus"};
};

TEST_F(XInputTest, SecurityLinkAndPasswordKeysThroughTheXServer) {
  ServeBios("{}\n");
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
  EXPECT_TRUE(WaitUntil([&] { return StoredSupervisorPassword() == "1E,30,02"; })) << StoredSupervisorPassword();
  const TPlace message = WaitForWindow(kMessageWidth, kMessageHeight, "message");
  Click(message, kMessageOk);
  EXPECT_TRUE(WaitUntil([&] { return !WindowShown(kMessageWidth, kMessageHeight); }));
  EXPECT_TRUE(WindowShown(kDialogWidth, kDialogHeight));
  program.Stop();
}

TEST_F(XInputTest, KeysReachTheSecurityWindowAfterItsMessageBoxClosed) {
  ServeBios(R"({"supervisor_password": "1E,30,02"})"
            "\n");
  TChildProcess program({ProgramDir() + "zorbit"});
  const TPlace main = WaitForWindow(kMainWidth, kMainHeight, "main");
  Click(main, kSecurityLink);
  const TPlace security = WaitForWindow(kDialogWidth, kDialogHeight, "security");

  // A change of the password (C 2E, D 20, 2 03) ends in a message box.
  ChangeSupervisorPassword(security, {"a", "b", "1"}, {"c", "d", "2"});
  EXPECT_TRUE(WaitUntil([&] { return StoredSupervisorPassword() == "2E,20,03"; })) << StoredSupervisorPassword();
  const TPlace message = WaitForWindow(kMessageWidth, kMessageHeight, "changed");
  Click(message, kMessageOk);
  ASSERT_TRUE(WaitUntil([&] { return !WindowShown(kMessageWidth, kMessageHeight); }));

  // The Security window has the keyboard again: the next change (E 12, F 21,
  // 3 04) reaches the BIOS too.
  ChangeSupervisorPassword(security, {"c", "d", "2"}, {"e", "f", "3"});
  EXPECT_TRUE(WaitUntil([&] { return StoredSupervisorPassword() == "12,21,04"; })) << StoredSupervisorPassword();
  KeepScreen("changed-again");
  program.Stop();
}

TEST_F(XInputTest, AfterThePointerLeftTheProgramIdlesAndTakesClicks) {
  ServeBios("{}\n");
  TChildProcess program({ProgramDir() + "zorbit"});
  const TPlace main = WaitForWindow(kMainWidth, kMainHeight, "main");
  WaitSettled(main);

  // Over the body, across the header, off the window onto the desktop.
  FInput->MovePointer(main.Left + main.Width / 2, main.Top + main.Height / 2);
  FInput->MovePointer(main.Left + main.Width / 2, main.Top + 12);
  FInput->MovePointer(main.Left + main.Width + 100, main.Top + main.Height + 60);

  // Idle, the program uses next to no processor time; one spinning through
  // its queue would use most of a core even on a loaded machine.
  const double used = CpuSecondsOver(program.Pid(), std::chrono::milliseconds(1500));
  EXPECT_LT(used, 0.2) << "seconds of processor time in 1.5 s of idling";

  // Back in, a click still opens the Boot Options window.
  Click(main, kBootOptionsLink);
  WaitForWindow(kDialogWidth, kDialogHeight, "boot-options");
  program.Stop();
}

}  // namespace
