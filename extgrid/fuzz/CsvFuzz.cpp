// Any bytes as a delimited text file: read line by line from a real file,
// the delimiter chosen from the first two lines, every line cut into fields
// with and without tilde line breaks: no crash, no exception, no hang, and
// no field longer than its line.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "extgrid/detail/CsvFields.h"
#include "platform/rtl/TextFileReader.h"

namespace {

// One scratch file per fuzzing process, rewritten for each input and
// removed when the process ends.
class TScratchFile {
 public:
  TScratchFile() {
    const int fd = ::mkstemp(FPath.data());
    if (fd < 0) std::abort();
    ::close(fd);
  }
  ~TScratchFile() { ::unlink(FPath.c_str()); }
  const std::string& Path() const { return FPath; }

 private:
  std::string FPath = "/tmp/zorbit-csv-fuzz-XXXXXX";
};

const std::string& ScratchFile() {
  static const TScratchFile file;
  return file.Path();
}

void Write(const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(ScratchFile().c_str(), "wb");
  if (!file) std::abort();
  if (size && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Write(data, size);
  plat::TTextFileReader file;
  if (!file.Open(ScratchFile())) std::abort();
  plat::String first, second;
  if (file.ReadLine(first)) file.ReadLine(second);
  file.Reset();
  const char delimiter = zorbit::detail::DetectCsvDelimiter(first, second);
  for (plat::String line; file.ReadLine(line);) {
    for (const bool tilde : {false, true}) {
      zorbit::detail::SplitCsvLine(line, delimiter, tilde, [&](plat::String&& field) {
        // Only a line break decoded from one character can make a field longer.
        if (field.size() > 2 * line.size()) std::abort();
      });
    }
  }
  return 0;
}
