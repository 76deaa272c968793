// The About window in the headless display: its texts, the version from
// the registry or the program file, moving it by its caption and closing it.
#include "app/About.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "WindowTestSupport.h"
#include "platform/os/Registry.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCustomLabel.h"
#include "platform/win/InputInjection.h"
#include "service/ZorbitConfig.h"
#include "skin/SkImageButton.h"

namespace {

using namespace apptest;
using zorbit::TfmAbout;

class AboutWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    zorbit::InitializeZorbitConfig();
    plat::Application->SetTitle("Ovra Zorbit");
  }
  void TearDown() override {
    delete FWindow;
    zorbit::FinalizeZorbitConfig();
    WindowTest::TearDown();
  }
  void Open() {
    FWindow = new TfmAbout(plat::Application);
    FWindow->Show();
    Pump();
  }
  static void StoreVersion(const std::optional<std::string>& Text, bool AsNumber = false) {
    plat::TRegistry registry;
    registry.SetRootKey(plat::HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(registry.OpenKey("\\Software\\Ovra\\Zorbit", true));
    if (AsNumber)
      registry.WriteInteger("Version", 7);
    else if (Text)
      registry.WriteString("Version", *Text);
  }

  TfmAbout* FWindow = nullptr;
};

TEST_F(AboutWindowTest, ShowsTitleVersionAndOk) {
  StoreVersion("3.1.0.15");
  Open();
  EXPECT_EQ(FWindow->ClientWidth(), 457);
  EXPECT_EQ(FWindow->ClientHeight(), 321);
  EXPECT_EQ(FWindow->lblCaption()->Caption(), "Ovra Zorbit");
  EXPECT_EQ(FWindow->lblProductName()->Caption(), "Ovra Zorbit");
  EXPECT_EQ(FWindow->lblVersion()->Caption(), "Version 3.1.0.15");
  EXPECT_EQ(FWindow->btnOK()->Caption(), "OK");
  Screenshot(*FWindow, "about");
}

TEST_F(AboutWindowTest, WithoutARegistryVersionTheProgramFilesVersionShows) {
  struct TCase {
    std::optional<std::string> Stored;
    bool AsNumber;
  };
  const TCase cases[] = {{std::nullopt, false}, {"", false}, {std::nullopt, true}};
  for (const TCase& c : cases) {
    StoreVersion(c.Stored, c.AsNumber);
    Open();
    EXPECT_EQ(FWindow->lblVersion()->Caption(), "Version 4.3.2.1");
    delete FWindow;
    FWindow = nullptr;
  }
}

TEST_F(AboutWindowTest, DraggingTheCaptionMovesTheWindowAndAMoveAloneDoesNot) {
  Open();
  const plat::TPoint start{FWindow->Left(), FWindow->Top()};
  const plat::TPoint grip = OnScreen(FWindow->lblCaption(), {100, 8});
  plat::InjectMouseMove(grip);
  plat::InjectMouseMove({grip.X + 30, grip.Y + 5});
  Pump();
  EXPECT_EQ(FWindow->Left(), start.X);
  EXPECT_EQ(FWindow->Top(), start.Y);

  plat::InjectDrag(grip, {grip.X + 40, grip.Y + 20}, 1);
  Pump();
  // Each step moves the window by the pointer's offset from where it was
  // pressed, plus the one pixel the caption drag has always added.
  EXPECT_EQ(FWindow->Left(), start.X + 41);
  EXPECT_EQ(FWindow->Top(), start.Y + 21);
}

TEST_F(AboutWindowTest, TheCloseBoxAndOkCloseTheWindow) {
  for (const char* button : {"btnClose", "btnOK"}) {
    Open();
    ASSERT_TRUE(FWindow->Visible());
    ClickControl(button == std::string("btnClose") ? FWindow->btnClose() : FWindow->btnOK());
    Pump();
    EXPECT_FALSE(FWindow->Visible()) << button;
    delete FWindow;
    FWindow = nullptr;
  }
}

}  // namespace
