// Sorting the grid: comparisons by style, sorts by column and by the index
// list, blanks, ties, footers and fixed columns kept in place, the current
// row, the load order and UnSort, the scratch rows taken down after a
// failing comparison, and the row exchange.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "extgrid/ExtGridError.h"
#include "extgrid/tests/SortGridFixture.h"
#include "grid/ExtUtilUnicode.h"
#include "grid/TCellProperties.h"

namespace zorbit::testing {
namespace {

using S = TSortStyle;

class SortTest : public SortGridTest {};

TEST_F(SortTest, CompareCellsFollowsTheColumnsStyle) {
  struct Case {
    const char* Name;
    TSortStyle Style;
    std::string Prefix, Text1, Text2;
    int Expected;
    // The pair the other way round; the automatic style follows the first.
    int Reversed = -Expected;
  };
  // clang-format off
  const Case cases[] = {
      {"automatic number",            S::ssAutomatic,     "",  "9",         "10",          -1},
      {"automatic decimal",           S::ssAutomatic,     "",  "12.5",      "9",            1},
      {"automatic date",              S::ssAutomatic,     "",  "3/1/2001",  "12/25/2000",   1},
      {"automatic time",              S::ssAutomatic,     "",  "10:15",     "9:05",         1},
      {"automatic text",              S::ssAutomatic,     "",  "b",         "a",            1},
      {"automatic by the first cell", S::ssAutomatic,     "",  "b",         "10",           1,  1},
      {"alphabetic is byte order",    S::ssAlphabetic,    "",  "B",         "a",           -1},
      {"alphabetic numbers as text",  S::ssAlphabetic,    "",  "9",         "10",           1},
      {"no case",                     S::ssAlphaNoCase,   "",  "B",         "a",            1},
      {"no case equal",               S::ssAlphaNoCase,   "",  "abc",       "ABC",          0},
      {"numeric",                     S::ssNumeric,       "",  "9",         "10",          -1},
      {"numeric prefix",              S::ssNumeric,       "$", "$9",        "$10",         -1},
      {"numeric neither converts",    S::ssNumeric,       "",  "abc",       "xyz",          0},
      {"numeric partial value",       S::ssNumeric,       "",  "5x",        "10",          -1},
      {"numeric empty is zero",       S::ssNumeric,       "",  "",          "-3",           1},
      {"numeric keeps thousands",     S::ssNumeric,       "",  "1,200",     "900",         -1},
      {"financial drops thousands",   S::ssFinancial,     "",  "1,200",     "900",          1},
      {"date",                        S::ssDate,          "",  "3/1/2001",  "12/25/2000",   1},
      {"date empty is zero",          S::ssDate,          "",  "",          "1/1/1990",    -1},
      {"date failed is zero",         S::ssDate,          "",  "soon",      "1/1/1990",    -1},
      {"time",                        S::ssTime,          "",  "10:15",     "9:05",         1},
      {"day month year",              S::ssShortDateEU,   "",  "01/03/2001","02/01/2001",   1},
      {"month day year",              S::ssShortDateUS,   "",  "01/03/2001","02/01/2001",  -1},
      {"ansi case",                   S::ssAnsiAlphaCase, "",  "a",         "B",            1},
      {"ansi no case",                S::ssAnsiAlphaNoCase,"", "a",         "B",           -1},
      {"html stripped",               S::ssHTML,          "",  "<b>b</b>",  "a",            1},
      {"alphanumeric numbers",        S::ssAlphaNumeric,  "",  "9",         "10",          -1},
      {"alphanumeric mixed as text",  S::ssAlphaNumeric,  "",  "a",         "10",           1},
      {"alphanumeric no case",        S::ssAlphaNumericNoCase,"","B",       "a",            1},
      {"custom without handler",      S::ssCustom,        "",  "a",         "b",            0},
      {"raw without handler",         S::ssRaw,           "",  "a",         "b",            0},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill({"t|t", "x|" + c.Text1, "x|" + c.Text2});
    FGrid->OnGetFormat = [&c](plat::TObject*, int, TSortStyle& Style, plat::String& Prefix, plat::String&) {
      if (c.Style != S::ssAutomatic) Style = c.Style;
      Prefix = c.Prefix;
    };
    EXPECT_EQ(FGrid->CompareCells(1, 1, 2, TSortDirection::sdAscending), c.Expected);
    EXPECT_EQ(FGrid->CompareCells(1, 2, 1, TSortDirection::sdAscending), c.Reversed);
  }
}

TEST_F(SortTest, UnicodeCheckBoxCustomAndRawStyles) {
  Fill({"t|t", "x|", "x|A"});
  FGrid->SetCells(1, 1, EncodeUnicodeCellText(u"b"));
  TSortStyle style = S::ssUnicode;
  FGrid->OnGetFormat = [&style](plat::TObject*, int, TSortStyle& Style, plat::String&, plat::String&) {
    Style = style;
  };
  EXPECT_EQ(FGrid->CompareCells(1, 1, 2, TSortDirection::sdAscending), 1);

  style = S::ssCustom;
  std::vector<std::string> asked;
  FGrid->OnCustomCompare = [&asked](plat::TObject*, const plat::String& A, const plat::String& B, int& Res) {
    asked.push_back(A + "," + B);
    Res = 7;
  };
  EXPECT_EQ(FGrid->CompareCells(1, 2, 1, TSortDirection::sdAscending), 7);
  EXPECT_EQ(asked, std::vector<std::string>{"A," + EncodeUnicodeCellText(u"b")});

  style = S::ssRaw;
  FGrid->OnRawCompare = [](plat::TObject*, int ACol, int Row1, int Row2, int& Res) { Res = ACol * 100 + Row1 * 10 + Row2; };
  EXPECT_EQ(FGrid->CompareCells(1, 2, 1, TSortDirection::sdAscending), 121);

  style = S::ssCheckBox;
  for (int row : {1, 2}) FGrid->CreateCellGraphic(1, row)->SetCellType(TCellType::ctCheckBox);
  FGrid->SetCheckBoxState(1, 2, true);
  EXPECT_EQ(FGrid->CompareCells(1, 1, 2, TSortDirection::sdAscending), -1);
  // A check box decides the automatic style by the first cell.
  style = S::ssAutomatic;
  EXPECT_EQ(FGrid->CompareCells(1, 2, 1, TSortDirection::sdAscending), 1);
}

TEST_F(SortTest, QSortOrdersByTheDetectedStyleBothWays) {
  struct Case {
    const char* Name;
    std::vector<std::string> Values;
    const char* Ascending;
    const char* Descending;
  };
  // clang-format off
  const Case cases[] = {
      {"numbers", {"12.5", "9", "10", "1"},                       "1 9 10 12.5",                   "12.5 10 9 1"},
      {"dates",   {"3/1/2001", "12/25/2000", "1/2/2001"},          "12/25/2000 1/2/2001 3/1/2001",  "3/1/2001 1/2/2001 12/25/2000"},
      {"times",   {"10:15", "9:05", "23:00"},                      "9:05 10:15 23:00",              "23:00 10:15 9:05"},
      {"text",    {"pear", "apple", "fig"},                        "apple fig pear",                "pear fig apple"},
  };
  // clang-format on
  for (const Case& c : cases) {
    for (const bool ascending : {true, false}) {
      SCOPED_TRACE(std::string(c.Name) + (ascending ? " ascending" : " descending"));
      std::vector<std::string> rows{"#|v"};
      for (const std::string& v : c.Values) rows.push_back("|" + v);
      Fill(rows);
      FGrid->SortSettings()->SetColumn(1);
      FGrid->SortSettings()->SetDirection(ascending ? TSortDirection::sdAscending : TSortDirection::sdDescending);
      FGrid->QSort();
      EXPECT_EQ(Column(1), ascending ? c.Ascending : c.Descending);
      EXPECT_EQ(FGrid->RowCount(), static_cast<int>(rows.size()));
    }
  }
}

TEST_F(SortTest, IgnoredBlanksStayAtTheirEndInBothDirections) {
  struct Case {
    TSortBlankPosition Pos;
    TSortDirection Direction;
    const char* Expected;
  };
  const Case cases[] = {
      {TSortBlankPosition::blLast, TSortDirection::sdAscending, "a b c _ _"},
      {TSortBlankPosition::blLast, TSortDirection::sdDescending, "c b a _ _"},
      {TSortBlankPosition::blFirst, TSortDirection::sdAscending, "_ _ a b c"},
      {TSortBlankPosition::blFirst, TSortDirection::sdDescending, "_ _ c b a"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Expected);
    Fill({"#|v", "|b", "|", "|c", "|a", "|"});
    FGrid->SortSettings()->SetColumn(1);
    FGrid->SortSettings()->SetIgnoreBlanks(true);
    FGrid->SortSettings()->SetBlankPos(c.Pos);
    FGrid->SortSettings()->SetDirection(c.Direction);
    FGrid->QSort();
    EXPECT_EQ(Column(1), c.Expected);
  }
}

TEST_F(SortTest, FullBreaksTiesByTheNextColumns) {
  Fill({"#|k|v|w", "|1|c|", "|0|b|2", "|1|a|", "|0|b|1", "|0|a|9"});
  FGrid->SortSettings()->SetColumn(1);
  FGrid->SortSettings()->SetFull(true);
  FGrid->QSort();
  EXPECT_EQ(Column(1) + " / " + Column(2) + " / " + Column(3), "0 0 0 1 1 / a b b a c / 9 1 2 _ _");
}

TEST_F(SortTest, FootersAndTheFixedFirstColumnStayInPlace) {
  Fill({"#|v", "1|c", "2|a", "3|b", "sum|total"});
  FGrid->SetFixedFooters(1);
  FGrid->SortSettings()->SetColumn(1);
  FGrid->SortSettings()->SetNormalCellsOnly(true);
  FGrid->QSort();
  EXPECT_EQ(Column(1), "a b c total");
  EXPECT_EQ(Column(0), "1 2 3 sum");
  // Without NormalCellsOnly the first column moves with its rows.
  FGrid->SortSettings()->SetNormalCellsOnly(false);
  FGrid->SortSettings()->SetDirection(TSortDirection::sdDescending);
  FGrid->QSort();
  EXPECT_EQ(Column(1), "c b a total");
  EXPECT_EQ(Column(0), "3 2 1 sum");
}

TEST_F(SortTest, UnSortRestoresTheLoadOrder) {
  const char* loaded = "d b e a c";
  Fill({"#|v|w", "|d|2", "|b|5", "|e|1", "|a|4", "|c|3"});
  // Nothing to restore before a sort built the list.
  FGrid->UnSort();
  EXPECT_EQ(Column(1), loaded);
  FGrid->SortSettings()->SetColumn(1);
  FGrid->QSort();
  FGrid->SortSettings()->SetColumn(2);
  FGrid->QSort();
  EXPECT_EQ(Column(1), "e d c a b");
  FGrid->UnSort();
  EXPECT_EQ(Column(1), loaded);

  // Inserted rows come after the rows loaded before them.
  FGrid->SortSettings()->SetColumn(1);
  FGrid->QSort();
  FGrid->InsertRows(2, 1);
  FGrid->SetCells(1, 2, "x");
  FGrid->RemoveRows(4, 1);  // "c"
  EXPECT_EQ(Column(1), "a x b d e");
  FGrid->UnSort();
  EXPECT_EQ(Column(1), "d b e a x");
}

TEST_F(SortTest, UnSortKeepsFootersInPlace) {
  Fill({"#|v", "|c", "|a", "|b", "|sum"});
  FGrid->SetFixedFooters(1);
  FGrid->SortSettings()->SetColumn(1);
  FGrid->QSort();
  FGrid->InsertRows(4, 1);  // before the footer
  FGrid->SetCells(1, 4, "x");
  FGrid->UnSort();
  EXPECT_EQ(Column(1), "c a b x sum");
}

TEST_F(SortTest, IndexedSortTakesEachEntrysDirection) {
  Fill({"#|k|v", "|1|a", "|0|b", "|1|c", "|0|a"});
  FGrid->SortSettings()->SetFull(true);
  FGrid->SortIndexes()->AppendColumn(1, true);
  FGrid->SortIndexes()->AppendColumn(2, false);
  FGrid->SortByIndexColumns();
  EXPECT_EQ(Column(1) + " / " + Column(2), "0 0 1 1 / b a c a");
  EXPECT_EQ(FGrid->SortIndexes()->Count(), 2);
  // QSort clears the list.
  FGrid->SortSettings()->SetColumn(2);
  FGrid->QSort();
  EXPECT_EQ(FGrid->SortIndexes()->Count(), 0);
}

TEST_F(SortTest, RefusedSortsChangeNothing) {
  struct Case {
    const char* Name;
    std::function<void(TExtStringGrid*)> Sort;
    const char* Error;
  };
  const Case cases[] = {
      {"empty index list", [](TExtStringGrid* G) { G->SortByIndexColumns(); },
       "No indexes specified for indexed sort"},
      {"index entry outside the grid",
       [](TExtStringGrid* G) {
         G->SortIndexes()->AppendColumn(1, true);
         G->SortIndexes()->AppendColumn(9, true);
         G->SortByIndexColumns();
       },
       nullptr},
      {"sort column outside the grid",
       [](TExtStringGrid* G) {
         G->SortSettings()->SetColumn(5);
         G->QSort();
       },
       nullptr},
      {"negative sort column",
       [](TExtStringGrid* G) {
         G->SortSettings()->SetColumn(-1);
         G->QSort();
       },
       nullptr},
      {"node sort outside the grid",
       [](TExtStringGrid* G) {
         G->SortSettings()->SetColumn(3);
         G->SortNodesByColumn();
       },
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Fill({"#|v", "|c", "|a", "|b"});
    FGrid->SortIndexes()->Clear();
    int updates = 0;
    FGrid->OnRowUpdate = [&updates](plat::TObject*, int, int) { ++updates; };
    if (c.Error) {
      try {
        c.Sort(FGrid);
        ADD_FAILURE() << "no error";
      } catch (const EExtGridError& e) {
        EXPECT_EQ(e.Message(), c.Error);
      }
    } else {
      c.Sort(FGrid);
    }
    EXPECT_EQ(Column(1), "c a b");
    EXPECT_EQ(FGrid->RowCount(), 4);
    EXPECT_EQ(FGrid->UpdateCount(), 0);
    EXPECT_EQ(updates, 0);
  }
}

TEST_F(SortTest, TheCurrentRowStaysOrFollowsItsData) {
  Fill({"#|v", "|c", "|a", "|b"});
  FGrid->SortSettings()->SetColumn(1);
  FGrid->SetRow(1);  // "c"
  std::vector<std::pair<int, int>> updates;
  FGrid->OnRowUpdate = [&updates](plat::TObject*, int OldRow, int NewRow) { updates.emplace_back(OldRow, NewRow); };
  FGrid->QSort();
  EXPECT_EQ(FGrid->Row(), 1);
  EXPECT_EQ(updates, (std::vector<std::pair<int, int>>{{1, 1}}));

  FGrid->Navigation()->SetMoveRowOnSort(true);
  FGrid->SortSettings()->SetDirection(TSortDirection::sdDescending);
  FGrid->SetRow(1);  // "a"
  FGrid->QSort();
  EXPECT_EQ(Column(1), "c b a");
  EXPECT_EQ(FGrid->Row(), 3);
}

TEST_F(SortTest, RawComparisonsReadThePivotRowsCopy) {
  Fill({"#|v", "|30", "|4", "|100", "|15", "|7"});
  FGrid->OnGetFormat = [](plat::TObject*, int, TSortStyle& Style, plat::String&, plat::String&) {
    Style = S::ssRaw;
  };
  int rowsSeen = 0;
  FGrid->OnRawCompare = [this, &rowsSeen](plat::TObject*, int ACol, int Row1, int Row2, int& Res) {
    rowsSeen = std::max({rowsSeen, Row1, Row2});
    const int a = std::stoi(FGrid->Cells(ACol, Row1)), b = std::stoi(FGrid->Cells(ACol, Row2));
    Res = (a > b) - (a < b);
  };
  FGrid->SortSettings()->SetColumn(1);
  FGrid->QSort();
  EXPECT_EQ(Column(1), "4 7 15 30 100");
  // The pivot's copy lives in the middle scratch row, gone afterwards.
  EXPECT_EQ(rowsSeen, 7);
  EXPECT_EQ(FGrid->RowCount(), 6);
  EXPECT_EQ(FGrid->Cells(1, 7), "");
}

TEST_F(SortTest, AFailingComparisonLeavesTheGridWhole) {
  Fill({"n|v", "1|c", "2|a", "3|b"});
  FGrid->SortSettings()->SetColumn(1);
  FGrid->SortSettings()->SetNormalCellsOnly(true);
  FGrid->OnGetFormat = [](plat::TObject*, int, TSortStyle& Style, plat::String&, plat::String&) {
    Style = S::ssCustom;
  };
  int calls = 0;
  FGrid->OnCustomCompare = [&calls](plat::TObject*, const plat::String& A, const plat::String& B, int& Res) {
    if (++calls == 3) throw std::runtime_error("handler failed");
    Res = A.compare(B) < 0 ? -1 : A == B ? 0 : 1;
  };
  EXPECT_THROW(FGrid->QSort(), std::runtime_error);
  EXPECT_EQ(FGrid->RowCount(), 4);
  EXPECT_EQ(FGrid->UpdateCount(), 0);
  EXPECT_EQ(Column(0), "1 2 3");
  EXPECT_EQ(FGrid->Cells(1, 5), "");
}

TEST_F(SortTest, NodeSortsSortEachExpandedNodesChildren) {
  Fill({"#|v", "|z", "|head", "|c", "|a", "|b", "|y", "|x"});
  FGrid->AddNode(2, 4);
  FGrid->SortSettings()->SetColumn(1);
  FGrid->SortNodesByColumn();
  EXPECT_EQ(Column(1), "z head a b c y x");
  FGrid->SortIndexes()->AppendColumn(1, false);
  FGrid->SortNodesByIndex();
  EXPECT_EQ(Column(1), "z head c b a y x");
}

TEST_F(SortTest, ExchangeRowsMovesWholeRowsAndWhatFollowsThem) {
  Fill({"#|a|b", "|1|x", "|2|y", "|3|z"});
  FGrid->SetCells(7, 1, "beyond");  // a hidden column's cell lives past ColCount
  TCellProperties* properties = FGrid->GetCellProperties(2, 1);
  FGrid->SetRowHeights(1, 40);
  FGrid->SetRowModified(1, true);
  FGrid->ExchangeRows(1, 3);
  EXPECT_EQ(Column(1) + " / " + Column(2), "3 2 1 / z y x");
  EXPECT_EQ(FGrid->Cells(7, 3), "beyond");
  EXPECT_EQ(FGrid->GetGridObject(2, 3), properties);
  EXPECT_EQ(properties->OwnerRow(), 3);
  EXPECT_EQ(properties->OwnerCol(), 2);
  EXPECT_EQ(FGrid->RowHeights(3), 40);
  EXPECT_TRUE(FGrid->IsRowModified(3));
  EXPECT_FALSE(FGrid->IsRowModified(1));
  EXPECT_EQ(FGrid->SwapCount(), 1);
  EXPECT_THROW(FGrid->ExchangeRows(0, 4), plat::EListError);
}

}  // namespace
}  // namespace zorbit::testing
