#include "platform/os/Resources.h"

#include <span>

#include "platform/os/ResourceEntry.h"
#include "platform/rtl/LastError.h"
#include "platform/rtl/StringUtils.h"

// The bounds of the section that the linker gathers from every generated
// resource source; both are null in a program without resources.
extern "C" {
extern const plat::TResourceEntry* const __start_zorbit_resources[] __attribute__((weak));
extern const plat::TResourceEntry* const __stop_zorbit_resources[] __attribute__((weak));
}

namespace plat {

namespace {

std::span<const TResourceEntry* const> Entries() {
  if (__start_zorbit_resources == nullptr || __stop_zorbit_resources == nullptr) {
    return {};
  }
  return {__start_zorbit_resources, __stop_zorbit_resources};
}

// Handles are the entries themselves; a value is accepted only when it is one
// of them, so a stale or made-up handle is refused instead of read.
const TResourceEntry* EntryOf(const void* handle) {
  if (handle == nullptr) {
    return nullptr;
  }
  for (const TResourceEntry* entry : Entries()) {
    if (entry == handle) {
      return entry;
    }
  }
  return nullptr;
}

}  // namespace

HRSRC FindResource(HMODULE, const String& name, Word type) {
  bool typeSeen = false;
  // The alignment of the gathered arrays may leave null slots between them.
  for (const TResourceEntry* entry : Entries()) {
    if (entry == nullptr || entry->Type != type) {
      continue;
    }
    typeSeen = true;
    if (SameText(entry->Name, name)) {
      return reinterpret_cast<HRSRC>(const_cast<TResourceEntry*>(entry));
    }
  }
  SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
  return nullptr;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource) {
  if (EntryOf(resource) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  // The data handle is the entry too: LockResource gives its bytes.
  return reinterpret_cast<HGLOBAL>(resource);
}

const void* LockResource(HGLOBAL data) {
  const TResourceEntry* entry = EntryOf(data);
  return entry ? entry->Data : nullptr;
}

DWORD SizeofResource(HMODULE, HRSRC resource) {
  const TResourceEntry* entry = EntryOf(resource);
  if (entry == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return static_cast<DWORD>(entry->Size);
}

}  // namespace plat
