// Delimited text files loaded into the grid.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "extgrid/ExtGridError.h"
#include "extgrid/GridUpdateScope.h"
#include "extgrid/TExtStringGrid.h"
#include "extgrid/detail/CsvFields.h"
#include "grid/ExtUtilFields.h"
#include "platform/rtl/ScopeExit.h"
#include "platform/rtl/TextFileReader.h"

namespace zorbit {
namespace {

// Rows the grid grows by while lines keep coming.
constexpr int kRowStep = 1000;

int CountLines(plat::TTextFileReader& File) {
  int lines = 0;
  for (plat::String line; File.ReadLine(line);) ++lines;
  File.Reset();
  return lines;
}

}  // namespace

void TExtStringGrid::ReadCsvIntoGrid(const plat::String& FileName, bool Append) {
  const int startCol = FIncludeFixedCells ? 0 : FixedCols();
  const int startRow = FIncludeFixedCells ? 0 : FixedRows();
  plat::TTextFileReader file;
  if (!file.Open(FileName)) throw EExtGridError("Cannot open file " + FileName);
  TGridUpdateScope update(*this);

  int row = Append ? RowCount() : startRow;
  // A visible floating footer shows the last row: it moves below the new
  // rows, with the cells of its hidden columns.
  const bool footer = FFloatingFooter->Visible();
  std::vector<plat::String> footerTexts;
  if (footer && Append && row > 0) {
    --row;
    for (int col = 0; col < AllColumnCount(); ++col) footerTexts.push_back(GetRawCellText(col, row));
    for (int col = 0; col < AllColumnCount(); ++col) SetRawCellText(col, row, {});
  }

  const char savedDelimiter = FCsvDelimiter;
  const plat::ScopeExit restoreDelimiter([this, savedDelimiter] { FCsvDelimiter = savedDelimiter; });
  // Runs whether the file reads to its end or fails on the way: the rows
  // read so far stay and the steps grown ahead go. The floating footer keeps
  // a row of its own below them, so it never covers the last row read.
  const auto finish = [&] {
    file.Close();
    // The footer's row is one of the FixedFooters in the fixed-last-row style.
    SetRowCount(row + std::max(FixedFooters(), footer ? 1 : 0));
    if (footer)
      for (int col = 0; col < AllColumnCount(); ++col)
        SetRawCellText(col, RowCount() - 1, col < static_cast<int>(footerTexts.size()) ? footerTexts[col] : "");
  };
  try {
    if (FCsvDelimiter == '\0') {
      plat::String first, second;
      if (file.ReadLine(first)) file.ReadLine(second);
      file.Reset();
      FCsvDelimiter = detail::DetectCsvDelimiter(first, second);
    }
    int lines = 0;
    if (OnFileProgress) {
      lines = CountLines(file);
      SetRowCount(Append ? RowCount() + lines : startRow + lines + FixedFooters());
    }
    int done = 0;
    int reported = -1;
    for (plat::String line; file.ReadLine(line);) {
      if (FOemConvert) line = OemTextToAnsi(line);
      if (row >= RowCount() - FixedFooters()) SetRowCount(row + kRowStep);
      int col = startCol;
      detail::SplitCsvLine(line, FCsvDelimiter, FTildeLineBreaks,
                           [&](plat::String&& field) { SetImportText(col++, row, field); });
      // Once a line: growing column by column would reshape the grid per field.
      if (ColCount() < col) SetColCount(col);
      ++row;
      if (OnFileProgress) {
        // A file that grew since it was counted stays at 100.
        ++done;
        const int progress = done >= lines ? 100 : static_cast<int>(std::nearbyint(done * 100.0 / lines));
        if (progress != reported) {
          reported = progress;
          OnFileProgress(this, static_cast<std::int16_t>(progress));
        }
      }
    }
  } catch (...) {  // passed on once the rows read are in place
    finish();
    throw;
  }
  finish();
}

}  // namespace zorbit
