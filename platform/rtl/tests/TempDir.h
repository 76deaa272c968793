#pragma once
// A fresh folder under the system's temporary folder, removed with everything
// in it when the test ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace rtltest {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rtl_test_XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
      throw std::runtime_error("mkdtemp failed");
    }
    FPath = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(FPath, ignored);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder with a trailing "/", so that Path() + "name" is a file in it.
  std::string Path() const { return FPath + "/"; }

  std::string Write(const std::string& name, const std::string& content) const {
    const std::string file = Path() + name;
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(Path() + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

 private:
  std::string FPath;
};

}  // namespace rtltest
