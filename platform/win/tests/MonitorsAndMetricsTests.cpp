// Monitors of the headless display (one and two), the non-client metrics
// against the system metrics and fonts, and icons drawn at their sizes with
// their masks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/Brush.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Shapes.h"
#include "platform/os/Resources.h"
#include "platform/win/Icons.h"
#include "platform/win/Monitors.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowPos.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/detail/SystemFonts.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

class Monitors : public WindowTest {
 protected:
  // Primary 1024 x 768 with a panel at the bottom; a second one to its right,
  // 800 x 600 and lower, with a panel at its top.
  void UseTwoMonitors() {
    Display().SetMonitors({{{0, 0, 1024, 768}, {0, 0, 1024, 738}}, {{1024, 100, 1824, 700}, {1024, 130, 1824, 700}}});
  }
  static MONITORINFO Info(HMONITOR monitor) {
    MONITORINFO info;
    EXPECT_TRUE(GetMonitorInfo(monitor, &info));
    return info;
  }
  static int Index(HMONITOR monitor) {
    if (!monitor) return -1;
    return Info(monitor).rcMonitor.Left == 0 ? 0 : 1;
  }
};

TEST_F(Monitors, OneMonitorIsTheScreenAndIsPrimary) {
  const HMONITOR m = MonitorFromPoint({10, 10}, MONITOR_DEFAULTTONULL);
  ASSERT_NE(m, nullptr);
  const MONITORINFO info = Info(m);
  EXPECT_EQ(info.rcMonitor, (TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}));
  RECT work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(info.rcWork, work);
  EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
}

struct LookupCase {
  const char* Name;
  TRect Area;  // a point when 1 x 1
  DWORD Flags;
  int Expected;  // monitor index, -1 for none
};

class MonitorLookups : public Monitors, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(MonitorLookups, AreasFindTheirMonitorOrFallBackByTheFlag) {
  UseTwoMonitors();
  const LookupCase& c = GetParam();
  EXPECT_EQ(Index(MonitorFromRect(&c.Area, c.Flags)), c.Expected);
  if (c.Area.Width() == 1 && c.Area.Height() == 1) {
    EXPECT_EQ(Index(MonitorFromPoint(c.Area.TopLeft(), c.Flags)), c.Expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonitorLookups,
    ::testing::Values(LookupCase{"PointOnPrimary", {5, 5, 6, 6}, MONITOR_DEFAULTTONULL, 0},
                      LookupCase{"PointOnSecond", {1100, 300, 1101, 301}, MONITOR_DEFAULTTONULL, 1},
                      LookupCase{"RightEdgeBelongsToTheNext", {1024, 300, 1025, 301}, MONITOR_DEFAULTTONULL, 1},
                      LookupCase{"GapUnderSecondToNull", {1100, 750, 1101, 751}, MONITOR_DEFAULTTONULL, -1},
                      LookupCase{"GapUnderSecondToPrimary", {1100, 750, 1101, 751}, MONITOR_DEFAULTTOPRIMARY, 0},
                      LookupCase{"GapUnderSecondToNearest", {1100, 750, 1101, 751}, MONITOR_DEFAULTTONEAREST, 1},
                      LookupCase{"FarLeftToNearest", {-500, 300, -499, 301}, MONITOR_DEFAULTTONEAREST, 0},
                      LookupCase{"FarRightToNearest", {3000, 50, 3001, 51}, MONITOR_DEFAULTTONEAREST, 1},
                      LookupCase{"MostlyOnPrimary", {900, 200, 1100, 300}, MONITOR_DEFAULTTONULL, 0},
                      LookupCase{"MostlyOnSecond", {1000, 200, 1300, 300}, MONITOR_DEFAULTTONULL, 1},
                      LookupCase{"OffEveryMonitorToNull", {2000, 900, 2100, 1000}, MONITOR_DEFAULTTONULL, -1}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST_F(Monitors, TwoMonitorsAreEnumeratedPrimaryFirstAndClipped) {
  UseTwoMonitors();
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 1824);
  EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 768);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  std::vector<std::pair<HMONITOR, TRect>> seen;
  auto collect = [&seen](HMONITOR m, HDC, RECT* area, LPARAM data) {
    EXPECT_EQ(data, 42);
    seen.emplace_back(m, *area);
    return true;
  };
  ASSERT_TRUE(EnumDisplayMonitors(nullptr, nullptr, collect, 42));
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(Info(seen[0].first).dwFlags, MONITORINFOF_PRIMARY);
  EXPECT_EQ(Info(seen[1].first).dwFlags, 0u);
  EXPECT_EQ(Info(seen[1].first).rcWork, (TRect{1024, 130, 1824, 700}));
  EXPECT_EQ(seen[1].second, (TRect{1024, 100, 1824, 700}));

  // A clip rectangle: the parts inside it, monitors outside it left out.
  seen.clear();
  const RECT clip{1000, 0, 1100, 50};
  ASSERT_TRUE(EnumDisplayMonitors(nullptr, &clip, collect, 42));
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].second, (TRect{1000, 0, 1024, 50}));

  // A callback answering false ends the walk.
  int calls = 0;
  EnumDisplayMonitors(
      nullptr, nullptr, [&calls](HMONITOR, HDC, RECT*, LPARAM) { return ++calls < 1; }, 0);
  EXPECT_EQ(calls, 1);
}

TEST_F(Monitors, AWindowBelongsToTheMonitorItOverlapsMost) {
  UseTwoMonitors();
  const HWND window = Make("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, {900, 200, 1300, 400});
  EXPECT_EQ(Index(MonitorFromWindow(window, MONITOR_DEFAULTTONULL)), 1);
  const HWND child = Make("child", WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, window);
  EXPECT_EQ(Index(MonitorFromWindow(child, MONITOR_DEFAULTTONULL)), 1) << "as its top-level window";
  SetWindowPos(window, nullptr, 100, 100, 400, 200, SWP_NOZORDER);
  EXPECT_EQ(Index(MonitorFromWindow(window, MONITOR_DEFAULTTONULL)), 0);
  ShowWindow(window, SW_MINIMIZE);
  EXPECT_EQ(Index(MonitorFromWindow(window, MONITOR_DEFAULTTONULL)), 0) << "where it was before";
  EXPECT_EQ(MonitorFromWindow(reinterpret_cast<HWND>(0x7777), MONITOR_DEFAULTTONEAREST), nullptr);
}

TEST_F(Monitors, BadHandlesRecordsAndMonitorListsAreRefused) {
  MONITORINFO info;
  SetLastError(0);
  EXPECT_FALSE(GetMonitorInfo(reinterpret_cast<HMONITOR>(7), &info));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MONITOR_HANDLE);
  EXPECT_FALSE(GetMonitorInfo(nullptr, &info));
  info.cbSize = 4;
  EXPECT_FALSE(GetMonitorInfo(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_THROW(Display().SetMonitors({}), Exception);
  EXPECT_THROW(Display().SetMonitors({{{0, 0, 100, 100}, {0, 0, 200, 100}}}), Exception);
  EXPECT_EQ(Display().Monitors().size(), 1u) << "unchanged";
}

// Non-client metrics.

using NonClientMetrics = WindowTest;

bool SameFont(const LOGFONTA& a, const LOGFONTA& b) { return std::memcmp(&a, &b, sizeof(LOGFONTA)) == 0; }

TEST_F(NonClientMetrics, SizesAndFontsAgreeWithTheSystemMetricsAndTheFramesFonts) {
  NONCLIENTMETRICS m;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0));
  EXPECT_EQ(m.iBorderWidth, GetSystemMetrics(SM_CXBORDER));
  EXPECT_EQ(m.iScrollWidth, GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(m.iScrollHeight, GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(m.iCaptionHeight + m.iBorderWidth, GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(m.iSmCaptionHeight + m.iBorderWidth, GetSystemMetrics(SM_CYSMCAPTION));
  EXPECT_EQ(m.iMenuHeight + m.iBorderWidth, GetSystemMetrics(SM_CYMENU));
  EXPECT_EQ(m.iCaptionWidth, GetSystemMetrics(SM_CXSIZE));

  // The fonts are those the window layer draws with.
  LOGFONTA caption, message;
  ASSERT_EQ(GetObject(CaptionFont(), sizeof(caption), &caption), static_cast<int>(sizeof(caption)));
  ASSERT_EQ(GetObject(MessageFont(), sizeof(message), &message), static_cast<int>(sizeof(message)));
  EXPECT_TRUE(SameFont(m.lfCaptionFont, caption));
  EXPECT_TRUE(SameFont(m.lfMessageFont, message));
  EXPECT_STREQ(m.lfMenuFont.lfFaceName, "Tahoma");
  EXPECT_EQ(m.lfMenuFont.lfHeight, -11);
  EXPECT_EQ(m.lfMenuFont.lfWeight, FW_NORMAL);
  EXPECT_EQ(m.lfCaptionFont.lfWeight, FW_BOLD);
  EXPECT_TRUE(SameFont(m.lfStatusFont, m.lfMenuFont));

  LOGFONTA iconTitle;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(iconTitle), &iconTitle, 0));
  EXPECT_STREQ(iconTitle.lfFaceName, "Tahoma");
}

TEST_F(NonClientMetrics, UnknownActionsAndBadRecordsFail) {
  NONCLIENTMETRICS m;
  m.cbSize = sizeof(m) - 4;
  SetLastError(0);
  EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(m.iBorderWidth, 0) << "left alone";
  SetLastError(0);
  UINT value = 0;
  EXPECT_FALSE(SystemParametersInfo(0x7FFF, 0, &value, 0));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, nullptr, 0));
}

// Icons.

class Icons : public WindowTest {
 protected:
  // A 40 x 40 green picture to draw on, read back pixel by pixel.
  void SetUp() override {
    WindowTest::SetUp();
    Canvas = CreateCompatibleDC(nullptr);
    Surface = CreateCompatibleBitmap(Canvas, 40, 40);
    Previous = SelectObject(Canvas, Surface);
    const RECT all{0, 0, 40, 40};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(Canvas, &all, green);
    DeleteObject(green);
  }
  void TearDown() override {
    SelectObject(Canvas, Previous);
    DeleteObject(Surface);
    DeleteDC(Canvas);
    WindowTest::TearDown();
  }
  COLORREF At(int x, int y) { return GetPixel(Canvas, x, y) & 0xFFFFFF; }
  // The top-left corner as text: '.' green, 'R' red, 'B' blue, '?' else.
  std::vector<std::string> Picture(int width, int height) {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
      std::string row;
      for (int x = 0; x < width; ++x) {
        const COLORREF c = At(x, y);
        row += c == RGB(0, 255, 0) ? '.' : c == RGB(255, 0, 0) ? 'R' : c == RGB(0, 0, 255) ? 'B' : '?';
      }
      rows.push_back(row);
    }
    return rows;
  }

  HDC Canvas = nullptr;
  HBITMAP Surface = nullptr;
  HGDIOBJ Previous = nullptr;
};

constexpr COLORREF Green = RGB(0, 255, 0);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);
constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF White = RGB(255, 255, 255);

// The test icon: 32 x 32 all blue; 16 x 16 red whose mask lets the left half through.
TEST_F(Icons, AtSixteenPixelsTheSmallImageIsDrawnThroughItsMask) {
  const HICON icon = LoadIcon(nullptr, "TestIcon");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(IconImageSizes(icon), (std::vector<TSize>{{32, 32}, {16, 16}}));
  EXPECT_EQ(LoadIcon(nullptr, "testicon"), icon) << "shared, any case";

  ASSERT_TRUE(DrawIconEx(Canvas, 4, 4, icon, 16, 16, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(At(3, 10), Green) << "outside";
  EXPECT_EQ(At(4 + 2, 10), Green) << "masked out";
  EXPECT_EQ(At(4 + 7, 10), Green) << "masked out";
  EXPECT_EQ(At(4 + 8, 10), Red);
  EXPECT_EQ(At(4 + 15, 19), Red);
  EXPECT_EQ(At(4 + 16, 10), Green) << "outside";
}

struct IconDrawCase {
  const char* Name;
  UINT Flags;
  COLORREF LeftHalf;
  COLORREF RightHalf;
};

class IconPlanes : public Icons, public ::testing::WithParamInterface<IconDrawCase> {};

TEST_P(IconPlanes, EachPlaneAloneIsCopied) {
  const IconDrawCase& c = GetParam();
  ASSERT_TRUE(DrawIconEx(Canvas, 0, 0, LoadIcon(nullptr, "TestIcon"), 16, 16, 0, nullptr, c.Flags));
  EXPECT_EQ(At(3, 3), c.LeftHalf);
  EXPECT_EQ(At(12, 3), c.RightHalf);
}

INSTANTIATE_TEST_SUITE_P(Flags, IconPlanes,
                         ::testing::Values(IconDrawCase{"Normal", DI_NORMAL, Green, Red},
                                           IconDrawCase{"MaskOnly", DI_MASK, White, Black},
                                           IconDrawCase{"ImageOnly", DI_IMAGE, Black, Red}),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST_F(Icons, ShrunkToEightPixelsTheSmallImageKeepsItsMaskedHalf) {
  ASSERT_TRUE(DrawIconEx(Canvas, 1, 1, LoadIcon(nullptr, "TestIcon"), 8, 8, 0, nullptr, DI_NORMAL));
  // clang-format off
  EXPECT_EQ(Picture(10, 10), (std::vector<std::string>{
                                 "..........",
                                 ".....RRRR.",
                                 ".....RRRR.",
                                 ".....RRRR.",
                                 ".....RRRR.",
                                 ".....RRRR.",
                                 ".....RRRR.",
                                 ".....RRRR.",
                                 ".....RRRR.",
                                 "..........",
                             }));
  // clang-format on
}

TEST_F(Icons, LargerSizesTakeTheLargeImageAndDefaultSizesFollowTheFlag) {
  const HICON icon = LoadIcon(nullptr, "TestIcon");
  ASSERT_TRUE(DrawIconEx(Canvas, 0, 0, icon, 30, 30, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(At(2, 2), Blue);
  EXPECT_EQ(At(29, 29), Blue);
  EXPECT_EQ(At(30, 30), Green);

  // 0 x 0: the first image's size; DI_DEFAULTSIZE: the system's icon size.
  ASSERT_TRUE(DrawIconEx(Canvas, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(At(31, 31), Blue);
  EXPECT_EQ(At(32, 32), Green);

  // A flicker-free brush fills the rectangle under the icon.
  HBRUSH white = CreateSolidBrush(White);
  ASSERT_TRUE(DrawIconEx(Canvas, 20, 20, icon, 16, 16, 0, white, DI_NORMAL));
  DeleteObject(white);
  EXPECT_EQ(At(21, 25), White);
  EXPECT_EQ(At(30, 25), Red);
}

TEST_F(Icons, StandardIconsHaveBothSizesAndMissingOrBrokenIconsAreRefused) {
  for (const char* id : {IDI_APPLICATION, IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
    const HICON icon = LoadIcon(nullptr, id);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(IconImageSizes(icon), (std::vector<TSize>{{32, 32}, {16, 16}}));
    EXPECT_TRUE(DestroyIcon(icon)) << "shared: nothing freed";
    EXPECT_NE(IconImageSizes(icon).size(), 0u);
  }
  ASSERT_TRUE(DrawIconEx(Canvas, 0, 0, LoadIcon(nullptr, IDI_HAND), 32, 32, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(At(0, 0), Green) << "outside the disc";
  EXPECT_EQ(At(16, 4), RGB(220, 0, 0));

  SetLastError(0);
  EXPECT_EQ(LoadIcon(nullptr, "NoSuchIcon"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
  EXPECT_EQ(LoadIcon(nullptr, MAKEINTRESOURCE(1)), nullptr);
  SetLastError(0);
  EXPECT_EQ(LoadIcon(nullptr, "BrokenIcon"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_DATA_NOT_FOUND);
  const Byte garbage[] = {0, 0, 1, 0, 200, 0, 1, 2, 3};
  EXPECT_EQ(CreateIconFromIconFile(garbage), nullptr);

  const HICON fake = reinterpret_cast<HICON>(0x1234);
  EXPECT_FALSE(DrawIconEx(Canvas, 0, 0, fake, 16, 16, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_CURSOR_HANDLE);
  EXPECT_FALSE(DestroyIcon(fake));
  EXPECT_FALSE(DrawIconEx(Canvas, 24, 24, LoadIcon(nullptr, IDI_HAND), 16, 16, 0, nullptr, 0));
  EXPECT_EQ(At(32, 32), Green) << "nothing drawn";
}

TEST_F(Icons, AnIconMadeFromFileBytesIsFreedByDestroyIcon) {
  HRSRC resource = FindResource(nullptr, "TestIcon", RT_GROUP_ICON);
  ASSERT_NE(resource, nullptr);
  const auto* bytes = static_cast<const Byte*>(LockResource(LoadResource(nullptr, resource)));
  const int before = GdiObjectTable::LiveCount();
  const HICON icon = CreateIconFromIconFile({bytes, SizeofResource(nullptr, resource)});
  ASSERT_NE(icon, nullptr);
  EXPECT_NE(icon, LoadIcon(nullptr, "TestIcon"));
  ASSERT_TRUE(DrawIconEx(Canvas, 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL));
  EXPECT_EQ(At(12, 3), Red);
  EXPECT_TRUE(DestroyIcon(icon));
  EXPECT_EQ(GdiObjectTable::LiveCount(), before);
  EXPECT_TRUE(IconImageSizes(icon).empty());
  EXPECT_FALSE(DestroyIcon(icon));
}

}  // namespace
}  // namespace plat::testing
