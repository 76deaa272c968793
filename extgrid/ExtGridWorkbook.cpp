// A worksheet's used range loaded into the grid through the spreadsheet
// application's automation objects.
#include <memory>

#include "extgrid/ExtGridError.h"
#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/SheetRange.h"
#include "platform/os/SpreadsheetAutomation.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/ScopeExit.h"
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

plat::String ValueText(const TSheetValue& Value) {
  return Value.Kind == TSheetValue::TKind::Number ? plat::FloatToStr(Value.Number) : Value.Text;
}

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
    throw EExtGridError("Excel OLE server not found");
  }
  // The server is told to quit however the load ends; Quit closes what is
  // still open.
  const plat::ScopeExit quit([&application] { application->Quit(); });
  TGridUpdateScope update(*this);

  plat::TWorkbook& book = application->WorkBooks().Open(FileName);
  const plat::TWorksheet& sheet = FindSheet(book, SheetName);
  const plat::String address = sheet.UsedRangeAddress();
  const detail::TSheetRange range = detail::ParseUsedRange(address);
  // Taken first: smaller counts would lower the fixed counts.
  const int startCol = FIncludeFixedCells ? 0 : FixedCols();
  const int startRow = FIncludeFixedCells ? 0 : FixedRows();
  if (range.Valid()) {
    SetColCount(startCol + range.LastCol - range.FirstCol + 1);
    SetRowCount(startRow + range.LastRow - range.FirstRow + 1);
    if (!FIncludeFixedCells && startCol < ColCount()) SetFixedCols(startCol);
    if (!FIncludeFixedCells && startRow < RowCount()) SetFixedRows(startRow);
  }
  const plat::TRangeValues values = sheet.RangeValue(range.Valid() ? detail::RangeText(range) : address);
  values.ForEachValue(
      [&](int r, int c, const TSheetValue& value) { SetImportText(startCol + c, startRow + r, ValueText(value)); });
  book.Close(false);
}

}  // namespace zorbit
