#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/os/SpreadsheetAutomation.h"
#include "platform/os/detail/XlsWorkbook.h"
#include "testing/FileContent.h"
#include "testing/ProjectPaths.h"
#include "testing/RunProgram.h"
#include "testing/TempFolder.h"

namespace {

using namespace plat;
using zorbit::testing::ReadFileContent;
using zorbit::testing::RunProgram;
using zorbit::testing::SourcePath;
using zorbit::testing::TTempFolder;
using TKind = TSheetValue::TKind;

TSheetValue Number(double value) { return {TKind::Number, value, {}}; }
TSheetValue Text(const String& value) { return {TKind::Text, 0, value}; }
const TSheetValue kEmpty;

// One workbook, made by the spreadsheet writer of Python, for all tests.
class SpreadsheetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Folder = new TTempFolder("zorbit-xls");
    const auto result = RunProgram({DEBIAN_PYTHON, MAKE_WORKBOOK_SCRIPT, Folder->File("book.xls")});
    ASSERT_EQ(result.ExitCode, 0) << result.Output;
  }
  static void TearDownTestSuite() {
    delete Folder;
    Folder = nullptr;
  }

  void SetUp() override { FApp = CreateSpreadsheetApplication("excel.application"); }

  TWorkbook& Open(const String& name = "book.xls") {
    return FApp->WorkBooks().Open(name.front() == '/' ? name : Folder->File(name));
  }

  static TTempFolder* Folder;
  std::unique_ptr<TSpreadsheetApplication> FApp;
};

TTempFolder* SpreadsheetTest::Folder = nullptr;

TEST_F(SpreadsheetTest, ReadsTheSheetsNamesAndTheFirstAsTheActiveOne) {
  TWorkbook& book = Open();
  ASSERT_EQ(book.SheetCount(), 3);
  EXPECT_EQ(book.Sheets(1).Name(), "Figures");
  EXPECT_EQ(book.Sheets(2).Name(), "Notes");
  EXPECT_EQ(book.Sheets(3).Name(), "One");
  EXPECT_EQ(book.ActiveSheet().Name(), "Figures");
  EXPECT_EQ(FApp->WorkBooks().Count(), 1);
}

TEST_F(SpreadsheetTest, UsedRangeRunsFromTheFirstToTheLastValue) {
  TWorkbook& book = Open();
  EXPECT_EQ(book.Sheets(1).UsedRangeAddress(), "$A$1:$E$4");
  EXPECT_EQ(book.Sheets(2).UsedRangeAddress(), "$B$2:$C$3");
  EXPECT_EQ(book.Sheets(3).UsedRangeAddress(), "$C$5");
}

TEST_F(SpreadsheetTest, ForEachValueVisitsOnlyTheCellsThatHoldOne) {
  const TRangeValues values = Open().Sheets(2).RangeValue("A1:IV65536");
  std::vector<std::tuple<int, int, TSheetValue>> visited;
  values.ForEachValue([&](int row, int column, const TSheetValue& value) { visited.emplace_back(row, column, value); });
  EXPECT_EQ(visited, (std::vector<std::tuple<int, int, TSheetValue>>{{1, 1, Text("only")}, {2, 2, Number(42)}}));
}

TEST_F(SpreadsheetTest, RangeValuesComeRowsFirstWithEmptyCells) {
  const TRangeValues values = Open().ActiveSheet().RangeValue("A1:E4");
  ASSERT_EQ(values.RowCount(), 4);
  ASSERT_EQ(values.ColumnCount(), 5);
  const std::vector<std::vector<TSheetValue>> expected = {
      {Text("Name"), Text("Count"), Text("Price"), Text("Since"), kEmpty},
      {Text("Alpha"), Number(3), Number(2.5), Text("2024-03-01"), kEmpty},
      {Text("Beta"), kEmpty, Number(-1.25), kEmpty, kEmpty},
      {kEmpty, Number(70000), kEmpty, kEmpty, Text("Grüße €")},
  };
  for (int row = 0; row < 4; ++row)
    for (int column = 0; column < 5; ++column)
      EXPECT_EQ(values.Value(row, column), expected[row][column]) << row << "," << column;
  EXPECT_EQ(values.Value(4, 0), kEmpty);
}

TEST_F(SpreadsheetTest, RangeAddressesInEveryForm) {
  const TWorksheet& notes = Open().Sheets(2);
  struct TCase {
    const char* Address;
    int Rows, Columns;
    TSheetValue TopLeft;
  };
  for (const TCase& c : {TCase{"B2:C3", 2, 2, Text("only")}, TCase{"$B$2:$C$3", 2, 2, Text("only")},
                         TCase{"c3:b2", 2, 2, Text("only")}, TCase{"C3", 1, 1, Number(42)},
                         TCase{"A1:IV65536", 65536, 256, kEmpty}}) {
    const TRangeValues values = notes.RangeValue(c.Address);
    EXPECT_EQ(values.RowCount(), c.Rows) << c.Address;
    EXPECT_EQ(values.ColumnCount(), c.Columns) << c.Address;
    EXPECT_EQ(values.Value(0, 0), c.TopLeft) << c.Address;
  }
  for (const char* bad : {"", "B", "2", "IW1", "A0", "A65537", "A1:", "A1B2", "$$A1"})
    EXPECT_THROW(notes.RangeValue(bad), EOleException) << bad;
}

TEST(SheetColumnLettersTest, OneLetterUpToZThenTwo) {
  const std::vector<std::pair<int, String>> cases = {{1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {256, "IV"}};
  for (const auto& [column, letters] : cases) EXPECT_EQ(SheetColumnLetters(column), letters) << column;
}

TEST_F(SpreadsheetTest, OtherFilesRaiseTheOpenErrorAndOpenNothing) {
  const String workbook = ReadFileContent(Folder->File("book.xls"));
  Folder->Write("book.xlsx", String("PK\x03\x04", 4) + String(200, '\0'));
  Folder->Write("book.csv", "a,b\n1,2\n");
  Folder->Write("truncated.xls", workbook.substr(0, 1536));
  struct TCase {
    const char* File;
    const char* Reason;
  };
  for (const TCase& c : {TCase{"book.xlsx", "it is not an .xls workbook"}, TCase{"book.csv", "it is not an .xls workbook"},
                         TCase{"missing.xls", "the file cannot be read"},
                         TCase{"truncated.xls", "the workbook is damaged"}}) {
    try {
      Open(c.File);
      ADD_FAILURE() << c.File << " opened";
    } catch (const EOleException& e) {
      EXPECT_EQ(e.Message().rfind("The workbook \"" + Folder->File(c.File) + "\" cannot be opened: " + c.Reason, 0), 0u)
          << e.Message();
      EXPECT_EQ(e.ErrorCode(), DISP_E_EXCEPTION);
    }
  }
  EXPECT_EQ(FApp->WorkBooks().Count(), 0);
}

// The library reads past a buffer on this file (found by fuzzing); the
// reading child may die of it, the caller never does.
TEST_F(SpreadsheetTest, AFileThatBreaksTheLibraryEndsOnlyTheChild) {
  try {
    Open(SourcePath("platform/os/tests/data/broken-iconv-underflow.xls"));
  } catch (const EOleException& e) {
    EXPECT_NE(e.Message().find("cannot be opened"), String::npos) << e.Message();
  }
}

TEST_F(SpreadsheetTest, CloseAndQuitEndTheObjects) {
  TWorkbook& book = Open();
  TWorkbook& second = Open();
  book.Close(false);
  EXPECT_EQ(FApp->WorkBooks().Count(), 1);
  EXPECT_THROW(book.ActiveSheet(), EOleException);
  EXPECT_THROW(book.Sheets(1), EOleException);
  EXPECT_THROW(second.Sheets(4), EOleException);
  EXPECT_THROW(second.Sheets(0), EOleException);
  FApp->Quit();
  EXPECT_TRUE(second.Closed());
  EXPECT_THROW(FApp->WorkBooks(), EOleException);
}

TEST(SpreadsheetApplicationTest, OnlyTheSpreadsheetClassIsKnown) {
  EXPECT_NE(CreateSpreadsheetApplication("Excel.Application"), nullptr);
  try {
    CreateSpreadsheetApplication("word.application");
    FAIL() << "created";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.Message(), "Invalid class string");
    EXPECT_EQ(e.ErrorCode(), CO_E_CLASSSTRING);
  }
}

TEST(WorkbookBytesTest, SheetsSurviveTheTripAndDamagedBytesAreRefused) {
  std::vector<TWorksheetData> sheets(2);
  sheets[0].Name = "A";
  sheets[0].Cells[{0, 0}] = Text(String("x\0y", 3));
  sheets[0].Cells[{65535, 255}] = Number(-0.5);
  sheets[1].Name = "Empty";
  const String bytes = EncodeWorkbookSheets(sheets);
  const std::vector<TWorksheetData> back = DecodeWorkbookSheets(bytes);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0].Name, "A");
  EXPECT_EQ(back[0].Cells, sheets[0].Cells);
  EXPECT_TRUE(back[1].Cells.empty());
  for (std::size_t size = 0; size < bytes.size(); ++size)
    EXPECT_THROW(DecodeWorkbookSheets(bytes.substr(0, size)), Exception) << size;
  EXPECT_THROW(DecodeWorkbookSheets(bytes + "z"), Exception);
}

}  // namespace
