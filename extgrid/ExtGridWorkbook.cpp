// A worksheet's used range loaded into the grid through the spreadsheet
// application's automation objects.
#include <memory>

#include "extgrid/ExtGridError.h"
#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/SheetRange.h"
#include "platform/os/SpreadsheetAutomation.h"
#include "platform/rtl/SwallowedException.h"
#include "platform/ui/TScreen.h"

namespace zorbit {
namespace {

using plat::TSheetValue;

// Screen's cursor is the hourglass for the scope, whatever ends it.
class THourGlass {
 public:
  THourGlass() : FSaved(plat::Screen ? plat::Screen->Cursor() : plat::crDefault) {
    if (plat::Screen) plat::Screen->SetCursor(plat::crHourGlass);
  }
  ~THourGlass() {
    if (plat::Screen) plat::Screen->SetCursor(FSaved);
  }
  THourGlass(const THourGlass&) = delete;
  THourGlass& operator=(const THourGlass&) = delete;

 private:
  plat::TCursor FSaved;
};

const plat::TWorksheet& FindSheet(const plat::TWorkbook& Book, const plat::String& SheetName) {
  if (SheetName.empty()) return Book.ActiveSheet();
  const plat::TWorksheet* found = nullptr;
  for (int i = 1; i <= Book.SheetCount(); ++i)
    if (Book.Sheets(i).Name() == SheetName) found = &Book.Sheets(i);
  if (!found) throw EExtGridError("Excel worksheet " + SheetName + " not found");
  return *found;
}

}  // namespace

void TExtStringGrid::ReadExcelSheet(const plat::String& FileName, const plat::String& SheetName) {
  const THourGlass hourGlass;
  std::unique_ptr<plat::TSpreadsheetApplication> application;
  try {
    application = plat::CreateSpreadsheetApplication("excel.application");
  } catch (const plat::EOleSysError&) {
    // The message is fixed; what is missing goes to the log.
    plat::LogSwallowedException("TExtStringGrid::ReadExcelSheet");
    throw EExtGridError("Excel OLE server not found");
  }
  // However the load ends, the server is told to quit (which closes what
  // is still open) and the grid reports its cells changed.
  const auto finish = [&] {
    application->Quit();
    CellsChanged({0, 0, ColCount(), RowCount()});
    CalcFooter(-1);
  };
  try {
    TGridUpdateScope update(*this);
    plat::TWorkbook& book = application->WorkBooks().Open(FileName);
    const plat::TWorksheet& sheet = FindSheet(book, SheetName);
    const plat::String address = sheet.UsedRangeAddress();
    const detail::TSheetRange range = detail::ParseUsedRange(address);
    // Taken first: smaller counts would lower the fixed counts.
    const int startCol = FIncludeFixedCells ? 0 : FixedCols();
    const int startRow = FIncludeFixedCells ? 0 : FixedRows();
    // Read before the grid changes, so that a failure leaves it as it was.
    const plat::TRangeValues values = sheet.RangeValue(range.Valid() ? detail::RangeText(range) : address);
    if (range.Valid()) {
      SetColCount(startCol + range.LastCol - range.FirstCol + 1);
      SetRowCount(startRow + range.LastRow - range.FirstRow + 1);
      if (!FIncludeFixedCells && startCol < ColCount()) SetFixedCols(startCol);
      if (!FIncludeFixedCells && startRow < RowCount()) SetFixedRows(startRow);
    }
    // Empty cells and error values are not stored.
    values.ForEachValue([&](int r, int c, const TSheetValue& value) {
      if (value.Kind == TSheetValue::TKind::Text) SetImportText(startCol + c, startRow + r, value.Text);
    });
    book.Close(false);
  } catch (...) {  // passed on once the server was told to quit
    finish();
    throw;
  }
  finish();
}

}  // namespace zorbit
