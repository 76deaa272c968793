// The clipboard with its memory blocks, and the screen's measures and
// pictures.
#include <cstring>

#include "platform/gdi/DeviceContext.h"
#include "platform/win/Clipboard.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/SystemMetrics.h"
#include "platform/win/WinErrors.h"
#include "platform/win/WindowDC.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "platform/win/tests/WindowFixture.h"

namespace plat::testing {
namespace {

HGLOBAL Block(const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), data, size);
  GlobalUnlock(memory);
  return memory;
}

std::string Narrow(HGLOBAL memory) {
  const auto* p = static_cast<const char*>(GlobalLock(memory));
  std::string s(p, strnlen(p, GlobalSize(memory)));
  GlobalUnlock(memory);
  return s;
}

std::u16string Wide(HGLOBAL memory) {
  const auto* p = static_cast<const char16_t*>(GlobalLock(memory));
  std::u16string s(p);
  GlobalUnlock(memory);
  return s;
}

class ClipboardTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    FBaseline = GlobalLiveCount();
    FOwner = Make("owner", WS_POPUP, Bounds(0, 0, 10, 10));
  }
  void TearDown() override {
    if (GetOpenClipboardWindow() || OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
    }
    EXPECT_EQ(GlobalLiveCount(), FBaseline) << "clipboard blocks leaked";
    WindowTest::TearDown();
  }
  void Put(UINT format, const void* data, std::size_t size) {
    ASSERT_TRUE(OpenClipboard(FOwner));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_NE(SetClipboardData(format, Block(data, size)), nullptr);
    ASSERT_TRUE(CloseClipboard());
  }
  int FBaseline = 0;
  HWND FOwner = nullptr;
};

TEST_F(ClipboardTest, TextIsReadInEitherForm) {
  Put(CF_TEXT,
      "Gr\xC3\xBC\xC3\x9F"
      "e",
      8);
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_EQ(CountClipboardFormats(), 2);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(Narrow(GetClipboardData(CF_TEXT)),
            "Gr\xC3\xBC\xC3\x9F"
            "e");
  EXPECT_EQ(Wide(GetClipboardData(CF_UNICODETEXT)), u"Gr\u00FC\u00DFe");
  EXPECT_EQ(EnumClipboardFormats(0), CF_TEXT);
  EXPECT_EQ(EnumClipboardFormats(CF_TEXT), CF_UNICODETEXT);
  EXPECT_EQ(EnumClipboardFormats(CF_UNICODETEXT), 0u);
  CloseClipboard();
  EXPECT_EQ(Display().PublishedClipboardText(),
            "Gr\xC3\xBC\xC3\x9F"
            "e");
}

TEST_F(ClipboardTest, RegisteredFormatsAndOwnership) {
  const UINT format = RegisterClipboardFormat("Zorbit Grid Cells");
  EXPECT_GE(format, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormatW(u"ZORBIT GRID CELLS"), format);
  char name[64];
  EXPECT_EQ(GetClipboardFormatNameA(format, name, sizeof name), 17);
  EXPECT_STREQ(name, "Zorbit Grid Cells");
  EXPECT_EQ(GetClipboardFormatNameA(CF_TEXT, name, sizeof name), 0);

  const Byte cells[] = {1, 2, 0, 3};
  Put(format, cells, sizeof cells);
  EXPECT_EQ(GetClipboardOwner(), FOwner);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
  // Another window takes the clipboard: the old owner hears of it.
  HWND other = Make("other", WS_POPUP, Bounds(0, 0, 10, 10));
  ClearLog();
  ASSERT_TRUE(OpenClipboard(other));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(Take({WM_DESTROYCLIPBOARD}), Log{"owner WM_DESTROYCLIPBOARD"});
  EXPECT_EQ(GetClipboardOwner(), other);
  EXPECT_EQ(CountClipboardFormats(), 0);
}

TEST_F(ClipboardTest, CallsOutOfOrderAreRefused) {
  HGLOBAL memory = Block("x", 2);
  EXPECT_EQ(SetClipboardData(CF_TEXT, memory), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CLIPBOARD_NOT_OPEN);
  EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_FALSE(CloseClipboard());
  ASSERT_TRUE(OpenClipboard(FOwner));
  EXPECT_FALSE(OpenClipboard(FOwner));  // one opener at a time
  EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
  EmptyClipboard();
  EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
  EXPECT_EQ(SetClipboardData(0, memory), nullptr);
  HGLOBAL freed = GlobalAlloc(0, 4);
  GlobalFree(freed);
  EXPECT_EQ(SetClipboardData(CF_TEXT, freed), nullptr);
  EXPECT_EQ(SetClipboardData(CF_TEXT, memory), memory);
  CloseClipboard();
}

TEST_F(ClipboardTest, UntrustedBlocksAreReadWithinTheirSize) {
  // Text without its terminating zero, and an odd-sized wide block.
  Put(CF_TEXT, "abc", 3);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(Wide(GetClipboardData(CF_UNICODETEXT)), u"abc");
  CloseClipboard();
  const char16_t odd[] = {u'h', u'i', 0};
  Put(CF_UNICODETEXT, odd, 5);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(Narrow(GetClipboardData(CF_TEXT)), "hi");
  CloseClipboard();
}

TEST_F(ClipboardTest, TheDesktopsNewerTextWins) {
  Put(CF_TEXT, "ours", 5);
  Display().SetDesktopClipboardText("theirs \xE2\x82\xAC");
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_EQ(Narrow(GetClipboardData(CF_TEXT)), "theirs \xE2\x82\xAC");
  EXPECT_EQ(GetClipboardOwner(), nullptr);
  CloseClipboard();
  // Opening again does not replace anything a second time.
  const DWORD sequence = GetClipboardSequenceNumber();
  ASSERT_TRUE(OpenClipboard(nullptr));
  CloseClipboard();
  EXPECT_EQ(GetClipboardSequenceNumber(), sequence);
}

TEST(GlobalMemory, BlocksAreCountedCheckedAndBounded) {
  const int before = GlobalLiveCount();
  HGLOBAL a = GlobalAlloc(GHND, 16);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(GlobalSize(a), 16u);
  EXPECT_EQ(static_cast<Byte*>(GlobalLock(a))[15], 0);
  EXPECT_EQ(GlobalReAlloc(a, 32, 0), nullptr);  // not while locked
  EXPECT_FALSE(GlobalUnlock(a));
  EXPECT_EQ(GlobalReAlloc(a, 32, 0), a);
  EXPECT_EQ(GlobalSize(a), 32u);
  EXPECT_EQ(GlobalLiveCount(), before + 1);
  EXPECT_EQ(GlobalFree(a), nullptr);
  EXPECT_EQ(GlobalLiveCount(), before);
  EXPECT_EQ(GlobalLock(a), nullptr);
  EXPECT_EQ(GlobalFree(a), a);
  EXPECT_EQ(GlobalAlloc(0, GlobalMaxBlockSize + 1), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  HGLOBAL empty = GlobalAlloc(0, 0);
  EXPECT_NE(GlobalLock(empty), nullptr);
  GlobalFree(empty);
}

class Screen : public WindowTest {};

TEST_F(Screen, MeasuresComeFromTheDisplayAt96Dpi) {
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
  EXPECT_EQ(GetSystemMetrics(12345), 0);
  RECT work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work, (RECT{0, 0, 1024, 738}));
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(screen, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 1024);
  EXPECT_EQ(GetDeviceCaps(screen, VERTRES), 768);
  EXPECT_EQ(GetDeviceCaps(screen, BITSPIXEL), 32);
  EXPECT_EQ(GetDeviceCaps(screen, VREFRESH), 60);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 0);  // only once
  // Another screen from another display.
  SetDisplay(std::make_unique<HeadlessDisplay>(TSize{800, 600}, TRect{0, 24, 800, 600}));
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  screen = GetDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(screen, HORZRES), 800);
  ReleaseDC(nullptr, screen);
  SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work, (RECT{0, 24, 800, 600}));
}

TEST_F(Screen, ScreenshotsArePngPicturesOfTheWindow) {
  HWND w = Make("w", WS_POPUP | WS_VISIBLE, Bounds(10, 10, 40, 30));
  HWND child = Make("child", WS_CHILD | WS_VISIBLE, Bounds(5, 5, 10, 10), w);
  Pump();
  Fill(w, RGB(0, 128, 255));
  Fill(child, RGB(255, 0, 0));
  const std::vector<Byte> png = WindowScreenshot(w);
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1A\n", 8), 0);
  const std::unique_ptr<Bitmap> picture = WindowPicture(child);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->Width(), 10);
  EXPECT_EQ(ColorRefFromPixel(picture->At(0, 0)) & 0xFFFFFF, RGB(255, 0, 0));
  DestroyWindow(w);
  EXPECT_TRUE(WindowScreenshot(w).empty());
}

}  // namespace
}  // namespace plat::testing
