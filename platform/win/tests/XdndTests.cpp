// Drags between programs on a real X server (a private Xvfb): two
// processes of ours with the SDL display, driven by real input through
// XTEST (xdotool), and a desktop program's drop played by an X client of
// the test. Skipped when Xvfb or xdotool is missing.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/win/tests/XdndTestSource.h"
#include "platform/win/tests/XvfbServer.h"
#include "testing/ChildProcess.h"
#include "testing/EnvironmentVariable.h"
#include "testing/RunProgram.h"
#include "testing/WaitUntil.h"

namespace plat::testing {
namespace {

using zorbit::testing::TChildProcess;
using zorbit::testing::TEnvironmentVariable;

constexpr char kXdotool[] = "/usr/bin/xdotool";
constexpr int kWidth = 200, kHeight = 150;  // the helper's window

bool XdotoolAvailable() { return zorbit::testing::RunProgram({kXdotool, "--version"}).ExitCode == 0; }

class DragBetweenPrograms : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!XvfbServer::Available() || !XdotoolAvailable()) GTEST_SKIP() << "Xvfb or xdotool is not installed";
    FServer = std::make_unique<XvfbServer>();
    FEnvironment.push_back(std::make_unique<TEnvironmentVariable>("DISPLAY", FServer->DisplayName()));
    FEnvironment.push_back(std::make_unique<TEnvironmentVariable>("ZORBIT_DISPLAY", "sdl"));
    FEnvironment.push_back(std::make_unique<TEnvironmentVariable>("SDL_VIDEODRIVER", "x11"));
    // SDL asks the session bus for an input method; there is none here.
    FEnvironment.push_back(
        std::make_unique<TEnvironmentVariable>("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbit-test-bus"));
  }

  // A helper with its window at (left, top), once the server shows it.
  std::unique_ptr<TChildProcess> Start(std::vector<std::string> arguments, int left, int top) {
    arguments.insert(arguments.begin(), DND_TEST_HELPER);
    auto helper = std::make_unique<TChildProcess>(arguments);
    EXPECT_TRUE(helper->WaitForLine("ready"));
    EXPECT_TRUE(zorbit::testing::WaitUntil(
        [&] { return FServer->ShownWindowAt(left, top, kWidth, kHeight).has_value(); }));
    return helper;
  }

  // The next line that starts with prefix.
  static std::optional<std::string> LineStarting(TChildProcess& helper, const std::string& prefix) {
    while (auto line = helper.ReadLine())
      if (line->rfind(prefix, 0) == 0) return line;
    return std::nullopt;
  }

  std::unique_ptr<XvfbServer> FServer;
  std::vector<std::unique_ptr<TEnvironmentVariable>> FEnvironment;
};

TEST_F(DragBetweenPrograms, TextDraggedFromOneProgramLandsInTheOther) {
  auto target = Start({"target", "400", "100"}, 400, 100);
  auto source = Start({"source", "50", "100", "Zeile über Grenzen"}, 50, 100);
  // Press in the source, cross the gap between the windows, release in the target.
  const auto run = zorbit::testing::RunProgram({kXdotool, "mousemove", "100", "170", "mousedown", "1", "mousemove",
                                                "200", "170", "mousemove", "320", "175", "mousemove", "450", "180",
                                                "mousemove", "480", "185", "mouseup", "1"});
  ASSERT_EQ(run.ExitCode, 0);
  EXPECT_EQ(LineStarting(*target, "drop "), "drop text Zeile über Grenzen");
  EXPECT_EQ(LineStarting(*source, "dragged "), "dragged drop move");
}

TEST_F(DragBetweenPrograms, AUriListOfOneLocalFileArrivesAsOneFileName) {
  auto target = Start({"target", "400", "100"}, 400, 100);
  XdndTestSource desktopProgram(FServer->DisplayName());
  const auto outcome = desktopProgram.Drop(450, 150, "text/uri-list",
                                           "# dropped by a file manager\r\nfile:///tmp/Some%20Dir/d%C3%A4ta.csv\r\n");
  ASSERT_TRUE(outcome.has_value()) << "the target window is not XdndAware";
  EXPECT_TRUE(outcome->Accepted);
  EXPECT_TRUE(outcome->FinishedOk);
  EXPECT_EQ(outcome->Action, "XdndActionCopy");
  EXPECT_EQ(LineStarting(*target, "drop "), "drop files 1 /tmp/Some Dir/däta.csv");
}

TEST_F(DragBetweenPrograms, AUriListOfOtherHostsOffersNoFiles) {
  auto target = Start({"target", "400", "100"}, 400, 100);
  XdndTestSource desktopProgram(FServer->DisplayName());
  const auto outcome = desktopProgram.Drop(450, 150, "text/uri-list", "file://elsewhere/etc/passwd\r\nhttp://x/y\r\n");
  ASSERT_TRUE(outcome.has_value());
  EXPECT_TRUE(outcome->Finished);
  EXPECT_EQ(LineStarting(*target, "drop "), "drop nothing");
}

TEST_F(DragBetweenPrograms, MalformedMessagesAreIgnoredAndAGoodDropStillLands) {
  auto target = Start({"target", "400", "100"}, 400, 100);
  XdndTestSource broken(FServer->DisplayName());
  const long version5 = 5L << 24;
  const long at = (450L << 16) | 150;
  broken.SendRaw(450, 150, "XdndEnter", 8, {1, version5, 0, 0, 0});        // bytes, not 32-bit items
  broken.SendRaw(450, 150, "XdndEnter", 32, {0x123, 2L << 24, 0, 0, 0});   // a version too old
  broken.SendRaw(450, 150, "XdndPosition", 32, {0x456, 0, at, 0, 0});      // no enter before
  broken.SendRaw(450, 150, "XdndDrop", 32, {0x456, 0, 0, 0, 0});
  // A source window that does not exist, naming a type list it cannot have.
  broken.SendRaw(450, 150, "XdndEnter", 32, {0x7FFFFF, version5 | 1, 0, 0, 0});
  broken.SendRaw(450, 150, "XdndPosition", 32, {0x7FFFFF, 0, at, 0, 0});
  broken.SendRaw(450, 150, "XdndDrop", 32, {0x7FFFFF, 0, 0, 0, 0});
  EXPECT_EQ(LineStarting(*target, "drop "), "drop nothing");

  XdndTestSource desktopProgram(FServer->DisplayName());
  const auto outcome = desktopProgram.Drop(450, 150, "UTF8_STRING", "still fine");
  ASSERT_TRUE(outcome.has_value());
  EXPECT_TRUE(outcome->FinishedOk);
  EXPECT_EQ(LineStarting(*target, "drop "), "drop text still fine");
}

TEST_F(DragBetweenPrograms, RepliesThatAreNotWholeBytesWithinTheLimitCountAsNoData) {
  auto target = Start({"target", "400", "100"}, 400, 100);
  using Reply = XdndTestSource::Reply;
  for (Reply reply : {Reply::Items32, Reply::Incremental, Reply::Oversized}) {
    XdndTestSource desktopProgram(FServer->DisplayName());
    const auto outcome = desktopProgram.Drop(450, 150, "UTF8_STRING", "text", reply);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(outcome->Finished) << static_cast<int>(reply);
    EXPECT_EQ(LineStarting(*target, "drop "), "drop nothing") << static_cast<int>(reply);
  }
}

}  // namespace
}  // namespace plat::testing
