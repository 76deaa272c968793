#include "platform/os/SpreadsheetAutomation.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/os/IsolatedCall.h"
#include "platform/os/detail/XlsWorkbook.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StringUtils.h"

namespace plat {
namespace {

constexpr const char* kSource = "Spreadsheet";

[[noreturn]] void Fail(const String& message) { throw EOleException(message, DISP_E_EXCEPTION, kSource); }

struct TCellPlace {
  int Row;     // from 0
  int Column;  // from 0
};

// "B7", "$B$7" or "b7"; nothing for anything else or a place beyond the
// sheet's limits.
std::optional<TCellPlace> ParseCell(const String& text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '$') ++i;
  int column = 0;
  const std::size_t lettersStart = i;
  while (i < text.size() && i - lettersStart < 3 && std::isalpha(static_cast<unsigned char>(text[i])))
    column = column * 26 + (std::toupper(static_cast<unsigned char>(text[i++])) - 'A' + 1);
  if (i == lettersStart || column > kMaxSheetColumns) return std::nullopt;
  if (i < text.size() && text[i] == '$') ++i;
  const std::size_t digitsStart = i;
  int row = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && row <= kMaxSheetRows)
    row = row * 10 + (text[i++] - '0');
  if (i == digitsStart || i != text.size() || row < 1 || row > kMaxSheetRows) return std::nullopt;
  return TCellPlace{row - 1, column - 1};
}

String AbsoluteAddress(const TCellPlace& place) {
  return "$" + SheetColumnLetters(place.Column + 1) + "$" + IntToStr(place.Row + 1);
}

const TSheetValue& EmptyValue() {
  static const TSheetValue empty;
  return empty;
}

}  // namespace

String SheetColumnLetters(int column) {
  String letters;
  for (; column > 0; column = (column - 1) / 26) letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
  return letters;
}

const TSheetValue& TRangeValues::Value(int row, int column) const {
  const auto it = FCells.find({row, column});
  return it == FCells.end() ? EmptyValue() : it->second;
}

String TWorksheet::Name() const { return FData.Name; }

String TWorksheet::UsedRangeAddress() const {
  if (FData.Cells.empty()) return "$A$1";
  TCellPlace first{FData.Cells.begin()->first.first, kMaxSheetColumns};
  TCellPlace last{FData.Cells.rbegin()->first.first, 0};
  for (const auto& [place, value] : FData.Cells) {
    first.Column = std::min(first.Column, place.second);
    last.Column = std::max(last.Column, place.second);
  }
  if (first.Row == last.Row && first.Column == last.Column) return AbsoluteAddress(first);
  return AbsoluteAddress(first) + ":" + AbsoluteAddress(last);
}

TRangeValues TWorksheet::RangeValue(const String& address) const {
  const std::size_t colon = address.find(':');
  const std::optional<TCellPlace> from = ParseCell(address.substr(0, colon));
  const std::optional<TCellPlace> to = colon == String::npos ? from : ParseCell(address.substr(colon + 1));
  if (!from || !to) Fail(Format("\"%s\" is not a range of the sheet", {address}));
  const int top = std::min(from->Row, to->Row), bottom = std::max(from->Row, to->Row);
  const int left = std::min(from->Column, to->Column), right = std::max(from->Column, to->Column);
  std::map<std::pair<int, int>, TSheetValue> cells;
  for (auto it = FData.Cells.lower_bound({top, left}); it != FData.Cells.end() && it->first.first <= bottom; ++it) {
    const auto [row, column] = it->first;
    if (column >= left && column <= right) cells.emplace(std::make_pair(row - top, column - left), it->second);
  }
  return TRangeValues(bottom - top + 1, right - left + 1, std::move(cells));
}

TWorkbook::TWorkbook(std::unique_ptr<TWorkbookData> data) : FData(std::move(data)) {
  for (const TWorksheetData& sheet : FData->Sheets) FSheets.emplace_back(sheet);
}

TWorkbook::~TWorkbook() = default;

const String& TWorkbook::FullName() const {
  CheckOpen();
  return FData->FullName;
}

int TWorkbook::SheetCount() const {
  CheckOpen();
  return static_cast<int>(FSheets.size());
}

const TWorksheet& TWorkbook::Sheets(int index) const {
  CheckOpen();
  if (index < 1 || index > static_cast<int>(FSheets.size())) Fail(Format("There is no sheet %d", {index}));
  return FSheets[static_cast<std::size_t>(index - 1)];
}

const TWorksheet& TWorkbook::ActiveSheet() const { return Sheets(1); }

void TWorkbook::Close(bool) {
  CheckOpen();
  FSheets.clear();
  FData.reset();
}

void TWorkbook::CheckOpen() const {
  if (!FData) Fail("The workbook has been closed");
}

TWorkbook& TWorkbooks::Open(const String& fileName) {
  auto data = std::make_unique<TWorkbookData>();
  data->FullName = fileName;
  try {
    data->Sheets = DecodeWorkbookSheets(
        IsolatedCall([&] { return EncodeWorkbookSheets(ReadXlsWorkbook(fileName).Sheets); }));
  } catch (const Exception& e) {
    Fail(Format("The workbook \"%s\" cannot be opened: %s", {fileName, e.Message()}));
  }
  return *FBooks.emplace_back(std::make_unique<TWorkbook>(std::move(data)));
}

int TWorkbooks::Count() const {
  return static_cast<int>(
      std::count_if(FBooks.begin(), FBooks.end(), [](const auto& book) { return !book->Closed(); }));
}

void TWorkbooks::CloseAll() {
  for (const auto& book : FBooks)
    if (!book->Closed()) book->Close(false);
}

TWorkbooks& TSpreadsheetApplication::WorkBooks() {
  if (FQuit) Fail("The application has quit");
  return FWorkBooks;
}

void TSpreadsheetApplication::Quit() {
  FWorkBooks.CloseAll();
  FQuit = true;
}

std::unique_ptr<TSpreadsheetApplication> CreateSpreadsheetApplication(const String& className) {
  if (!SameText(className, "excel.application")) throw EOleSysError("Invalid class string", CO_E_CLASSSTRING);
  return std::make_unique<TSpreadsheetApplication>();
}

}  // namespace plat
