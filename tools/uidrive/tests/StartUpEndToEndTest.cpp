// The program started end to end: one main window that other processes
// find, a second copy that ends and leaves it alone, a copy started with
// "exit" that closes it, the program without its service, and the program
// that cannot make its single-instance mutex.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "EndToEnd.h"
#include "platform/os/LoopbackPorts.h"
#include "platform/win/CrossProcessWindows.h"
#include "service/tcpClient.h"
#include "testing/FileContent.h"
#include "testing/LoopbackSocket.h"

namespace e2e {
namespace {

using zorbit::testing::RunProgram;

class StartUpEndToEndTest : public EndToEndTest {};

// The lines a running uidrive wrote up to "print: ready".
std::vector<std::string> LinesUntilReady(zorbit::testing::TChildProcess& Drive) {
  std::vector<std::string> lines;
  while (const auto line = Drive.ReadLine()) {
    if (*line == "print: ready") return lines;
    lines.push_back(*line);
  }
  ADD_FAILURE() << "no \"ready\"; got: " << ::testing::PrintToString(lines);
  return lines;
}

TEST_F(StartUpEndToEndTest, OneMainWindowThatASecondCopyLeavesAndExitCloses) {
  StartService();
  const std::string shot = Folder().File("main.png");
  const auto first = StartDrive(
      "wait TfmZorbitMain\n"
      "windows\n"
      "text lbCaption\n"
      "screenshot " +
      shot +
      "\n"
      "print ready\n");
  const std::vector<std::string> lines = LinesUntilReady(*first);
  EXPECT_EQ(lines, (std::vector<std::string>{"window: TfmZorbitMain", "text: Ovra Zorbit Management"}));
  // Published: this process finds it.
  ASSERT_NE(plat::FindWindow("TfmZorbitMain", nullptr), nullptr);
  ExpectLooksLike(shot, "main-window");

  const zorbit::testing::TProgramResult second = RunProgram({ZORBIT_PATH});
  EXPECT_EQ(second.ExitCode, 0) << second.Output;
  EXPECT_EQ(second.Output, "");
  EXPECT_TRUE(first->Running());
  EXPECT_NE(plat::FindWindow("TfmZorbitMain", nullptr), nullptr);

  const zorbit::testing::TProgramResult closer = RunProgram({ZORBIT_PATH, "exit"});
  EXPECT_EQ(closer.ExitCode, 0) << closer.Output;
  EXPECT_EQ(first->WaitExit(), 0);
  EXPECT_EQ(first->ReadToEnd(), "");
  // The window that closed was the only one.
  EXPECT_EQ(plat::FindWindow("TfmZorbitMain", nullptr), nullptr);
}

TEST_F(StartUpEndToEndTest, ABadScriptIsRefusedBeforeTheProgramStarts) {
  StartService();
  const zorbit::testing::TProgramResult bad = Drive("wait TfmZorbitMain\nclick lbBootOptions here\n");
  EXPECT_EQ(bad.ExitCode, 2);
  EXPECT_EQ(bad.Output, "uidrive: line 2: not a point: \"here\" (#item, #column,row or x,y)\n");
  const zorbit::testing::TProgramResult missing = RunProgram({UIDRIVE_PATH, Folder().File("none.txt")});
  EXPECT_EQ(missing.ExitCode, 2);
  EXPECT_EQ(missing.Output, "uidrive: cannot read the script " + Folder().File("none.txt") + "\n");
}

TEST_F(StartUpEndToEndTest, WithoutServiceAUserGetsTheMessageAndNoWindow) {
  // A real account without administrator rights, which connects once and
  // does not wait for the service.
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run the program as an unprivileged account";
  // Nothing listens where the service's port leads.
  int port = 0;
  ::close(zorbit::testing::ListenOnLoopback(port));
  plat::SetLoopbackPortMapping(zorbit::ServicePort, port);
  std::filesystem::permissions(Folder().Path(), std::filesystem::perms::all);
  std::filesystem::permissions(Root(), std::filesystem::perms::all);

  const zorbit::testing::TProgramResult run =
      RunProgram({"/usr/bin/setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", UIDRIVE_PATH,
                  WriteScriptFile("wait TfmOvraMessageBox\n"
                                  "windows\n"
                                  "prop fmBase Caption\n"
                                  "text lbTitle\n"
                                  "text lblText\n"
                                  "key - Enter\n"
                                  "wait TfmZorbitMain 5\n")});
  // The program ended on the message, before any main window showed.
  EXPECT_EQ(run.ExitCode, 1) << run.Output;
  EXPECT_EQ(Values(run.Output, "window"), (std::vector<std::string>{"TfmOvraMessageBox"}));
  EXPECT_EQ(Values(run.Output, "prop"), (std::vector<std::string>{"Ovra Zorbit Management"}));
  EXPECT_EQ(
      Values(run.Output, "text"),
      (std::vector<std::string>{"Service stopped", "Can not connect to service. Application will be terminated!"}));
  EXPECT_EQ(Values(run.Output, "error"), (std::vector<std::string>{"line 7: the program ended before this line"}));
}

// A file where the mutex folder should be: the program cannot tell whether
// another copy runs, says so and ends before any window or service.
TEST_F(StartUpEndToEndTest, WithoutItsMutexTheProgramSaysWhyAndDoesNotStart) {
  std::filesystem::create_directories(Root() + "/run");
  zorbit::testing::WriteFileContent(Root() + "/run/mutex", "not a folder");
  const zorbit::testing::TProgramResult run = Drive(
      "wait TfmOvraMessageBox\n"
      "windows\n"
      "prop fmBase Caption\n"
      "text lbTitle\n"
      "text lblText\n"
      "key - Enter\n"
      "wait TfmZorbitMain 5\n");
  EXPECT_EQ(run.ExitCode, 1) << run.Output;
  EXPECT_EQ(Values(run.Output, "window"), (std::vector<std::string>{"TfmOvraMessageBox"}));
  EXPECT_EQ(Values(run.Output, "prop"), (std::vector<std::string>{"Ovra Zorbit Management"}));
  EXPECT_EQ(Values(run.Output, "text"),
            (std::vector<std::string>{"The program cannot start",
                                      "It cannot check whether another copy of it is already running. The system "
                                      "cannot find the path specified."}));
  EXPECT_EQ(Values(run.Output, "error"), (std::vector<std::string>{"line 7: the program ended before this line"}));
}

}  // namespace
}  // namespace e2e
