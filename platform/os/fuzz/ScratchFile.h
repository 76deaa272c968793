#pragma once
// For fuzz targets of readers that take a file name: each input is written
// to one file in a private temporary folder, removed with everything in it
// at exit (as is whatever else a target puts in that folder).
#include <cstdint>
#include <cstdlib>

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/Streams.h"

namespace plat::fuzz {

class TScratchFile {
 public:
  explicit TScratchFile(const String& name) : FFolder(CreatePrivateFolder(GetTempDir(), "zorbit-fuzz-")) {
    if (FFolder.empty()) std::abort();
    FPath = FFolder + name;
  }
  ~TScratchFile() { DeleteTree(FFolder); }
  TScratchFile(const TScratchFile&) = delete;
  TScratchFile& operator=(const TScratchFile&) = delete;

  // The folder, with a trailing "/".
  const String& Folder() const { return FFolder; }
  // Replaces the file's content with the input; answers its path.
  const String& Write(const std::uint8_t* data, std::size_t size) const {
    TFileStream file(FPath, fmCreate);
    file.WriteBuffer(data, static_cast<Int64>(size));
    return FPath;
  }

 private:
  String FFolder;
  String FPath;
};

}  // namespace plat::fuzz
