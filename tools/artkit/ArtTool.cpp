#include "tools/artkit/ArtTool.h"

#include <fstream>
#include <iostream>

#include "platform/gdi/BmpCodec.h"
#include "platform/gdi/TBitmap.h"

namespace artkit {

namespace {

bool WritePicture(const std::string& Path, const TArtPicture& Picture) {
  plat::TBitmap bitmap;
  bitmap.SetSize(Picture.Width, Picture.Height);
  Picture.Draw(*bitmap.Canvas());
  const std::vector<plat::Byte> data = plat::WriteBmp(*bitmap.Image());
  std::ofstream out(Path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  return static_cast<bool>(out);
}

}  // namespace

int RunArtTool(int argc, char** argv, const std::string& ToolName, const std::vector<TArtPicture>& Pictures) {
  if (argc != 2) {
    std::cerr << "usage: " << ToolName << " <folder>\n";
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  for (const TArtPicture& picture : Pictures) {
    if (!WritePicture(folder + picture.FileName, picture)) {
      std::cerr << ToolName << ": cannot write into " << folder << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace artkit
