#include "platform/os/ElfSection.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "platform/rtl/LastError.h"
#include "platform/rtl/Paths.h"

namespace plat {

namespace {

constexpr std::size_t kHeaderSize = 64;
constexpr std::size_t kSectionHeaderSize = 64;
constexpr std::uint32_t kNoBits = 8;              // SHT_NOBITS: no content in the file
constexpr std::uint32_t kExtendedIndex = 0xffff;  // SHN_XINDEX

std::uint64_t Little(const unsigned char* bytes, std::size_t count) {
  std::uint64_t value = 0;
  for (std::size_t i = count; i-- > 0;) value = (value << 8) | bytes[i];
  return value;
}

struct TSectionHeader {
  std::uint32_t Name = 0;
  std::uint32_t Type = 0;
  std::uint64_t Offset = 0;
  std::uint64_t Size = 0;
  std::uint32_t Link = 0;
};

class TElfFile {
 public:
  explicit TElfFile(int fd, std::uint64_t size) : FFd(fd), FSize(size) {}

  // Reads count bytes at offset when they lie wholly inside the file.
  bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const {
    if (offset > FSize || count > FSize - offset) return false;
    auto* out = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
      const ssize_t got = ::pread(FFd, out + done, count - done, static_cast<off_t>(offset + done));
      if (got < 0 && errno == EINTR) continue;
      if (got <= 0) return false;
      done += static_cast<std::size_t>(got);
    }
    return true;
  }

  bool Section(std::uint64_t tableOffset, std::uint64_t index, TSectionHeader& header) const {
    if (tableOffset > FSize || index >= (FSize - tableOffset) / kSectionHeaderSize) return false;
    unsigned char raw[kSectionHeaderSize];
    if (!ReadAt(tableOffset + index * kSectionHeaderSize, raw, sizeof raw)) return false;
    header.Name = static_cast<std::uint32_t>(Little(raw, 4));
    header.Type = static_cast<std::uint32_t>(Little(raw + 4, 4));
    header.Offset = Little(raw + 24, 8);
    header.Size = Little(raw + 32, 8);
    header.Link = static_cast<std::uint32_t>(Little(raw + 40, 4));
    return true;
  }

 private:
  int FFd;
  std::uint64_t FSize;
};

std::optional<String> Fail(DWORD error) {
  SetLastError(error);
  return std::nullopt;
}

std::optional<String> FindSection(const TElfFile& file, std::uint64_t fileSize, const String& sectionName,
                                  std::size_t maxSize) {
  unsigned char header[kHeaderSize];
  if (!file.ReadAt(0, header, sizeof header)) return Fail(ERROR_BAD_FORMAT);
  const bool elf64Little =
      header[0] == 0x7f && header[1] == 'E' && header[2] == 'L' && header[3] == 'F' && header[4] == 2 && header[5] == 1;
  if (!elf64Little) return Fail(ERROR_BAD_FORMAT);
  const std::uint64_t tableOffset = Little(header + 40, 8);
  const std::uint64_t entrySize = Little(header + 58, 2);
  std::uint64_t count = Little(header + 60, 2);
  std::uint64_t namesIndex = Little(header + 62, 2);
  if (tableOffset == 0) return Fail(ERROR_RESOURCE_TYPE_NOT_FOUND);  // no sections at all
  if (entrySize != kSectionHeaderSize) return Fail(ERROR_BAD_FORMAT);
  // Many sections: the real count and names index are kept in section 0.
  TSectionHeader first;
  if (!file.Section(tableOffset, 0, first)) return Fail(ERROR_BAD_FORMAT);
  if (count == 0) count = first.Size;
  if (namesIndex == kExtendedIndex) namesIndex = first.Link;
  if (count > fileSize / kSectionHeaderSize || namesIndex >= count) return Fail(ERROR_BAD_FORMAT);
  TSectionHeader names;
  if (!file.Section(tableOffset, namesIndex, names) || names.Type == kNoBits) return Fail(ERROR_BAD_FORMAT);
  String wanted = sectionName;
  wanted += '\0';
  String candidate(wanted.size(), '\0');
  for (std::uint64_t index = 1; index < count; ++index) {
    TSectionHeader section;
    if (!file.Section(tableOffset, index, section)) return Fail(ERROR_BAD_FORMAT);
    if (section.Name >= names.Size || names.Size - section.Name < wanted.size()) continue;
    std::uint64_t nameOffset = 0;
    if (__builtin_add_overflow(names.Offset, section.Name, &nameOffset) ||
        !file.ReadAt(nameOffset, candidate.data(), candidate.size()))
      return Fail(ERROR_BAD_FORMAT);
    if (candidate != wanted || section.Type == kNoBits) continue;
    if (section.Size > maxSize) return Fail(ERROR_INVALID_DATA);
    String content(static_cast<std::size_t>(section.Size), '\0');
    if (!file.ReadAt(section.Offset, content.data(), content.size())) return Fail(ERROR_BAD_FORMAT);
    return content;
  }
  return Fail(ERROR_RESOURCE_TYPE_NOT_FOUND);
}

}  // namespace

std::optional<String> ReadElfSection(const String& fileName, const String& sectionName, std::size_t maxSize) {
  const int fd = ::open(NormalizePath(fileName).c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Fail(ErrorFromErrno(errno));
  struct stat info {};
  std::optional<String> result;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    result = Fail(ERROR_BAD_FORMAT);
  } else {
    const auto size = static_cast<std::uint64_t>(info.st_size);
    result = FindSection(TElfFile(fd, size), size, sectionName, maxSize);
  }
  ::close(fd);
  return result;
}

}  // namespace plat
