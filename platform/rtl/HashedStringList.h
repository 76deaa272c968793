#pragma once
// A string list that finds entries by text and by name through hash indexes
// instead of a scan, for the long lists that INI sections and string tables
// grow into. It answers IndexOf and IndexOfName exactly as TStringList does
// (the first match, with or without case as CaseSensitive says); only the
// cost differs. The indexes are built on the first look-up after a change;
// appending at the end keeps a built index up to date, so a list filled by
// Add with look-ups in between (SetValues) stays linear.
#include <cstdint>
#include <unordered_map>

#include "platform/rtl/StringList.h"

namespace plat {

class THashedStringList : public TStringList {
 public:
  int IndexOf(const String& s) const override;
  int IndexOfName(const String& name) const override;

  int AddObject(const String& s, TObjectPtr object) override;

 protected:
  void Changed() override;

 private:
  using TIndex = std::unordered_map<String, int>;

  String KeyOf(const String& text) const;
  void Note(int index) const;
  void BuildIndexes() const;

  // First index of each entry's text and of each name, under KeyOf.
  mutable TIndex FValues;
  mutable TIndex FNames;
  mutable bool FIndexed = false;
  mutable bool FIndexedCaseSensitive = false;
  std::uint64_t FChanges = 0;
};

}  // namespace plat
