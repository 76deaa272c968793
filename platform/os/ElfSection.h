#pragma once
// Reading one named section of a 64-bit little-endian ELF file, checking
// every offset, size and count against the file so that damaged or hostile
// files fail cleanly. The file name may use "\" as delimiter.
#include <cstddef>
#include <optional>

#include "platform/rtl/Types.h"

namespace plat {

// The section's bytes. Nothing, with the last error, when the file cannot
// be opened (ERROR_FILE_NOT_FOUND, ...), is not such an ELF file or is
// damaged (ERROR_BAD_FORMAT), has no section of that name with content
// (ERROR_RESOURCE_TYPE_NOT_FOUND) or the section is larger than maxSize
// (ERROR_INVALID_DATA).
std::optional<String> ReadElfSection(const String& fileName, const String& sectionName, std::size_t maxSize);

}  // namespace plat
