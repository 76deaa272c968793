// The common controls' version found by name, as programs ask it, and the
// registration of their date classes.
#include "platform/win/CommonControls.h"

#include <gtest/gtest.h>

#include "platform/os/ModuleExports.h"
#include "platform/win/DateTimePicker.h"
#include "platform/win/MonthCalendar.h"
#include "platform/win/WindowClass.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

using CommonControls = WindowTest;

TEST_F(CommonControls, DllGetVersionReportsFivePointEightyTwo) {
  const HMODULE comctl = GetModuleHandle("comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  const auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(GetProcAddress(comctl, "DllGetVersion"));
  ASSERT_NE(getVersion, nullptr);
  DLLVERSIONINFO info;
  ASSERT_EQ(getVersion(&info), S_OK);
  EXPECT_EQ(info.dwMajorVersion, 5u);
  EXPECT_EQ(info.dwMinorVersion, 82u);
  EXPECT_EQ(info.dwPlatformID, DLLVER_PLATFORM_NT);
  // Above 4.70, the first generation with the date picker; below 6.
  const DWORD packed = (info.dwMajorVersion << 16) | info.dwMinorVersion;
  EXPECT_GT(packed, (4u << 16) | 69u);
  EXPECT_LT(info.dwMajorVersion, 6u);
}

TEST_F(CommonControls, ARecordOfTheWrongSizeIsRefused) {
  DLLVERSIONINFO info;
  info.cbSize = 4;
  EXPECT_EQ(CommonControlsGetVersion(&info), E_INVALIDARG);
  EXPECT_EQ(info.dwMajorVersion, 0u);
  EXPECT_EQ(CommonControlsGetVersion(nullptr), E_INVALIDARG);
}

TEST_F(CommonControls, InitCommonControlsExRegistersTheDateClasses) {
  using InitProc = BOOL (*)(const INITCOMMONCONTROLSEX*);
  const auto init = reinterpret_cast<InitProc>(GetProcAddress(GetModuleHandle("comctl32.dll"), "InitCommonControlsEx"));
  ASSERT_NE(init, nullptr);
  INITCOMMONCONTROLSEX record;
  record.dwICC = ICC_DATE_CLASSES;
  EXPECT_EQ(init(&record), TRUE);
  EXPECT_NE(FindWindowClass(DATETIMEPICK_CLASS), nullptr);
  EXPECT_NE(FindWindowClass(MONTHCAL_CLASS), nullptr);
  // Again: nothing more to do.
  EXPECT_EQ(init(&record), TRUE);
  // Classes the library does not have, a wrong size, no record.
  record.dwICC = ICC_DATE_CLASSES | 0x4000;
  EXPECT_EQ(init(&record), FALSE);
  record.dwICC = ICC_DATE_CLASSES;
  record.dwSize = 4;
  EXPECT_EQ(init(&record), FALSE);
  EXPECT_EQ(init(nullptr), FALSE);
}

}  // namespace
}  // namespace plat::testing
