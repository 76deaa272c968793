#pragma once
// The program's one translation table: sections (a window, a unit or a group
// of messages) of "key=translation" lines, filled from a language pack's
// "strtab*" INI files. Section and key names are matched without case. A
// missing section or key answers the key itself, so an empty table shows the
// program's English texts.
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/rtl/HashedStringList.h"
#include "platform/rtl/Types.h"

namespace zorbit {

class TStringTable {
 public:
  // The value of Key in Section; Key itself when either is missing.
  plat::String Lookup(const plat::String& Section, const plat::String& Key) const;
  // Merges one INI file: its sections extend those of the same name, its
  // values replace earlier ones in place, and an empty value removes the key,
  // so a later file can withdraw a translation. A file that is missing or
  // implausibly large for a string table adds nothing.
  void LoadFromIni(const plat::String& Path);

 private:
  struct TSection {
    plat::String Name;
    std::unique_ptr<plat::THashedStringList> Lines;
  };
  const TSection* FindSection(const plat::String& Name) const;
  TSection& ObtainSection(const plat::String& Name);

  // Names are indexed as they load, so neither loading nor a lookup scans.
  std::vector<TSection> FSections;
  std::unordered_map<plat::String, std::size_t> FSectionIndex;  // by lower-case name
};

// The global table: empty from InitializeStringTable, null before it and
// after FinalizeStringTable.
TStringTable* StringTable();
void InitializeStringTable();
void FinalizeStringTable();

// Routes the service link's text lookups (AppHooks().Lookup) to the global
// table, so its messages and value words are translated too.
void InstallStringTableLookup();

}  // namespace zorbit
