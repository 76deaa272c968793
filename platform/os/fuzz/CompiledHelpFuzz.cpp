// Any bytes as a compiled help file give the topic's page below the output
// folder or ECompiledHelpError, and nothing else: no crash, no other
// exception, nothing written outside the folder. The program reads the file
// in a child process; here it is read in this one, so that a crash in the
// library is the fuzzer's crash, and the rest of the road (the name handed
// back and the checks on it) is fuzzed as the program runs it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/os/CompiledHelp.h"
#include "platform/os/IsolatedCall.h"
#include "platform/os/fuzz/ScratchFile.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/FolderHandle.h"
#include "platform/rtl/ScopeExit.h"

using namespace plat;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SetIsolatedCallsInProcess(true);
  return 0;
}

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
