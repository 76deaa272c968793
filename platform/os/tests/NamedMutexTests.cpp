#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "platform/os/NamedMutex.h"
#include "platform/os/tests/OsTestHelper.h"
#include "platform/rtl/LastError.h"
#include "testing/ChildProcess.h"
#include "testing/PlatformRoot.h"

namespace {

using namespace plat;
using zorbit::testing::TChildProcess;
using zorbit::testing::TPlatformRoot;

class NamedMutexTest : public ::testing::Test {
 protected:
  TPlatformRoot FRoot;
};

// Closes the handle at the end of a scope.
struct THandleCloser {
  explicit THandleCloser(HANDLE handle) : Handle(handle) {}
  ~THandleCloser() {
    if (Handle != nullptr) CloseHandle(Handle);
  }
  HANDLE Handle;
};

TEST_F(NamedMutexTest, ExistsWhileAnyHandleIsOpen) {
  EXPECT_EQ(OpenMutex(SYNCHRONIZE, false, "Single"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  const HANDLE first = CreateMutex("Single", false);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  const HANDLE second = CreateMutex("Single", false);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
  THandleCloser otherCase(CreateMutex("single", false));
  EXPECT_NE(otherCase.Handle, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);  // names are case-sensitive
  const HANDLE opened = OpenMutex(SYNCHRONIZE, false, "Single");
  ASSERT_NE(opened, nullptr);
  EXPECT_TRUE(CloseHandle(first));
  EXPECT_TRUE(CloseHandle(second));
  THandleCloser again(OpenMutex(SYNCHRONIZE, false, "Single"));
  EXPECT_NE(again.Handle, nullptr);  // "opened" still holds it
  EXPECT_TRUE(CloseHandle(opened));
  EXPECT_FALSE(CloseHandle(opened));  // closed twice
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(NamedMutexTest, NamesAreCheckedAndEscaped) {
  const struct {
    std::string Name;
    DWORD Error;  // 0: accepted
  } cases[] = {
      {"", ERROR_INVALID_NAME},
      {std::string(261, 'x'), ERROR_FILENAME_EXCED_RANGE},
      {std::string(260, 'x'), 0},
      {"Ovra Quilmo for Desktop TCP Connection Mutex", 0},
      {"../../escape", 0},
      {"Global\\with\\backslashes", 0},
      {std::string("\xC3\xA9\x01\xff", 4), 0},
  };
  for (const auto& c : cases) {
    THandleCloser handle(CreateMutex(c.Name, false));
    if (c.Error == 0) {
      EXPECT_NE(handle.Handle, nullptr) << c.Name;
      EXPECT_EQ(WaitForSingleObject(handle.Handle, 0), WAIT_OBJECT_0) << c.Name;
    } else {
      EXPECT_EQ(handle.Handle, nullptr);
      EXPECT_EQ(GetLastError(), c.Error);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(FRoot.Path() + "/escape.handles"));
}

TEST_F(NamedMutexTest, OwnerThreadReentersAndReleasesAsOftenAsItWaited) {
  THandleCloser mutex(CreateMutex("Reentrant", false));
  ASSERT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_OBJECT_0);
  ASSERT_EQ(WaitForSingleObject(mutex.Handle, INFINITE), WAIT_OBJECT_0);
  THandleCloser second(OpenMutex(SYNCHRONIZE, false, "Reentrant"));
  EXPECT_EQ(WaitForSingleObject(second.Handle, 0), WAIT_OBJECT_0);  // the same mutex through another handle
  EXPECT_TRUE(ReleaseMutex(second.Handle));
  EXPECT_TRUE(ReleaseMutex(mutex.Handle));
  std::thread([&] { EXPECT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_TIMEOUT); }).join();
  EXPECT_TRUE(ReleaseMutex(mutex.Handle));
  EXPECT_FALSE(ReleaseMutex(mutex.Handle));
  EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
}

TEST_F(NamedMutexTest, ThreadsExcludeEachOther) {
  THandleCloser mutex(CreateMutex("Threads", false));
  ASSERT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_OBJECT_0);
  std::thread other([&] {
    EXPECT_EQ(WaitForSingleObject(mutex.Handle, 20), WAIT_TIMEOUT);
    EXPECT_FALSE(ReleaseMutex(mutex.Handle));
    EXPECT_EQ(GetLastError(), ERROR_NOT_OWNER);
  });
  other.join();
  ASSERT_TRUE(ReleaseMutex(mutex.Handle));

  // Several threads, each through its own handle, never inside together.
  std::atomic<int> inside{0};
  std::atomic<int> overlaps{0};
  std::atomic<int> entries{0};
  std::vector<std::thread> workers;
  for (int t = 0; t < 4; ++t) {
    workers.emplace_back([&] {
      THandleCloser own(OpenMutex(SYNCHRONIZE, false, "Threads"));
      for (int i = 0; i < 50; ++i) {
        if (WaitForSingleObject(own.Handle, INFINITE) != WAIT_OBJECT_0) continue;
        if (inside.fetch_add(1) != 0) ++overlaps;
        std::this_thread::yield();
        inside.fetch_sub(1);
        ++entries;
        ReleaseMutex(own.Handle);
      }
    });
  }
  for (auto& worker : workers) worker.join();
  EXPECT_EQ(overlaps.load(), 0);
  EXPECT_EQ(entries.load(), 200);
}

TEST_F(NamedMutexTest, ThreadEndingAsOwnerAbandonsIt) {
  THandleCloser mutex(CreateMutex("ThreadAbandon", false));
  std::thread([&] { ASSERT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_OBJECT_0); }).join();
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 1000), WAIT_ABANDONED);
  ASSERT_TRUE(ReleaseMutex(mutex.Handle));
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_OBJECT_0);  // released properly this time
  ReleaseMutex(mutex.Handle);
}

TEST_F(NamedMutexTest, ProcessesSerialise) {
  TChildProcess helper({ostest::HelperPath(), "mutex"});
  ASSERT_EQ(helper.Ask("create Shared 1"), "created");  // the helper owns it from the start
  THandleCloser mutex(CreateMutex("Shared", true));
  ASSERT_NE(mutex.Handle, nullptr);
  EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);  // and initialOwner was ignored
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 30), WAIT_TIMEOUT);
  helper.Send("release");
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(helper.ReadLine(), "ok");
  EXPECT_EQ(helper.Ask("wait 30"), "timeout");
  helper.Send("wait 10000");
  ASSERT_TRUE(ReleaseMutex(mutex.Handle));
  EXPECT_EQ(helper.ReadLine(), "object0");
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_TIMEOUT);
}

TEST_F(NamedMutexTest, ProcessDyingAsOwnerAbandonsIt) {
  TChildProcess helper({ostest::HelperPath(), "mutex"});
  ASSERT_EQ(helper.Ask("create Dying 0"), "created");
  ASSERT_EQ(helper.Ask("wait 0"), "object0");
  THandleCloser mutex(OpenMutex(SYNCHRONIZE, false, "Dying"));
  ASSERT_NE(mutex.Handle, nullptr);
  helper.Send("exit");
  EXPECT_EQ(helper.WaitExit(), 0);
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 10000), WAIT_ABANDONED);
  ASSERT_TRUE(ReleaseMutex(mutex.Handle));
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_OBJECT_0);
  ReleaseMutex(mutex.Handle);
}

TEST_F(NamedMutexTest, MutexEndsWithTheLastProcessHoldingIt) {
  {
    TChildProcess helper({ostest::HelperPath(), "mutex"});
    ASSERT_EQ(helper.Ask("create Gone 1"), "created");
    helper.Send("exit");
    EXPECT_EQ(helper.WaitExit(), 0);
  }
  EXPECT_EQ(OpenMutex(SYNCHRONIZE, false, "Gone"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  THandleCloser fresh(CreateMutex("Gone", false));
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  EXPECT_EQ(WaitForSingleObject(fresh.Handle, 0), WAIT_OBJECT_0);  // a new mutex, not an abandoned one
  ReleaseMutex(fresh.Handle);
}

TEST_F(NamedMutexTest, ExactlyOneOfManyRacingProcessesCreatesIt) {
  constexpr int kProcesses = 8;
  std::vector<std::unique_ptr<TChildProcess>> helpers;
  for (int i = 0; i < kProcesses; ++i)
    helpers.push_back(std::make_unique<TChildProcess>(std::vector<std::string>{ostest::HelperPath(), "mutex"}));
  for (auto& helper : helpers) helper->Send("create Race 0");
  int created = 0;
  int existed = 0;
  for (auto& helper : helpers) {
    const std::string answer = helper->ReadLine().value_or("");
    created += answer == "created";
    existed += answer == "exists";
  }
  EXPECT_EQ(created, 1);
  EXPECT_EQ(existed, kProcesses - 1);
}

// A child forked while its parent owns the mutex inherits the handle, not
// the ownership: it must wait for the parent like any other process, and
// while it owns the mutex the parent waits for it.
TEST_F(NamedMutexTest, ForkedChildOwnsNothingOfItsParentsAndExcludesIt) {
  THandleCloser mutex(CreateMutex("Forked", false));
  ASSERT_NE(mutex.Handle, nullptr);
  ASSERT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_OBJECT_0);
  int toParent[2], toChild[2];
  ASSERT_EQ(::pipe(toParent), 0);
  ASSERT_EQ(::pipe(toChild), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::close(toChild[1]);
    bool ok = WaitForSingleObject(mutex.Handle, 0) == WAIT_TIMEOUT;
    ok = ok && !ReleaseMutex(mutex.Handle) && GetLastError() == ERROR_NOT_OWNER;
    ok = ok && ::write(toParent[1], "a", 1) == 1;
    ok = ok && WaitForSingleObject(mutex.Handle, 10000) == WAIT_OBJECT_0;
    ok = ok && ::write(toParent[1], "o", 1) == 1;
    char ignored;
    while (::read(toChild[0], &ignored, 1) > 0) {
    }
    ok = ok && ReleaseMutex(mutex.Handle);
    ::_exit(ok ? 0 : 1);
  }
  ::close(toChild[0]);
  ::close(toParent[1]);
  char mark = 0;
  ASSERT_EQ(::read(toParent[0], &mark, 1), 1);
  EXPECT_EQ(mark, 'a');
  ASSERT_TRUE(ReleaseMutex(mutex.Handle));
  ASSERT_EQ(::read(toParent[0], &mark, 1), 1);
  EXPECT_EQ(mark, 'o');
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 0), WAIT_TIMEOUT);
  ::close(toChild[1]);
  int status = -1;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(WaitForSingleObject(mutex.Handle, 10000), WAIT_OBJECT_0);
  ReleaseMutex(mutex.Handle);
  ::close(toParent[0]);
}

TEST_F(NamedMutexTest, ForeignHandlesFail) {
  EXPECT_EQ(WaitForSingleObject(nullptr, 0), WAIT_FAILED);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(ReleaseMutex(reinterpret_cast<HANDLE>(0x1234)));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_TRUE(CloseHandle(GetCurrentProcess()));  // pseudo-handles need no closing
}

}  // namespace
