// The update bracket: while it is open the window keeps what it showed and
// erases nothing; its end repaints once; only its stopping form tells the
// window to stop drawing; ResetUpdate never leaves the window without
// drawing; the flat frame.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "extgrid/GridUpdateScope.h"
#include "extgrid/tests/ExtGridPaintFixture.h"
#include "platform/win/Messages.h"
#include "platform/win/MessageQueue.h"

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

// The bracket's messages as the window receives them; a WM_PAINT is logged
// with whether it drew.
class UpdateMessages : public UpdateSuspension {
 protected:
  void SetUp() override {
    UpdateSuspension::SetUp();
    FPrevious = FGrid->WindowProc;
    FGrid->WindowProc = [this](plat::TMessage& Message) {
      const std::int64_t passes = FGrid->PaintPass();
      FPrevious(Message);
      if (Message.Msg == plat::WM_SETREDRAW) FLog.push_back(Message.WParam ? "redraw on" : "redraw off");
      if (Message.Msg == plat::WM_PAINT) FLog.push_back(FGrid->PaintPass() == passes ? "paint swallowed" : "painted");
    };
  }
  void TearDown() override {
    FGrid->WindowProc = FPrevious;
    UpdateSuspension::TearDown();
  }

  plat::TWndMethod FPrevious;
  std::vector<std::string> FLog;
};

TEST_F(UpdateMessages, OnlyTheStoppingFormTellsTheWindowAndBothRepaintAtTheLastEnd) {
  using How = TExtStringGrid::TUpdateSuspension;
  const struct {
    How Form;
    std::vector<std::string> Expected;
  } cases[] = {
      // Drawing off: the invalidation is dropped and no WM_PAINT comes.
      {How::usStopRedraw, {"redraw off", "last end", "redraw on", "painted"}},
      {How::usCountOnly, {"paint swallowed", "last end", "painted"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Form));
    FLog.clear();
    FGrid->SetCellBrushColor(2, 2, plat::clWhite);
    Pump();
    FLog.clear();
    FGrid->BeginUpdate(c.Form);
    FGrid->BeginUpdate(c.Form);
    FGrid->SetCellBrushColor(2, 2, plat::clRed);
    FGrid->Invalidate();
    Pump();
    FGrid->EndUpdate();
    Pump();
    EXPECT_EQ(CellColour(2, 2), plat::clWhite);
    FLog.push_back("last end");
    FGrid->EndUpdate();
    Pump();
    EXPECT_EQ(FLog, c.Expected);
    EXPECT_EQ(CellColour(2, 2), plat::clRed);
  }
}

TEST_F(UpdateMessages, ACountOnlyScopeSendsNoRedrawMessage) {
  {
    const TGridUpdateScope update(*FGrid, TExtStringGrid::TUpdateSuspension::usCountOnly);
    EXPECT_EQ(FGrid->UpdateCount(), 1);
    FGrid->Invalidate();
    Pump();
  }
  Pump();
  const std::vector<std::string> expected{"paint swallowed", "painted"};
  EXPECT_EQ(FLog, expected);
}

TEST_F(UpdateSuspension, TheBackgroundIsNeverErased) {
  EXPECT_EQ(plat::SendMessage(FGrid->Handle(), plat::WM_ERASEBKGND, 0, 0), 0);
}

TEST_F(UpdateSuspension, TheFlatFrameFollowsTheLookAndWaitsForTheBracket) {
  FGrid->SetBorderStyle(plat::TBorderStyle::bsSingle);
  Pump();
  EXPECT_EQ(EdgeAt(1), plat::ColorToRGB(plat::clGray));
  EXPECT_EQ(EdgeAt(0), plat::ColorToRGB(FForm->Color()));
  FGrid->SetLook(TGridLook::glClassic);
  FGrid->Perform(plat::WM_NCPAINT, 1, 0);
  Pump();
  EXPECT_NE(EdgeAt(1), plat::ColorToRGB(plat::clGray));
}

TEST_F(UpdateSuspension, TheFlatFrameIsPaintedAgainAfterTheBoundsChange) {
  FGrid->SetBorderStyle(plat::TBorderStyle::bsSingle);
  for (TGridLook look : {TGridLook::glXP, TGridLook::glSoft}) {
    SCOPED_TRACE(static_cast<int>(look));
    FGrid->SetLook(look);
    FGrid->SetBounds(4, 4, 480, 300);
    Pump();
    // At once, before the queued non-client paint, and after it.
    FGrid->SetBounds(8, 12, 400, 240);
    EXPECT_EQ(EdgeAt(1), plat::ColorToRGB(plat::clGray));
    EXPECT_EQ(EdgeAt(0), plat::ColorToRGB(FForm->Color()));
    Pump();
    EXPECT_EQ(EdgeAt(1), plat::ColorToRGB(plat::clGray));
  }
}

}  // namespace
}  // namespace zorbit
