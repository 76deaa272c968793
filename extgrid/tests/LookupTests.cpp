// The incremental lookup, typed through the headless display and aged by
// the grid's timer on the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "platform/ui/TForm.h"
#include "platform/win/InputInjection.h"
#include "platform/win/VirtualKeys.h"
#include "testing/FormTest.h"

namespace zorbit {
namespace {

class Lookup : public testing::FormTest {
 protected:
  plat::TForm* FForm = new plat::TForm(nullptr);
  TExtStringGrid* FGrid = new TExtStringGrid(FForm);

  void SetUp() override {
    FormTest::SetUp();
    FForm->SetBounds(0, 0, 500, 400);
    FGrid->SetParent(FForm);
    FGrid->SetBounds(10, 10, 400, 300);
    FGrid->SetColCount(3);
    FGrid->SetRowCount(6);
    const std::vector<std::string> names{"alpha", "bravo", "Beta", "cat", "echo"};
    for (int r = 1; r <= 5; ++r) FGrid->SetCells(1, r, names[r - 1]);
    FGrid->SetCells(2, 5, "Zulu");
    FGrid->Navigation()->SetAutoGotoWhenSorted(true);
    FGrid->Navigation()->SetAutoGotoIncremental(true);
    FForm->Show();
    FGrid->SetFocus();
    Pump();
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  void Type(const char* Text) {
    plat::InjectText(Text);
    Pump();
  }
  void Ticks(int Count) {
    for (int i = 0; i < Count; ++i) {
      Clock().Advance(TExtStringGrid::GridTimerPeriod);
      Pump();
    }
  }
};

TEST_F(Lookup, TwoLettersWithinASecondFindTheRowThatBeginsWithBoth) {
  Type("b");
  EXPECT_EQ(FGrid->Row(), 2);
  Ticks(1);
  Type("e");
  EXPECT_EQ(FGrid->IncrementalText(), "be");
  EXPECT_EQ(FGrid->Row(), 3);
}

TEST_F(Lookup, FourIdleTicksStartANewText) {
  Type("b");
  Ticks(4);
  Type("e");
  EXPECT_EQ(FGrid->Row(), 5) << "\"e\" alone, not \"be\"";
  Ticks(3);
  Type("c");
  EXPECT_EQ(FGrid->Row(), 5) << "\"ec\" still matches echo";
  EXPECT_EQ(FGrid->IncrementalText(), "ec");
}

TEST_F(Lookup, ATextWithoutAMatchIsClearedAndTheRowStays) {
  Type("c");
  EXPECT_EQ(FGrid->Row(), 4);
  Type("x");
  EXPECT_EQ(FGrid->Row(), 4);
  EXPECT_EQ(FGrid->IncrementalText(), "");
}

TEST_F(Lookup, BackspaceTakesTheLastCharacterOff) {
  Type("bé");
  EXPECT_EQ(FGrid->IncrementalText(), "");
  Type("br");
  EXPECT_EQ(FGrid->Row(), 2);
  plat::InjectKeyPress(plat::VK_BACK);
  Pump();
  EXPECT_EQ(FGrid->IncrementalText(), "b");
  EXPECT_EQ(FGrid->Row(), 2);
}

TEST_F(Lookup, WithoutIncrementalEachKeyStandsAlone) {
  FGrid->Navigation()->SetAutoGotoIncremental(false);
  Type("be");
  EXPECT_EQ(FGrid->Row(), 5);
}

TEST_F(Lookup, TheSortColumnIsSearchedWhenTheSortShows) {
  FGrid->SortSettings()->SetShow(true);
  FGrid->SortSettings()->SetColumn(2);
  Type("z");
  EXPECT_EQ(FGrid->Row(), 5);
  EXPECT_EQ(FGrid->LookupIncremental("ZU"), 5);
  EXPECT_EQ(FGrid->LookupIncremental("ZX"), -1);
}

TEST_F(Lookup, EditingGridsTakeNoLookup) {
  plat::TGridOptions options = FGrid->Options();
  options.Include(plat::TGridOption::goEditing);
  FGrid->SetOptions(options);
  EXPECT_FALSE(FGrid->LookupTypedKey(U'c'));
  EXPECT_EQ(FGrid->Row(), 1);
}

}  // namespace
}  // namespace zorbit
