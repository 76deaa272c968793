// Windows of other processes: a real second process (win_test_helper)
// publishes its windows in a private platform root; this one finds them,
// closes, shows and raises them.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <filesystem>
#include <fstream>

#include "platform/os/PosixFiles.h"
#include "platform/win/CrossProcessWindows.h"
#include "platform/win/DefWindowProc.h"
#include "platform/win/Display.h"
#include "platform/win/Focus.h"
#include "platform/win/detail/LocalSocket.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/Messages.h"
#include "platform/win/detail/PublishedWindowList.h"
#include "platform/win/detail/RemoteWindowProtocol.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowClass.h"
#include "platform/win/WindowPos.h"
#include "platform/win/detail/WindowPublisher.h"
#include "platform/win/detail/WindowRegistryFolder.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/WindowText.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WinTestHelper.h"
#include "testing/PlatformRoot.h"
#include "testing/WaitUntil.h"

namespace plat {
namespace {

using testing::WinTestHelper;

class CrossProcessWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    SetDisplay(CreateHeadlessDisplay());
    // Generous: the helper may answer slowly on a loaded machine.
    SetCrossProcessTimeout(30000);
  }
  void TearDown() override {
    StopWindowPublishing();
    for (HWND window : FLocal) DestroyWindow(window);
  }

  HWND LocalWindow(const char* className, const char* title) {
    WNDCLASSA windowClass;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);  // may exist from an earlier test
    HWND window =
        CreateWindowExA(0, className, title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    FLocal.push_back(window);
    return window;
  }

  // The helper's entry in the registry folder (it is the only publisher).
  static String OnlyEndpoint() {
    const auto endpoints = WindowRegistryFolder::Endpoints();
    return endpoints.size() == 1 ? endpoints[0] : String();
  }

  // Writes the list of a made-up process, with or without a socket behind it.
  static void FakeProcess(const String& endpoint, const std::vector<TPublishedWindow>& windows) {
    ASSERT_TRUE(ReplaceFileAtomically(WindowRegistryFolder::ListPath(endpoint), EncodeWindowList(windows)));
  }

  zorbit::testing::TPlatformRoot FRoot;
  std::vector<HWND> FLocal;
};

enum class CloseBy { Send, Post };

class ClosingAnotherProcessWindow : public CrossProcessWindows, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(ClosingAnotherProcessWindow, FindsItByClassAndTitleAndClosesIt) {
  WinTestHelper helper({"TfmHelperMain", "Helper Main", "shown"});
  const HWND window = FindWindow("TfmHelperMain", "Helper Main");
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(IsWindowVisible(window));

  if (GetParam() == CloseBy::Send) {
    EXPECT_EQ(SendMessage(window, WM_CLOSE, 0, 0), 0);
    // Sent means handled: the helper reported it before the call returned.
    EXPECT_TRUE(helper.WaitForLine("close TfmHelperMain", std::chrono::milliseconds(0)));
  } else {
    EXPECT_TRUE(PostMessage(window, WM_CLOSE, 0, 0));
    EXPECT_TRUE(helper.WaitForLine("close TfmHelperMain"));
  }
  EXPECT_EQ(helper.WaitExit(), 0);  // its last window was destroyed

  // The handle is stale now, and the process has withdrawn its entries.
  EXPECT_FALSE(IsWindow(window));
  SetLastError(0);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(FindWindow("TfmHelperMain", "Helper Main"), nullptr);
  EXPECT_TRUE(WindowRegistryFolder::Endpoints().empty());
}

INSTANTIATE_TEST_SUITE_P(SentOrPosted, ClosingAnotherProcessWindow, ::testing::Values(CloseBy::Send, CloseBy::Post));

TEST_F(CrossProcessWindows, MatchesWithoutCaseByEitherPartAndPrefersOwnWindows) {
  WinTestHelper helper({"TfmHelperMain", "Helper Main", "shown", "TApplication", "Ovra Zorbit Management", "hidden"});
  const HWND main = FindWindow("TfmHelperMain", "Helper Main");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(FindWindow("tfmhelpermain", "HELPER MAIN"), main);  // the same window, the same handle
  EXPECT_EQ(FindWindow("TfmHelperMain", nullptr), main);
  EXPECT_EQ(FindWindow(nullptr, "Helper Main"), main);
  EXPECT_EQ(FindWindow("TfmHelperMain", "Helper"), nullptr);
  EXPECT_EQ(FindWindow("TfmHelperMain", ""), nullptr);
  const HWND application = FindWindow("TApplication", "Ovra Zorbit Management");
  ASSERT_NE(application, nullptr);
  EXPECT_NE(application, main);
  EXPECT_FALSE(IsWindowVisible(application));

  // A window of this process with the same class and title comes first.
  const HWND own = LocalWindow("TApplication", "Ovra Zorbit Management");
  EXPECT_EQ(FindWindow("TApplication", "Ovra Zorbit Management"), own);
  EXPECT_EQ(FindProcessWindow("TfmHelperMain", nullptr), nullptr);
  // Once its title is cleared, the search finds the other process's again.
  SetWindowText(own, "");
  EXPECT_EQ(FindWindow("TApplication", "Ovra Zorbit Management"), application);
}

TEST_F(CrossProcessWindows, ShowsHidesAndQueriesAnotherProcessWindow) {
  WinTestHelper helper({"TfmHelperMain", "Helper Main", "hidden"});
  const HWND window = FindWindow("TfmHelperMain", nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_FALSE(ShowWindow(window, SW_RESTORE));  // answers the earlier visibility
  EXPECT_TRUE(helper.WaitForLine("show TfmHelperMain 1"));
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(ShowWindow(window, SW_HIDE));
  EXPECT_TRUE(helper.WaitForLine("show TfmHelperMain 0"));
  EXPECT_FALSE(IsWindowVisible(window));
  // The list other processes read follows too.
  const auto list = ReadWholeFile(WindowRegistryFolder::ListPath(OnlyEndpoint()), TPublishedWindowLimits::MaxFileSize);
  ASSERT_TRUE(list);
  const auto windows = DecodeWindowList(*list);
  ASSERT_TRUE(windows);
  ASSERT_EQ(windows->size(), 1u);
  EXPECT_FALSE((*windows)[0].Visible);
  // A show command out of range is refused there.
  SetLastError(0);
  EXPECT_FALSE(ShowWindow(window, 99));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST_F(CrossProcessWindows, BringsAnotherProcessWindowToTheFront) {
  // TfmSecond, shown last, is the active window when the helper is ready.
  WinTestHelper helper({"TfmFirst", "First", "shown", "TfmSecond", "Second", "shown"});
  const HWND first = FindWindow("TfmFirst", nullptr);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(BringWindowToTop(first));
  EXPECT_TRUE(helper.WaitForLine("activate TfmFirst"));
  const HWND second = FindWindow("TfmSecond", nullptr);
  EXPECT_TRUE(SetForegroundWindow(second));
  EXPECT_TRUE(helper.WaitForLine("activate TfmSecond"));
}

TEST_F(CrossProcessWindows, IgnoresAndRemovesEntriesOfEndedProcesses) {
  // A process that died without tidying up: its list stays, its socket refuses.
  FakeProcess("4000000-00000000000000aa", {{0x10, true, "TfmHelperMain", "Helper Main"}});
  EXPECT_EQ(FindWindow("TfmHelperMain", nullptr), nullptr);
  EXPECT_FALSE(std::filesystem::exists(WindowRegistryFolder::ListPath("4000000-00000000000000aa")));

  // One killed outright, behind a live one publishing the same class.
  auto killed = std::make_unique<WinTestHelper>(std::vector<std::string>{"TfmHelperMain", "Killed", "shown"});
  const String killedEndpoint = OnlyEndpoint();
  const HWND stale = FindWindow("TfmHelperMain", "Killed");
  ASSERT_NE(stale, nullptr);
  killed->Kill();
  WinTestHelper live({"TfmHelperMain", "Live", "shown"});
  EXPECT_EQ(FindWindow("TfmHelperMain", "Killed"), nullptr);
  EXPECT_FALSE(std::filesystem::exists(WindowRegistryFolder::ListPath(killedEndpoint)));
  EXPECT_FALSE(std::filesystem::exists(WindowRegistryFolder::SocketPath(killedEndpoint)));
  EXPECT_FALSE(IsWindow(stale));
  EXPECT_NE(FindWindow("TfmHelperMain", nullptr), nullptr);
}

TEST_F(CrossProcessWindows, SkipsListsItCannotRead) {
  WinTestHelper helper({"TfmHelperMain", "Helper Main", "shown"});
  const String endpoint = OnlyEndpoint();
  // Files that are no process's entry, and a broken list, come before it.
  std::ofstream(WindowRegistryFolder::Path() + "/notes.list") << "ZorbitWindows 1\n1\t1\tTfmHelperMain\tX\n";
  std::ofstream(WindowRegistryFolder::ListPath("1-0000000000000000")) << "ZorbitWindows 1\n1\t1\tTfmHelperMain";
  const HWND window = FindWindow("TfmHelperMain", nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(CrossProcessWindows, AProcessThatDoesNotAnswerTimesOut) {
  const String endpoint = "4000001-00000000000000bb";
  TLocalSocket silent = ListenLocal(WindowRegistryFolder::SocketPath(endpoint));
  ASSERT_TRUE(silent.Valid());
  FakeProcess(endpoint, {{0x10, true, "TfmSilent", "Silent"}});
  const HWND window = FindWindow("TfmSilent", "Silent");
  ASSERT_NE(window, nullptr);
  SetCrossProcessTimeout(50);
  SetLastError(0);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetLastError(), ERROR_TIMEOUT);
  EXPECT_EQ(SendMessage(window, WM_CLOSE, 0, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_TIMEOUT);
}

TEST_F(CrossProcessWindows, OnlyCloseMessagesCrossProcesses) {
  WinTestHelper helper({"TfmHelperMain", "Helper Main", "shown"});
  const HWND window = FindWindow("TfmHelperMain", nullptr);
  ASSERT_NE(window, nullptr);
  SetLastError(0);
  EXPECT_FALSE(PostMessage(window, WM_USER + 1, 0, 0));
  EXPECT_EQ(GetLastError(), ERROR_NOT_SUPPORTED);
  EXPECT_TRUE(IsWindowVisible(window));
}

// Raw requests on the helper's socket, as a confused or hostile process
// might send them.
std::optional<String> Exchange(const String& endpoint, const String& request) {
  TLocalSocket socket;
  if (ConnectLocal(WindowRegistryFolder::SocketPath(endpoint), socket) != TConnectResult::Connected) return {};
  if (!WriteAll(socket, request, 2000)) return {};
  ::shutdown(socket.Fd(), SHUT_WR);  // nothing more comes: a cut request ends here
  return ReadLine(socket, RemoteLineLimit, 2000);
}

TEST_F(CrossProcessWindows, ServesOnAfterMalformedRequests) {
  WinTestHelper helper({"TfmHelperMain", "Helper Main", "shown"});
  const String endpoint = OnlyEndpoint();
  ASSERT_FALSE(endpoint.empty());
  EXPECT_EQ(Exchange(endpoint, "bogus\n"), "error 87");
  EXPECT_EQ(Exchange(endpoint, "is-visible 1\n"), "error 1400");  // not one of its windows
  EXPECT_EQ(Exchange(endpoint, String(200, 'x')), std::nullopt);  // over-long: dropped unanswered
  EXPECT_EQ(Exchange(endpoint, "is-visible"), std::nullopt);      // cut short, then closed
  const HWND window = FindWindow("TfmHelperMain", nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(CrossProcessWindows, SilentConnectionsDoNotLockOutARealRequest) {
  WinTestHelper helper({"TfmHelperMain", "Helper Main", "shown"});
  const String endpoint = OnlyEndpoint();
  ASSERT_FALSE(endpoint.empty());
  // More connections than it serves at once, all silent and held open
  // while the real requests are made: each newcomer displaces the oldest.
  std::vector<TLocalSocket> idle(WindowPublisher::MaxConnections + 4);
  for (TLocalSocket& socket : idle)
    ASSERT_EQ(ConnectLocal(WindowRegistryFolder::SocketPath(endpoint), socket, 5000), TConnectResult::Connected);
  const HWND window = FindWindow("TfmHelperMain", nullptr);
  ASSERT_NE(window, nullptr);
  SetLastError(ERROR_INVALID_DATA);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(ShowWindow(window, SW_HIDE));  // answers that it was visible
  EXPECT_TRUE(helper.WaitForLine("show TfmHelperMain 0"));
  // Hidden is an answer, told from a failed exchange by the last error.
  SetLastError(ERROR_INVALID_DATA);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
}

TEST_F(CrossProcessWindows, PublishesThisProcessWindowsAsTheyChange) {
  ASSERT_TRUE(StartWindowPublishing());
  ASSERT_TRUE(StartWindowPublishing());  // once only
  const String endpoint = OnlyEndpoint();
  ASSERT_FALSE(endpoint.empty());
  auto published = [&endpoint] {
    const auto text = ReadWholeFile(WindowRegistryFolder::ListPath(endpoint), TPublishedWindowLimits::MaxFileSize);
    return text ? DecodeWindowList(*text).value_or(std::vector<TPublishedWindow>{}) : std::vector<TPublishedWindow>{};
  };
  EXPECT_TRUE(published().empty());
  const HWND window = LocalWindow("TfmPublished", "Before");
  ASSERT_EQ(published().size(), 1u);
  EXPECT_EQ(published()[0].ClassName, "TfmPublished");
  EXPECT_EQ(published()[0].Title, "Before");
  EXPECT_FALSE(published()[0].Visible);
  SetWindowText(window, "After");
  ShowWindow(window, SW_SHOW);
  EXPECT_EQ(published()[0].Title, "After");
  EXPECT_TRUE(published()[0].Visible);
  DestroyWindow(window);
  EXPECT_TRUE(published().empty());
  StopWindowPublishing();
  EXPECT_TRUE(WindowRegistryFolder::Endpoints().empty());
  EXPECT_FALSE(std::filesystem::exists(WindowRegistryFolder::SocketPath(endpoint)));
}

}  // namespace
}  // namespace plat
