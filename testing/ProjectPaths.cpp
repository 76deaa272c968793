#include "testing/ProjectPaths.h"

namespace zorbit::testing {

namespace {

std::string Below(const std::string& Folder, const std::string& Relative) {
  return Relative.empty() ? Folder : Folder + "/" + Relative;
}

}  // namespace

std::string SourcePath(const std::string& Relative) { return Below(ZORBIT_TESTING_SOURCE_DIR, Relative); }

std::string BuildPath(const std::string& Relative) { return Below(ZORBIT_TESTING_BUILD_DIR, Relative); }

}  // namespace zorbit::testing
