#pragma once
// Version resources: the fixed version numbers and the string tables of a
// program file. zorbit_version_resource() (platform/os/VersionResource.cmake)
// embeds one in an executable at build time, as the ELF section
// ".zorbit_version" laid out as:
//
//   8 bytes    "ZVERSRC1"
//   52 bytes   VS_FIXEDFILEINFO, 13 little-endian 32-bit numbers
//   the rest   string entries: block, name and value, each ending in a 0 byte
//              ("040904e4", "ProductVersion", "1.0.0"); an empty block ends them
//
// Reading is by file; the reader checks every offset and size in the file,
// so a truncated, foreign or hostile file has no version information and
// never crashes.
#include <optional>
#include <vector>

#include "platform/rtl/LastError.h"
#include "platform/rtl/Types.h"

namespace plat {

struct VS_FIXEDFILEINFO {
  DWORD dwSignature = 0;  // 0xFEEF04BD
  DWORD dwStrucVersion = 0;
  DWORD dwFileVersionMS = 0;  // major << 16 | minor
  DWORD dwFileVersionLS = 0;  // release << 16 | build
  DWORD dwProductVersionMS = 0;
  DWORD dwProductVersionLS = 0;
  DWORD dwFileFlagsMask = 0;
  DWORD dwFileFlags = 0;
  DWORD dwFileOS = 0;
  DWORD dwFileType = 0;
  DWORD dwFileSubtype = 0;
  DWORD dwFileDateMS = 0;
  DWORD dwFileDateLS = 0;
};

inline constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;

// One string of a string table: its language and code-page block
// ("040904e4"), its name and its value.
struct TVersionString {
  String Block;
  String Name;
  String Value;
};

// A version resource read from a file (the "block" the queries look into).
class TVersionInfo {
 public:
  // Reads the section's bytes; nothing when they are not a valid resource.
  static std::optional<TVersionInfo> FromSection(const String& bytes);

  const VS_FIXEDFILEINFO& Fixed() const { return FFixed; }
  const std::vector<TVersionString>& Strings() const { return FStrings; }

 private:
  VS_FIXEDFILEINFO FFixed;
  std::vector<TVersionString> FStrings;
};

// The size of the file's version resource; 0 when it has none, with the last
// error: ERROR_FILE_NOT_FOUND (no file), ERROR_BAD_FORMAT (not a 64-bit
// little-endian ELF file, or a damaged one), ERROR_RESOURCE_TYPE_NOT_FOUND
// (no resource), ERROR_INVALID_DATA (a damaged resource).
DWORD GetFileVersionInfoSize(const String& fileName);

// The file's version resource; nothing (with the last error as above) when
// it has none.
std::optional<TVersionInfo> GetFileVersionInfo(const String& fileName);

// A string: subBlock "\StringFileInfo\<block>\<name>" (the leading "\" may be
// left out; parts are matched without case). Nothing when there is no such
// string.
std::optional<String> VerQueryValue(const TVersionInfo& block, const String& subBlock);

// The fixed numbers: subBlock "\". False for any other sub-block.
bool VerQueryValue(const TVersionInfo& block, const String& subBlock, VS_FIXEDFILEINFO& fixed);

}  // namespace plat
