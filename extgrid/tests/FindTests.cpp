// The grid's find: which cell each option combination finds, from where,
// and that a search that finds nothing ends after one round.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/TExtStringGrid.h"

namespace zorbit {
namespace {

using enum TFindParameter;

// Counts the cells a search visits.
class CountingGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  std::vector<std::pair<int, int>> Reports;
  int Visits = 0;

 protected:
  void FindProgress(int Stage, int Row) override {
    if (Stage == 1)
      ++Visits;
    else
      Reports.emplace_back(Stage, Row);
  }
};

class Find : public ::testing::Test {
 protected:
  // One fixed row and column; the normal cells (columns 1..3, rows 1..5):
  // clang-format off
  //        col 1        col 2         col 3
  // row 1  apple        Banana        cherry
  // row 2  (empty)      apple pie     <b>Apple</b>
  // row 3  grape        (empty)       APPLE
  // row 4  pineapple    kiwi          12
  // row 5  lemon        Apple         7
  // clang-format on
  void SetUp() override {
    FGrid.SetColCount(4);
    FGrid.SetRowCount(6);
    const std::vector<std::vector<std::string>> rows{{"apple", "Banana", "cherry"},
                                                     {"", "apple pie", "<b>Apple</b>"},
                                                     {"grape", "", "APPLE"},
                                                     {"pineapple", "kiwi", "12"},
                                                     {"lemon", "Apple", "7"}};
    for (int r = 0; r < 5; ++r)
      for (int c = 0; c < 3; ++c) FGrid.SetCells(c + 1, r + 1, rows[r][c]);
    FGrid.SetCells(1, 0, "apple header");
    for (int r = 0; r < 6; ++r) FGrid.SetCells(0, r, "apple");
  }
  CountingGrid FGrid{nullptr};
};

struct FindCase {
  const char* Name;
  plat::TPoint Start;
  const char* Text;
  TFindParams Options;
  plat::TPoint Expected;
};

TEST_F(Find, EachOptionFindsItsCell) {
  const TFindParams rowWise{fnDirectionLeftRight};
  // clang-format off
  const FindCase cases[] = {
      {"column-wise from the start",            {-1, -1}, "apple",  {},                                   {1, 1}},
      {"column-wise after the first",           {1, 1},   "apple",  {},                                   {1, 4}},
      {"row-wise after the first",              {1, 1},   "apple",  rowWise,                              {2, 2}},
      {"backward from (-1, -1), column-wise",   {-1, -1}, "apple",  {fnBackward},                         {3, 3}},
      {"backward from (-1, -1), row-wise",      {-1, -1}, "apple",  rowWise + TFindParams{fnBackward},    {2, 5}},
      {"find next wraps to the first cells",    {2, 5},   "banana", rowWise,                              {2, 1}},
      {"the start cell itself comes last",      {3, 1},   "cherry", rowWise,                              {3, 1}},
      {"whole text",                            {1, 1},   "apple",  rowWise + TFindParams{fnMatchFull},   {3, 3}},
      {"begins with passes over pineapple",     {3, 3},   "app",    rowWise + TFindParams{fnMatchStart},  {2, 5}},
      {"tags ignored for the whole text",       {2, 2},   "apple",  TFindParams{fnDirectionLeftRight, fnMatchFull, fnIgnoreHTMLTags}, {3, 2}},
      {"tags count without the option",         {2, 2},   "apple",  rowWise + TFindParams{fnMatchFull},   {3, 3}},
      {"filter condition compares numbers",     {2, 3},   "<10",    rowWise + TFindParams{fnMatchRegular}, {3, 5}},
      {"filter condition with a pattern",       {-1, -1}, "k*",     rowWise + TFindParams{fnMatchRegular}, {2, 4}},
      {"match case",                            {-1, -1}, "Apple",  rowWise + TFindParams{fnMatchCase},   {3, 2}},
      {"two double quotes: an empty cell",      {-1, -1}, "\"\"",   rowWise,                              {1, 2}},
      {"two double quotes: the next empty one", {1, 2},   "\"\"",   rowWise,                              {2, 3}},
      {"no match anywhere",                     {-1, -1}, "zzz",    rowWise,                              {-1, -1}},
      {"no match, wrapping from a cell",        {2, 2},   "zzz",    {},                                   {-1, -1}},
      {"an empty text is found nowhere",        {-1, -1}, "",       {},                                   {-1, -1}},
      {"fixed cells only with the option",      {-1, -1}, "header", {},                                   {-1, -1}},
      {"fixed cells included",                  {-1, -1}, "header", {fnIncludeFixed},                     {1, 0}},
      {"fixed column included",                 {-1, -1}, "apple",  {fnIncludeFixed},                     {0, 0}},
      {"current row only",                      {-1, -1}, "apple",  {fnFindInCurrentRow},                 {1, 4}},
      {"current column only",                   {-1, -1}, "kiwi",   {fnFindInCurrentCol},                 {-1, -1}},
  };
  // clang-format on
  FGrid.SetCol(3);
  FGrid.SetRow(4);
  for (const FindCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const plat::TPoint found = FGrid.FindCell(c.Start, c.Text, {}, c.Options);
    EXPECT_EQ(found, c.Expected);
    EXPECT_EQ(FGrid.LastFoundCell(), c.Expected);
  }
}

TEST_F(Find, PresetColumnAndRow) {
  FGrid.SetFindPresetCol(3);
  EXPECT_EQ(FGrid.FindCell({-1, -1}, "apple", {}, {fnFindInPresetCol}), (plat::TPoint{3, 2}));
  FGrid.SetFindPresetRow(5);
  EXPECT_EQ(FGrid.FindCell({-1, -1}, "apple", {}, {fnFindInPresetRow, fnDirectionLeftRight}), (plat::TPoint{2, 5}));
  FGrid.SetFindPresetRow(-1);
  EXPECT_EQ(FGrid.FindCell({-1, -1}, "apple", {}, {fnFindInPresetRow}), (plat::TPoint{-1, -1}));
}

TEST_F(Find, FootersAndFixedRightColumnsAreNotSearched) {
  FGrid.SetFixedFooters(1);
  FGrid.SetFixedRightCols(1);
  EXPECT_EQ(FGrid.FindCell({-1, -1}, "lemon", {}, {}), (plat::TPoint{-1, -1}));
  EXPECT_EQ(FGrid.FindCell({-1, -1}, "cherry", {}, {}), (plat::TPoint{-1, -1}));
  EXPECT_EQ(FGrid.FindCell({-1, -1}, "kiwi", {}, {}), (plat::TPoint{2, 4}));
}

TEST_F(Find, ASearchWithoutAMatchVisitsEachCellOnce) {
  for (const TFindParams options : {TFindParams{}, TFindParams{fnBackward}, TFindParams{fnDirectionLeftRight}}) {
    for (const plat::TPoint start : {plat::TPoint{-1, -1}, plat::TPoint{2, 3}, plat::TPoint{3, 5}}) {
      FGrid.Visits = 0;
      EXPECT_EQ(FGrid.FindCell(start, "zzz", {}, options), (plat::TPoint{-1, -1}));
      EXPECT_EQ(FGrid.Visits, 15);
    }
  }
}

TEST_F(Find, FindFirstReportsAroundTheSearch) {
  FGrid.FindFirst({-1, -1}, "kiwi", {});
  FGrid.FindFirst({-1, -1}, "zzz", {});
  const std::vector<std::pair<int, int>> expected{{0, -1}, {4, -1}, {0, -1}, {2, -1}};
  EXPECT_EQ(FGrid.Reports, expected);
}

TEST_F(Find, GoToMakesTheFoundCellCurrent) {
  FGrid.FindCell({-1, -1}, "kiwi", {}, {fnAutoGoto});
  EXPECT_EQ(FGrid.Col(), 2);
  EXPECT_EQ(FGrid.Row(), 4);
  // A fixed cell is found but cannot become current.
  FGrid.FindCell({-1, -1}, "header", {}, {fnAutoGoto, fnIncludeFixed});
  EXPECT_EQ(FGrid.LastFoundCell(), (plat::TPoint{1, 0}));
  EXPECT_EQ(FGrid.Row(), 4);
}

TEST_F(Find, WideSearchComparesLettersBeyondAsciiWithoutCase) {
  FGrid.SetCellWideText(2, 3, u"Äpfel");
  EXPECT_EQ(FGrid.FindCell({-1, -1}, {}, u"äPF", {}), (plat::TPoint{2, 3}));
  EXPECT_EQ(FGrid.FindCell({-1, -1}, {}, u"äPF", {fnMatchCase}), (plat::TPoint{-1, -1}));
  EXPECT_EQ(FGrid.FindCell({-1, -1}, "äpf", {}, {}), (plat::TPoint{-1, -1}))
      << "the stored Unicode cell is not plain text";
}

}  // namespace
}  // namespace zorbit
