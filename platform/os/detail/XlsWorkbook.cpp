#include "platform/os/detail/XlsWorkbook.h"

#include <freexl.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <optional>

#include "platform/rtl/Format.h"
#include "platform/rtl/ScopeExit.h"

namespace plat {
namespace {

// Every .xls workbook the library reads is a compound file.
constexpr char kCompoundFileSignature[] = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

std::optional<String> ReadFileStart(const String& fileName, std::size_t size) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return std::nullopt;
  String bytes(size, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(size));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  return bytes;
}

String OpenFailure(int code) {
  switch (code) {
    case FREEXL_FILE_NOT_FOUND: return "the file cannot be read";
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND: return "it is not an .xls workbook";
    case FREEXL_INSUFFICIENT_MEMORY: return "there is not enough memory to read it";
    default: return Format("the workbook is damaged (reader error %d)", {code});
  }
}

TSheetValue CellValue(const FreeXL_CellValue& cell) {
  TSheetValue value;
  switch (cell.type) {
    case FREEXL_CELL_INT:
      value.Kind = TSheetValue::TKind::Number;
      value.Number = cell.value.int_value;
      break;
    case FREEXL_CELL_DOUBLE:
      value.Kind = TSheetValue::TKind::Number;
      value.Number = cell.value.double_value;
      break;
    case FREEXL_CELL_TEXT:
    case FREEXL_CELL_SST_TEXT:
    case FREEXL_CELL_DATE:
    case FREEXL_CELL_DATETIME:
    case FREEXL_CELL_TIME:
      if (cell.value.text_value) {
        value.Kind = TSheetValue::TKind::Text;
        value.Text = cell.value.text_value;
      }
      break;
    default: break;
  }
  return value;
}

TWorksheetData ReadSheet(const void* book, unsigned short index) {
  TWorksheetData sheet;
  const char* name = nullptr;
  if (freexl_get_worksheet_name(book, index, &name) == FREEXL_OK && name) sheet.Name = name;
  if (freexl_select_active_worksheet(book, index) != FREEXL_OK) return sheet;
  unsigned int rows = 0;
  unsigned short columns = 0;
  if (freexl_worksheet_dimensions(book, &rows, &columns) != FREEXL_OK) return sheet;
  rows = std::min<unsigned int>(rows, kMaxSheetRows);
  columns = std::min<unsigned short>(columns, kMaxSheetColumns);
  for (unsigned int row = 0; row < rows; ++row) {
    for (unsigned short column = 0; column < columns; ++column) {
      FreeXL_CellValue cell;
      if (freexl_get_cell_value(book, row, column, &cell) != FREEXL_OK) continue;
      TSheetValue value = CellValue(cell);
      if (value.Kind != TSheetValue::TKind::Empty)
        sheet.Cells.emplace(std::make_pair(static_cast<int>(row), static_cast<int>(column)), std::move(value));
    }
  }
  return sheet;
}

// Little-endian numbers and length-prefixed texts.
void PutNumber(String& out, std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i, value >>= 8) out += static_cast<char>(value & 0xff);
}

void PutText(String& out, const String& text) {
  PutNumber(out, text.size(), 4);
  out += text;
}

class TByteReader {
 public:
  explicit TByteReader(const String& bytes) : FBytes(bytes) {}

  std::uint64_t Number(int size) {
    Need(static_cast<std::size_t>(size));
    std::uint64_t value = 0;
    for (int i = size; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(FBytes[FPosition + i]);
    FPosition += static_cast<std::size_t>(size);
    return value;
  }

  String Text() {
    const std::size_t size = Number(4);
    Need(size);
    String text = FBytes.substr(FPosition, size);
    FPosition += size;
    return text;
  }

  bool AtEnd() const { return FPosition == FBytes.size(); }

 private:
  void Need(std::size_t size) const {
    if (size > FBytes.size() - FPosition) throw Exception("the workbook's sheets are cut short");
  }

  const String& FBytes;
  std::size_t FPosition = 0;
};

}  // namespace

TWorkbookData ReadXlsWorkbook(const String& fileName) {
  // The library reports a short foreign file as a read error; its first
  // bytes tell the kinds apart.
  const std::optional<String> start = ReadFileStart(fileName, sizeof kCompoundFileSignature - 1);
  if (!start) throw Exception(OpenFailure(FREEXL_FILE_NOT_FOUND));
  if (*start != kCompoundFileSignature) throw Exception(OpenFailure(FREEXL_INVALID_CFBF_HEADER));
  const void* book = nullptr;
  const int opened = freexl_open(fileName.c_str(), &book);
  const ScopeExit close([&] {
    if (book) freexl_close(book);
  });
  if (opened != FREEXL_OK) throw Exception(OpenFailure(opened));
  unsigned int info = 0;
  if (freexl_get_info(book, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED)
    throw Exception("the workbook is protected by a password");
  unsigned int count = 0;
  if (freexl_get_info(book, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK || count == 0)
    throw Exception("the workbook has no worksheet");
  TWorkbookData data;
  data.FullName = fileName;
  count = std::min<unsigned int>(count, 0xffff);
  for (unsigned int index = 0; index < count; ++index)
    data.Sheets.push_back(ReadSheet(book, static_cast<unsigned short>(index)));
  return data;
}

String EncodeWorkbookSheets(const std::vector<TWorksheetData>& sheets) {
  String out;
  PutNumber(out, sheets.size(), 4);
  for (const TWorksheetData& sheet : sheets) {
    PutText(out, sheet.Name);
    PutNumber(out, sheet.Cells.size(), 4);
    for (const auto& [place, value] : sheet.Cells) {
      PutNumber(out, static_cast<std::uint64_t>(place.first), 4);
      PutNumber(out, static_cast<std::uint64_t>(place.second), 2);
      PutNumber(out, static_cast<std::uint64_t>(value.Kind), 1);
      if (value.Kind == TSheetValue::TKind::Number) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value.Number, sizeof bits);
        PutNumber(out, bits, 8);
      } else {
        PutText(out, value.Text);
      }
    }
  }
  return out;
}

std::vector<TWorksheetData> DecodeWorkbookSheets(const String& bytes) {
  TByteReader in(bytes);
  std::vector<TWorksheetData> sheets;
  for (std::uint64_t count = in.Number(4); count > 0; --count) {
    TWorksheetData& sheet = sheets.emplace_back();
    sheet.Name = in.Text();
    for (std::uint64_t cells = in.Number(4); cells > 0; --cells) {
      const std::uint64_t row = in.Number(4);
      const std::uint64_t column = in.Number(2);
      const std::uint64_t kind = in.Number(1);
      if (row >= kMaxSheetRows || column >= kMaxSheetColumns) throw Exception("a cell lies beyond the sheet's limits");
      TSheetValue value;
      if (kind == static_cast<std::uint64_t>(TSheetValue::TKind::Number)) {
        value.Kind = TSheetValue::TKind::Number;
        const std::uint64_t bits = in.Number(8);
        std::memcpy(&value.Number, &bits, sizeof bits);
      } else if (kind == static_cast<std::uint64_t>(TSheetValue::TKind::Text)) {
        value.Kind = TSheetValue::TKind::Text;
        value.Text = in.Text();
      } else {
        throw Exception("a cell of an unknown kind");
      }
      sheet.Cells[{static_cast<int>(row), static_cast<int>(column)}] = std::move(value);
    }
  }
  if (!in.AtEnd()) throw Exception("the workbook's sheets run on past their end");
  return sheets;
}

}  // namespace plat
