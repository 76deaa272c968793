#pragma once
// A workbook in the Excel 5.0/95 format (BIFF5: a "Book" stream of 8-bit
// records in a compound file), written byte by byte for tests: the
// spreadsheet application reads this old format but no longer writes it.
// Only what a reader needs is written: the sheets' names and positions,
// and cells holding text (in code page 1252), numbers or booleans.
//
//   const std::string bytes = Biff5Workbook({{"Alpha", {{0, 0, Biff5Text("Name")}, {0, 1, Biff5Number(2.5)}}}});
#include <string>
#include <vector>

namespace zorbit::testing {

struct TBiff5Cell {
  int Row;     // from 0
  int Column;  // from 0
  // The record's kind and body after the row, column and format index.
  int Record;
  std::string Body;
};

struct TBiff5Sheet {
  std::string Name;  // code page 1252
  std::vector<TBiff5Cell> Cells;
};

// What a cell holds, for TBiff5Cell's last two fields.
struct TBiff5Value {
  int Record;
  std::string Body;
};
TBiff5Value Biff5Text(const std::string& Cp1252);
TBiff5Value Biff5Number(double Value);
TBiff5Value Biff5Boolean(bool Value);
TBiff5Cell Biff5At(int Row, int Column, const TBiff5Value& Value);

std::string Biff5Workbook(const std::vector<TBiff5Sheet>& Sheets);

}  // namespace zorbit::testing
