// Any bytes as a compiled help file give the topic's page below the output
// folder or ECompiledHelpError, and nothing else: no crash, no other
// exception, nothing written outside the folder. The library runs in a
// child process, so what is fuzzed here is the whole road: the child, the
// name it hands back and the checks on it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/os/CompiledHelp.h"
#include "platform/os/fuzz/ScratchFile.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/ScopeExit.h"

using namespace plat;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fuzz::TScratchFile scratch("input.chm");
  const String& file = scratch.Write(data, size);
  const String out = CreatePrivateFolder(scratch.Folder(), "out-");
  if (out.empty()) std::abort();
  const ScopeExit remove([&] { DeleteTree(out); });
  // The default topic: the file's system data, the look-up and the
  // extraction all take part.
  try {
    const String page = ExtractCompiledHelp(file, "", out);
    if (page.compare(0, out.size(), out) != 0 || !FileExists(page)) std::abort();
  } catch (const ECompiledHelpError&) {
    // The expected answer to a damaged file.
  }
  return 0;
}
