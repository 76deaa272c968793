// The plain file calls by handle: results and last errors of each failure.
#include "platform/rtl/FileHandles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "platform/rtl/LastError.h"
#include "platform/rtl/Streams.h"
#include "testing/TempFolder.h"

namespace plat {
namespace {

using zorbit::testing::TTempFolder;

TEST(FileHandles, CreateWriteSeekReadClose) {
  TTempFolder dir;
  const int handle = FileCreate(dir.File("a.bin"));
  ASSERT_GE(handle, 0);
  EXPECT_EQ(FileWrite(handle, "hello world", 11), 11);
  EXPECT_EQ(FileSeek(handle, -5, 2), 6);
  char buffer[16] = {};
  EXPECT_EQ(FileRead(handle, buffer, sizeof buffer), 5);
  EXPECT_STREQ(buffer, "world");
  EXPECT_EQ(FileRead(handle, buffer, 4), 0);  // at the end
  EXPECT_TRUE(FileClose(handle));
  // Creating again empties the file.
  const int again = FileCreate(dir.File("a.bin"));
  EXPECT_EQ(FileSeek(again, 0, 2), 0);
  EXPECT_TRUE(FileClose(again));
}

TEST(FileHandles, FailuresGiveMinusOneAndTheLastError) {
  TTempFolder dir;
  EXPECT_EQ(FileOpen(dir.File("none.bin"), fmOpenRead), -1);
  EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(FileOpen(dir.File("no/such/folder.bin"), fmOpenRead), -1);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(FileCreate(dir.File("no/such/folder.bin")), -1);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);

  dir.Write("r.bin", "data");
  const int readOnly = FileOpen(dir.File("r.bin"), fmOpenRead | fmShareDenyNone);
  ASSERT_GE(readOnly, 0);
  EXPECT_EQ(FileWrite(readOnly, "x", 1), -1);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_EQ(FileSeek(readOnly, -1, 0), -1);
  EXPECT_EQ(GetLastError(), ERROR_NEGATIVE_SEEK);
  EXPECT_EQ(FileSeek(readOnly, 0, 3), -1);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(FileRead(readOnly, nullptr, -1), -1);
  EXPECT_TRUE(FileClose(readOnly));
  EXPECT_FALSE(FileClose(readOnly));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(FileHandles, AWriteBeyondTheFileSizeLimitFails) {
  TTempFolder dir;
  const int handle = FileCreate(dir.File("big.bin"));
  ASSERT_GE(handle, 0);
  // The limit makes the write fail as a full disk would, without a full disk.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int written = FileWrite(handle, "0123456789", 10);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(written, -1);
  EXPECT_NE(GetLastError(), ERROR_SUCCESS);
  EXPECT_TRUE(FileClose(handle));
}

}  // namespace
}  // namespace plat
