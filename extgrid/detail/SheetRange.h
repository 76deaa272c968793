#pragma once
// A worksheet's used-range address ("$A$1:$D$20", "$C$5") read into row and
// column numbers from 1, and written back as a range text ("A1:D20").
// Columns have one to three letters ("A" to "XFD"); numbers are bounded by
// the application's sheet limits (SpreadsheetAutomation.h). Malformed
// halves give an invalid range rather than a failure.
#include "platform/rtl/Types.h"

namespace zorbit::detail {

struct TSheetRange {
  int FirstRow = -1;
  int LastRow = -1;
  int FirstCol = -1;
  int LastCol = -1;
  // All four numbers read, first not after last.
  bool Valid() const;
};

// A single cell is a range of that cell alone; an address without "$" has
// no column letters to read and takes columns 1 to 256.
TSheetRange ParseUsedRange(const plat::String& Address);
// The range text Range(...) takes: first cell, ":", last cell.
plat::String RangeText(const TSheetRange& Range);

}  // namespace zorbit::detail
