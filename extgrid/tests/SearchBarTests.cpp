// The search bar: its settings, the panel's children where they stand, the
// buttons enabled by the text, and typing in it searching the grid through
// the headless display. A picture of it is kept in the build folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "grid/TExtGridButton.h"
#include "platform/ui/TCustomCheckBox.h"
#include "platform/ui/TCustomEdit.h"
#include "platform/ui/TForm.h"
#include "platform/win/HeadlessDisplay.h"
#include "platform/win/InputInjection.h"
#include "testing/FormTest.h"
#include "testing/ReferencePicture.h"

namespace zorbit {
namespace {

TEST(SearchFooterSettings, EverySetterAndAssignFireOnChange) {
  TSearchFooter footer;
  int changes = 0;
  footer.OnChange = [&](plat::TObject*) { ++changes; };
  EXPECT_TRUE(footer.AutoSearch());
  EXPECT_EQ(footer.FindNextCaption(), "Find next");
  EXPECT_EQ(footer.HintFindPrev(), "Find previous occurence");
  EXPECT_EQ(footer.SearchColumn(), -1);
  footer.SetSearchColumn(2);
  footer.SetShowClose(false);
  footer.SetFindNextCaption("Next");
  footer.SetAutoThemeAdapt(true);
  EXPECT_EQ(changes, 4);
  TSearchFooter copy;
  copy.OnChange = [&](plat::TObject*) { ++changes; };
  copy.Assign(&footer);
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(copy.FindNextCaption(), "Next");
  EXPECT_FALSE(copy.ShowClose());
  EXPECT_EQ(copy.SearchColumn(), 2);
}

class SearchBar : public testing::FormTest {
 protected:
  plat::TForm* FForm = new plat::TForm(nullptr);
  TExtStringGrid* FGrid = new TExtStringGrid(FForm);

  void SetUp() override {
    FormTest::SetUp();
    FForm->SetBounds(0, 0, 620, 400);
    FGrid->SetParent(FForm);
    FGrid->SetBounds(10, 10, 600, 300);
    FGrid->SetColCount(4);
    FGrid->SetRowCount(40);
    for (int r = 1; r < 40; ++r) {
      FGrid->SetCells(1, r, "item " + std::to_string(r));
      FGrid->SetCells(2, r, r % 10 == 0 ? "tenth apple" : "pear");
    }
    FGrid->SearchFooter()->SetVisible(true);
    FForm->Show();
    Pump();
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  TSearchPanel& Panel() { return *FGrid->SearchPanel(); }
  void TypeInSearch(const char* Text) {
    Panel().SearchEdit()->SetFocus();
    plat::InjectText(Text);
    Pump();
  }
  static plat::TRect Bounds(plat::TControl* C) { return {C->Left(), C->Top(), C->Left() + C->Width(), C->Top() + C->Height()}; }
};

TEST_F(SearchBar, ChildrenStandWhereTheLayoutPutsThem) {
  EXPECT_EQ(Panel().Height(), 32);
  EXPECT_EQ(Bounds(Panel().CloseButton()), (plat::TRect{5, 7, 19, 21}));
  EXPECT_EQ(Panel().SearchEdit()->Left(), 25);
  EXPECT_EQ(Panel().SearchEdit()->Top(), 5);
  EXPECT_EQ(Panel().SearchEdit()->Width(), 110);
  EXPECT_EQ(Bounds(Panel().FindNextButton()), (plat::TRect{140, 5, 230, 28}));
  EXPECT_EQ(Bounds(Panel().FindPrevButton()), (plat::TRect{235, 5, 325, 28}));
  EXPECT_EQ(Bounds(Panel().HighlightButton()), (plat::TRect{330, 5, 420, 28}));
  EXPECT_EQ(Panel().MatchCaseBox()->Left(), 425);
  EXPECT_EQ(Panel().MatchCaseBox()->Top(), 8);
  EXPECT_EQ(Panel().MatchCaseBox()->Height(), 17);
  EXPECT_EQ(Panel().FindNextButton()->Caption(), "Find next");
  EXPECT_EQ(Panel().MatchCaseBox()->Caption(), "Match case");
  EXPECT_TRUE(Panel().FindNextButton()->ShowHint());

  FGrid->SearchFooter()->SetShowHighLight(false);
  FGrid->SearchFooter()->SetShowFindPrev(false);
  FGrid->SearchFooter()->SetHintFindNext("");
  EXPECT_EQ(Panel().MatchCaseBox()->Left(), 330);
  EXPECT_FALSE(Panel().HighlightButton()->Visible());
  EXPECT_EQ(Panel().HighlightButton()->Height(), 0);
  EXPECT_EQ(Panel().FindPrevButton()->Height(), 0);
  EXPECT_EQ(Panel().FindNextButton()->Height(), 23);
  EXPECT_FALSE(Panel().FindNextButton()->ShowHint());
  FGrid->SearchFooter()->SetVisible(false);
  EXPECT_EQ(Panel().Height(), 0);
}

TEST_F(SearchBar, TheSearchButtonsAreEnabledExactlyWhileThereIsText) {
  const auto enabled = [this] {
    return std::vector<bool>{Panel().FindNextButton()->Enabled(), Panel().FindPrevButton()->Enabled(),
                             Panel().HighlightButton()->Enabled()};
  };
  EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false}));
  TypeInSearch("p");
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true}));
  Panel().SearchEdit()->SetText("");
  EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false}));
  Panel().SearchEdit()->SetText("x");
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true}));
}

TEST_F(SearchBar, TypingFindsAndColoursTheEdit) {
  TypeInSearch("apple");
  EXPECT_EQ(FGrid->Row(), 10);
  EXPECT_EQ(FGrid->Col(), 2);
  EXPECT_EQ(Panel().SearchEdit()->Color(), plat::clWindow);
  TypeInSearch("z");
  EXPECT_EQ(Panel().SearchEdit()->Color(), static_cast<plat::TColor>(0x0000FF));
  EXPECT_EQ(FGrid->Row(), 10);
  Panel().SearchEdit()->SetText("");
  EXPECT_EQ(Panel().SearchEdit()->Color(), plat::clWindow);
}

TEST_F(SearchBar, FindNextAndPreviousGoOnFromTheLastCellFound) {
  Panel().SearchEdit()->SetText("apple");
  EXPECT_EQ(FGrid->Row(), 10);
  FGrid->SearchFooterFindNext();
  EXPECT_EQ(FGrid->Row(), 20);
  FGrid->SearchFooterFindNext();
  FGrid->SearchFooterFindNext();
  EXPECT_EQ(FGrid->Row(), 10) << "wrapped past row 30";
  FGrid->SearchFooterFindPrev();
  EXPECT_EQ(FGrid->Row(), 30);
  // The row found near the bottom scrolls up, never past the last page.
  EXPECT_LE(FGrid->TopRow(), FGrid->RowCount() - FGrid->VisibleRowCount());
  EXPECT_LT(FGrid->Row(), FGrid->TopRow() + FGrid->VisibleRowCount());
}

TEST_F(SearchBar, TheHighlightButtonMarksEveryOccurrence) {
  Panel().SearchEdit()->SetText("apple");
  Panel().HighlightButton()->SetDown(true);
  FGrid->SearchFooterHighlight();
  EXPECT_EQ(FGrid->Cells(2, 10), "tenth <hi>apple</hi>");
  EXPECT_EQ(FGrid->Cells(2, 9), "pear");
  Panel().SearchEdit()->SetText("appl");
  EXPECT_EQ(FGrid->Cells(2, 20), "tenth <hi>appl</hi>e");
  Panel().HighlightButton()->SetDown(false);
  FGrid->SearchFooterHighlight();
  EXPECT_EQ(FGrid->Cells(2, 20), "tenth apple");
}

TEST_F(SearchBar, CloseHidesTheBar) {
  FGrid->SearchFooterClose();
  EXPECT_FALSE(FGrid->SearchFooter()->Visible());
  EXPECT_EQ(Panel().Height(), 0);
}

TEST_F(SearchBar, PictureForAPerson) {
  FGrid->SearchFooter()->SetColorTo(0xE0C0A0);
  TypeInSearch("apple");
  Panel().HighlightButton()->SetDown(true);
  FGrid->SearchFooterHighlight();
  Pump();
  testing::KeepForInspection(*plat::WindowPicture(FForm->Handle()), "extgrid/SearchBar.png");
}

}  // namespace
}  // namespace zorbit
