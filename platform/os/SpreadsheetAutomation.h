#pragma once
// The automation objects of a spreadsheet application, as a workbook import
// drives them: the application ("excel.application"), its WorkBooks with
// Open, a workbook's Sheets (Count, Name), its ActiveSheet, a sheet's
// UsedRange.Address and Range(...).Value, the workbook's Close and the
// application's Quit.
//
// The application is LibreOffice Calc, run headless outside our process and
// driven through its own automation (UNO) by a bridge program of ours
// (detail/SpreadsheetServer.h): no workbook file is ever read in this
// process. Every workbook Calc reads as one opens: .xls of any Excel
// version from 4.0 on, .xlsx, .ods and their kin. A file it can read only
// as text (random bytes, a damaged workbook, a CSV file), an empty file, a
// folder, a missing file or a password-protected workbook makes Open raise
// EOleException naming the file and the reason, and opens nothing.
//
// One server serves every application object of the process: Quit closes
// the application's workbooks (never saving) and leaves the server running
// for the next import; ShutdownSpreadsheetApplication and the process's
// end stop it. A server that stops answering within its bound, or ends, is
// killed and every call raises EOleException; the next
// CreateSpreadsheetApplication starts a new one.
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/rtl/Exception.h"
#include "platform/rtl/HResult.h"
#include "platform/rtl/Types.h"

namespace plat {

// A failed automation call: its message, the code the server answered and
// the server's name.
class EOleException : public Exception {
 public:
  EOleException(String message, HRESULT errorCode, String source)
      : Exception(std::move(message)), FErrorCode(errorCode), FSource(std::move(source)) {}
  HRESULT ErrorCode() const { return FErrorCode; }
  const String& Source() const { return FSource; }

 private:
  HRESULT FErrorCode;
  String FSource;
};

// No automation server of that class name, or none that can run: the
// message names what is missing or why it did not start.
class EOleSysError : public Exception {
 public:
  EOleSysError(String message, HRESULT errorCode) : Exception(std::move(message)), FErrorCode(errorCode) {}
  HRESULT ErrorCode() const { return FErrorCode; }

 private:
  HRESULT FErrorCode;
};

inline constexpr HRESULT CO_E_CLASSSTRING = static_cast<HRESULT>(0x800401F3u);
// The class is known but its server is not installed.
inline constexpr HRESULT REGDB_E_CLASSNOTREG = static_cast<HRESULT>(0x80040154u);
inline constexpr HRESULT CO_E_SERVER_EXEC_FAILURE = static_cast<HRESULT>(0x80080005u);
// A call the server refused.
inline constexpr HRESULT DISP_E_EXCEPTION = static_cast<HRESULT>(0x80020009u);
// The server went away: it ended or stopped answering.
inline constexpr HRESULT RPC_E_DISCONNECTED = static_cast<HRESULT>(0x80010108u);

// The largest sheet the application holds; addresses beyond it name no
// cell.
inline constexpr int kMaxSheetRows = 1048576;
inline constexpr int kMaxSheetColumns = 16384;

// One cell's value as Range(...).Value gives it: the text the cell shows
// (formula results, numbers and dates as formatted, booleans as TRUE or
// FALSE in the workbook's language; a time whose format hides its day
// shows as Calc's input line shows it, day included), or the mark of a
// cell that holds an error value.
struct TSheetValue {
  enum class TKind { Empty, Text, Error };
  TKind Kind = TKind::Empty;
  String Text;
  bool operator==(const TSheetValue&) const = default;
};

// The two-dimensional array of a range's values, rows first. Only the
// cells that hold a value are kept, so a large range of a sparse sheet
// costs no more than its values.
class TRangeValues {
 public:
  TRangeValues(int rowCount, int columnCount, std::map<std::pair<int, int>, TSheetValue> cells)
      : FRowCount(rowCount), FColumnCount(columnCount), FCells(std::move(cells)) {}

  int RowCount() const { return FRowCount; }
  int ColumnCount() const { return FColumnCount; }
  // The value at (row, column), both from 0 within the range; empty for a
  // cell without one and for a place outside the range.
  const TSheetValue& Value(int row, int column) const;
  // Calls Visit(row, column, value) for each cell that holds a value, rows
  // first and left to right, without visiting the empty ones.
  template <typename Visit>
  void ForEachValue(Visit visit) const {
    for (const auto& [place, value] : FCells) visit(place.first, place.second, value);
  }

 private:
  int FRowCount;
  int FColumnCount;
  std::map<std::pair<int, int>, TSheetValue> FCells;
};

// The column's letters: 1 is "A", 26 "Z", 27 "AA", 256 "IV", 16384 "XFD".
String SheetColumnLetters(int column);

class TWorkbook;

class TWorksheet {
 public:
  TWorksheet(const TWorkbook& book, int index, String name) : FBook(book), FIndex(index), FName(std::move(name)) {}

  const String& Name() const { return FName; }
  // UsedRange.Address: "$A$1:$D$20" from the first to the last used cell;
  // one cell gives "$B$2" and an empty sheet "$A$1".
  String UsedRangeAddress() const;
  // Range(address).Value for "A1:D20" or "A1", with or without "$";
  // cells without a value are empty. A malformed address, one beyond the
  // sheet's limits, or a range too large for the application to hand over
  // raises EOleException.
  TRangeValues RangeValue(const String& address) const;

 private:
  const TWorkbook& FBook;
  int FIndex;  // from 0
  String FName;
};

class TWorkbook {
 public:
  TWorkbook(int serverNumber, int bookNumber, String fullName, const std::vector<String>& sheetNames, int active);
  ~TWorkbook();
  TWorkbook(const TWorkbook&) = delete;
  TWorkbook& operator=(const TWorkbook&) = delete;

  const String& FullName() const;
  // Sheets.Count and Sheets(index), index from 1; an index out of range,
  // or any call after Close, raises EOleException.
  int SheetCount() const;
  const TWorksheet& Sheets(int index) const;
  // The sheet the workbook was saved with in front.
  const TWorksheet& ActiveSheet() const;
  // Nothing is ever written back, so saveChanges changes nothing; the
  // workbook is closed (and leaves WorkBooks) either way.
  void Close(bool saveChanges);
  bool Closed() const { return FClosed; }

 private:
  friend class TWorksheet;
  void CheckOpen() const;
  int FServerNumber;
  int FBookNumber;
  String FFullName;
  std::vector<TWorksheet> FSheets;
  int FActive;
  bool FClosed = false;
};

class TWorkbooks {
 public:
  explicit TWorkbooks(int serverNumber) : FServerNumber(serverNumber) {}
  // Opens a workbook; it stays valid until its Close or the application's
  // Quit. Raises EOleException for anything the application does not read
  // as a workbook.
  TWorkbook& Open(const String& fileName);
  // The workbooks open now.
  int Count() const;
  // Closes every open workbook; one the server can no longer close counts
  // as closed.
  void CloseAll();

 private:
  int FServerNumber;
  std::vector<std::unique_ptr<TWorkbook>> FBooks;
};

class TSpreadsheetApplication {
 public:
  explicit TSpreadsheetApplication(int serverNumber) : FWorkBooks(serverNumber) {}
  // After Quit every call raises EOleException.
  TWorkbooks& WorkBooks();
  // Closes the workbooks without saving; never raises.
  void Quit();

 private:
  TWorkbooks FWorkBooks;
  bool FQuit = false;
};

// The application object for a class name ("excel.application", compared
// without case), its server started when none runs: EOleSysError "Invalid
// class string" for any other name, and EOleSysError naming what is
// missing (the spreadsheet application, Python's UNO bridge) or why the
// server did not start.
std::unique_ptr<TSpreadsheetApplication> CreateSpreadsheetApplication(const String& className);

// Stops the spreadsheet server, if one runs; the next application object
// starts a new one.
void ShutdownSpreadsheetApplication();

}  // namespace plat
