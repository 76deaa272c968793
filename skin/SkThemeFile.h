#pragma once
// The skin-file reader: one skin file parsed into four case-insensitive name
// lists (pictures, integers, bytes, texts), kept until the reader goes.
//
// A skin file is little-endian and packed: a 24-byte header (the magic
// "Veneer_TB" NUL-padded to 12 bytes, the header size, 4 reserved bytes, the
// offset of the first entry) and a chain of 77-byte entries (a 64-byte name,
// NUL-terminated unless it fills all 64, the kind: 0 bitmap file image,
// 1 32-bit integer, 2 byte, 3 text; the data's offset and size; the next
// entry's offset). The entry whose next offset is 0 ends the chain and is
// not itself taken; entries of other kinds are skipped. Duplicate names are
// all kept, and look-ups find the first.
//
// The file is untrusted. The header size is honoured up to 24 bytes (a
// shorter header reads as zeros past its end). Every entry and every datum
// is checked to lie within the file before anything is read or allocated,
// and the data of all entries together may not exceed the file's size (so
// entries sharing data cannot multiply the memory taken);
// integer and byte entries read at most the value's width (a shorter datum
// is zero-extended). The chain may not visit an entry twice nor run longer
// than the file could hold entries. A breach raises EReadError ("Stream read
// error"), as a short read of the file does; an unopenable file raises
// EFOpenError. The reader never checks the magic (TskFileTheme does).
#include <memory>
#include <vector>

#include "platform/rtl/StringList.h"
#include "platform/rtl/Types.h"

namespace plat {
class TStream;
class TMemoryStream;
}  // namespace plat

namespace zorbit {

class TskThemeFileReader {
 public:
  explicit TskThemeFileReader(const plat::String& FileName);
  ~TskThemeFileReader();
  TskThemeFileReader(const TskThemeFileReader&) = delete;
  TskThemeFileReader& operator=(const TskThemeFileReader&) = delete;

  // The picture entry's bitmap file image, rewound to its start; nullptr
  // when absent. The reader keeps it.
  plat::TStream* GetBitmapStream(const plat::String& Name);
  // The integer entry's value; -1 when absent (or not a number).
  int GetInt(const plat::String& Name) const;
  // The byte entry's value taken as a flag; False when absent.
  bool GetBool(const plat::String& Name) const;

  // The lists as read: picture names (their streams alongside), and
  // "name=value" lines of the integer, byte and text entries.
  const plat::TStringList& Pictures() const { return FPictures; }
  const plat::TStringList& Integers() const { return FIntegers; }
  const plat::TStringList& Bytes() const { return FBytes; }
  const plat::TStringList& Texts() const { return FTexts; }

 private:
  void Parse(plat::TStream& File);
  // DataLeft: what the entries may still take of the file's size.
  void TakeEntry(plat::TStream& File, const plat::String& Name, plat::Byte Kind, plat::Int64 Offset, plat::Int64 Size,
                 plat::Int64& DataLeft);

  plat::TStringList FPictures;
  // The streams of FPictures, index for index (the runtime's streams are
  // not list objects).
  std::vector<std::unique_ptr<plat::TMemoryStream>> FPictureStreams;
  plat::TStringList FIntegers;
  plat::TStringList FBytes;
  plat::TStringList FTexts;
};

}  // namespace zorbit
