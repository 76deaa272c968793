// The visual-style calls: classic by default, and the recording service that
// tests of themed drawing install.
#include <gtest/gtest.h>

#include "platform/gdi/ThemeServices.h"
#include "platform/gdi/testing/RecordingThemeService.h"
#include "platform/gdi/tests/RasterFixture.h"

namespace plat {
namespace {

using testing::RecordingThemeService;
using testing::Surface;
using testing::ThemeRecorder;

TEST(ThemeServices, DefaultHasNoActiveStyle) {
  EXPECT_FALSE(IsThemeActive());
  EXPECT_EQ(OpenThemeData(nullptr, u"button"), nullptr);
  Surface s(4, 4);
  const RECT r{0, 0, 4, 4};
  EXPECT_EQ(DrawThemeBackground(nullptr, s.Dc(), 1, 1, &r, nullptr), E_HANDLE);
  EXPECT_EQ(CloseThemeData(nullptr), E_HANDLE);
  WideString color = u"stale";
  EXPECT_EQ(GetCurrentThemeName(nullptr, &color, nullptr), E_FAIL);
  EXPECT_TRUE(color.empty());
}

TEST(ThemeServices, RecorderReportsAStyleAndRecordsDrawing) {
  ThemeRecorder recorder(u"HomeStead");
  EXPECT_TRUE(IsThemeActive());
  WideString file, color, size;
  EXPECT_EQ(GetCurrentThemeName(&file, &color, &size), S_OK);
  EXPECT_EQ(color, u"HomeStead");

  // The first class of the list that the style knows, in any case.
  HTHEME theme = OpenThemeData(nullptr, u"NoSuchClass; ComboBox");
  ASSERT_NE(theme, nullptr);
  EXPECT_EQ(OpenThemeData(nullptr, u"NoSuchClass"), nullptr);

  Surface s(8, 8);
  const RECT r{1, 2, 7, 6};
  EXPECT_EQ(DrawThemeBackground(theme, s.Dc(), 1, 3, &r, nullptr), S_OK);
  EXPECT_EQ(DrawThemeBackground(theme, s.Dc(), 1, 3, nullptr, nullptr), E_INVALIDARG);
  ASSERT_EQ(recorder.Service().Calls().size(), 1u);
  EXPECT_EQ(recorder.Service().Calls()[0], (RecordingThemeService::DrawCall{u"combobox", 1, 3, r}));
  EXPECT_EQ(recorder.Service().OpenCount(), 1u);

  EXPECT_EQ(CloseThemeData(theme), S_OK);
  EXPECT_EQ(recorder.Service().OpenCount(), 0u);
  // A closed handle is refused, not followed.
  EXPECT_EQ(CloseThemeData(theme), E_HANDLE);
  EXPECT_EQ(DrawThemeBackground(theme, s.Dc(), 1, 1, &r, nullptr), E_HANDLE);
  EXPECT_EQ(recorder.Service().Calls().size(), 1u);
}

TEST(ThemeServices, ScopesPutThePreviousServiceBack) {
  {
    ThemeRecorder outer;
    {
      ThemeRecorder inner(u"Metallic");
      WideString color;
      GetCurrentThemeName(nullptr, &color, nullptr);
      EXPECT_EQ(color, u"Metallic");
    }
    WideString color;
    GetCurrentThemeName(nullptr, &color, nullptr);
    EXPECT_EQ(color, u"NormalColor");
  }
  EXPECT_FALSE(IsThemeActive());
  // Installing nothing restores the classic default.
  auto previous = SetThemeService(std::make_unique<RecordingThemeService>());
  EXPECT_TRUE(IsThemeActive());
  SetThemeService(nullptr);
  EXPECT_FALSE(IsThemeActive());
}

}  // namespace
}  // namespace plat
