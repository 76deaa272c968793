#include "platform/os/detail/CompiledHelpCheck.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "platform/rtl/StringUtils.h"

namespace plat::detail {

namespace {

// The file header: its mark, its version, then (8 bytes each) where the
// directory starts and how long it is, and from version 3 on where the
// uncompressed section starts (otherwise right after the directory).
constexpr std::size_t kFileHeaderSize = 0x58;
constexpr std::size_t kFileHeaderSizeV3 = 0x60;
constexpr std::size_t kDirectoryAt = 0x48;
constexpr std::size_t kDirectoryLengthAt = 0x50;
constexpr std::size_t kContentAt = 0x58;

// The directory header: its mark, version, its own size (the chunks follow
// it) and the chunk size.
constexpr std::size_t kDirectoryHeaderSize = 0x54;
constexpr std::size_t kDirectoryHeaderLengthAt = 0x08;
constexpr std::size_t kChunkSizeAt = 0x10;
constexpr std::uint64_t kMinChunkSize = 0x100;
constexpr std::uint64_t kMaxChunkSize = 0x10000;

// A listing chunk: its mark, then entries from 0x14 on.
constexpr std::size_t kEntriesAt = 0x14;

// The control data: a size, the mark "LZXC", a version, the reset interval,
// the window size and the windows per reset (4 bytes each); version 2
// counts in LZX frames.
constexpr char kControlData[] = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr std::size_t kControlDataSize = 0x18;
constexpr std::size_t kControlVersionAt = 0x08;
constexpr std::size_t kResetIntervalAt = 0x0C;
constexpr std::size_t kWindowSizeAt = 0x10;
constexpr std::size_t kWindowsPerResetAt = 0x14;
constexpr std::uint64_t kMinWindow = 0x8000;
constexpr std::uint64_t kMaxWindow = 0x200000;

// The reset table: the block length is 8 bytes at 0x20.
constexpr char kResetTable[] =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
constexpr std::size_t kResetTableSize = 0x28;
constexpr std::size_t kBlockLengthAt = 0x20;

constexpr std::uint64_t kLzxFrame = 0x8000;

std::uint64_t LittleEndian(const Byte* bytes, std::size_t count) {
  std::uint64_t value = 0;
  for (std::size_t i = count; i-- > 0;) value = value << 8 | bytes[i];
  return value;
}

// Reads at offsets of the file; nothing past its end.
class THelpFileBytes {
 public:
  explicit THelpFileBytes(const String& fileName) : FFd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC)) {
    struct stat info {};
    if (FFd >= 0 && ::fstat(FFd, &info) == 0 && info.st_size > 0) FSize = static_cast<std::uint64_t>(info.st_size);
  }
  ~THelpFileBytes() {
    if (FFd >= 0) ::close(FFd);
  }
  THelpFileBytes(const THelpFileBytes&) = delete;
  THelpFileBytes& operator=(const THelpFileBytes&) = delete;

  std::uint64_t Size() const { return FSize; }

  // Up to count bytes at offset (fewer at the end of the file).
  std::vector<Byte> Read(std::uint64_t offset, std::size_t count) const {
    std::vector<Byte> bytes;
    if (offset >= FSize) return bytes;
    bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(count, FSize - offset)));
    std::size_t got = 0;
    while (got < bytes.size()) {
      const ssize_t n = ::pread(FFd, bytes.data() + got, bytes.size() - got, static_cast<off_t>(offset + got));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
  }

  // Exactly count bytes at offset, or nothing.
  std::optional<std::vector<Byte>> ReadExactly(std::uint64_t offset, std::size_t count) const {
    std::vector<Byte> bytes = Read(offset, count);
    if (bytes.size() != count) return std::nullopt;
    return bytes;
  }

 private:
  int FFd;
  std::uint64_t FSize = 0;
};

// A number of a listing entry: 7 bits a byte, the first byte the highest,
// the top bit set on all but the last.
std::optional<std::uint64_t> EncodedInteger(const std::vector<Byte>& chunk, std::size_t& at) {
  std::uint64_t value = 0;
  for (int used = 0; at < chunk.size() && used < 9; ++used) {
    const Byte byte = chunk[at++];
    value = value << 7 | (byte & 0x7F);
    if ((byte & 0x80) == 0) return value;
  }
  return std::nullopt;
}

struct TEntry {
  String Name;
  std::uint64_t Section = 0;
  std::uint64_t Offset = 0;
};

// The entries of a listing chunk, read up to its end: the chunk's own
// count of free space is left alone, so nothing the library could take for
// an entry is missed.
std::vector<TEntry> ListedEntries(const std::vector<Byte>& chunk) {
  std::vector<TEntry> entries;
  std::size_t at = kEntriesAt;
  while (at < chunk.size()) {
    const auto nameLength = EncodedInteger(chunk, at);
    if (!nameLength || *nameLength > chunk.size() - at) break;
    TEntry entry;
    entry.Name.assign(reinterpret_cast<const char*>(chunk.data() + at), static_cast<std::size_t>(*nameLength));
    at += static_cast<std::size_t>(*nameLength);
    const auto section = EncodedInteger(chunk, at);
    const auto offset = EncodedInteger(chunk, at);
    const auto length = EncodedInteger(chunk, at);
    if (!section || !offset || !length) break;
    entry.Section = *section;
    entry.Offset = *offset;
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool IsPowerOfTwo(std::uint64_t value) { return value != 0 && (value & (value - 1)) == 0; }

bool ControlDataIsSound(const Byte* data) {
  const std::uint64_t unit = LittleEndian(data + kControlVersionAt, 4) == 2 ? kLzxFrame : 1;
  const std::uint64_t resetInterval = LittleEndian(data + kResetIntervalAt, 4) * unit;
  const std::uint64_t window = LittleEndian(data + kWindowSizeAt, 4) * unit;
  if (!IsPowerOfTwo(window) || window < kMinWindow || window > kMaxWindow) return false;
  return resetInterval > 0 && resetInterval % (window / 2) == 0 && LittleEndian(data + kWindowsPerResetAt, 4) > 0;
}

bool ResetTableIsSound(const Byte* data) { return LittleEndian(data + kBlockLengthAt, 8) == kLzxFrame; }

// The entry's data, if it names the control data or the reset table: lies
// in the uncompressed section, inside the file, and is sound.
bool EntryIsSound(const THelpFileBytes& file, std::uint64_t content, const TEntry& entry) {
  const bool control = SameText(entry.Name, kControlData);
  if (!control && !SameText(entry.Name, kResetTable)) return true;
  if (entry.Section != 0 || entry.Offset > file.Size() - std::min(content, file.Size())) return false;
  const auto data = file.ReadExactly(content + entry.Offset, control ? kControlDataSize : kResetTableSize);
  if (!data) return false;
  return control ? ControlDataIsSound(data->data()) : ResetTableIsSound(data->data());
}

}  // namespace

String CompiledHelpDamage(const String& fileName) {
  const THelpFileBytes file(fileName);
  const auto header = file.ReadExactly(0, kFileHeaderSize);
  if (!header || std::memcmp(header->data(), "ITSF", 4) != 0) return String();
  const std::uint64_t directory = LittleEndian(header->data() + kDirectoryAt, 8);
  std::uint64_t content = directory + LittleEndian(header->data() + kDirectoryLengthAt, 8);
  if (LittleEndian(header->data() + 4, 4) >= 3) {
    const auto longHeader = file.ReadExactly(0, kFileHeaderSizeV3);
    if (!longHeader) return String();
    content = LittleEndian(longHeader->data() + kContentAt, 8);
  }
  const auto directoryHeader = file.ReadExactly(directory, kDirectoryHeaderSize);
  if (!directoryHeader || std::memcmp(directoryHeader->data(), "ITSP", 4) != 0) return String();
  const std::uint64_t chunkSize = LittleEndian(directoryHeader->data() + kChunkSizeAt, 4);
  if (chunkSize < kMinChunkSize || chunkSize > kMaxChunkSize) return "its directory is damaged";

  const std::uint64_t chunks = directory + LittleEndian(directoryHeader->data() + kDirectoryHeaderLengthAt, 4);
  for (std::uint64_t at = chunks; at < file.Size(); at += chunkSize) {
    const std::vector<Byte> mark = file.Read(at, 4);
    if (mark.size() < 4 || std::memcmp(mark.data(), "PMGL", 4) != 0) continue;
    for (const TEntry& entry : ListedEntries(file.Read(at, static_cast<std::size_t>(chunkSize))))
      if (!EntryIsSound(file, content, entry)) return "its compressed section is damaged";
  }
  return String();
}

}  // namespace plat::detail
