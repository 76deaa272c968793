#include "platform/os/VersionInfo.h"

#include <cstring>

#include "platform/os/ElfSection.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/StringUtils.h"

namespace plat {

namespace {

const char* const kSectionName = ".zorbit_version";
const char kMagic[8] = {'Z', 'V', 'E', 'R', 'S', 'R', 'C', '1'};
constexpr std::size_t kFixedSize = 13 * 4;
// Far above any real resource; a larger section is taken as damage.
constexpr std::size_t kMaxResourceSize = 1u << 20;

// The parts of a sub-block between its "\" delimiters.
std::vector<String> SubBlockParts(const String& subBlock) {
  std::vector<String> parts;
  std::size_t start = 0;
  while (start <= subBlock.size()) {
    auto slash = subBlock.find('\\', start);
    if (slash == String::npos) slash = subBlock.size();
    if (slash > start) parts.push_back(subBlock.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

std::optional<String> ReadResource(const String& fileName) {
  return ReadElfSection(fileName, kSectionName, kMaxResourceSize);
}

}  // namespace

std::optional<TVersionInfo> TVersionInfo::FromSection(const String& bytes) {
  if (bytes.size() < sizeof kMagic + kFixedSize || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0)
    return std::nullopt;
  TVersionInfo info;
  VS_FIXEDFILEINFO& f = info.FFixed;
  DWORD* const fields[] = {&f.dwSignature,        &f.dwStrucVersion,     &f.dwFileVersionMS, &f.dwFileVersionLS,
                           &f.dwProductVersionMS, &f.dwProductVersionLS, &f.dwFileFlagsMask, &f.dwFileFlags,
                           &f.dwFileOS,           &f.dwFileType,         &f.dwFileSubtype,   &f.dwFileDateMS,
                           &f.dwFileDateLS};
  static_assert(sizeof fields / sizeof fields[0] * 4 == kFixedSize);
  for (std::size_t i = 0; i < 13; ++i) {
    DWORD value = 0;
    for (std::size_t b = 4; b-- > 0;)
      value = (value << 8) | static_cast<unsigned char>(bytes[sizeof kMagic + i * 4 + b]);
    *fields[i] = value;
  }
  if (f.dwSignature != VS_FFI_SIGNATURE) return std::nullopt;
  // Each entry is three texts ending in a 0 byte; every text must end
  // inside the section.
  std::size_t pos = sizeof kMagic + kFixedSize;
  const auto next = [&](String& text) {
    const auto end = bytes.find('\0', pos);
    if (end == String::npos) return false;
    text = bytes.substr(pos, end - pos);
    pos = end + 1;
    return true;
  };
  for (;;) {
    TVersionString entry;
    if (!next(entry.Block)) return std::nullopt;
    if (entry.Block.empty()) break;
    if (!next(entry.Name) || !next(entry.Value)) return std::nullopt;
    info.FStrings.push_back(std::move(entry));
  }
  return info;
}

DWORD GetFileVersionInfoSize(const String& fileName) {
  const std::optional<String> bytes = ReadResource(fileName);
  if (!bytes) return 0;
  if (!TVersionInfo::FromSection(*bytes)) {
    SetLastError(ERROR_INVALID_DATA);
    return 0;
  }
  return static_cast<DWORD>(bytes->size());
}

std::optional<TVersionInfo> GetFileVersionInfo(const String& fileName) {
  const std::optional<String> bytes = ReadResource(fileName);
  if (!bytes) return std::nullopt;
  std::optional<TVersionInfo> info = TVersionInfo::FromSection(*bytes);
  if (!info) SetLastError(ERROR_INVALID_DATA);
  return info;
}

std::optional<String> VerQueryValue(const TVersionInfo& block, const String& subBlock) {
  const std::vector<String> parts = SubBlockParts(subBlock);
  if (parts.size() != 3 || !SameText(parts[0], "StringFileInfo")) return std::nullopt;
  for (const TVersionString& entry : block.Strings())
    if (SameText(entry.Block, parts[1]) && SameText(entry.Name, parts[2])) return entry.Value;
  return std::nullopt;
}

bool VerQueryValue(const TVersionInfo& block, const String& subBlock, VS_FIXEDFILEINFO& fixed) {
  if (!SubBlockParts(subBlock).empty() || subBlock.empty()) return false;
  fixed = block.Fixed();
  return true;
}

}  // namespace plat
