#include "testing/Biff5Workbook.h"

#include <cstdint>
#include <cstring>

namespace zorbit::testing {
namespace {

void Put16(std::string& Out, unsigned Value) {
  Out += static_cast<char>(Value & 0xFF);
  Out += static_cast<char>((Value >> 8) & 0xFF);
}

void Put32(std::string& Out, std::uint32_t Value) {
  Put16(Out, Value & 0xFFFF);
  Put16(Out, Value >> 16);
}

std::string Record(unsigned Kind, const std::string& Body) {
  std::string out;
  Put16(out, Kind);
  Put16(out, static_cast<unsigned>(Body.size()));
  return out + Body;
}

// BOF of BIFF5: version, substream kind (5 globals, 0x10 worksheet), build
// and year.
std::string Bof(unsigned Kind) {
  std::string body;
  Put16(body, 0x0500);
  Put16(body, Kind);
  Put16(body, 0x096C);
  Put16(body, 0x07C9);
  return Record(0x0809, body);
}

const std::string kEof = Record(0x000A, {});

std::string Sheet(const TBiff5Sheet& Sheet) {
  int rows = 0, columns = 0;
  for (const TBiff5Cell& cell : Sheet.Cells) {
    rows = std::max(rows, cell.Row + 1);
    columns = std::max(columns, cell.Column + 1);
  }
  std::string dimensions;
  Put16(dimensions, 0);
  Put16(dimensions, static_cast<unsigned>(rows));
  Put16(dimensions, 0);
  Put16(dimensions, static_cast<unsigned>(columns));
  Put16(dimensions, 0);
  std::string out = Bof(0x0010) + Record(0x0000, dimensions);
  for (const TBiff5Cell& cell : Sheet.Cells) {
    std::string body;
    Put16(body, static_cast<unsigned>(cell.Row));
    Put16(body, static_cast<unsigned>(cell.Column));
    Put16(body, 0x0F);  // the default cell format
    out += Record(static_cast<unsigned>(cell.Record), body + cell.Body);
  }
  return out + kEof;
}

// The "Book" stream: the globals (code page, the sheets' BOUNDSHEET records
// with their offsets), then each sheet.
std::string BookStream(const std::vector<TBiff5Sheet>& Sheets) {
  std::string codePage;
  Put16(codePage, 1252);
  std::string globalsHead = Bof(0x0005) + Record(0x0042, codePage);
  std::size_t boundSheetsSize = 0;
  for (const TBiff5Sheet& sheet : Sheets) boundSheetsSize += 4 + 7 + sheet.Name.size();
  std::size_t offset = globalsHead.size() + boundSheetsSize + kEof.size();
  std::string boundSheets, sheets;
  for (const TBiff5Sheet& sheet : Sheets) {
    std::string body;
    Put32(body, static_cast<std::uint32_t>(offset + sheets.size()));
    Put16(body, 0);  // a visible worksheet
    body += static_cast<char>(sheet.Name.size());
    body += sheet.Name;
    boundSheets += Record(0x0085, body);
    sheets += Sheet(sheet);
  }
  return globalsHead + boundSheets + kEof + sheets;
}

constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::size_t kSector = 512;

std::string DirectoryEntry(const std::string& Name, int Type, std::uint32_t Child, std::uint32_t Start,
                           std::uint32_t Size) {
  std::string entry;
  for (const char c : Name) Put16(entry, static_cast<unsigned char>(c));
  entry.resize(64, '\0');
  Put16(entry, Name.empty() ? 0 : static_cast<unsigned>(2 * (Name.size() + 1)));
  entry += static_cast<char>(Type);
  entry += static_cast<char>(1);  // black
  Put32(entry, kFreeSector);      // left sibling
  Put32(entry, kFreeSector);      // right sibling
  Put32(entry, Child);
  entry.resize(116, '\0');  // class id, state bits, times
  Put32(entry, Start);
  Put32(entry, Size);
  Put32(entry, 0);
  return entry;
}

}  // namespace

TBiff5Value Biff5Text(const std::string& Cp1252) {
  std::string body;
  Put16(body, static_cast<unsigned>(Cp1252.size()));
  return {0x0204, body + Cp1252};  // LABEL
}

TBiff5Value Biff5Number(double Value) {
  std::string body(8, '\0');
  std::memcpy(body.data(), &Value, 8);
  return {0x0203, body};  // NUMBER
}

TBiff5Value Biff5Boolean(bool Value) {
  return {0x0205, std::string{static_cast<char>(Value ? 1 : 0), '\0'}};  // BOOLERR, a boolean
}

TBiff5Cell Biff5At(int Row, int Column, const TBiff5Value& Value) { return {Row, Column, Value.Record, Value.Body}; }

std::string Biff5Workbook(const std::vector<TBiff5Sheet>& Sheets) {
  // Streams below 4096 bytes would live in the mini stream; the book is
  // padded past it instead, after its last record.
  std::string book = BookStream(Sheets);
  const std::size_t bookSize = std::max<std::size_t>(book.size(), 4096);
  book.resize((bookSize + kSector - 1) / kSector * kSector, '\0');
  const std::uint32_t bookSectors = static_cast<std::uint32_t>(book.size() / kSector);

  // Sector 0: the allocation table; 1: the directory; 2 on: the book.
  std::string header = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";
  header.resize(24, '\0');
  Put16(header, 0x003E);
  Put16(header, 3);
  Put16(header, 0xFFFE);
  Put16(header, 9);
  Put16(header, 6);
  header.resize(44, '\0');
  Put32(header, 1);  // allocation-table sectors
  Put32(header, 1);  // first directory sector
  Put32(header, 0);
  Put32(header, 4096);
  Put32(header, kEndOfChain);  // no mini allocation table
  Put32(header, 0);
  Put32(header, kEndOfChain);  // no further table sectors
  Put32(header, 0);
  Put32(header, 0);  // the table's sector
  while (header.size() < kSector) Put32(header, kFreeSector);

  std::string fat;
  Put32(fat, kFatSector);
  Put32(fat, kEndOfChain);
  for (std::uint32_t i = 0; i < bookSectors; ++i) Put32(fat, i + 1 < bookSectors ? 3 + i : kEndOfChain);
  while (fat.size() < kSector) Put32(fat, kFreeSector);

  std::string directory = DirectoryEntry("Root Entry", 5, 1, kEndOfChain, 0) +
                          DirectoryEntry("Book", 2, kFreeSector, 2, static_cast<std::uint32_t>(bookSize));
  while (directory.size() < kSector) directory += DirectoryEntry("", 0, kFreeSector, 0, 0);

  return header + fat + directory + book;
}

}  // namespace zorbit::testing
