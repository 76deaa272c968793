#pragma once
// Client bytes made fit for a log line: whatever a client sends, the log
// stays printable text of bounded length.
#include <cstddef>
#include <string>
#include <string_view>

namespace zorbit::mgmtsvc {

// Printable ASCII and well-formed UTF-8 (but not its control characters)
// stay; a backslash is doubled; every other byte becomes \xNN. Of longer
// input only the first MaxBytes bytes are shown (never part of a character),
// followed by " ... (<size> bytes)".
std::string LogExcerpt(std::string_view Bytes, std::size_t MaxBytes = 80);

}  // namespace zorbit::mgmtsvc
