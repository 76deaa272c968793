#include "testing/FileContent.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace zorbit::testing {

void WriteFileContent(const std::string& Path, const std::string& Content) {
  std::ofstream out(Path, std::ios::binary | std::ios::trunc);
  out << Content;
  if (!out) throw std::runtime_error("cannot write " + Path);
}

std::string ReadFileContent(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zorbit::testing
