// The class library's view of the display: monitors and the forms on them,
// the menu font, the program icon, and streams over named resources.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/gdi/TIcon.h"
#include "platform/os/TResourceStream.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/tests/FormTestFixture.h"
#include "platform/win/SystemMetrics.h"

namespace uitest {
namespace {

class ScreenMonitors : public FormTest {};

TEST_F(ScreenMonitors, OneMonitorByDefaultAndTwoWhenTheDisplayHasThem) {
  ASSERT_EQ(Screen->MonitorCount(), 1);
  TMonitor* primary = Screen->Monitors(0);
  EXPECT_TRUE(primary->Primary());
  EXPECT_EQ(primary->MonitorNum(), 0);
  EXPECT_EQ(primary->BoundsRect(), (TRect{0, 0, Screen->Width(), Screen->Height()}));
  EXPECT_EQ(primary->WorkareaRect(), Screen->WorkAreaRect());

  Display().SetMonitors({{{0, 0, 1024, 768}, {0, 0, 1024, 738}}, {{-800, 0, 0, 600}, {-800, 0, 0, 570}}});
  ASSERT_EQ(Screen->MonitorCount(), 2);
  TMonitor* left = Screen->Monitors(1);
  EXPECT_FALSE(left->Primary());
  EXPECT_EQ(left->Left(), -800);
  EXPECT_EQ(left->Width(), 800);
  EXPECT_EQ(left->Height(), 600);
  EXPECT_EQ(left->WorkareaRect(), (TRect{-800, 0, 0, 570}));
  EXPECT_EQ(Screen->PrimaryMonitor()->Left(), 0);
  EXPECT_THROW(Screen->Monitors(2), EListError);

  EXPECT_EQ(Screen->MonitorFromPoint({-10, 10}), left);
  // Below the left monitor, 101 pixels from it and 400 from the primary one.
  EXPECT_EQ(Screen->MonitorFromPoint({-400, 700}, TMonitorDefaultTo::mdNull), nullptr);
  EXPECT_EQ(Screen->MonitorFromPoint({-400, 700}, TMonitorDefaultTo::mdPrimary), Screen->PrimaryMonitor());
  EXPECT_EQ(Screen->MonitorFromPoint({-400, 700}), left);
  EXPECT_EQ(Screen->MonitorFromRect({-300, 0, 100, 100}), left);

  auto* form = new TForm(Application);
  form->SetBounds(-600, 100, 300, 200);
  EXPECT_EQ(form->Monitor(), left) << "before it has a window";
  form->Show();
  Pump();
  EXPECT_EQ(form->Monitor(), left);
  EXPECT_EQ(Screen->MonitorFromWindow(form->Handle()), left);
  form->SetBounds(100, 100, 300, 200);
  EXPECT_EQ(form->Monitor(), Screen->PrimaryMonitor());
}

TEST_F(ScreenMonitors, TheMenuFontIsTheSystemsMenuFontInMenuTextColour) {
  NONCLIENTMETRICS metrics;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
  TFont* font = Screen->MenuFont();
  EXPECT_EQ(font->Name(), metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(font->Height(), metrics.lfMenuFont.lfHeight);
  EXPECT_EQ(font->Size(), 8);
  EXPECT_FALSE(font->Style().Contains(TFontStyle::fsBold));
  EXPECT_EQ(font->Color(), clMenuText);
}

TEST_F(ScreenMonitors, TheApplicationIconIsTheProgramsMainIcon) {
  // The test program carries a MAINICON of 32 x 32 and 16 x 16.
  ASSERT_FALSE(Application->Icon()->Empty());
  EXPECT_EQ(Application->Icon()->Width(), 32);
  TResourceStream stream(nullptr, "MAINICON", RT_GROUP_ICON);
  TMemoryStream saved;
  Application->Icon()->SaveToStream(saved);
  ASSERT_EQ(saved.Size(), stream.Size());
  EXPECT_EQ(std::memcmp(saved.Memory(), stream.Memory(), static_cast<std::size_t>(saved.Size())), 0);
}

TEST_F(ScreenMonitors, AResourceStreamReadsTheResourcesBytesAndRefusesTheRest) {
  TResourceStream stream(nullptr, "allbytes", RT_RCDATA);
  ASSERT_EQ(stream.Size(), 528);
  std::vector<Byte> bytes(600);
  EXPECT_EQ(stream.Read(bytes.data(), 10), 10);
  EXPECT_EQ(bytes[9], 9);
  stream.SetPosition(255);
  EXPECT_EQ(stream.Read(bytes.data(), 600), 528 - 255);
  EXPECT_EQ(bytes[0], 255);
  EXPECT_EQ(stream.Read(bytes.data(), 1), 0) << "at the end";
  EXPECT_EQ(stream.Seek(-1, soFromBeginning), 528) << "a seek before the start is refused";

  const Byte one = 1;
  EXPECT_THROW(stream.Write(&one, 1), EStreamError);
  EXPECT_THROW(stream.SetSize(0), EStreamError);
  EXPECT_EQ(stream.Size(), 528);

  try {
    TResourceStream missing(nullptr, "NoSuchResource", RT_RCDATA);
    ADD_FAILURE() << "no exception";
  } catch (const EResNotFound& e) {
    EXPECT_EQ(e.Message(), "Resource NoSuchResource not found");
  }
  // The right name of the wrong type is missing too.
  EXPECT_THROW(TResourceStream(nullptr, "allbytes", RT_BITMAP), EResNotFound);
}

}  // namespace
}  // namespace uitest
