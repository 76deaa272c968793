// Any bytes given to the registry hive reader give keys and values and
// nothing else: no crash, no exception, no outsized allocation. What it
// reads it writes out in a form that reads back to the same hive; a text it
// refuses (keys too deep) is left alone, as the registry leaves such a file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/os/RegistryHive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plat;
  TRegistryHive hive("HKEY_LOCAL_MACHINE");
  if (!hive.Parse(String(reinterpret_cast<const char*>(data), size))) return 0;
  const String written = hive.Serialize();
  TRegistryHive reread("HKEY_LOCAL_MACHINE");
  if (!reread.Parse(written) || reread.Serialize() != written) std::abort();
  return 0;
}
