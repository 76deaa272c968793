// Column aggregates: sum, average, minimum and maximum over shown rows and,
// with a range past the usable rows, over hidden rows too; merged members,
// grouping rows and texts without a number passed over; the progress hook.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CellNumber.h"
#include "extgrid/tests/GridRowsFixture.h"
#include "grid/ExtUtilText.h"
#include "platform/rtl/Conversions.h"
#include "testing/LocaleScope.h"

namespace zorbit {
namespace {

// Records the progress hook's calls.
class TProgressGrid : public TExtStringGrid {
 public:
  using TExtStringGrid::TExtStringGrid;
  std::vector<std::pair<int, int>> Calls;

 protected:
  void GridProgress(int Kind, int Row) override { Calls.emplace_back(Kind, Row); }
};

class Aggregates : public testing::GridRowsTest {
 protected:
  // A new grid for each case of a table.
  void FreshGrid() {
    delete FGrid;
    FGrid = new TExtStringGrid(FForm);
  }
  // Column 2 of rows 1.. holds Values (row 0 is the fixed row).
  void Fill(const std::vector<std::string>& Values) {
    FreshGrid();
    MakeGrid(static_cast<int>(Values.size()) + 1);
    for (std::size_t i = 0; i < Values.size(); ++i) FGrid->SetCells(2, static_cast<int>(i) + 1, Values[i]);
  }
  struct Results {
    double Sum, Average, Minimum, Maximum;
  };
  Results All(int From, int To) {
    return {FGrid->SumOfColumn(2, From, To), FGrid->AverageOfColumn(2, From, To),
            FGrid->MinimumOfColumn(2, From, To), FGrid->MaximumOfColumn(2, From, To)};
  }
  void Expect(const Results& Got, const Results& Want) {
    EXPECT_DOUBLE_EQ(Got.Sum, Want.Sum);
    EXPECT_DOUBLE_EQ(Got.Average, Want.Average);
    EXPECT_DOUBLE_EQ(Got.Minimum, Want.Minimum);
    EXPECT_DOUBLE_EQ(Got.Maximum, Want.Maximum);
  }
};

TEST_F(Aggregates, TheAverageCountsEveryRowOfTheRange) {
  Fill({"2", "x", "4"});
  EXPECT_DOUBLE_EQ(FGrid->AverageOfColumn(2, 1, 3), 2);  // 6 over three rows
  EXPECT_DOUBLE_EQ(FGrid->SumOfColumn(2, 1, 3), 6);
}

TEST_F(Aggregates, OverShownRows) {
  struct Case {
    const char* Name;
    std::vector<std::string> Values;
    int From, To;
    Results Want;
  };
  // clang-format off
  const Case cases[] = {
      {"plain numbers",                   {"1", "2", "3", "4"},          1, 4, {10, 2.5, 1, 4}},
      {"negative, decimal and currency",  {"-3", "1.5", "$ 2", "(4)"},   1, 4, {-3.5, -0.875, -4, 2}},
      // Minimum and maximum start from the first number read, not from the
      // first row, which holds none.
      {"first row without a number",      {"x", "5", "7"},               1, 3, {12, 4, 5, 7}},
      {"blanks are no numbers",           {"", "5", "-", "7"},           1, 4, {12, 3, 5, 7}},
      {"no number at all",                {"a", "", "b"},                1, 3, {0, 0, 0, 0}},
      {"all negative",                    {"-5", "-2", "-9"},            1, 3, {-16, -16.0 / 3, -9, -2}},
      {"a part of the column",            {"1", "20", "300", "4000"},    2, 3, {320, 160, 20, 300}},
      {"empty range",                     {"1", "2"},                    2, 1, {0, 0, 0, 0}},
      {"rows before the grid",            {"6", "8"},                   -1, 2, {14, 3.5, 6, 8}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill(c.Values);
    Expect(All(c.From, c.To), c.Want);
  }
}

TEST_F(Aggregates, OverHiddenRows) {
  struct Case {
    const char* Name;
    int HideFrom, HideTo;
    int From, To;
    Results Want;
  };
  // Real rows 1..9 hold 1..9; rows 3..5 are hidden, so display rows 1..6
  // are real rows 1, 2, 6, 7, 8, 9. A range within the rows on show reads
  // display rows; one reaching past them reads real rows, hidden or not.
  // clang-format off
  const Case cases[] = {
      {"nothing hidden",                 0, -1, 1, 9,  {45, 5, 1, 9}},
      {"shown rows only",                3, 5,  1, 4,  {16, 4, 1, 7}},
      {"all shown rows",                 3, 5,  1, 6,  {33, 5.5, 1, 9}},
      {"past the shown rows: real rows", 3, 5,  1, 9,  {45, 5, 1, 9}},
      {"real rows, from a hidden one",   3, 5,  4, 9,  {39, 6.5, 4, 9}},
      {"only hidden real rows",          2, 9,  2, 9,  {44, 5.5, 2, 9}},
      {"real rows past the last",        8, 9,  7, 12, {24, 4, 7, 9}},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill({"1", "2", "3", "4", "5", "6", "7", "8", "9"});
    FGrid->HideRowRange(c.HideFrom, c.HideTo);
    Expect(All(c.From, c.To), c.Want);
  }
}

TEST_F(Aggregates, MergedMembersCountOnceThroughTheirBase) {
  Fill({"5", "7", "1", "9"});
  // Rows 1 and 2 merged: the member keeps its own text, unseen.
  FGrid->MergeCellRange(2, 1, 1, 2);
  Expect(All(1, 4), {15, 3.75, 1, 9});
  // The same when the rows are hidden and read from their saved cells.
  FGrid->HideRowRange(1, 2);
  Expect(All(1, 4), {15, 3.75, 1, 9});
}

TEST_F(Aggregates, GroupingRowsArePassedOverWhileAColumnIsGrouped) {
  // Ungrouped, a node row and a row marked as a summary are data.
  Fill({"100", "1", "2", "50", "3"});
  FGrid->AddNode(1, 3);
  FGrid->MarkSummaryRow(4);
  EXPECT_DOUBLE_EQ(FGrid->SumOfColumn(2, 1, 5), 156);

  // Grouped on keys that read as numbers: the captions ("10", "20") land in
  // the values' column and must not count, nor the summaries under them.
  Fill({"1", "2", "4"});
  const char* keys[] = {"10", "10", "20"};
  for (int row = 1; row <= 3; ++row) FGrid->SetCells(1, row, keys[row - 1]);
  FGrid->Grouping()->SetSummary(true);
  FGrid->GroupOnColumn(1);
  ASSERT_EQ(FGrid->RowCount(), 8);  // fixed row, two captions, three rows, two summaries
  EXPECT_DOUBLE_EQ(FGrid->SumOfColumn(1, 1, 7), 7);
  EXPECT_DOUBLE_EQ(FGrid->MaximumOfColumn(1, 1, 7), 4);
  // Read as real rows (a range past the usable rows) every row counts.
  EXPECT_DOUBLE_EQ(FGrid->SumOfColumn(1, 1, 8), 37);
}

class AggregatesProgressTest : public testing::FormTest {};

TEST_F(AggregatesProgressTest, TheHookHearsStartEachRowAndEnd) {
  TProgressGrid grid(nullptr);
  grid.SetColCount(3);
  grid.SetRowCount(6);
  grid.SetCells(2, 2, "4");
  using Calls = std::vector<std::pair<int, int>>;
  grid.SumOfColumn(2, 1, 3);
  EXPECT_EQ(grid.Calls, (Calls{{0, -1}, {1, 1}, {1, 2}, {1, 3}, {2, -1}}));
  grid.Calls.clear();
  grid.AverageOfColumn(2, 3, 2);
  EXPECT_EQ(grid.Calls, (Calls{{0, -1}, {2, -1}}));
}

TEST_F(Aggregates, MappingAgreesWithACountOfTheHiddenRows) {
  // Every real row against a plain count, for several hidden patterns.
  const std::vector<std::vector<int>> patterns = {
      {0}, {19}, {0, 1, 2}, {5, 7, 9, 11}, {3, 4, 5, 6, 15, 16}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}};
  for (const auto& hidden : patterns) {
    SCOPED_TRACE(hidden.size());
    FreshGrid();
    MakeGrid(20);
    FGrid->HideRowList(hidden);
    int shownBefore = 0;
    for (int real = 0; real < 20; ++real) {
      const bool isHidden = std::find(hidden.begin(), hidden.end(), real) != hidden.end();
      EXPECT_EQ(FGrid->RowIsHidden(real), isHidden) << real;
      EXPECT_EQ(FGrid->RealToDisplayRow(real), shownBefore) << real;
      EXPECT_EQ(FGrid->GetHiddenAwareCellText(1, real), std::to_string(real));
      if (!isHidden) {
        EXPECT_EQ(FGrid->DisplayToRealRow(shownBefore), real);
        ++shownBefore;
      }
    }
  }
}

TEST(CellNumber, PlainNumbersReadAsTheGeneralRuleReadsThem) {
  // Each text both ways: in place, and through the number inside the text.
  const auto general = [](const std::string& Text, double& Value) {
    return plat::TryStrToFloat(ExtractNumberText(Text), Value, plat::TFormatSettings::English());
  };
  struct Case {
    const char* Locale;
    plat::TFormatSettings Settings;
    std::vector<std::string> Texts;
  };
  const Case cases[] = {
      {"point decimal", plat::TFormatSettings::English(),
       {"12", "-3.5", "007", "1.", "-0", "0.125", "123456789012345678901234567890", "1.2.3", "1,5", "--1", "-", "."}},
      {"comma decimal", plat::TFormatSettings::German(), {"12,5", "-0,25", "1.234", "1.234,5", "3", ",5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Locale);
    testing::TLocaleScope locale(c.Settings);
    for (const std::string& text : c.Texts) {
      SCOPED_TRACE(text);
      double fast = -1, slow = -1;
      const bool read = detail::TryReadCellNumber(text, fast);
      EXPECT_EQ(read, general(text, slow) && text != "-");
      if (read) {
        EXPECT_DOUBLE_EQ(fast, slow);
      }
    }
  }
}

}  // namespace
}  // namespace zorbit
