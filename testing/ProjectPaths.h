#pragma once
// Where tests find the project's files and the build's products: below the
// source and build folders this library was configured for.
//
//   SourcePath("platform/gdi/tests/data")  ->  <source>/platform/gdi/tests/data
//   BuildPath("app/Resources")             ->  <build>/app/Resources
#include <string>

namespace zorbit::testing {

// Relative is a "/"-separated path below the folder; empty for the folder itself.
std::string SourcePath(const std::string& Relative = {});
std::string BuildPath(const std::string& Relative = {});

}  // namespace zorbit::testing
