#pragma once
// A fresh folder under the system's temporary folder, removed with its contents.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace zorbit::mgmtsvc::tests {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mgmtsvc-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    FPath = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string File(const std::string& Name) const { return (FPath / Name).string(); }

  std::string Write(const std::string& Name, const std::string& Text) const {
    std::ofstream(File(Name), std::ios::binary) << Text;
    return File(Name);
  }

  std::string Read(const std::string& Name) const {
    std::ifstream in(File(Name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  std::filesystem::path FPath;
};

}  // namespace zorbit::mgmtsvc::tests
