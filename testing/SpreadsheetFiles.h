#pragma once
// Workbooks for tests, made by the spreadsheet application itself: the test
// describes its sheets, they are written as a flat OpenDocument spreadsheet
// (.fods, XML text) and converted headless, under a private profile, into
// the formats an import reads.
//
//   const TTempFolder folder;
//   folder.Write("book.fods", FlatSpreadsheet({{"Figures", {{Text("Name"), Number(2.5)}}}}));
//   ASSERT_EQ(ConvertWorkbooks(folder, {"book.fods"}, "xls").ExitCode, 0);  // book.xls
//
// SpreadsheetApplicationInstalled says whether the application (soffice on
// PATH) and Python's UNO module are there; tests skip only when they are not.
#include <string>
#include <vector>

#include "testing/RunProgram.h"
#include "testing/TempFolder.h"

namespace zorbit::testing {

// One cell of a flat sheet: its attributes and content as XML.
struct TFlatCell {
  std::string Xml;
};

TFlatCell Empty();
TFlatCell Text(const std::string& Value);  // paragraphs split at "\n"
TFlatCell Number(double Value);
// A formula in OpenFormula syntax ("of:=[.B1]*2"); its result is computed.
TFlatCell Formula(const std::string& Expression);
TFlatCell Boolean(bool Value);
// A date ("2024-03-01" or "2024-03-01T12:30:00") shown as YYYY-MM-DD, or
// with ShownAsTime only its time as HH:MM.
TFlatCell Date(const std::string& IsoValue, bool ShownAsTime = false);

struct TFlatSheet {
  std::string Name;
  std::vector<std::vector<TFlatCell>> Rows;  // from row 1, column A
};

// The flat spreadsheet's XML; Active names the sheet in front ("" keeps
// the first).
std::string FlatSpreadsheet(const std::vector<TFlatSheet>& Sheets, const std::string& Active = "");

// Converts the files of Folder to Format ("xls", "xlsx", "ods", or a
// filter as in "xls:MS Excel 95"), written beside them.
TProgramResult ConvertWorkbooks(const TTempFolder& Folder, const std::vector<std::string>& Files,
                                const std::string& Format);

bool SpreadsheetApplicationInstalled();
// Why a test skipped.
inline constexpr const char* kSpreadsheetApplicationMissing =
    "the spreadsheet application is not installed (scripts/setup installs libreoffice-calc-nogui and python3-uno)";

}  // namespace zorbit::testing
