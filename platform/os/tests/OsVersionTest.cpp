#include "platform/os/OsVersion.h"

#include <gtest/gtest.h>

#include "platform/rtl/LastError.h"

namespace plat {
namespace {

TEST(OsVersion, AnswersAnNtFamilyVersionFivePointOne) {
  OSVERSIONINFO info;
  ASSERT_TRUE(GetVersionEx(&info));
  EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
  EXPECT_EQ(info.dwMajorVersion, 5u);
  EXPECT_EQ(info.dwMinorVersion, 1u);
  EXPECT_EQ(info.dwBuildNumber, 2600u);
  EXPECT_STREQ(info.szCSDVersion, "");
  EXPECT_EQ(info.dwOSVersionInfoSize, sizeof(OSVERSIONINFO));
  EXPECT_EQ(GetVersion(), 0x0A280105u);  // build 2600, 5.1, NT (bit 31 clear)
}

TEST(OsVersion, ARecordOfTheWrongSizeIsRefused) {
  OSVERSIONINFO info;
  info.dwOSVersionInfoSize = 20;
  SetLastError(0);
  EXPECT_FALSE(GetVersionEx(&info));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(info.dwMajorVersion, 0u);
  EXPECT_FALSE(GetVersionEx(nullptr));
}

}  // namespace
}  // namespace plat
