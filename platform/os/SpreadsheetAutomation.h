#pragma once
// The automation objects of a spreadsheet application, as a workbook import
// drives them: the application ("excel.application"), its WorkBooks with
// Open, a workbook's Sheets (Count, Name), its ActiveSheet, a sheet's
// UsedRange.Address and Range(...).Value, the workbook's Close and the
// application's Quit.
//
// No spreadsheet server runs here: the objects answer from the workbook
// file itself, read with libfreexl. Only .xls workbooks (the binary format
// in a compound file) can be opened; the first worksheet stands for the active
// one (the file's notion of an active sheet is not kept). Any other kind of
// workbook, a damaged file, a password-protected one or a missing one
// makes Open raise EOleException naming the file and the reason, and opens
// nothing. The file is read in a child process (IsolatedCall.h), so a file
// that would crash the library gives that error too.
//
// A worksheet holds at most 65,536 rows and 256 columns (the format's
// limits); cells a damaged file places beyond them are not read.
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

// No automation server of that class name.
class EOleSysError : public Exception {
 public:
  EOleSysError(String message, HRESULT errorCode) : Exception(std::move(message)), FErrorCode(errorCode) {}
  HRESULT ErrorCode() const { return FErrorCode; }

 private:
  HRESULT FErrorCode;
};

inline constexpr HRESULT CO_E_CLASSSTRING = static_cast<HRESULT>(0x800401F3u);
// The code of every failed call of the spreadsheet objects.
inline constexpr HRESULT DISP_E_EXCEPTION = static_cast<HRESULT>(0x80020009u);

inline constexpr int kMaxSheetRows = 65536;
inline constexpr int kMaxSheetColumns = 256;

// One cell's value as Range(...).Value gives it. Dates and times come as
// the texts the file's number format gives ("2024-03-01", "12:30:00").
struct TSheetValue {
  enum class TKind { Empty, Number, Text };
  TKind Kind = TKind::Empty;
  double Number = 0;
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

// The column's letters: 1 is "A", 26 "Z", 27 "AA", 256 "IV".
String SheetColumnLetters(int column);

struct TWorkbookData;
struct TWorksheetData;

class TWorksheet {
 public:
  explicit TWorksheet(const TWorksheetData& data) : FData(data) {}

  String Name() const;
  // UsedRange.Address: "$A$1:$D$20" from the first to the last cell that
  // holds a value; one cell gives "$B$2" and an empty sheet "$A$1".
  String UsedRangeAddress() const;
  // Range(address).Value for "A1:D20" or "A1", with or without "$";
  // cells without a value are empty. A malformed address, or one beyond
  // the sheet's limits, raises EOleException.
  TRangeValues RangeValue(const String& address) const;

 private:
  const TWorksheetData& FData;
};

class TWorkbook {
 public:
  explicit TWorkbook(std::unique_ptr<TWorkbookData> data);
  ~TWorkbook();

  const String& FullName() const;
  // Sheets.Count and Sheets(index), index from 1; an index out of range,
  // or any call after Close, raises EOleException.
  int SheetCount() const;
  const TWorksheet& Sheets(int index) const;
  // The first worksheet.
  const TWorksheet& ActiveSheet() const;
  // Nothing is ever written back, so saveChanges changes nothing; the
  // workbook is closed (and leaves WorkBooks) either way.
  void Close(bool saveChanges);
  bool Closed() const { return FData == nullptr; }

 private:
  void CheckOpen() const;

  std::unique_ptr<TWorkbookData> FData;
  std::vector<TWorksheet> FSheets;
};

class TWorkbooks {
 public:
  // Opens a workbook; it stays valid until its Close or the application's
  // Quit. Raises EOleException for anything but a readable .xls workbook.
  TWorkbook& Open(const String& fileName);
  // The workbooks open now.
  int Count() const;
  void CloseAll();

 private:
  std::vector<std::unique_ptr<TWorkbook>> FBooks;
};

class TSpreadsheetApplication {
 public:
  // After Quit every call raises EOleException.
  TWorkbooks& WorkBooks();
  void Quit();

 private:
  TWorkbooks FWorkBooks;
  bool FQuit = false;
};

// The application object for a class name ("excel.application", compared
// without case); EOleSysError "Invalid class string" for any other.
std::unique_ptr<TSpreadsheetApplication> CreateSpreadsheetApplication(const String& className);

}  // namespace plat
