#include "app/StringTable.h"

#include <unordered_set>

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
  const auto found = FSectionIndex.find(plat::AnsiLowerCase(Name));
  return found == FSectionIndex.end() ? nullptr : &FSections[found->second];
}

TStringTable::TSection& TStringTable::ObtainSection(const plat::String& Name) {
  const auto [slot, added] = FSectionIndex.try_emplace(plat::AnsiLowerCase(Name), FSections.size());
  if (added) FSections.push_back({Name, std::make_unique<plat::THashedStringList>()});
  return FSections[slot->second];
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
    plat::TStrings& lines = *ObtainSection(name).Lines;
    plat::TStringList values;
    ini.ReadSectionValues(name, values);
    // Within one file the first line of a key counts, as an INI read gives it.
    std::unordered_set<plat::String> seen;
    seen.reserve(static_cast<std::size_t>(values.Count()));
    for (int k = 0; k < values.Count(); ++k) {
      const plat::String line = values.Strings(k);
      const std::size_t separator = line.find('=');
      if (separator == plat::String::npos) continue;
      const plat::String key = line.substr(0, separator);
      if (!seen.insert(plat::AnsiLowerCase(key)).second) continue;
      lines.SetValues(key, line.substr(separator + 1));
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
