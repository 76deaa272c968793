// Any bytes as a skin file give a theme or the stream's read error, and
// nothing else: no crash, no other exception, no outsized allocation, no
// hang. A loaded theme answers every element; its pictures decode or read as
// absent. The bytes go through a real file in a private temporary folder,
// removed at exit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/gdi/TBitmap.h"
#include "platform/os/ShellFolders.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/Streams.h"
#include "skin/SkMgr.h"

namespace {

// A private folder for the input file, removed with everything in it at exit.
class TScratchFolder {
 public:
  TScratchFolder() : FPath(plat::CreatePrivateFolder(plat::GetTempPath(), "skinfuzz-")) {
    if (FPath.empty()) std::abort();
  }
  ~TScratchFolder() { plat::DeleteTree(FPath); }
  plat::String File() const { return FPath + "theme.skn"; }

 private:
  plat::String FPath;
};

const plat::String& FilePath() {
  static const TScratchFolder folder;
  static const plat::String path = folder.File();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    plat::TFileStream file(FilePath(), plat::fmCreate);
    file.WriteBuffer(data, static_cast<plat::Int64>(size));
  }
  zorbit::TskFileThemeMgr manager;
  try {
    manager.Load(FilePath());
  } catch (const plat::EReadError&) {
    return 0;
  }
  for (zorbit::TskThemeElement element = zorbit::FirstThemeElement; element <= zorbit::LastThemeElement; ++element) {
    plat::TBitmap bitmap;
    manager.GetBitmap(element, bitmap);
    manager.GetInt(element);
    manager.GetBool(element);
  }
  return 0;
}
