// skinwriter <skin file> <picture folder> [<values file>]: writes a skin file
// from a folder of "<ElementName>.bmp" pictures and a list of values (the
// syntax is in SkinSource.h). Exit code 0 when written, 1 on a refusal (the
// reason on standard error), 2 for wrong arguments.
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "tools/skinwriter/SkinSource.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::cerr << "usage: skinwriter <skin file> <picture folder> [<values file>]\n";
    return 2;
  }
  try {
    zorbit::skinwriter::TSkinFileWriter writer;
    zorbit::skinwriter::AddPictureFolder(writer, argv[2]);
    if (argc == 4) {
      std::ifstream values(argv[3], std::ios::binary);
      if (!values) throw std::runtime_error(std::string(argv[3]) + ": cannot be read");
      std::ostringstream text;
      text << values.rdbuf();
      zorbit::skinwriter::AddValues(writer, text.str(), argv[3]);
    }
    writer.SaveToFile(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "skinwriter: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
