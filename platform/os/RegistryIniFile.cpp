#include "platform/os/RegistryIniFile.h"

#include "platform/rtl/Conversions.h"

namespace plat {

TRegistryIniFile::TRegistryIniFile(const String& fileName, HKEY rootKey)
    : TCustomIniFile(fileName), FRootKey(rootKey) {
  TRegistry registry;
  registry.SetRootKey(FRootKey);
  registry.OpenKey(KeyPath(String()), true);
}

String TRegistryIniFile::KeyPath(const String& section) const {
  String path = FFileName.empty() || FFileName.front() != '\\' ? "\\" + FFileName : FFileName;
  if (!section.empty()) path += "\\" + section;
  return path;
}

bool TRegistryIniFile::OpenSection(TRegistry& registry, const String& section, bool canCreate) const {
  registry.SetRootKey(FRootKey);
  return canCreate ? registry.OpenKey(KeyPath(section), true) : registry.OpenKeyReadOnly(KeyPath(section));
}

String TRegistryIniFile::ReadString(const String& section, const String& ident, const String& defaultValue) {
  TRegistry registry;
  if (!OpenSection(registry, section, false)) return defaultValue;
  switch (registry.GetDataType(ident)) {
    case rdString:
    case rdExpandString:
      return registry.ReadString(ident);
    case rdInteger:
      return IntToStr(registry.ReadInteger(ident));
    default:
      return defaultValue;
  }
}

void TRegistryIniFile::WriteString(const String& section, const String& ident, const String& value) {
  TRegistry registry;
  OpenSection(registry, section, true);
  registry.WriteString(ident, value);  // raises when the key could not be made
}

int TRegistryIniFile::ReadInteger(const String& section, const String& ident, int defaultValue) {
  TRegistry registry;
  if (!OpenSection(registry, section, false)) return defaultValue;
  switch (registry.GetDataType(ident)) {
    case rdInteger:
      return registry.ReadInteger(ident);
    case rdString:
    case rdExpandString:
      return StrToIntDef(registry.ReadString(ident), defaultValue);
    default:
      return defaultValue;
  }
}

void TRegistryIniFile::WriteInteger(const String& section, const String& ident, int value) {
  TRegistry registry;
  OpenSection(registry, section, true);
  registry.WriteInteger(ident, value);
}

void TRegistryIniFile::ReadSection(const String& section, TStrings& strings) {
  strings.Clear();
  TRegistry registry;
  if (OpenSection(registry, section, false)) registry.GetValueNames(&strings);
}

void TRegistryIniFile::ReadSections(TStrings& strings) {
  strings.Clear();
  TRegistry registry;
  if (OpenSection(registry, String(), false)) registry.GetKeyNames(&strings);
}

void TRegistryIniFile::ReadSectionValues(const String& section, TStrings& strings) {
  TStringList names;
  ReadSection(section, names);
  strings.Clear();
  for (int i = 0; i < names.Count(); ++i) {
    strings.Add(names.Strings(i) + "=" + ReadString(section, names.Strings(i), String()));
  }
}

void TRegistryIniFile::EraseSection(const String& section) {
  TRegistry registry;
  registry.SetRootKey(FRootKey);
  registry.DeleteKey(KeyPath(section));
}

void TRegistryIniFile::DeleteKey(const String& section, const String& ident) {
  TRegistry registry;
  if (OpenSection(registry, section, true)) registry.DeleteValue(ident);
}

}  // namespace plat
