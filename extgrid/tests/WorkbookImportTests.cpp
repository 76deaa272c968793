// Workbooks made by the tests with the spreadsheet application itself,
// loaded into the grid through it, and the used-range addresses read as a
// table.
#include <gtest/gtest.h>
#include <dirent.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "extgrid/ExtGridError.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/SheetRange.h"
#include "extgrid/tests/ImportHookGrid.h"
#include "platform/os/SpreadsheetAutomation.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"
#include "testing/EnvironmentVariable.h"
#include "testing/FormTest.h"
#include "testing/LocaleScope.h"
#include "testing/PlatformRoot.h"
#include "testing/SpreadsheetFiles.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

TEST(SheetRange, UsedRangeAddresses) {
  struct Case {
    const char* address;
    int firstRow, lastRow, firstCol, lastCol;
    bool valid;
  };
  // clang-format off
  const Case cases[] = {
      {"$A$1:$D$20",          1, 20,      1,  4,     true},
      {"$B$2",                2, 2,       2,  2,     true},  // one cell is a range of that cell
      {"$Z$3:$AA$4",          3, 4,       26, 27,    true},
      {"$AC$1:$IV$65536",     1, 65536,   29, 256,   true},
      {"$ZZ$1:$AAA$2",        1, 2,       702, 703,  true},
      {"$A$1:$XFD$1048576",   1, 1048576, 1,  16384, true},
      {"$A$1:$A$2000000",     1, 1048576, 1,  1,     true},  // bounded by the sheet's limits
      {"A1:B2",               -1, -1,     1,  256,   false}, // no "$": no numbers to read
      {"$XFE$1:$XFE$2",       1, 2,       -1, -1,    false},
      {"$ABCD$1",             1, 1,       -1, -1,    false},
      {"$a$1",                1, 1,       -1, -1,    false},
      {"$A$0:$B$2",           -1, 2,      1,  2,     false},
      {"$B$5:$A$1",           5, 1,       2,  1,     false},
      {"",                    -1, -1,     -1, -1,    false},
      {"$A$x",                -1, -1,     1,  1,     false},
  };
  // clang-format on
  for (const Case& c : cases) {
    const detail::TSheetRange range = detail::ParseUsedRange(c.address);
    EXPECT_EQ(range.FirstRow, c.firstRow) << c.address;
    EXPECT_EQ(range.LastRow, c.lastRow) << c.address;
    EXPECT_EQ(range.FirstCol, c.firstCol) << c.address;
    EXPECT_EQ(range.LastCol, c.lastCol) << c.address;
    EXPECT_EQ(range.Valid(), c.valid) << c.address;
  }
  EXPECT_EQ(detail::RangeText({1, 3, 26, 29}), "Z1:AC3");
  EXPECT_EQ(detail::RangeText({7, 7, 256, 256}), "IV7:IV7");
  EXPECT_EQ(detail::RangeText({1, 2, 703, 16384}), "AAA1:XFD2");
}

// The processes this program started that are still there.
std::vector<int> ChildProcesses() {
  std::vector<int> children;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    std::getline(stat, line);
    // "pid (command) state ppid ...": the command may hold blanks.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    std::string state;
    int parent = 0;
    rest >> state >> parent;
    if (parent == ::getpid()) children.push_back(std::stoi(name));
  }
  return children;
}

std::vector<std::string> Entries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

using testing::Boolean;
using testing::Date;
using testing::Empty;
using testing::Formula;
using testing::Number;
using testing::TFlatCell;

// "Wide" (the first sheet): texts, numbers, formula results, a boolean, a
// date and an error value, from A1 to AC4, past column Z. "Notes": two
// cells away from the corner. "One": the single cell C5. "Empty": nothing.
// "Γλώσσα": a sheet named in Greek holding Greek and Japanese text.
std::string ImportBook() {
  std::vector<TFlatCell> wideFirst = {testing::Text("Name"), testing::Text("Count")};
  wideFirst.resize(28);
  wideFirst.push_back(testing::Text("Far"));
  std::vector<TFlatCell> wideThird = {testing::Text("Beta")};
  wideThird.resize(28);
  wideThird.push_back(testing::Text("end"));
  return testing::FlatSpreadsheet({
      {"Wide",
       {wideFirst,
        {testing::Text("Alpha"), Number(3), Number(2.5)},
        wideThird,
        {Formula("of:=[.B2]*2"), Boolean(true), Date("2024-03-01"), Formula("of:=1/0"),
         Formula("of:=SUM([.B2:.C2])")}}},
      {"Notes", {{}, {Empty(), testing::Text("only")}, {Empty(), Empty(), Number(42)}}},
      {"One", {{}, {}, {}, {}, {Empty(), Empty(), testing::Text("x")}}},
      {"Empty", {}},
      {"Γλώσσα", {{testing::Text("Καλημέρα"), testing::Text("日本語")}}},
  });
}

// One server for the whole program, its temporary folder in a private
// TMPDIR so that what it leaves can be seen.
class WorkbookImport : public testing::FormTest {
 protected:
  static void SetUpTestSuite() {
    if (!testing::SpreadsheetApplicationInstalled()) return;
    Folder = new testing::TTempFolder("zorbit-workbooks");
    Temporary = new testing::TTempFolder("zorbit-workbook-tmp");
    TemporaryPath = new testing::TEnvironmentVariable("TMPDIR", Temporary->Path());
    Locale = new testing::TEnvironmentVariable("LC_ALL", "C.UTF-8");
    Root = new testing::TPlatformRoot("zorbit-workbook-root");
    Folder->Write("book.fods", ImportBook());
    for (const char* format : {"xls", "xlsx", "ods"}) {
      const auto result = testing::ConvertWorkbooks(*Folder, {"book.fods"}, format);
      ASSERT_EQ(result.ExitCode, 0) << result.Output;
    }
    StartServer();
  }
  // The server keeps its profile below the platform root it started under:
  // the suite's, not a test's, which goes at the test's end.
  static void StartServer() {
    const testing::TEnvironmentVariable root("ZORBIT_ROOT", Root->Path());
    plat::CreateSpreadsheetApplication("excel.application")->Quit();
  }
  static void TearDownTestSuite() {
    plat::ShutdownSpreadsheetApplication();
    delete Root;
    delete Locale;
    delete TemporaryPath;
    delete Temporary;
    delete Folder;
    Root = nullptr;
    Locale = TemporaryPath = nullptr;
    Temporary = Folder = nullptr;
  }
  void SetUp() override {
    if (!testing::SpreadsheetApplicationInstalled()) GTEST_SKIP() << testing::kSpreadsheetApplicationMissing;
    FormTest::SetUp();
    FForm = new plat::TForm(nullptr);
    FGrid = new TExtStringGrid(FForm);
    FGrid->SetParent(FForm);
    FGrid->OnCellsChanged = [this](plat::TObject*, const plat::TRect& R) {
      FChanges.push_back(std::to_string(R.Left) + "," + std::to_string(R.Top) + "," + std::to_string(R.Right) + "," +
                         std::to_string(R.Bottom));
    };
  }
  void TearDown() override {
    if (!testing::SpreadsheetApplicationInstalled()) return;
    delete FForm;
    FormTest::TearDown();
  }
  static std::string Book(const char* extension = "xls") { return Folder->File(std::string("book.") + extension); }

  static testing::TTempFolder* Folder;
  static testing::TTempFolder* Temporary;
  static testing::TEnvironmentVariable* TemporaryPath;
  static testing::TEnvironmentVariable* Locale;
  static testing::TPlatformRoot* Root;
  testing::TLocaleScope FLocale{plat::TFormatSettings::English()};
  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;
  std::vector<std::string> FChanges;
};

testing::TTempFolder* WorkbookImport::Folder = nullptr;
testing::TTempFolder* WorkbookImport::Temporary = nullptr;
testing::TEnvironmentVariable* WorkbookImport::TemporaryPath = nullptr;
testing::TEnvironmentVariable* WorkbookImport::Locale = nullptr;
testing::TPlatformRoot* WorkbookImport::Root = nullptr;

TEST_F(WorkbookImport, TheActiveSheetFillsTheGridWithWhatItsCellsShow) {
  for (const char* extension : {"xls", "xlsx", "ods", "fods"}) {
    FGrid->ImportSpreadsheetFile(Book(extension));
    EXPECT_EQ(FGrid->ColCount(), 29) << extension;
    EXPECT_EQ(FGrid->RowCount(), 4) << extension;
    EXPECT_EQ(FGrid->Cells(0, 0), "Name") << extension;
    EXPECT_EQ(FGrid->Cells(1, 1), "3") << extension;
    EXPECT_EQ(FGrid->Cells(2, 1), "2.5") << extension;
    EXPECT_EQ(FGrid->Cells(28, 0), "Far") << extension;
    EXPECT_EQ(FGrid->Cells(28, 2), "end") << extension;
    EXPECT_EQ(FGrid->Cells(27, 2), "") << extension;
    // Formula results, a boolean and a date as the sheet shows them; the
    // error value is not stored.
    EXPECT_EQ(FGrid->Cells(0, 3), "6") << extension;
    EXPECT_EQ(FGrid->Cells(1, 3), "TRUE") << extension;
    EXPECT_EQ(FGrid->Cells(2, 3), "2024-03-01") << extension;
    EXPECT_EQ(FGrid->Cells(3, 3), "") << extension;
    EXPECT_EQ(FGrid->Cells(4, 3), "5.5") << extension;
    EXPECT_EQ(FGrid->UpdateCount(), 0);
  }
  EXPECT_EQ(FChanges, std::vector<std::string>(4, "0,0,29,4"));
}

TEST_F(WorkbookImport, ANamedSheetNotStartingAtA1BelowTheFixedCells) {
  FGrid->SetIncludeFixedCells(false);
  FGrid->ReadExcelSheet(Book("xlsx"), "Notes");
  EXPECT_EQ(FGrid->ColCount(), 1 + 2);
  EXPECT_EQ(FGrid->RowCount(), 1 + 2);
  EXPECT_EQ(FGrid->FixedCols(), 1);
  EXPECT_EQ(FGrid->FixedRows(), 1);
  EXPECT_EQ(FGrid->Cells(1, 1), "only");
  EXPECT_EQ(FGrid->Cells(2, 2), "42");
  EXPECT_EQ(FGrid->Cells(2, 1), "");
}

TEST_F(WorkbookImport, ASheetNamedInAnotherScript) {
  FGrid->ReadExcelSheet(Book("ods"), "Γλώσσα");
  EXPECT_EQ(FGrid->ColCount(), 2);
  EXPECT_EQ(FGrid->RowCount(), 1);
  EXPECT_EQ(FGrid->Cells(0, 0), "Καλημέρα");
  EXPECT_EQ(FGrid->Cells(1, 0), "日本語");
}

TEST_F(WorkbookImport, EveryValueIsStoredThroughTheImportHook) {
  auto* grid = new testing::TImportHookGrid(FForm);
  grid->SetIncludeFixedCells(false);
  grid->ReadExcelSheet(Book(), "Notes");
  EXPECT_EQ(grid->Imported, (std::vector<std::string>{"1,1=only", "2,2=42"})) << "empty cells are not stored";
  EXPECT_EQ(grid->Cells(1, 1), "ONLY");
}

TEST_F(WorkbookImport, ASingleUsedCellLoadsThatCell) {
  FGrid->ReadExcelSheet(Book(), "One");
  EXPECT_EQ(FGrid->ColCount(), 1);
  EXPECT_EQ(FGrid->RowCount(), 1);
  EXPECT_EQ(FGrid->Cells(0, 0), "x");
}

TEST_F(WorkbookImport, AnEmptySheetLoadsOneEmptyCell) {
  FGrid->SetCells(0, 0, "before");
  FGrid->ReadExcelSheet(Book("xlsx"), "Empty");
  EXPECT_EQ(FGrid->ColCount(), 1);
  EXPECT_EQ(FGrid->RowCount(), 1);
  EXPECT_EQ(FGrid->Cells(0, 0), "before") << "an empty cell stores nothing";
}

// Whatever fails, the cursor comes back, the grid stays as it was, and its
// cells are reported changed once.
TEST_F(WorkbookImport, FailuresRestoreTheCursorAndChangeNothing) {
  plat::Screen->SetCursor(plat::crCross);
  FGrid->SetCells(1, 1, "kept");
  try {
    FGrid->ReadExcelSheet(Book(), "Nope");
    ADD_FAILURE() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Excel worksheet Nope not found");
  }
  const testing::TTempFolder hostile("zorbit-hostile-books");
  std::string random;
  for (int i = 0; i < 4096; ++i) random += static_cast<char>((i * 7919 + 13) % 251);
  const std::string workbook = Folder->Read("book.xls");
  std::filesystem::create_directory(hostile.File("folder.xls"));
  for (const std::string& file :
       {hostile.Write("random.xls", random), hostile.Write("truncated.xls", workbook.substr(0, workbook.size() / 2)),
        hostile.Write("empty.xls", ""), hostile.File("folder.xls"), hostile.File("missing.xls")}) {
    try {
      FGrid->ImportSpreadsheetFile(file);
      ADD_FAILURE() << file << " loaded";
    } catch (const plat::EOleException& e) {
      EXPECT_EQ(e.Message().rfind("The workbook \"" + file + "\" cannot be opened: ", 0), 0u) << e.Message();
    }
  }
  EXPECT_EQ(plat::Screen->Cursor(), plat::crCross);
  EXPECT_EQ(FGrid->UpdateCount(), 0);
  EXPECT_EQ(FGrid->RowCount(), 10);
  EXPECT_EQ(FGrid->ColCount(), 5);
  EXPECT_EQ(FGrid->Cells(1, 1), "kept");
  EXPECT_EQ(FChanges, std::vector<std::string>(6, "0,0,5,10"));
  // Once the program's end stops the server, nothing of it is left.
  plat::ShutdownSpreadsheetApplication();
  EXPECT_EQ(ChildProcesses(), std::vector<int>{});
  for (const std::string& name : Entries(Temporary->Path()))
    EXPECT_NE(name.rfind("zorbit-spreadsheet-", 0), 0u) << name << " is left";
  EXPECT_EQ(Entries(hostile.Path()).size(), 4u) << "no lock file beside the workbooks";
  StartServer();
}

TEST_F(WorkbookImport, WithoutTheApplicationTheServerIsNotFound) {
  plat::ShutdownSpreadsheetApplication();
  plat::Screen->SetCursor(plat::crCross);
  {
    const testing::TTempFolder nothing("zorbit-no-programs");
    const testing::TEnvironmentVariable path("PATH", nothing.Path());
    try {
      FGrid->ImportSpreadsheetFile(Book());
      ADD_FAILURE() << "no error";
    } catch (const EExtGridError& e) {
      EXPECT_EQ(e.Message(), "Excel OLE server not found");
    }
  }
  EXPECT_EQ(plat::Screen->Cursor(), plat::crCross);
  EXPECT_EQ(FGrid->RowCount(), 10);
  EXPECT_EQ(FChanges, std::vector<std::string>{}) << "the server never started";
  StartServer();
}

}  // namespace
}  // namespace zorbit
