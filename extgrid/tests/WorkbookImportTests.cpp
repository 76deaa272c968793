// Workbooks made by the tests (with Python's spreadsheet writer) loaded
// into the grid, and the used-range addresses read as a table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "extgrid/ExtGridError.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/SheetRange.h"
#include "extgrid/tests/ImportHookGrid.h"
#include "platform/os/SpreadsheetAutomation.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"
#include "testing/FormTest.h"
#include "testing/LocaleScope.h"
#include "testing/RunProgram.h"
#include "testing/TempFolder.h"

namespace zorbit {
namespace {

TEST(SheetRange, UsedRangeAddresses) {
  struct Case {
    const char* address;
    int firstRow, lastRow, firstCol, lastCol;
    bool valid;
  };
  const Case cases[] = {
      {"$A$1:$D$20", 1, 20, 1, 4, true},
      {"$B$2", 2, 2, 2, 2, true},  // one cell is a range of that cell
      {"$Z$3:$AA$4", 3, 4, 26, 27, true},
      {"$AC$1:$IV$65536", 1, 65536, 29, 256, true},
      {"$A$1:$A$70000", 1, 65536, 1, 1, true},  // bounded by the sheet's limits
      {"A1:B2", -1, -1, 1, 256, false},         // no "$": no numbers to read
      {"$ABC$1:$ABD$2", 1, 2, -1, -1, false},
      {"$a$1", 1, 1, -1, -1, false},
      {"$A$0:$B$2", -1, 2, 1, 2, false},
      {"$B$5:$A$1", 5, 1, 2, 1, false},
      {"", -1, -1, -1, -1, false},
      {"$A$x", -1, -1, 1, 1, false},
  };
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
}

class WorkbookImport : public testing::FormTest {
 protected:
  static void SetUpTestSuite() {
    Folder = new testing::TTempFolder("zorbit-xls-import");
    const auto result = testing::RunProgram({DEBIAN_PYTHON, MAKE_IMPORT_WORKBOOK_SCRIPT, Folder->File("book.xls")});
    ASSERT_EQ(result.ExitCode, 0) << result.Output;
  }
  static void TearDownTestSuite() {
    delete Folder;
    Folder = nullptr;
  }
  void SetUp() override {
    FormTest::SetUp();
    FForm = new plat::TForm(nullptr);
    FGrid = new TExtStringGrid(FForm);
  }
  void TearDown() override {
    delete FForm;
    FormTest::TearDown();
  }
  static std::string Book() { return Folder->File("book.xls"); }

  static testing::TTempFolder* Folder;
  testing::TLocaleScope FLocale{plat::TFormatSettings::English()};
  plat::TForm* FForm = nullptr;
  TExtStringGrid* FGrid = nullptr;
};

testing::TTempFolder* WorkbookImport::Folder = nullptr;

TEST_F(WorkbookImport, TheActiveSheetFillsTheGridPastColumnZ) {
  FGrid->ImportSpreadsheetFile(Book());
  EXPECT_EQ(FGrid->ColCount(), 29);
  EXPECT_EQ(FGrid->RowCount(), 3);
  EXPECT_EQ(FGrid->Cells(0, 0), "Name");
  EXPECT_EQ(FGrid->Cells(1, 1), "3");
  EXPECT_EQ(FGrid->Cells(2, 1), "2.5");
  EXPECT_EQ(FGrid->Cells(28, 0), "Far");
  EXPECT_EQ(FGrid->Cells(28, 2), "end");
  EXPECT_EQ(FGrid->Cells(27, 2), "");
  EXPECT_EQ(FGrid->UpdateCount(), 0);
}

TEST_F(WorkbookImport, ANamedSheetBelowTheFixedCells) {
  FGrid->SetIncludeFixedCells(false);
  FGrid->ReadExcelSheet(Book(), "Notes");
  EXPECT_EQ(FGrid->ColCount(), 1 + 2);
  EXPECT_EQ(FGrid->RowCount(), 1 + 2);
  EXPECT_EQ(FGrid->FixedCols(), 1);
  EXPECT_EQ(FGrid->FixedRows(), 1);
  EXPECT_EQ(FGrid->Cells(1, 1), "only");
  EXPECT_EQ(FGrid->Cells(2, 2), "42");
  EXPECT_EQ(FGrid->Cells(2, 1), "");
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

TEST_F(WorkbookImport, FailuresRestoreTheCursorAndChangeNothing) {
  plat::Screen->SetCursor(plat::crCross);
  FGrid->SetCells(1, 1, "kept");
  try {
    FGrid->ReadExcelSheet(Book(), "Nope");
    ADD_FAILURE() << "no error";
  } catch (const EExtGridError& e) {
    EXPECT_EQ(e.Message(), "Excel worksheet Nope not found");
  }
  const std::string notABook = Folder->Write("table.xlsx", "a,b\n");
  EXPECT_THROW(FGrid->ImportSpreadsheetFile(notABook), plat::EOleException);
  EXPECT_THROW(FGrid->ImportSpreadsheetFile(Folder->File("missing.xls")), plat::EOleException);
  EXPECT_EQ(plat::Screen->Cursor(), plat::crCross);
  EXPECT_EQ(FGrid->UpdateCount(), 0);
  EXPECT_EQ(FGrid->RowCount(), 10);
  EXPECT_EQ(FGrid->Cells(1, 1), "kept");
}

}  // namespace
}  // namespace zorbit
