// The control edit on a real X server through the SDL display, typed into
// and left with the server's own input (XTEST): Return, Tab and a click on
// another control each hand the typed text to the cell once. Skipped when
// Xvfb is missing.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/tests/XTestInput.h"
#include "extgrid/tests/ControlEditFixture.h"
#include "platform/win/Clock.h"
#include "platform/win/Display.h"
#include "platform/win/tests/XvfbServer.h"
#include "testing/EnvironmentVariable.h"

namespace zorbit {
namespace {

using apptest::XTestInput;
using plat::testing::XvfbServer;
using testing::TEnvironmentVariable;

class ControlEditUnderXvfb : public testing::ControlEditTest {
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
    ControlEditTest::SetUp();
    plat::SetClock(nullptr);  // the server's events come in real time
    FDisplayVariable.emplace("DISPLAY", FServer->DisplayName());
    FVideoDriver.emplace("SDL_VIDEODRIVER", "x11");
    plat::SetDisplay(plat::CreateSdlDisplay());
    FInput = std::make_unique<XTestInput>(FServer->DisplayName());
    MakeForm();
    ASSERT_TRUE(PumpUntil([this] {
      for (const XTestInput::TWindowPlace& place : FInput->ShownWindows())
        if (place.Width == FForm->Width() && place.Height == FForm->Height()) return true;
      return false;
    }));
  }
  void TearDown() override {
    if (!FServer) return;
    FInput.reset();
    ControlEditTest::TearDown();
  }

  // Gives the window the server's focus by a click on the plain edit, opens
  // the control edit and types Keys over its whole text.
  void OpenAndType(const std::vector<std::string>& Keys, const plat::String& Typed) {
    ClickOn(FOther);
    ASSERT_TRUE(PumpUntil([this] { return FOther->Focused(); }));
    Open();
    FEdit->SelectAll();
    for (const std::string& key : Keys) FInput->Type(key);
    ASSERT_TRUE(PumpUntil([&] { return FEdit->Text() == Typed; })) << FEdit->Text();
  }
  void ClickOn(plat::TControl* Control) {
    const plat::TPoint at = Control->ClientToScreen({Control->Width() / 2, Control->Height() / 2});
    FInput->Click(at.X, at.Y);
  }

  static inline std::unique_ptr<TEnvironmentVariable> FNoSessionBus;
  static inline std::unique_ptr<XvfbServer> FServer;
  std::optional<TEnvironmentVariable> FDisplayVariable;
  std::optional<TEnvironmentVariable> FVideoDriver;
  std::unique_ptr<XTestInput> FInput;
};

TEST_F(ControlEditUnderXvfb, ReturnHandsTheTypedTextOver) {
  OpenAndType({"n", "e", "w"}, "new");
  FInput->Type("Return");
  ASSERT_TRUE(PumpUntil([this] { return !FEdit->Visible(); }));
  EXPECT_TRUE(FGrid->Focused());
  EXPECT_EQ(CellValue(), "new");
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 name EDIT new"});
}

TEST_F(ControlEditUnderXvfb, TabHandsItOverAndMovesOnWithAdvanceAuto) {
  plat::TGridOptions options = FGrid->Options();
  // Tab stops only at cells the grid lets be edited.
  options.Include(plat::TGridOption::goTabs);
  options.Include(plat::TGridOption::goEditing);
  FGrid->SetOptions(options);
  FGrid->Navigation()->SetAdvanceAuto(true);
  OpenAndType({"t"}, "t");
  FInput->Type("Tab");
  ASSERT_TRUE(PumpUntil([this] { return FGrid->Col() == 2; }));
  EXPECT_FALSE(FEdit->Visible());
  EXPECT_TRUE(FGrid->Focused());
  EXPECT_EQ(CellValue(), "t");
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 name EDIT t"});
}

TEST_F(ControlEditUnderXvfb, AClickOnAnotherControlHandsItOver) {
  OpenAndType({"x", "y"}, "xy");
  ClickOn(FOther);
  ASSERT_TRUE(PumpUntil([this] { return FOther->Focused(); }));
  EXPECT_FALSE(FEdit->Visible());
  EXPECT_EQ(CellValue(), "xy");
  EXPECT_EQ(FDone, std::vector<std::string>{"1,1 name EDIT xy"});
}

}  // namespace
}  // namespace zorbit
