// Any bytes opened as a workbook give the workbook's sheets or
// EOleException, and nothing else: no crash, no other exception, no
// outsized allocation. The library itself runs in a child process, so what
// is fuzzed here is the whole road: the child, the bytes it hands back and
// the objects built on them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/os/SpreadsheetAutomation.h"
#include "platform/os/fuzz/ScratchFile.h"

namespace {

using namespace plat;

void ReadEverything(const TWorkbook& book) {
  for (int index = 1; index <= book.SheetCount(); ++index) {
    const TWorksheet& sheet = book.Sheets(index);
    const TRangeValues values = sheet.RangeValue(sheet.UsedRangeAddress());
    if (values.RowCount() < 1 || values.ColumnCount() < 1) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::TScratchFile scratch("input.xls");
  const String& file = scratch.Write(data, size);
  const auto app = CreateSpreadsheetApplication("excel.application");
  try {
    ReadEverything(app->WorkBooks().Open(file));
  } catch (const EOleException&) {
    // The expected answer to a file that is no workbook.
  }
  app->Quit();
  return 0;
}
