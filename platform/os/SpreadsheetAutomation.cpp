#include "platform/os/SpreadsheetAutomation.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <optional>

#include "platform/os/detail/SpreadsheetServer.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StringUtils.h"

namespace plat {
namespace {

using json = nlohmann::json;

constexpr const char* kSource = "Spreadsheet";

[[noreturn]] void Fail(const String& message) { throw EOleException(message, DISP_E_EXCEPTION, kSource); }

// The server that serves an object made by server number serverNumber;
// EOleException when that one is gone.
TSpreadsheetServer& ServerOf(int serverNumber) {
  TSpreadsheetServer* server = TSpreadsheetServer::Current();
  if (server == nullptr || server->Number() != serverNumber)
    throw EOleException("The spreadsheet application has stopped", RPC_E_DISCONNECTED, kSource);
  return *server;
}

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

// A place of the bridge's answer, [row, column, ...], inside rows x columns.
std::optional<std::pair<int, int>> PlaceIn(const json& item, int rows, int columns) {
  if (!item.is_array() || item.size() < 2 || !item[0].is_number_integer() || !item[1].is_number_integer())
    return std::nullopt;
  const auto row = item[0].get<long long>(), column = item[1].get<long long>();
  if (row < 0 || row >= rows || column < 0 || column >= columns) return std::nullopt;
  return std::make_pair(static_cast<int>(row), static_cast<int>(column));
}

int IntIn(const json& answer, const char* name, int limit) {
  const int value = AnswerIndex(answer, name, limit);
  if (value < 0) Fail(Format("The spreadsheet application gave no valid %s", {String(name)}));
  return value;
}

// An array of the answer; empty when it is missing or no array.
const json& ArrayIn(const json& answer, const char* name) {
  static const json empty = json::array();
  const auto it = answer.find(name);
  return it != answer.end() && it->is_array() ? *it : empty;
}

}  // namespace

String SheetColumnLetters(int column) {
  String letters;
  for (; column > 0; column = (column - 1) / 26)
    letters.insert(letters.begin(), static_cast<char>('A' + (column - 1) % 26));
  return letters;
}

const TSheetValue& TRangeValues::Value(int row, int column) const {
  const auto it = FCells.find({row, column});
  return it == FCells.end() ? EmptyValue() : it->second;
}

String TWorksheet::UsedRangeAddress() const {
  FBook.CheckOpen();
  const json answer =
      ServerOf(FBook.FServerNumber).Ask({{"op", "usedRange"}, {"book", FBook.FBookNumber}, {"sheet", FIndex}});
  const TCellPlace first{IntIn(answer, "top", kMaxSheetRows), IntIn(answer, "left", kMaxSheetColumns)};
  const TCellPlace last{IntIn(answer, "bottom", kMaxSheetRows), IntIn(answer, "right", kMaxSheetColumns)};
  if (first.Row == last.Row && first.Column == last.Column) return AbsoluteAddress(first);
  return AbsoluteAddress(first) + ":" + AbsoluteAddress(last);
}

TRangeValues TWorksheet::RangeValue(const String& address) const {
  FBook.CheckOpen();
  const std::size_t colon = address.find(':');
  const std::optional<TCellPlace> from = ParseCell(address.substr(0, colon));
  const std::optional<TCellPlace> to = colon == String::npos ? from : ParseCell(address.substr(colon + 1));
  if (!from || !to) Fail(Format("\"%s\" is not a range of the sheet", {address}));
  const int top = std::min(from->Row, to->Row), bottom = std::max(from->Row, to->Row);
  const int left = std::min(from->Column, to->Column), right = std::max(from->Column, to->Column);
  const json answer = ServerOf(FBook.FServerNumber)
                          .Ask({{"op", "values"},
                                {"book", FBook.FBookNumber},
                                {"sheet", FIndex},
                                {"top", top},
                                {"left", left},
                                {"bottom", bottom},
                                {"right", right}});
  const int rows = bottom - top + 1, columns = right - left + 1;
  std::map<std::pair<int, int>, TSheetValue> cells;
  // What the bridge answers is checked like any input: places outside the
  // range and values that are not texts are dropped.
  for (const json& item : ArrayIn(answer, "cells")) {
    const auto place = PlaceIn(item, rows, columns);
    if (place && item.size() == 3 && item[2].is_string())
      cells[*place] = TSheetValue{TSheetValue::TKind::Text, item[2].get<String>()};
  }
  for (const json& item : ArrayIn(answer, "errors"))
    if (const auto place = PlaceIn(item, rows, columns)) cells[*place] = TSheetValue{TSheetValue::TKind::Error, {}};
  return TRangeValues(rows, columns, std::move(cells));
}

TWorkbook::TWorkbook(int serverNumber, int bookNumber, String fullName, const std::vector<String>& sheetNames,
                     int active)
    : FServerNumber(serverNumber), FBookNumber(bookNumber), FFullName(std::move(fullName)), FActive(active) {
  FSheets.reserve(sheetNames.size());
  for (std::size_t i = 0; i < sheetNames.size(); ++i) FSheets.emplace_back(*this, static_cast<int>(i), sheetNames[i]);
}

TWorkbook::~TWorkbook() = default;

const String& TWorkbook::FullName() const {
  CheckOpen();
  return FFullName;
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

const TWorksheet& TWorkbook::ActiveSheet() const { return Sheets(FActive + 1); }

void TWorkbook::Close(bool) {
  CheckOpen();
  FClosed = true;
  ServerOf(FServerNumber).Ask({{"op", "close"}, {"book", FBookNumber}});
}

void TWorkbook::CheckOpen() const {
  if (FClosed) Fail("The workbook has been closed");
}

TWorkbook& TWorkbooks::Open(const String& fileName) {
  json answer;
  try {
    answer = ServerOf(FServerNumber).Ask({{"op", "open"}, {"path", ExpandFileName(fileName)}});
  } catch (const EOleException& e) {
    throw EOleException(Format("The workbook \"%s\" cannot be opened: %s", {fileName, e.Message()}), e.ErrorCode(),
                        e.Source());
  }
  std::vector<String> names;
  for (const json& name : ArrayIn(answer, "sheets"))
    if (name.is_string()) names.push_back(name.get<String>());
  const int bookNumber = AnswerIndex(answer, "book", INT_MAX);
  const int active = std::max(AnswerIndex(answer, "active", static_cast<int>(names.size())), 0);
  auto book = std::make_unique<TWorkbook>(FServerNumber, bookNumber, fileName, names, active);
  if (names.empty()) {
    book->Close(false);
    Fail(Format("The workbook \"%s\" cannot be opened: it has no sheet", {fileName}));
  }
  return *FBooks.emplace_back(std::move(book));
}

int TWorkbooks::Count() const {
  return static_cast<int>(
      std::count_if(FBooks.begin(), FBooks.end(), [](const auto& book) { return !book->Closed(); }));
}

void TWorkbooks::CloseAll() {
  for (const auto& book : FBooks) {
    if (book->Closed()) continue;
    try {
      book->Close(false);
    } catch (const EOleException&) {
      // The server went away and took the workbook with it.
    }
  }
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
  return std::make_unique<TSpreadsheetApplication>(TSpreadsheetServer::Acquire().Number());
}

void ShutdownSpreadsheetApplication() { TSpreadsheetServer::StopShared(); }

}  // namespace plat
