#pragma once
// A file's whole content in one call, as bytes (binary-safe).
#include <string>

namespace zorbit::testing {

// Replaces the file's content; throws std::runtime_error when it cannot be written.
void WriteFileContent(const std::string& Path, const std::string& Content);
// The file's content; empty when it is missing or cannot be read.
std::string ReadFileContent(const std::string& Path);

}  // namespace zorbit::testing
