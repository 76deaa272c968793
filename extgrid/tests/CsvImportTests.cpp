// Delimited files loaded into the grid from real files: where the cells
// land, the row count, the delimiter put back, progress and the failures.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/ExtGridError.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/tests/ImportHookGrid.h"
#include "platform/rtl/Exception.h"
#include "platform/ui/TForm.h"
#include "testing/FormTest.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

class CsvImport : public testing::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(nullptr);
    FGrid = new TExtStringGrid(FForm);
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  std::string File(const std::string& content) { return FFolder.Write("data.csv", content); }
  std::vector<std::string> Row(int row, int from, int to) {
    std::vector<std::string> texts;
    for (int col = from; col <= to; ++col) texts.push_back(FGrid->Cells(col, row));
    return texts;
  }
  testing::TTempFolder FFolder{"zorbit-csv"};
  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;
};

TEST_F(CsvImport, CellsFromTheFirstCellOrTheFirstNormalCell) {
  const std::string name = File("a;b,c\r\nd;e,f\r\n\"x,y\",z\r\n");
  FGrid->ImportCsvFile(name);
  EXPECT_EQ(FGrid->RowCount(), 3);
  EXPECT_EQ(FGrid->ColCount(), 5);  // grows only, from 5
  EXPECT_EQ(Row(0, 0, 1), (std::vector<std::string>{"a;b", "c"}));
  EXPECT_EQ(Row(2, 0, 1), (std::vector<std::string>{"x,y", "z"}));
  EXPECT_EQ(FGrid->CsvDelimiter(), '\0') << "the detected delimiter is for one load only";

  FGrid->SetIncludeFixedCells(false);
  FGrid->SetFixedFooters(1);
  FGrid->SetColCount(2);
  FGrid->ReadCsvIntoGrid(File("1,2,3\n4,5,6\n"), false);
  EXPECT_EQ(FGrid->RowCount(), 1 + 2 + 1);
  EXPECT_EQ(FGrid->ColCount(), 4);
  EXPECT_EQ(Row(1, 1, 3), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_EQ(Row(2, 1, 3), (std::vector<std::string>{"4", "5", "6"}));
}

TEST_F(CsvImport, EveryFieldIsStoredThroughTheImportHook) {
  auto* grid = new testing::TImportHookGrid(FForm);
  grid->SetIncludeFixedCells(false);
  grid->ImportCsvFile(File("a,\"b,c\"\nrest\n"));
  EXPECT_EQ(grid->Imported, (std::vector<std::string>{"1,1=a", "2,1=b,c", "1,2=rest"}));
  EXPECT_EQ(grid->Cells(2, 1), "B,C");
  EXPECT_EQ(grid->Cells(1, 2), "REST");
}

TEST_F(CsvImport, TheThreeLineEndsGiveTheSameRows) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const std::string e = end;
    FGrid->ImportCsvFile(File("a,b" + e + e + "c,d" + e));
    EXPECT_EQ(FGrid->RowCount(), 3) << "end " << int(e.back());
    EXPECT_EQ(Row(0, 0, 1), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Row(1, 0, 1), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Row(2, 0, 1), (std::vector<std::string>{"c", "d"}));
  }
}

TEST_F(CsvImport, AGivenDelimiterIsUsedAndKept) {
  FGrid->SetCsvDelimiter(';');
  FGrid->ImportCsvFile(File("a,b;c\nno delimiter here\n"));
  EXPECT_EQ(Row(0, 0, 1), (std::vector<std::string>{"a,b", "c"}));
  EXPECT_EQ(Row(1, 0, 1), (std::vector<std::string>{"no delimiter here", ""}));
  EXPECT_EQ(FGrid->CsvDelimiter(), ';');
}

TEST_F(CsvImport, AnEmptyFileChangesNothing) {
  FGrid->SetCsvDelimiter(';');
  FGrid->SetCells(1, 1, "kept");
  FGrid->ReadCsvIntoGrid(File(""), true);
  EXPECT_EQ(FGrid->RowCount(), 10);
  EXPECT_EQ(FGrid->Cells(1, 1), "kept");
  EXPECT_EQ(FGrid->CsvDelimiter(), ';');
  // Not appending: the rows are those of the (empty) file, and the grid
  // keeps the one row it cannot go without.
  FGrid->SetCsvDelimiter('\0');
  FGrid->SetIncludeFixedCells(false);
  FGrid->ImportCsvFile(File(""));
  EXPECT_EQ(FGrid->RowCount(), 1 + FGrid->FixedFooters());
  EXPECT_EQ(FGrid->CsvDelimiter(), '\0');
}

TEST_F(CsvImport, AppendAddsBelowAndTheFloatingFooterMovesDown) {
  FGrid->SetColCount(2);
  FGrid->SetRowCount(3);
  FGrid->SetCells(0, 1, "data");
  FGrid->SetCells(0, 2, "total");
  FGrid->FloatingFooter()->SetVisible(true);
  FGrid->ReadCsvIntoGrid(File("x,1\ny,2\n"), true);
  EXPECT_EQ(FGrid->RowCount(), 5);
  EXPECT_EQ(FGrid->Cells(0, 1), "data");
  EXPECT_EQ(Row(2, 0, 1), (std::vector<std::string>{"x", "1"}));
  EXPECT_EQ(Row(3, 0, 1), (std::vector<std::string>{"y", "2"}));
  EXPECT_EQ(FGrid->Cells(0, 4), "total");
  // Nothing to append: the footer's row stays its own.
  FGrid->ReadCsvIntoGrid(File(""), true);
  EXPECT_EQ(FGrid->RowCount(), 5);
  EXPECT_EQ(FGrid->Cells(0, 3), "y");
  EXPECT_EQ(FGrid->Cells(0, 4), "total");
}

TEST_F(CsvImport, TheFloatingFooterTakesItsHiddenColumnsAlong) {
  // Real column 0 is hidden: the row's cells lie in real columns 0..2.
  FGrid->SetColCount(2);
  FGrid->SetRowCount(2);
  FGrid->SetColumnShown(0, false);
  for (int col = 0; col < 3; ++col) FGrid->SetCells(col, 1, "total" + std::to_string(col));
  FGrid->FloatingFooter()->SetVisible(true);
  FGrid->SetIncludeFixedCells(false);
  FGrid->ReadCsvIntoGrid(File("x\n"), true);
  ASSERT_EQ(FGrid->RowCount(), 3);
  EXPECT_EQ(Row(1, 0, 2), (std::vector<std::string>{"", "x", ""}));
  EXPECT_EQ(Row(2, 0, 2), (std::vector<std::string>{"total0", "total1", "total2"}));
}

TEST_F(CsvImport, ProgressIsReportedOnlyWhenItChanges) {
  std::vector<int> reported;
  FGrid->OnFileProgress = [&](plat::TObject* Sender, std::int16_t Progress) {
    EXPECT_EQ(Sender, FGrid);
    reported.push_back(Progress);
  };
  FGrid->ImportCsvFile(File("a\nb\nc\n"));
  EXPECT_EQ(reported, (std::vector<int>{33, 67, 100}));

  // 8 lines: 12.5 rounds to 12 and 37.5 to 38 (halves to even).
  reported.clear();
  FGrid->ImportCsvFile(File("1\n2\n3\n4\n5\n6\n7\n8\n"));
  EXPECT_EQ(reported, (std::vector<int>{12, 25, 38, 50, 62, 75, 88, 100}));
}

TEST_F(CsvImport, ManyLinesGiveTheStartRowPlusOneRowEach) {
  std::string content;
  for (int i = 0; i < 2500; ++i) content += std::to_string(i) + ";" + std::to_string(i * 2) + "\r\n";
  const std::string name = File(content);
  FGrid->SetIncludeFixedCells(false);
  FGrid->ImportCsvFile(name);
  EXPECT_EQ(FGrid->RowCount(), 1 + 2500);
  EXPECT_EQ(Row(2500, 1, 2), (std::vector<std::string>{"2499", "4998"}));

  std::vector<int> reported;
  FGrid->OnFileProgress = [&](plat::TObject*, std::int16_t Progress) { reported.push_back(Progress); };
  FGrid->ImportCsvFile(name);
  EXPECT_EQ(FGrid->RowCount(), 1 + 2500);
  ASSERT_EQ(reported.size(), 101u);  // 0 (12 lines round down) to 100, each once
  for (int i = 0; i <= 100; ++i) EXPECT_EQ(reported[i], i);
}

TEST_F(CsvImport, AVeryWideLineGrowsTheColumnsOnce) {
  std::string wide = "first";
  for (int i = 1; i < 20000; ++i) wide += "," + std::to_string(i);
  FGrid->ImportCsvFile(File(wide + "\nshort,line\n"));
  EXPECT_EQ(FGrid->ColCount(), 20000);
  EXPECT_EQ(FGrid->Cells(19999, 0), "19999");
  EXPECT_EQ(FGrid->Cells(1, 1), "line");
}

TEST_F(CsvImport, OemLinesAreConverted) {
  FGrid->SetOemConvert(true);
  FGrid->ImportCsvFile(File("\x81,\x9C\n"));
  EXPECT_EQ(Row(0, 0, 1), (std::vector<std::string>{"\xC3\xBC", "\xC2\xA3"}));  // u umlaut, pound
}

TEST_F(CsvImport, AFileThatCannotBeOpenedRaisesAndChangesNothing) {
  FGrid->SetCells(1, 1, "kept");
  const std::string missing = FFolder.File("missing.csv");
  try {
    FGrid->ImportCsvFile(missing);
    ADD_FAILURE() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file " + missing);
  }
  EXPECT_EQ(FGrid->RowCount(), 10);
  EXPECT_EQ(FGrid->Cells(1, 1), "kept");
  EXPECT_EQ(FGrid->UpdateCount(), 0);
}

TEST_F(CsvImport, AReadErrorKeepsTheRowsAndEndsTheUpdate) {
  FGrid->SetCsvDelimiter('|');
  FGrid->SetRowCount(4);
  FGrid->SetCells(0, 3, "kept");
  // A folder opens but cannot be read.
  EXPECT_THROW(FGrid->ReadCsvIntoGrid(FFolder.Path(), true), plat::EInOutError);
  EXPECT_EQ(FGrid->RowCount(), 4);
  EXPECT_EQ(FGrid->Cells(0, 3), "kept");
  EXPECT_EQ(FGrid->CsvDelimiter(), '|');
  EXPECT_EQ(FGrid->UpdateCount(), 0);
  FGrid->SetCsvDelimiter('\0');
  EXPECT_THROW(FGrid->ReadCsvIntoGrid(FFolder.Path(), true), plat::EInOutError);
  EXPECT_EQ(FGrid->CsvDelimiter(), '\0');
  EXPECT_EQ(FGrid->UpdateCount(), 0);
}

}  // namespace
}  // namespace zorbit
