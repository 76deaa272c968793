// Any bytes given to the registry hive reader give keys and values and
// nothing else: no crash, no exception, no outsized allocation. What it
// reads it writes out in a form that reads back to the same hive.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/os/RegistryHive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plat;
  TRegistryHive hive("HKEY_LOCAL_MACHINE");
  hive.Parse(String(reinterpret_cast<const char*>(data), size));
  const String written = hive.Serialize();
  TRegistryHive reread("HKEY_LOCAL_MACHINE");
  reread.Parse(written);
  if (reread.Serialize() != written) std::abort();
  return 0;
}
