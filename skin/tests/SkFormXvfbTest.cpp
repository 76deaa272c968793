// The skinned frame on a real X server through the SDL display: the native
// window is cut to the frame's region and shows the backing bitmap, and the
// pointer drags it by its title bar. Skipped when Xvfb is missing.
#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "platform/gdi/Region.h"
#include "platform/ui/TForm.h"
#include "platform/win/Clock.h"
#include "platform/win/Display.h"
#include "platform/win/WindowPos.h"
#include "platform/win/tests/XvfbServer.h"
#include "skin/SkForm.h"
#include "skin/SkinClasses.h"
#include "testing/EnvironmentVariable.h"
#include "testing/FormTest.h"

namespace skintest {
namespace {

using namespace zorbit;
using plat::testing::XvfbServer;
using zorbit::testing::TEnvironmentVariable;

class SkinnedFrameUnderXvfb : public zorbit::testing::FormTest {
 protected:
  static void SetUpTestSuite() {
    if (!XvfbServer::Available()) return;
    // SDL asks the session bus for an input method; there is none here.
    FNoSessionBus =
        std::make_unique<TEnvironmentVariable>("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zorbit-test-bus");
    FServer = std::make_unique<XvfbServer>();
  }
  static void TearDownTestSuite() {
    FServer.reset();
    FNoSessionBus.reset();
  }

  void SetUp() override {
    if (!FServer) GTEST_SKIP() << "Xvfb is not installed";
    FormTest::SetUp();
    plat::SetClock(nullptr);  // the server's events come in real time
    FDisplayVariable.emplace("DISPLAY", FServer->DisplayName());
    FVideoDriver.emplace("SDL_VIDEODRIVER", "x11");
    plat::SetDisplay(plat::CreateSdlDisplay());
    RegisterSkinClasses();
    FForm = new plat::TForm(plat::Application);
    FForm->SetBorderStyle(plat::TFormBorderStyle::bsSingle);
    FForm->SetBounds(120, 90, 300, 180);
    FFrame = new TskForm(FForm);
    FFrame->SetUIStyle(TskUIStyle::WinXP);  // round top corners
    FForm->Show();
  }

  void TearDown() override {
    if (FServer) FormTest::TearDown();
  }

  // Whether the server shows the form's backing bitmap inside its region
  // and the bare (black) root outside it.
  bool ScreenShowsForm() const {
    const plat::HWND window = FForm->Handle();
    const plat::Bitmap* surface = plat::WindowSurface(window);
    if (!surface) return false;
    plat::RECT bounds{};
    plat::GetWindowRect(window, &bounds);
    const plat::HRGN region = plat::CreateRectRgn(0, 0, 0, 0);
    const bool shaped = plat::GetWindowRgn(window, region) != plat::ERROR;
    const auto screen = FServer->Grab(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    bool same = shaped && screen.size() == static_cast<std::size_t>(bounds.Width() * bounds.Height());
    for (int y = 0; same && y < bounds.Height(); ++y)
      for (int x = 0; same && x < bounds.Width(); ++x) {
        const std::uint32_t expected = plat::PtInRegion(region, x, y) ? (surface->At(x, y) & 0xFFFFFF) : 0;
        same = screen[static_cast<std::size_t>(y * bounds.Width() + x)] == expected;
      }
    plat::DeleteObject(region);
    return same;
  }

  static inline std::unique_ptr<TEnvironmentVariable> FNoSessionBus;
  static inline std::unique_ptr<XvfbServer> FServer;
  std::optional<TEnvironmentVariable> FDisplayVariable;
  std::optional<TEnvironmentVariable> FVideoDriver;
  plat::TForm* FForm = nullptr;
  TskForm* FFrame = nullptr;
};

TEST_F(SkinnedFrameUnderXvfb, TheFormIsAShapedWindowShowingItsBitmap) {
  EXPECT_TRUE(PumpUntil([this] { return ScreenShowsForm(); }));
  // The cut corner shows the root.
  EXPECT_EQ(FServer->Grab(120, 90, 1, 1), std::vector<std::uint32_t>{0});
}

TEST_F(SkinnedFrameUnderXvfb, ThePointerDragsTheFormByItsTitleBar) {
  ASSERT_TRUE(PumpUntil([this] { return ScreenShowsForm(); }));
  const plat::TPoint from = FFrame->TitleBar()->ClientToScreen({120, 10});
  // Everything is told before the queue runs: the drag's loop waits for it.
  FServer->Press(from.X, from.Y);
  FServer->MovePointer(from.X + 20, from.Y + 10);
  FServer->MovePointer(from.X + 40, from.Y + 25);
  FServer->Release(from.X + 40, from.Y + 25);
  EXPECT_TRUE(PumpUntil([this] { return FForm->Left() == 160 && FForm->Top() == 115; }))
      << FForm->Left() << "," << FForm->Top();
  EXPECT_TRUE(PumpUntil([this] { return ScreenShowsForm(); }));
}

}  // namespace
}  // namespace skintest
