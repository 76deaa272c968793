// What the grid adds at creation, window creation and loading: its two
// hidden rich edits, its timer, the silver look's colours, and the node
// indent that the base grid asks.
#include <gtest/gtest.h>

#include "extgrid/TExtRichEdit.h"
#include "extgrid/TExtStringGrid.h"
#include "grid/TCellProperties.h"
#include "platform/ui/TForm.h"
#include "platform/win/Messages.h"
#include "platform/win/StandardControlMessages.h"
#include "platform/win/Timers.h"
#include "platform/win/WindowStyles.h"
#include "platform/win/Windows.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

// Opens what the tests ask and counts repaints.
class TOpenGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  using TExtStringGrid::DestroyHandle;
  using TExtStringGrid::GetNodeIndent;
  using TExtStringGrid::Loaded;
  void Invalidate() override {
    ++Repaints;
    TExtStringGrid::Invalidate();
  }
  bool HasNodes() override { return Nodes; }
  int Repaints = 0;
  bool Nodes = false;
};

class WindowLifetime : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(nullptr);
    FForm->SetBounds(0, 0, 500, 300);
    FGrid = new TOpenGrid(FForm);
    FGrid->SetParent(FForm);
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  plat::TForm* FForm = nullptr;
  TOpenGrid* FGrid = nullptr;
};

TEST_F(WindowLifetime, TheGridOwnsTwoRichEdits) {
  ASSERT_NE(FGrid->RichEdit(), nullptr);
  ASSERT_NE(FGrid->SecondRichEdit(), nullptr);
  EXPECT_NE(FGrid->RichEdit(), FGrid->SecondRichEdit());
  EXPECT_EQ(FGrid->RichEdit()->Owner(), FGrid);
  EXPECT_EQ(FGrid->SecondRichEdit()->Owner(), FGrid);
}

TEST_F(WindowLifetime, TheFirstRichEditIsPlacedHiddenSizelessBorderlessAndTransparent) {
  FForm->Show();
  Pump();
  TExtRichEdit* rich = FGrid->RichEdit();
  EXPECT_EQ(rich->Parent(), FGrid);
  EXPECT_FALSE(rich->Visible());
  EXPECT_EQ(rich->BoundsRect(), (plat::TRect{0, 0, 0, 0}));
  EXPECT_EQ(rich->BorderStyle(), plat::TBorderStyle::bsNone);
  ASSERT_TRUE(rich->HandleAllocated());
  EXPECT_NE(plat::GetWindowLongPtrA(rich->Handle(), plat::GWL_EXSTYLE) & plat::WS_EX_TRANSPARENT, 0);
  // The second is a converter without a window of its own.
  EXPECT_EQ(FGrid->SecondRichEdit()->Parent(), nullptr);
}

TEST_F(WindowLifetime, TheSecondRichEditsSelectionChangesReachTheGridsEvent) {
  int changes = 0;
  plat::TObject* sender = nullptr;
  FGrid->OnRichEditSelectionChange = [&](plat::TObject* Sender) {
    ++changes;
    sender = Sender;
  };
  TExtRichEdit* second = FGrid->SecondRichEdit();
  second->SetText("converted");
  changes = 0;
  second->Perform(plat::EM_SETSEL, 2, 5);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(sender, FGrid);
  // The first one's selection is its own business.
  FGrid->RichEdit()->SetText("other");
  FGrid->RichEdit()->Perform(plat::EM_SETSEL, 1, 3);
  EXPECT_EQ(changes, 1);
}

TEST_F(WindowLifetime, TheTimerTicksEveryHalfSecondWhileTheWindowExistsAndATickDoesNoHarm) {
  FGrid->SetCells(1, 1, "kept");
  FForm->Show();
  Pump();
  int ticks = 0;
  const plat::TWndMethod previous = FGrid->WindowProc;
  FGrid->WindowProc = [&](plat::TMessage& Message) {
    if (Message.Msg == plat::WM_TIMER && Message.WParam == TExtStringGrid::GridTimer) ++ticks;
    previous(Message);
  };
  Clock().Advance(499);
  Pump();
  EXPECT_EQ(ticks, 0);
  Clock().Advance(1);
  Pump();
  EXPECT_EQ(ticks, 1);
  Clock().Advance(500);
  Pump();
  EXPECT_EQ(ticks, 2);
  EXPECT_EQ(FGrid->Cells(1, 1), "kept");
  EXPECT_EQ(FGrid->Row(), 1);
  EXPECT_EQ(FGrid->Col(), 1);
  EXPECT_TRUE(Exceptions().empty());
  // The timer belongs to the window: it goes with it.
  const plat::HWND handle = FGrid->Handle();
  FGrid->DestroyHandle();
  EXPECT_FALSE(plat::KillTimer(handle, TExtStringGrid::GridTimer));
  FGrid->WindowProc = previous;
}

TEST_F(WindowLifetime, SilverLookAtLoadingTakesSilverAndWhite) {
  FGrid->SetLook(TGridLook::glSilver);
  FGrid->Loaded();
  EXPECT_EQ(FGrid->LookColor1(), 0xC0C0C0);
  EXPECT_EQ(FGrid->LookColor2(), plat::clWhite);
}

TEST_F(WindowLifetime, OtherLooksAtLoadingKeepTheirColours) {
  const plat::TColor first = FGrid->LookColor1(), second = FGrid->LookColor2();
  FGrid->SetLook(TGridLook::glSoft);
  FGrid->Loaded();
  EXPECT_EQ(FGrid->LookColor1(), first);
  EXPECT_EQ(FGrid->LookColor2(), second);
}

TEST_F(WindowLifetime, NodeIndentRepaintsOnlyWhenItChanges) {
  FGrid->Repaints = 0;
  FGrid->CellNode()->SetNodeIndent(FGrid->CellNode()->NodeIndent());
  EXPECT_EQ(FGrid->Repaints, 0);
  FGrid->CellNode()->SetNodeIndent(20);
  EXPECT_EQ(FGrid->Repaints, 1);
}

TEST_F(WindowLifetime, ARowsNodeIndentIsItsLevelTimesNodeIndentOnlyWithNodes) {
  FGrid->CellNode()->SetNodeIndent(20);
  FGrid->GetCellProperties(0, 3)->SetNodeLevel(2);
  EXPECT_EQ(FGrid->GetNodeIndent(3), 0);
  FGrid->Nodes = true;
  EXPECT_EQ(FGrid->GetNodeIndent(3), 40);
  EXPECT_EQ(FGrid->GetNodeIndent(4), 0);
}

}  // namespace
}  // namespace zorbit
