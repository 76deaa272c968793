#include "platform/os/Registry.h"

#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/rtl/LastError.h"
#include "platform/os/PlatformRoot.h"
#include "platform/os/PosixFiles.h"
#include "platform/os/RegistryHive.h"
#include "platform/os/detail/HiveFiles.h"

namespace plat {

namespace {

struct THiveName {
  const char* File = nullptr;  // file name below the registry folder, without ".reg"
  const char* Root = nullptr;  // the name key lines start with
};

std::optional<THiveName> HiveOf(HKEY rootKey) {
  switch (rootKey) {
    case HKEY_LOCAL_MACHINE: return THiveName{"HKLM", "HKEY_LOCAL_MACHINE"};
    case HKEY_CURRENT_USER: return THiveName{"HKCU", "HKEY_CURRENT_USER"};
    case HKEY_CLASSES_ROOT: return THiveName{"HKCR", "HKEY_CLASSES_ROOT"};
    default: return std::nullopt;
  }
}

std::shared_ptr<const TRegistryHive> LoadHive(const THiveName& name) {
  return detail::ReadHive(RegistryHivePath(name.File), name.Root);
}

// Reads, changes and writes the hive under its lock file. change answers
// whether it changed anything; the result is false when the change failed or
// could not be stored.
template <typename Change>
bool UpdateHive(const THiveName& name, Change change) {
  const String path = RegistryHivePath(name.File);
  TFileLock lock(path + ".lock");
  if (!lock.Locked()) return false;
  std::unique_ptr<TRegistryHive> hive = detail::ReadHiveForChange(path, name.Root);
  if (!hive || !change(*hive)) return false;
  return detail::WriteHive(path, std::move(hive));
}

String JoinPath(const std::vector<String>& names) {
  String path;
  for (const String& name : names) path += (path.empty() ? "" : "\\") + name;
  return path;
}

bool IsValidValueName(const String& name) {
  for (const char c : name)
    if (static_cast<unsigned char>(c) < 0x20) return false;
  return true;
}

[[noreturn]] void RaiseRegistryError(const char* format, const String& name) {
  String text = format;
  text.replace(text.find("%s"), 2, name);
  throw ERegistryException(text);
}

const char* const kInvalidType = "Invalid data type for '%s'";
const char* const kGetFailed = "Failed to get data for '%s'";
const char* const kSetFailed = "Failed to set data for '%s'";

}  // namespace

struct TRegistry::TTarget {
  THiveName Hive;
  std::vector<String> Path;
};

TRegistry::TRegistry() : FRootKey(HKEY_CURRENT_USER) {}

TRegistry::~TRegistry() = default;

void TRegistry::SetRootKey(HKEY rootKey) {
  CloseKey();
  FRootKey = rootKey;
}

bool TRegistry::Resolve(const String& key, TTarget& target) const {
  const std::optional<THiveName> hive = HiveOf(FRootKey);
  if (!hive) return false;
  target.Hive = *hive;
  const bool relative = key.empty() || key.front() != '\\';
  target.Path = SplitKeyPath(relative && FKeyOpen ? FCurrentPath + "\\" + key : key);
  return true;
}

bool TRegistry::OpenKey(const String& key, bool canCreate) {
  TTarget target;
  if (!Resolve(key, target)) return false;
  bool found = false;
  if (canCreate) {
    for (const String& name : target.Path)
      if (!IsValidKeyName(name)) return false;
    if (target.Path.size() > MaxKeyDepth) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return false;
    }
    found = UpdateHive(target.Hive, [&](TRegistryHive& hive) {
      if (hive.Find(target.Path) != nullptr) return false;  // nothing to write
      hive.Create(target.Path);
      return true;
    });
  }
  if (!found) {
    const auto hive = LoadHive(target.Hive);
    found = hive && hive->Find(target.Path) != nullptr;
  }
  if (!found) return false;
  FKeyOpen = true;
  FReadOnly = false;
  FCurrentPath = JoinPath(target.Path);
  return true;
}

bool TRegistry::OpenKeyReadOnly(const String& key) {
  if (!OpenKey(key, false)) return false;
  FReadOnly = true;
  return true;
}

void TRegistry::CloseKey() {
  FKeyOpen = false;
  FReadOnly = false;
  FCurrentPath.clear();
}

bool TRegistry::KeyExists(const String& key) {
  TTarget target;
  if (!Resolve(key, target)) return false;
  const auto hive = LoadHive(target.Hive);
  return hive && hive->Find(target.Path) != nullptr;
}

bool TRegistry::DeleteKey(const String& key) {
  TTarget target;
  if (!Resolve(key, target) || target.Path.empty()) return false;
  return UpdateHive(target.Hive, [&](TRegistryHive& hive) { return hive.Remove(target.Path); });
}

namespace {

// Loads the hive into holder and answers the open key in it (null when no
// key is open, the hive is unreadable or the key was deleted meanwhile).
const TRegKeyNode* FindOpenKey(std::shared_ptr<const TRegistryHive>& holder, HKEY rootKey, bool keyOpen,
                               const String& currentPath) {
  const std::optional<THiveName> hiveName = HiveOf(rootKey);
  if (!keyOpen || !hiveName) return nullptr;
  holder = LoadHive(*hiveName);
  return holder ? holder->Find(SplitKeyPath(currentPath)) : nullptr;
}

std::optional<TRegValue> ReadValue(HKEY rootKey, bool keyOpen, const String& currentPath, const String& name) {
  std::shared_ptr<const TRegistryHive> hive;
  const TRegKeyNode* key = FindOpenKey(hive, rootKey, keyOpen, currentPath);
  const TRegValue* value = key != nullptr ? key->FindValue(name) : nullptr;
  if (value == nullptr) return std::nullopt;
  return *value;
}

}  // namespace

bool TRegistry::ValueExists(const String& name) {
  return ReadValue(FRootKey, FKeyOpen, FCurrentPath, name).has_value();
}

TRegDataType TRegistry::GetDataType(const String& name) {
  const std::optional<TRegValue> value = ReadValue(FRootKey, FKeyOpen, FCurrentPath, name);
  if (!value) return rdUnknown;
  switch (value->Type) {
    case REG_SZ: return rdString;
    case REG_EXPAND_SZ: return rdExpandString;
    case REG_DWORD: return rdInteger;
    case REG_BINARY: return rdBinary;
    default: return rdUnknown;
  }
}

bool TRegistry::DeleteValue(const String& name) {
  TTarget target;
  if (!FKeyOpen || FReadOnly || !Resolve("\\" + FCurrentPath, target)) return false;
  return UpdateHive(target.Hive, [&](TRegistryHive& hive) {
    TRegKeyNode* key = hive.Find(target.Path);
    return key != nullptr && key->RemoveValue(name);
  });
}

void TRegistry::GetKeyNames(TStrings* strings) {
  if (strings == nullptr) return;
  strings->Clear();
  std::shared_ptr<const TRegistryHive> hive;
  if (const TRegKeyNode* key = FindOpenKey(hive, FRootKey, FKeyOpen, FCurrentPath))
    for (const auto& [name, sub] : key->SubKeys()) strings->Add(sub->Name());
}

void TRegistry::GetValueNames(TStrings* strings) {
  if (strings == nullptr) return;
  strings->Clear();
  std::shared_ptr<const TRegistryHive> hive;
  if (const TRegKeyNode* key = FindOpenKey(hive, FRootKey, FKeyOpen, FCurrentPath))
    for (const auto& entry : key->Values()) strings->Add(entry.first);
}

String TRegistry::ReadString(const String& name) {
  const std::optional<TRegValue> value = ReadValue(FRootKey, FKeyOpen, FCurrentPath, name);
  if (!value) return String();
  if (value->Type != REG_SZ && value->Type != REG_EXPAND_SZ) RaiseRegistryError(kInvalidType, name);
  return value->Data;
}

int TRegistry::ReadInteger(const String& name) {
  const std::optional<TRegValue> value = ReadValue(FRootKey, FKeyOpen, FCurrentPath, name);
  if (!value) RaiseRegistryError(kGetFailed, name);
  if (value->Type != REG_DWORD || value->Data.size() != 4) RaiseRegistryError(kInvalidType, name);
  DWORD number = 0;
  for (std::size_t i = 0; i < 4; ++i)
    number |= static_cast<DWORD>(static_cast<unsigned char>(value->Data[i])) << (8 * i);
  return static_cast<int>(number);
}

void TRegistry::WriteValue(const String& name, DWORD type, const String& data) {
  TTarget target;
  if (!FKeyOpen || FReadOnly || !IsValidValueName(name) || !Resolve("\\" + FCurrentPath, target))
    RaiseRegistryError(kSetFailed, name);
  const bool stored = UpdateHive(target.Hive, [&](TRegistryHive& hive) {
    TRegKeyNode* key = hive.Find(target.Path);
    if (key == nullptr) return false;  // deleted by another process meanwhile
    key->SetValue(name, TRegValue{type, data});
    return true;
  });
  if (!stored) RaiseRegistryError(kSetFailed, name);
}

void TRegistry::WriteString(const String& name, const String& value) { WriteValue(name, REG_SZ, value); }

void TRegistry::WriteExpandString(const String& name, const String& value) { WriteValue(name, REG_EXPAND_SZ, value); }

void TRegistry::WriteInteger(const String& name, int value) {
  const auto number = static_cast<DWORD>(value);
  String data;
  for (int shift = 0; shift < 32; shift += 8) data += static_cast<char>((number >> shift) & 0xff);
  WriteValue(name, REG_DWORD, data);
}

}  // namespace plat
