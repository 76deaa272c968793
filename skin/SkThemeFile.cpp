#include "skin/SkThemeFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <set>

#include "platform/rtl/Conversions.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/ResourceStrings.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/Streams.h"

namespace zorbit {

using plat::Byte;
using plat::Int64;
using plat::String;

namespace {

constexpr Int64 kHeaderSize = 24;
constexpr Int64 kHeaderProbe = 16;  // magic and header size
constexpr Int64 kEntrySize = 77;
constexpr std::size_t kNameSize = 64;

enum TEntryKind : Byte { ekBitmap = 0, ekInteger = 1, ekByte = 2, ekText = 3 };

std::uint32_t ReadLE32(const Byte* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

[[noreturn]] void ReadError() { throw plat::EReadError(plat::LoadResString(plat::SReadError)); }

// Offset and Size must lie within a file of FileSize bytes.
void CheckWithin(Int64 Offset, Int64 Size, Int64 FileSize) {
  if (Offset > FileSize || Size > FileSize - Offset) ReadError();
}

// Reads Size bytes at Offset, known to lie within the file.
void ReadAt(plat::TStream& File, Int64 Offset, void* Buffer, Int64 Size) {
  File.SetPosition(Offset);
  File.ReadBuffer(Buffer, Size);
}

}  // namespace

TskThemeFileReader::TskThemeFileReader(const String& FileName) {
  plat::TFileStream file(FileName, plat::fmOpenRead | plat::fmShareDenyNone);
  Parse(file);
}

TskThemeFileReader::~TskThemeFileReader() = default;

void TskThemeFileReader::Parse(plat::TStream& File) {
  const Int64 fileSize = File.Size();
  std::array<Byte, kHeaderSize> header{};
  CheckWithin(0, kHeaderProbe, fileSize);
  ReadAt(File, 0, header.data(), kHeaderProbe);
  // A header declared shorter than 24 bytes reads as zeros past its end.
  const Int64 headerSize = std::min<Int64>(ReadLE32(&header[12]), kHeaderSize);
  header.fill(0);
  CheckWithin(0, headerSize, fileSize);
  ReadAt(File, 0, header.data(), headerSize);

  // A well-formed chain visits each entry once and cannot hold more entries
  // than fit in the file.
  const Int64 maxEntries = fileSize / kEntrySize;
  std::set<Int64> visited;
  // Entries may share data, but all they take together cannot exceed the
  // file: memory stays within the file's size.
  Int64 dataLeft = fileSize;
  Int64 offset = ReadLE32(&header[20]);
  for (;;) {
    if (!visited.insert(offset).second || static_cast<Int64>(visited.size()) > maxEntries) ReadError();
    CheckWithin(offset, kEntrySize, fileSize);
    std::array<Byte, kEntrySize> entry{};
    ReadAt(File, offset, entry.data(), kEntrySize);
    const Int64 next = ReadLE32(&entry[73]);
    if (next == 0) break;
    const char* name = reinterpret_cast<const char*>(entry.data());
    TakeEntry(File, String(name, strnlen(name, kNameSize)), entry[64], ReadLE32(&entry[65]), ReadLE32(&entry[69]),
              dataLeft);
    offset = next;
  }
}

void TskThemeFileReader::TakeEntry(plat::TStream& File, const String& Name, Byte Kind, Int64 Offset, Int64 Size,
                                   Int64& DataLeft) {
  if (Kind > ekText) return;  // other kinds are skipped
  CheckWithin(Offset, Size, File.Size());
  if (Size > DataLeft) ReadError();
  DataLeft -= Size;
  switch (Kind) {
    case ekBitmap: {
      auto stream = std::make_unique<plat::TMemoryStream>();
      stream->SetSize(Size);
      if (Size > 0) ReadAt(File, Offset, stream->Memory(), Size);
      FPictures.Add(Name);
      FPictureStreams.push_back(std::move(stream));
      break;
    }
    case ekInteger:
    case ekByte: {
      // At most the value's width; a shorter datum is zero-extended.
      const Int64 width = Kind == ekInteger ? 4 : 1;
      std::array<Byte, 4> value{};
      ReadAt(File, Offset, value.data(), std::min(Size, width));
      const Int64 number = Kind == ekInteger ? static_cast<std::int32_t>(ReadLE32(value.data())) : value[0];
      (Kind == ekInteger ? FIntegers : FBytes).Add(Name + "=" + plat::IntToStr(number));
      break;
    }
    case ekText: {
      String text(static_cast<std::size_t>(Size), '\0');
      if (Size > 0) ReadAt(File, Offset, text.data(), Size);
      FTexts.Add(Name + "=" + text);
      break;
    }
    default: break;
  }
}

plat::TStream* TskThemeFileReader::GetBitmapStream(const String& Name) {
  const int index = FPictures.IndexOf(Name);
  if (index < 0) return nullptr;
  plat::TMemoryStream& stream = *FPictureStreams[static_cast<std::size_t>(index)];
  stream.SetPosition(0);
  return &stream;
}

int TskThemeFileReader::GetInt(const String& Name) const {
  const int index = FIntegers.IndexOfName(Name);
  int value = -1;
  if (index < 0 || !plat::TryStrToInt(FIntegers.ValueFromIndex(index), value)) return -1;
  return value;
}

bool TskThemeFileReader::GetBool(const String& Name) const {
  const int index = FBytes.IndexOfName(Name);
  int value = 0;
  if (index < 0 || !plat::TryStrToInt(FBytes.ValueFromIndex(index), value)) return false;
  return (value & 0xFF) != 0;
}

}  // namespace zorbit
