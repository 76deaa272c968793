#pragma once
// Writes skin files: a header with the magic, the entries in the order they
// were added, one terminating entry, then the entries' data. Names are
// written as given (at most 64 bytes; a 64-byte name has no NUL), data as
// given: the writer never checks that a picture decodes, so tests can write
// broken ones. The layout constants let tests patch a file byte by byte.
#include <cstdint>
#include <string>
#include <vector>

namespace zorbit::skinwriter {

inline constexpr char kSkinMagic[] = "Veneer_TB";
inline constexpr std::size_t kMagicSize = 12;
inline constexpr std::uint32_t kHeaderSize = 24;
inline constexpr std::size_t kHeaderSizeField = 12;
inline constexpr std::size_t kFirstEntryField = 20;

inline constexpr std::uint32_t kEntrySize = 77;
inline constexpr std::size_t kNameSize = 64;
inline constexpr std::size_t kKindField = 64;
inline constexpr std::size_t kDataOffsetField = 65;
inline constexpr std::size_t kDataSizeField = 69;
inline constexpr std::size_t kNextEntryField = 73;

enum class TSkinEntryKind : std::uint8_t { Bitmap = 0, Integer = 1, Byte = 2, Text = 3 };

struct TSkinEntry {
  std::string Name;
  std::uint8_t Kind = 0;  // any byte: kinds beyond Text are written too
  std::string Data;
};

class TSkinFileWriter {
 public:
  // Each raises std::invalid_argument for a name longer than 64 bytes.
  void AddBitmap(const std::string& Name, const std::string& BitmapFile);
  void AddInteger(const std::string& Name, std::int32_t Value);
  void AddByte(const std::string& Name, std::uint8_t Value);
  void AddText(const std::string& Name, const std::string& Text);
  void Add(TSkinEntry Entry);

  const std::vector<TSkinEntry>& Entries() const { return FEntries; }
  // The whole file.
  std::string Image() const;
  // Raises std::runtime_error when the file cannot be written.
  void SaveToFile(const std::string& Path) const;

  // The offset of entry Index (0-based; Entries().size() is the terminator)
  // in Image().
  static std::uint32_t EntryOffset(std::size_t Index) {
    return kHeaderSize + kEntrySize * static_cast<std::uint32_t>(Index);
  }

 private:
  std::vector<TSkinEntry> FEntries;
};

// Little-endian 32-bit value at Offset of Bytes (which must hold it).
void PutLE32(std::string& Bytes, std::size_t Offset, std::uint32_t Value);

}  // namespace zorbit::skinwriter
