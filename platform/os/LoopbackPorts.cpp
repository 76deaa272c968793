#include "platform/os/LoopbackPorts.h"

#include "platform/os/PlatformRoot.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/IniFiles.h"

namespace plat {

namespace {

const char* const kSection = "Ports";

bool IsPort(int value) { return value >= 1 && value <= 65535; }

}  // namespace

int MappedLoopbackPort(int port) {
  if (!IsPort(port)) return port;
  try {
    TMemIniFile table(LoopbackPortTablePath());
    const int target = table.ReadInteger(kSection, std::to_string(port), 0);
    return IsPort(target) ? target : port;
  } catch (const Exception&) {
    // A table that cannot be read maps nothing: the port stands as asked.
    return port;
  }
}

void SetLoopbackPortMapping(int port, int target) {
  if (!IsPort(port) || (target != 0 && !IsPort(target)))
    throw Exception("Invalid loopback port mapping " + std::to_string(port) + " -> " + std::to_string(target));
  TMemIniFile table(LoopbackPortTablePath());
  if (target == 0)
    table.DeleteKey(kSection, std::to_string(port));
  else
    table.WriteInteger(kSection, std::to_string(port), target);
  table.UpdateFile();
}

}  // namespace plat
