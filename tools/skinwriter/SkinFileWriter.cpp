#include "tools/skinwriter/SkinFileWriter.h"

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace zorbit::skinwriter {

namespace {

std::string LE32(std::uint32_t Value) {
  std::string bytes(4, '\0');
  PutLE32(bytes, 0, Value);
  return bytes;
}

}  // namespace

void PutLE32(std::string& Bytes, std::size_t Offset, std::uint32_t Value) {
  for (int i = 0; i < 4; ++i) Bytes.at(Offset + static_cast<std::size_t>(i)) = static_cast<char>(Value >> (8 * i));
}

void TSkinFileWriter::AddBitmap(const std::string& Name, const std::string& BitmapFile) {
  Add({Name, static_cast<std::uint8_t>(TSkinEntryKind::Bitmap), BitmapFile});
}

void TSkinFileWriter::AddInteger(const std::string& Name, std::int32_t Value) {
  Add({Name, static_cast<std::uint8_t>(TSkinEntryKind::Integer), LE32(static_cast<std::uint32_t>(Value))});
}

void TSkinFileWriter::AddByte(const std::string& Name, std::uint8_t Value) {
  Add({Name, static_cast<std::uint8_t>(TSkinEntryKind::Byte), std::string(1, static_cast<char>(Value))});
}

void TSkinFileWriter::AddText(const std::string& Name, const std::string& Text) {
  Add({Name, static_cast<std::uint8_t>(TSkinEntryKind::Text), Text});
}

void TSkinFileWriter::Add(TSkinEntry Entry) {
  if (Entry.Name.size() > kNameSize) throw std::invalid_argument("entry name longer than 64 bytes: " + Entry.Name);
  FEntries.push_back(std::move(Entry));
}

std::string TSkinFileWriter::Image() const {
  std::string header(kHeaderSize, '\0');
  std::memcpy(header.data(), kSkinMagic, sizeof kSkinMagic - 1);
  PutLE32(header, kHeaderSizeField, kHeaderSize);
  PutLE32(header, kFirstEntryField, EntryOffset(0));

  // Data follows the entries and the terminator.
  std::uint32_t dataOffset = EntryOffset(FEntries.size() + 1);
  std::string entries;
  std::string data;
  for (std::size_t i = 0; i < FEntries.size(); ++i) {
    const TSkinEntry& source = FEntries[i];
    std::string entry(kEntrySize, '\0');
    std::memcpy(entry.data(), source.Name.data(), source.Name.size());
    entry[kKindField] = static_cast<char>(source.Kind);
    PutLE32(entry, kDataOffsetField, dataOffset);
    PutLE32(entry, kDataSizeField, static_cast<std::uint32_t>(source.Data.size()));
    PutLE32(entry, kNextEntryField, EntryOffset(i + 1));
    entries += entry;
    data += source.Data;
    dataOffset += static_cast<std::uint32_t>(source.Data.size());
  }
  entries += std::string(kEntrySize, '\0');  // the terminator: next-entry offset 0
  return header + entries + data;
}

void TSkinFileWriter::SaveToFile(const std::string& Path) const {
  const std::string image = Image();
  std::ofstream file(Path, std::ios::binary | std::ios::trunc);
  file.write(image.data(), static_cast<std::streamsize>(image.size()));
  if (!file.flush()) throw std::runtime_error("cannot write " + Path);
}

}  // namespace zorbit::skinwriter
