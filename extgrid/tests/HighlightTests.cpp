// Search highlighting in the cells: which cells take the "hi" tags, and
// taking them out again gives the texts back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/GridRowsFixture.h"

namespace zorbit {
namespace {

class Highlight : public testing::GridRowsTest {
 protected:
  // Four rows of three columns, every cell "Pop <i>p</i>", one fixed row
  // and column, a footer row and a fixed right column.
  void MakeTexts() {
    MakeGrid(4);
    FGrid->SetFixedFooters(1);
    FGrid->SetFixedRightCols(1);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 3; ++c) FGrid->SetCells(c, r, "Pop <i>p</i>");
  }
  // "#" a highlighted cell, "." one without tags.
  std::vector<std::string> Picture() const {
    std::vector<std::string> rows;
    for (int r = 0; r < FGrid->RowCount(); ++r) {
      std::string line;
      for (int c = 0; c < FGrid->ColCount(); ++c)
        line += FGrid->Cells(c, r).find("<hi>") != std::string::npos ? '#' : '.';
      rows.push_back(line);
    }
    return rows;
  }
};

TEST_F(Highlight, TagsGoIntoTheRangeAndComeOutAgain) {
  MakeTexts();
  FGrid->HighlightInCells(false, false, "p");
  // clang-format off
  EXPECT_EQ(Picture(), (std::vector<std::string>{"...",
                                                 ".#.",
                                                 ".#.",
                                                 "..."}));
  // clang-format on
  // A closing tag goes before the next visible character, else at the end.
  EXPECT_EQ(FGrid->Cells(1, 1), "<hi>P</hi>o<hi>p</hi> <i><hi>p</i></hi>");
  FGrid->RemoveHighlightInCells(false);
  EXPECT_EQ(FGrid->Cells(1, 1), "Pop <i>p</i>");

  FGrid->HighlightInCells(true, true, "P");
  // clang-format off
  EXPECT_EQ(Picture(), (std::vector<std::string>{"###",
                                                 "###",
                                                 "###",
                                                 "###"}));
  // clang-format on
  EXPECT_EQ(FGrid->Cells(0, 3), "<hi>P</hi>op <i>p</i>");
  FGrid->RemoveHighlightInCells(true);
  // clang-format off
  EXPECT_EQ(Picture(), (std::vector<std::string>{"...",
                                                 "...",
                                                 "...",
                                                 "..."}));
  // clang-format on
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(FGrid->Cells(c, r), "Pop <i>p</i>");
}

TEST_F(Highlight, NothingFoundChangesNoCell) {
  MakeTexts();
  FGrid->SetCells(1, 2, "");
  int reports = 0;
  FGrid->OnCellsChanged = [&reports](plat::TObject*, const plat::TRect&) { ++reports; };
  FGrid->HighlightInCells(true, false, "zzz");
  FGrid->HighlightInCells(true, false, "");
  // clang-format off
  EXPECT_EQ(Picture(), (std::vector<std::string>{"...",
                                                 "...",
                                                 "...",
                                                 "..."}));
  // clang-format on
  EXPECT_EQ(FGrid->Cells(1, 2), "");
  EXPECT_EQ(FGrid->UpdateCount(), 0);
  EXPECT_EQ(reports, 2);
}

}  // namespace
}  // namespace zorbit
