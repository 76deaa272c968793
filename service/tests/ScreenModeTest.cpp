// The screen mode comes from the display's device capabilities.
#include <gtest/gtest.h>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DisplayMode.h"
#include "service/ScreenMode.h"

namespace zorbit::testing {
namespace {

TEST(ScreenMode, TheDisplaysResolutionRefreshAndDepth) {
  const plat::TDisplayMode saved = plat::DisplayMode();
  plat::SetDisplayMode({1280, 800, 75, 16});
  plat::HDC display = plat::CreateDC("DISPLAY", nullptr, nullptr, nullptr);
  ASSERT_NE(display, nullptr);
  const TScreenMode mode = GetScreenMode(display);
  EXPECT_EQ(mode.Width, 1280);
  EXPECT_EQ(mode.Height, 800);
  EXPECT_EQ(mode.RefreshRate, 75);
  EXPECT_EQ(mode.BitsPerPixel, 16);
  EXPECT_TRUE(plat::DeleteDC(display));
  plat::SetDisplayMode(saved);
}

TEST(ScreenMode, NoDeviceGivesZeros) {
  EXPECT_EQ(plat::CreateDC("PRINTER"), nullptr);
  const TScreenMode mode = GetScreenMode(nullptr);
  EXPECT_EQ(mode.Width, 0);
  EXPECT_EQ(mode.Height, 0);
  EXPECT_EQ(mode.RefreshRate, 0);
  EXPECT_EQ(mode.BitsPerPixel, 0);
}

}  // namespace
}  // namespace zorbit::testing
