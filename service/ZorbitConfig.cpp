#include "service/ZorbitConfig.h"

#include <array>
#include <memory>

#include "platform/os/Module.h"
#include "platform/os/Registry.h"
#include "platform/os/VersionInfo.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/StringList.h"

namespace zorbit {

namespace {
std::unique_ptr<plat::TStringList>& VersionList() {
  static std::unique_ptr<plat::TStringList> list;
  return list;
}
}  // namespace

plat::String ReadConfigString(const plat::String& ValueName, bool UseCurrentUser, const plat::String& Key) {
  try {
    plat::TRegistry registry;
    registry.SetRootKey(UseCurrentUser ? plat::HKEY_CURRENT_USER : plat::HKEY_LOCAL_MACHINE);
    if (!registry.OpenKeyReadOnly(Key)) return {};
    const plat::TRegDataType type = registry.GetDataType(ValueName);
    if (type != plat::rdString && type != plat::rdExpandString) return {};
    return registry.ReadString(ValueName);
  } catch (const plat::Exception&) {
    // An unreadable hive or value reads as no value.
    return {};
  }
}

void ReadVersionStrings(plat::TStrings* List) {
  static constexpr std::array<const char*, 10> names = {
      "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
      "LegalTradeMarks", "OriginalFileName", "ProductName", "ProductVersion", "Comments"};
  if (List == nullptr) return;
  const std::optional<plat::TVersionInfo> info = plat::GetFileVersionInfo(plat::GetModuleFileName());
  if (!info) return;
  for (const char* name : names) {
    const std::optional<plat::String> value =
        plat::VerQueryValue(*info, plat::String("\\StringFileInfo\\040904e4\\") + name);
    if (value) List->Add(plat::String(name) + "=" + *value);
  }
}

const plat::TStrings& VersionStrings() {
  if (!VersionList()) VersionList() = std::make_unique<plat::TStringList>();
  return *VersionList();
}

void InitializeZorbitConfig() {
  VersionList() = std::make_unique<plat::TStringList>();
  ReadVersionStrings(VersionList().get());
}

void FinalizeZorbitConfig() { VersionList().reset(); }

}  // namespace zorbit
