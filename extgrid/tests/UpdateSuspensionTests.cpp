// The update bracket: while it is open the window keeps what it showed and
// erases nothing; its end repaints once; ResetUpdate never leaves the
// window without drawing; the flat frame.
#include <gtest/gtest.h>

#include <stdexcept>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/tests/ExtGridPaintFixture.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageQueue.h"
#include "platform/win/WindowPos.h"

namespace zorbit {
namespace {

class UpdateSuspension : public testing::ExtGridPaintTest {
 protected:
  void SetUp() override {
    ExtGridPaintTest::SetUp();
    Show(4, 5);
  }
};

TEST_F(UpdateSuspension, NothingIsDrawnUntilTheLastBracketCloses) {
  const plat::TColor before = CellColour(2, 2);
  const std::int64_t passes = FGrid->PaintPass();
  FGrid->BeginUpdate();
  FGrid->BeginUpdate();
  FGrid->SetCellBrushColor(2, 2, plat::clRed);
  FGrid->Invalidate();
  Pump();
  EXPECT_EQ(CellColour(2, 2), before);
  EXPECT_EQ(FGrid->PaintPass(), passes);
  FGrid->EndUpdate();
  Pump();
  EXPECT_EQ(CellColour(2, 2), before);
  FGrid->EndUpdate();
  Pump();
  EXPECT_EQ(CellColour(2, 2), plat::clRed);
  EXPECT_EQ(FGrid->PaintPass(), passes + 1);
  FGrid->EndUpdate();
  EXPECT_EQ(FGrid->UpdateCount(), 0);
}

TEST_F(UpdateSuspension, AScopeLeftByAnExceptionRepaints) {
  EXPECT_THROW(
      {
        TGridUpdateScope scope(*FGrid);
        FGrid->SetCellBrushColor(2, 1, plat::clRed);
        throw std::runtime_error("failed mid-way");
      },
      std::runtime_error);
  Pump();
  EXPECT_EQ(CellColour(2, 1), plat::clRed);
}

TEST_F(UpdateSuspension, ResettingForgetsTheBracketsAndDrawsAgain) {
  FGrid->BeginUpdate();
  FGrid->BeginUpdate();
  FGrid->SetCellBrushColor(2, 3, plat::clRed);
  FGrid->ResetUpdate();
  EXPECT_EQ(FGrid->UpdateCount(), 0);
  Pump();
  EXPECT_EQ(CellColour(2, 3), plat::clRed);
  FGrid->SetCellBrushColor(2, 3, plat::clBlue);
  Pump();
  EXPECT_EQ(CellColour(2, 3), plat::clBlue);
}

TEST_F(UpdateSuspension, TheBackgroundIsNeverErased) {
  EXPECT_EQ(plat::SendMessage(FGrid->Handle(), plat::WM_ERASEBKGND, 0, 0), 0);
}

TEST_F(UpdateSuspension, TheFlatFrameFollowsTheLookAndWaitsForTheBracket) {
  FGrid->SetBorderStyle(plat::TBorderStyle::bsSingle);
  Pump();
  const auto ring = [this](int Inset) {
    const plat::TPoint origin = FGrid->ClientToScreen({0, 0});
    plat::RECT window;
    plat::GetWindowRect(FGrid->Handle(), &window);
    // The frame lies outside the client area, in window coordinates.
    return At(window.Left - origin.X + Inset, window.Top - origin.Y + 10);
  };
  EXPECT_EQ(ring(1), plat::ColorToRGB(plat::clGray));
  EXPECT_EQ(ring(0), plat::ColorToRGB(FForm->Color()));
  FGrid->SetLook(TGridLook::glClassic);
  FGrid->Perform(plat::WM_NCPAINT, 1, 0);
  Pump();
  EXPECT_NE(ring(1), plat::ColorToRGB(plat::clGray));
}

}  // namespace
}  // namespace zorbit
