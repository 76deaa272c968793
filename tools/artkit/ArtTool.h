#pragma once
// The shared frame of the build-time picture tools: `<tool> <folder>` draws
// each picture of the tool on a fresh bitmap of its size and writes it into
// the folder as a BMP file. Exit codes: 0 when every picture was written,
// 1 when one could not be (the folder is named on stderr), 2 for a wrong
// command line (usage on stderr). Pictures after a failed one are not drawn.
#include <functional>
#include <string>
#include <vector>

namespace plat {
class TCanvas;
}

namespace artkit {

struct TArtPicture {
  std::string FileName;  // e.g. "AboutBack.bmp"
  int Width;
  int Height;
  std::function<void(plat::TCanvas&)> Draw;
};

int RunArtTool(int argc, char** argv, const std::string& ToolName, const std::vector<TArtPicture>& Pictures);

}  // namespace artkit
