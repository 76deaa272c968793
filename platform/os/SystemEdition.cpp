#include "platform/os/SystemEdition.h"

#include "platform/os/Registry.h"

namespace plat {

namespace {

bool EditionInstalled(const char* Key) {
  TRegistry registry;
  registry.SetRootKey(HKEY_LOCAL_MACHINE);
  if (!registry.OpenKeyReadOnly(Key)) return false;
  try {
    return registry.ReadInteger("Installed") != 0;
  } catch (const ERegistryException&) {
    return false;  // missing, or not a number
  }
}

}  // namespace

bool IsTabletPCEdition() { return EditionInstalled("\\System\\WPA\\TabletPC"); }

bool IsMediaCenterEdition() { return EditionInstalled("\\System\\WPA\\MediaCenter"); }

}  // namespace plat
