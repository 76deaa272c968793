#include "app/StringTable.h"

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/IniFiles.h"
#include "platform/rtl/StringUtils.h"
#include "service/AppHooks.h"
#include "service/GenericAPI.h"

namespace zorbit {

namespace {

// Far beyond any real table (the English one is a few kilobytes); a larger
// file is a broken or hostile pack, not worth reading into memory.
constexpr plat::Int64 kMaxTableFileSize = 16 * 1024 * 1024;

std::unique_ptr<TStringTable>& GlobalTable() {
  static std::unique_ptr<TStringTable> table;
  return table;
}

}  // namespace

const TStringTable::TSection* TStringTable::FindSection(const plat::String& Name) const {
  for (const TSection& section : FSections) {
    if (plat::AnsiSameText(section.Name, Name)) {
      return &section;
    }
  }
  return nullptr;
}

plat::String TStringTable::Lookup(const plat::String& Section, const plat::String& Key) const {
  const TSection* section = FindSection(Section);
  if (!section) {
    return Key;
  }
  const int index = section->Lines->IndexOfName(Key);
  return index < 0 ? Key : section->Lines->ValueFromIndex(index);
}

void TStringTable::LoadFromIni(const plat::String& Path) {
  if (plat::FileSize(Path) > kMaxTableFileSize) {
    WriteLog("[TStringTable.LoadFromIni]: " + Path + " is too large for a string table");
    return;
  }
  plat::TMemIniFile ini(Path);
  plat::TStringList sectionNames;
  ini.ReadSections(sectionNames);
  for (int i = 0; i < sectionNames.Count(); ++i) {
    const plat::String name = sectionNames.Strings(i);
    const TSection* found = FindSection(name);
    if (!found) {
      FSections.push_back({name, std::make_unique<plat::TStringList>()});
      found = &FSections.back();
    }
    plat::TStringList keys;
    ini.ReadSection(name, keys);
    for (int k = 0; k < keys.Count(); ++k) {
      const plat::String key = keys.Strings(k);
      found->Lines->SetValues(key, ini.ReadString(name, key, plat::String()));
    }
  }
}

TStringTable* StringTable() { return GlobalTable().get(); }

void InitializeStringTable() { GlobalTable() = std::make_unique<TStringTable>(); }

void FinalizeStringTable() { GlobalTable().reset(); }

void InstallStringTableLookup() {
  AppHooks().Lookup = [](const plat::String& Section, const plat::String& Key) {
    const TStringTable* table = StringTable();
    return table ? table->Lookup(Section, Key) : Key;
  };
}

}  // namespace zorbit
