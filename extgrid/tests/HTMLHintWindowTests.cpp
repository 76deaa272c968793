// The HTML hint window: measured as HTML, sized around its text, kept on
// the screen, and painted with its frame and the text's mark-up. A picture
// of one is kept in the build folder.
#include <gtest/gtest.h>

#include "extgrid/THTMLHintWindow.h"
#include "platform/ui/TScreen.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "testing/FormTest.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

class HTMLHint : public testing::FormTest {
 protected:
  void TearDown() override {
    delete FHint;
    FormTest::TearDown();
  }
  THTMLHintWindow* FHint = new THTMLHintWindow(nullptr);
};

TEST_F(HTMLHint, TagsTakeNoRoomAndTheWindowFitsTheText) {
  const plat::TRect plain = FHint->CalcHintRect(1000, "Hint text");
  const plat::TRect marked = FHint->CalcHintRect(1000, "<b></b>Hint <i></i>text");
  EXPECT_EQ(plain.Left, 0);
  EXPECT_GT(plain.Width(), 20);
  EXPECT_EQ(marked.Width(), plain.Width());
  EXPECT_EQ(marked.Height(), plain.Height());
  FHint->ActivateHint({100, 100, 101, 101}, "Hint text");
  EXPECT_EQ(FHint->TextWidth(), plain.Width());
  EXPECT_EQ(FHint->Width(), plain.Width() + 16);
  EXPECT_EQ(FHint->Height(), plain.Height() + 4);
  EXPECT_EQ(FHint->Left(), 100);
  EXPECT_TRUE(FHint->IsShowing());
  EXPECT_EQ(plat::GetWindowLongPtrA(FHint->Handle(), plat::GWL_STYLE) & plat::WS_BORDER, 0);
}

TEST_F(HTMLHint, AHintPastTheScreensEdgesEndsTwoPixelsBeforeThem) {
  const int screenWidth = plat::Screen->Width();
  const int screenHeight = plat::Screen->Height();
  FHint->ActivateHint({screenWidth - 10, screenHeight - 5, screenWidth, screenHeight}, "A hint wider than the rest");
  EXPECT_EQ(FHint->Left() + FHint->Width(), screenWidth - 2);
  EXPECT_EQ(FHint->Top() + FHint->Height(), screenHeight - 2);
}

TEST_F(HTMLHint, PictureForAPerson) {
  FHint->ActivateHint({40, 40, 41, 41}, "<b>Bold</b> and <font color=\"clRed\">red</font> hint");
  Pump();
  testing::KeepForInspection(*plat::WindowPicture(FHint->Handle()), "extgrid/HTMLHint.png");
}

}  // namespace
}  // namespace zorbit
