#pragma once
// The workbook file behind the spreadsheet objects: every worksheet's name
// and cells, read at once with libfreexl, and carried out of the child
// process that reads it as bytes. Used by SpreadsheetAutomation.cpp and its
// tests and fuzz target only.
#include <map>
#include <utility>
#include <vector>

#include "platform/os/SpreadsheetAutomation.h"

namespace plat {

struct TWorksheetData {
  String Name;
  // The cells that hold a value, by (row, column) from 0, rows first.
  std::map<std::pair<int, int>, TSheetValue> Cells;
};

struct TWorkbookData {
  String FullName;
  std::vector<TWorksheetData> Sheets;
};

// Reads the workbook in this process; Exception with the reason ("it is not
// an .xls workbook", ...) when it cannot. Only for a child process: the
// library trusts the file.
TWorkbookData ReadXlsWorkbook(const String& fileName);

// The sheets as bytes and back. Decoding checks every length and limit, and
// raises Exception for bytes EncodeWorkbookSheets did not make.
String EncodeWorkbookSheets(const std::vector<TWorksheetData>& sheets);
std::vector<TWorksheetData> DecodeWorkbookSheets(const String& bytes);

}  // namespace plat
