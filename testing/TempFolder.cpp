#include "testing/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "testing/FileContent.h"

namespace zorbit::testing {

namespace fs = std::filesystem;

TTempFolder::TTempFolder(const std::string& Prefix) {
  std::string pattern = (fs::temp_directory_path() / (Prefix + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder " + pattern);
  FPath = pattern;
}

TTempFolder::~TTempFolder() {
  // A test may have taken its own rights away to provoke failures.
  std::error_code ignored;
  fs::permissions(FPath, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(FPath, ignored);
}

std::string TTempFolder::Write(const std::string& Name, const std::string& Content) const {
  const std::string path = File(Name);
  fs::create_directories(fs::path(path).parent_path());
  WriteFileContent(path, Content);
  return path;
}

std::string TTempFolder::Read(const std::string& Name) const { return ReadFileContent(File(Name)); }

}  // namespace zorbit::testing
