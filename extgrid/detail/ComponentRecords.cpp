#include "extgrid/detail/ComponentRecords.h"

#include <bit>
#include <cstring>

#include "platform/rtl/Exception.h"

namespace zorbit::detail {
namespace {

constexpr char kSignature[4] = {'T', 'P', 'F', '0'};
enum TValueType : plat::Byte {
  vtEnd = 0,
  vtInteger = 1,
  vtString = 2,
  vtFalse = 3,
  vtTrue = 4,
  vtFloat = 5,
  vtStrings = 6
};

[[noreturn]] void Corrupt(const plat::String& Why) { throw plat::EReadError("Invalid stream format: " + Why); }

plat::Byte ReadByte(plat::TStream& Stream) {
  plat::Byte value = 0;
  Stream.ReadBuffer(&value, 1);
  return value;
}

template <typename T>
T ReadLittleEndian(plat::TStream& Stream) {
  unsigned char bytes[sizeof(T)];
  Stream.ReadBuffer(bytes, sizeof bytes);
  std::uint64_t value = 0;
  for (std::size_t i = sizeof bytes; i-- > 0;) value = value << 8 | bytes[i];
  return static_cast<T>(value);
}

template <typename T>
void WriteLittleEndian(plat::TStream& Stream, T Value) {
  unsigned char bytes[sizeof(T)];
  auto value = static_cast<std::uint64_t>(Value);
  for (unsigned char& b : bytes) {
    b = static_cast<unsigned char>(value & 0xFF);
    value >>= 8;
  }
  Stream.WriteBuffer(bytes, sizeof bytes);
}

// Reads Count bytes, never more than the stream still holds.
plat::String ReadBytes(plat::TStream& Stream, std::int64_t Count) {
  if (Count > Stream.Size() - Stream.Position()) Corrupt("length beyond the end");
  plat::String bytes(static_cast<std::size_t>(Count), '\0');
  Stream.ReadBuffer(bytes.data(), Count);
  return bytes;
}

plat::String ReadName(plat::TStream& Stream) { return ReadBytes(Stream, ReadByte(Stream)); }

plat::String ReadString(plat::TStream& Stream) { return ReadBytes(Stream, ReadLittleEndian<std::uint32_t>(Stream)); }

void WriteString(plat::TStream& Stream, const plat::String& Value) {
  WriteLittleEndian(Stream, static_cast<std::uint32_t>(Value.size()));
  Stream.WriteBuffer(Value.data(), static_cast<plat::Int64>(Value.size()));
}

std::vector<plat::String> ReadStrings(plat::TStream& Stream) {
  const auto count = ReadLittleEndian<std::uint32_t>(Stream);
  // Each string takes at least its length's four bytes.
  if (count > (Stream.Size() - Stream.Position()) / 4) Corrupt("a list longer than the stream");
  std::vector<plat::String> strings;
  strings.reserve(count);
  for (std::uint32_t i = 0; i < count; ++i) strings.push_back(ReadString(Stream));
  return strings;
}

}  // namespace

TRecordWriter::TRecordWriter(plat::TStream& Stream, const plat::String& ClassName) : FStream(Stream) {
  FStream.WriteBuffer(kSignature, sizeof kSignature);
  Name(ClassName);
  Name({});
}

void TRecordWriter::Name(const plat::String& Value) {
  // Names are the code's own property and class names, all short.
  const auto length = static_cast<plat::Byte>(Value.size());
  FStream.WriteBuffer(&length, 1);
  FStream.WriteBuffer(Value.data(), length);
}

void TRecordWriter::Integer(const plat::String& Name, std::int64_t Value) {
  this->Name(Name);
  const plat::Byte type = vtInteger;
  FStream.WriteBuffer(&type, 1);
  WriteLittleEndian(FStream, Value);
}

void TRecordWriter::Text(const plat::String& Name, const plat::String& Value) {
  if (Value.empty()) return;
  this->Name(Name);
  const plat::Byte type = vtString;
  FStream.WriteBuffer(&type, 1);
  WriteString(FStream, Value);
}

void TRecordWriter::Float(const plat::String& Name, double Value) {
  this->Name(Name);
  const plat::Byte type = vtFloat;
  FStream.WriteBuffer(&type, 1);
  WriteLittleEndian(FStream, std::bit_cast<std::uint64_t>(Value));
}

void TRecordWriter::Strings(const plat::String& Name, const std::vector<plat::String>& Value) {
  this->Name(Name);
  const plat::Byte type = vtStrings;
  FStream.WriteBuffer(&type, 1);
  WriteLittleEndian(FStream, static_cast<std::uint32_t>(Value.size()));
  for (const plat::String& item : Value) WriteString(FStream, item);
}

void TRecordWriter::Boolean(const plat::String& Name, bool Value) {
  this->Name(Name);
  const plat::Byte type = Value ? vtTrue : vtFalse;
  FStream.WriteBuffer(&type, 1);
}

void TRecordWriter::End() {
  const plat::Byte ends[2] = {vtEnd, vtEnd};
  FStream.WriteBuffer(ends, sizeof ends);
}

TRecordReader::TRecordReader(plat::TStream& Stream, const plat::String& ClassName) {
  char signature[sizeof kSignature];
  Stream.ReadBuffer(signature, sizeof signature);
  if (std::memcmp(signature, kSignature, sizeof kSignature) != 0) Corrupt("no record signature");
  if (ReadName(Stream) != ClassName) Corrupt("a record of another class where " + ClassName + " belongs");
  ReadName(Stream);  // the component's name, always empty
  for (plat::String name = ReadName(Stream); !name.empty(); name = ReadName(Stream)) {
    TValue value;
    switch (ReadByte(Stream)) {
      case vtInteger: value = ReadLittleEndian<std::int64_t>(Stream); break;
      case vtString: value = ReadString(Stream); break;
      case vtFloat: value = std::bit_cast<double>(ReadLittleEndian<std::uint64_t>(Stream)); break;
      case vtStrings: value = ReadStrings(Stream); break;
      case vtFalse: value = false; break;
      case vtTrue: value = true; break;
      default: Corrupt("unknown value type of " + name);
    }
    if (!FValues.emplace(name, std::move(value)).second) Corrupt(name + " given twice");
  }
  if (ReadByte(Stream) != vtEnd) Corrupt("no end of " + ClassName);
}

template <typename T>
const T* TRecordReader::Find(const plat::String& Name) const {
  const auto it = FValues.find(Name);
  if (it == FValues.end()) return nullptr;
  const T* value = std::get_if<T>(&it->second);
  if (!value) Corrupt(Name + " of the wrong type");
  return value;
}

std::int64_t TRecordReader::Integer(const plat::String& Name, std::int64_t Default) const {
  const auto* value = Find<std::int64_t>(Name);
  return value ? *value : Default;
}

plat::String TRecordReader::Text(const plat::String& Name) const {
  const auto* value = Find<plat::String>(Name);
  return value ? *value : plat::String();
}

bool TRecordReader::Boolean(const plat::String& Name) const {
  const auto* value = Find<bool>(Name);
  return value && *value;
}

double TRecordReader::Float(const plat::String& Name, double Default) const {
  const auto* value = Find<double>(Name);
  return value ? *value : Default;
}

std::vector<plat::String> TRecordReader::Strings(const plat::String& Name) const {
  const auto* value = Find<std::vector<plat::String>>(Name);
  return value ? *value : std::vector<plat::String>();
}

}  // namespace zorbit::detail
